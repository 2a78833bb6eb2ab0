"""The page looks as the window does: every control in the window's box, colours and caption,
no caption beyond its box, the chart's lines where the window paints them, and the
accessibility check clean but for the design's own colours."""
import io
import json
import os
import zipfile
from pathlib import Path

import numpy as np
from PIL import Image

WINDOW = json.loads(Path(os.environ["C3F8_WEB_WINDOW_JSON"]).read_text())
AXE = Path(os.environ["C3F8_WEB_NODE_MODULES"]) / "axe-core" / "axe.min.js"

# Where the design's colours are kept although they fall short of the contrast of WCAG 2 AA:
# yellow and white on olive, yellow on teal, red on light grey, bright green on brick.
LOW_CONTRAST = {"Komentarz-caption", "Label20", "Label19", "Label21", "Label22", "Label25",
                "Label26", "Label23", "Label24", "Ostrzezenie", "Label33", "Label34", "Label31",
                "Label27", "Label28", "Label35", "Label36", "Label32", "Label29", "Label30",
                "m_warn"}

MEASURE = """
const panel = document.getElementById('Panel').getBoundingClientRect();
const hex = (css) => '#' + css.match(/\\d+/g).slice(0, 3)
    .map((v) => Number(v).toString(16).padStart(2, '0')).join('');
return arguments[0].map((id) => {
    const e = document.getElementById(id);
    const r = e.getBoundingClientRect();
    const style = getComputedStyle(e);
    const caption = e.classList.contains('frame') ? e.firstElementChild.textContent
        : e.tagName === 'INPUT' || e.classList.contains('picture') ? '' : e.textContent;
    return {id, box: [r.left - panel.left, r.top - panel.top, r.width, r.height],
            text: hex(style.color), background: hex(style.backgroundColor), caption,
            overflows: e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight};
});"""


def show_both_warnings(page):
    page.execute_script("for (const id of ['Ostrzezenie', 'm_warn'])"
                        " document.getElementById(id).hidden = false")


def test_every_control_has_the_windows_box_colours_and_caption(page):
    show_both_warnings(page)
    on_page = page.execute_script(MEASURE, [c["id"] for c in WINDOW])
    for window, shown in zip(WINDOW, on_page):
        expected = {"id": window["id"], "box": window["box"], "caption": window["caption"]}
        if not window["id"].startswith(("Line", "Image")):
            expected |= {"text": window["text"], "background": window["background"]}
        elif window["id"].startswith("Line"):
            expected["background"] = window["background"]
        assert {k: shown[k] for k in expected} == expected
        assert not shown["overflows"], window["id"]


def test_the_charts_lines_lie_where_the_window_paints_them(page):
    picture = page.find_element("id", "Image1")
    browser = np.asarray(Image.open(io.BytesIO(picture.screenshot_as_png)).convert("RGB"))
    window = np.asarray(Image.open(os.environ["C3F8_WEB_CHART_PNG"]).convert("RGB"))
    assert browser.shape == window.shape == (481, 593, 3)
    # The letters are there, as outlines (half the near-black ink is theirs), not as text.
    ink = [np.count_nonzero(p.max(axis=2) < 100) for p in (browser, window)]
    assert abs(ink[0] - ink[1]) < ink[1] / 5, ink
    assert not page.find_elements("css selector", "#Image1 text")
    for colour in [(255, 0, 0), (0, 0, 255), (0, 255, 0), (153, 48, 101), (0, 129, 0)]:
        masks = [np.all(picture == colour, axis=2) for picture in (browser, window)]
        assert all(m.sum() > 50 for m in masks), colour
        for mine, other in (masks, masks[::-1]):
            # Every pixel of the colour has one of the same colour within 2 px in the other.
            near = np.zeros_like(other)
            padded = np.pad(other, 2)
            for dy in range(5):
                for dx in range(5):
                    near |= padded[dy:dy + other.shape[0], dx:dx + other.shape[1]]
            assert not (mine & ~near).any(), colour


def axe_findings(page):
    page.execute_script(AXE.read_text())
    result = page.execute_async_script(
        "axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']})"
        ".then(arguments[0])")
    findings = []
    for kind in ("violations", "incomplete"):
        for rule in result[kind]:
            for node in rule["nodes"]:
                findings.append((kind, rule["id"], node["target"][0].lstrip("#"),
                                 node["failureSummary"] if kind == "incomplete" else ""))
    return findings


def test_the_accessibility_check_finds_only_the_designs_own_colours(page, worked_runs):
    states = {"initial": axe_findings(page)}
    show_both_warnings(page)
    states["warnings"] = axe_findings(page)
    page.find_element("id", "tevap").clear()
    page.find_element("id", "obl_b").click()
    states["failure dialog"] = axe_findings(page)
    for state, findings in states.items():
        assert [f for f in findings
                if f[1] != "color-contrast" or f[2] not in LOW_CONTRAST] == [], state


def test_the_zip_holds_the_folder_within_its_size_budget():
    folder = Path(os.environ["C3F8_WEB_FOLDER"])
    files = {p.relative_to(folder.parent).as_posix(): p.stat().st_size
             for p in folder.rglob("*") if p.is_file()}
    with zipfile.ZipFile(folder.parent / f"{folder.name}.zip") as archive:
        assert {i.filename: i.file_size for i in archive.infolist() if not i.is_dir()} == files
    assert sum(files.values()) <= 1024 * 1024
    assert files[f"{folder.name}/c3f8engine.js"] <= 300 * 1024
