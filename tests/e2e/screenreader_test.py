#!/usr/bin/python3
"""What a screen reader reads of the program, through AT-SPI as Orca reads it: a note's
text, the eleven menu items with "Calculate" disabled while no project is loaded, the focus
moved by the keyboard, the view's live description during a calculation, its time
increasing, and its buttons listed only then; the forces editor's Tab order and its plot
read as text. Runs itself in a D-Bus session of its own (dbus-run-session) on the X display;
skipped (77) without pyatspi, dbus-run-session or xdotool."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import application, enter, fail, focus_window, key, walk, within  # noqa: E402

pyatspi = enter(tools=("xdotool",))

EXE = sys.argv[1]
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
MENU = ["New project", "Retrieve project", "Show/Edit project", "Save as", "Calculate",
        "Show history", "Show final state", "Show/define forces", "Advanced setup",
        "Help/Manual", "Exit"]










def frame(app, title):
    for child in app:
        if child is not None and child.getRoleName() == "frame" and re.match(title, child.name):
            return child
    return None


def has(node, state):
    return node.getState().contains(state)






def start(work, *arguments):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([EXE, *arguments], cwd=work, env=env)
    app = within(lambda: application(program.pid))
    if not app:
        program.kill()
        fail("the program did not show on the accessibility bus")
    return program, app


def main():
    work = tempfile.mkdtemp()
    programs = []
    try:
        shutil.copy(os.path.join(DATA, "okla.bmp"), work)
        with open(os.path.join(work, "broken.zpr"), "w") as f:
            f.write("Broken\nnot a number\n")
        program, app = start(work, "broken.zpr")
        programs.append(program)

        # A note is an alert whose text is the note's lines.
        main_frame = within(lambda: frame(app, "Zentova"))
        alert = within(lambda: next((n for n in walk(main_frame) if n.getRoleName() == "alert"),
                                    None))
        if not alert:
            fail("the note is not an alert")
        if "The project could not be opened." not in alert.name or "broken.zpr, line 2" \
                not in alert.name:
            fail("the note reads " + repr(alert.name))

        # Any key goes on; the menu's items are buttons, "Calculate" disabled without a project.
        focus_window("Zentova")
        key("Return")

        def items():
            buttons = [n for n in main_frame if n is not None and n.getRoleName() == "push button"]
            return buttons if [b.name for b in buttons] == MENU else None
        buttons = within(items)
        if not buttons:
            fail("the menu reads %r" % [n.name for n in main_frame if n is not None])
        enabled = {b.name: has(b, pyatspi.STATE_ENABLED) for b in buttons}
        if enabled["Calculate"] or not enabled["New project"] or not enabled["Exit"]:
            fail("enabled items: %r" % enabled)

        def focused():
            names = [b.name for b in main_frame
                     if b is not None and b.getRoleName() == "push button" and
                     has(b, pyatspi.STATE_FOCUSED)]
            return names[0] if len(names) == 1 else None
        seen = [within(focused)]
        # Down passes the disabled items by.
        for _ in range(2):
            key("Down")
            before = seen[-1]
            seen.append(within(lambda: (lambda f: f if f != before else None)(focused()), 5))
        if seen != ["New project", "Retrieve project", "Advanced setup"]:
            fail("the focus went %r" % seen)
        key("Down", "Down", "Return")  # "Exit"
        if program.wait(10) != 0:
            fail("Exit chosen by keys did not end the program cleanly")

        # A calculation: the view's description tells its time, which goes up.
        for ext in ("zpr",):
            shutil.copy(os.path.join(DATA, "zen1." + ext), os.path.join(work, "lesson." + ext))
        program, app = start(work, "lesson.zpr")
        programs.append(program)
        main_frame = within(lambda: frame(app, ".*"))
        within(lambda: len([n for n in main_frame if n is not None and
                            n.getRoleName() == "push button"]) == 11)
        # The view window waits hidden: none of its buttons is listed.
        if any(n.name == "Horizontal angle" for n in walk(app) if n is not None):
            fail("the hidden view window's buttons are listed")
        focus_window("lesson|Ionic|Zentova")
        key("Down", "Down", "Down", "Down", "Return")  # "Calculate"

        def view_time():
            view = next((n for n in app if n is not None and n.name == "Simulation run"), None)
            found = re.search(r"Calculation of \d+ particles; t = ([0-9.]+)",
                              view.description if view else "")
            return float(found.group(1)) if found else None
        first = within(view_time)
        if first is None:
            fail("the view does not describe the calculation: %r" %
                 [(n.getRoleName(), n.name, n.description) for n in app if n is not None])
        time.sleep(2.5)
        later = within(view_time)
        if later is None or later <= first:
            fail("the described time went from %s to %s" % (first, later))
        if not any(n.name == "Horizontal angle" for n in walk(app) if n is not None):
            fail("the view's buttons are not listed during the calculation")
        program.kill()

        # "Show/define forces": Tab goes down the fields, then to "done", the type lists and
        # "Terminate force parameters"; after Enter the plot is read as text.
        program, app = start(work, "lesson.zpr")
        programs.append(program)
        main_frame = within(lambda: frame(app, ".*"))
        within(lambda: len([n for n in main_frame if n is not None and
                            n.getRoleName() == "push button"]) == 11)
        focus_window("lesson|Ionic|Zentova")
        key("Up", "Up", "Up", "Up", "Return")  # from the first item round to the eighth

        def focused_control():
            # A list is named by its choice; which list it is, its description says.
            names = [(n.name.strip() + " " + n.description).strip() for n in walk(main_frame)
                     if n is not None and has(n, pyatspi.STATE_FOCUSED)]
            return names[-1] if names else None
        order = [within(lambda: (lambda f: f if f and f.startswith("Strong") else None)(
            focused_control()))]
        for step in ["Tab"] * 6 + ["shift+Tab"]:
            key(step)
            before = order[-1]
            order.append(within(lambda: (lambda f: f if f != before else None)(
                focused_control()), 5))
        first, second = ("Type%d The %s type of the pair plotted" % (n, which)
                         for n, which in ((1, "first"), (2, "second")))
        if order != ["Strong attraction", "Weak attraction", "Repelling", "done", first, second,
                     "Terminate force parameters", second]:
            fail("Tab went %r" % order)
        key("Return")
        plot = within(lambda: next((n.name for n in main_frame if n is not None and
                                    n.name.startswith("Force between Type1 and Type2")), None))
        if not plot or "smallest" not in plot:
            fail("the force plot reads %r" % plot)
        print("1 passed, 0 failed")
    finally:
        for program in programs:
            if program.poll() is None:
                program.kill()
        shutil.rmtree(work, ignore_errors=True)


main()
