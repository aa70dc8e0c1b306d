"""What the tests that read the program through AT-SPI share: a D-Bus session of their own
(the script runs itself again under dbus-run-session, where the program's accessibility
bus and its registry start), skipped (77) without it, pyatspi, a display or the tools
named; and the small steps of reading and typing."""

import os
import shutil
import subprocess
import sys
import time

SKIP = 77
pyatspi = None


def enter(tools=()):
    """Into the session of its own; the pyatspi module, asking the program each time
    (its painted screens change under the reader)."""
    global pyatspi
    if not os.environ.get("ZENTOVA_OWN_SESSION"):
        if not shutil.which("dbus-run-session"):
            print("dbus-run-session missing: skipped")
            sys.exit(SKIP)
        os.environ["ZENTOVA_OWN_SESSION"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
    try:
        import pyatspi as module
    except ImportError:
        print("pyatspi missing: skipped")
        sys.exit(SKIP)
    if not os.environ.get("DISPLAY") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        print("no display or no D-Bus session: skipped")
        sys.exit(SKIP)
    for tool in tools:
        if not shutil.which(tool):
            print(f"{tool} missing: skipped")
            sys.exit(SKIP)
    pyatspi = module
    pyatspi.setCacheLevel(0)
    return pyatspi


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def within(probe, seconds=20):
    """The first true answer of probe() within the time, else None."""
    end = time.time() + seconds
    while time.time() < end:
        try:
            answer = probe()
        except Exception:  # an object gone while it was read: ask again
            answer = None
        if answer:
            return answer
        time.sleep(0.3)
    return None


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)
    time.sleep(0.5)


def focus_window(title):
    found = within(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                                          capture_output=True, text=True).stdout.split())
    if not found:
        fail("no window " + title)
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)
    time.sleep(0.3)
