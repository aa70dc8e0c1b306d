#include "charts/analysesections.h"

#include <algorithm>
#include <cmath>

#include "analysis/energies.h"
#include "files/numformat.h"

namespace zentova {

namespace {

QColor typeColor(const Project& project, int type) {
    const Rgb& c = project.colors[type];
    return QColor(c.r, c.g, c.b);
}

QString typeName(int type) {
    return QString("type %1").arg(type);
}

std::string fixed2(double value) {
    return formatDecimals(value, 2);
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
        else if (c == '"')
            out += "&quot;";  // also safe inside an attribute, such as a picture's words
        else
            out += c;
    }
    return out;
}

std::string neighbourTable(const RadialDistribution& rdf) {
    std::string table =
        "<table>\n<tr><th>types</th><th>first peak at (cube units)</th><th>first dip at (cube "
        "units)</th><th>neighbours of the second type around one of the first</th><th>neighbours "
        "of the first type around one of the second</th></tr>\n";
    for (const PairDistribution& p : rdf.pairs) {
        table +=
            "<tr><td>" + std::to_string(p.typeA) + " \u2013 " + std::to_string(p.typeB) + "</td>";
        if (p.firstPeak <= 0.0)
            table += std::string("<td>") + NoClearPeak + "</td><td></td><td></td><td></td>";
        else if (p.firstMinimum <= 0.0)
            table +=
                "<td>" + fixed2(p.firstPeak) + "</td><td>" + NoClearDip + "</td><td></td><td></td>";
        else
            table += "<td>" + fixed2(p.firstPeak) + "</td><td>" + fixed2(p.firstMinimum) +
                     "</td><td>" + fixed2(p.coordinationAB) + "</td><td>" +
                     fixed2(p.coordinationBA) + "</td>";
        table += "</tr>\n";
    }
    return table + "</table>\n";
}

// Below this share of the cube, crowding alone lifts g(r) fourfold or more: the words say why.
constexpr double LumpShareWorded = 0.25;

// A number as a person reads it, to two significant digits (three from 100 up), no exponent.
std::string plain(double value) {
    if (value >= 100.0) return formatDecimals(value, 0);
    return formatSignificant(value, 2);
}

// Why g(r) runs into the hundreds for particles that gathered in a small part of the cube,
// with g(r) measured against the lump's own density; empty when they spread through much of it.
std::string lumpWords(const RadialDistribution& rdf) {
    const double share = lumpShareOfCube(rdf.gyrationRadius, rdf.edge);
    if (!(share < LumpShareWorded) || share <= 0.0) return "";
    const PairDistribution* top = nullptr;
    int topBin = 0;
    for (const PairDistribution& p : rdf.pairs)
        for (int k = 0; k < static_cast<int>(p.g.size()); ++k)
            if (!top || p.g[k] > top->g[topBin]) {
                top = &p;
                topBin = k;
            }
    const double across = 2.0 * std::sqrt(5.0 / 3.0) * rdf.gyrationRadius;
    std::string words =
        "<p><b>Why the values reach far above 1:</b> the particles gathered into a lump about " +
        plain(across) + " cube units across, which fills about " + plain(100.0 * share) +
        " % of the cube (a ball as spread out about its centre as they are). Inside it they "
        "meet one another about " +
        plain(1.0 / share) +
        " times as often as if spread through the whole cube, so g(r) stands that much higher "
        "than chance inside the lump, and falls to 0 at distances longer than the lump is "
        "wide. Divided by " +
        plain(1.0 / share) + ", g(r) compares with the lump's own density";
    if (top && top->g[topBin] > 0.0)
        words += ": the highest value, " + plain(top->g[topBin]) + " (types " +
                 std::to_string(top->typeA) + " \u2013 " + std::to_string(top->typeB) +
                 " at r = " + fixed2((topBin + 0.5) * rdf.binWidth) + "), is then " +
                 plain(top->g[topBin] * share) + " times the lump's own density";
    // Still far above 1: the lump is not even, and these pairs crowd into a denser part.
    if (top && top->g[topBin] * share > 20.0)
        words +=
            ", still far above 1: those particles gather more densely within the lump, "
            "such as in a core at its middle";
    return words + ".</p>\n";
}

// A highest point this many times the second half's mean sets the scale alone.
constexpr double SpikeRatio = 3.0;

// A word on a spike of the mean kinetic energy that dwarfs the rest of the run: where it is,
// how high against the second half, and, when the bath was not raised then, where it came from.
std::string spikeWords(const EnergyLines& lines) {
    const std::vector<double>& energies = lines.meanEnergies;
    if (energies.size() < 4) return "";
    double sum = 0.0;
    for (std::size_t k = energies.size() / 2; k < energies.size(); ++k) sum += energies[k];
    const double level = sum / static_cast<double>(energies.size() - energies.size() / 2);
    const double highest = lines.highestEnergy;
    if (!(highest > SpikeRatio * level) || !(level > 0.0)) return "";
    std::string words = "<p><b>The highest point</b>, " + plain(highest) +
                        " per particle at t = " + formatDecimals(lines.highestTime, 3) + ", is " +
                        plain(highest / level) + " times the mean of the run's second half (" +
                        plain(level) + ")";
    if (lines.highestBath > lines.lowestBath)
        words += "; it came while the bath was raised to x " + fixed2(lines.highestBath);
    else
        words +=
            ": the bath was not raised then, so it is energy of position turned into motion "
            "as the particles' forces drew them together (into a lump) or drove them apart, "
            "faster than the bath's damping took it away";
    return words +
           ". It sets the plot's scale, so the rest of the run looks small beside it; "
           "energies.csv holds every value.</p>\n";
}

}  // namespace

