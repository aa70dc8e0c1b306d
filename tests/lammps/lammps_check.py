#!/usr/bin/env python3
"""Projects exported with --export-lammps, run in LAMMPS and checked against the program.

Usage: lammps_check.py ZENTOVA_EXE DATA_DIR runs|table|physics
  runs     every example and a few made-up projects run in lmp (one under mpirun -np 2),
           the XYZ dump reads back in ASE and MDAnalysis,
           --replicate 2 2 2 gives 8 times the particles in 8 times the volume, its run
           read back, drawn (--snapshot) and filmed frame for frame (--movie), its first
           g(r) peaks where the 120-particle run has them, a folder
           that cannot be made is refused with nothing written, and awkward file names
           (a newline and a LAMMPS command, blanks, "$", "#", "&") export and run while a
           state outside the cube and a run too long for LAMMPS are refused
  table    LAMMPS's pair_write against --force-table at 50 distances per pair of types
  physics  the same statistics from a LAMMPS run and a calculation of the same length (the
           walls' among them), and energy conservation in LAMMPS without damping and kicks
Exit 77 (skipped) when lmp or numpy is missing.
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile

try:
    import numpy as np
except ImportError as missing:
    print(f"skipped: {missing}")
    sys.exit(77)

LMP = shutil.which("lmp")
if not LMP:
    print("skipped: lmp is not installed (Debian package lammps)")
    sys.exit(77)

EXE, DATA = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what)


def run(args, cwd, **kw):
    return subprocess.run(args, cwd=cwd, capture_output=True, text=True, **kw)


def run_lmp(args, folder, **kw):
    """Runs lmp (or mpirun lmp) in folder. A start that fails is tried once more: on a loaded
    machine Open MPI's start-up has failed now and then before LAMMPS read a line, while a
    fault of the exported files fails both times. Both outputs are printed."""
    done = run(args, folder, **kw)
    if done.returncode != 0:
        print(f"lmp failed ({done.returncode}) in {folder}, once more:\n"
              f"{done.stdout[-1000:]}{done.stderr[-1000:]}")
        done = run(args, folder, **kw)
    return done


def export(work, project, folder, *options):
    done = run([EXE, "--export-lammps", project, folder, *options], work)
    check(done.returncode == 0, f"export {project} {' '.join(options)}: {done.stderr}")
    return os.path.join(work, folder)


def lammps(folder, stem, *variables, ranks=1):
    """Runs in.STEM; returns the thermo rows (step time ke pe etotal gyration)."""
    args = [LMP, "-in", f"in.{stem}", "-log", "log.lammps", "-screen", "none"]
    for name, value in zip(variables[::2], variables[1::2]):
        args += ["-var", name, str(value)]
    env = dict(os.environ)
    if ranks > 1:
        env.update(OMPI_ALLOW_RUN_AS_ROOT="1", OMPI_ALLOW_RUN_AS_ROOT_CONFIRM="1")
        args = ["mpirun", "--oversubscribe", "-np", str(ranks)] + args
    done = run_lmp(args, folder, env=env, timeout=120)
    log = os.path.join(folder, "log.lammps")
    text = open(log).read() if os.path.exists(log) else ""
    check(done.returncode == 0 and "ERROR" not in text,
          f"lmp in {folder} ({ranks} ranks): {done.stdout[-400:]}{done.stderr[-400:]}")
    rows, inside = [], False
    for line in text.splitlines():
        if line.startswith("Step"):
            inside = True
        elif line.startswith("Loop time"):
            inside = False
        elif inside:
            try:
                rows.append([float(v) for v in line.split()])
            except ValueError:  # an ERROR line, reported above
                break
    return np.array(rows)


def write_project(path, name, ae, ag, ar, types):
    """types: (count, mass, charge, diameter) each."""
    lines = [name, repr(ae), repr(ag), repr(ar), str(len(types))]
    for count, mass, charge, diameter in types:
        lines += [str(count), repr(mass), str(charge), repr(diameter), "200", "100", "50"]
    with open(path, "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")


def write_settings(folder, step, damping):
    lines = ["0", "0", "255", "TAK", "TAK", f" {step:.14E}", f" {damping:.14E}", ""]
    with open(os.path.join(folder, "setupek.dat"), "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")


def his_frames(path):
    """(types, positions) of every frame of a trajectory."""
    values = [line.split()[0] for line in open(path) if line.strip()]
    frames, i = [], 0
    while i < len(values):
        n = int(values[i])
        block = np.array(values[i + 2:i + 2 + 4 * n], float).reshape(n, 4)
        frames.append((block[:, 3].astype(int), block[:, :3]))
        i += 2 + 4 * n
    return frames


def xyz_frames(path):
    """(species, positions) of every frame of LAMMPS's XYZ dump."""
    lines, frames, i = open(path).read().splitlines(), [], 0
    while i < len(lines) and lines[i].strip():
        n = int(lines[i])
        rows = [line.split() for line in lines[i + 2:i + 2 + n]]
        frames.append((np.array([r[0] for r in rows]),
                       np.array([[float(v) for v in r[1:4]] for r in rows])))
        i += 2 + n
    return frames


