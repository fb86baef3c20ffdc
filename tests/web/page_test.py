#!/usr/bin/env python3
"""The page, driven in headless Chromium as a person would: real key
events (the DevTools protocol's, through chromedriver), the fields read
back from the DOM and from the accessibility tree. Every number the page
shows is checked against the native twin's answer to the same question
(tests/web/native_answer, the same C++ natively). Once in English, once
under a German browser locale (switched to French), from a static server,
and 360 and 3840 pixels wide; a screenshot of each is left in build-web/ to be looked at.

Usage: page_test.py NATIVE_ANSWER build-web/tarvik.html
"""
import functools
import http.server
import os
import subprocess
import sys
import threading
import time
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

NATIVE, PAGE = sys.argv[1], os.path.abspath(sys.argv[2])
failures = []


def check(what, got, expected):
    if got != expected:
        failures.append("%s: got %r, expected %r" % (what, got, expected))


def native(*args, stdin=""):
    """The native twin's record of a question, as {key: text}."""
    ran = subprocess.run([NATIVE, *args, "--format", "tsv"], input=stdin, capture_output=True, text=True)
    names, values = ran.stdout.split("\n")[:2]
    return dict(zip(names.split("\t"), values.split("\t")))


def browser(language, width=1200):
    options = Options()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=%d,1000" % width, "--lang=" + language):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    return webdriver.Chrome(options=options)


def open_page(driver, query=""):
    driver.get("file://" + PAGE + query)
    for _ in range(200):
        if driver.execute_script("return document.body.dataset.ready === 'true'"):
            return
        time.sleep(0.05)
    raise SystemExit("the page did not start: %s" % driver.find_element(By.ID, "calculator-error").text)


def fields(driver):
    return [driver.find_element(By.ID, f).get_attribute("value") for f in ("df", "value", "cdf", "upper")] + [
        driver.find_element(By.ID, "density").text]


def retype(driver, field, keys):
    element = driver.find_element(By.ID, field)
    element.click()
    element.send_keys(Keys.CONTROL, "a")
    element.send_keys(keys)


def accessible_names(driver):
    """Each focusable or live node's role and name, from Chromium's
    accessibility tree."""
    tree = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    out = {}
    for node in tree:
        role = node.get("role", {}).get("value")
        name = node.get("name", {}).get("value", "")
        out.setdefault(role, []).append(name)
    return out


