#!/usr/bin/python3
"""How fast the web page is ready and answers OBLICZ, in Debian's headless Chromium, with the
page served from 127.0.0.1. Loads of the page and of a blank page with one text field
alternate, the browser's cache cleared before each; the page marks 'c3f8-ready' once its
engine runs, its lists are filled, its faces loaded and the focus is in tevap, the blank page
at its load event. Then fifty clicks on OBLICZ with run A, each timed in the page from the
click event's time stamp to the results written.

    bench/web_bench.py FOLDER [LOADS]      FOLDER: the built c3f8calc-web-VERSION folder

Prints the medians and whether they keep within the limits: ready at most 100 ms after the
blank page, a click answered in at most 4 ms."""
import statistics
import sys
import tempfile
from pathlib import Path

TESTS = Path(__file__).resolve().parents[1] / "tests"
sys.path[:0] = [str(TESTS / "web"), str(TESTS / "support")]
from chromium import serve, start_chromium  # noqa: E402
from worked_runs import read_worked_runs  # noqa: E402

BLANK = ("<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><title>blank</title>"
         "</head><body><input aria-label=\"field\"><script>addEventListener('load', () => "
         "performance.mark('c3f8-ready'))</script></body></html>")
READY = """const done = arguments[0];
(function wait() {
    const mark = performance.getEntriesByName('c3f8-ready')[0];
    if (mark) done(mark.startTime); else setTimeout(wait, 5);
})();"""


def main(folder, loads=15):
    with tempfile.TemporaryDirectory() as root:
        Path(root, "page").symlink_to(Path(folder).resolve(), target_is_directory=True)
        Path(root, "blank.html").write_text(BLANK)
        with serve(root) as base:
            return measure(base, loads)


def measure(base, loads):
    driver = start_chromium()
    try:
        driver.execute_cdp_cmd("Network.enable", {})
        times = {"page/index.html": [], "blank.html": []}
        for _ in range(loads):
            for url, ready in times.items():
                driver.execute_cdp_cmd("Network.clearBrowserCache", {})
                driver.get(base + url)
                ready.append(driver.execute_async_script(READY))
        driver.get(base + "page/index.html")
        driver.execute_async_script(READY)
        inputs = driver.execute_script("return window.c3f8calc.engine.inputs")
        for name, text in zip(inputs, read_worked_runs()[0][0], strict=True):
            driver.find_element("id", name).send_keys(text)
        clicks = []
        for _ in range(50):
            driver.find_element("id", "obl_b").click()
            clicks.append(driver.execute_script("return window.c3f8calc.lastRunMilliseconds"))
    finally:
        driver.quit()
    page = statistics.median(times["page/index.html"])
    blank = statistics.median(times["blank.html"])
    click = statistics.median(clicks)
    print(f"ready: page {page:.1f} ms, blank page {blank:.1f} ms (median of {loads} loads each),"
          f" difference {page - blank:.1f} ms (limit 100 ms)")
    print(f"OBLICZ with run A: median {click:.2f} ms, slowest {max(clicks):.2f} ms of 50"
          " (limit 4 ms)")
    return 0 if page - blank <= 100 and click <= 4 else 1


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], *map(int, sys.argv[2:])))
