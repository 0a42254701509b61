#!/usr/bin/env python3
"""Reads the running pondaro program over AT-SPI, as a screen reader does, and prints what it
finds: `console` the text of the game window's console (a document), `focus` the role and
name of what has the keyboard, `buttons` the names of the push buttons of the program's
dialogs. Exits with 1 when the program or the object is not on the accessibility bus."""

import sys

import pyatspi


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name and "pondaro" in app.name.lower():
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for index in range(node.childCount):
        yield from walk(node.getChildAtIndex(index), depth + 1)


def main():
    app = application()
    if app is None:
        return 1
    what = sys.argv[1]
    nodes = list(walk(app))
    if what == "console":
        for node in nodes:
            if node.getRole() == pyatspi.ROLE_DOCUMENT_FRAME or node.getRole() == pyatspi.ROLE_DOCUMENT_TEXT:
                text = node.queryText()
                print(text.getText(0, text.characterCount))
                return 0
    elif what == "focus":
        for node in nodes:
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                print(f"{node.getRoleName()}: {node.name}")
                return 0
    elif what == "buttons":
        names = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name]
        if names:
            print("; ".join(names))
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