def custom_frames(path):
    """(step, time, ids, types, positions, velocities) of every frame of the custom dump."""
    lines, frames, i = open(path).read().splitlines(), [], 0
    while i < len(lines):
        items = {}
        while i < len(lines) and not lines[i].startswith("ITEM: ATOMS"):
            if lines[i].startswith("ITEM: "):
                items[lines[i][6:]] = lines[i + 1]
                i += 2
            else:
                i += 1
        n = int(items["NUMBER OF ATOMS"])
        rows = np.array([line.split() for line in lines[i + 1:i + 1 + n]], float)
        frames.append((int(items["TIMESTEP"]), float(items["TIME"]), rows[:, 0].astype(int),
                       rows[:, 1].astype(int), rows[:, 2:5], rows[:, 5:8]))
        i += 1 + n
    return frames


def manifest(path):
    """The manifest's lines as {key: [values]}, the types as a list of their value lists."""
    keys, types = {}, []
    for line in open(path):
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        if words[0] == "type":
            types.append(words[2:])
        else:
            keys[words[0]] = words[1:]
    return keys, types


def readings_columns(folder, stem, rows):
    """What a run of the export leaves for the return: the custom dump every 300 steps sorted by
    id with its time, the thermo's readings, the manifest's counts; checked on the run's
    first rows."""
    keys, types = manifest(os.path.join(folder, f"manifest.{stem}"))
    frames = custom_frames(os.path.join(folder, f"dump.{stem}"))
    counts = [int(t[0]) for t in types]
    n = int(keys["particles"][0])
    check(sum(counts) == n and [f[0] for f in frames] == [300 * k for k in range(len(rows))]
          and all((f[2] == np.arange(1, n + 1)).all() for f in frames)
          and np.allclose([f[1] for f in frames], rows[:, 1])
          and all(np.bincount(f[3], minlength=len(counts) + 1)[1:].tolist() == counts
                  for f in frames), f"{stem}: the custom dump against the manifest")
    masses = np.array([float(t[1]) for t in types])
    used = [t for t, c in enumerate(counts) if c > 0]
    last = frames[-1]
    ke = 0.5 * masses[last[3] - 1] * (last[5] ** 2).sum(1)
    centre = np.array([float(v) for v in keys["box"][1::2]]) / 2
    expected = [ke.mean()] + [ke[last[3] == t + 1].mean() for t in used] + [
        np.sqrt((last[5] ** 2).sum(1)).mean(),
        np.sqrt(((last[4] - centre) ** 2).sum(1)).max(), gyration(last[4])]
    # step time ke pe etotal gyration, then kinetic, per used type, speed, far, bath
    found = list(rows[-1, 6:6 + 1 + len(used) + 2]) + [rows[-1, 5]]
    check(np.allclose(found, expected, rtol=1e-6, atol=1e-9) and rows[-1, -1] == 1.0,
          f"{stem}: thermo's readings {found} against the dump's {expected}")


def gyration(x):
    return math.sqrt(((x - x.mean(0)) ** 2).sum(1).mean())


def wall_depths(frames, low, high):
    """How far each particle that has gone past a wall plane lies beyond it, over all frames."""
    x = np.concatenate([positions for _, positions in frames])
    depth = np.maximum(low - x, x - high).max(1)
    return depth[depth > 0]


