"""Debian's Chromium, headless, driven by selenium through Debian's chromedriver; used by the web
page's tests and its benchmark, and a quiet server of static files."""
import http.server
import os

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start_chromium(language="en-US"):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--hide-scrollbars", "--window-size=1000,1000",
                 "--force-device-scale-factor=1", f"--lang={language}"):
        options.add_argument(flag)
    if os.geteuid() == 0:
        options.add_argument("--no-sandbox")
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Serves a folder without logging each request."""

    def log_message(self, *args):
        pass
