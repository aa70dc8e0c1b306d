#include "cli/commandline.h"

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iostream>

#include "calc/headless.h"
#include "calc/report.h"
#include "cli/forcetable.h"
#include "files/fileerror.h"
#include "files/settingsfile.h"
#include "files/xyzexport.h"
#include "lammps/export.h"
#include "model/project.h"
#include "model/settings.h"

namespace zentova {

const char* const UsageText =
    "Usage: zentova [PROJECT.zpr]\n"
    "       zentova --calculate PROJECT.zpr [--steps N] [--seed S] [--append]\n"
    "                    [--bath T0:F0,T1:F1,...] [--report[=csv]]\n"
    "       zentova --export-xyz PROJECT.zpr [OUT.xyz] [--overwrite]\n"
    "       zentova --snapshot PROJECT.zpr OUT.png [--overwrite]\n"
    "       zentova --movie PROJECT.zpr OUT.mp4|OUT.webm|OUT.gif [--fps N]\n"
    "                    [--turn DEGREES] [--from T0] [--to T1] [--no-time] [--overwrite]\n"
    "       zentova --force-table PROJECT.zpr TYPE1 TYPE2\n"
    "       zentova --export-lammps PROJECT.zpr DIR [--from-sta] [--replicate NX NY NZ]\n"
    "                    [--cutoff R] [--steps N] [--seed S] [--bath T0:F0,...]\n"
    "                    [--overwrite]\n"
    "       zentova --analyse PROJECT.zpr [--out DIR] [--from T0] [--to T1] [--overwrite]\n"
    "       zentova --help | --version\n"
    "\n"
    "  PROJECT              open the program with this project loaded; a trajectory\n"
    "                       (.his) or final state (.sta) opens the project beside it\n"
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
    "                       frames, steps per second, mean kinetic energy per particle\n"
    "  --report=csv         the same as comma-separated values under a header line\n"
    "  --export-xyz         write PROJECT.his as extended XYZ (default OUT: PROJECT.xyz);\n"
    "                       type N is written as the element of atomic number N\n"
    "  --snapshot           draw PROJECT.sta as the view shows it into a PNG file (on a\n"
    "                       virtual screen of its own, Xvfb, when there is no display)\n"
    "  --movie              film PROJECT.his as \"Show history\" draws it, 800 x 700: H.264\n"
    "                       in .mp4, VP9 in .webm or a GIF, chosen by OUT's extension\n"
    "                       (a virtual screen of its own when there is no display)\n"
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
    "                       index.html that shows them; needs no display\n"
    "  --out DIR            where --analyse writes (default: PROJECT-analysis beside it)\n"
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

// --export-xyz PROJECT [OUT.xyz] [--overwrite], the option anywhere after PROJECT.
int exportXyz(const CommandCall& call) {
    const std::string& projectPath = call.arguments[0];
    std::string outPath;
    bool overwrite = false;
    for (std::size_t i = 1; i < call.arguments.size(); ++i) {
        const std::string& arg = call.arguments[i];
        if (arg == "--overwrite")
            overwrite = true;
        else if (arg.rfind("--", 0) == 0 || !outPath.empty())
            return usageError("--export-xyz: unknown argument \"" + arg + "\"");
        else
            outPath = arg;
    }
    if (outPath.empty()) outPath = defaultXyzPath(projectPath);
    try {
        int partialFrameLine = 0;
        const long long frames = exportXyzFile(projectPath, outPath, Settings().cubeHalfSize,
                                               overwrite, &partialFrameLine);
        if (partialFrameLine > 0)
            tell(std::cerr,
                 baseNameOf(projectPath) + ".his: " + partialFrameNote(partialFrameLine));
        tell(std::cerr, projectPath + ": " + std::to_string(frames) +
                            (frames == 1 ? " frame" : " frames") + " written to " + outPath);
        return 0;
    } catch (const std::exception& e) {
        tell(std::cerr, e.what());
        return 1;
    }
}

int forceTable(const CommandCall& call) {
    return runForceTable(call.arguments[0], call.arguments[1], call.arguments[2], std::cout,
                         std::cerr);
}

// --export-lammps PROJECT DIR and its options, in any order after the two.
int exportLammpsCommand(const CommandCall& call) {
    LammpsExportOptions options;
    options.projectPath = call.arguments[0];
    options.folder = call.arguments[1];
    const std::vector<std::string>& args = call.arguments;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string* {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        if (arg == "--from-sta") {
            options.fromFinalState = true;
        } else if (arg == "--overwrite") {
            options.overwrite = true;
        } else if (arg == "--replicate") {
            for (int c = 0; c < 3; ++c) {
                const std::string* text = value();
                int count = 0;
                if (!text || !parseNumber(*text, count) || count < 1 || count > MaxReplicate)
                    return usageError("--replicate needs three whole numbers from 1 to " +
                                      std::to_string(MaxReplicate));
                options.replicate[static_cast<std::size_t>(c)] = count;
            }
        } else if (arg == "--cutoff") {
            double cutoff = 0.0;
            const std::string* text = value();
            if (!text || !parseNumber(*text, cutoff) || !(cutoff >= MinCutoff) ||
                !std::isfinite(cutoff))
                return usageError("--cutoff needs a distance of at least 1 (cube units)");
            options.cutoff = cutoff;
        } else if (arg == "--steps") {
            const std::string* text = value();
            if (!text || !parseNumber(*text, options.steps) || options.steps < 0 ||
                options.steps > MaxLammpsSteps)
                return usageError("--steps needs a whole number from 0 to " +
                                  std::to_string(MaxLammpsSteps) +
                                  ", the longest run LAMMPS takes");
        } else if (arg == "--seed") {
            std::uint32_t seed = 0;
            const std::string* text = value();
            if (!text || !parseNumber(*text, seed))
                return usageError("--seed needs a whole number from 0 to 4294967295");
            options.seed = seed;
        } else if (arg == "--bath") {
            const std::string* text = value();
            ParsedBathSchedule bath = parseBathSchedule(text ? *text : "");
            if (!bath.error.empty()) return usageError("--bath: " + bath.error);
            options.bath = std::move(bath.schedule);
        } else {
            return usageError("--export-lammps: unknown option \"" + arg + "\"");
        }
    }
    try {
        // The step and damping of a calculation here: "setupek.dat" in the current folder.
        Settings settings;
        loadSettingsFile(SettingsFileName, settings);
        const LammpsExportSummary summary = exportLammps(options, settings);
        tell(std::cerr, options.projectPath + ": " + std::to_string(summary.particles) +
                            (summary.particles == 1 ? " particle" : " particles") + " written to " +
                            options.folder + " (run: cd " + options.folder + " && lmp -in in." +
                            summary.stem + ")");
        return 0;
    } catch (const std::exception& e) {
        tell(std::cerr, e.what());
        return 1;
    }
}

constexpr Command PlainCommands[] = {
    {"--export-xyz", "PROJECT [OUT.xyz] [--overwrite]", 1, 3, exportXyz},
    {"--force-table", "PROJECT TYPE1 TYPE2", 3, 3, forceTable},
    {"--export-lammps",
     "PROJECT DIR [--from-sta] [--replicate NX NY NZ] [--cutoff R] [--steps N] [--seed S] "
     "[--bath T0:F0,...] [--overwrite]",
     2, 16, exportLammpsCommand},
};

// The calculation and its options, in any order; --help and --version among them.
int calculate(int argc, char** argv, std::string_view version) {
    HeadlessOptions options;
    bool wanted = false;
    bool report = false;
    ReportStyle reportStyle = ReportStyle::Text;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--help" || arg == "-h") {
            std::cout << UsageText;
            return 0;
        } else if (arg == "--version") {
            std::cout << "zentova " << version << '\n';
            return 0;
        } else if (arg == "--calculate") {
            const char* path = value();
            if (!path) return usageError("--calculate needs a project file");
            options.projectPath = path;
            wanted = true;
        } else if (arg == "--steps") {
            const char* text = value();
            if (!text || !parseNumber(text, options.steps) || options.steps < 0)
                return usageError("--steps needs a whole number from 0 to 9223372036854775807");
        } else if (arg == "--seed") {
            std::uint32_t seed = 0;
            const char* text = value();
            if (!text || !parseNumber(text, seed))
                return usageError("--seed needs a whole number from 0 to 4294967295");
            options.seed = seed;
        } else if (arg == "--append") {
            options.append = true;
        } else if (arg == "--bath") {
            const char* text = value();
            ParsedBathSchedule bath = parseBathSchedule(text ? text : "");
            if (!bath.error.empty()) return usageError("--bath: " + bath.error);
            options.bath = std::move(bath.schedule);
        } else if (arg == "--report") {
            report = true;
            reportStyle = ReportStyle::Text;
        } else if (arg == "--report=csv") {
            report = true;
            reportStyle = ReportStyle::Csv;
        } else if (arg.substr(0, 9) == "--report=") {
            return usageError("--report=" + std::string(arg.substr(9)) +
                              ": the report is plain (--report) or comma-separated "
                              "(--report=csv)");
        } else {
            return usageError("unknown option \"" + std::string(arg) + "\"");
        }
    }
    if (!wanted) return usageError("nothing to do");
    return runHeadlessCalculation(options, std::cerr, isatty(STDERR_FILENO) == 1,
                                  report ? &std::cout : nullptr, reportStyle);
}

}  // namespace

std::span<const Command> plainCommands() {
    return PlainCommands;
}

int runCommandLine(int argc, char** argv, std::span<const Command> commands,
                   std::string_view version) {
    const std::string_view word = argv[1];
    for (const Command& command : commands) {
        if (word != command.word) continue;
        const int given = argc - 2;
        if (given < command.fewest || given > command.most)
            return usageError(std::string(command.word) + " needs " +
                              std::string(command.arguments));
        return command.run(CommandCall{argc, argv, {argv + 2, argv + argc}});
    }
    return calculate(argc, argv, version);
}

}  // namespace zentova