Section rdfSection(const RadialDistribution& rdf, const Project& project) {
    Section s{"rdf",
              "How far apart the particles sit: g(r)",
              "This graph shows how often two particles are found at a distance r from each "
              "other, compared with particles scattered by chance in the box. A value of 1 means "
              "\"as often as by chance\". A tall, narrow peak means the particles like to keep "
              "exactly that distance, a sign of order as in a crystal; a flat line near 1 means "
              "no order, as in a gas. The table counts, for each kind, how many partners of the "
              "other kind sit closer than the first dip after the first peak: the nearest "
              "neighbours.",
              lumpWords(rdf) + neighbourTable(rdf),
              radialDistributionCsv(rdf),
              {"Radial distribution g(r)",
               "distance r (cube units)",
               "g(r) (1 = as often as by chance)",
               {}}};
    for (const PairDistribution& p : rdf.pairs) {
        // Like pairs in their type's colour; unlike ones dashed, in colours of their own.
        PlotLine line{QString("types %1 \u2013 %2").arg(p.typeA).arg(p.typeB), {}, {}};
        if (p.typeA == p.typeB)
            line.color = typeColor(project, p.typeA);
        else
            line.style = Qt::DashLine;
        for (int k = 0; k < rdf.bins(); ++k)
            line.points.emplace_back((k + 0.5) * rdf.binWidth, p.g[k]);
        s.plot.lines.push_back(std::move(line));
    }
    return s;
}

Section msdSection(const Displacement& msd, const Project& project) {
    Section s{"msd",
              "How far the particles wander",
              "This graph shows how far, on average, a particle of each kind has moved away from "
              "where it was, against how long we waited (the distance is squared, so 100 means "
              "10 cube units). A line that keeps climbing means the particles roam about, as in "
              "a gas or a liquid; a line that soon flattens means each particle stays near its "
              "place, as in a solid.",
              "",
              displacementCsv(msd),
              {"Mean square displacement",
               "time lag (time units)",
               "mean square displacement (cube units\u00b2)",
               {}}};
    if (msd.lags.empty())
        s.extra = std::string(
                      "<p><b>The plot is empty:</b> the wandering needs two frames or "
                      "more that hold the same particles, and ") +
                  (msd.framesUsed == 1 ? "only one such frame is" : "no such frame is") +
                  " analysed. Choose a longer stretch of the run with --from and --to.</p>\n";
    for (std::size_t k = 0; k < msd.types.size(); ++k) {
        PlotLine line{typeName(msd.types[k]), {}, typeColor(project, msd.types[k])};
        line.points.emplace_back(0.0, 0.0);
        for (std::size_t l = 0; l < msd.lags.size(); ++l)
            line.points.emplace_back(msd.lags[l], msd.perType[k][l]);
        s.plot.lines.push_back(std::move(line));
    }
    return s;
}

Section densitySection(const DensityProfile& profile, const Project& project) {
    Section s{"density",
              "Where each kind gathers",
              "This graph shows, for each kind of particle, which share of its particles lies at "
              "each distance from the middle of the whole group (its centre of mass), in shells "
              "one cube unit thick. Each kind's line adds up to 100 %, so a kind of few "
              "particles compares with a kind of many: a kind whose line rises and falls on the "
              "left gathers in the middle; a kind whose line lies further right stays on the "
              "outside. The numbers also give each kind's density in each shell.",
              "",
              densityCsv(profile),
              {"Where each kind lies from the centre of mass",
               "distance from the centre of mass (cube units)",
               "share of the kind's particles in the shell (%)",
               {}}};
    for (std::size_t k = 0; k < profile.types.size(); ++k) {
        PlotLine line{typeName(profile.types[k]), {}, typeColor(project, profile.types[k])};
        for (std::size_t r = 0; r < profile.share[k].size(); ++r)
            line.points.emplace_back((r + 0.5) * profile.binWidth, profile.share[k][r]);
        s.plot.lines.push_back(std::move(line));
    }
    return s;
}