def runs(work):
    for k in range(1, 7):
        stem = f"zen{k}"
        shutil.copy(os.path.join(DATA, stem + ".zpr"), work)
        folder = export(work, stem + ".zpr", stem, "--steps", "300", "--seed", "11")
        rows = lammps(folder, stem)
        check(len(rows) == 2 and np.isfinite(rows).all(), f"{stem}: thermo {rows}")
        readings_columns(folder, stem, rows)
        if k == 6 and shutil.which("mpirun"):
            rows = lammps(folder, stem, ranks=2)
            check(len(rows) == 2 and np.isfinite(rows).all(), f"{stem} on 2 ranks: {rows}")

    # The XYZ dump reads back in the readers that read --export-xyz, where they are.
    try:
        import warnings
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            import ase.io
            import MDAnalysis as mda
            dump = os.path.join(work, "zen1", "dump.zen1.xyz")
            frames = ase.io.read(dump, index=":")
            universe = mda.Universe(dump)
        check(len(frames) == 2 and len(frames[0]) == 120 and
              sorted(set(frames[0].get_chemical_symbols())) == ["H", "He"] and
              len(universe.trajectory) == 2 and len(universe.atoms) == 120,
              "zen1: the XYZ dump in ASE and MDAnalysis")
    except ImportError as missing:
        print(f"XYZ dump not read back: {missing}")

    # Made up: two particles (one slot); three types, one without particles,
    # no damping (the kicks as a random force); its final state, tiled twice along x.
    write_project(os.path.join(work, "pair.zpr"), "Two", 0.0, 1.0, 1.0, [(2, 1.0, 0, 6.0)])
    rows = lammps(export(work, "pair.zpr", "pair", "--seed", "3", "--steps", "600"), "pair")
    check(len(rows) == 3 and np.isfinite(rows).all(), f"pair: thermo {rows}")
    mixed = os.path.join(work, "mixed")
    os.mkdir(mixed)
    write_project(os.path.join(mixed, "mixed.zpr"), "Mixed", 1.0, 0.2, 1.0,
                  [(5, 2.0, 1, 6.0), (0, 1.5, 0, 4.0), (6, 0.5, -1, 3.0)])
    write_settings(mixed, 2e-5, 0.0)
    calc = run([EXE, "--calculate", "mixed.zpr", "--steps", "600", "--seed", "4"], mixed)
    check(calc.returncode == 0, f"mixed: {calc.stderr}")
    folder = export(mixed, "mixed.zpr", "out", "--from-sta", "--replicate", "2", "1", "1")
    data = open(os.path.join(folder, "data.mixed")).read()
    check("22 atoms" in data and "Velocities" in data and "0 200 xlo xhi" in data,
          "mixed: the final state tiled twice along x")
    rows = lammps(folder, "mixed", "steps", 600)
    check(len(rows) == 3 and np.isfinite(rows).all() and rows[-1, 2] > 0, f"mixed: thermo {rows}")
    readings_columns(folder, "mixed", rows)

    # The salt crystal tiled 2 x 2 x 2: 8 times the particles in 8 times the volume, from
    # the final state of the shipped run, where the crystal has formed (a placement at random
    # would take thousands of steps to grow one).
    for ending in (".sta", ".his", ".readings.csv"):
        shutil.copy(os.path.join(DATA, "zen1" + ending), work)
    folder = export(work, "zen1.zpr", "zen1x8", "--from-sta", "--replicate", "2", "2", "2",
                    "--seed", "11")
    data = open(os.path.join(folder, "data.zen1")).read()
    check("960 atoms" in data and all(f"0 200 {a}lo {a}hi" in data for a in "xyz"),
          "zen1 x 8: 960 particles in a box of 200")
    # 600 steps: three dump frames for the movie of the run.
    rows = lammps(folder, "zen1", "steps", 600)
    check(len(rows) == 1 or np.isfinite(rows).all(), f"zen1 x 8: thermo {rows}")
    back_to_xyz(work)
    pictures_of_run(work)
    same_crystal(work)

    # A folder that cannot be made: one line naming it, exit status 1, nothing written.
    open(os.path.join(work, "afile"), "w").close()
    refused = run([EXE, "--export-lammps", "zen1.zpr", "afile/out"], work)
    check(refused.returncode == 1 and "afile/out" in refused.stderr
          and len(refused.stderr.splitlines()) == 1, f"refusal: {refused.stderr}")
    hostile(work)


