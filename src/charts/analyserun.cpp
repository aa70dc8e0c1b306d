#include "charts/analyserun.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "analysis/energies.h"
#include "analysis/heating.h"
#include "analysis/structure.h"
#include "charts/analysesections.h"
#include "command/options.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/lammpsdump.h"
#include "files/lammpslog.h"
#include "files/linereader.h"
#include "files/numformat.h"
#include "files/output.h"
#include "model/integrator.h"

namespace zentova {

namespace {

namespace fs = std::filesystem;

std::string fixed3(double value) {
    return formatDecimals(value, 3);
}

// The frames analysed are held at once (the wandering compares every two): at most 2000,
// and fewer for a large box, so that they take no more than about 200 MB.
std::size_t mostFrames(long long particles) {
    const long long byMemory = 200'000'000LL / (25 * std::max(1LL, particles));
    return static_cast<std::size_t>(std::clamp<long long>(byMemory, 2, 2000));
}

// The export's project as the page names and colours it: the manifest's types.
Project projectOf(const LammpsManifest& m) {
    Project project;
    project.name = m.projectName;
    project.typeCount = static_cast<std::int32_t>(m.types.size());
    for (std::size_t t = 0; t < m.types.size(); ++t) {
        project.counts[t + 1] = static_cast<std::int32_t>(m.types[t].count);
        project.masses[t + 1] = m.types[t].mass;
        project.diameters[t + 1] = m.types[t].diameter;
        project.colors[t + 1] = m.types[t].colour;
    }
    project.particleCount = static_cast<std::int32_t>(m.particles);
    return project;
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

}  // namespace

int runLammpsAnalysis(const LammpsRun& run, const AnalyseOptions& options, std::ostream& err) {
    const auto started = std::chrono::steady_clock::now();
    const LammpsManifest& m = run.manifest;
    const auto say = [&](const std::string& what) {
        tell(err, run.folder + ": " + what);
        err.flush();
    };
    try {
        const Project project = projectOf(m);
        ReadingsTable readings;
        if (fileExists(run.logPath)) {
            std::ifstream log = openTextFile(run.logPath);
            readings = parseLammpsLog(log, m);
        }
        bool energies = !readings.rows.empty();

        std::string out = options.outFolder;
        if (out.empty()) {
            std::string folder = run.folder;
            while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
            out = (folder == "." ? m.stem : folder) + "-analysis";
        }
        OutputSet outputs(runPolicy(run, options.overwrite));
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
        OutputFile& pageFile = file("index.html");
        std::vector<Section> sections;
        const auto write = [&](const Outputs& files, Section section) {
            files.csv->write(section.csv);
            savePlot(section.plot, *files.png, *files.svg);
            sections.push_back(std::move(section));
        };

        // The first pass: every frame's time (and every frame checked).
        std::vector<double> times, readingTimes;
        std::string note;
        {
            const auto in = openMaybeCompressed(run.dumpPath);
            LammpsDumpReader reader(*in, run.dumpPath, m);
            for (LammpsFrame frame; reader.next(frame);) {
                times.push_back(frame.time);
                if (frame.step > 0) readingTimes.push_back(frame.time);
            }
            note = reader.note();
        }
        if (!note.empty()) tell(err, note);
        if (times.empty()) throw FileError(run.dumpPath, 0, "holds no whole frame to analyse");
        if (energies) {
            const std::size_t foreign = keepTrajectoryRows(readings, readingTimes);
            if (foreign > 0)
                tell(err, run.logPath + ": " + std::to_string(foreign) +
                              (foreign == 1 ? " row matches" : " rows match") +
                              " no frame of the dump; left out");
            energies = !readings.rows.empty();
        }
        const std::vector<std::size_t> inRange = chooseFrames(times, options.from, options.to);
        if (inRange.empty())
            throw FileError(run.dumpPath, 0,
                            "has no frames from " +
                                (options.from ? fixed3(*options.from) : "the start") + " to " +
                                (options.to ? fixed3(*options.to) : "the end") +
                                " (its frames run from t = " + fixed3(times.front()) +
                                " to t = " + fixed3(times.back()) + ")");
        const std::vector<std::size_t> wanted = thinOut(inRange, mostFrames(m.particles));

        // The second pass: the frames analysed.
        std::vector<Snapshot> frames;
        {
            const auto in = openMaybeCompressed(run.dumpPath);
            LammpsDumpReader reader(*in, run.dumpPath, m);
            std::size_t index = 0, next = 0;
            for (LammpsFrame frame; next < wanted.size() && reader.next(frame); ++index)
                if (index == wanted[next]) {
                    frames.push_back(snapshotOf(frame, m));
                    ++next;
                }
            if (frames.size() != wanted.size())
                throw FileError(run.dumpPath, 0, "changed while it was read");
        }
        double half = 0.0;
        for (int c = 0; c < 3; ++c) half = std::max(half, m.cubeEdge * m.replicate[c] / 2.0);
        const long long leftOut = leaveOutFarPositions(frames, half);
        std::vector<std::size_t> chosen(frames.size());
        for (std::size_t k = 0; k < chosen.size(); ++k) chosen[k] = k;
        const double t0 = frames.front().time, t1 = frames.back().time;
        const std::string framesRead =
            std::to_string(times.size()) + (times.size() == 1 ? " frame" : " frames");
        const std::string particles = " of " + std::to_string(m.particles) + " particles";
        std::string framesText = times.size() == 1
                                     ? "the one frame" + particles + ", at t = " + fixed3(t0)
                                     : std::to_string(inRange.size()) + " of the " + framesRead +
                                           particles + ", from t = " + fixed3(t0) +
                                           " to t = " + fixed3(t1);
        if (wanted.size() < inRange.size())
            framesText += " (one in every " +
                          std::to_string(wanted.size() > 1 ? wanted[1] - wanted[0] : 1) + ", " +
                          std::to_string(wanted.size()) + " frames)";
        say("read " + framesRead + "; analysing " + framesText);

        std::string notes;
        if (leftOut > 0)
            notes += std::to_string(leftOut) +
                     (leftOut == 1 ? " position lies" : " positions lie") +
                     " outside the box and " + (leftOut == 1 ? "is" : "are") + " left out. ";
        // g(r) is normalised for a cube; a box of unequal sides counts as the cube of its
        // volume, which the page says.
        double volume = 1.0;
        for (int c = 0; c < 3; ++c)
            volume *= std::max(1.0, m.cubeEdge * m.replicate[c] - 2.0 * WallMargin);
        const double edge = std::cbrt(volume);
        if (m.replicate[0] != m.replicate[1] || m.replicate[1] != m.replicate[2])
            notes += "The box is not a cube: g(r) is normalised for a cube of its volume. ";
        const RadialDistribution rdf = radialDistribution(frames, chosen, edge);
        write(rdfFiles, rdfSection(rdf, project));
        coordinationFile.write(coordinationCsv(rdf));
        say("g(r) written");
        const Displacement msd = meanSquareDisplacement(frames, chosen);
        write(msdFiles, msdSection(msd, project));
        say("mean square displacement written");
        write(densityFiles, densitySection(densityProfile(frames, chosen, project, half), project));
        say("density profiles written");
        if (!energies) {
            notes += "There are no kinetic energies: " + run.logPath +
                     " holds no thermo rows of this export's columns at the dump's frames.";
            tell(err, run.logPath + ": no readings; the kinetic energies are left out");
        } else {
            if (readings.badLine > 0)
                tell(err, run.logPath + ":" + std::to_string(readings.badLine) +
                              ": not a row of readings; it is left out with any others like it");
            EnergyLines lines(readings.types);
            for (const ReadingsRow& row : readings.rows) lines.add(row);
            Section section = energiesSection(lines, project);
            section.csv = energiesCsv(readings);
            write(energyFiles, std::move(section));
            say("kinetic energies written");
        }
        pageFile.write(pageOf(project.name,
                              "The structure and the wandering use " + framesText + ".", sections,
                              notes));
        outputs.commit();
        char done[160];
        std::snprintf(
            done, sizeof done, "analysis written to %s/index.html in %.2f s", out.c_str(),
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        say(done);
        return 0;
    } catch (const std::exception& e) {
        tell(err, e.what());
        return 1;
    }
}

}  // namespace zentova
