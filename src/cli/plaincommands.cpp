#include "cli/plaincommands.h"

#include <unistd.h>

#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>

#include "calc/headless.h"
#include "calc/report.h"
#include "cli/forcetable.h"
#include "cli/usage.h"
#include "command/options.h"
#include "files/fileerror.h"
#include "files/lammpsrun.h"
#include "files/numformat.h"
#include "files/settingsfile.h"
#include "files/xyzexport.h"
#include "lammps/export.h"
#include "lang/catalogues.h"
#include "model/bathschedule.h"
#include "model/settings.h"

namespace zentova {

namespace {

// --seed S, the same for the calculation and the LAMMPS export.
template <typename Target>
Option seedOption(Target& seed) {
    return wholeOption<std::uint32_t>("--seed", seed, 0, std::numeric_limits<std::uint32_t>::max());
}

// --steps N up to `most`; `note` says why a command takes fewer than the calculation.
Option stepsOption(long long& steps, long long most, std::string_view note = {}) {
    return wholeOption<long long>("--steps", steps, 0, most, note);
}

// --bath T0:F0,..., the same for the calculation and the LAMMPS export; a schedule that
// cannot be read is refused with what was wrong in it.
Option bathOption(BathSchedule& schedule) {
    return {"--bath", 1, "a schedule T0:F0,T1:F1,...",
            [&schedule](std::span<const std::string> values) {
                ParsedBathSchedule bath = parseBathSchedule(values[0]);
                if (!bath.error.empty()) throw UsageError("--bath: " + bath.error);
                schedule = std::move(bath.schedule);
                return true;
            }};
}

// The line a command's options are read from: the arguments after PROJECT (and DIR or OUT).
std::span<const std::string> after(const CommandCall& call, std::size_t fixed) {
    return std::span(call.arguments).subspan(fixed);
}

}  // namespace

int calculateCommand(const CommandCall& call) {
    HeadlessOptions options;
    bool wanted = false;
    bool report = false;
    ReportStyle reportStyle = ReportStyle::Text;
    const auto help = [](std::span<const std::string>) {
        std::cout << UsageText << "\nInstalled languages: en";
        for (const std::string& code : installedLanguages()) std::cout << ", " << code;
        std::cout << '\n';
        return true;
    };
    const Option table[] = {
        {"--help", 0, "", help, true},
        {"-h", 0, "", help, true},
        {"--version", 0, "",
         [](std::span<const std::string>) {
             std::cout << "zentova " << ZENTOVA_VERSION << '\n';
             return true;
         },
         true},
        {"--calculate", 1, "a project file",
         [&](std::span<const std::string> values) {
             options.projectPath = values[0];
             return wanted = true;
         }},
        stepsOption(options.steps, std::numeric_limits<long long>::max()),
        seedOption(options.seed),
        flag("--append", options.append),
        bathOption(options.bath),
        {"--report", 0, "",
         [&](std::span<const std::string>) {
             reportStyle = ReportStyle::Text;
             return report = true;
         }},
        {"--report=", 1, "",
         [&](std::span<const std::string> values) {
             if (values[0] != "csv")
                 throw UsageError("--report=" + values[0] +
                                  ": the report is plain (--report) or comma-separated "
                                  "(--report=csv)");
             reportStyle = ReportStyle::Csv;
             return report = true;
         }},
    };
    if (!readOptions(call.arguments, table, "unknown option")) return 0;
    if (!wanted) throw UsageError("nothing to do");
    return runHeadlessCalculation(options, std::cerr, isatty(STDERR_FILENO) == 1,
                                  report ? &std::cout : nullptr, reportStyle);
}

int exportXyzCommand(const CommandCall& call) {
    const std::string& projectPath = call.arguments[0];
    std::string outPath;
    bool overwrite = false;
    const Option table[] = {flag("--overwrite", overwrite)};
    readOptions(after(call, 1), table, "--export-xyz: unknown argument",
                [&](const std::string& argument) {
                    if (argument.starts_with("--") || !outPath.empty()) return false;
                    outPath = argument;
                    return true;
                });
    if (const std::optional<LammpsRun> run = findLammpsRun(projectPath)) {
        if (outPath.empty()) outPath = run->manifest.stem + ".xyz";
        std::string note;
        const long long frames = exportRunXyz(*run, outPath, overwrite, &note);
        if (!note.empty()) tell(std::cerr, note);
        tell(std::cerr, run->dumpPath + ": " + std::to_string(frames) +
                            (frames == 1 ? " frame" : " frames") + " written to " + outPath);
        return 0;
    }
    if (outPath.empty()) outPath = defaultXyzPath(projectPath);
    int partialFrameLine = 0;
    const long long frames =
        exportXyzFile(projectPath, outPath, Settings().cubeHalfSize, overwrite, &partialFrameLine);
    if (partialFrameLine > 0)
        tell(std::cerr, baseNameOf(projectPath) + ".his: " + partialFrameNote(partialFrameLine));
    tell(std::cerr, projectPath + ": " + std::to_string(frames) +
                        (frames == 1 ? " frame" : " frames") + " written to " + outPath);
    return 0;
}

int forceTableCommand(const CommandCall& call) {
    return runForceTable(call.arguments[0], call.arguments[1], call.arguments[2], std::cout,
                         std::cerr);
}

int exportLammpsCommand(const CommandCall& call) {
    LammpsExportOptions options;
    options.projectPath = call.arguments[0];
    options.folder = call.arguments[1];
    const Option table[] = {
        flag("--from-sta", options.fromFinalState),
        flag("--overwrite", options.overwrite),
        {"--replicate", 3, "three whole numbers from 1 to " + std::to_string(MaxReplicate),
         [&](std::span<const std::string> values) {
             for (std::size_t c = 0; c < 3; ++c)
                 if (!parseNumber(values[c], options.replicate[c]) || options.replicate[c] < 1 ||
                     options.replicate[c] > MaxReplicate)
                     return false;
             return true;
         }},
        {"--cutoff", 1, "a distance of at least 1 (cube units)",
         [&](std::span<const std::string> values) {
             double cutoff = 0.0;
             if (!parseNumber(values[0], cutoff) || cutoff < MinCutoff) return false;
             options.cutoff = cutoff;
             return true;
         }},
        stepsOption(options.steps, MaxLammpsSteps, ", the longest run LAMMPS takes"),
        seedOption(options.seed),
        bathOption(options.bath),
    };
    readOptions(after(call, 2), table, "--export-lammps: unknown option");
    // The step and damping of a calculation here: "setupek.dat" in the current folder.
    Settings settings;
    SettingsFileLines settingsLines;
    loadSettingsFile(SettingsFileName, settings, &settingsLines);
    checkCalculable(settings, settingsLines);
    const LammpsExportSummary summary = exportLammps(options, settings);
    tell(std::cerr, options.projectPath + ": " + std::to_string(summary.particles) +
                        (summary.particles == 1 ? " particle" : " particles") + " written to " +
                        options.folder + " (run: cd " + shellWord(options.folder) +
                        " && lmp -in in." + summary.stem + ")");
    if (const std::size_t later = summary.laterBathChanges.size(); later > 0) {
        std::string times;
        for (std::size_t k = 0; k < later; ++k)
            times += std::string(k == 0           ? ""
                                 : k + 1 == later ? " and "
                                                  : ", ") +
                     "t = " + formatSignificant(summary.laterBathChanges[k], 10);
        tell(std::cerr, options.projectPath + ": the bath's " +
                            (later == 1 ? "change at " : "changes at ") + times +
                            (later == 1 ? " lies" : " lie") + " past the run's " +
                            std::to_string(options.steps) + " steps; in." + summary.stem +
                            " makes " + (later == 1 ? "it" : "them") +
                            " under a -var steps that reaches " + (later == 1 ? "it" : "them"));
    }
    return 0;
}

}  // namespace zentova
