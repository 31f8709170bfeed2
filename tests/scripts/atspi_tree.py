#!/usr/bin/env python3
"""Reads the program's accessibility tree from outside, through the AT-SPI bus, as a screen
reader would: opens each of the five pages by its tab, lists the controls a user types into or
presses with their names, and the reception form's inner tabs with the selected one. Ends with
status 1 when a control has no name or the inner tabs are not there."""
import sys
import time

import pyatspi

INPUT_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_LIST, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_PASSWORD_TEXT,
}
PAGES = ["PRIJEM", "ADRESAR", "ZAKAZIVANJE", "LABORATORIJSKE ANALIZE", "PRETRAŽIVANJE"]


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node, depth=0):
    yield node
    if depth > 30:
        return
    for child in children(node):
        if child is not None:
            yield from walk(child, depth + 1)


def find_app(name, wait):
    desktop = pyatspi.Registry.getDesktop(0)
    end = time.time() + wait
    while time.time() < end:
        for app in children(desktop):
            if app is not None and name.lower() in (app.name or "").lower():
                return app
        time.sleep(0.5)
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def main():
    app = find_app(sys.argv[1] if len(sys.argv) > 1 else "mab", 30)
    if app is None:
        print("no application on the bus")
        return 2
    nodes = list(walk(app))
    tabs = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_PAGE_TAB and n.name in PAGES}
    print("main tabs:", [p for p in PAGES if p in tabs])
    faults = 0
    for page in PAGES:
        tab = tabs.get(page)
        if tab is None:
            print(f"{page}: tab not found")
            faults += 1
            continue
        action = tab.queryAction()
        action.doAction(0)
        time.sleep(0.8)
        controls = [n for n in walk(app) if n.getRole() in INPUT_ROLES and showing(n)]
        # The main tab bar is on every page; count the page's own controls.
        controls = [n for n in controls
                    if not any(c.name in PAGES for c in children(n))]
        unnamed = [f"{n.getRoleName()}" for n in controls if not (n.name or "").strip()]
        print(f"{page}: {len(controls) - len(unnamed)} of {len(controls)} controls named")
        for n in controls:
            print(f"    {n.getRoleName():16} {n.name!r}")
        faults += len(unnamed)
        if page == "ZAKAZIVANJE":
            for table in [n for n in controls if n.getRole() == pyatspi.ROLE_TABLE
                          and any(ch.isdigit() for ch in (n.name or ""))]:
                cells = table.queryTable()
                week = [cells.getAccessibleAt(1, c).name for c in range(cells.nColumns)]
                chosen = [cells.getAccessibleAt(r, c).name for r in range(cells.nRows)
                          for c in range(cells.nColumns) if cells.isSelected(r, c)]
                print(f"{table.name}: second week {week}, selected {chosen}")
        if page == "PRIJEM":
            lists = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST
                     and any(c.name == "Generalije" for c in children(n))]
            if not lists:
                print("PRIJEM: inner tabs not exposed")
                faults += 1
            else:
                inner = [c for c in children(lists[0]) if c.getRole() == pyatspi.ROLE_PAGE_TAB]
                selected = [c.name for c in inner if c.getState().contains(pyatspi.STATE_SELECTED)]
                print(f"PRIJEM inner tabs ({len(inner)}): {[c.name for c in inner]}")
                print(f"PRIJEM selected inner tab: {selected}")
                inner[3].queryAction().doAction(0)
                time.sleep(0.5)
                after = [c.name for c in inner if c.getState().contains(pyatspi.STATE_SELECTED)]
                print(f"PRIJEM after pressing {inner[3].name!r}: selected {after}")
                if len(inner) != 9 or len(selected) != 1 or after != [inner[3].name]:
                    faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
