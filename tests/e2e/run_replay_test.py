#!/usr/bin/python3
"""A LAMMPS run brought back and opened by the real program, `zentova DIR` and
`zentova DIR/in.STEM`, as a teacher opens it: the salt crystal exported 2 x 2 x 2 (960
particles, drawn as impostors), with a dump of three frames and a log written here in
LAMMPS's form (no lmp needed). The view replays every frame with its five buttons, in the
types' colours on the setup's background, read from a grab of the window; the key G opens
the Readings window, which reads the log's last readings; a dump cut short and a dump of
another export are told in the status line, and T and Enter end the program cleanly every
time (the refused dump's with status 1); an export not yet run is told in one line. The texts are read through AT-SPI, as a
screen reader reads them. Runs itself in a D-Bus session of its own; skipped (77) without
pyatspi, dbus-run-session, xdotool or ImageMagick's import. With SHOTS set, a picture of
the screen at the end of each replay is left there."""

import colorsys
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import application, enter, walk, within  # noqa: E402

pyatspi = enter(tools=("xdotool", "import"))

EXE = os.path.abspath(sys.argv[1])
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")

# The log's readings at steps 0, 300 and 600: all particles, type 1 (40 per cube), type 2
# (80 per cube). The mean is the types' weighed by their counts: (40 x 11.5 + 80 x 13) / 120.
READINGS = [(10.0, 9.0, 10.5), (11.0, 10.0, 11.5), (12.5, 11.5, 13.0)]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what)
    return condition








def atoms(data_file):
    """(id, type, x, y, z) of the Atoms section of an exported data file."""
    lines = open(data_file).read().splitlines()
    start = next(k for k, line in enumerate(lines) if line.startswith("Atoms")) + 2
    rows = []
    for line in lines[start:]:
        if not line.strip():
            break
        words = line.split()
        rows.append((int(words[0]), int(words[1]), *map(float, words[2:5])))
    return rows


def write_dump(path, rows, frames=3):
    """Frames 300 steps apart as LAMMPS's dump custom writes them with the export's
    dump_modify (units, time, sorted by id); each frame moves every particle 0.5 along x."""
    with open(path, "w") as f:
        for k in range(frames):
            f.write(f"ITEM: UNITS\nlj\nITEM: TIME\n{0.015 * k:g}\nITEM: TIMESTEP\n{300 * k}\n"
                    f"ITEM: NUMBER OF ATOMS\n{len(rows)}\nITEM: BOX BOUNDS ff ff ff\n")
            f.write("0 200\n0 200\n0 200\nITEM: ATOMS id type x y z vx vy vz\n")
            for i, t, x, y, z in rows:
                f.write(f"{i} {t} {x + 0.5 * k:.9g} {y:.9g} {z:.9g} 1 0 0\n")


def write_log(path, particles):
    columns = ("Step Time KinEng PotEng TotEng v_gyration v_kinetic v_kinetic1 v_kinetic2 "
               "v_speed v_far v_bath")
    with open(path, "w") as f:
        f.write("LAMMPS (29 Sep 2021)\n" + columns + "\n")
        for k, (mean, one, two) in enumerate(READINGS):
            f.write(f"{300 * k} {0.015 * k:g} {mean:g} -80 {mean - 80:g} 40 {mean:g} {one:g} "
                    f"{two:g} 5 70 1\n")
        f.write(f"Loop time of 3.4 on 1 procs for 600 steps with {particles} atoms\n")


def grab(window):
    """The window's pixels as (width, height, bytes of r, g, b), by ImageMagick's import."""
    ppm = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"],
                         capture_output=True).stdout
    fields, at = [], 0
    while len(fields) < 4:  # P6, width, height, maximum
        while ppm[at:at + 1].isspace():
            at += 1
        end = at
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[at:end])
        at = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, ppm[at + 1:at + 1 + 3 * width * height]


def hue(r, g, b):
    return colorsys.rgb_to_hsv(r / 255, g / 255, b / 255)[0] * 360


def check_colours(picture, manifest_types):
    """The picture's background is the setup's (blue 255, cleared as 255/257), and its spheres
    are of the types' hues, lit: type 2's share of the coloured pixels above type 1's, as it
    has twice the particles and the larger diameter."""
    width, height, pixels = picture
    counts, background = {1: 0, 2: 0}, 0
    hues = {t: hue(*colour) for t, colour in manifest_types.items()}
    for k in range(0, len(pixels), 3):
        r, g, b = pixels[k], pixels[k + 1], pixels[k + 2]
        if (r, g, b) == (0, 0, 253):
            background += 1
        elif max(r, g, b) - min(r, g, b) > 40 and not (b > r + 40 and b > g + 40):
            near = min(hues, key=lambda t: min(abs(hue(r, g, b) - hues[t]),
                                               360 - abs(hue(r, g, b) - hues[t])))
            counts[near] += 1
    print(f"view grab {width} x {height}: {background} pixels of the background, "
          f"{counts[1]} of type 1's hue, {counts[2]} of type 2's")
    check(background > width * height // 2, f"the setup's background: {background} pixels")
    check(200 < counts[1] < counts[2], f"the types' colours drawn: {counts}")


def readings_said(app):
    """What the Readings window's graph says, once it has the log's rows: those at the
    dump's frames after the first, as a calculation's readings begin at its first frame
    written."""
    for node in walk(app):
        if node is not None and node.name == "Kinetic energy per particle against time" \
                and node.description.startswith("2 frames"):
            return node.description
    return None


def shot(name):
    if os.environ.get("SHOTS"):
        subprocess.run(["import", "-window", "root", os.path.join(os.environ["SHOTS"],
                                                                  name + ".png")])


def key(window, *names):
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "--delay", "150", *names],
                   check=True)
    time.sleep(0.5)


