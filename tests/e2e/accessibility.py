#!/usr/bin/python3
"""Uses the real program only through the accessibility bus, as a screen
reader does: the window is a frame named with its title; setting the punt
field's text and pressing "Convert punts to euros" fills the euro field;
Exit ends the program.

Usage: accessibility.py <program>   (run inside scripts/xvfb-session and
dbus-run-session: a private session bus that starts the AT-SPI bus on demand)
"""
import os
import subprocess
import sys
import time

import pyatspi

TITLE = os.environ["PUNT_APP_TITLE"]  # set by ctest
failures = 0


def check(what, expected, actual):
    global failures
    failures += expected != actual
    print(f"ok: {what}" if expected == actual else
          f"FAILED: {what}: expected {expected!r}, got {actual!r}")


def soon(probe, seconds=10):
    """probe()'s first truthy answer within the time, or its last one."""
    deadline = time.monotonic() + seconds
    while not (answer := probe()) and time.monotonic() < deadline:
        time.sleep(0.1)
    return answer


def window_named_title():
    return next((window for application in pyatspi.Registry.getDesktop(0)
                 for window in (application or []) if window and window.name == TITLE), None)


# Roles by value: their names differ between AT-SPI releases ("push button",
# "button").
def child(window, role, name):
    return next(each for each in window if each.getRole() == role and each.name == name)


env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
with subprocess.Popen([sys.argv[1]], env=env) as program:
    try:
        window = soon(window_named_title)
        if window is None:
            sys.exit(f"no window named {TITLE!r} on the accessibility bus")
        check("the window's role", pyatspi.ROLE_FRAME, window.getRole())

        punts = child(window, pyatspi.ROLE_TEXT, "Amount in punts")
        euros = child(window, pyatspi.ROLE_TEXT, "Amount in euros").queryText()
        punts.queryEditableText().setTextContents("100")
        child(window, pyatspi.ROLE_PUSH_BUTTON, "Convert punts to euros").queryAction().doAction(0)
        check("100 punts in euros", "126.973807842918", soon(lambda: euros.getText(0, -1), 5))
        check("the punt field keeps its text", "100", punts.queryText().getText(0, -1))

        child(window, pyatspi.ROLE_PUSH_BUTTON, "Exit").queryAction().doAction(0)
        check("Exit ends the program with status 0", 0, program.wait(timeout=10))
    finally:
        if program.poll() is None:
            program.terminate()
sys.exit(1 if failures else 0)
