"""What the web page's tests share: Debian's headless Chromium driven by selenium, the page's
folder from disk and from a local web server, and the native library as the oracle of texts."""
import ctypes
import functools
import http.server
import os
import sys
import threading
from pathlib import Path

import pytest

from chromium import QuietHandler, start_chromium

FOLDER = Path(os.environ["C3F8_WEB_FOLDER"]).resolve()


@pytest.fixture(scope="session")
def browser():
    driver = start_chromium()
    yield driver
    driver.quit()


@pytest.fixture(scope="session")
def server():
    """The page's folder on a plain HTTP server on the loopback, as an intranet server has it."""
    handler = functools.partial(QuietHandler, directory=str(FOLDER))
    httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=httpd.serve_forever, daemon=True)
    thread.start()
    yield f"http://127.0.0.1:{httpd.server_address[1]}/"
    httpd.shutdown()


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


class Oracle:
    """The native library's texts, warnings and messages for a point typed as texts."""

    def __init__(self):
        from c3f8calc import _library
        self.lib = _library.load()[0]
        self.outcome_type = _library.outcome_type(12, 2)

    def run(self, inputs, separator="."):
        texts = ctypes.create_string_buffer(12 * 400)
        outcome = self.outcome_type()
        typed = (ctypes.c_char_p * 6)(*[t.encode() for t in inputs])
        assert self.lib.c3f8_calculate(typed, separator.encode(), texts, 400,
                                       ctypes.byref(outcome), None) == 0
        shown = [None if outcome.values[i] != outcome.values[i]
                 else texts.raw[i * 400:(i + 1) * 400].split(b"\0")[0].decode()
                 for i in range(12)]
        warnings = [None if w < 0 else w == 1 for w in outcome.warnings]
        failure = None
        if outcome.failure_kind >= 0:
            message = ctypes.create_string_buffer(800)
            assert self.lib.c3f8_failure_message(outcome.failure_kind, outcome.failure_field,
                                                 message, 800, None) == 0
            failure = message.value.decode()
        return shown, warnings, failure


@pytest.fixture(scope="session")
def oracle():
    return Oracle()


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
