#!/usr/bin/env python3
"""The numbers of --analyse checked against MDAnalysis and against the model's own physics.

1. g(r) of the six examples against MDAnalysis's InterRDF run on the --export-xyz file of
   the same frames (the second half). InterRDF normalises for an endless periodic box; the
   program for the walled cube. So InterRDF's raw pair counts are put through the cube's
   normalisation here, and the program's g(r) back to counts, and the counts compared bin by
   bin: they may differ by 2 pairs plus 1 % (MDAnalysis keeps positions as 32-bit floats, so
   a pair within a rounding of a bin edge can land in the next bin). The cube's normalisation,
   the exact distance distribution of uniform points in a cube, is itself checked against
   points drawn at random here.
2. The salt crystal (zen1): the first peak of g(r) between its two types lies within 10 % of
   the distance at which the force law between them balances (the sum of gravity, charge and
   core terms is zero), found here by bisection on the law.
3. A project with all three coefficients 0 (damping and kicks only): its mean square
   displacement grows at long lags with the slope the random walk of the kicks predicts.
   With no forces every derivative is (velocity, kicks / m - gamma * velocity), and each
   step adds the same combination c_k of its derivatives to position and velocity, so over
   any stretch  gamma * (x(T) - x(0)) = N(T) - (v(T) - v(0)),  N being the sum of the kicks
   weighted by h * c_k / m. The velocity change stays bounded, so at long times the mean
   square displacement per axis grows as Var N(T) / gamma^2. Each derivative carries a fresh
   kick per axis: the sum of K uniform numbers on [-200, 200), variance K * 400^2 / 12. In a
   cycle of 20 steps the three midpoint steps use the kick of their second derivative with
   weight h; the 17 Adams steps weigh the predicted derivative's kick 5h/12 and the present
   one's 8h/12, less h/12 for the kick of the step before (so the present kick of passes 4..19
   counts 7h/12, that of pass 20 8h/12, and the first derivative of midpoint pass 3 -h/12).
   Var N per cycle = (h/m)^2 * K * 400^2/12 * (3 + (17*25 + 16*49 + 64 + 1) / 144),
   so the slope of the three-axis displacement is 3 * that / (20 h gamma^2).

Usage: analysis_check.py ZENTOVA_EXE DATA_DIR
Exit 77 (skipped) when numpy is missing; without MDAnalysis only 1. is left out.
"""
import csv
import math
import os
import shutil
import subprocess
import sys
import tempfile
import warnings

try:
    import numpy as np
except ImportError as missing:
    print(f"skipped: {missing} (install python3-numpy)")
    sys.exit(77)
try:
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        import MDAnalysis as mda
        from MDAnalysis.analysis.rdf import InterRDF
        from MDAnalysis.transformations.boxdimensions import set_dimensions
except ImportError as missing:
    mda = None
    print(f"g(r) not compared with InterRDF: {missing} (install python3-mdanalysis)")

CUBE_HALF = 50.0
EDGE = 2 * (CUBE_HALF - 3)  # the walls' region
BIN, RANGE = 0.1, 25.0
STEP, DAMPING = 0.00005, 20.0  # the start-up settings (no setupek.dat in the work folder)
ELEMENTS = ["", "H", "He", "Li", "Be", "B", "C", "N", "O", "F", "Ne",
            "Na", "Mg", "Al", "Si", "P", "S", "Cl", "Ar", "K", "Ca"]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def cube_cumulative(r, e=EDGE):
    x = np.clip(np.asarray(r) / e, 0.0, 1.0)
    return 4 * math.pi / 3 * x**3 - 1.5 * math.pi * x**4 + 1.6 * x**5 - x**6 / 6


def read_project(path):
    with open(path, encoding="cp1252") as f:
        lines = [line.strip() for line in f]
    ae, ag, ar = (float(lines[k]) for k in (1, 2, 3))
    types = []
    for k in range(int(lines[4])):
        block = lines[5 + 7 * k:12 + 7 * k]
        types.append({"count": int(block[0]), "mass": float(block[1]),
                      "charge": int(block[2]), "diameter": float(block[3])})
    return ae, ag, ar, types


def number_or_text(value):
    try:
        return float(value)
    except ValueError:
        return value  # "no clear peak", "no clear dip", or empty beside them


def read_csv(path):
    with open(path) as f:
        rows = list(csv.reader(f))
    return rows[0], [[number_or_text(v) for v in row] for row in rows[1:]]


