#!/usr/bin/python3
"""Opens a grid memo file (code page 932 CSV) in LibreOffice without a
window, enters the text of one cell as an array formula over m cells below
it, and writes the values the spreadsheet computes, one per line.

usage: spreadsheet_solve.py CSV COLUMN ROW M OUT PROFILE_DIR
COLUMN and ROW (from 0) name the cell that holds the formula text.
"""
import os
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def main():
    csv, column, row, m, out, profile = sys.argv[1:7]
    column, row, m = int(column), int(row), int(m)
    pipe = "heatcalc_fem_%d" % os.getpid()
    office = subprocess.Popen([
        "soffice", "--headless", "--invisible", "--nologo", "--norestore", "--nodefault",
        "-env:UserInstallation=" + uno.systemPathToFileUrl(profile),
        "--accept=pipe,name=%s;urp;" % pipe])
    try:
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        context = None
        for _ in range(120):
            try:
                context = resolver.resolve(
                    "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
                break
            except Exception:
                time.sleep(0.5)
        if context is None:
            sys.exit("LibreOffice did not answer")
        desktop = context.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", context)
        # Comma, double quote, Shift-JIS, from line 1, all columns standard.
        doc = desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(os.path.abspath(csv)), "_blank", 0,
            (prop("FilterName", "Text - txt - csv (StarCalc)"),
             prop("FilterOptions", "44,34,SJIS,1"),
             prop("Hidden", True)))
        sheet = doc.Sheets.getByIndex(0)
        text = sheet.getCellByPosition(column, row).getString()
        target = sheet.getCellRangeByPosition(column, row + 1, column, row + m)
        # What a user types with the range selected and Ctrl+Shift+Enter; the
        # programming interface separates arguments by ";" where the user
        # types ",".
        target.setArrayFormula("=" + text.replace(",", ";"))
        doc.calculateAll()
        with open(out, "w") as f:
            f.write(text + "\n")
            for i in range(m):
                cell = sheet.getCellByPosition(column, row + 1 + i)
                if cell.getError() != 0:
                    sys.exit("the spreadsheet says %s" % cell.getString())
                f.write(repr(cell.getValue()) + "\n")
        doc.close(True)
        try:
            desktop.terminate()
        except Exception:
            pass
    finally:
        try:
            office.wait(timeout=30)
        except subprocess.TimeoutExpired:
            office.kill()


if __name__ == "__main__":
    main()
