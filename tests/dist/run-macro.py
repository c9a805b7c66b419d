#!/usr/bin/python3
"""Opens a workbook in a headless LibreOffice and runs one of its VBA
procedures (LibreOffice runs VBA in its compatibility mode). Used by
check-workbook. Usage: run-macro.py WORKBOOK PROCEDURE PROFILE_FOLDER"""
import os
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    item = PropertyValue()
    item.Name = name
    item.Value = value
    return item


def main():
    workbook, procedure, profile = sys.argv[1], sys.argv[2], sys.argv[3]
    pipe = f"vadorariri{os.getpid()}"
    office = subprocess.Popen(
        ["soffice", "--headless", "--norestore", "--invisible", f"--accept=pipe,name={pipe};urp;"],
        env=dict(os.environ, HOME=profile), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        remote = None
        for _ in range(120):
            try:
                remote = resolver.resolve(f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
                break
            except Exception:  # not listening yet
                time.sleep(0.25)
        if remote is None:
            print("LibreOffice did not start")
            return 1
        desktop = remote.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", remote)
        document = desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(os.path.abspath(workbook)), "_blank", 0,
            (prop("Hidden", True), prop("MacroExecutionMode", 4)))  # always run, no warning
        script = document.getScriptProvider().getScript(
            f"vnd.sun.star.script:VBAProject.Module1.{procedure}?language=Basic&location=document")
        script.invoke((), (), ())
        document.close(True)
        desktop.terminate()
        return 0
    finally:
        try:
            office.wait(timeout=20)
        except subprocess.TimeoutExpired:
            office.kill()


sys.exit(main())
