#include "charts/analyse.h"

#include <QApplication>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "analysis/structure.h"
#include "charts/plot.h"
#include "command/command.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/output.h"
#include "files/projectfile.h"
#include "files/readings.h"
#include "files/trajectory.h"
#include "model/settings.h"

namespace zentova {

namespace {

namespace fs = std::filesystem;

QColor typeColor(const Project& project, int type) {
    const Rgb& c = project.colors[type];
    return QColor(c.r, c.g, c.b);
}

QString typeName(int type) {
    return QString("type %1").arg(type);
}

std::string fixed3(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

std::string fixed2(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string htmlEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

// One plot of the page: its files' stem, heading and the words under it.
struct Section {
    std::string stem;
    std::string heading;
    std::string words;
    std::string extra;  // more HTML (a table), may be empty
};

std::string pageOf(const std::string& projectName, const std::string& framesText,
                   const std::vector<Section>& sections, const std::string& notes) {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Zentova "
        "analysis of " +
        htmlEscape(projectName) +
        "</title>\n<style>\nbody { font-family: sans-serif; max-width: 860px; margin: 2em auto; "
        "background: #fafafa; color: #222; }\nimg { width: 800px; max-width: 100%; border: 1px "
        "solid #888; }\ntable { border-collapse: collapse; }\ntd, th { border: 1px solid #aaa; "
        "padding: 2px 8px; text-align: right; }\np.files { font-size: 90%; color: #555; }\n"
        "</style>\n</head>\n<body>\n<h1>What happened in \"" +
        htmlEscape(projectName) + "\"</h1>\n<p>" + htmlEscape(framesText) + "</p>\n";
    if (!notes.empty()) page += "<p><b>Note:</b> " + htmlEscape(notes) + "</p>\n";
    for (const Section& s : sections) {
        page += "<h2>" + htmlEscape(s.heading) + "</h2>\n<img src=\"" + s.stem + ".png\" alt=\"" +
                htmlEscape(s.heading) + "\">\n<p>" + htmlEscape(s.words) + "</p>\n" + s.extra +
                "<p class=\"files\">Numbers: <a href=\"" + s.stem + ".csv\">" + s.stem +
                ".csv</a>, picture: <a href=\"" + s.stem + ".svg\">" + s.stem + ".svg</a></p>\n";
    }
    page += "</body>\n</html>\n";
    return page;
}

// More frames than this are thinned out evenly: g(r) and the displacement then still take
// seconds, and memory stays small, for a trajectory of days.
constexpr std::size_t MostFramesAnalysed = 2000;

class Steps {
  public:
    Steps(std::ostream& err, std::string project) : m_err(err), m_project(std::move(project)) {}
    void say(const std::string& what) {
        m_err << "zentova: " << m_project << ": " << what << '\n' << std::flush;
    }

  private:
    std::ostream& m_err;
    std::string m_project;
};

}  // namespace

int runAnalysis(const AnalyseOptions& options, std::ostream& err) {
    const auto started = std::chrono::steady_clock::now();
    try {
        const Project project = loadProjectFile(options.projectPath);
        const std::string base = baseNameOf(options.projectPath);
        const std::string hisPath = base + ".his";
        Steps steps(err, options.projectPath);
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
        OutputFile& pageFile = file("index.html");
        const auto write = [&](const Outputs& files, const std::string& csv,
                               const PlotContent& content) {
            files.csv->write(csv);
            savePlot(content, *files.png, *files.svg);
        };

        int partialLine = 0;
        const std::vector<double> times = trajectoryTimes(hisPath, project, &partialLine);
        if (partialLine > 0)
            err << "zentova: " << hisPath << ": " << partialFrameNote(partialLine) << '\n';
        if (times.empty())
            throw FileError(hisPath, 0, "holds no frames to analyse; calculate first");
        const std::size_t foreign = keepTrajectoryRows(readings, times);
        if (foreign > 0)
            err << "zentova: " << readingsPath << ": " << foreign
                << (foreign == 1 ? " line matches" : " lines match") << " no frame of " << hisPath
                << "; left out\n";
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
        std::string framesText = std::to_string(inRange.size()) + " of the " +
                                 std::to_string(times.size()) + " frames, from t = " + fixed3(t0) +
                                 " to t = " + fixed3(t1);
        if (wanted.size() < inRange.size())
            framesText += " (one in every " +
                          std::to_string(wanted.size() > 1 ? wanted[1] - wanted[0] : 1) + ", " +
                          std::to_string(wanted.size()) + " frames)";
        steps.say("read " + std::to_string(times.size()) + " frames; analysing " + framesText);

        std::vector<Section> sections;
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
        {
            PlotContent content{"Radial distribution g(r)",
                                "distance r (cube units)",
                                "g(r) (1 = as often as by chance)",
                                {}};
            for (const PairDistribution& p : rdf.pairs) {
                PlotLine line{typeName(p.typeA) + " \u2013 " + typeName(p.typeB), {}, {}};
                if (p.typeA == p.typeB) line.color = typeColor(project, p.typeA);
                for (int k = 0; k < rdf.bins(); ++k)
                    line.points.emplace_back((k + 0.5) * rdf.binWidth, p.g[k]);
                content.lines.push_back(std::move(line));
            }
            write(rdfFiles, radialDistributionCsv(rdf), content);
            coordinationFile.write(coordinationCsv(rdf));
            std::string table =
                "<table>\n<tr><th>types</th><th>first peak at (cube units)</th><th>first dip at "
                "(cube "
                "units)</th><th>neighbours of the second type around one of the "
                "first</th><th>neighbours of the first type around one of the "
                "second</th></tr>\n";
            ;
            for (const PairDistribution& p : rdf.pairs) {
                char row[320];
                if (p.firstMinimum > 0)
                    std::snprintf(
                        row, sizeof row,
                        "<tr><td>%d \u2013 "
                        "%d</td><td>%.2f</td><td>%.2f</td><td>%.2f</td><td>%.2f</td></tr>\n",
                        p.typeA, p.typeB, p.firstPeak, p.firstMinimum, p.coordinationAB,
                        p.coordinationBA);
                else
                    std::snprintf(row, sizeof row,
                                  "<tr><td>%d \u2013 "
                                  "%d</td><td>%s</td><td>none</td><td></td><td></td></tr>\n",
                                  p.typeA, p.typeB,
                                  p.firstPeak > 0 ? fixed2(p.firstPeak).c_str() : "none");
                table += row;
            }
            table += "</table>\n";
            sections.push_back({"rdf", "How far apart the particles sit: g(r)",
                                "This graph shows how often two particles are found at a distance "
                                "r from each other, "
                                "compared with particles scattered by chance in the box. A value "
                                "of 1 means \"as often "
                                "as by chance\". A tall, narrow peak means the particles like to "
                                "keep exactly that "
                                "distance, a sign of order as in a crystal; a flat line near 1 "
                                "means no order, as in a "
                                "gas. The table counts, for each kind, how many partners of the "
                                "other kind sit closer "
                                "than the first dip after the first peak: the nearest neighbours.",
                                table});
        }
        steps.say("g(r) of " + std::to_string(rdf.pairs.size()) + " pairs of types written");

        const Displacement msd = meanSquareDisplacement(frames, chosen);
        {
            PlotContent content{"Mean square displacement",
                                "time lag (time units)",
                                "mean square displacement (cube units\u00b2)",
                                {}};
            for (std::size_t k = 0; k < msd.types.size(); ++k) {
                PlotLine line{typeName(msd.types[k]), {}, typeColor(project, msd.types[k])};
                line.points.emplace_back(0.0, 0.0);
                for (std::size_t l = 0; l < msd.lags.size(); ++l)
                    line.points.emplace_back(msd.lags[l], msd.perType[k][l]);
                content.lines.push_back(std::move(line));
            }
            write(msdFiles, displacementCsv(msd), content);
            sections.push_back({"msd", "How far the particles wander",
                                "This graph shows how far, on average, a particle of each kind has "
                                "moved away from "
                                "where it was, against how long we waited (the distance is "
                                "squared, so 100 means 10 "
                                "cube units). A line that keeps climbing means the particles roam "
                                "about, as in a gas "
                                "or a liquid; a line that soon flattens means each particle stays "
                                "near its place, as "
                                "in a solid.",
                                ""});
            if (msd.framesUsed < chosen.size())
                notes += "The wandering uses " + std::to_string(msd.framesUsed) +
                         " of the frames: the others hold other particles. ";
        }
        steps.say("mean square displacement written");

        const DensityProfile profile =
            densityProfile(frames, chosen, project, settings.cubeHalfSize);
        {
            PlotContent content{"Density from the centre of mass",
                                "distance from the centre of mass (cube units)",
                                "particles per 1000 cube units\u00b3",
                                {}};
            for (std::size_t k = 0; k < profile.types.size(); ++k) {
                PlotLine line{typeName(profile.types[k]), {}, typeColor(project, profile.types[k])};
                for (std::size_t s = 0; s < profile.density[k].size(); ++s)
                    line.points.emplace_back((s + 0.5) * profile.binWidth, profile.density[k][s]);
                content.lines.push_back(std::move(line));
            }
            write(densityFiles, densityCsv(profile), content);
            sections.push_back(
                {"density", "Where each kind gathers",
                 "This graph shows how crowded each kind of particle is at each distance from the "
                 "middle of the whole group (its centre of mass). A high line on the left means "
                 "that "
                 "kind gathers in the middle; a high line further right means it stays on the "
                 "outside.",
                 ""});
        }
        steps.say("density profiles written");

        if (!energies) {
            notes += "There are no kinetic energies: " + readingsPath +
                     (fileExists(readingsPath)
                          ? " holds no readings."
                          : " is missing (calculate the project again to make it).");
            err << "zentova: " << readingsPath << ": "
                << (fileExists(readingsPath) ? "holds no readings" : "missing")
                << "; the kinetic energies are left out\n";
        } else {
            if (readings.badLine > 0)
                err << "zentova: " << readingsPath << ":" << readings.badLine
                    << ": not a line of readings; it is left out with any others like it\n";
            PlotContent content{"Kinetic energy",
                                "time (time units)",
                                "kinetic energy per particle (energy units)",
                                {}};
            PlotLine mean{"all particles", {}, QColor(Qt::white), true};
            std::string csv = "time,mean_kinetic_energy";
            for (int t : readings.types) csv += ",kinetic_energy_type_" + std::to_string(t);
            csv += '\n';
            std::vector<PlotLine> perType;
            for (int t : readings.types)
                perType.push_back({typeName(t), {}, typeColor(project, t)});
            for (const ReadingsRow& row : readings.rows) {
                mean.points.emplace_back(row.time, row.meanKineticEnergy);
                char field[40];
                std::snprintf(field, sizeof field, "%.3f,%.10g", row.time, row.meanKineticEnergy);
                csv += field;
                for (std::size_t k = 0; k < perType.size(); ++k) {
                    perType[k].points.emplace_back(row.time, row.typeKineticEnergy[k]);
                    std::snprintf(field, sizeof field, ",%.10g", row.typeKineticEnergy[k]);
                    csv += field;
                }
                csv += '\n';
            }
            content.lines.push_back(std::move(mean));
            for (PlotLine& line : perType) content.lines.push_back(std::move(line));
            write(energyFiles, csv, content);
            sections.push_back({"energies", "How lively the particles are: kinetic energy",
                                "This graph shows the energy of motion (kinetic energy) of an "
                                "average particle, of "
                                "all of them and of each kind, as time goes on; it covers the "
                                "whole run. Hotter means "
                                "faster. Lines that go down mean the system cools down; lines that "
                                "level off mean it "
                                "has settled.",
                                ""});
            steps.say("kinetic energies written");
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
        err << "zentova: " << e.what() << '\n';
        return 1;
    }
}

int analyseCommand(const CommandCall& call) {
    AnalyseOptions options;
    const std::vector<std::string>& args = call.arguments;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--overwrite") {
            options.overwrite = true;
        } else if (arg == "--out") {
            if (!hasValue) return usageError("--out needs a folder");
            options.outFolder = args[++i];
        } else if (arg == "--from" || arg == "--to") {
            double t = 0.0;
            if (!hasValue || !parseNumber(args[i + 1], t))
                return usageError(arg + " needs a time, such as 0.75");
            (arg == "--from" ? options.from : options.to) = t;
            ++i;
        } else if (arg.rfind("--", 0) == 0 || !options.projectPath.empty()) {
            return usageError("--analyse: unknown argument \"" + arg + "\"");
        } else {
            options.projectPath = arg;
        }
    }
    if (options.projectPath.empty()) return usageError("--analyse needs a project file");
    if (options.from && options.to && *options.from > *options.to)
        return usageError("--from must not come after --to");
    // The plots are drawn into pictures, never on a screen: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the session (no runtime folder, fonts) say nothing about the analysis;
    // the command's own lines are all it prints.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) std::cerr << "zentova: " << text.toStdString() << '\n';
    });
    int argc = 1;
    char* argv[] = {call.argv[0], nullptr};
    QApplication app(argc, argv);
    return runAnalysis(options, std::cerr);
}

}  // namespace zentova
