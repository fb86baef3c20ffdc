#!/usr/bin/env python3
"""The page's speed in headless Chromium, measured, not asserted: each
keystroke's recompute (the module's chain and the fields written) as the
page times it, over some 300 keys typed into the value and cdf fields at
df 12, and the chart's redraw at the next frame (laid out, written as
SVG, put into the page); the start, to the first values shown; and the
page's size gzipped. Goals: median and 90th percentile under 16.7 ms (a frame at
60 Hz), the page under 400 KB gzipped.

Usage: page_bench.py build-web/tarvik.html
"""
import gzip
import os
import statistics
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

page = os.path.abspath(sys.argv[1])
options = Options()
for flag in ("--headless=new", "--no-sandbox", "--window-size=1280,1000"):
    options.add_argument(flag)
driver = webdriver.Chrome(options=options)
try:
    started = time.perf_counter()
    driver.get("file://" + page + "?df=12&value=5")
    while not driver.execute_script("return document.body.dataset.ready === 'true'"):
        time.sleep(0.005)
    start = time.perf_counter() - started
    driver.execute_script("window.tarvikTimings.length = 0; window.tarvikChartTimings.length = 0")
    for field, keys in (("value", ["1", "2", ".", "5", Keys.BACKSPACE, "7", Keys.BACKSPACE, Keys.BACKSPACE, Keys.BACKSPACE]),
                        ("cdf", ["0", ".", "9", "5", Keys.BACKSPACE, "9", "9", Keys.BACKSPACE, Keys.BACKSPACE, Keys.BACKSPACE])):
        element = driver.find_element(By.ID, field)
        element.click()
        for _ in range(16):
            for key in keys:
                element.send_keys(key)
    timings = sorted(driver.execute_script("return window.tarvikTimings.slice()"))
    charts = sorted(driver.execute_script("return window.tarvikChartTimings.slice()"))
finally:
    driver.quit()


def spread(name, values):
    p90 = values[int(0.9 * (len(values) - 1))]
    print("%s: %d, median %.2f ms, p90 %.2f ms, longest %.2f ms (goal under 16.7)" % (
        name, len(values), statistics.median(values), p90, values[-1]))


with open(page, "rb") as f:
    size = len(gzip.compress(f.read(), 9))
spread("keystrokes' recompute", timings)
spread("charts redrawn", charts)
print("start: %.2f s to the first values, from file://" % start)
print("page: %d bytes gzipped (goal under 400 KB)" % size)