def back_to_xyz(work):
    """The run of zen1 read back by --export-xyz (every dump frame, the dump's positions) and
    --analyse (the page of its particles, the log's readings); a cut dump told with file and
    line, a dump of the tiled export in its place refused."""
    done = run([EXE, "--export-xyz", "zen1", "zen1-run.xyz"], work)
    check(done.returncode == 0 and "2 frames written" in done.stderr, f"xyz of zen1: {done.stderr}")
    dump = custom_frames(os.path.join(work, "zen1", "dump.zen1"))
    xyz = xyz_frames(os.path.join(work, "zen1-run.xyz"))
    check(len(xyz) == len(dump) == 2 and all(np.abs(x[1] - d[4]).max() < 6e-4
                                             for x, d in zip(xyz, dump)),
          "xyz of zen1: the dump's positions")
    # --analyse of the run: the page of the crystal from its dump and its log's readings.
    done = run([EXE, "--analyse", "zen1"], work)
    page = os.path.join(work, "zen1-analysis", "index.html")
    text = open(page).read() if os.path.exists(page) else ""
    check(done.returncode == 0 and "1 of the 2 frames of 120 particles" in text
          and os.path.exists(os.path.join(work, "zen1-analysis", "energies.csv")),
          f"analysis of zen1: {done.stderr}")
    energies = open(os.path.join(work, "zen1-analysis", "energies.csv")).read().splitlines() \
        if done.returncode == 0 else []
    check(len(energies) == 2 and energies[1].startswith("0.015,"),
          f"analysis of zen1: the log's one reading at the dump's frames {energies}")
    done = run([EXE, "--analyse", "zen1x8/in.zen1", "--out", "x8"], work)
    text = open(os.path.join(work, "x8", "index.html")).read() if done.returncode == 0 else ""
    check("of 960 particles" in text, f"analysis of zen1 x 8: {done.stderr}")
    cut = os.path.join(work, "cut")
    shutil.copytree(os.path.join(work, "zen1"), cut)
    text = open(os.path.join(cut, "dump.zen1")).read()
    open(os.path.join(cut, "dump.zen1"), "w").write(text[:-100])
    second = text[:text.index("ITEM: TIMESTEP\n300")].count("\n") - 1  # the frame's ITEM: UNITS
    done = run([EXE, "--export-xyz", "cut/in.zen1", "cut.xyz"], work)
    check(done.returncode == 0 and
          f"cut/dump.zen1:{second}: the last frame is cut short and left out" in done.stderr
          and "1 frame written" in done.stderr, f"xyz of a cut dump: {done.stderr}")
    done = run([EXE, "--analyse", "cut"], work)
    check(done.returncode == 0 and
          f"cut/dump.zen1:{second}: the last frame is cut short and left out" in done.stderr,
          f"analysis of a cut dump: {done.stderr}")
    shutil.copy(os.path.join(work, "zen1x8", "dump.zen1"), os.path.join(cut, "dump.zen1"))
    for command, out in (("--export-xyz", "foreign.xyz"), ("--analyse", "--out=foreign")):
        done = run([EXE, command, "cut", *out.split("=")], work)
        check(done.returncode == 1 and "cut/dump.zen1:8: a dump of another export: 960 atoms, "
              "the manifest's 120" in done.stderr
              and not os.path.exists(os.path.join(work, "foreign.xyz"))
              and not os.path.exists(os.path.join(work, "foreign")),
              f"{command} of a foreign dump: {done.stderr}")


def first_peaks(path):
    """The first peak of each column of an rdf.csv ({"g_1_2": r, ...}) and its bin width.

    g is averaged over three bins (the page's own window), the first local maximum that
    reaches half the highest is the peak, and a parabola through it and its neighbours puts
    it between bin centres: a peak on a bin's edge would otherwise jump a whole bin with
    the noise of a few pairs."""
    lines = open(path).read().splitlines()
    rows = np.array([[float(v) for v in line.split(",")] for line in lines[1:]])
    r, width = rows[:, 0], rows[1, 0] - rows[0, 0]
    peaks = {}
    for column, name in enumerate(lines[0].split(",")[1:], start=1):
        g = np.convolve(rows[:, column], np.ones(3) / 3, mode="same")
        found = [k for k in range(1, len(g) - 1)
                 if g[k] >= 0.5 * g.max() > 0 and g[k - 1] <= g[k] >= g[k + 1]]
        if not found:
            continue
        k = found[0]
        curve = g[k - 1] - 2 * g[k] + g[k + 1]
        peaks[name] = r[k] + (0.5 * (g[k - 1] - g[k + 1]) / curve * width if curve < 0 else 0.0)
    return peaks, width


