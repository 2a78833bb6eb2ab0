"""The page does what the window does: the worked runs, the failures, the keyboard, the lists,
and every text of 20,000 random points as the native core gives it."""
import random
import shutil

import pytest
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from chromium import start_chromium
from conftest import FOLDER, INPUTS, RESULTS, open_page, shown, type_inputs
from worked_runs import read_reference_runs


def press(driver, *keys):
    ActionChains(driver).send_keys(*keys).perform()


def test_worked_runs_and_failed_runs_show_the_windows_texts(page, oracle, worked_runs):
    for run, (typed, results, warnings) in enumerate(worked_runs, 1):
        type_inputs(page, typed)
        page.find_element("id", "obl_b").click()
        now = shown(page)
        assert now["fields"] == typed + results
        assert now["warnings"] == warnings and now["dialog"] is None
        assert now["status"].startswith(f"Obliczenie nr {run} zakonczone")
    # Each input unreadable in turn, after run B: what the run reached is rewritten, the rest
    # keeps run B's texts, and the failure dialog has the window's message and the focus; once
    # closed, the focus is in the input it names, its text selected.
    b_typed, b_results, b_warnings = worked_runs[1]
    a_typed = worked_runs[0][0]
    for broken in range(len(INPUTS)):
        type_inputs(page, b_typed)
        page.find_element("id", "obl_b").click()
        typed = a_typed[:broken] + ["1,5x"] + a_typed[broken + 1:]
        type_inputs(page, typed)
        page.find_element("id", "obl_b").click()
        texts, warnings, message = oracle(typed)
        now = shown(page)
        assert now["fields"] == typed + [t if t is not None else b for t, b in
                                         zip(texts, b_results)]
        assert now["warnings"] == [w if w is not None else b for w, b in
                                   zip(warnings, b_warnings)]
        assert now["dialog"] == ["Blad obliczen", message] and now["focus"] == "failure_ok"
        press(page, Keys.ENTER)
        assert shown(page)["dialog"] is None and shown(page)["focus"] == INPUTS[broken]
        assert page.execute_script("return document.getSelection().toString() || "
                                   "document.activeElement.value.slice("
                                   "document.activeElement.selectionStart, "
                                   "document.activeElement.selectionEnd)") == "1,5x"


def test_a_polish_page_reads_and_writes_decimal_commas(oracle, worked_runs):
    driver = start_chromium("pl-PL")
    try:
        open_page(driver)
        assert driver.execute_script("return navigator.language") == "pl-PL"
        lists = driver.execute_script(
            "return ['x_we-items', 'x_wy-items'].map((id) => "
            "[...document.getElementById(id).options].map((o) => o.value))")
        tenths = ["0"] + [f"0,{i}" for i in range(1, 10)] + ["1"]
        assert lists == [tenths[:10], tenths[4:]]
        typed = [t.replace(".", ",") for t in worked_runs[0][0]]
        type_inputs(driver, typed)
        driver.find_element("id", "obl_b").click()
        assert shown(driver)["fields"] == typed + oracle(typed, ",")[0]
        assert "1,671" in shown(driver)["fields"]
        title = "return document.getElementById(arguments[0]).title"
        assert driver.execute_script(title, "m_opt") == "Wg rownania stanu: 6,21 g/s (fity: -0,08)"
        # Every result's note begins with the reference run's text, computed apart.
        for name, text in zip(RESULTS, read_reference_runs()[0][1]):
            assert driver.execute_script(title, name).startswith(
                "Wg rownania stanu: " + text.replace(".", ",")), name
        # Where the reference stops the note says where; a field the run did not write keeps
        # its text and its note.
        type_inputs(driver, ["80"] + typed[1:3] + [""] + typed[4:])
        driver.find_element("id", "obl_b").click()
        driver.find_element("id", "failure_ok").click()
        stopped = 'Wg rownania stanu: obliczenia przerwane przy "p_odparowania"'
        assert driver.execute_script(title, "pevap") == stopped
        assert driver.execute_script(title, "m_opt") == "Wg rownania stanu: 6,21 g/s (fity: -0,08)"
    finally:
        driver.quit()


def test_keyboard_runs_as_in_the_window(page, worked_runs):
    assert shown(page)["focus"] == "tevap"
    order = []
    for _ in range(8):
        order.append(shown(page)["focus"])
        press(page, Keys.TAB)
    assert order == INPUTS + ["exit_b", "obl_b"]
    assert all(page.find_element("id", r).get_attribute("readonly") for r in RESULTS)
    assert shown(page)["focus"] not in order  # Tab leaves the page's controls
    page.find_element("id", "obl_b").send_keys(Keys.SHIFT, Keys.TAB)
    assert shown(page)["focus"] == "exit_b"
    # Enter and Escape in a field do nothing; Space and Enter press a focused button.
    type_inputs(page, worked_runs[0][0])
    press(page, Keys.ENTER, Keys.ESCAPE)
    assert shown(page)["fields"][len(INPUTS):] == [""] * len(RESULTS)
    page.find_element("id", "obl_b").send_keys(Keys.SPACE)
    assert shown(page)["fields"][len(INPUTS):] == worked_runs[0][1]
    page.find_element("id", "tevap").clear()
    page.find_element("id", "obl_b").send_keys(Keys.ENTER)
    assert shown(page)["dialog"][0] == "Blad obliczen"


