#!/usr/bin/env python3
"""Checks the include rules of the source tree and prints the graph of subsystems.

- Core code (every folder but */ui, app) never includes a window header or a ui folder.
- image/ includes only image/ (and Qt and the standard library).
- The core subsystems form layers: each includes only those below it.
- A ui folder includes core code, its own ui and the shell's ui (what every window shares:
  the document, message boxes, help, the globals); the exceptions listed in ALLOWED are known
  and named.
- shell/ and shell/ui never include a window folder (channels/ui, editors/ui, ...).
- app/ (the frame, the application, the document manager) is the top: nothing else includes it.
Exit status 1 on any violation."""
import pathlib, re, sys

SRC = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2] / "src")
# Lowest first: a subsystem may include those before it.
LAYERS = ["image", "fields", "shell", "channels", "editors", "link", "print", "fleet"]
WIDGETS = re.compile(r"#include\s*<(QtWidgets/|QtPrintSupport/|QWidget|QDialog|QApplication|QMainWindow|QLabel|"
                     r"QLineEdit|QComboBox|QMessageBox|QTableWidget|QPrinter|QPrintDialog)")
INCLUDE = re.compile(r'#include\s*"([^"]+)"')
# ui folder -> other ui folders it may reach into besides shell/ui (none: they meet in the shell).
ALLOWED = {}
GUI_CORE = {"print/PainterCanvas.h", "print/PainterCanvas.cpp"}  # the report's canvas draws (QtGui only)

def unit(path):
    rel = path.relative_to(SRC).as_posix()
    parts = rel.split("/")
    return parts[0], len(parts) > 2 and parts[1] == "ui", rel

problems = []
graph = {}
for f in sorted(SRC.rglob("*")):
    if f.suffix not in (".h", ".cpp"):
        continue
    sub, ui, rel = unit(f)
    text = f.read_text(encoding="utf-8")
    core = not ui and sub not in ("app",)
    if core and WIDGETS.search(text):
        problems.append(f"{rel}: core code includes a window header")
    for inc in INCLUDE.findall(text):
        if "/" not in inc:
            continue  # same folder
        target_sub = inc.split("/")[0]
        target_ui = "/ui/" in inc
        if core and target_ui:
            problems.append(f"{rel}: core code includes {inc}")
        if sub == "image" and not ui and target_sub != "image":
            problems.append(f"{rel}: image/ includes {inc}")
        if core and sub in LAYERS and target_sub in LAYERS and target_sub != sub:
            if LAYERS.index(target_sub) > LAYERS.index(sub):
                problems.append(f"{rel}: {sub} includes {inc}, which lies above it")
        if ui and target_ui and target_sub != sub and sub != "shell":
            if target_sub != "shell" and f"{target_sub}/ui" not in ALLOWED.get(f"{sub}/ui", set()):
                problems.append(f"{rel}: {sub}/ui includes {inc}")
        if sub == "shell" and target_ui and target_sub != "shell":
            problems.append(f"{rel}: shell{'/ui' if ui else ''} includes the window folder of {inc}")
        if target_sub == "app" and sub != "app":
            problems.append(f"{rel}: includes {inc}; app/ hosts every window and lies above them all")
        if target_sub != sub:
            key = (sub + ("/ui" if ui else ""), target_sub + ("/ui" if target_ui else ""))
            graph[key] = graph.get(key, 0) + 1

# No loop between the core subsystems.
core_edges = {(a, b) for (a, b) in graph if "/ui" not in a and "/ui" not in b and a in LAYERS and b in LAYERS}
def reaches(a, b, seen=()):
    return any(x == a and (y == b or (y not in seen and reaches(y, b, seen + (y,)))) for x, y in core_edges)
for a, b in core_edges:
    if reaches(b, a):
        problems.append(f"loop between {a} and {b}")

for (a, b), n in sorted(graph.items()):
    print(f"{a} -> {b} ({n})")
for p in problems:
    print("VIOLATION:", p)
print(f"{0 if problems else 1} passed, {1 if problems else 0} failed")
sys.exit(1 if problems else 0)
