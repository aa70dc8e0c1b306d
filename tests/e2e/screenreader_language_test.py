#!/usr/bin/python3
"""The menu as a screen reader reads it through AT-SPI, in the desktop's language: with
LANGUAGE=de the eleven items are the German texts of the catalogue (context "Menu" of
translations/zentova_de.ts, read from the file), and with LANGUAGE=C exactly the English
ones. In German, a calculation's view is named and described in German with the time's
decimal comma, and the forces editor's first field is read by its German name. Runs itself in a D-Bus session of its own on the X display; skipped (77) without
pyatspi or dbus-run-session.

    screenreader_language_test.py ZENTOVA SOURCE_DIR
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import application, enter, fail, focus_window, key, walk, within  # noqa: E402

pyatspi = enter()

EXE = sys.argv[1]
SOURCE = sys.argv[2]
# The items as the program writes them, in the menu's order.
MENU = ["New project", "Retrieve project", "Show/Edit project", "Save as", "Calculate",
        "Show history", "Show final state", "Show/define forces", "Advanced setup",
        "Help/Manual", "Exit"]




def catalogue_menu(language, wanted="Menu"):
    """The finished translations of a context ("Menu") in the language's catalogue; a
    counted text gives its first plural form."""
    path = os.path.join(SOURCE, "translations", "zentova_%s.ts" % language)
    texts = {}
    for context in ET.parse(path).getroot().iter("context"):
        if context.findtext("name") != wanted:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type"):
                continue
            forms = [form.text for form in translation.iter("numerusform")]
            text = forms[0] if forms else translation.text
            if text:
                texts[message.findtext("source")] = text
    return texts






def started(work, language, project):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LANGUAGE=language)
    for variable in ("LC_ALL", "LC_MESSAGES", "ZENTOVA_LANGUAGE"):
        env.pop(variable, None)
    return subprocess.Popen([EXE, project], cwd=work, env=env)








def menu_shown(app):
    """The main window once its eleven items are read."""
    def frame():
        for node in app:
            if node is not None and node.getRoleName() == "frame" and len(
                    [n for n in node if n is not None and n.getRoleName() == "push button"]) == 11:
                return node
        return None
    return within(frame)


def german_calculation_and_forces(work):
    """With LANGUAGE=de a calculation's view reads in German, its time with a comma, and the
    forces editor's first field by its German name."""
    view_name = catalogue_menu("de", "View")["Simulation run"]
    calculating = catalogue_menu("de", "Calculation")["Calculation of %n particles"]
    strong = catalogue_menu("de", "ForcesEditor")["Strong attraction"]
    shutil.copy(os.path.join(SOURCE, "data", "zen1.zpr"), os.path.join(work, "lesson.zpr"))
    program = started(work, "de", "lesson.zpr")
    try:
        app = within(lambda: application(program.pid))
        if not app or not menu_shown(app):
            fail("the German menu of lesson.zpr was not read")
        focus_window("lesson|Zentova")
        key("Down", "Down", "Down", "Down", "Return")  # "Berechnen"
        pattern = re.escape(calculating.replace("%n", "120")) + r".*t = [0-9]+,[0-9]{3}"

        def described():
            view = next((n for n in app if n is not None and n.name == view_name), None)
            return view.description if view and re.search(pattern, view.description) else None
        if not within(described):
            fail("the view of a calculation does not read %r: %r" % (
                pattern, [(n.name, n.description) for n in app if n is not None]))
    finally:
        program.kill()
        program.wait()
    program = started(work, "de", "lesson.zpr")
    try:
        app = within(lambda: application(program.pid))
        main_frame = app and menu_shown(app)
        if not main_frame:
            fail("the German menu of lesson.zpr was not read a second time")
        focus_window("lesson|Zentova")
        key("Up", "Up", "Up", "Up", "Return")  # round to "Kräfte zeigen/festlegen"

        def focused():
            names = [n.name.strip() for n in walk(main_frame)
                     if n is not None and n.getState().contains(pyatspi.STATE_FOCUSED)]
            return names[-1] if names else None
        if within(lambda: focused() == strong) is None:
            fail("the forces editor's first field is read as %r, not %r" % (focused(), strong))
    finally:
        program.kill()
        program.wait()


def menu_read(work, language):
    """The names of the menu's items as read with LANGUAGE=language."""
    program = started(work, language, "demo.zpr")
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
        if shutil.which("xdotool"):  # the calculation and the editor are reached by keys
            german_calculation_and_forces(work)
        print("1 passed, 0 failed")
    finally:
        shutil.rmtree(work, ignore_errors=True)

main()
