#!/usr/bin/env python3
"""What the manual tells a class about each example, checked by the program's own analysis.

Each example is analysed twice: its shipped history (what the manual's pictures show), and a
fresh calculation of a copy with another fixed seed and as many steps as the shipped one (so
that the story is the project's, not one lucky trajectory's). --analyse takes the second half
of either. Standard library only.

Usage: stories_test.py ZENTOVA_EXE DATA_DIR
"""
import csv
import html
import os
import re
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
    # The page's words read here are the English ones, whatever the desktop's language.
    done = subprocess.run([EXE, "--language", "en", *args], cwd=cwd, capture_output=True,
                          text=True)
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


def g_of(folder, a, b):
    """g(r) of types a and b from rdf.csv, as (r, g) lists, averaged over three bins (0.3 cube
    units, the window the page's table judges a peak or a dip by)."""
    rows = rows_of(os.path.join(folder, "rdf.csv"))
    r = [float(row["r"]) for row in rows]
    g = [float(row[f"g_{a}_{b}"]) for row in rows]
    return r, [sum(g[max(0, i - 1):i + 2]) / len(g[max(0, i - 1):i + 2]) for i in range(len(g))]


def climb_after_dip(folder, a, b, peak):
    """The manual's measure of a shell beyond the first: the dip (the lowest point within 1.6
    times the first peak's distance) and how far g(r) climbs after it, within one more peak
    distance, over the dip's value, in per cent."""
    r, g = g_of(folder, a, b)
    dip = min((i for i in range(len(r)) if peak < r[i] <= 1.6 * peak), key=lambda i: g[i])
    high = max(g[i] for i in range(len(r)) if r[dip] < r[i] <= r[dip] + peak)
    return r[dip], 100 * (high / g[dip] - 1)


def mean_energy(project, start, end):
    """The mean kinetic energy per particle of the readings from start to end."""
    rows = rows_of(os.path.splitext(project)[0] + ".readings.csv")
    e = [float(r["mean_kinetic_energy"]) for r in rows if start - 5e-4 <= float(r["time"]) <= end + 5e-4]
    return sum(e) / len(e)


def manual_melting():
    """The manual's melting section: its text without tags, and its table's rows by label."""
    text = open(os.path.join(DATA, "Zentova.html"), encoding="utf-8").read()
    section = text[text.index('<h3 id="melting">'):]
    section = section[:section.index("<h2")]
    plain = lambda t: " ".join(html.unescape(re.sub(r"<[^>]+>", "", t)).split())
    table = {}
    for row in re.findall(r"<tr>(.*?)</tr>", section, re.S):
        cells = [plain(c) for c in re.findall(r"<td>(.*?)</td>", row, re.S)]
        if cells:
            table[cells[0]] = cells[1:]
    return plain(section), table


