#!/usr/bin/env python3
"""The extended XYZ export read back by ASE and MDAnalysis, checked against the ".his".

The export puts the cube from 0 to 100 (the readers' lattice starts at the origin), so
every coordinate is the trajectory's plus 50, which the comment line says (ShiftFromHis).

Usage: xyz_readback.py ZENTOVA_EXE DATA_DIR
Exit 77 (skipped) when either library is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import warnings

try:
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")  # the libraries' own deprecations
        import numpy as np
        import ase.io
        import MDAnalysis as mda
except ImportError as missing:
    print(f"skipped: {missing} (install python3-ase and python3-mdanalysis)")
    sys.exit(77)

ELEMENTS = ["", "H", "He", "Li", "Be", "B", "C", "N", "O", "F", "Ne",
            "Na", "Mg", "Al", "Si", "P", "S", "Cl", "Ar", "K", "Ca"]


def read_his(path):
    """Frames of a trajectory as (time, types, positions): one value per line."""
    with open(path) as f:
        values = [line.split()[0] for line in f if line.strip()]
    frames, i = [], 0
    while i < len(values):
        n, t = int(values[i]), float(values[i + 1])
        i += 2
        block = values[i:i + 4 * n]
        i += 4 * n
        types = [int(block[4 * p + 3]) for p in range(n)]
        xyz = np.array([[float(block[4 * p + c]) for c in range(3)] for p in range(n)])
        frames.append((t, types, xyz))
    return frames


def read_diameters(path):
    """Display diameter of each type from a project file."""
    with open(path, encoding="cp1252") as f:
        lines = [line.strip() for line in f]
    type_count = int(lines[4])
    return {k + 1: float(lines[5 + 7 * k + 3]) for k in range(type_count)}


def main():
    exe, data = os.path.abspath(sys.argv[1]), sys.argv[2]
    work = tempfile.mkdtemp(prefix="zentova-xyz-")
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)

    try:
        shutil.copy(os.path.join(data, "demo.zpr"), work)
        run = lambda *args: subprocess.run([exe, *args], cwd=work, capture_output=True,
                                           text=True)
        calc = run("--calculate", "demo.zpr", "--steps", "2400", "--seed", "7")
        if calc.returncode != 0:
            print(calc.stderr)
            return 1
        export = run("--export-xyz", "demo.zpr")
        if export.returncode != 0:
            print(export.stderr)
            return 1

        his = read_his(os.path.join(work, "demo.his"))
        diameters = read_diameters(os.path.join(work, "demo.zpr"))
        xyz = os.path.join(work, "demo.xyz")
        check(len(his) == 8, f"{len(his)} frames in the .his, expected 8")

        # ASE: every frame with its cell, boundaries, time, species, positions and radii.
        frames = ase.io.read(xyz, index=":", format="extxyz")
        check(len(frames) == len(his), f"ASE reads {len(frames)} frames of {len(his)}")
        for k, (atoms, (t, types, pos)) in enumerate(zip(frames, his)):
            where = f"frame {k + 1}"
            check(len(atoms) == len(types), f"{where}: {len(atoms)} atoms, not {len(types)}")
            check(abs(atoms.info.get("Time", float("nan")) - t) < 1e-9,
                  f"{where}: Time {atoms.info.get('Time')} != {t}")
            check(not atoms.pbc.any(), f"{where}: periodic {atoms.pbc}")
            check(np.allclose(atoms.cell.array, np.diag([100.0] * 3)),
                  f"{where}: cell {atoms.cell.array.tolist()}")
            check(atoms.get_chemical_symbols() == [ELEMENTS[t] for t in types],
                  f"{where}: species differ")
            shift = np.asarray(atoms.info.get("ShiftFromHis", [np.nan] * 3), dtype=float)
            check(np.allclose(shift, 50.0), f"{where}: ShiftFromHis {shift}")
            check(np.abs(atoms.positions - (pos + 50.0)).max() < 1e-9,
                  f"{where}: positions differ")
            # Where ASE places them: inside the cell, by the fractions it would hand on to
            # another format (no particle of this run reaches the soft walls).
            scaled = atoms.get_scaled_positions(wrap=False)
            check(scaled.min() > 0.0 and scaled.max() < 1.0,
                  f"{where}: fractional coordinates {scaled.min():.3f} to {scaled.max():.3f}")
            radii = np.array([diameters[t] * 0.02 / 0.085 for t in types])
            check(np.abs(atoms.arrays["radius"] - radii).max() < 1e-4, f"{where}: radii")

        # MDAnalysis: the plain XYZ reading of species and the first three columns.
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            universe = mda.Universe(xyz, format="XYZ")
        check(universe.trajectory.n_frames == len(his),
              f"MDAnalysis reads {universe.trajectory.n_frames} frames of {len(his)}")
        check(list(universe.atoms.names) == [ELEMENTS[t] for t in his[0][1]],
              "MDAnalysis: names differ")
        for k, ts in enumerate(universe.trajectory):
            check(np.abs(ts.positions - (his[k][2] + 50.0)).max() < 1e-3,
                  f"MDAnalysis frame {k + 1}: positions differ")
    finally:
        shutil.rmtree(work, ignore_errors=True)

    for failure in failures[:20]:
        print("FAIL:", failure)
    print(f"{len(his)} frames read back by ASE {ase.__version__} and MDAnalysis "
          f"{mda.__version__}: {'ok' if not failures else f'{len(failures)} failures'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
