#!/usr/bin/env python3
"""Reads Wine traces of whole runs (WINEDEBUG=+timestamp,+relay with only the
marker calls below traced) and prints the median time of each phase.

profile-phases.py KIND TRACE...   KIND is "tool" or "floor"

A phase runs from the first call of its marker to the first call of the next
phase's marker, on the program's first thread. The relay channel traces only
the marker calls, so the run is barely slower than untraced."""
import re
import statistics
import sys

# (phase name, marker that starts it); the last phase ends with the trace.
TOOL_PHASES = [
    ("process start: loader, imports, DLL start-up", None),
    ("command line, settings and input files", r"Call KERNEL32\.GetStartupInfoW"),
    ("run lock, cursor read, display connection", r"Call KERNEL32\.CreateMutexW"),
    ("hidden main window", r'Call user32\.CreateWindowExW\(\w+,\w+ L"VadoRaririMain"'),
    ("discovery (load step)", r"Call KERNEL32\.CreateToolhelp32Snapshot\(00000002"),
    ("discovery (job)", r"Call KERNEL32\.CreateToolhelp32Snapshot\(00000002"),
    ("job: checks, waits, click, file, paste, restore", r"Call (KERNEL32\.OpenProcess|advapi32\.OpenProcessToken|user32\.SetForegroundWindow)"),
    ("exit", r"Call KERNEL32\.ExitProcess"),
]
FLOOR_PHASES = [
    ("process start: loader, imports, DLL start-up", None),
    ("window and display connection", r"Call KERNEL32\.GetStartupInfoW"),
    ("waits", r"Call KERNEL32\.Sleep"),
    ("exit", r"Call KERNEL32\.ExitProcess"),
]
LINE = re.compile(r"^(\d+\.\d+):([0-9a-f]+):")


def phases_of(path, phases):
    with open(path, errors="replace") as trace:
        lines = [line for line in trace if LINE.match(line)]
    main_thread = LINE.match(lines[0]).group(2)
    start = float(LINE.match(lines[0]).group(1))
    end = float(LINE.match(lines[-1]).group(1))
    marks = [start]
    position = 0
    for _, marker in phases[1:]:
        pattern = re.compile(r"^\d+\.\d+:" + main_thread + ":" + marker)
        while position < len(lines) and not pattern.match(lines[position]):
            position += 1
        if position == len(lines):
            raise SystemExit(f"{path}: no {marker!r} after the previous phase")
        marks.append(float(LINE.match(lines[position]).group(1)))
        position += 1
    marks.append(end)
    return [(marks[i + 1] - marks[i]) * 1000 for i in range(len(phases))]


def main():
    kind, paths = sys.argv[1], sys.argv[2:]
    phases = TOOL_PHASES if kind == "tool" else FLOOR_PHASES
    runs = [phases_of(path, phases) for path in paths]
    for index, (name, _) in enumerate(phases):
        values = [run[index] for run in runs]
        print(f"  {statistics.median(values):6.1f} ms  {name}"
              f"  (min {min(values):.1f}, max {max(values):.1f})")
    totals = [sum(run) for run in runs]
    print(f"  {statistics.median(totals):6.1f} ms  whole run, first to last trace line"
          f" (median of {len(runs)} runs)")


main()
