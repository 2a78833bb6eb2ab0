"""The page in everyday use: a link that carries the point, phones and tablets, print, disk,
servers, a strict policy and offline, and no figure cut off unseen."""
import base64
import re
import subprocess

import pytest

from chromium import serve, start_chromium
from conftest import FOLDER, INPUTS, RESULTS, open_page, shown, type_inputs
from test_look import LOW_CONTRAST, axe_findings

POLICY = (FOLDER / "content-security-policy.txt").read_text().strip()


def console(driver):
    """The console's warnings and errors since the last call."""
    return [e["message"] for e in driver.get_log("browser") if e["level"] in ("WARNING", "SEVERE")]


def run(driver, typed):
    type_inputs(driver, typed)
    driver.find_element("id", "obl_b").click()
    return shown(driver)


def test_a_link_carries_the_point_across_languages_reloads_and_history(browser, worked_runs):
    (a_typed, a_results, _), (b_typed, b_results, _) = worked_runs[:2]
    polish = start_chromium("pl-PL")
    try:
        open_page(polish)
        run(polish, [t.replace(".", ",") for t in a_typed])
        link = polish.current_url
    finally:
        polish.quit()
    assert link.endswith("#v=1&" + "&".join(f"{n}={t}" for n, t in zip(INPUTS, a_typed)))
    browser.get("about:blank")
    open_page(browser, link)
    assert shown(browser)["fields"] == a_typed + a_results
    browser.refresh()  # a reload keeps the point
    browser.execute_async_script("window.c3f8calc.ready.then(arguments[0])")
    assert shown(browser)["fields"] == a_typed + a_results
    run(browser, b_typed)
    browser.back()
    assert shown(browser)["fields"] == a_typed + a_results
    browser.forward()
    assert shown(browser)["fields"] == b_typed + b_results
    # A link in another form (keys in another order, one unknown) takes one step of history.
    browser.get("about:blank")
    reordered = "&".join(f"{n}={t}" for n, t in reversed(list(zip(INPUTS, a_typed))))
    open_page(browser, FOLDER.joinpath("index.html").as_uri() + "#v=1&later=7&" + reordered)
    run(browser, b_typed)
    browser.back()
    assert shown(browser)["fields"] == a_typed + a_results
    browser.back()
    assert browser.current_url == "about:blank"


@pytest.mark.parametrize("fragment, typed, status", [
    # A text that is no plain number goes as typed, and fails as typed; a missing key leaves
    # its field empty; keys the page does not know are ignored.
    ("#v=1&tevap=-25&tsub=1%2E5x&later=7", ["-25", "1.5x", "", "", "", ""], "przerwane"),
    ("#v=2&tevap=-25", [""] * 6, "Nie mozna odczytac punktu z linku"),
    ("#tevap=-25", [""] * 6, "Nie mozna odczytac punktu z linku"),
    ("#v=1&tevap=%E0%A4%A", [""] * 6, "Nie mozna odczytac punktu z linku"),
])
def test_a_link_that_is_odd_or_unreadable(browser, fragment, typed, status):
    open_page(browser, FOLDER.joinpath("index.html").as_uri() + fragment)
    now = shown(browser)
    assert now["fields"][:6] == typed and status in now["status"]
    if now["dialog"]:
        assert "T przechlodzenia cieczy" in now["dialog"][1]


