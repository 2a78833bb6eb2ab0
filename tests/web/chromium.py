"""Debian's Chromium, headless, driven by selenium through Debian's chromedriver, and a plain
HTTP server of a folder on the loopback: for the web page's tests, benchmark and screenshots."""
import contextlib
import functools
import http.server
import os
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start_chromium(language="en-US"):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--hide-scrollbars", "--window-size=1200,900",
                 "--force-device-scale-factor=1", f"--lang={language}"):
        options.add_argument(flag)
    if os.geteuid() == 0:
        options.add_argument("--no-sandbox")
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})  # the console, for tests
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    extra_headers = {}

    def log_message(self, *args):
        pass

    def end_headers(self):
        for name, value in self.extra_headers.items():
            self.send_header(name, value)
        super().end_headers()


@contextlib.contextmanager
def serve(folder, headers=None):
    """folder served as an intranet server would serve it, with headers besides the usual ones;
    gives the address of its root."""
    handler = functools.partial(type("Handler", (_QuietHandler,), {"extra_headers": headers or {}}),
                                directory=str(folder))
    httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    try:
        yield f"http://127.0.0.1:{httpd.server_address[1]}/"
    finally:
        httpd.shutdown()