Section energiesSection(const EnergyLines& lines, const Project& project) {
    Section s{
        "energies",
        "How lively the particles are: kinetic energy",
        "This graph shows the energy of motion (kinetic energy) of an average particle, of "
        "all of them and of each kind, as time goes on; it covers the whole run. Hotter "
        "means faster. Lines that go down mean the system cools down; lines that level off "
        "mean it has settled.",
        "",
        "",
        {"Kinetic energy", "time (time units)", "kinetic energy per particle (energy units)", {}}};
    if (lines.types.size() == 1) {
        // All particles are of the one type: its line would be drawn over the same numbers.
        const int type = lines.types[0];
        PlotLine all{
            QString("all particles (all of type %1)").arg(type), {}, typeColor(project, type)};
        for (const auto& [t, e] : lines.mean.points()) all.points.emplace_back(t, e);
        s.plot.lines.push_back(std::move(all));
    } else {
        PlotLine mean{"all particles", {}, QColor(Qt::white), Qt::DashLine};
        for (const auto& [t, e] : lines.mean.points()) mean.points.emplace_back(t, e);
        s.plot.lines.push_back(std::move(mean));
        for (std::size_t k = 0; k < lines.types.size(); ++k) {
            PlotLine line{typeName(lines.types[k]), {}, typeColor(project, lines.types[k])};
            for (const auto& [t, e] : lines.perType[k].points()) line.points.emplace_back(t, e);
            s.plot.lines.push_back(std::move(line));
        }
    }
    s.extra = spikeWords(lines);
    return s;
}

Section heatingSection(const std::vector<BathHold>& holds) {
    Section s{"heating",
              "Heating and cooling: kinetic energy against the bath",
              "The run changed the bath's temperature (with the keys H, C and B, or with "
              "--bath). Each point is one stretch at one bath: across, how hot the bath was "
              "(1 = the setup's); up, the energy of motion an average particle settled at, the "
              "mean over the stretch's second half (in heating.csv, frames counts the whole "
              "stretch and frames_in_mean its second half). The line joins the settled "
              "stretches in the order of the run. The bath sets the temperature, so the settled "
              "points lie close to a straight line through zero; one far off it shows the "
              "particles heating themselves, as a lump does while it forms. Whether the particles "
              "melted shows in g(r) and the wandering: "
              "analyse each stretch with --from and --to.",
              "",
              heatingCsv(holds),
              {"Heating curve",
               "bath (times the setup's temperature)",
               "kinetic energy per particle (energy units)",
               {}}};
    PlotLine settled{"settled, in the order of the run", {}, QColor(255, 176, 0)};
    settled.marks = PointMarks::Filled;
    PlotLine unsettled{"too short to settle", {}, QColor(255, 176, 0)};
    unsettled.marks = PointMarks::Hollow;
    unsettled.joined = false;
    std::string named;
    int count = 0;
    for (const BathHold& hold : holds) {
        (hold.settled ? settled : unsettled)
            .points.emplace_back(hold.factor, hold.meanKineticEnergy);
        if (hold.settled) continue;
        named += std::string(named.empty() ? "" : ", ") + "x " + fixed2(hold.factor) + " (" +
                 std::to_string(hold.frames) + (hold.frames == 1 ? " frame" : " frames") +
                 ", from t = " + formatDecimals(hold.from, 3) + ")";
        ++count;
    }
    if (!settled.points.empty()) s.plot.lines.push_back(std::move(settled));
    if (count > 0) {
        s.plot.lines.push_back(std::move(unsettled));
        s.extra = "<p><b>" + std::string(count == 1 ? "One stretch was" : "Some stretches were") +
                  " too short to settle</b>, drawn hollow and not joined: bath " +
                  htmlEscape(named) + ". The particles had not yet followed " +
                  (count == 1 ? "its bath" : "their baths") + ": " +
                  (count == 1 ? "its" : "each one's") +
                  " second half began less than the bath's relaxation time (" +
                  formatDecimals(BathRelaxationTime, 2) +
                  " time units with the setup's damping) after its first frame, or held fewer "
                  "than " +
                  std::to_string(FewestFramesInMean) +
                  " frames. Their energies lag behind and show no melting point; hold a bath "
                  "longer to measure it.</p>\n";
    }
    return s;
}

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
                htmlEscape(plotInWords(s.plot)) + "\">\n<p>" + htmlEscape(s.words) + "</p>\n" +
                s.extra + "<p class=\"files\">Numbers: <a href=\"" + s.stem + ".csv\">" + s.stem +
                ".csv</a>, picture: <a href=\"" + s.stem + ".svg\">" + s.stem + ".svg</a></p>\n";
    }
    page += "</body>\n</html>\n";
    return page;
}

}  // namespace zentova
