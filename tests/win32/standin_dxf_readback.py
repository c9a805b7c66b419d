#!/usr/bin/python3
"""The stand-in CAD's DXF, read back by an independent reader (ezdxf).

Runs the stand-in under Wine with a drawing of lines, points, Japanese
text and dimensions, saves a screenshot of it, and checks that ezdxf reads
the entities the stand-in drew.

usage: standin_dxf_readback.py WINE_RUN STANDIN_EXE WORK_DIR SCREENSHOT
"""
import pathlib
import shutil
import subprocess
import sys
import time

import ezdxf

wine_run, standin_exe, work_dir, screenshot = sys.argv[1:5]
work = pathlib.Path(work_dir)
shutil.rmtree(work, ignore_errors=True)
work.mkdir(parents=True)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


# A bridge-like outline, three points, and two texts, one of them Japanese
# with 表 and ソ, whose second bytes in code page 932 are backslashes.
outline = [(0, 0), (120, 0), (120, 30), (90, 45), (30, 45), (0, 30), (0, 0)]
items = "".join(
    f" '(((0 . \"LINE\")(10 {a[0]} {a[1]} 0)(11 {b[0]} {b[1]} 0)))"
    for a, b in zip(outline, outline[1:]))
points = [(30, 15), (60, 15), (90, 15)]
items += "".join(f" '(((0 . \"POINT\")(10 {x} {y} 0)))" for x, y in points)
source = (
    "(setq enlist1 nil)\r\n"
    f"(setq enlist1 (append enlist1 {items})\r\n)\r\n"
    "(setq n nil)\r\n(foreach n enlist1 (entmake n))\r\n"
    "(command \"text\" '(10 50) 6 0 \"表ソ橋 A1\")\r\n"
    "(command \"text\" '(125 5) 4 90 \"North\")\r\n"
    # A horizontal dimension of the deck with an override, and an aligned one
    # of the left slope.
    "(entmake '((0 . \"DIMENSION\")(10 0 -10 0)(11 60 -10 0)(13 0 0 0)(14 120 0 0)"
    "(70 . 0)(50 . 0.0)(1 . \"L=<>m\")))\r\n"
    "(entmake '((0 . \"DIMENSION\")(10 -10 30 0)(13 0 0 0)(14 0 30 0)(70 . 1)))\r\n")
(work / "drawing.lsp").write_bytes(source.encode("cp932"))

journal = work / "journal.jsonl"
dxf = work / "drawing.dxf"
process = subprocess.Popen([
    wine_run, standin_exe, "--support", windows_path(work), "--journal",
    windows_path(journal), "--dxf", windows_path(dxf), "--run", '(load "drawing")',
    "--show-text-window", "--exit-after", "4000"
])
expected_count = len(outline) - 1 + len(points) + 2 + 2
deadline = time.time() + 20
while time.time() < deadline:
    text = journal.read_text(encoding="utf-8") if journal.exists() else ""
    if text.count('"event":"entity"') >= expected_count:
        break
    time.sleep(0.1)
time.sleep(0.5)
display = subprocess.run([wine_run.replace("wine-run", "testbed-display")],
                         capture_output=True, text=True).stdout.strip()
if display:
    subprocess.run(["import", "-display", display, "-window", "root", screenshot],
                   check=False)
process.wait(timeout=30)

failures = []
document = ezdxf.readfile(dxf)
found = [(e.dxftype(), e) for e in document.modelspace()]
lines = [tuple(round(v, 6) for v in (*e.dxf.start, *e.dxf.end))
         for kind, e in found if kind == "LINE"]
want_lines = [(a[0], a[1], 0, b[0], b[1], 0) for a, b in zip(outline, outline[1:])]
if lines != want_lines:
    failures.append(f"lines {lines} != {want_lines}")
got_points = [tuple(e.dxf.location)[:2] for kind, e in found if kind == "POINT"]
if got_points != points:
    failures.append(f"points {got_points} != {points}")
texts = [(e.dxf.text, tuple(e.dxf.insert)[:2], e.dxf.height, e.dxf.rotation)
         for kind, e in found if kind == "TEXT"]
want_texts = [("表ソ橋 A1", (10, 50), 6, 0), ("North", (125, 5), 4, 90)]
if texts != want_texts:
    failures.append(f"texts {texts} != {want_texts}")
dimensions = [(e.dxf.dimtype & 31, e.dxf.text, round(e.dxf.actual_measurement, 6),
               tuple(e.dxf.defpoint2)[:2], tuple(e.dxf.defpoint3)[:2])
              for kind, e in found if kind == "DIMENSION"]
want_dimensions = [(0, "L=<>m", 120, (0, 0), (120, 0)), (1, "", 30, (0, 0), (0, 30))]
if dimensions != want_dimensions:
    failures.append(f"dimensions {dimensions} != {want_dimensions}")
if any(e.dxf.layer != "0" for _, e in found):
    failures.append("an entity is not on layer 0")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(found)} entities read back; screenshot: {screenshot}")
sys.exit(1 if failures else 0)
