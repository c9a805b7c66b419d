#!/usr/bin/python3
"""Opens a workbook in a headless LibreOffice and runs one of its VBA
procedures (LibreOffice runs VBA in its compatibility mode). Used by
check-workbook.

Usage: run-macro.py WORKBOOK PROCEDURE PROFILE_FOLDER [OPTIONS] [ARGUMENT...]
PROCEDURE is one of Module1, or Module.Procedure.
  --locale TAG            the office's locale (de-DE: a comma as decimal separator)
  --text SHEET!CELL=V     puts the text V into the cell, as into a text cell
  --formula SHEET!CELL=F  puts the formula (or typed input) F into the cell
  --call PROCEDURE        runs a further procedure in the same session
  --copy SOURCE TARGET    copies a file just before the procedure runs
  --read SHEET!CELL       gives the cell's text as a further result
Each ARGUMENT is passed as a string to the procedure it follows; each cell
and copy option is carried out just before that procedure runs. The return
value of each call is printed as JSON, one line each.
"""
import json
import os
import shutil
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.lang import DisposedException


def prop(name, value):
    item = PropertyValue()
    item.Name = name
    item.Value = value
    return item


def set_locale(profile, locale):
    """The office's own setting, so that the test does not depend on which
    system locales are generated."""
    user = os.path.join(profile, ".config", "libreoffice", "4", "user")
    os.makedirs(user, exist_ok=True)
    with open(os.path.join(user, "registrymodifications.xcu"), "w", encoding="utf-8") as xcu:
        xcu.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                  '<oor:items xmlns:oor="http://openoffice.org/2001/registry" '
                  'xmlns:xs="http://www.w3.org/2001/XMLSchema">\n'
                  '<item oor:path="/org.openoffice.Setup/L10N"><prop oor:name="ooSetupSystemLocale" '
                  f'oor:op="fuse"><value>{locale}</value></prop></item>\n'
                  '</oor:items>\n')


def initialise_profile(profile):
    """The office writes a new user profile on its first start and then
    restarts itself, which drops a bridge made to the first process. Let it
    do that before the session: start it once to write the profile and end."""
    subprocess.run(["soffice", "--headless", "--norestore", "--terminate_after_init"],
                   env=dict(os.environ, HOME=profile), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=180, check=False)


def qualified(procedure):
    """Module.Procedure as given, or a procedure of Module1."""
    return procedure if "." in procedure else f"Module1.{procedure}"


def parse(procedure, argv):
    options = {"locale": None, "calls": [{"procedure": procedure, "cells": [], "arguments": []}]}
    rest = iter(argv)
    for item in rest:
        call = options["calls"][-1]
        if item == "--locale":
            options["locale"] = next(rest)
        elif item in ("--text", "--formula"):
            place, value = next(rest).split("=", 1)
            sheet, cell = place.split("!")
            call["cells"].append((item[2:], sheet, cell, value))
        elif item == "--call":
            options["calls"].append({"procedure": next(rest), "cells": [], "arguments": []})
        elif item == "--copy":
            call["cells"].append(("copy", next(rest), next(rest), None))
        elif item == "--read":
            options["calls"].append({"read": next(rest).split("!"), "cells": [], "arguments": []})
        else:
            call["arguments"].append(item)
    return options


def run_session(workbook, options, profile):
    """Starts an office, opens the workbook and runs the calls; the results,
    or None when the office did not start."""
    pipe = f"vadorariri{os.getpid()}-{time.monotonic_ns()}"
    office = subprocess.Popen(
        ["soffice", "--headless", "--norestore", "--invisible", f"--accept=pipe,name={pipe};urp;"],
        env=dict(os.environ, HOME=profile), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        remote = None
        # A loaded machine can take a minute or more to bring the office up.
        for _ in range(480):
            try:
                remote = resolver.resolve(f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
                break
            except Exception:  # not listening yet
                time.sleep(0.25)
        if remote is None:
            return None
        desktop = remote.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", remote)
        document = desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(os.path.abspath(workbook)), "_blank", 0,
            (prop("Hidden", True), prop("MacroExecutionMode", 4)))  # always run, no warning
        results = []
        for call in options["calls"]:
            for kind, sheet, cell, value in call["cells"]:
                if kind == "copy":
                    shutil.copyfile(sheet, cell)
                    continue
                target = document.Sheets.getByName(sheet).getCellRangeByName(cell)
                if kind == "text":
                    target.setString(value)
                else:
                    target.setFormula(value)
            if "read" in call:
                sheet, cell = call["read"]
                results.append(document.Sheets.getByName(sheet).getCellRangeByName(cell).getString())
                continue
            script = document.getScriptProvider().getScript(
                f"vnd.sun.star.script:VBAProject.{qualified(call['procedure'])}"
                "?language=Basic&location=document")
            results.append(script.invoke(tuple(call["arguments"]), (), ())[0])
        document.close(True)
        desktop.terminate()
        return results
    finally:
        try:
            office.wait(timeout=20)
        except subprocess.TimeoutExpired:
            office.kill()


def main():
    workbook, procedure, profile = sys.argv[1], sys.argv[2], os.path.abspath(sys.argv[3])
    options = parse(procedure, sys.argv[4:])
    initialise_profile(profile)
    if options["locale"]:
        set_locale(profile, options["locale"])
    # The headless office itself sometimes crashes or does not come up on a
    # loaded machine (the bridge to it is then disposed mid-call, or it never
    # listens); that is the test bed's fault, not the workbook's, so such a
    # session is run again, up to five times.
    results = None
    for attempt in range(5):
        try:
            results = run_session(workbook, options, profile)
        except DisposedException:
            if attempt == 4:
                raise
            continue
        if results is not None:
            break
    if results is None:
        print("LibreOffice did not start")
        return 1
    for result in results:
        print(json.dumps(result, ensure_ascii=False))
    return 0


sys.exit(main())
