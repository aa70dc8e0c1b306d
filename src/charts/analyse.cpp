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
#include "charts/analysisfiles.h"
#include "charts/analysispage.h"
#include "charts/plot.h"
#include "command/command.h"
#include "command/options.h"
#include "command/windowcommands.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/numformat.h"
#include "files/output.h"
#include "files/projectfile.h"
#include "files/readingsreader.h"
#include "files/trajectory.h"
#include "lang/language.h"
#include "model/settings.h"

namespace zentova {

namespace {

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

// The readings are read a line at a time as the trajectory's frames go by; a FIFO or a
// device in the file's place would keep the reader waiting, so it counts as missing.
std::ifstream openIfRegular(const std::string& path) {
    std::ifstream in;
    if (isRegularFile(path)) in.open(path, std::ios::binary);
    return in;
}

// The readings of the frames as they go by: their table written out as it grows, their
// plot thinned to its pixels, and what the heating curve needs of them.
class FrameEnergies {
  public:
    explicit FrameEnergies(const std::string& readingsPath)
        : path(readingsPath),
          m_in(openIfRegular(readingsPath)),
          m_reader(m_in),
          m_frames(m_reader),
          m_any(m_reader.headerKnown() && m_frames.rowWaiting()),
          m_text(m_any ? energiesCsvHeader(m_reader.types()) : std::string()),
          m_lines(m_reader.types()) {}

    const std::string path;
    // Whether there are readings to analyse: a header and a row.
    bool any() const { return m_any; }
    int badLine() const { return m_reader.badLine(); }
    const EnergyLines& lines() const { return m_lines; }

    // Frame `number` at `time` goes by; its row's table written to `csv` a chunk at a time.
    void frame(long long number, double time, OutputFile* csv) {
        const ReadingsRow* row = m_frames.frame(number, time);
        if (!row || !m_any) return;
        m_text += energiesCsvRow(*row, m_reader.types().size());
        if (m_text.size() >= TextChunk) {
            csv->write(m_text);
            m_text.clear();
        }
        m_lines.add(*row);
        m_heating.push_back({row->time, row->frame, row->meanKineticEnergy, row->bathFactor});
    }
    // The rest of the table written once the frames are all read.
    void flush(OutputFile* csv) {
        if (m_any) csv->write(m_text);
    }
    // The rows that matched no frame, told of.
    void tellForeign(std::ostream& err, const std::string& hisPath) {
        const std::size_t foreign = m_frames.finish();
        if (foreign > 0)
            tell(err, path + ": " + std::to_string(foreign) +
                          (foreign == 1 ? " line matches" : " lines match") + " no frame of " +
                          hisPath + "; left out");
    }
    // The heating curve; the readings it was made from go.
    std::vector<BathHold> heating() {
        std::vector<BathHold> holds = heatingOf(m_reader.types(), m_heating);
        m_heating = {};
        return holds;
    }