@pytest.mark.parametrize("width, height", [(390, 844), (768, 1024)])
def test_phones_and_tablets_get_one_column_to_touch(width, height, worked_runs):
    driver = start_chromium()
    try:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": True})
        open_page(driver)
        measured = driver.execute_script("""
            const visible = [...document.querySelectorAll('#Panel *')]
                .filter((e) => e.checkVisibility() && !e.closest('svg'));
            return {scroll: document.documentElement.scrollWidth - innerWidth,
                    small: visible.filter((e) => e.matches('input, button') &&
                        e.getBoundingClientRect().height < 44).map((e) => e.id),
                    tiny: visible.filter((e) => e.textContent.trim() && !e.children.length &&
                        parseFloat(getComputedStyle(e).fontSize) < 16).map((e) => e.id),
                    modes: arguments[0].map((id) =>
                        document.getElementById(id).getAttribute('inputmode'))};""", INPUTS)
        assert measured == {"scroll": 0, "small": [], "tiny": [],
                            "modes": ["text", "text"] + ["decimal"] * 4}
        typed, results, _ = worked_runs[0]
        assert run(driver, typed)["fields"] == typed + results
        assert [f for f in axe_findings(driver)
                if f[1] != "color-contrast" or f[2] not in LOW_CONTRAST] == []
        run(driver, ["x"] + typed[1:])  # the failure's message, to read and close by touch
        assert driver.execute_script(
            "const ok = document.getElementById('failure_ok');"
            "return [getComputedStyle(document.getElementById('failure_message')).fontSize,"
            " ok.getBoundingClientRect().height >= 44]") == ["16px", True]
    finally:
        driver.quit()


def test_printed_on_one_a4_page_across_with_every_text(page, worked_runs, tmp_path):
    typed, results, _ = worked_runs[0]
    run(page, typed)
    pdf = page.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"]
    path = tmp_path / "page.pdf"
    path.write_bytes(base64.b64decode(pdf))
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    assert re.search(r"^Pages: +1$", info, re.M) and "841.92 x 594.96 pts (A4)" in info
    text = " ".join(subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True,
                                   text=True, check=True).stdout.split())
    for caption in ["Dane", "Wyniki", "Komentarz", "T odparowania", "OBLICZ", "[kJ/kg]",
                    "Wydrukowano", "#v=1&tevap=-25"] + typed + results:
        assert caption in text, caption
    page.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    try:  # the chart whole on the page: 277 mm across the margins, 194 mm down
        bottom, right = page.execute_script(
            "const r = document.getElementById('Image1').getBoundingClientRect();"
            "const zoom = parseFloat(getComputedStyle(document.body).zoom);"
            "return [r.bottom * zoom, r.right * zoom];")
        assert bottom <= 194 / 25.4 * 96 and right <= 281 / 25.4 * 96
    finally:
        page.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})


@pytest.mark.parametrize("where", ["file", "http"])
def test_loads_from_disk_or_a_strict_server_with_a_clean_console(browser, worked_runs, where):
    console(browser)
    with serve(FOLDER, {"Content-Security-Policy": POLICY}) as address:
        open_page(browser, address if where == "http" else None)
        faces = browser.execute_script("return [...document.fonts].map((f) => f.status)")
        typed, results, _ = worked_runs[0]
        assert faces == ["loaded"] * 3 and run(browser, typed)["fields"] == typed + results
        # Nothing a strict policy refuses: no style or event-handler attribute.
        assert browser.execute_script(
            "return [...document.querySelectorAll('*')].filter((e) => e.hasAttribute('style') "
            "|| [...e.attributes].some((a) => a.name.startsWith('on'))).length") == 0
        assert console(browser) == []
        assert "'unsafe-inline'" not in POLICY and "'unsafe-eval'" not in POLICY


def test_served_from_localhost_it_works_offline_after_one_load(worked_runs):
    driver = start_chromium()
    try:
        with serve(FOLDER) as address:
            open_page(driver, address)
            driver.execute_async_script(
                "navigator.serviceWorker.ready.then(() => arguments[0]())")
        driver.refresh()
        driver.execute_async_script("window.c3f8calc.ready.then(arguments[0])")
        typed, results, _ = worked_runs[0]
        assert run(driver, typed)["fields"] == typed + results
    finally:
        driver.quit()


def test_a_figure_wider_than_its_box_is_whole_in_its_title(page):
    run(page, ["100", "15", "0.1", "0.9", "500", "10"])
    wide, fitting, overflow = page.execute_script(
        "const f = (id) => document.getElementById(id);"
        "return [f('x_we2').title, f('pevap').title, getComputedStyle(f('x_we2')).textOverflow];")
    whole = shown(page)["fields"][INPUTS.__len__() + RESULTS.index("x_we2")]
    assert len(whole) > 40 and wide.startswith(whole + "\nWg rownania stanu: ")
    assert overflow == "ellipsis" and fitting.startswith("Wg rownania stanu: ")
