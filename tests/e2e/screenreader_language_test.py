#!/usr/bin/python3
"""The menu as a screen reader reads it through AT-SPI, in the desktop's language: with
LANGUAGE=de the eleven items are the German texts of the catalogue (context "Menu" of
translations/zentova_de.ts, read from the file), and with LANGUAGE=C exactly the English
ones. Runs itself in a D-Bus session of its own on the X display; skipped (77) without
pyatspi or dbus-run-session.

    screenreader_language_test.py ZENTOVA SOURCE_DIR
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

SKIP = 77
if not os.environ.get("ZENTOVA_OWN_SESSION"):
    if not shutil.which("dbus-run-session"):
        print("dbus-run-session missing: skipped")
        sys.exit(SKIP)
    os.environ["ZENTOVA_OWN_SESSION"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
try:
    import pyatspi
except ImportError:
    print("pyatspi missing: skipped")
    sys.exit(SKIP)
if not os.environ.get("DISPLAY") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    print("no display or no D-Bus session: skipped")
    sys.exit(SKIP)

EXE = sys.argv[1]
SOURCE = sys.argv[2]
# The items as the program writes them, in the menu's order.
MENU = ["New project", "Retrieve project", "Show/Edit project", "Save as", "Calculate",
        "Show history", "Show final state", "Show/define forces", "Advanced setup",
        "Help/Manual", "Exit"]
pyatspi.setCacheLevel(0)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def catalogue_menu(language):
    """The finished translations of context "Menu" in the language's catalogue."""
    path = os.path.join(SOURCE, "translations", "zentova_%s.ts" % language)
    texts = {}
    for context in ET.parse(path).getroot().iter("context"):
        if context.findtext("name") != "Menu":
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") or not translation.text:
                continue
            texts[message.findtext("source")] = translation.text
    return texts


def within(probe, seconds=20):
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


def menu_read(work, language):
    """The names of the menu's items as read with LANGUAGE=language."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LANGUAGE=language)
    for variable in ("LC_ALL", "LC_MESSAGES", "ZENTOVA_LANGUAGE"):
        env.pop(variable, None)
    program = subprocess.Popen([EXE, "demo.zpr"], cwd=work, env=env)
    try:
        app = within(lambda: application(program.pid))
        if not app:
            fail("the program did not show on the accessibility bus (LANGUAGE=%s)" % language)

        def items():
            for frame in app:
                if frame is None or frame.getRoleName() != "frame":
                    continue
                names = [n.name for n in frame
                         if n is not None and n.getRoleName() == "push button"]
                if len(names) == len(MENU):
                    return names
            return None
        names = within(items)
        if not names:
            fail("no menu of %d items was read (LANGUAGE=%s)" % (len(MENU), language))
        return names
    finally:
        program.kill()
        program.wait()


def main():
    work = tempfile.mkdtemp()
    try:
        shutil.copy(os.path.join(SOURCE, "data", "demo.zpr"), work)
        read = menu_read(work, "C")
        if read != MENU:
            fail("with LANGUAGE=C the menu reads %r, not %r" % (read, MENU))
        german = catalogue_menu("de")
        untranslated = [item for item in MENU if item not in german]
        if untranslated:
            fail("zentova_de.ts has no German text for %r" % untranslated)
        read = menu_read(work, "de")
        expected = [german[item] for item in MENU]
        if read != expected:
            fail("with LANGUAGE=de the menu reads %r, not %r" % (read, expected))
        print("1 passed, 0 failed")
    finally:
        shutil.rmtree(work, ignore_errors=True)

main()
