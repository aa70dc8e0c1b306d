#!/usr/bin/env python3
"""What the manual tells a class about each example, checked by the program's own analysis.

Each example is analysed twice: its shipped history (what the manual's pictures show), and a
fresh calculation of a copy with another fixed seed and as many steps as the shipped one (so
that the story is the project's, not one lucky trajectory's). --analyse takes the second half
of either. Standard library only.

Usage: stories_test.py ZENTOVA_EXE DATA_DIR
"""
import csv
import os
import shutil
import subprocess
import sys
import tempfile

EXE, DATA = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
STEPS = {1: 60000, 2: 30000, 3: 30000, 4: 30000, 5: 30000, 6: 18000}
FRESH_SEED = 11
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def zentova(*args, cwd):
    done = subprocess.run([EXE, *args], cwd=cwd, capture_output=True, text=True)
    if done.returncode != 0:
        raise SystemExit(f"zentova {' '.join(args)} failed: {done.stderr}")
    return done.stdout


def rows_of(path):
    with open(path, newline="") as f:
        return list(csv.DictReader(f))


def charges(project):
    """The charge of each type, from the project file."""
    lines = open(project, encoding="cp1252").read().splitlines()
    return [int(lines[5 + 7 * t + 2]) for t in range(int(lines[4]))]


class Analysis:
    def __init__(self, folder, project):
        self.peaks = {}  # (a, b) -> (first peak or None, neighbours of b around a or None)
        for row in rows_of(os.path.join(folder, "coordination.csv")):
            key = (int(row["type_a"]), int(row["type_b"]))
            peak = None if row["first_peak"] == "no clear peak" else float(row["first_peak"])
            count = row["neighbours_b_of_a"]
            self.peaks[key] = (peak, float(count) if count else None)
        self.msd = rows_of(os.path.join(folder, "msd.csv"))
        self.density = rows_of(os.path.join(folder, "density.csv"))
        self.energy = [float(r["mean_kinetic_energy"]) for r in
                       rows_of(os.path.splitext(project)[0] + ".readings.csv")]
        self.charges = charges(project)

    def peak(self, a, b):
        return self.peaks[(min(a, b), max(a, b))][0]

    def neighbours(self, a, b):
        return self.peaks[(a, b)][1]

    def middle_distance(self, t):
        """Mean distance of type t's particles from the centre of mass, from its shares."""
        shares = [(float(r["r"]), float(r[f"share_type_{t}"])) for r in self.density]
        return sum(r * s for r, s in shares) / sum(s for _, s in shares)

    def wander(self, t):
        """Mean square displacement of type t at the first and the last lag."""
        return float(self.msd[0][f"msd_type_{t}"]), float(self.msd[-1][f"msd_type_{t}"])

    def ion_pairs(self, sign):
        """Pairs of charged types whose charges have the product's sign `sign`."""
        q = self.charges
        return [(a + 1, b + 1) for a in range(len(q)) for b in range(a, len(q))
                if q[a] * q[b] * sign > 0]


def balance_distance(folder, project, a, b):
    """The first distance (cube units) where the law between a and b stops repelling."""
    table = zentova("--force-table", project, str(a), str(b), cwd=folder).splitlines()[1:]
    for line in table:
        distance, force = map(float, line.split(","))
        if force > 0:
            return distance
    return None


