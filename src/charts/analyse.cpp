#include "charts/analyse.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "analysis/energies.h"
#include "analysis/heating.h"
#include "analysis/structure.h"
#include "analysis/trajectorypass.h"
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
#include "lang/language.h"
#include "model/settings.h"

namespace zentova {

namespace {

namespace fs = std::filesystem;

std::string fixed3(double value) {
    return formatBrief(value, 3);
}

// More frames than this are thinned out evenly: g(r) and the displacement then still take
// seconds, and memory stays small, for a trajectory of days.
constexpr std::size_t MostFramesAnalysed = 2000;

// Text written out once this much has gathered: the table of a long run is never held whole.
constexpr std::size_t TextChunk = 1 << 16;

// What the heating curve takes of a reading, so that a long run's readings take little room.
struct HeatingReading {
    double time;
    long long frame;
    double meanKineticEnergy;
    double bathFactor;
};

// The heating curve of the readings kept: none when the bath never changed. The readings go
// as the table is made, so that the two are not held whole at once.
std::vector<BathHold> heatingOf(const std::vector<int>& types,
                                std::deque<HeatingReading>& readings) {
    const bool changed = std::any_of(
        readings.begin(), readings.end(),
        [&](const HeatingReading& r) { return r.bathFactor != readings.front().bathFactor; });
    if (!changed) return {};
    ReadingsTable table;
    table.headerKnown = true;
    table.types = types;
    table.rows.reserve(readings.size());
    for (; !readings.empty(); readings.pop_front()) {
        ReadingsRow row;
        row.time = readings.front().time;
        row.frame = readings.front().frame;
        row.meanKineticEnergy = readings.front().meanKineticEnergy;
        row.bathFactor = readings.front().bathFactor;
        table.rows.push_back(std::move(row));
    }
    return heatingCurve(table);
}

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
        // The readings are read a line at a time as the trajectory's frames go by; a FIFO or
        // a device in the file's place would keep the reader waiting, so it counts as missing.
        std::ifstream readingsIn;
        if (isRegularFile(readingsPath)) readingsIn.open(readingsPath, std::ios::binary);
        ReadingsReader readingsReader(readingsIn);
        FrameReadings frameReadings(readingsReader);
        const std::vector<int>& readingsTypes = readingsReader.types();
        const bool energies = readingsReader.headerKnown() && frameReadings.rowWaiting();

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
        // Whether the bath changed is known once the readings are read: left out then if not.
        const Outputs heatingFiles = energies ? plotFiles("heating") : Outputs{};
        OutputFile& pageFile = file("index.html");
        std::vector<Section> sections;
        const auto write = [&](const Outputs& files, Section section) {
            files.csv->write(section.csv);
            savePlot(section.plot, *files.png, *files.svg);
            sections.push_back(std::move(section));
        };

        // The readings of the frames as they go by: their table written out as it grows,
        // their plot thinned to its pixels, and what the heating curve needs of them.
        std::string energiesText = energies ? energiesCsvHeader(readingsTypes) : std::string();
        EnergyLines energyLines(readingsTypes);
        std::deque<HeatingReading> heatingReadings;
        const auto eachFrame = [&](long long number, double time) {
            const ReadingsRow* row = frameReadings.frame(number, time);
            if (!row || !energies) return;
            energiesText += energiesCsvRow(*row, readingsTypes.size());
            if (energiesText.size() >= TextChunk) {
                energyFiles.csv->write(energiesText);
                energiesText.clear();
            }
            energyLines.add(*row);
            heatingReadings.push_back(
                {row->time, row->frame, row->meanKineticEnergy, row->bathFactor});
        };