def zentova(exe, *args, cwd):
    run = subprocess.run([exe, *args], cwd=cwd, capture_output=True, text=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    if run.returncode != 0:
        raise SystemExit(f"zentova {' '.join(args)} failed: {run.stderr}")
    return run


def check_cube_distribution():
    rng = np.random.default_rng(19)
    a = rng.uniform(0, EDGE, (2_000_000, 3))
    b = rng.uniform(0, EDGE, (2_000_000, 3))
    d = np.linalg.norm(a - b, axis=1)
    for r in (5.0, 25.0, 47.0, 90.0):
        share = np.mean(d < r)
        error = 4 * math.sqrt(share * (1 - share) / len(d)) + 1e-6
        check(abs(share - cube_cumulative(r)) < error,
              f"cube distances below {r}: drawn {share:.6f}, formula {cube_cumulative(r):.6f}")


def analyse_examples(exe, data, work):
    """--analyse and --export-xyz of the six examples, into STEM-analysis and STEM.xyz."""
    for number in range(1, 7):
        stem = f"zen{number}"
        for ext in (".zpr", ".his"):
            shutil.copy(os.path.join(data, stem + ext), work)
        zentova(exe, "--analyse", stem + ".zpr", "--out", stem + "-analysis", cwd=work)
        zentova(exe, "--export-xyz", stem + ".zpr", cwd=work)


def check_rdf_against_mdanalysis(work):
    edges = np.arange(0, RANGE + BIN / 2, BIN)
    share = np.diff(cube_cumulative(edges))
    for number in range(1, 7):
        stem = f"zen{number}"
        header, rows = read_csv(os.path.join(work, stem + "-analysis", "rdf.csv"))
        ours = np.array(rows)
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            u = mda.Universe(os.path.join(work, stem + ".xyz"), format="XYZ")
            # Walls, not a periodic box: a box far larger than the cube keeps InterRDF from
            # folding pairs across it.
            u.trajectory.add_transformations(set_dimensions([1000, 1000, 1000, 90, 90, 90]))
        frames = len(u.trajectory)
        start = frames // 2
        used = frames - start
        for column, name in enumerate(header[1:], start=1):
            a, b = (int(t) for t in name.split("_")[1:3])
            ga = u.select_atoms(f"name {ELEMENTS[a]}")
            gb = u.select_atoms(f"name {ELEMENTS[b]}")
            with warnings.catch_warnings():
                warnings.simplefilter("ignore")
                rdf = InterRDF(ga, gb, nbins=len(share), range=(0.0, RANGE),
                               exclusion_block=(1, 1) if a == b else None)
                rdf.run(start=start)
            counts = rdf.results.count.astype(float)
            pairs = len(ga) * len(gb)
            if a == b:  # InterRDF counts each like pair both ways
                counts /= 2
                pairs = len(ga) * (len(ga) - 1) / 2
            expected = pairs * used * share
            ours_counts = ours[:, column] * expected
            worst = np.max(np.abs(ours_counts - counts) - (2 + 0.01 * counts))
            check(worst <= 0, f"{stem} g_{a}_{b}: counts differ from InterRDF's by more than "
                              f"2 + 1 % (worst excess {worst:.2f})")
            theirs_g = np.where(expected > 0, counts / np.where(expected > 0, expected, 1), 0)
            peak = np.argmax(theirs_g * (counts >= 10))
            print(f"{stem} g_{a}_{b}: {int(counts.sum())} pairs; tallest bin r = "
                  f"{(peak + 0.5) * BIN:.2f}: InterRDF {theirs_g[peak]:.3f}, "
                  f"zentova {ours[peak, column]:.3f}")


def balance_distance(ae, ag, ar, ti, tj):
    """Scaled distance where the force law between two types is zero (bisection)."""
    core = (ti["diameter"] + tj["diameter"]) * 10 * 0.0016 * CUBE_HALF / 500

    def force(d):
        s2 = d * d
        gap = max(d - core, 0.001)
        return (ag * ti["mass"] * tj["mass"] / s2 - ae * 10 * ti["charge"] * tj["charge"] / s2
                - ar * 0.1 / gap**4)

    low, high = core + 0.001, 10.0  # repelling inside, attracting far out
    assert force(low) < 0 < force(high)
    for _ in range(200):
        middle = (low + high) / 2
        low, high = (middle, high) if force(middle) < 0 else (low, middle)
    return low


def check_crystal_peak(work):
    ae, ag, ar, types = read_project(os.path.join(work, "zen1.zpr"))
    balance = balance_distance(ae, ag, ar, types[0], types[1]) / 0.04  # to cube units
    header, rows = read_csv(os.path.join(work, "zen1-analysis", "coordination.csv"))
    peak = next(row[2] for row in rows if row[0] == 1 and row[1] == 2)
    print(f"zen1: first unlike peak at {peak:.2f}, the law balances at {balance:.3f} cube units")
    check(abs(peak - balance) <= 0.10 * balance,
          f"zen1 first 1-2 peak {peak:.2f} not within 10 % of the balance {balance:.3f}")


def check_random_walk(exe, work):
    count, mass = 200, 1.0
    lines = ["Random walk", " 0.0", " 0.0", " 0.0", "1",
             str(count), str(mass), "0", "6.0", "255", "255", "255"]
    with open(os.path.join(work, "walk.zpr"), "w", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))
    zentova(exe, "--calculate", "walk.zpr", "--steps", "30000", "--seed", "7", cwd=work)
    out = os.path.join(work, "walk-analysis")
    zentova(exe, "--analyse", "walk.zpr", "--out", out, "--from", "0", cwd=work)
    _, rows = read_csv(os.path.join(out, "msd.csv"))
    lags = np.array([row[0] for row in rows])
    msd = np.array([row[1] for row in rows])
    neighbours = min(20, count - 1)
    weights = 3 + (17 * 25 + 16 * 49 + 64 + 1) / 144
    per_cycle = (STEP / mass) ** 2 * neighbours * 400**2 / 12 * weights
    predicted = 3 * per_cycle / (20 * STEP * DAMPING**2)
    late = lags >= 5 / DAMPING  # five relaxation times of the velocity
    slope = np.polyfit(lags[late], msd[late], 1)[0]
    print(f"random walk: slope {slope:.5f} cube units^2 per time unit, predicted {predicted:.5f}")
    check(abs(slope - predicted) <= 0.1 * predicted,
          f"random walk slope {slope:.5f} not within 10 % of {predicted:.5f}")


def main():
    exe, data = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    work = tempfile.mkdtemp(prefix="zentova-analysis-")
    try:
        check_cube_distribution()
        analyse_examples(exe, data, work)
        if mda:
            check_rdf_against_mdanalysis(work)
        check_crystal_peak(work)
        check_random_walk(exe, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("ok" if not failures else f"{len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