def salt_crystal(an, folder, project, where):
    contact = balance_distance(folder, project, 1, 2)
    peak = an.peak(1, 2)
    check(peak is not None and abs(peak - contact) <= 0.1 * contact,
          f"{where}: unlike first peak {peak} near the law's contact distance {contact}")
    # A 2+ ion in a crystal of twice as many 1- ions: 6 (rutile) to 8 (fluorite) of them.
    count = an.neighbours(1, 2)
    check(count is not None and 5.5 <= count <= 8.5,
          f"{where}: {count} 1- ions around each 2+ ion, as in a crystal")
    half = an.energy[len(an.energy) // 2:]
    check(max(half) < 100, f"{where}: kinetic energy bounded (at most {max(half):.1f})")
    first, last = an.wander(1)
    check(last < (peak or 0) ** 2 / 2,
          f"{where}: the ions stay at their places (displacement {last} at the last lag)")


def gravity_collapse(an, where):
    check(an.peak(2, 2) is not None, f"{where}: the dust gathers into a cluster")
    stars, dust = an.middle_distance(1), an.middle_distance(2)
    check(stars < dust, f"{where}: the heavy stars lie deeper ({stars:.1f}) than dust ({dust:.1f})")


def like_charges(an, where):
    check(an.peak(1, 1) is None, f"{where}: a gas, no clear peak")
    spread = an.middle_distance(1)
    check(spread > 40, f"{where}: pressed towards the walls at 47 ({spread:.1f} from the middle)")


def core_and_shell(an, where):
    count = an.neighbours(2, 2)
    check(count is not None and count >= 8, f"{where}: the neutral ones form a ball ({count})")
    check(an.peak(1, 1) is None and an.peak(1, 2) is None,
          f"{where}: the charged ones keep apart, from each other and from the ball")
    outer, inner = an.middle_distance(1), an.middle_distance(2)
    check(outer > 2 * inner, f"{where}: charged ones outside ({outer:.1f}), ball inside ({inner:.1f})")


def molecules(an, where, neutral):
    bound = [pair for pair in an.ion_pairs(-1) if an.peak(*pair) is not None]
    check(bound, f"{where}: opposite charges pair up ({bound})")
    like = [pair for pair in an.ion_pairs(+1) if an.peak(*pair) is not None]
    check(not like, f"{where}: like charges do not ({like})")
    first, last = an.wander(neutral)
    check(last > 5 * first and last > 1, f"{where}: the neutral ones wander ({first} to {last})")


def melting(work):
    """The manual's experiment: zen1's crystal heated to 9 times the setup's bath melts (the
    like ions' shells go, the ions wander), and freezes again at the setup's bath."""
    shutil.copy(os.path.join(DATA, "zen1.zpr"), os.path.join(work, "salt.zpr"))
    zentova("--calculate", "salt.zpr", "--steps", "180000", "--seed", "5", "--bath",
            "0:1,3:9,6:1", cwd=work)
    stretches = {}
    for name, start, end in (("before", 1.5, 3), ("hot", 4.5, 6), ("after", 7.5, 9)):
        zentova("--analyse", "salt.zpr", "--out", name, "--from", str(start), "--to", str(end),
                cwd=work)
        stretches[name] = Analysis(os.path.join(work, name), os.path.join(work, "salt.zpr"))
    wander = {name: an.wander(2)[1] for name, an in stretches.items()}
    check(wander["hot"] > 5 * wander["before"] and wander["hot"] > 5 * wander["after"],
          f"zen1 heated: the ions wander far more than in the crystal before and after ({wander})")
    shells = {name: an.neighbours(2, 2) for name, an in stretches.items()}
    check(shells["hot"] is None and shells["before"] is not None and shells["after"] is not None,
          f"zen1 heated: the 1- ions' shell melts away and comes back ({shells})")
    for name, an in stretches.items():
        count = an.neighbours(1, 2)
        check(count is not None and 7 <= count <= 9,
              f"zen1 {name}: eight 1- ions stay around each 2+ ion ({count})")


STORIES = {
    1: lambda an, folder, project, where: salt_crystal(an, folder, project, where),
    2: lambda an, folder, project, where: gravity_collapse(an, where),
    3: lambda an, folder, project, where: like_charges(an, where),
    4: lambda an, folder, project, where: core_and_shell(an, where),
    5: lambda an, folder, project, where: molecules(an, where, 5),
    6: lambda an, folder, project, where: molecules(an, where, 5),
}


def main():
    work = tempfile.mkdtemp(prefix="zentova-stories-")
    try:
        for n, story in STORIES.items():
            stem = f"zen{n}"
            for ext in (".zpr", ".his", ".sta", ".readings.csv"):
                shutil.copy(os.path.join(DATA, stem + ext), work)
            zentova("--analyse", stem + ".zpr", cwd=work)
            story(Analysis(os.path.join(work, stem + "-analysis"), os.path.join(work, stem + ".zpr")),
                  work, stem + ".zpr", f"{stem} as shipped")
            # The program calculates no example: a copy is calculated.
            copy = f"fresh{n}"
            shutil.copy(os.path.join(DATA, stem + ".zpr"), os.path.join(work, copy + ".zpr"))
            zentova("--calculate", copy + ".zpr", "--steps", str(STEPS[n]), "--seed",
                    str(FRESH_SEED), cwd=work)
            zentova("--analyse", copy + ".zpr", cwd=work)
            story(Analysis(os.path.join(work, copy + "-analysis"), os.path.join(work, copy + ".zpr")),
                  work, copy + ".zpr", f"{stem} calculated afresh")
        melting(work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        print(f"{len(failures)} of the stories do not hold")
        sys.exit(1)


if __name__ == "__main__":
    main()
