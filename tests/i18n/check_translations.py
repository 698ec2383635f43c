#!/usr/bin/env python3
"""Every text the sources hand to the translation has a finished translation.

check_translations.py LUPDATE SOURCE_DIR TS_FILE...

Extracts the texts of SOURCE_DIR into a copy of each .ts (so the committed
file is never touched) and fails, naming each text, when one has no finished
translation, or when a translation drops or adds a placeholder (%1) or a
menu accelerator (&).
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?\d")


def accelerators(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def problems(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = "".join(message.find("source").itertext())
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            text = "".join(translation.itertext()) if translation is not None else ""
            where = f"{name}: {source!r}"
            if kind in ("unfinished", "missing") or not text.strip():
                found.append(f"no translation: {where}")
            elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                found.append(f"placeholders differ: {where} -> {text!r}")
            elif accelerators(source) != accelerators(text):
                found.append(f"accelerators differ: {where} -> {text!r}")
    return found


def main():
    lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    if not ts_files:
        print("no .ts file given")
        return 1
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        for ts in ts_files:
            copy = Path(tmp) / Path(ts).name
            shutil.copyfile(ts, copy)
            run = subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                                  sources, "-ts", str(copy)],
                                 capture_output=True, text=True, timeout=120)
            if run.returncode != 0:
                print(run.stdout + run.stderr)
                return 1
            failures += [f"{Path(ts).name}: {p}" for p in problems(copy)]
    print("\n".join(failures) if failures else "every text has its translation")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