def melting(work):
    """The manual's experiment: zen1's crystal heated to 9 times the setup's bath melts (the
    like ions' shells fade, the ions wander), and freezes again at the setup's bath; every
    number of the manual's table and sentences follows from the analysis's files."""
    shutil.copy(os.path.join(DATA, "zen1.zpr"), os.path.join(work, "salt.zpr"))
    zentova("--calculate", "salt.zpr", "--steps", "180000", "--seed", "5", "--bath",
            "0:1,3:9,6:1", cwd=work)
    project = os.path.join(work, "salt.zpr")
    bounds = {"before": (1.5, 3), "hot": (4.5, 6), "after": (7.5, 9)}
    stretches = {}
    for name, (start, end) in bounds.items():
        zentova("--analyse", "salt.zpr", "--out", name, "--from", str(start), "--to", str(end),
                cwd=work)
        stretches[name] = Analysis(os.path.join(work, name), project)
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

    # The manual's table, cell by cell, from the same files.
    words, table = manual_melting()
    names = list(bounds)
    energy = {name: mean_energy(project, *bounds[name]) for name in names}
    expected = {"kinetic energy per particle": [f"{energy[n]:.1f}" for n in names]}
    expected["2+ ion and 1\u2212 ion: first peak, neighbours"] = [
        f"{stretches[n].peak(1, 2):.2f}, {stretches[n].neighbours(1, 2):.1f}" for n in names]
    for label, t in (("1\u2212 with 1\u2212", 2), ("2+ with 2+", 1)):
        cells = []
        for n in names:
            an = stretches[n]
            dip, climb = climb_after_dip(os.path.join(work, n), t, t, an.peak(t, t))
            cell = f"{dip:.2f}; +{climb:.0f} %"
            # Where the page finds a dip, it is the manual's; where not, the manual says so.
            page_dip = rows_of(os.path.join(work, n, "coordination.csv"))
            page_dip = [r["first_minimum"] for r in page_dip
                        if (int(r["type_a"]), int(r["type_b"])) == (t, t)][0]
            cells.append(cell if page_dip != "no clear dip" else cell + " (the page: no clear dip)")
            if page_dip != "no clear dip":
                check(abs(float(page_dip) - dip) < 0.05,
                      f"zen1 {n}: the manual's dip of {label} ({dip:.2f}) is the page's ({page_dip})")
        expected[f"{label}: first dip; how far g(r) climbs after it"] = cells
        climbs = {n: climb_after_dip(os.path.join(work, n), t, t, stretches[n].peak(t, t))[1]
                  for n in names}
        check(climbs["hot"] < 50 < 90 < min(climbs["before"], climbs["after"]),
              f"zen1: g(r) of {label} nearly doubles or more after its dip in the crystal, and "
              f"climbs less than half again hot ({climbs})")
    msd = {n: stretches[n].msd[-1] for n in names}
    lag = float(msd["hot"]["lag"])
    expected[f"wandering in {lag:.2f} time units (mean square displacement, 2+ and 1\u2212)"] = [
        f"{float(m['msd_type_1']):.2g} to {float(m['msd_type_2']):.2g}" for m in msd.values()]
    for label, cells in expected.items():
        check(table.get(label) == cells,
              f"the manual's melting table, {label}: {table.get(label)} is {cells}")

    # The sentences under it.
    spread = {n: float(msd[n]["msd_type_1"]) + float(msd[n]["msd_type_2"]) for n in names}
    claims = [
        f"{round(spread['hot'] / spread['before'])} times as far",
        f"9 times the bath, {energy['hot'] / energy['before']:.1f} times the energy",
        f"flattens at {float(msd['before']['msd_type_1']):.1f}",
        f"creeps to {float(msd['before']['msd_type_2']):.1f}",
        f"up to {max(float(m['msd_type_2']) for m in stretches['before'].msd):.1f} cube units",
        f"up to {max(float(m['msd_type_2']) for m in stretches['hot'].msd):.1f}, rising",
    ]
    for claim in claims:
        check(claim in words, f"the manual's melting section says \"{claim}\"")
    page_words(os.path.join(work, "before"), project, *bounds["before"])


