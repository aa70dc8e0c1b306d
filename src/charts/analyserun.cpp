#include "charts/analyserun.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "analysis/energies.h"
#include "analysis/heating.h"
#include "analysis/structure.h"
#include "charts/analysesections.h"
#include "charts/analysisfiles.h"
#include "charts/analysispage.h"
#include "command/options.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/lammpsdump.h"
#include "files/lammpslog.h"
#include "files/linereader.h"
#include "files/numformat.h"
#include "files/output.h"
#include "lang/language.h"
#include "model/integrator.h"

namespace zentova {

namespace {

// The frames analysed are held at once (the wandering compares every two): at most 2000,
// and fewer for a large box, so that they take no more than about 200 MB.
std::size_t mostFrames(long long particles) {
    const long long byMemory = 200'000'000LL / (25 * std::max(1LL, particles));
    return static_cast<std::size_t>(std::clamp<long long>(byMemory, 2, 2000));
}

// A dump frame as the analysis keeps it: the model's coordinates, centred on the cubes.
Snapshot snapshotOf(const LammpsFrame& frame, const LammpsManifest& m) {
    Snapshot s;
    s.time = frame.time;
    s.xyz = frame.positions;
    for (std::size_t p = 0; p < frame.types.size(); ++p)
        for (int c = 0; c < 3; ++c) s.xyz[3 * p + c] -= m.cubeEdge * m.replicate[c] / 2.0;
    s.types.assign(frame.types.begin(), frame.types.end());
    return s;
}

// The log's readings, when there is a log.
ReadingsTable logReadings(const LammpsRun& run) {
    ReadingsTable readings;
    if (fileExists(run.logPath)) {
        std::ifstream log = openTextFile(run.logPath);
        readings = parseLammpsLog(log, run.manifest);
    }
    return readings;
}

// The folder written to: the one asked for, or the run's folder's name + "-analysis".
std::string outputFolder(const LammpsRun& run, const AnalyseOptions& options) {
    std::string out = options.outFolder;
    if (out.empty()) {
        std::string folder = run.folder;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        out = (folder == "." ? run.manifest.stem : folder) + "-analysis";
    }
    return out;
}

// The dump's first pass: every frame's time, those of the frames after the first (which the
// log's rows stand at), and the note of a last frame cut short.
struct DumpTimes {
    std::vector<double> times;
    std::vector<double> readingTimes;
    std::string note;
};

DumpTimes readTimes(const LammpsRun& run) {
    DumpTimes read;
    const auto in = openMaybeCompressed(run.dumpPath);
    LammpsDumpReader reader(*in, run.dumpPath, run.manifest);
    for (LammpsFrame frame; reader.next(frame);) {
        read.times.push_back(frame.time);
        if (frame.step > 0) read.readingTimes.push_back(frame.time);
    }
    read.note = reader.note();
    return read;
}

// The dump's second pass: the frames analysed, as the analysis keeps them.
std::vector<Snapshot> readFrames(const LammpsRun& run, const std::vector<std::size_t>& wanted) {
    std::vector<Snapshot> frames;
    const auto in = openMaybeCompressed(run.dumpPath);
    LammpsDumpReader reader(*in, run.dumpPath, run.manifest);
    std::size_t index = 0, next = 0;
    for (LammpsFrame frame; next < wanted.size() && reader.next(frame); ++index)
        if (index == wanted[next]) {
            frames.push_back(snapshotOf(frame, run.manifest));
            ++next;
        }
    if (frames.size() != wanted.size())
        throw FileError(run.dumpPath, 0, "changed while it was read");
    return frames;
}

// Half the longest side of the box.
double halfBox(const LammpsManifest& m) {
    double half = 0.0;
    for (int c = 0; c < 3; ++c) half = std::max(half, m.cubeEdge * m.replicate[c] / 2.0);
    return half;
}

// g(r), the wandering and the density profiles of the frames analysed.
void writeStructure(const std::vector<Snapshot>& frames, const LammpsManifest& m,
                    const Project& project, AnalysisFiles& files, std::string& notes,
                    const std::function<void(const std::string&)>& say) {
    const std::vector<std::size_t> chosen = everyFrame(frames.size());
    // g(r) is normalised for a cube; a box of unequal sides counts as the cube of its
    // volume, which the page says.
    double volume = 1.0;
    for (int c = 0; c < 3; ++c)
        volume *= std::max(1.0, m.cubeEdge * m.replicate[c] - 2.0 * WallMargin);
    const double edge = std::cbrt(volume);
    if (m.replicate[0] != m.replicate[1] || m.replicate[1] != m.replicate[2])
        notes += translated("Analysis",
                            "The box is not a cube: g(r) is normalised for a "
                            "cube of its volume.") +
                 " ";
    const RadialDistribution rdf = radialDistribution(frames, chosen, edge);
    files.write(files.rdf, rdfSection(rdf, project));
    files.coordination->write(coordinationCsv(rdf));
    say("g(r) written");
    const Displacement msd = meanSquareDisplacement(frames, chosen);
    files.write(files.msd, msdSection(msd, project));
    say("mean square displacement written");
    files.write(files.density,
                densitySection(densityProfile(frames, chosen, project, halfBox(m)), project));
    say("density profiles written");
}

// The kinetic energies of the log, or a note of why there are none.
void writeEnergies(const ReadingsTable& readings, bool energies, const LammpsRun& run,
                   const Project& project, AnalysisFiles& files, std::string& notes,
                   const std::function<void(const std::string&)>& say, std::ostream& err) {
    if (!energies) {
        notes += filled(translated("Analysis",
                                   "There are no kinetic energies: %1 holds no "
                                   "thermo rows of this export's columns at the "
                                   "dump's frames."),
                        {run.logPath});
        tell(err, run.logPath + ": no readings; the kinetic energies are left out");
        return;
    }
    if (readings.badLine > 0)
        tell(err, run.logPath + ":" + std::to_string(readings.badLine) +
                      ": not a row of readings; it is left out with any others like it");
    EnergyLines lines(readings.types);
    for (const ReadingsRow& row : readings.rows) lines.add(row);
    Section section = energiesSection(lines, project);
    section.csv = energiesCsv(readings);
    files.write(files.energies, std::move(section));
    say("kinetic energies written");
}

// --analyse of a LAMMPS run, in steps: the log's readings, every output added, the dump's
// times (the log's rows kept at its frames), the frames analysed, then the structure, the
// energies and the page.
int analyseRun(const LammpsRun& run, const AnalyseOptions& options, std::ostream& err,
               std::chrono::steady_clock::time_point started) {
    const LammpsManifest& m = run.manifest;
    const auto say = [&](const std::string& what) {
        tell(err, run.folder + ": " + what);
        err.flush();
    };
    const Project project = projectOfRun(m);
    ReadingsTable readings = logReadings(run);
    bool energies = !readings.rows.empty();
    AnalysisFiles files(runPolicy(run, options.overwrite), outputFolder(run, options), energies,
                        false);

    const DumpTimes read = readTimes(run);
    const std::vector<double>& times = read.times;
    if (!read.note.empty()) tell(err, read.note);
    if (times.empty()) throw FileError(run.dumpPath, 0, "holds no whole frame to analyse");
    if (energies) {
        const std::size_t foreign = keepTrajectoryRows(readings, read.readingTimes);
        if (foreign > 0)
            tell(err, run.logPath + ": " + std::to_string(foreign) +
                          (foreign == 1 ? " row matches" : " rows match") +
                          " no frame of the dump; left out");
        energies = !readings.rows.empty();
    }
    const std::vector<std::size_t> inRange = chooseFrames(times, options.from, options.to);
    if (inRange.empty())
        throw noFramesBetween(run.dumpPath, options.from, options.to, times.front(), times.back(),
                              formatDecimals);
    const std::vector<std::size_t> wanted = thinOut(inRange, mostFrames(m.particles));

    std::vector<Snapshot> frames = readFrames(run, wanted);
    const long long leftOut = leaveOutFarPositions(frames, halfBox(m));
    const FramesUsed used =
        framesUsed(times.size(), inRange.size(), wanted, frames.front().time, frames.back().time,
                   " of " + std::to_string(m.particles) + " particles", formatDecimals);
    say("read " + used.read + "; analysing " + used.analysed);

    std::string notes;
    if (leftOut > 0)
        notes += translated("Analysis", "%n position lies outside the box and is left out.",
                            nullptr, countOf(leftOut)) +
                 " ";
    writeStructure(frames, m, project, files, notes, say);
    writeEnergies(readings, energies, run, project, files, notes, say, err);
    const std::string sentence = framesSentence(
        {inRange.size(), times.size(), formatDecimals(frames.front().time, 3),
         formatDecimals(frames.back().time, 3),
         wanted.size() < inRange.size() ? (wanted.size() > 1 ? wanted[1] - wanted[0] : 1) : 0,
         wanted.size(), m.particles});
    say(files.finish(project.name, sentence, notes, started));
    return 0;
}

}  // namespace

int runLammpsAnalysis(const LammpsRun& run, const AnalyseOptions& options, std::ostream& err) {
    const auto started = std::chrono::steady_clock::now();
    try {
        return analyseRun(run, options, err, started);
    } catch (const std::exception& e) {
        tell(err, e.what());
        return 1;
    }
}

}  // namespace zentova
