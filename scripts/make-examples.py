#!/usr/bin/env python3
"""Writes the six example projects data/zen1.zpr .. data/zen6.zpr in the program's project
format (name line, ae, ag, ar, type count, then per type count, mass, charge, diameter and
the colour; reals in the 23-character exponential form; CR LF line ends).

    python3 scripts/make-examples.py [ZENTOVA]

With the path of the program, each example's history (.his), final state (.sta) and
readings (.readings.csv, a line per frame) are computed too, in data/, with the start-up settings (no setupek.dat) and a fixed seed, so
the shipped files are the same on every machine.
"""
import os
import subprocess
import sys
import tempfile

# Steps of the shipped histories: a frame every 300 steps. The 200-particle showpiece gets
# fewer, to keep its history under 400 kB; the ionic crystal more, so that the second half
# of its history, which --analyse takes, shows the crystal after the lump has gathered
# (about t = 1.5).
SHIPPED_STEPS = {1: 60000, 2: 30000, 3: 30000, 4: 30000, 5: 30000, 6: 18000}

# Each example: file number, name (short: the project summary shows it in a narrow panel),
# (ae, ag, ar), types as (count, mass, charge, diameter, (red, green, blue)).
# 1: opposite charges (2+ and 1-) pair into molecules, then gravity gathers them into one
#    crystal lump. The ions are light (mass 0.05) and the law weak: the bath's kicks warm a
#    particle in inverse proportion to its mass, so that at the start-up bath the lump is a
#    crystal a little below its melting point. Kicks three times as strong melt it into a
#    liquid drop that gravity holds together; at the start-up bath it freezes again. With
#    stronger gravity the packed lump heats itself (the force of the far particles, held
#    between rebuilds, does work).
# 2: neutral masses only: heavy stars and light dust fall together into one cluster.
# 3: one kind of like charges: they spread out and press against the walls and corners.
# 4: charged light particles drive each other to the walls while heavy neutral ones gather
#    in the middle: two kinds separate into a core and a shell.
# 5: ions of charge 2+, 1+, 1-, 2- and neutral atoms without gravity: pairs and small
#    molecules form in a gas. Light particles, so that the bath keeps the neutral atoms
#    wandering between the molecules.
# 6: 200 particles of five kinds with charges and gravity: chains of ions that fold into
#    a many-coloured cluster.
EXAMPLES = [
    (1, "Ionic crystal 2+/1-", (0.008, 20.0, 0.01), [
        (40, 0.05, 2, 7.0, (255, 80, 80)),
        (80, 0.05, -1, 8.0, (40, 200, 60)),
    ]),
    (2, "Gravity collapse", (0.0, 0.5, 0.5), [
        (20, 4.0, 0, 9.0, (255, 200, 0)),
        (100, 1.0, 0, 4.0, (170, 110, 70)),
    ]),
    (3, "Like charges repel", (1.0, 0.0, 1.0), [
        (80, 1.0, 1, 6.0, (255, 70, 40)),
    ]),
    (4, "Core and shell", (1.0, 0.5, 1.0), [
        (40, 1.0, 1, 5.0, (255, 150, 30)),
        (80, 3.0, 0, 8.0, (40, 90, 255)),
    ]),
    (5, "Plasma of five kinds", (0.1, 0.0, 0.12), [
        (20, 0.2, 2, 8.0, (255, 40, 40)),
        (40, 0.05, 1, 5.0, (255, 160, 160)),
        (40, 0.05, -1, 5.0, (120, 160, 255)),
        (20, 0.2, -2, 8.0, (30, 50, 255)),
        (30, 0.05, 0, 6.0, (200, 200, 200)),
    ]),
    (6, "Showpiece: 200", (1.0, 0.2, 1.0), [
        (40, 2.0, 1, 6.0, (255, 60, 60)),
        (40, 2.0, -1, 6.0, (60, 120, 255)),
        (20, 4.0, 2, 9.0, (255, 200, 40)),
        (20, 4.0, -2, 9.0, (60, 220, 120)),
        (80, 1.0, 0, 4.0, (230, 230, 255)),
    ]),
]


def real(value):
    """The 23-character form: sign or blank, d.dddddddddddddd, E, sign, four digits."""
    mantissa, exponent = f"{value:.14E}".split("E")
    sign = "-" if mantissa.startswith("-") else " "
    exp = int(exponent)
    return f"{sign}{mantissa.lstrip('-')}E{'-' if exp < 0 else '+'}{abs(exp):04d}"


def project_text(name, coefficients, types):
    lines = [name] + [real(c) for c in coefficients] + [str(len(types))]
    for count, mass, charge, diameter, (r, g, b) in types:
        lines += [str(count), real(mass), str(charge), real(diameter), str(r), str(g), str(b)]
    return "".join(line + "\r\n" for line in lines)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    data = os.path.join(root, "data")
    program = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else None
    for number, name, coefficients, types in EXAMPLES:
        assert sum(t[0] for t in types) <= 200 and len(types) <= 20
        stem = os.path.join(data, f"zen{number}")
        with open(stem + ".zpr", "w", encoding="cp1252", newline="") as out:
            out.write(project_text(name, coefficients, types))
        if program:
            # In a folder of its own: no settings file, so the start-up step applies. The
            # program calculates no example, so a copy under another name is calculated.
            with tempfile.TemporaryDirectory() as work:
                copy = os.path.join(work, f"copy{number}")
                subprocess.run(["cp", stem + ".zpr", copy + ".zpr"], check=True)
                subprocess.run([program, "--calculate", f"copy{number}.zpr", "--steps",
                                str(SHIPPED_STEPS[number]), "--seed", str(number)],
                               cwd=work, check=True)
                for ext in (".his", ".sta", ".readings.csv"):
                    subprocess.run(["cp", copy + ext, stem + ext], check=True)
        print(stem + ".zpr")


if __name__ == "__main__":
    main()
