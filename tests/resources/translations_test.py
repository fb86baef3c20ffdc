#!/usr/bin/python3
"""The translations are whole: lupdate run over today's sources finds no
text without its translation in any language, and every translation keeps
its source's placeholders and mnemonic. A translation equal to its English
source is allowed only where the source holds no English word (names,
symbols, "Help" in Dutch).

Usage: translations_test.py LUPDATE SOURCE_DIR OPTION...
(the options are the build's own lupdate options, aliases included).
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

FOLDERS = ["calc", "cli", "files", "window", "controls", "chart", "platform", "core", "math", "resources"]


def messages(path):
    out = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            translation = message.find("translation")
            out[(name, message.find("source").text)] = (translation.text or "", translation.get("type"))
    return out


# Words a language writes as English does.
SAME_WORDS = {"nl": {"item"}}


def english_words(source, language):
    """Lowercase English words of four letters or more, options and placeholders aside."""
    text = re.sub(r"--[a-z-]+|%\d", " ", source)
    return [w for w in re.findall(r"\b[a-z]{4,}\b", text) if w not in SAME_WORDS.get(language, ())]


def mnemonic(text):
    return re.findall(r"&([^&\s])", text.replace("&&", ""))


def main():
    lupdate, source_dir, options = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    committed = sorted((source_dir / "resources" / "translations").glob("tarvik_*.ts"))
    problems = []
    if len(committed) < 6:
        problems.append(f"only {len(committed)} translation files")
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for ts in committed:
            copy = Path(scratch) / ts.name
            shutil.copy(ts, copy)
            copies.append(copy)
        run = subprocess.run([lupdate, "-silent", *options, *FOLDERS, "-ts", *map(str, copies)], cwd=source_dir,
                             capture_output=True, text=True)
        if run.returncode != 0:
            problems.append(f"lupdate failed: {run.stderr[-400:]}")
        for ts, copy in zip(committed, copies):
            language = ts.stem.split("_", 1)[1]
            now, kept = messages(copy), messages(ts)
            for key in sorted(set(now) - set(kept)):
                problems.append(f"{language}: {key[0]}: new text without translation: {key[1]!r}")
            for key in sorted(set(kept) - set(now)):
                problems.append(f"{language}: {key[0]}: text no longer in the sources: {key[1]!r} (run update_translations)")
            for (context, source), (translation, kind) in sorted(now.items()):
                where = f"{language}: {context}: {source[:60]!r}"
                if kind in ("unfinished", "vanished", "obsolete") or not translation:
                    problems.append(f"{where}: {kind or 'empty'}")
                    continue
                if sorted(set(re.findall(r"%\d", source))) != sorted(set(re.findall(r"%\d(?!\d)", translation))):
                    # Turkish writes the percent sign first ("%95"): a % before
                    # two digits is no placeholder of a pattern with fewer.
                    wanted = set(re.findall(r"%\d", source))
                    got = {p for p in re.findall(r"%\d", translation) if p in wanted or int(p[1]) <= len(wanted)}
                    if got != wanted:
                        problems.append(f"{where}: placeholders {sorted(wanted)} became {sorted(got)}")
                if len(mnemonic(source)) != len(mnemonic(translation)):
                    problems.append(f"{where}: mnemonic lost or doubled: {translation!r}")
                if translation == source and english_words(source, language):
                    problems.append(f"{where}: left in English")
                if context == "CommandLineHelp":
                    for line in translation.split("\n"):
                        if len(line) > 79:
                            problems.append(f"{language}: --help line over 79 characters: {line!r}")
    for p in problems:
        print(p)
    print(f"translations: {len(committed)} languages, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