def replay(work, argument, expected_status, with_readings=False, manifest_types=None,
           exit_status=0):
    """Opens `argument`, waits until the replay has ended with `expected_status` in the
    view's description, checks the picture (and the Readings window), then T and Enter; the
    program must end by itself with `exit_status`. Returns its standard error."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([EXE, argument], cwd=work, env=env, stderr=subprocess.PIPE,
                               text=True)
    try:
        app = within(lambda: application(program.pid))
        if not check(app is not None, f"{argument}: not on the accessibility bus"):
            return ""

        def view_said():
            view = next((n for n in app if n is not None and n.name == "Simulation run"), None)
            said = view.description if view else ""
            return said if "End or T terminates" in said else None
        said = within(view_said, 60)
        check(said is not None and said.startswith(expected_status),
              f"{argument}: the view says {said!r}, not {expected_status!r}")
        buttons = sorted(n.name for n in walk(app)
                         if n is not None and n.getRoleName() == "push button")
        check(buttons == ["Horizontal angle", "Original angle", "Terminate", "Vertical angle",
                          "Zoom"], f"{argument}: the view's buttons {buttons}")
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Simulation run"],
                               capture_output=True, text=True).stdout.split()
        if not check(len(found) == 1, f"{argument}: view windows {found}"):
            return ""
        view = found[0]
        if manifest_types:
            picture = grab(view)
            check_colours(picture, manifest_types)
        if with_readings:
            key(view, "g")
            told = within(lambda: readings_said(app))
            said = re.fullmatch(r"2 frames, from t = (\S+) to t = (\S+)\. At t = \S+: all "
                                r"particles (\S+), type 1 (\S+), type 2 (\S+); bath x (\S+)\.",
                                told or "")
            check(said is not None and [float(v) for v in said.groups()] ==
                  [0.015, 0.03, *READINGS[-1], 1.0],
                  f"{argument}: the Readings window says {told!r}")
        shot(os.path.dirname(argument) or argument)
        key(view, "t")
        key(view, "Return")
        status = program.wait(20)
        err = program.stderr.read()
        check(status == exit_status, f"{argument}: ended with {status}: {err}")
        return err
    except subprocess.TimeoutExpired:
        check(False, f"{argument}: did not end after T and Enter")
        return ""
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


def main():
    work = tempfile.mkdtemp(prefix="zentova-replay-")
    try:
        shutil.copy(os.path.join(DATA, "zen1.zpr"), work)
        for folder, options in (("x8", ["--replicate", "2", "2", "2"]), ("one", [])):
            done = subprocess.run([EXE, "--export-lammps", "zen1.zpr", folder, "--seed", "5",
                                   *options], cwd=work, capture_output=True, text=True)
            if not check(done.returncode == 0, f"export {folder}: {done.stderr}"):
                return 1
        x8 = os.path.join(work, "x8")
        rows = atoms(os.path.join(x8, "data.zen1"))
        write_dump(os.path.join(x8, "dump.zen1"), rows)
        write_log(os.path.join(x8, "log.lammps"), len(rows))
        types = {1: (255, 80, 80), 2: (40, 200, 60)}  # zen1's, as its manifest gives them
        err = replay(work, "x8", "Run of 960 particles brought back from LAMMPS; Final state "
                     "reached, t = 0.030   frame 3; the picture stays",
                     with_readings=True, manifest_types=types)
        check("x8: 3 frames of 960 particles replayed" in err, f"x8: {err}")

        # The last frame cut short, opened by its in.STEM: two frames, and where the third
        # began (its ITEM: UNITS line).
        cut = os.path.join(work, "cut")
        shutil.copytree(x8, cut)
        text = open(os.path.join(cut, "dump.zen1")).read()
        third = text.index("ITEM: UNITS", text.index("ITEM: TIMESTEP\n600") - 40)
        open(os.path.join(cut, "dump.zen1"), "w").write(text[:-100])
        line = text[:third].count("\n") + 1
        err = replay(work, "cut/in.zen1", f"Run of 960 particles brought back from LAMMPS; "
                     f"Final state reached, t = 0.015   frame 2   cut/dump.zen1:{line}: the "
                     f"last frame is cut short and left out")
        check("cut: 2 frames of 960 particles replayed" in err, f"cut: {err}")

        # A dump of the export of one cube in the folder of the export of eight: refused at
        # its atom count, nothing drawn, and still a way out; the status tells the refusal.
        foreign = os.path.join(work, "foreign")
        shutil.copytree(x8, foreign)
        write_dump(os.path.join(foreign, "dump.zen1"), atoms(os.path.join(work, "one",
                                                                          "data.zen1")))
        err = replay(work, "foreign", "Run of 960 particles brought back from LAMMPS; Stopped "
                     "at no frame   foreign/dump.zen1:8: a dump of another export: 120 atoms, "
                     "the manifest's 960", exit_status=1)
        check("foreign: 0 frames of 960 particles replayed\nzentova: foreign/dump.zen1:8: a "
              "dump of another export: 120 atoms, the manifest's 960" in err, f"foreign: {err}")

        # An export not yet run: no dump to open, told in one line before any window.
        done = subprocess.run([EXE, "one"], cwd=work, capture_output=True, text=True,
                              timeout=20, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
        check(done.returncode == 1 and
              "one/dump.zen1: cannot open: No such file or directory" in done.stderr,
              f"an export without its run: {done.returncode} {done.stderr}")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


sys.exit(main())