        TrajectoryInput trajectory(hisPath);
        const Settings settings;
        int partialLine = 0;
        FramePicker::Picked picked = readTrajectoryOnce(
            trajectory.stream(), hisPath, project,
            FramePicker(options.from, options.to, MostFramesAnalysed, settings.cubeHalfSize),
            eachFrame, &partialLine);
        if (energies) energyFiles.csv->write(energiesText);
        if (partialLine > 0) tell(err, hisPath + ": " + partialFrameNote(partialLine));
        if (picked.frameCount == 0)
            throw FileError(hisPath, 0, "holds no frames to analyse; calculate first");
        const std::size_t foreign = frameReadings.finish();
        if (foreign > 0)
            tell(err, readingsPath + ": " + std::to_string(foreign) +
                          (foreign == 1 ? " line matches" : " lines match") + " no frame of " +
                          hisPath + "; left out");
        if (picked.inRange == 0)
            throw FileError(hisPath, 0,
                            "has no frames from " +
                                (options.from ? fixed3(*options.from) : "the start") + " to " +
                                (options.to ? fixed3(*options.to) : "the end") +
                                " (its frames run from t = " + fixed3(picked.firstTime) +
                                " to t = " + fixed3(picked.lastTime) + ")");
        std::vector<Snapshot>& frames = picked.frames;
        const std::vector<std::size_t>& wanted = picked.indices;
        const std::vector<BathHold> holds = heatingOf(readingsTypes, heatingReadings);
        heatingReadings = {};
        const bool heating = !holds.empty();
        if (energies && !heating)
            for (OutputFile* f : {heatingFiles.csv, heatingFiles.png, heatingFiles.svg})
                outputs.drop(*f);
        const long long leftOut = picked.leftOut;
        std::vector<std::size_t> chosen(frames.size());
        for (std::size_t k = 0; k < chosen.size(); ++k) chosen[k] = k;
        const double t0 = frames.front().time, t1 = frames.back().time;
        const std::size_t frameCount = picked.frameCount;
        const std::string framesRead =
            std::to_string(frameCount) + (frameCount == 1 ? " frame" : " frames");
        std::string framesText = frameCount == 1
                                     ? "the one frame, at t = " + fixed3(t0)
                                     : std::to_string(picked.inRange) + " of the " + framesRead +
                                           ", from t = " + fixed3(t0) + " to t = " + fixed3(t1);
        if (wanted.size() < picked.inRange)
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
            notes += translated("Analysis",
                                "%n position lies outside the cube and is left out; the frames "
                                "holding them are left out of the wandering.",
                                nullptr, countOf(leftOut)) +
                     " ";
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
            notes += filled(translated("Analysis",
                                       "The wandering uses %1 of the frames: the "
                                       "others hold other particles."),
                            {std::to_string(msd.framesUsed)}) +
                     " ";
        steps.say("mean square displacement written");

        write(densityFiles,
              densitySection(densityProfile(frames, chosen, project, settings.cubeHalfSize),
                             project));
        steps.say("density profiles written");

        if (!energies) {
            notes += filled(
                fileExists(readingsPath)
                    ? translated("Analysis", "There are no kinetic energies: %1 holds no readings.")
                    : translated("Analysis",
                                 "There are no kinetic energies: %1 is missing "
                                 "(calculate the project again to make it)."),
                {readingsPath});
            tell(err, readingsPath + ": " +
                          (fileExists(readingsPath) ? "holds no readings" : "missing") +
                          "; the kinetic energies are left out");
        } else {
            if (readingsReader.badLine() > 0)
                tell(err, readingsPath + ":" + std::to_string(readingsReader.badLine()) +
                              ": not a line of readings; it is left out with any others like it");
            write(energyFiles, energiesSection(energyLines, project));
            steps.say("kinetic energies written");
            if (heating) {
                // The holds of the lines that match the trajectory's frames.
                write(heatingFiles, heatingSection(holds));
                steps.say("heating curve written");
            }
        }

        pageFile.write(pageOf(project.name,
                              framesSentence({picked.inRange, frameCount, fixed3(t0), fixed3(t1),
                                              wanted.size() < picked.inRange
                                                  ? (wanted.size() > 1 ? wanted[1] - wanted[0] : 1)
                                                  : 0,
                                              wanted.size()}),
                              sections, notes));
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
    installLanguage();
    return runAnalysis(options, std::cerr);
}

}  // namespace zentova