def wait_for(driver, element_id, predicate, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        text = driver.find_element(By.ID, element_id).text
        if predicate(text):
            return text
        time.sleep(0.05)
    return driver.find_element(By.ID, element_id).text


def comma(text):
    return text.replace(".", ",")


def english():
    driver = browser("en-US")
    try:
        # A link opens with its numbers; every edit writes the address anew.
        open_page(driver, "?df=12&value=23.5")
        r = native("--df", "12", "--value", "23.5")
        check("link's fields", fields(driver), ["12", "23.5", r["P(X<=x)"], r["P(X>x)"], r["f(x)"]])
        # Typed, key by key: each field's chain, the others agreeing with
        # the native answer to six decimals.
        cases = [  # field, keys, native question, the fields expected from its record
            ("value", "7.5", ("--df", "12", "--value", "7.5"), lambda r: ["12", "7.5", r["P(X<=x)"], r["P(X>x)"], r["f(x)"]]),
            ("cdf", "0.9", ("--df", "12", "--cdf", "0.9"), lambda r: ["12", r["x"], "0.9", "0.100000", r["f(x)"]]),
            ("upper", "0.01", ("--df", "12", "--upper", "0.01"), lambda r: ["12", r["x"], "0.990000", "0.01", r["f(x)"]]),
        ]
        for field, keys, question, expected in cases:
            retype(driver, field, keys)
            check("typed %s %s" % (field, keys), fields(driver), expected(native(*question)))
            query = urllib.parse.parse_qs(urllib.parse.urlparse(driver.current_url).query)
            check("address after %s" % field, query, {"df": ["12"], field: [keys]})
        # A letter is refused; the text stays as it was.
        driver.find_element(By.ID, "upper").send_keys("x")
        check("refused letter", driver.find_element(By.ID, "upper").get_attribute("value"), "0.01")
        # The df's arrow with the cdf frozen (the start's mode): the value follows.
        driver.find_element(By.ID, "df").send_keys(Keys.ARROW_UP)
        r = native("--df", "13", "--upper", "0.01")
        check("df up, cdf frozen", fields(driver), ["13", r["x"], "0.990000", "0.01", r["f(x)"]])
        # A clamped value: the note says how it is read, and describes the field.
        retype(driver, "value", "1000")
        note = driver.find_element(By.ID, "value-note").text
        check("clamp note", note.startswith("Read as 900"), True)
        check("note describes the field", driver.find_element(By.ID, "value").get_attribute("aria-describedby"), "value-note")
        driver.find_element(By.ID, "value").send_keys(Keys.ENTER)
        check("committed clamp", driver.find_element(By.ID, "value").get_attribute("value"), "900.000000")
        names = accessible_names(driver)
        for label in ("Degrees of freedom", "Chi-square value", "Cumulative distribution function", "Upper tail probability"):
            check("labelled " + label, any(label == n for role in ("textbox", "spinbutton") for n in names.get(role, [])), True)
        check("chart described", any(n == "Density chart" for n in names.get("image", [])), True)
        # The table test: the record as the native twin gives it, Fisher's
        # p from the Worker.
        table = "12;5;7\n3;9;4"
        expected = native("--counts", "-", stdin=table + "\n")
        driver.find_element(By.ID, "counts").send_keys(table)
        status = wait_for(driver, "exact-status", lambda t: t.startswith("Fisher's exact p"))
        check("Fisher's p", status, "Fisher's exact p = " + expected["fisher_p"])
        # The window's lines: the statistic, its df and p as the record has them.
        results = driver.find_element(By.ID, "table-results").text.split("\n")
        check("the window's first line", results[0],
              "Pearson χ² = %s, df = %s, p = %s" % (expected["chi2"], expected["df"], expected["p"]))
        # A long count cancelled: its progress shows, Cancel ends it, the
        # chi-square's results stay.
        big = "\n".join(";".join(str(4 + (r * 7 + c * 3) % 5) for c in range(5)) for r in range(5))
        retype(driver, "counts", big)
        wait_for(driver, "exact-status", lambda t: "counting" in t, 10)
        check("progress shown", driver.find_element(By.ID, "exact-progress-row").is_displayed(), True)
        driver.find_element(By.ID, "cancel").send_keys(Keys.ENTER)
        check("cancelled", driver.find_element(By.ID, "exact-status").text, "Fisher's exact test cancelled")
        check("chi-square kept", driver.find_element(By.ID, "table-results").text.startswith("Pearson χ²"), True)
        retype(driver, "counts", "1;2\n3")
        error = wait_for(driver, "table-error", lambda t: t != "", 10)
        check("bad table said", error, "Row 2 has 1 counts where row 1 has 2.")
        critical_values(driver)
        driver.save_screenshot(os.path.join(os.path.dirname(PAGE), "page.png"))
    finally:
        driver.quit()


def critical_rows(driver):
    return [[c.text for c in row.find_elements(By.CSS_SELECTOR, "th, td")]
            for row in driver.find_elements(By.CSS_SELECTOR, "#critical-table tbody tr")]


def native_rows(*args):
    ran = subprocess.run([NATIVE, *args, "--table", "--format", "tsv"], capture_output=True, text=True)
    return [line.split("\t") for line in ran.stdout.strip().split("\n")[1:]]


def critical_values(driver):
    """The critical values' table, row by row as the native twin's --table."""
    check("start table", critical_rows(driver), native_rows("--df", "1..30", "--upper", "0.10,0.05,0.025,0.01,0.005"))
    driver.find_element(By.ID, "critical-two-sided").send_keys(Keys.SPACE)
    check("two-sided headings", driver.find_element(By.CSS_SELECTOR, "#critical-table thead").text.split(" 0.005")[0],
          "df two-sided 0.10: lower two-sided 0.10: upper two-sided 0.05: lower two-sided 0.05: upper two-sided 0.025: lower "
          "two-sided 0.025: upper two-sided 0.01: lower two-sided 0.01: upper two-sided")
    check("two-sided table", critical_rows(driver), native_rows("--df", "1..30", "--two-sided", "0.10,0.05,0.025,0.01,0.005"))
    retype(driver, "critical-probabilities", "0.05 x")
    check("bad list said", driver.find_element(By.ID, "critical-problem").text.startswith("Probability"), True)
    check("nothing stale copied", driver.find_element(By.ID, "critical-copy").is_enabled(), False)
    retype(driver, "critical-probabilities", "0.05")
    retype(driver, "critical-to", "65535")
    check("rows as they come into view", len(critical_rows(driver)), 100)
    driver.execute_script("const s = document.getElementById('critical-scroll'); s.scrollTop = s.scrollHeight;")
    time.sleep(0.2)
    check("more rows after a scroll", len(critical_rows(driver)), 200)
    retype(driver, "critical-to", "3")
    driver.find_element(By.ID, "critical-save").send_keys(Keys.ENTER)
    saved = driver.execute_async_script(
        "const done = arguments[0]; fetch(document.getElementById('critical-save').href).then(r => r.text()).then(done);")
    ran = subprocess.run([NATIVE, "--df", "1..3", "--two-sided", "0.05", "--table", "--format", "csv"], capture_output=True, text=True)
    check("saved CSV", saved.split("\n")[1:], ran.stdout.split("\n")[1:])
    retype(driver, "critical-from", "5")
    check("backwards said", driver.find_element(By.ID, "critical-problem").text,
          "The degrees of freedom run backwards: 'from' is above 'to'.")


def german():
    driver = browser("de-DE")
    try:
        open_page(driver, "?df=12&value=23.5")
        r = native("--df", "12", "--value", "23.5")
        check("German link", fields(driver), ["12", "23,5", comma(r["P(X<=x)"]), comma(r["P(X>x)"]), comma(r["f(x)"])])
        check("German label", driver.find_element(By.CSS_SELECTOR, "label[for=df]").text, "Freiheitsgrade")
        # The keypad's point is the comma on a comma desktop.
        retype(driver, "value", "11.07")
        check("point typed as comma", driver.find_element(By.ID, "value").get_attribute("value"), "11,07")
        query = urllib.parse.parse_qs(urllib.parse.urlparse(driver.current_url).query)
        check("German address", query.get("value"), ["11.07"])
        help_text = driver.find_element(By.ID, "help-text").text
        check("German help", help_text.startswith("Willkommen bei Tarvik"), True)
        check("German probabilities", driver.find_element(By.ID, "critical-probabilities").get_attribute("value"),
              "0,10 0,05 0,025 0,01 0,005")
        retype(driver, "critical-probabilities", "0.2 0.1")
        check("points read as commas", driver.find_element(By.ID, "critical-probabilities").get_attribute("value"), "0,2 0,1")
        check("German table", critical_rows(driver),
              [[comma(c) for c in row] for row in native_rows("--df", "1..30", "--upper", "0.2,0.1")])
        names = accessible_names(driver)
        check("German names", "Freiheitsgrade" in names.get("spinbutton", []), True)
        # Switched by keyboard to French: the words follow, the numbers stay
        # in the browser's locale.
        driver.find_element(By.ID, "language").send_keys("F")
        check("French label", driver.find_element(By.CSS_SELECTOR, "label[for=df]").text, "Degrés de liberté")
        check("numbers keep the comma", driver.find_element(By.ID, "value").get_attribute("value"), "11,07")
        driver.save_screenshot(os.path.join(os.path.dirname(PAGE), "page-de.png"))
    finally:
        driver.quit()


def served():
    """From a static server, not only from a file: the same page, the link
    read from the address, the table test's Worker started."""
    asked = []

    class Handler(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            asked.append(self.path)

    handler = functools.partial(Handler, directory=os.path.dirname(PAGE))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    driver = browser("en-US")
    try:
        driver.get("http://127.0.0.1:%d/%s?df=3&cdf=0.5" % (server.server_port, os.path.basename(PAGE)))
        for _ in range(200):
            if driver.execute_script("return document.body.dataset.ready === 'true'"):
                break
            time.sleep(0.05)
        r = native("--df", "3", "--cdf", "0.5")
        check("served link", fields(driver), ["3", r["x"], "0.5", "0.500000", r["f(x)"]])
        driver.find_element(By.ID, "counts").send_keys("20;15;25\n30;25;10")
        expected = native("--counts", "-", stdin="20;15;25\n30;25;10\n")
        check("served table", wait_for(driver, "exact-status", lambda t: t.startswith("Fisher's exact p")),
              "Fisher's exact p = " + expected["fisher_p"])
        # The page itself and nothing else: it needs no network once loaded.
        check("asked of the server", [p.split("?")[0] for p in asked], ["/" + os.path.basename(PAGE)])
    finally:
        driver.quit()
        server.shutdown()


def sizes():
    """A phone and a 4K screen: nothing runs off the side."""
    for width, height, shot in ((360, 740, "page-phone.png"), (3840, 2160, "page-4k.png")):
        driver = browser("en-US", width)
        try:
            driver.set_window_size(width, height)
            open_page(driver)
            widths = driver.execute_script("return [document.documentElement.scrollWidth, document.documentElement.clientWidth]")
            check("%d pixels without a side scroll" % width, widths[0] <= widths[1], True)
            driver.save_screenshot(os.path.join(os.path.dirname(PAGE), shot))
        finally:
            driver.quit()


for run in (english, german, served, sizes):
    run()
if failures:
    print("\n".join(failures))
    sys.exit(1)
print("the page in Chromium: every check passed (English, German and French, served, 360 and 3840 pixels)")
