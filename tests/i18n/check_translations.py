#!/usr/bin/env python3
"""Every text the sources hand to the translation has a finished translation.

check_translations.py LUPDATE SOURCE_DIR TS_FILE...

Extracts the texts of SOURCE_DIR into a copy of each .ts (so the committed
file is never touched) and fails, naming each text, when one has no finished
translation, when a translation drops or adds a placeholder (%1) or a
menu accelerator (&), or when the file translates a text the sources no
longer show.

A translation into the sources' own language (English) holds only the texts
it spells right: a text it leaves out shows as written, but each entry it
holds must change its text. Where hunspell
and its en_US dictionary are installed, the English the user sees (that
translation, else the source) is spell-checked too.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?\d")
# Names and file types of the program and the desktop, not English words.
KNOWN_WORDS = set("""
Tabdeck TabdeckV10 Pathnook Fernhollow PopUp IncDisplay RichEdit UserID clBtnFace
WSAStartup WINSOCK FORMERR NOTIMP NFS WMI STARTTLS TLS SSL EHLO HELO SVG PNG DLL INI BAK
txt ini ico bmp wmf jpg jpeg exe dll rtf svg png bak html htm doc emf
Metafile Metafiles NotePad MsPaint CharMap ClipBoard Defragmenter NewFolder Ok
colour PATHNOOK Tabdeck's X11 XWayland xwayland Ctrl KDE README
""".split())


def text_of(element):
    """The element's text with its <byte value="xd"/> characters."""
    out = element.text or ""
    for child in element:
        if child.tag == "byte":
            out += chr(int(child.get("value")[1:], 16))
        out += child.tail or ""
    return out


def accelerators(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def entries(ts_path):
    """(context, source, kind, forms) of each message; forms are the
    translation's texts (one, or one per numerus form)."""
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            if translation is None:
                yield name, source, "missing", []
                continue
            forms = [text_of(f) for f in translation.iter("numerusform")] or [
                text_of(translation)]
            yield name, source, translation.get("type") or "finished", forms


def is_source_language(ts_path):
    root = ET.parse(ts_path).getroot()
    language = root.get("language", "")
    return language.split("_")[0] == root.get("sourcelanguage", "en").split("_")[0]


def problems(ts_path, partial):
    found = []
    for name, source, kind, forms in entries(ts_path):
        where = f"{name}: {source!r}"
        if kind in ("unfinished", "missing", "vanished", "obsolete") or not all(
                f.strip() for f in forms):
            if not partial:
                found.append(f"no translation: {where}")
            continue
        # Qt fills %n itself; a numerus form may show the count through it.
        wanted = sorted(p for p in PLACEHOLDER.findall(source))
        for text in forms:
            if sorted(PLACEHOLDER.findall(text)) != wanted:
                found.append(f"placeholders differ: {where} -> {text!r}")
            elif accelerators(source) != accelerators(text):
                found.append(f"accelerators differ: {where} -> {text!r}")
            elif partial and text == source and len(forms) == 1:
                found.append(f"translation repeats its source: {where}")
    return found


def finished_sources(ts_path):
    return {(n, s) for n, s, kind, forms in entries(ts_path)
            if kind == "finished" and all(f.strip() for f in forms)}


def shown_english(ts_path):
    """The English each source text is shown in under this translation."""
    for name, source, kind, forms in entries(ts_path):
        yield from (forms if kind == "finished" and all(f.strip() for f in forms) else [source])


def misspellings(texts):
    try:
        run = subprocess.run(["hunspell", "-d", "en_US", "-l"], input="\n".join(texts),
                             capture_output=True, text=True, timeout=60)
    except (OSError, subprocess.TimeoutExpired):
        return None
    if run.returncode != 0 or "Can't open affix" in run.stderr:
        return None
    words = {w for w in run.stdout.split() if w not in KNOWN_WORDS}
    for text in texts:
        flat = re.sub(r"\s+", " ", text)
        words |= {f"doubled '{m}'" for m in re.findall(r"\b(\w+) \1\b", flat, re.I)}
        words |= {f"'{m}'" for m in re.findall(r"\ba [aeioAEIO]\w*", flat)}
    return sorted(words)


def main():
    lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    if not ts_files:
        print("no .ts file given")
        return 1
    failures = []
    notes = []
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
            partial = is_source_language(ts)
            name = Path(ts).name
            failures += [f"{name}: {p}" for p in problems(copy, partial)]
            failures += [f"{name}: no longer a text of the sources: {n}: {s!r}"
                         for n, s in sorted(finished_sources(ts) - finished_sources(copy))]
            if partial:
                words = misspellings(list(shown_english(copy)))
                if words is None:
                    notes.append(f"{name}: spelling not checked (no hunspell with en_US)")
                else:
                    failures += [f"{name}: misspelt: {w}" for w in words]
    print("\n".join(notes + failures) if failures else
          "\n".join(notes + ["every text has its translation"]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