def same_crystal(work):
    """The crystal tiled 2 x 2 x 2 and run by LAMMPS has its first g(r) peaks where the
    120-particle run that zentova calculated itself (the shipped history whose final state
    was tiled) has them. That run, not the plain export run by LAMMPS, is the measure: it
    reaches the page through the program's own trajectory and its own calculation, so a
    dump read at the wrong scale or offset, copies that overlap, or a law that LAMMPS gets
    wrong each move the tiled run's peaks away from it, where a run through the same reader
    would move with them. One bin width is the tolerance: the page's g(r) is known to its
    bins, and peaks of the same crystal found between bin centres lie closer than that."""
    done = run([EXE, "--analyse", "zen1.zpr", "--out", "own-structure"], work)
    check(done.returncode == 0, f"analysis of the 120-particle run: {done.stderr}")
    done = run([EXE, "--analyse", "zen1x8", "--out", "x8-structure"], work)
    page = os.path.join(work, "x8-structure", "index.html")
    text = open(page).read() if os.path.exists(page) else ""
    check(done.returncode == 0 and "of 960 particles" in text,
          f"analysis of the tiled crystal: {done.stderr}")
    if done.returncode != 0:
        return
    ours, width = first_peaks(os.path.join(work, "own-structure", "rdf.csv"))
    tiled, _ = first_peaks(os.path.join(work, "x8-structure", "rdf.csv"))
    check(set(ours) == set(tiled) == {"g_1_1", "g_1_2", "g_2_2"},
          f"pairs of types with a first peak: {sorted(ours)} and {sorted(tiled)}")
    for pair in sorted(set(ours) & set(tiled)):
        print(f"first peak of {pair}: {ours[pair]:.3f} in the 120-particle run, "
              f"{tiled[pair]:.3f} in the tiled run (bins of {width:.2f})")
        check(abs(ours[pair] - tiled[pair]) <= width,
              f"{pair}: first peak at {tiled[pair]:.3f} tiled, {ours[pair]:.3f} alone")


def png_size(path):
    """(width, height) from a PNG file's header, or None."""
    head = open(path, "rb").read(24) if os.path.exists(path) else b""
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def movie_frames(path, work):
    """The frames ffprobe decodes in a movie; None without ffprobe."""
    if not shutil.which("ffprobe"):
        return None
    done = run(["ffprobe", "-v", "error", "-select_streams", "v:0", "-count_frames",
                "-show_entries", "stream=nb_read_frames", "-of", "csv=p=0", path], work)
    return int(done.stdout.strip()) if done.returncode == 0 and done.stdout.strip() else -1


def pictures_of_run(work):
    """The run of the salt crystal tiled 2 x 2 x 2 drawn by --snapshot and filmed by --movie:
    every frame of the dump in the movie, a cut dump's last frame left out and told, a dump
    of another export refused with nothing written."""
    frames = len(custom_frames(os.path.join(work, "zen1x8", "dump.zen1")))
    check(frames == 3, f"zen1 x 8: {frames} dump frames, not 3")
    done = run([EXE, "--snapshot", "zen1x8", "x8.png"], work)
    check(done.returncode == 0 and "960 particles" in done.stderr
          and png_size(os.path.join(work, "x8.png")) == (800, 700),
          f"snapshot of zen1 x 8: {done.stderr}")
    done = run([EXE, "--movie", "zen1x8/in.zen1", "x8.mp4"], work)
    counted = movie_frames("x8.mp4", work)
    check(done.returncode == 0 and f"{frames} frames of 960 particles" in done.stderr
          and counted in (None, frames), f"movie of zen1 x 8: {counted} frames; {done.stderr}")

    cut = os.path.join(work, "x8cut")
    shutil.copytree(os.path.join(work, "zen1x8"), cut)
    text = open(os.path.join(cut, "dump.zen1")).read()
    open(os.path.join(cut, "dump.zen1"), "w").write(text[:-100])
    done = run([EXE, "--movie", "x8cut", "cut.mp4"], work)
    counted = movie_frames("cut.mp4", work)
    check(done.returncode == 0 and "the last frame is cut short and left out" in done.stderr
          and f"{frames - 1} frames of 960 particles" in done.stderr
          and counted in (None, frames - 1), f"movie of a cut dump: {counted}; {done.stderr}")

    shutil.copy(os.path.join(work, "zen1", "dump.zen1"), os.path.join(cut, "dump.zen1"))
    for command, out in (("--snapshot", "foreign.png"), ("--movie", "foreign.mp4")):
        done = run([EXE, command, "x8cut", out], work)
        check(done.returncode == 1 and "x8cut/dump.zen1:8: a dump of another export: 120 atoms, "
              "the manifest's 960" in done.stderr and not os.path.exists(os.path.join(work, out)),
              f"{command} of a foreign dump: {done.stderr}")


