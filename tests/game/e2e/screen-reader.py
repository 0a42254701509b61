#!/usr/bin/python3
"""Prints what a screen reader finds of the running pondaro program over AT-SPI: `console` the
console's text, `focus` the role and name of what has the keyboard, `buttons` the names of the
push buttons. Exits with 1 when there is none."""
import sys

import pyatspi


def walk(node, depth=0):
    if node is not None and depth < 40:
        yield node
        for index in range(node.childCount):
            yield from walk(node.getChildAtIndex(index), depth + 1)


def found(what, node):
    if what == "console" and node.getRole() == pyatspi.ROLE_DOCUMENT_FRAME:
        return node.queryText().getText(0, -1)
    if what == "focus" and node.getState().contains(pyatspi.STATE_FOCUSED):
        return f"{node.getRoleName()}: {node.name}"
    if what == "buttons" and node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
        return node.name
    return None


apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "pondaro"]
answers = [a for n in (walk(apps[0]) if apps else []) if (a := found(sys.argv[1], n))]
print("; ".join(answers))
sys.exit(0 if answers else 1)
