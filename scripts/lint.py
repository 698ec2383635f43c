#!/usr/bin/env python3
"""The rules the build checks beyond the compiler: what may include what (the
table in ARCHITECTURE.md "Layers"), the committed formatting, and the size of
window files. Exit status 1 on any finding; each finding is one line.

    scripts/lint.py [--no-format]
"""
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC = os.path.join(ROOT, "src")
WINDOW_LINES = 400
WINDOW_ALLOWLIST = os.path.join(ROOT, "scripts", "window-lines.txt")
# Layers from the bottom up; a folder may include the folders of lower
# layers, and in the widget-free layers also the rows above its own.
LAYERS = ["base", "services", "shared widgets", "windows", "root"]
ORDERED_LAYERS = {"base", "services"}
WIDGET_FREE_LAYERS = {"base", "services"}
# Qt modules whose headers are widgets (or need them).
WIDGET_MODULES = ["QtWidgets", "QtPrintSupport", "QtSvgWidgets", "QtOpenGLWidgets"]


def layer_table():
    """folder -> (layer rank, row) from the table under "## Layers"."""
    text = open(os.path.join(ROOT, "ARCHITECTURE.md"), encoding="utf-8").read()
    section = text.split("## Layers", 1)[1].split("\n## ", 1)[0]
    table = {}
    row = 0
    for line in section.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 3 or cells[1] not in LAYERS:
            continue
        row += 1
        for folder in re.findall(r"`([a-z]+)`", cells[0]):
            table[folder] = (LAYERS.index(cells[1]), row)
    return table


def qt_widget_headers():
    try:
        headers = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_HEADERS"],
                                 capture_output=True, text=True, check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        headers = "/usr/include/x86_64-linux-gnu/qt6"
    names = set()
    for module in WIDGET_MODULES:
        folder = os.path.join(headers, module)
        if os.path.isdir(folder):
            names.update(n for n in os.listdir(folder) if n.startswith("Q"))
    if not names:
        sys.exit("lint: no Qt widget headers found under " + headers)
    return names


def source_files(*tops):
    for top in tops:
        for folder, _, files in os.walk(os.path.join(ROOT, top)):
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def check_layers(findings):
    table = layer_table()
    widgets = qt_widget_headers()
    for path in source_files("src"):
        parts = path.split(os.sep)[1:]
        folder, in_window = parts[0], len(parts) > 2 and parts[1] == "window"
        if folder not in table:
            findings.append(f"{path}: folder '{folder}' is not in ARCHITECTURE.md's layer table")
            continue
        rank, row = table[folder]
        widget_free = LAYERS[rank] in WIDGET_FREE_LAYERS or (LAYERS[rank] == "windows"
                                                             and not in_window)
        # A window folder's logic sits with the widget-free layers.
        own_rank = LAYERS.index("services") + 1 if LAYERS[rank] == "windows" and not in_window else rank
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                kind, name = m.groups()
                where = f"{path}:{number}: "
                if kind == "<":
                    module = name.split("/")[0]
                    if widget_free and (module in WIDGET_MODULES or name in widgets):
                        findings.append(where + f"widget header <{name}> in a widget-free layer")
                    continue
                if ".." in name.split("/"):
                    findings.append(where + f'"{name}": include by folder name, not "../"')
                    continue
                if "/" not in name:
                    continue
                target = name.split("/")[0]
                target_window = name.split("/")[1] == "window" if name.count("/") > 1 else False
                if target == "window" and not in_window:
                    findings.append(where + f'"{name}": logic includes its window')
                    continue
                if target not in table:
                    continue
                t_rank, t_row = table[target]
                if LAYERS[rank] == "root":
                    continue
                if target == folder:
                    if target_window and not in_window:
                        findings.append(where + f'"{name}": logic includes its window')
                    continue
                if target_window:
                    findings.append(where + f'"{name}": another folder\'s window')
                    continue
                if t_rank < own_rank and not (widget_free and LAYERS[t_rank] == "shared widgets"):
                    continue
                if t_rank == own_rank and LAYERS[t_rank] in ORDERED_LAYERS and t_row < row:
                    continue
                findings.append(where + f'"{name}": {LAYERS[t_rank]} `{target}` is not below '
                                f'{"the logic of " if widget_free and LAYERS[rank] == "windows" else ""}'
                                f'{LAYERS[rank]} `{folder}`')


def check_format(findings):
    tool = shutil.which("clang-format")
    if not tool:
        findings.append("clang-format not found (scripts/packages.txt installs it)")
        return
    files = list(source_files("src", "tests", "bench", "fuzz"))
    result = subprocess.run([tool, "--dry-run", "-Werror"] + files, cwd=ROOT,
                            capture_output=True, text=True)
    seen = []
    for line in result.stderr.splitlines():
        m = re.match(r"^(\S+?):\d+:\d+: error", line)
        if m and m.group(1) not in seen:
            seen.append(m.group(1))
    for name in seen:
        findings.append(f"{os.path.relpath(name, ROOT)}: not clang-formatted (clang-format -i)")
    if result.returncode and not seen:
        findings.append("clang-format failed: " + result.stderr.strip()[:300])


def window_files():
    for path in source_files("src"):
        parts = path.split(os.sep)
        name = parts[-1]
        if not name.endswith(".cpp"):
            continue
        if len(parts) > 3 and parts[2] == "window":
            yield path
        elif re.match(r"T[A-Z]", name) and uses_widgets(path):
            yield path


def uses_widgets(path):
    text = open(os.path.join(ROOT, path), encoding="utf-8").read()
    return re.search(r"#\s*include\s*<(QtWidgets/)?Q(Widget|Dialog|MainWindow)>", text) is not None


def check_window_lines(findings, notes):
    known = {}
    if os.path.exists(WINDOW_ALLOWLIST):
        for line in open(WINDOW_ALLOWLIST, encoding="utf-8"):
            line = line.split("#", 1)[0].split()
            if len(line) == 2:
                known[line[0]] = int(line[1])
    for path in window_files():
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            lines = sum(1 for _ in f)
        limit = known.pop(path, WINDOW_LINES)
        if lines > max(limit, WINDOW_LINES):
            findings.append(f"{path}: {lines} lines, over {max(limit, WINDOW_LINES)} "
                            f"(a window file has at most {WINDOW_LINES})")
        elif limit > WINDOW_LINES and lines < limit:
            notes.append(f"{path}: {lines} lines; lower its entry in "
                         f"{os.path.relpath(WINDOW_ALLOWLIST, ROOT)} from {limit}")
    for path in known:
        notes.append(f"{path}: gone; remove its entry from {os.path.relpath(WINDOW_ALLOWLIST, ROOT)}")


def main():
    findings, notes = [], []
    check_layers(findings)
    if "--no-format" not in sys.argv:
        check_format(findings)
    check_window_lines(findings, notes)
    for note in notes:
        print("note:", note)
    for finding in findings:
        print(finding)
    print(f"lint: {len(findings)} finding(s)")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
