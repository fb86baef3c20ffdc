#!/usr/bin/env python3
"""Writes the page, build-web/tarvik.html: one file that works offline,
from file:// or any static server. The module's code and the Worker's are
kept as text (the page evaluates the first, and starts the Worker from
both); the WebAssembly goes in gzipped and in base64 (the browser inflates
it with DecompressionStream), a third of its size as plain base64.

Usage: web_page.py PAGE_DIR MODULE.js MODULE.wasm OUT.html
"""
import base64
import gzip
import sys


# One script, in this order: the words and helpers first, the start last.
PAGE_SCRIPTS = ("page.js", "calculator.js", "table.js", "critical.js", "start.js")


def script_text(text):
    # Inside a script element nothing may close it early.
    return text.replace("</script", "<\\/script")


def main():
    page_dir, module_js, module_wasm, out = sys.argv[1:5]
    with open(page_dir + "/tarvik.html", encoding="utf-8") as f:
        html = f.read()
    with open(module_js, encoding="utf-8") as f:
        module = f.read()
    with open(page_dir + "/worker.js", encoding="utf-8") as f:
        worker = f.read()
    page = ""
    for part in PAGE_SCRIPTS:
        with open(page_dir + "/" + part, encoding="utf-8") as f:
            page += f.read()
    with open(module_wasm, "rb") as f:
        wasm = base64.b64encode(gzip.compress(f.read(), 9, mtime=0)).decode("ascii")
    for mark, text in (("/*MODULE*/", module), ("/*WORKER*/", worker), ("/*WASM*/", wasm), ("/*PAGE*/", page)):
        if html.count(mark) != 1:
            sys.exit("web_page.py: %s must appear once in tarvik.html" % mark)
        html = html.replace(mark, script_text(text))
    with open(out, "w", encoding="utf-8") as f:
        f.write(html)


if __name__ == "__main__":
    main()