def hostile(work):
    """Names and states that must not reach LAMMPS as they are: each export either runs in
    lmp as written, or is refused in one line with nothing written."""
    os.mkdir(os.path.join(work, "evil\nshell touch PWNED\n"))
    for project in ("evil\nshell touch PWNED\n/p.zpr", "my run.zpr", "v$x.zpr", "a\tb#c&.zpr"):
        shutil.copy(os.path.join(DATA, "demo.zpr"), os.path.join(work, project))
    # Name of the project, options -> what must happen ("runs" or a part of the refusal).
    cases = [
        ("evil\nshell touch PWNED\n/p.zpr", [], "runs"),
        ("my run.zpr", [], "runs"),
        ("v$x.zpr", [], "runs"),
        ("a\tb#c&.zpr", [], "runs"),
        ("my run.zpr", ["--steps", "2147483648"], "from 0 to 2147483647"),
        ("far.zpr", ["--from-sta"], "far.sta:4: the y coordinate of particle 1 is 1e+300"),
    ]
    shutil.copy(os.path.join(DATA, "demo.zpr"), os.path.join(work, "far.zpr"))
    calc = run([EXE, "--calculate", "far.zpr", "--steps", "300", "--seed", "2"], work)
    check(calc.returncode == 0, f"far: {calc.stderr}")
    lines = open(os.path.join(work, "far.sta"), newline="").read().split("\r\n")
    lines[3] = "1e300"
    open(os.path.join(work, "far.sta"), "w", newline="").write("\r\n".join(lines))
    for k, (project, options, expected) in enumerate(cases):
        folder = os.path.join(work, f"hostile{k}")
        done = run([EXE, "--export-lammps", project, folder, "--seed", "1", *options], work)
        what = f"{project!r} {' '.join(options)}"
        if expected != "runs":
            check(done.returncode == 1 and expected in done.stderr and not os.path.exists(folder)
                  and len(done.stderr.strip().splitlines()) <= 2, f"{what}: {done.stderr}")
            continue
        check(done.returncode == 0, f"{what}: {done.stderr}")
        scripts = [name for name in os.listdir(folder) if name.startswith("in.")] \
            if os.path.isdir(folder) else []
        check(len(scripts) == 1, f"{what}: one input script in {scripts}")
        if len(scripts) == 1:
            rows = lammps(folder, scripts[0][3:], "steps", 300)
            check(len(rows) == 2 and np.isfinite(rows).all(), f"{what}: thermo {rows}")
    pwned = [os.path.join(d, f) for d, _, files in os.walk(work) for f in files if f == "PWNED"]
    check(not pwned, f"a command from a file name ran: {pwned}")


def table(work):
    worst = 0.0
    for stem in ("zen1", "zen4", "zen5", "zen6"):
        shutil.copy(os.path.join(DATA, stem + ".zpr"), work)
        folder = export(work, stem + ".zpr", stem, "--seed", "1")
        script = [line for line in open(os.path.join(folder, f"in.{stem}"))
                  if line.split()[:1] and line.split()[0] in
                  ("units", "atom_style", "boundary", "read_data", "pair_style", "pair_coeff")]
        types = int(open(os.path.join(folder, f"data.{stem}")).read().split(" atom types")[0]
                    .split()[-1])
        pairs = [(i, j) for i in range(1, types + 1) for j in range(i, types + 1)]
        # 50 distances 0.7 apart from 3.0 to 37.3: each is one of --force-table's rows.
        script += [f"pair_write {i} {j} 50 r 3.0 37.3 written.txt T{i}_{j}\n" for i, j in pairs]
        with open(os.path.join(folder, "write.in"), "w") as f:
            f.writelines(script)
        done = run_lmp([LMP, "-in", "write.in", "-log", "none", "-screen", "none"], folder)
        check(done.returncode == 0, f"{stem}: pair_write: {done.stdout[-300:]}{done.stderr[-300:]}")
        if done.returncode != 0:
            continue
        sections = open(os.path.join(folder, "written.txt")).read().split("\nT")[1:]
        check(len(sections) == len(pairs), f"{stem}: {len(sections)} tables written")
        for (i, j), section in zip(pairs, sections):
            rows = [line.split() for line in section.splitlines()[3:]
                    if line.strip() and not line.startswith("#")]
            csv = run([EXE, "--force-table", f"{stem}.zpr", str(i), str(j)], work).stdout
            law = {round(float(d) * 10): float(f) for d, f in
                   (line.split(",") for line in csv.splitlines()[1:])}
            check(len(rows) == 50, f"{stem} {i}-{j}: {len(rows)} rows")
            for row in rows:
                r, force = float(row[1]), float(row[3])
                model = law[round(r * 10)]
                if abs(model) >= 400:  # the plotted curve is clamped there; the table is not
                    continue
                expected = -25.0 * model  # the scalar pulls; its vector is 25 times as long
                error = abs(force - expected) / max(abs(expected), 25.0 * 0.01)
                worst = max(worst, error)
                check(error < 1e-4, f"{stem} {i}-{j} at r = {r}: {force} against {expected}")
    print(f"largest relative difference of the table from the law: {worst:.2e}")


