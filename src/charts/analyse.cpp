#include "charts/analyse.h"

#include <QApplication>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "analysis/structure.h"
#include "charts/analyserun.h"
#include "charts/analysesections.h"
#include "charts/plot.h"
#include "command/command.h"
#include "command/options.h"
#include "command/windowcommands.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/numformat.h"
#include "files/output.h"
#include "files/projectfile.h"
#include "files/readings.h"
#include "files/trajectory.h"
#include "model/settings.h"

namespace zentova {

namespace {

namespace fs = std::filesystem;

std::string fixed3(double value) {
    return formatDecimals(value, 3);
}

// More frames than this are thinned out evenly: g(r) and the displacement then still take
// seconds, and memory stays small, for a trajectory of days.
constexpr std::size_t MostFramesAnalysed = 2000;

class ProgressLines {
  public:
    ProgressLines(std::ostream& err, std::string project)
        : m_err(err), m_project(std::move(project)) {}
    void say(const std::string& what) {
        tell(m_err, m_project + ": " + what);
        m_err.flush();
    }

  private:
    std::ostream& m_err;
    std::string m_project;
};

}  // namespace

int runAnalysis(const AnalyseOptions& options, std::ostream& err) {
    const auto started = std::chrono::steady_clock::now();
    try {
        if (const std::optional<LammpsRun> run = findLammpsRun(options.projectPath))
            return runLammpsAnalysis(*run, options, err);
        const Project project = loadProjectFile(options.projectPath);
        const std::string base = baseNameOf(options.projectPath);
        const std::string hisPath = base + ".his";
        ProgressLines steps(err, options.projectPath);
        const std::string readingsPath = readingsPathOf(base);
        ReadingsTable readings = loadReadings(readingsPath);
        const bool energies = readings.headerKnown && !readings.rows.empty();

        // Every output checked, and its temporary made, before the trajectory is read; the
        // page and its pictures appear together once all are written.
        const std::string out = options.outFolder.empty() ? base + "-analysis" : options.outFolder;
        OutputSet outputs(commandPolicy(options.projectPath, options.overwrite));
        outputs.makeFolder(out);
        struct Outputs {
            OutputFile* csv;
            OutputFile* png;
            OutputFile* svg;
        };
        const auto file = [&](const std::string& name) -> OutputFile& {
            return outputs.add((fs::path(out) / name).string());
        };
        const auto plotFiles = [&](const std::string& stem) {
            return Outputs{&file(stem + ".csv"), &file(stem + ".png"), &file(stem + ".svg")};
        };
        const Outputs rdfFiles = plotFiles("rdf");
        OutputFile& coordinationFile = file("coordination.csv");
        const Outputs msdFiles = plotFiles("msd");
        const Outputs densityFiles = plotFiles("density");
        const Outputs energyFiles = energies ? plotFiles("energies") : Outputs{};
        const bool heating = energies && !heatingCurve(readings).empty();
        const Outputs heatingFiles = heating ? plotFiles("heating") : Outputs{};
        OutputFile& pageFile = file("index.html");
        std::vector<Section> sections;
        const auto write = [&](const Outputs& files, Section section) {
            files.csv->write(section.csv);
            savePlot(section.plot, *files.png, *files.svg);
            sections.push_back(std::move(section));
        };

        // Read twice (times, then the chosen frames): no new calculation may empty it between.
        const TrajectoryReadLock readLock(hisPath);
        int partialLine = 0;
        const std::vector<double> times = trajectoryTimes(hisPath, project, &partialLine);
        if (partialLine > 0) tell(err, hisPath + ": " + partialFrameNote(partialLine));
        if (times.empty())
            throw FileError(hisPath, 0, "holds no frames to analyse; calculate first");
        const std::size_t foreign = keepTrajectoryRows(readings, times);
        if (foreign > 0)
            tell(err, readingsPath + ": " + std::to_string(foreign) +
                          (foreign == 1 ? " line matches" : " lines match") + " no frame of " +
                          hisPath + "; left out");
        const std::vector<std::size_t> inRange = chooseFrames(times, options.from, options.to);
        if (inRange.empty())
            throw FileError(hisPath, 0,
                            "has no frames from " +
                                (options.from ? fixed3(*options.from) : "the start") + " to " +
                                (options.to ? fixed3(*options.to) : "the end") +
                                " (its frames run from t = " + fixed3(times.front()) +
                                " to t = " + fixed3(times.back()) + ")");
        const std::vector<std::size_t> wanted = thinOut(inRange, MostFramesAnalysed);
        std::vector<Snapshot> frames = loadSnapshots(hisPath, project, wanted);
        const Settings settings;
        const long long leftOut = leaveOutFarPositions(frames, settings.cubeHalfSize);
        std::vector<std::size_t> chosen(frames.size());
        for (std::size_t k = 0; k < chosen.size(); ++k) chosen[k] = k;
        const double t0 = frames.front().time, t1 = frames.back().time;
        const std::string framesRead =
            std::to_string(times.size()) + (times.size() == 1 ? " frame" : " frames");
        std::string framesText = times.size() == 1
                                     ? "the one frame, at t = " + fixed3(t0)
                                     : std::to_string(inRange.size()) + " of the " + framesRead +
                                           ", from t = " + fixed3(t0) + " to t = " + fixed3(t1);
        if (wanted.size() < inRange.size())
            framesText += " (one in every " +
                          std::to_string(wanted.size() > 1 ? wanted[1] - wanted[0] : 1) + ", " +
                          std::to_string(wanted.size()) + " frames)";
        steps.say("read " + framesRead + "; analysing " + framesText);

        std::string notes;
        if (leftOut > 0) {
            const std::string far =
                std::to_string(leftOut) + (leftOut == 1 ? " position lies" : " positions lie") +
                " outside the cube and " + (leftOut == 1 ? "is" : "are") + " left out";
            steps.say(hisPath + ": " + far);
            notes += far + "; the frames holding them are left out of the wandering. ";
        }
        const RadialDistribution rdf =
            radialDistribution(frames, chosen, wallRegionEdge(settings.cubeHalfSize));
        write(rdfFiles, rdfSection(rdf, project));
        coordinationFile.write(coordinationCsv(rdf));
        steps.say("g(r) of " + std::to_string(rdf.pairs.size()) +
                  (rdf.pairs.size() == 1 ? " pair" : " pairs") + " of types written");

        const Displacement msd = meanSquareDisplacement(frames, chosen);
        write(msdFiles, msdSection(msd, project));
        if (msd.framesUsed < chosen.size() && !msd.lags.empty())
            notes += "The wandering uses " + std::to_string(msd.framesUsed) +
                     " of the frames: the others hold other particles. ";
        steps.say("mean square displacement written");

        write(densityFiles,
              densitySection(densityProfile(frames, chosen, project, settings.cubeHalfSize),
                             project));
        steps.say("density profiles written");

        if (!energies) {
            notes += "There are no kinetic energies: " + readingsPath +
                     (fileExists(readingsPath)
                          ? " holds no readings."
                          : " is missing (calculate the project again to make it).");
            tell(err, readingsPath + ": " +
                          (fileExists(readingsPath) ? "holds no readings" : "missing") +
                          "; the kinetic energies are left out");
        } else {
            if (readings.badLine > 0)
                tell(err, readingsPath + ":" + std::to_string(readings.badLine) +
                              ": not a line of readings; it is left out with any others like it");
            write(energyFiles, energiesSection(readings, project));
            steps.say("kinetic energies written");
            if (heating) {
                // The holds of the lines that match the trajectory's frames.
                write(heatingFiles, heatingSection(heatingCurve(readings)));
                steps.say("heating curve written");
            }
        }

        pageFile.write(pageOf(project.name,
                              "The structure and the wandering use " + framesText + ".", sections,
                              notes));
        outputs.commit();
        char done[160];
        std::snprintf(
            done, sizeof done, "analysis written to %s/index.html in %.2f s", out.c_str(),
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        steps.say(done);
        return 0;
    } catch (const std::exception& e) {
        tell(err, e.what());
        return 1;
    }
}

int analyseCommand(const CommandCall& call) {
    AnalyseOptions options;
    const Option table[] = {
        flag("--overwrite", options.overwrite),
        textOption("--out", options.outFolder, "a folder"),
        realOption("--from", options.from, "a time, such as 0.75"),
        realOption("--to", options.to, "a time, such as 0.75"),
    };
    readOptions(call.arguments, table, "--analyse: unknown argument",
                [&](const std::string& argument) {
                    if (argument.starts_with("--") || !options.projectPath.empty()) return false;
                    options.projectPath = argument;
                    return true;
                });
    if (options.projectPath.empty())
        throw UsageError("--analyse needs a project file or a LAMMPS run's folder");
    if (options.from && options.to && *options.from > *options.to)
        throw UsageError("--from must not come after --to");
    // The plots are drawn into pictures, never on a screen: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the session (no runtime folder, fonts) say nothing about the analysis;
    // the command's own lines are all it prints.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) tell(std::cerr, text.toStdString());
    });
    int argc = 1;
    char* argv[] = {call.argv[0], nullptr};
    QApplication app(argc, argv);
    return runAnalysis(options, std::cerr);
}

}  // namespace zentova