  private:
    std::ifstream m_in;
    ReadingsReader m_reader;
    FrameReadings m_frames;
    bool m_any;
    std::string m_text;
    EnergyLines m_lines;
    std::deque<HeatingReading> m_heating;
};

// The trajectory's frames picked once through, the readings taken as they go by.
FramePicker::Picked readFrames(const AnalyseOptions& options, const std::string& hisPath,
                               const Project& project, FrameEnergies& readings,
                               AnalysisFiles& files, std::ostream& err) {
    TrajectoryInput trajectory(hisPath);
    const Settings settings;
    int partialLine = 0;
    FramePicker::Picked picked = readTrajectoryOnce(
        trajectory.stream(), hisPath, project,
        FramePicker(options.from, options.to, MostFramesAnalysed, settings.cubeHalfSize),
        [&](long long number, double time) { readings.frame(number, time, files.energies.csv); },
        &partialLine);
    readings.flush(files.energies.csv);
    if (partialLine > 0) tell(err, hisPath + ": " + partialFrameNote(partialLine));
    if (picked.frameCount == 0)
        throw FileError(hisPath, 0, "holds no frames to analyse; calculate first");
    readings.tellForeign(err, hisPath);
    if (picked.inRange == 0)
        throw noFramesBetween(hisPath, options.from, options.to, picked.firstTime, picked.lastTime,
                              formatBrief);
    return picked;
}

// g(r), the wandering and the density profiles of the frames analysed.
void writeStructure(const FramePicker::Picked& picked, const Project& project, AnalysisFiles& files,
                    std::string& notes, ProgressLines& steps) {
    const std::vector<Snapshot>& frames = picked.frames;
    const std::vector<std::size_t> chosen = everyFrame(frames.size());
    const Settings settings;
    const RadialDistribution rdf =
        radialDistribution(frames, chosen, wallRegionEdge(settings.cubeHalfSize));
    files.write(files.rdf, rdfSection(rdf, project));
    files.coordination->write(coordinationCsv(rdf));
    steps.say("g(r) of " + std::to_string(rdf.pairs.size()) +
              (rdf.pairs.size() == 1 ? " pair" : " pairs") + " of types written");

    const Displacement msd = meanSquareDisplacement(frames, chosen);
    files.write(files.msd, msdSection(msd, project));
    if (msd.framesUsed < chosen.size() && !msd.lags.empty())
        notes += filled(translated("Analysis",
                                   "The wandering uses %1 of the frames: the "
                                   "others hold other particles."),
                        {std::to_string(msd.framesUsed)}) +
                 " ";
    steps.say("mean square displacement written");

    files.write(
        files.density,
        densitySection(densityProfile(frames, chosen, project, settings.cubeHalfSize), project));
    steps.say("density profiles written");
}

// The kinetic energies and the heating curve, or a note of why there are none.
void writeEnergies(FrameEnergies& readings, const std::vector<BathHold>& holds,
                   const Project& project, AnalysisFiles& files, std::string& notes,
                   ProgressLines& steps, std::ostream& err) {
    const std::string& readingsPath = readings.path;
    if (!readings.any()) {
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
        return;
    }
    if (readings.badLine() > 0)
        tell(err, readingsPath + ":" + std::to_string(readings.badLine()) +
                      ": not a line of readings; it is left out with any others like it");
    files.write(files.energies, energiesSection(readings.lines(), project));
    steps.say("kinetic energies written");
    if (!holds.empty()) {
        // The holds of the lines that match the trajectory's frames.
        files.write(files.heating, heatingSection(holds));
        steps.say("heating curve written");
    }
}

// --analyse of a project, in steps: its readings opened beside its trajectory, every output
// added, the trajectory read once, then the structure, the energies and the page.
int analyseProject(const AnalyseOptions& options, std::ostream& err,
                   std::chrono::steady_clock::time_point started) {
    const Project project = loadProjectFile(options.projectPath);
    const std::string base = baseNameOf(options.projectPath);
    const std::string hisPath = base + ".his";
    ProgressLines steps(err, options.projectPath);
    FrameEnergies readings(readingsPathOf(base));
    const bool energies = readings.any();
    const std::string out = options.outFolder.empty() ? base + "-analysis" : options.outFolder;
    // Whether the bath changed is known once the readings are read: left out then if not.
    AnalysisFiles files(commandPolicy(options.projectPath, options.overwrite), out, energies,
                        energies);

    FramePicker::Picked picked = readFrames(options, hisPath, project, readings, files, err);
    const std::vector<BathHold> holds = readings.heating();
    if (energies && holds.empty()) files.dropHeating();
    const FramesUsed used =
        framesUsed(picked.frameCount, picked.inRange, picked.indices, picked.frames.front().time,
                   picked.frames.back().time, "", formatBrief);
    steps.say("read " + used.read + "; analysing " + used.analysed);

    std::string notes;
    if (const long long leftOut = picked.leftOut; leftOut > 0) {
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
    writeStructure(picked, project, files, notes, steps);
    writeEnergies(readings, holds, project, files, notes, steps, err);
    const std::vector<std::size_t>& wanted = picked.indices;
    const std::string sentence = framesSentence(
        {picked.inRange, picked.frameCount, formatBrief(picked.frames.front().time, 3),
         formatBrief(picked.frames.back().time, 3),
         wanted.size() < picked.inRange ? (wanted.size() > 1 ? wanted[1] - wanted[0] : 1) : 0,
         wanted.size()});
    steps.say(files.finish(project.name, sentence, notes, started));
    return 0;
}

}  // namespace

int runAnalysis(const AnalyseOptions& options, std::ostream& err) {
    const auto started = std::chrono::steady_clock::now();
    try {
        if (const std::optional<LammpsRun> run = findLammpsRun(options.projectPath))
            return runLammpsAnalysis(*run, options, err);
        return analyseProject(options, err, started);
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