# Projects whose forces outweigh the bath's kicks by far, so that two runs from the same
# placement stay on nearly the same path: ions of masses 2 to 4 under a strong law.
STRONG_IONS = ("Ions", 1.0, 0.4, 1.0, [(40, 2.0, 2, 7.0), (80, 3.5, -1, 8.0)])
STRONG_FIVE = ("Five", 0.5, 0.0, 1.0,
               [(20, 4.0, 2, 8.0), (40, 1.0, 1, 5.0), (40, 1.0, -1, 5.0), (20, 4.0, -2, 8.0),
                (30, 2.0, 0, 6.0)])


def same_run(work, stem, steps, seed, project=None):
    """A calculation and a LAMMPS run from the same placement: mean kinetic energies per
    frame, the frames of both and LAMMPS's thermo rows. The example STEM, or `project` (the
    arguments of write_project) under the folder name STEM."""
    folder = os.path.join(work, stem)
    os.mkdir(folder)
    if project:
        write_project(os.path.join(folder, "p.zpr"), *project)
    else:
        shutil.copy(os.path.join(DATA, stem + ".zpr"), os.path.join(folder, "p.zpr"))
    calc = run([EXE, "--calculate", "p.zpr", "--steps", str(steps), "--seed", str(seed),
                "--report=csv"], folder)
    check(calc.returncode == 0, f"{stem}: {calc.stderr}")
    ours = np.array([[float(v) for v in line.split(",")] for line in
                     calc.stdout.splitlines()[1:]])[:, 3]
    rows = lammps(export(folder, "p.zpr", "out", "--steps", str(steps), "--seed", str(seed)), "p")
    return (ours, rows[1:, 2], his_frames(os.path.join(folder, "p.his")),
            xyz_frames(os.path.join(folder, "out", "dump.p.xyz"))[1:], rows[1:])


