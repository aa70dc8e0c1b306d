#!/usr/bin/env python3
"""Writes the folder of a LAMMPS run as --export-lammps and LAMMPS leave it, for the
benchmarks of a run brought back: manifest.STEM, an empty in.STEM and dump.STEM with FRAMES
frames of two kinds of particles on a jittered lattice filling N x N x N cubes.

    make_run.py DIR PARTICLES_PER_CUBE N FRAMES
"""
import random
import sys


def main():
    folder, per_cube, n, frames = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    import os
    os.makedirs(folder, exist_ok=True)
    stem = "big"
    total = per_cube * n ** 3
    half = per_cube // 2
    counts = [half * n ** 3, (per_cube - half) * n ** 3]
    edge = 100.0
    with open(f"{folder}/manifest.{stem}", "w") as m:
        m.write("# What this folder was exported from\n")
        m.write("zentova_lammps_export 1\nproject_file big.zpr\nproject_name Big\n")
        m.write(f"stem {stem}\nparticles_per_cube {per_cube}\nreplicate {n} {n} {n}\n")
        m.write(f"particles {total}\nbox 0 {n*edge:g} 0 {n*edge:g} 0 {n*edge:g}\n")
        m.write("cube_edge 100\nstep 5e-05\nframe_interval 300\nstart_time 0\ntypes 2\n")
        m.write(f"type 1 {counts[0]} 2 8 255 60 60\ntype 2 {counts[1]} 3.5 12 60 200 255\n")
    open(f"{folder}/in.{stem}", "w").close()
    side = n * edge
    across = max(1, round(total ** (1 / 3)) + 1)
    spacing = side / across
    rng = random.Random(7)
    base = []
    for p in range(total):
        i, j, k = p % across, (p // across) % across, p // (across * across)
        base.append(((i + 0.5) * spacing, (j + 0.5) * spacing, (k + 0.5) * spacing))
    # Types by halves within each cube's count: the first counts[0] ids are type 1.
    with open(f"{folder}/dump.{stem}", "w") as d:
        for f in range(frames):
            d.write(f"ITEM: TIMESTEP\n{300 * f}\nITEM: NUMBER OF ATOMS\n{total}\n")
            d.write(f"ITEM: BOX BOUNDS ff ff ff\n0 {side:g}\n0 {side:g}\n0 {side:g}\n")
            d.write("ITEM: ATOMS id type x y z vx vy vz\n")
            lines = []
            for p, (x, y, z) in enumerate(base):
                t = 1 if p < counts[0] else 2
                s = 0.3 * spacing
                lines.append(f"{p+1} {t} {x + rng.uniform(-s, s):.4f} {y + rng.uniform(-s, s):.4f} "
                             f"{z + rng.uniform(-s, s):.4f} 0 0 0\n")
            d.write("".join(lines))


if __name__ == "__main__":
    main()
