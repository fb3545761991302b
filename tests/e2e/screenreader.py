#!/usr/bin/python3
"""Drives the real program with the Orca screen reader, as a blind user
would, and checks what Orca says at each step against one table.

Usage: screenreader.py <program> [--print]
Run inside scripts/xvfb-session and dbus-run-session.  Orca runs with a
private settings folder and a line-buffered debug log; speech goes to
speech-dispatcher's dummy module.  --print shows what is said, step by step.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
from orca import orca_platform  # noqa: E402

# Orca's own entry point refuses to start beside another Orca of this user
# and writes its log through a buffer; this one writes each line at once.
ORCA = """
import sys
from orca import debug
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
from orca import orca, settings_manager
# Orca 48 names the accessor get_manager, Orca 43 getManager.
manager = getattr(settings_manager, "get_manager", None) or settings_manager.getManager
manager().activate(sys.argv[2], {})
sys.exit(orca.main())
"""

# Orca speaks AT-SPI's name of the role, which AT-SPI 2.56 shortened to "button".
BUTTON = Atspi.role_get_name(Atspi.Role.PUSH_BUTTON)
# Orca 48 says a field's name after its label, a notification's kind apart
# from its words, and a window's title without the stop and at times
# without its role.  Either of a pair will do.
ORCA_48 = int(orca_platform.version.split(".")[0]) >= 48
TITLE = os.environ["PUNT_APP_TITLE"]  # set by ctest
WINDOW = (TITLE + " frame", TITLE) if ORCA_48 else TITLE + " frame."
RESULT = "126.973807842918"
REFUSAL = ('The text "\u206812abc\u2069" is not a number: the letter "a" at position 3 cannot be'
           ' part of a number. Type digits with at most one point, for example 12.5 or -0.75.'
           ' Run-time error 13: Type mismatch.')


def field(label, name):
    return f"{label} {name} text." if ORCA_48 else f"{label} text."


def notification(words):
    return ["notification", words] if ORCA_48 else [f"notification {words}."]


EURO_FIELD = [field("Euro here.", "Amount in euros"), "Type an amount in euros; Alt+N converts it to punts."]
PUNT_FIELD = [field("Punt here.", "Amount in punts"),
              "Type an amount in Irish pounds; Alt+O converts it to euros."]
TO_EUROS = [f"Convert punts to euros {BUTTON}.",
            "Writes the punt amount, in euros, into the euro field."]
EXIT = [f"Exit {BUTTON}.", "Ends the program."]
BACK_TO_PUNTS = [WINDOW, PUNT_FIELD[0], "12abc.", PUNT_FIELD[1]]
ORCA_STEPS = [
    # name, keys, everything said, in order, but the keys' own names
    ("start", [], [WINDOW] + EXIT),
    ("Tab to Convert", ["Tab"], TO_EUROS),
    ("Tab to the empty euro field", ["Tab"], EURO_FIELD),
    ("Tab to the empty punt field", ["Tab"], PUNT_FIELD),
    ("type 100", ["1", "0", "0"], []),
    ("Alt+O", ["alt+o"], notification(f"{RESULT} euros")),
    ("Tab to Clear", ["Tab"], [f"Clear {BUTTON}.", "Empties both fields."]),
    ("Alt+N", ["alt+n"], notification("99.9999999999999 punts")),
    ("Tab to Convert euros", ["Tab"], [f"Convert euros to punts {BUTTON}.",
                                       "Writes the euro amount, in punts, into the punt field."]),
    ("Tab to Exit", ["Tab"], EXIT),
    ("Tab to Convert again", ["Tab"], TO_EUROS),
    ("Tab to the filled euro field", ["Tab"], [EURO_FIELD[0], f"{RESULT} selected.",
                                               EURO_FIELD[1]]),
    ("Alt+C", ["alt+c"], ([] if ORCA_48 else ["Text unselected."]) + notification("Both fields are empty")),
    ("Tab to the punt field", ["Tab"], PUNT_FIELD),
    ("type 12abc", list("12abc"), []),
    ("Alt+O refused", ["alt+o"], ["alert " + TITLE + ".", f"OK {BUTTON}.", REFUSAL]),
    ("where am I in the box", ["KP_Enter"],
     [f"OK {BUTTON}.", REFUSAL] if ORCA_48 else [f"OK {BUTTON} " + REFUSAL]),
    ("Enter closes the box", ["Return"], BACK_TO_PUNTS),
    ("Alt+N on the empty euro field", ["alt+n"], ["alert " + TITLE + ".", f"OK {BUTTON}.",
                                                  "Put a value into the currency box."]),
    ("Enter closes it", ["Return"], BACK_TO_PUNTS),
]
KEY_NAMES = {"tab", "left alt", "return"}

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?) ?'(?: ?\{[^\n]*)?\n(?=\d\d:\d\d:\d\d\.\d+ - )", re.S)


class Log:
    def __init__(self, path):
        self.path, self.seen = path, 0

    def text(self):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            return log.read()

    def new_speech(self, wanted, quiet=1.5, timeout=20):
        """What is said from now until every wanted line was said and then
        nothing for a moment, or until the timeout."""
        said, last = [], time.monotonic()
        deadline = last + timeout
        while time.monotonic() < deadline:
            fresh = []
            for match in SPOKEN.finditer(self.text(), self.seen):
                fresh.append(" ".join(match.group(1).split()))
                self.seen = match.end()
            fresh = [f for f in fresh if f not in KEY_NAMES and len(f) > 1]
            if fresh:
                said += fresh
                last = time.monotonic()
            if len(said) >= len(wanted) and time.monotonic() - last > quiet:
                break
            time.sleep(0.1)
        return said


def main():
    program, printing = sys.argv[1], "--print" in sys.argv
    work = tempfile.mkdtemp(prefix="screenreader.")
    config = os.path.join(work, "config")
    os.makedirs(os.path.join(config, "speech-dispatcher"))
    with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w") as conf:
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                   'AudioOutputMethod "libao"\n')
    # The dummy module plays a sound file; libao's null driver takes it.
    with open(os.path.join(work, ".libao"), "w") as libao:
        libao.write("default_driver=null\n")
    prefs = os.path.join(work, "orca")
    os.makedirs(prefs)
    log_path = os.path.join(work, "orca.log")
    open(log_path, "w").close()
    env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=config, XDG_CACHE_HOME=work, XDG_DATA_HOME=work,
               GSETTINGS_BACKEND="memory", QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    children = []

    def spawn(*command):
        children.append(subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL))
        return children[-1]

    failures = 0
    try:
        spawn("openbox", "--sm-disable")
        log = Log(log_path)
        spawn(sys.executable, "-c", ORCA, log_path, prefs)
        log.new_speech(["Screen reader on."], quiet=1)
        spawn(program)
        for name, keys, wanted in ORCA_STEPS:
            if keys:
                subprocess.run(["xdotool", "key", "--delay", "150"] + keys, env=env, check=True)
            said = log.new_speech(wanted)
            heard = len(said) == len(wanted) and all(
                s == w or isinstance(w, tuple) and s in w for s, w in zip(said, wanted))
            failures += not heard
            if not heard:
                print(f"FAILED: {name}: expected {wanted}, said {said}")
            else:
                print(f"ok: {name}" + (f": said {said}" if printing else ""))
    finally:
        for child in reversed(children):
            child.kill()
            child.wait()
    sys.exit(1 if failures else 0)


main()
