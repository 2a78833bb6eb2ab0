"""What the web page's tests share: Debian's headless Chromium driven by selenium, the page's
folder from disk and from a local web server, and the native library as the oracle of texts."""
import ctypes
import os
import sys
from pathlib import Path

import pytest

from chromium import serve, start_chromium

FOLDER = Path(os.environ["C3F8_WEB_FOLDER"]).resolve()


@pytest.fixture(scope="session")
def browser():
    driver = start_chromium()
    yield driver
    driver.quit()


@pytest.fixture(scope="session")
def server():
    with serve(FOLDER) as address:
        yield address


def open_page(driver, url=None):
    """Loads the page and waits until its engine is ready (or has failed to load)."""
    driver.get(url or FOLDER.joinpath("index.html").as_uri())
    driver.execute_async_script(
        "const done = arguments[0];"
        "window.c3f8calc.ready.then(() => done(true), () => done(false));")
    return driver


@pytest.fixture
def page(browser):
    return open_page(browser)


@pytest.fixture(scope="session")
def oracle():
    """The native library's texts, warnings and message for a point typed as texts."""
    from c3f8calc import _library
    lib, _ = _library.load()
    outcome = _library.outcome_type(12, 2)()
    texts, message = ctypes.create_string_buffer(12 * 400), ctypes.create_string_buffer(800)

    def run(inputs, separator="."):
        typed = (ctypes.c_char_p * 6)(*[t.encode() for t in inputs])
        assert lib.c3f8_calculate(typed, separator.encode(), texts, 400, ctypes.byref(outcome),
                                  None) == 0
        shown = [None if v != v else texts.raw[i * 400:].split(b"\0")[0].decode()
                 for i, v in enumerate(outcome.values)]
        kind, field = outcome.failure_kind, outcome.failure_field
        assert kind < 0 or lib.c3f8_failure_message(kind, field, message, 800, None) == 0
        return (shown, [None if w < 0 else w == 1 for w in outcome.warnings],
                message.value.decode() if kind >= 0 else None)
    return run


sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from worked_runs import read_worked_runs  # noqa: E402


@pytest.fixture(scope="session")
def worked_runs():
    return read_worked_runs()


INPUTS = ["tevap", "tsub", "x_we", "x_wy", "Qw", "m"]
RESULTS = ["pevap", "Hliq_sat", "Hvap_sat", "Hwe_cap", "Hx_we", "Hx_wy", "dHw", "dHg",
           "Tlsub_max", "x_we2", "m_opt", "Qg"]
WARNINGS = ["Ostrzezenie", "m_warn"]

# What the page shows: every field's text, every warning's visibility, the dialog's text.
SHOWN = """return {
    fields: [...arguments[0], ...arguments[1]].map((id) => document.getElementById(id).value),
    warnings: arguments[2].map((id) => !document.getElementById(id).hidden),
    dialog: document.getElementById('failure').open
        ? [document.getElementById('failure_title').textContent,
           document.getElementById('failure_message').textContent] : null,
    focus: document.activeElement.id,
    status: document.getElementById('status').textContent};"""


def type_inputs(driver, texts):
    for name, text in zip(INPUTS, texts):
        field = driver.find_element("id", name)
        field.clear()
        field.send_keys(text)


def shown(driver):
    return driver.execute_script(SHOWN, INPUTS, RESULTS, WARNINGS)