def physics(work):
    # Both runs start from the same placement, and the forces outweigh the kicks by far
    # (kinetic energies of hundreds against a bath's kT of 0.1), so over 3,000 steps they
    # follow nearly the same path: the kicks' realisations, the frozen far force and the
    # integrators part them by about 1 % in these readings. 5 % catches a wrong law, wall,
    # mass, step or unit (each moves them by far more) without failing on noise.
    ours, theirs, _, _, _ = same_run(work, "ions", 3000, 5, STRONG_IONS)
    a, b = ours[2:].mean(), theirs[2:].mean()
    print(f"strong ions, mean kinetic energy per particle: {a:.1f} here, {b:.1f} in LAMMPS")
    check(abs(a - b) < 0.05 * a, "strong ions: mean kinetic energy")

    _, _, his, dump, rows = same_run(work, "zen2", 3000, 3)
    # The log's radius of gyration is the readings file's, every particle counting the same:
    # weighed by the masses (4 and 1) it would differ by some 0.5 %.
    logged = np.array([gyration(x) for _, x in dump])
    check(np.allclose(rows[:, 5], logged, rtol=1e-5), "LAMMPS's radius of gyration is unweighted")
    a, b = gyration(his[-1][1]), gyration(dump[-1][1])
    shrink_a, shrink_b = gyration(his[0][1]) - a, gyration(dump[0][1]) - b
    print(f"gravitational collapse, radius of gyration: {a:.2f} here, {b:.2f} in LAMMPS; "
          f"shrunk by {shrink_a:.2f} and {shrink_b:.2f}")
    check(abs(a - b) < 0.05 * a and abs(shrink_a - shrink_b) < 0.2 * shrink_a,
          "gravitational collapse: radius of gyration")

    _, _, his, dump, _ = same_run(work, "zen4", 3000, 3)
    ratio_a = gyration(his[-1][1][his[-1][0] == 1]) / gyration(his[-1][1][his[-1][0] == 2])
    ratio_b = (gyration(dump[-1][1][dump[-1][0] == "H"]) /
               gyration(dump[-1][1][dump[-1][0] == "He"]))
    print(f"two kinds: radius of gyration of kind 1 over kind 2: {ratio_a:.3f} here, "
          f"{ratio_b:.3f} in LAMMPS")
    check(ratio_a > 1.05 and abs(ratio_a - ratio_b) < 0.05 * ratio_a, "two kinds: separation")

    # Walls: K = 20 neighbour slots push back with 20 x 400 x depth^2, so a particle goes as
    # deep past them here as in LAMMPS; walls of 400 alone would let it in 20^(1/3) = 2.7
    # times as deep. The mean depth of the particles found past them (some 40 in the frames
    # of the five kinds) differs by a few per cent between the two.
    _, _, his, dump, _ = same_run(work, "five", 3000, 3, STRONG_FIVE)
    a, b = wall_depths(his, -47.0, 47.0), wall_depths(dump, 3.0, 97.0)
    print(f"walls: {len(a)} particles {a.mean():.3f} deep on average here, {len(b)} "
          f"{b.mean():.3f} deep in LAMMPS")
    check(len(a) >= 20 and len(b) >= 20 and abs(a.mean() - b.mean()) < 0.25 * a.mean(),
          "walls: depth of the particles past them")

    # Kicks and damping alone (no law): the bath's temperature per type, kT = 0.592 K
    # 400^2/12 h / (2 gamma m), gives the mean kinetic energy 3/2 kT, here and in LAMMPS. The
    # noise of 200 particles over 25 frames is about 2 %; a bath taking one evaluation's
    # kicks in full per step (no 0.592) would be 69 % too hot.
    folder = os.path.join(work, "gas")
    os.mkdir(folder)
    write_project(os.path.join(folder, "gas.zpr"), "Gas", 0.0, 0.0, 0.0,
                  [(100, 1.0, 0, 6.0), (100, 4.0, 0, 6.0)])
    calc = run([EXE, "--calculate", "gas.zpr", "--steps", "9000", "--seed", "6", "--report=csv"],
               folder)
    ours = np.array([float(line.split(",")[3]) for line in calc.stdout.splitlines()[1:]])
    rows = lammps(export(folder, "gas.zpr", "out", "--steps", "9000", "--seed", "6"), "gas")
    kT = 0.5923611 * 20 * 400 ** 2 / 12 * 5e-5 / (2 * 20.0)
    expected = 1.5 * (kT / 1.0 + kT / 4.0) / 2
    a, b = ours[4:].mean(), rows[5:, 2].mean()
    print(f"bath alone: mean kinetic energy {a:.4f} here, {b:.4f} in LAMMPS, {expected:.4f} "
          f"expected")
    check(abs(a - expected) < 0.08 * expected and abs(b - expected) < 0.08 * expected,
          "bath: mean kinetic energy")

    # No damping, no kicks: velocity Verlet keeps the total energy (walls included) to its
    # own error, a small fraction of the energy the particles gain from the law.
    folder = os.path.join(work, "still")
    os.mkdir(folder)
    shutil.copy(os.path.join(DATA, "zen3.zpr"), os.path.join(folder, "p.zpr"))
    write_settings(folder, 2e-5, 0.0)
    rows = lammps(export(folder, "p.zpr", "out", "--steps", "3000", "--seed", "8"), "p",
                  "kicks", 0)
    drift = np.abs(rows[:, 4] - rows[0, 4]).max()
    print(f"energy without damping and kicks: kinetic {rows[-1, 2]:.1f} per particle gained, "
          f"total drifts by at most {drift:.3g}")
    check(rows[-1, 2] > 1.0 and drift < 1e-3 * rows[-1, 2], "energy conservation")


def main():
    work = tempfile.mkdtemp(prefix="zentova-lammps-")
    try:
        {"runs": runs, "table": table, "physics": physics}[sys.argv[3]](work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
