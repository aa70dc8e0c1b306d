#include "cli/table.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

#include "cli/plaincommands.h"
#include "command/windowcommands.h"

namespace zentova {

const char* const UsageText =
    "Usage: zentova [PROJECT.zpr|DIR]\n"
    "       zentova --calculate PROJECT.zpr [--steps N] [--seed S] [--append]\n"
    "                    [--bath T0:F0,T1:F1,...] [--report[=csv]]\n"
    "       zentova --export-xyz PROJECT.zpr|DIR [OUT.xyz] [--overwrite]\n"
    "       zentova --snapshot PROJECT.zpr|DIR OUT.png [--overwrite]\n"
    "       zentova --movie PROJECT.zpr|DIR OUT.mp4|OUT.webm|OUT.gif [--fps N]\n"
    "                    [--turn DEGREES] [--from T0] [--to T1] [--no-time] [--overwrite]\n"
    "       zentova --force-table PROJECT.zpr TYPE1 TYPE2\n"
    "       zentova --export-lammps PROJECT.zpr DIR [--from-sta] [--replicate NX NY NZ]\n"
    "                    [--cutoff R] [--steps N] [--seed S] [--bath T0:F0,...]\n"
    "                    [--overwrite]\n"
    "       zentova --analyse PROJECT.zpr|DIR [--out OUT] [--from T0] [--to T1]\n"
    "                    [--overwrite]\n"
    "       zentova --help | --version\n"
    "\n"
    "  PROJECT              open the program with this project loaded; a trajectory\n"
    "                       (.his) or final state (.sta) opens the project beside it;\n"
    "                       DIR (or DIR/in.STEM): replay the LAMMPS run of a folder\n"
    "                       --export-lammps wrote in the view, G showing its log's readings\n"
    "  --calculate PROJECT  integrate the project without a window and write PROJECT.his\n"
    "                       (the trajectory), PROJECT.sta (the final state) and\n"
    "                       PROJECT.readings.csv (a line of readings per frame) beside it;\n"
    "                       \"setupek.dat\" in the current folder sets the step and damping\n"
    "  --steps N            integration steps, 0 to 9223372036854775807 (default 3000);\n"
    "                       a frame every 300 steps\n"
    "  --seed S             fixed seed of the random generator (0 to 4294967295), so the\n"
    "                       same inputs give identical files; the clock otherwise\n"
    "  --append             continue from PROJECT.sta and add frames to PROJECT.his\n"
    "  --bath T0:F0,...     heat and cool: from time T0 hold the bath at F0 times the\n"
    "                       setup's temperature, from T1 at F1, and so on (times\n"
    "                       increasing, factors 0 to 10000); before T0 and without it, the\n"
    "                       setup's bath. The readings' bath_factor column records it\n"
    "  --report             print the readings of every frame on standard output: time,\n"
    "                       frames written by this run, steps per second, mean kinetic\n"
    "                       energy per particle\n"
    "  --report=csv         the same as comma-separated values under a header line\n"
    "  --export-xyz         write PROJECT.his as extended XYZ (default OUT: PROJECT.xyz);\n"
    "                       type N is written as the element of atomic number N. DIR (or\n"
    "                       DIR/in.STEM): the LAMMPS run of a folder --export-lammps wrote,\n"
    "                       its dump.STEM checked against its manifest (default OUT: STEM.xyz)\n"
    "  --snapshot           draw PROJECT.sta as the view shows it into a PNG file (on a\n"
    "                       virtual screen of its own, Xvfb, when there is no display);\n"
    "                       DIR: the last whole frame of the LAMMPS run's dump\n"
    "  --movie              film PROJECT.his as \"Show history\" draws it, 800 x 700: H.264\n"
    "                       in .mp4, VP9 in .webm or a GIF, chosen by OUT's extension\n"
    "                       (a virtual screen of its own when there is no display);\n"
    "                       DIR: every frame of the LAMMPS run's dump\n"
    "  --fps N              frames per second of the movie, 1 to 60 (default 25)\n"
    "  --turn DEGREES       turn the camera about the vertical axis by so much each frame\n"
    "  --from T0, --to T1   film only the frames whose time lies from T0 to T1\n"
    "  --no-time            leave out the time (\"t = 1.500\") in the lower left corner\n"
    "  --force-table        print the forces editor's curve between two types as CSV\n"
    "  --export-lammps      write the project for LAMMPS into DIR: data.STEM, STEM.table,\n"
    "                       in.STEM and README.txt (run: lmp -in in.STEM); --steps as\n"
    "                       above up to 2147483647, LAMMPS's longest run, --seed as\n"
    "                       above, and:\n"
    "  --from-sta           start from PROJECT.sta (positions and velocities) instead of a\n"
    "                       fresh placement\n"
    "  --replicate NX NY NZ tile the cube NX x NY x NZ times (1 to 20 each), walls around\n"
    "                       the whole\n"
    "  --cutoff R           leave out the pair law beyond R cube units (at least 1; the\n"
    "                       default covers the whole box): faster, but no longer the model\n"
    "  --bath (export)      the schedule as --calculate takes it: the run in stretches,\n"
    "                       each with its fix langevin temperatures\n"
    "  --analyse            write g(r) with coordination numbers, mean square displacement,\n"
    "                       density from the centre of mass and kinetic energies of\n"
    "                       PROJECT.his and PROJECT.readings.csv as CSV, PNG and SVG, and\n"
    "                       index.html that shows them; needs no display. DIR: the LAMMPS\n"
    "                       run of a folder --export-lammps wrote, its dump and log\n"
    "  --out OUT            where --analyse writes (default: PROJECT-analysis or\n"
    "                       DIR-analysis beside it)\n"
    "  --from T0            analyse the frames from time T0 on (default: the second half)\n"
    "  --to T1              analyse the frames up to time T1\n"
    "  --overwrite          let --export-xyz, --snapshot, --movie, --export-lammps and\n"
    "                       --analyse replace files of the same names; without it a command\n"
    "                       whose output exists stops before any work, naming the file.\n"
    "                       A link is replaced itself, never written through; a folder, FIFO\n"
    "                       or device is never replaced, nor the project read, its .his,\n"
    "                       .sta or .readings.csv\n"
    "  --help               show this text\n"
    "  --version            show the version\n";

namespace {

// Every command of the command line. The calculation comes first: its options come in any
// order, its own word among them, so it reads the whole command line (and its counts of
// arguments apply to no one); so does every command line whose first word names no other
// command, which makes --help, --version and their refusals the calculation's too.
constexpr Command Commands[] = {
    {"--calculate", "PROJECT [--steps N] [--seed S] [--append] [--bath T0:F0,...] [--report[=csv]]",
     0, 0, Needs::Files, calculateCommand},
    {"--export-xyz", "PROJECT|DIR [OUT.xyz] [--overwrite]", 1, 3, Needs::Files, exportXyzCommand},
    {"--force-table", "PROJECT TYPE1 TYPE2", 3, 3, Needs::Files, forceTableCommand},
    {"--export-lammps",
     "PROJECT DIR [--from-sta] [--replicate NX NY NZ] [--cutoff R] [--steps N] [--seed S] "
     "[--bath T0:F0,...] [--overwrite]",
     2, 16, Needs::Files, exportLammpsCommand},
    {"--snapshot", "PROJECT|DIR OUT.png [--overwrite]", 2, 3, Needs::Window, snapshotCommand},
    {"--movie", "PROJECT|DIR OUT.mp4|OUT.webm|OUT.gif [OPTIONS]", 2, 12, Needs::Window,
     movieCommand},
    {"--analyse", "PROJECT|DIR [--out OUT] [--from T0] [--to T1] [--overwrite]", 1, 8,
     Needs::Window, analyseCommand},
};

int dispatch(int argc, char** argv) {
    const std::string_view word = argv[1];
    const auto named = std::find_if(std::begin(Commands), std::end(Commands),
                                    [&](const Command& c) { return c.word == word; });
    if (named == std::end(Commands) || named == std::begin(Commands)) {
        const Command& calculation = Commands[0];
        return calculation.run(CommandCall{argc, argv, {argv + 1, argv + argc}});
    }
    const int given = argc - 2;
    if (given < named->fewest || given > named->most)
        throw UsageError(std::string(named->word) + " needs " + std::string(named->arguments));
    return named->run(CommandCall{argc, argv, {argv + 2, argv + argc}});
}

// What a command printed reaches its reader only once the standard output is flushed: a
// full disk or a closed pipe found then is a failure of the command, not a success.
int flushedStatus(int status) {
    errno = 0;
    std::cout.flush();
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    // A command that failed has said why already.
    if (written || status != 0) return status;
    const int error = errno;
    tell(std::cerr, std::string("cannot write to the standard output") +
                        (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
    return 1;
}

}  // namespace

std::string commandWords() {
    std::string words;
    for (const Command& command : Commands) {
        if (!words.empty()) words += ", ";
        words += command.word;
    }
    return words;
}

int runCommandLine(int argc, char** argv) {
    if (argc == 1 || std::string_view(argv[1]).substr(0, 2) != "--") return runDesktop(argc, argv);
    try {
        return flushedStatus(dispatch(argc, argv));
    } catch (const UsageError& e) {
        return usageError(e.what());
    } catch (const std::exception& e) {
        tell(std::cerr, e.what());
        return 1;
    }
}

}  // namespace zentova