def page_words(folder, project, start=None, end=None):
    """The numbers the analysis page says in words follow from its files: the lump's share of
    the cube from the readings' radius of gyration over the frames analysed (the second half
    unless start and end are given), the highest g(r) from rdf.csv, the highest kinetic
    energy from energies.csv. Returns the page's words of the lump, or None."""
    where = os.path.basename(folder)
    page = open(os.path.join(folder, "index.html"), encoding="utf-8").read()
    page = " ".join(html.unescape(re.sub(r"<[^>]+>", "", page)).split())
    rows = rows_of(os.path.splitext(project)[0] + ".readings.csv")
    if start is None:
        rows = rows[len(rows) // 2:]
    else:
        rows = [r for r in rows if start - 5e-4 <= float(r["time"]) <= end + 5e-4]
    rg = [float(r["radius_of_gyration"]) for r in rows]
    radius = (5 / 3 * sum(x * x for x in rg) / len(rg)) ** 0.5
    share = min(100.0, 100 * 4 / 3 * 3.141592653589793 * radius ** 3 / 94 ** 3)
    said = re.search(r"lump about (\S+) cube units across, which fills about (\S+) % of the cube",
                     page)
    if said is None:
        check(share >= 20, f"{where}: no words of a lump, as the particles fill {share:.0f} % "
              "of the cube")
        return None
    check(abs(float(said.group(2)) / share - 1) < 0.06
          and abs(float(said.group(1)) / (2 * radius) - 1) < 0.06,
          f"{where}: the page's lump ({said.groups()}) is the readings' "
          f"({2 * radius:.1f} across, {share:.2f} %)")
    top = max((float(v), k, float(r["r"])) for r in rows_of(os.path.join(folder, "rdf.csv"))
              for k, v in r.items() if k.startswith("g_"))
    highest = re.search(r"the highest value, (\d+) \(types (\d+) . (\d+) at r = (\S+)\), "
                        r"is then (\S+) times", page)
    check(highest is not None and int(highest.group(1)) == round(top[0])
          and top[1] == f"g_{highest.group(2)}_{highest.group(3)}"
          and abs(float(highest.group(4)) - top[2]) < 1e-9
          and abs(float(highest.group(5)) / (top[0] * float(said.group(2)) / 100) - 1) < 0.06,
          f"{where}: the page's highest g(r) ({highest and highest.groups()}) is rdf.csv's {top}")
    energies = rows_of(os.path.join(folder, "energies.csv"))
    peak = max(energies, key=lambda r: float(r["mean_kinetic_energy"]))
    spike = re.search(r"The highest point, (\S+) per particle at t = (\S+),", page)
    if where == "zen1-analysis":
        check(spike is not None,
              f"{where}: the page explains the crystallisation's spike of the kinetic energy")
    if spike:
        value = float(peak["mean_kinetic_energy"])
        check(abs(float(spike.group(1)) / value - 1) < 0.06 and spike.group(2) == peak["time"],
              f"{where}: the page's highest kinetic energy {spike.groups()} is energies.csv's "
              f"({value} at {peak['time']})")
    return said.group(2), highest.group(1) if highest else None, highest.group(5) if highest else None


def key_presses(work):
    """H pressed five times a frame apart, as a class does, then the bath held at 9.31: the
    heating curve names the four one-frame stretches unsettled, and draws no curve of them."""
    shutil.copy(os.path.join(DATA, "zen1.zpr"), os.path.join(work, "keys.zpr"))
    zentova("--calculate", "keys.zpr", "--steps", "60000", "--seed", "5", "--bath",
            "0:1,1.5:1.5625,1.515:2.44140625,1.53:3.814697265625,1.545:5.9604644775390625,"
            "1.56:9.313225746154785,2.64:1", cwd=work)
    zentova("--analyse", "keys.zpr", cwd=work)
    folder = os.path.join(work, "keys-analysis")
    holds = rows_of(os.path.join(folder, "heating.csv"))
    short = [h for h in holds if int(h["frames"]) == 1]
    check(len(short) == 4 and all(h["settled"] == "no" for h in short)
          and all(h["settled"] == "yes" for h in holds if int(h["frames"]) >= 20),
          f"keys: the one-frame stretches are unsettled, the long ones settled "
          f"({[(h['bath_factor'], h['frames'], h['settled']) for h in holds]})")
    check(all(int(h["frames_in_mean"]) == int(h["frames"]) - int(h["frames"]) // 2 for h in holds),
          "keys: the mean of each stretch is over its second half")
    page = html.unescape(open(os.path.join(folder, "index.html"), encoding="utf-8").read())
    for h in short:
        named = f"x {float(h['bath_factor']):.2f} (1 frame, from t = {h['from_time']})"
        check(named in page, f"keys: the page names the unsettled stretch {named}")


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
            lump = page_words(os.path.join(work, stem + "-analysis"), os.path.join(work, stem + ".zpr"))
            if n == 1:
                manual = " ".join(open(os.path.join(DATA, "Zentova.html"), encoding="utf-8").read().split())
                said = re.search(r"zen1's crystal fills about (\S+) % of the cube, so its values "
                                 r"of ([\d,]+) are about (\S+) times", manual)
                check(said is not None and lump is not None and said.group(1) == lump[0]
                      and abs(float(said.group(2).replace(",", "")) / float(lump[1]) - 1) < 0.05
                      and said.group(3) == lump[2],
                      f"the manual's zen1 lump ({said and said.groups()}) is the page's ({lump})")
            # The program calculates no example: a copy is calculated.
            copy = f"fresh{n}"
            shutil.copy(os.path.join(DATA, stem + ".zpr"), os.path.join(work, copy + ".zpr"))
            zentova("--calculate", copy + ".zpr", "--steps", str(STEPS[n]), "--seed",
                    str(FRESH_SEED), cwd=work)
            zentova("--analyse", copy + ".zpr", cwd=work)
            story(Analysis(os.path.join(work, copy + "-analysis"), os.path.join(work, copy + ".zpr")),
                  work, copy + ".zpr", f"{stem} calculated afresh")
        melting(work)
        key_presses(work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        print(f"{len(failures)} of the stories do not hold")
        sys.exit(1)


if __name__ == "__main__":
    main()