def random_text(rng):
    """A field text as users type them, and some they should not."""
    kind = rng.random()
    if kind < 0.05:
        return rng.choice(["", " ", "abc", "1,5", "--1", "1e400", "1e-400", "nan", "0x10"])
    if kind < 0.1:
        return rng.choice(["0", "-0", "0.0", "1", "1e3", " 7 ", "+2.5"])
    return repr(round(rng.uniform(-60, 60) * 10 ** rng.randint(-3, 3), rng.randint(0, 6)))


def test_twenty_thousand_random_points_give_the_native_cores_texts(page, oracle):
    rng = random.Random(20261209)
    points = [[random_text(rng) for _ in INPUTS] for _ in range(20000)]
    runs = page.execute_script(
        "return arguments[0].map((p) => window.c3f8calc.engine.calculate(p, '.'))", points)
    for point, run in zip(points, runs):
        failure = run["failure"]["message"] if run["failure"] else None
        assert (run["texts"], run["warnings"], failure) == oracle(point), point


@pytest.mark.parametrize("missing", ["WebAssembly", "engine file"])
def test_without_its_engine_the_page_says_so_in_place_of_the_buttons(missing, tmp_path):
    driver = start_chromium()
    try:
        page = None
        if missing == "WebAssembly":
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": "delete globalThis.WebAssembly"})
        else:
            shutil.copytree(FOLDER, tmp_path / "page", ignore=shutil.ignore_patterns("*engine*"))
            page = (tmp_path / "page" / "index.html").as_uri()
        open_page(driver, page)
        visible = driver.execute_script(
            "return ['obl_b', 'exit_b', 'no_engine'].map((id) => "
            "document.getElementById(id).checkVisibility())")
        assert visible == [False, False, True]
        said, inside = driver.execute_script(
            "const said = document.getElementById('no_engine'), frame = said.parentElement;"
            "const s = said.getBoundingClientRect(), f = frame.getBoundingClientRect();"
            "return [said.textContent, s.right <= f.right && s.bottom <= f.bottom];")
        assert inside and said.startswith(
            "Ta przegladarka nie obsluguje WebAssembly" if missing == "WebAssembly"
            else "Nie udalo sie zaladowac silnika obliczen")
        # On a phone, within the frame and below its last line, where the buttons were.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
        assert driver.execute_script(
            "const said = document.getElementById('no_engine').getBoundingClientRect();"
            "const frame = document.getElementById('Dane').getBoundingClientRect();"
            "const m = document.getElementById('m').getBoundingClientRect();"
            "return said.top > m.bottom && said.bottom <= frame.bottom && "
            "said.left >= frame.left && said.right <= frame.right;")
    finally:
        driver.quit()


@pytest.mark.parametrize("where", ["file", "http"])
def test_the_page_works_from_disk_and_from_a_web_server(browser, server, where, worked_runs):
    open_page(browser, server if where == "http" else None)
    faces = browser.execute_script("return [...document.fonts].map((f) => f.status)")
    assert faces == ["loaded"] * 3
    requests = browser.execute_script(
        "return performance.getEntriesByType('resource').map((r) => r.name)")
    assert all(r.startswith(browser.current_url.rsplit("/", 1)[0]) for r in requests)
    typed, results, _ = worked_runs[0]
    type_inputs(browser, typed)
    browser.find_element("id", "obl_b").click()
    assert shown(browser)["fields"] == typed + results
    # Nothing the browser remembers of the fields comes back with a load without a point.
    open_page(browser, browser.current_url.split("#")[0])
    assert shown(browser)["fields"] == [""] * (len(INPUTS) + len(RESULTS))


def test_the_engines_own_exports_refuse_what_their_comments_refuse(page):
    # Each call: the export's status, as the library's statuses number them.
    statuses = page.execute_async_script("""
        const done = arguments[0];
        c3f8EngineReady.then((m) => {
            const text = (s) => { const p = m._malloc(16); m.stringToUTF8(s, p, 16); return p; };
            const out = m._malloc(64), point = text('.'), one = text('1');
            const items = (field, sep, capacity) =>
                m._c3f8web_quality_items(field, sep, capacity ? out : 0, BigInt(capacity), out);
            const inputs = m._malloc(24), noInput = m._malloc(24), notes = m._malloc(12 * 800);
            for (let i = 0; i < 6; ++i) {
                m.HEAPU32[inputs / 4 + i] = one;
                m.HEAPU32[noInput / 4 + i] = i === 3 ? 0 : one;
            }
            const noted = (inputs, sep, capacity) => m._c3f8web_reference_notes(inputs,
                sep, capacity ? notes : 0, BigInt(capacity), out);
            done([items(2, point, 64), items(0, point, 64), items(18, point, 64),
                  items(-1, point, 64), items(2, 0, 64), items(2, point, -1), items(2, one, 64),
                  items(2, point, 0), m._c3f8web_separator_usable(0, out),
                  m._c3f8web_separator_usable(point, 0),
                  noted(inputs, point, 800), noted(0, point, 800), noted(noInput, point, 800),
                  noted(inputs, one, 800), noted(inputs, point, -1), noted(inputs, point, 0)]);
        });""")
    assert statuses == [0, 0, 2, 2, 1, 3, 4, 5, 1, 1, 0, 1, 1, 4, 3, 5]
