#include "lammps/inputscript.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "files/numformat.h"
#include "files/xyzexport.h"
#include "lammps/bath.h"
#include "lammps/pairtable.h"
#include "model/integrator.h"
#include "model/limits.h"

namespace zentova {

namespace {

// Six significant digits, for the comments.
std::string shortNumber(double value) {
    return formatSignificant(value, 6);
}

bool typeUsed(const LammpsSystem& system, int type) {
    return system.project.counts[type] > 0;
}

// The first lines: what the script holds and how to run it.
std::string scriptTitle(const LammpsSystem& system) {
    const std::string& stem = system.stem;
    std::string s = "# LAMMPS input of the Zentova project \"" + plainText(system.name) + "\" (" +
                    plainText(system.projectFile) + "): " + std::to_string(system.atoms.size()) +
                    " particles";
    if (system.replicate != std::array<int, 3>{1, 1, 1})
        s += " in " + std::to_string(system.replicate[0]) + " x " +
             std::to_string(system.replicate[1]) + " x " + std::to_string(system.replicate[2]) +
             " cubes";
    if (system.fromFinalState)
        s += ", from the final state at t = " + shortNumber(system.startTime) +
             " (LAMMPS counts its time from 0)";
    s += ".\n#\n";
    s += "#   lmp -in in." + stem + "                  one core\n";
    s += "#   mpirun -np 4 lmp -in in." + stem + "     four\n";
    s += "#   lmp -in in." + stem + " -var steps 100000 -var seed 7 -var kicks 0\n#\n";
    return s;
}

// How the units, the pair law and the walls map onto LAMMPS's, in comments.
std::string forcesComments(const LammpsSystem& system) {
    const std::string k = std::to_string(system.slots);
    std::string s =
        "# How the model maps onto LAMMPS\n"
        "# - Units lj: the model's own units one to one (cube units, its time, its masses), so\n"
        "#   that force = mass x acceleration needs no constant. Each cube runs from 0 to " +
        formatShortest(system.edge) + "\n#   here: the model's coordinates plus " +
        formatShortest(system.edge / 2) + ", as zentova --export-xyz writes them.\n";
    s += "# - Pair law, exact to 1e-4 relative: " + system.stem +
         ".table, between every two particles at\n";
    if (system.shortened)
        s += "#   every step within the cutoff of " + formatShortest(system.cutoff) +
             " units, chosen on export: the law's far part (charges\n"
             "#   and gravity fall off only as 1/r^2) is left out beyond it, which the model\n"
             "#   never does; the price of a large box.\n";
    else
        s += "#   every step, with a cutoff (" + formatShortest(system.cutoff) +
             ") across the whole box, so that near and far forces are\n"
             "#   both the full law. The model holds the force of all but a particle's " +
             std::to_string(MaxNeighbours) + "\n#   nearest neighbours fixed for " +
             std::to_string(FrameInterval) +
             " steps; that part is small and changes\n"
             "#   slowly, and LAMMPS, which updates it every step, is the more exact there.\n";
    s += "# - Walls, exact: " + k + " x " + formatShortest(WallStiffness) +
         " x depth^2 on each axis, " + formatShortest(WallMargin) +
         " units inside the cubes' outer faces:\n"
         "#   the model applies its wall once per neighbour slot (" +
         k + " of them), energy K " + formatShortest(WallStiffness) + " depth^3/3.\n";
    return s;
}

// How the damping, the kicks and the integrator map onto LAMMPS's, in comments.
std::string motionComments(const LammpsSystem& system) {
    const std::string share = shortNumber(kickShare());
    // A kick is uniform in [-KickSpan/2, KickSpan/2): its variance is KickSpan^2/12.
    const std::string variance = formatShortest(KickSpan) + "^2/12";
    const std::string startup = std::to_string(StartupSteps);
    const std::string cycle = std::to_string(RestartInterval);
    return "# - Damping and kicks, in their statistics: per evaluation the model damps by\n"
           "#   -m gamma v and kicks each axis with K = " +
           std::to_string(system.slots) + " uniform numbers in [" + formatShortest(-KickSpan / 2) +
           ", " + formatShortest(KickSpan / 2) +
           "), one per\n"
           "#   neighbour slot: a force of variance K " +
           variance +
           ", whatever the mass. Its steps\n"
           "#   average these kicks: the Adams corrector weighs two evaluations' kicks 5/12 and\n"
           "#   8/12 and takes back 1/12 of the last step's, the midpoint restarts (" +
           startup + " of every\n#   " + cycle +
           " steps) use one evaluation's; per step the velocity grows as from " + share +
           "\n"
           "#   of one evaluation's variance. A Langevin bath with damp = 1/gamma has the same\n"
           "#   drag exactly, and the same noise when, per type,\n"
           "#     kT = " +
           share + " K " + variance +
           " h / (2 gamma m)\n"
           "#   (lighter types run hotter: the kicks are forces). Its one uniform number per\n"
           "#   axis and step stands for the model's K per evaluation; over a damping time\n"
           "#   (1/gamma) only the variance counts, so kinetic energies, spreads and structure\n"
           "#   agree, not single trajectories.\n"
           "# - Integrator: velocity Verlet at the model's step (h = " +
           formatShortest(system.step) +
           "), where the model\n"
           "#   takes third-order Adams-Bashforth-Moulton steps, restarted by " +
           startup + " midpoint steps\n#   every " + cycle +
           ". From one start both follow nearly the same path for thousands of\n"
           "#   steps, then part, as any two runs with different kicks do.\n\n";
}

// The run's variables, units, the data file, the pair table and the neighbour lists.
std::string setupCommands(const LammpsSystem& system) {
    const Project& project = system.project;
    const std::string& stem = system.stem;
    std::string s;
    s += "variable steps index " + std::to_string(system.steps) + "\n";
    const std::string count = std::to_string(LammpsSeedCount);
    s += "variable seed  index " + std::to_string(system.seed) +
         (system.fixedSeed ? "  # --seed S as S mod " + count + " + 1: LAMMPS takes 1 to " + count
                           : std::string("  # the placement's seed, made one LAMMPS takes")) +
         "\n";
    s += "variable kicks index 1  # 0 switches the kicks off (damping stays)\n\n";
    s += "units      lj\natom_style atomic\nboundary   f f f\n";
    s += "read_data  data." + stem + "\n\n";

    s += "pair_style table bitmap " + std::to_string(system.tableBits) + "\n";
    for (int ti = 1; ti <= project.typeCount; ++ti)
        for (int tj = ti; tj <= project.typeCount; ++tj)
            s += "pair_coeff " + std::to_string(ti) + " " + std::to_string(tj) + " " + stem +
                 ".table " + system.sections.at({ti, tj}) + "\n";
    // Every particle is every other's neighbour: room for all of them in the lists.
    const long long one = std::max<long long>(2000, static_cast<long long>(system.atoms.size()));
    s += "neighbor     2.0 bin\n";
    s += "neigh_modify every 1 delay 0 check yes one " + std::to_string(one) + " page " +
         std::to_string(std::max<long long>(100000, 10 * one)) + "\n\n";
    return s;
}

// The walls: a plane indenter on each side of each axis. None without neighbour slots.
std::string wallCommands(const LammpsSystem& system) {
    if (system.slots <= 0) return "";
    const double stiffness = system.slots * WallStiffness;
    // A plane indenter pushes with K (depth)^2 and stores K (depth)^3 / 3: the wall itself.
    std::string s = "# Walls: a plane on each side of each axis, force " +
                    formatShortest(stiffness) + " x depth^2\n";
    const char* axes[3] = {"x", "y", "z"};
    for (int c = 0; c < 3; ++c) {
        const std::string a = axes[c];
        const std::string low = formatShortest(WallMargin);
        const std::string high = formatShortest(
            system.edge * system.replicate[static_cast<std::size_t>(c)] - WallMargin);
        s += "fix      wall" + a + "lo all indent " + formatShortest(stiffness) + " plane " + a +
             " " + low + " lo units box\n";
        s += "fix      wall" + a + "hi all indent " + formatShortest(stiffness) + " plane " + a +
             " " + high + " hi units box\n";
        s += "fix_modify wall" + a + "lo energy yes\nfix_modify wall" + a + "hi energy yes\n";
    }
    return s + "\n";
}

// The damping and the kicks at `factor` times the setup's temperature: a Langevin bath per
// type, or without damping a random force. Segment 0 makes the groups and fixes; a later
// segment of the bath's schedule makes them again, with seeds of its own.
std::string bathCommands(const LammpsSystem& system, double factor = 1.0, int segment = 0) {
    const Project& project = system.project;
    const int k = system.slots;
    const auto seed = [&](int n) {
        return " $(v_seed+" + std::to_string(n + segment * (MaxTypes + 1)) + ")";
    };
    std::string s;
    if (system.damping > 0.0) {
        if (segment == 0)
            s += "# The bath: damp = 1/gamma = " + formatShortest(1.0 / system.damping) +
                 "; kT per type from the kicks (0 without them)\n";
        int fixes = 0;
        for (int t = 1; t <= project.typeCount; ++t) {
            if (!typeUsed(system, t)) continue;
            double kT = bathTemperature(k, system.step, system.damping, project.masses[t]);
            if (factor != 1.0) kT *= factor;
            const std::string tt = std::to_string(t);
            if (segment == 0) s += "group    kind" + tt + " type " + tt + "\n";
            s += "variable kT" + tt + " equal " + formatShortest(kT) + "*${kicks}\n";
            if (segment > 0) s += "unfix    bath" + tt + "\n";
            s += "fix      bath" + tt + " kind" + tt + " langevin ${kT" + tt + "} ${kT" + tt +
                 "} " + formatShortest(1.0 / system.damping) + seed(++fixes) + "\n";
        }
    } else if (k > 0) {
        // Without damping a Langevin bath has no drag to balance; the kicks alone are a
        // random force of the same variance per step.
        double sd = std::sqrt(kickForceVariance(k));
        if (factor != 1.0) sd *= std::sqrt(factor);
        if (segment == 0)
            s += "# No damping: the kicks as a random force of their variance per step\n";
        const char* axes[3] = {"x", "y", "z"};
        for (int c = 0; c < 3; ++c)
            s += std::string("variable k") + axes[c] + " atom ${kicks}*normal(0," +
                 formatShortest(sd) + "," + seed(c + 1).substr(1) + ")\n";
        if (segment == 0) s += "fix kicks all addforce v_kx v_ky v_kz\n";
    }
    return segment == 0 && !s.empty() ? s + "\n" : s;
}

// The run: at once, or under the bath's schedule a stretch at a time (run ... upto), the
// bath set anew between. The whole schedule is written, each change under a test of
// -var steps, so that a longer run than the export's makes the changes it reaches and a
// shorter one stops at its own end.
std::string runLines(const LammpsSystem& system) {
    if (system.bath.size() < 2) return "run ${steps}\n";
    std::string s =
        "# The bath's schedule: its factor times the setup's temperature, from the steps\n";
    for (const BathSegment& segment : system.bath)
        s += "#   " + std::to_string(segment.fromStep) + ": x " + formatShortest(segment.factor) +
             "\n";
    for (std::size_t j = 1; j < system.bath.size(); ++j) {
        const std::string step = std::to_string(system.bath[j].fromStep);
        s += "if \"${steps} > " + step + "\" then &\n  \"run      " + step + " upto\"";
        std::istringstream commands(
            bathCommands(system, system.bath[j].factor, static_cast<int>(j)));
        for (std::string command; std::getline(commands, command);)
            if (!command.empty()) s += " &\n  \"" + command + "\"";
        s += "\n";
    }
    return s + "run      ${steps} upto\n";
}

// The thermo columns: after the energies and the radius, what the readings file holds, so
// that a run read back shows the same readings. LAMMPS's own ke counts the degrees of
// freedom less the centre's three; the readings take every particle's 0.5 m v^2 as it is.
// Variables of equal style are never divided by the count under thermo_modify norm.
std::string readingsCommands(const LammpsSystem& system) {
    const Project& project = system.project;
    std::string s =
        "# The readings file's columns: mean kinetic energy, the same per type, mean "
        "speed,\n# largest distance from the box's centre, the bath's factor.\n";
    s += "compute  keatom all ke/atom\n";
    s += "compute  kinetic all reduce ave c_keatom\n";
    s += "variable kinetic equal c_kinetic\n";
    std::string columns = " v_kinetic";
    for (int t = 1; t <= project.typeCount; ++t) {
        long long count = 0;
        for (const LammpsAtom& atom : system.atoms) count += atom.type == t ? 1 : 0;
        if (count == 0) continue;
        const std::string tt = std::to_string(t);
        s += "variable keatom" + tt + " atom c_keatom*(type==" + tt + ")\n";
        s += "compute  kinetic" + tt + " all reduce sum v_keatom" + tt + "\n";
        s += "variable kinetic" + tt + " equal c_kinetic" + tt + "/" + std::to_string(count) + "\n";
        columns += " v_kinetic" + tt;
    }
    s += "variable speedatom atom sqrt(vx*vx+vy*vy+vz*vz)\n";
    s += "compute  speed all reduce ave v_speedatom\n";
    s += "variable speed equal c_speed\n";
    std::string centre[3];
    for (int c = 0; c < 3; ++c)
        centre[c] = formatShortest(system.edge * system.replicate[static_cast<std::size_t>(c)] / 2);
    s += "variable faratom atom sqrt((x-" + centre[0] + ")^2+(y-" + centre[1] + ")^2+(z-" +
         centre[2] + ")^2)\n";
    s += "compute  far all reduce max v_faratom\n";
    s += "variable far equal c_far\n";
    // The factor of the stretch a step belongs to, the step of a change being the new one's.
    std::string factor = formatShortest(system.bath.front().factor);
    for (std::size_t j = 1; j < system.bath.size(); ++j)
        factor += "+(step>=" + std::to_string(system.bath[j].fromStep) + ")*(" +
                  formatShortest(system.bath[j].factor - system.bath[j - 1].factor) + ")";
    s += "variable bath equal " + factor + "\n";
    columns += " v_speed v_far v_bath";
    return s + "thermo_style  custom step time ke pe etotal v_gyration" + columns + "\n";
}

// The state at every frame, for zentova to read back: ids, types, positions and velocities,
// sorted by id, with the time; nine digits keep a thousandth of a unit across the largest box.
std::string stateDumpCommands(const LammpsSystem& system) {
    return "dump     state all custom " + std::to_string(FrameInterval) + " dump." + system.stem +
           " id type x y z vx vy vz\n"
           "dump_modify state sort id time yes units yes format float %.9g\n";
}

// The integrator, the output at the model's frames, and the run.
std::string runCommands(const LammpsSystem& system) {
    const std::string frames = std::to_string(FrameInterval);
    std::string s = "fix      move all nve\n";
    s += "timestep " + formatShortest(system.step) + "\n\n";
    s += "# Every " + frames +
         " steps, as the model writes its frames: kinetic and potential energy per\n"
         "# particle, their sum and the radius of gyration; the positions as XYZ. The radius\n"
         "# is the readings file's: the root mean square distance from the particles' centre,\n"
         "# every particle counting the same (compute gyration would weigh them by mass).\n";
    s += "compute  centre all reduce ave x y z\n";
    s += "variable spread atom (x-c_centre[1])^2+(y-c_centre[2])^2+(z-c_centre[3])^2\n";
    s += "compute  spread all reduce ave v_spread\n";
    s += "variable gyration equal sqrt(c_spread)\n";
    s += readingsCommands(system);
    s += "thermo_modify norm yes\n";
    s += "thermo   " + frames + "\n";
    s += "dump     frames all xyz " + frames + " dump." + system.stem + ".xyz\n";
    s += "dump_modify frames sort id element";
    for (int t = 1; t <= system.project.typeCount; ++t) {
        s += ' ';
        s += elementSymbol(t);
    }
    s += "\n" + stateDumpCommands(system);
    return s + "\n" + runLines(system);
}

}  // namespace

std::string inputScript(const LammpsSystem& system) {
    return scriptTitle(system) + forcesComments(system) + motionComments(system) +
           setupCommands(system) + wallCommands(system) +
           bathCommands(system, system.bath.front().factor) + runCommands(system);
}

std::string readmeText(const LammpsSystem& system) {
    const std::string& stem = system.stem;
    std::string s = "The Zentova project \"" + plainText(system.name) +
                    "\" for LAMMPS (www.lammps.org; Debian: apt install lammps).\n\n";
    s += "Run it here:\n";
    s += "  lmp -in in." + stem + "                 on one core\n";
    s += "  mpirun -np 4 lmp -in in." + stem + "    on four\n";
    s += "On a cluster, copy this folder there and start the same line from the batch script,\n";
    s += "e.g. with Slurm: srun lmp -in in." + stem + " (or mpirun -np $SLURM_NTASKS lmp -in in." +
         stem + ").\n";
    s += "Change the run with -var steps N, -var seed S, -var kicks 0 (no random kicks).\n\n";
    // The file names in one column, whatever the stem's length.
    const std::size_t width = stem.size() + 11;
    const auto row = [&](const std::string& name, const std::string& what) {
        s += name + std::string(width - name.size(), ' ') + what + "\n";
    };
    row("data." + stem, "the box, the types with their masses, the particles");
    row(stem + ".table", "the pair law between every two types");
    row("in." + stem, "units, walls, damping and kicks, step, output; its comments say");
    row("", "what LAMMPS reproduces exactly and what in its statistics");
    row("manifest." + stem, "what was exported, for zentova to check the run against");
    const std::string frames = std::to_string(FrameInterval);
    s += "Output: log.lammps (every " + frames +
         " steps: time, kinetic and potential energy per particle,\n"
         "their sum, radius of gyration and the readings file's other columns), dump." +
         stem + ".xyz\n(positions every " + frames + " steps) and dump." + stem +
         " (ids, types, positions and velocities every\n" + frames +
         " steps, for zentova to read back).\n";
    return s;
}

}  // namespace zentova
