#include "charts/analysesections.h"

#include <QLocale>
#include <algorithm>
#include <climits>
#include <cmath>

#include "analysis/energies.h"
#include "files/numformat.h"
#include "lang/language.h"

namespace zentova {

namespace {

QColor typeColor(const Project& project, int type) {
    const Rgb& c = project.colors[type];
    return QColor(c.r, c.g, c.b);
}

QString typeName(int type) {
    return QString::fromStdString(
        filled(translated("Analysis", "type %1"), {std::to_string(type)}));
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A number of the page's words as the chosen language writes it; the CSV files keep the
// point whatever the language.
std::string onScreen(std::string number) {
    const std::string point = QString(QLocale().decimalPoint()).toStdString();
    std::string out;
    for (char c : number) out += c == '.' ? point : std::string(1, c);
    return out;
}

std::string fixed2(double value) {
    return onScreen(formatDecimals(value, 2));
}

std::string fixed3(double value) {
    return onScreen(formatDecimals(value, 3));
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
    std::string table = "<table>\n<tr><th>" + translated("Analysis", "types") + "</th><th>" +
                        translated("Analysis", "first peak at (cube units)") + "</th><th>" +
                        translated("Analysis", "first dip at (cube units)") + "</th><th>" +
                        translated("Analysis",
                                   "neighbours of the second type around one of the "
                                   "first") +
                        "</th><th>" +
                        translated("Analysis",
                                   "neighbours of the first type around one of the "
                                   "second") +
                        "</th></tr>\n";
    for (const PairDistribution& p : rdf.pairs) {
        table +=
            "<tr><td>" + std::to_string(p.typeA) + " \u2013 " + std::to_string(p.typeB) + "</td>";
        if (p.firstPeak <= 0.0)
            table += "<td>" + translated("Analysis", "no clear peak") +
                     "</td><td></td><td></td><td></td>";
        else if (p.firstMinimum <= 0.0)
            table += "<td>" + fixed2(p.firstPeak) + "</td><td>" +
                     translated("Analysis", "no clear dip") + "</td><td></td><td></td>";
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
    return onScreen(formatSignificant(value, 2));
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
    const std::string times = plain(1.0 / share);
    std::string words =
        "<p><b>" + translated("Analysis", "Why the values reach far above 1:") + "</b> " +
        filled(translated("Analysis",
                          "the particles gathered into a lump about %1 cube units across, which "
                          "fills about %2 % of the cube (a ball as spread out about its centre "
                          "as they are). Inside it they meet one another about %3 times as "
                          "often as if spread through the whole cube, so g(r) stands that much "
                          "higher than chance inside the lump, and falls to 0 at distances "
                          "longer than the lump is wide."),
               {plain(across), plain(100.0 * share), times}) +
        " ";
    if (!top || !(top->g[topBin] > 0.0)) {
        words += filled(translated("Analysis",
                                   "Divided by %1, g(r) compares with the lump's own "
                                   "density."),
                        {times});
    } else {
        const std::initializer_list<std::string> values = {times,
                                                           plain(top->g[topBin]),
                                                           std::to_string(top->typeA),
                                                           std::to_string(top->typeB),
                                                           fixed2((topBin + 0.5) * rdf.binWidth),
                                                           plain(top->g[topBin] * share)};
        // Still far above 1: the lump is not even, and these pairs crowd into a denser part.
        words += top->g[topBin] * share > 20.0
                     ? filled(translated("Analysis",
                                         "Divided by %1, g(r) compares with the lump's own "
                                         "density: the highest value, %2 (types %3 – %4 at "
                                         "r = %5), is then %6 times the lump's own density, "
                                         "still far above 1: those particles gather more "
                                         "densely within the lump, such as in a core at its "
                                         "middle."),
                              values)
                     : filled(translated("Analysis",
                                         "Divided by %1, g(r) compares with the lump's own "
                                         "density: the highest value, %2 (types %3 – %4 at "
                                         "r = %5), is then %6 times the lump's own density."),
                              values);
    }
    return words + "</p>\n";
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
    const std::string at = fixed3(lines.highestTime);
    std::string words =
        lines.highestBath > lines.lowestBath
            ? filled(translated("Analysis",
                                "<b>The highest point</b>, %1 per particle at t = %2, is %3 "
                                "times the mean of the run's second half (%4); it came while "
                                "the bath was raised to x %5."),
                     {plain(highest), at, plain(highest / level), plain(level),
                      fixed2(lines.highestBath)})
            : filled(translated("Analysis",
                                "<b>The highest point</b>, %1 per particle at t = %2, is %3 "
                                "times the mean of the run's second half (%4): the bath was not "
                                "raised then, so it is energy of position turned into motion as "
                                "the particles' forces drew them together (into a lump) or "
                                "drove them apart, faster than the bath's damping took it "
                                "away."),
                     {plain(highest), at, plain(highest / level), plain(level)});
    return "<p>" + words + " " +
           translated("Analysis",
                      "It sets the plot's scale, so the rest of the run looks small beside it; "
                      "energies.csv holds every value.") +
           "</p>\n";
}

}  // namespace

Section rdfSection(const RadialDistribution& rdf, const Project& project) {
    Section s{
        "rdf",
        translated("Analysis", "How far apart the particles sit: g(r)"),
        translated(
            "Analysis",
            "This graph shows how often two particles are found at a distance r from each "
            "other, compared with particles scattered by chance in the box. A value of 1 means "
            "\"as often as by chance\". A tall, narrow peak means the particles like to keep "
            "exactly that distance, a sign of order as in a crystal; a flat line near 1 means "
            "no order, as in a gas. The table counts, for each kind, how many partners of the "
            "other kind sit closer than the first dip after the first peak: the nearest "
            "neighbours."),
        lumpWords(rdf) + neighbourTable(rdf),
        radialDistributionCsv(rdf),
        {text(translated("Analysis", "Radial distribution g(r)")),
         text(translated("Analysis", "distance r (cube units)")),
         text(translated("Analysis", "g(r) (1 = as often as by chance)")),
         {}}};
    for (const PairDistribution& p : rdf.pairs) {
        // Like pairs in their type's colour; unlike ones dashed, in colours of their own.
        PlotLine line{text(filled(translated("Analysis", "types %1 – %2"),
                                  {std::to_string(p.typeA), std::to_string(p.typeB)})),
                      {},
                      {}};
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
    Section s{
        "msd",
        translated("Analysis", "How far the particles wander"),
        translated(
            "Analysis",
            "This graph shows how far, on average, a particle of each kind has moved away from "
            "where it was, against how long we waited (the distance is squared, so 100 means "
            "10 cube units). A line that keeps climbing means the particles roam about, as in "
            "a gas or a liquid; a line that soon flattens means each particle stays near its "
            "place, as in a solid."),
        "",
        displacementCsv(msd),
        {text(translated("Analysis", "Mean square displacement")),
         text(translated("Analysis", "time lag (time units)")),
         text(translated("Analysis", "mean square displacement (cube units²)")),
         {}}};
    if (msd.lags.empty())
        s.extra = "<p>" +
                  (msd.framesUsed == 1
                       ? translated("Analysis",
                                    "<b>The plot is empty:</b> the wandering needs two frames or "
                                    "more that hold the same particles, and only one such frame "
                                    "is analysed. Choose a longer stretch of the run with --from "
                                    "and --to.")
                       : translated("Analysis",
                                    "<b>The plot is empty:</b> the wandering needs two frames or "
                                    "more that hold the same particles, and no such frame is "
                                    "analysed. Choose a longer stretch of the run with --from "
                                    "and --to.")) +
                  "</p>\n";
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
    Section s{
        "density",
        translated("Analysis", "Where each kind gathers"),
        translated(
            "Analysis",
            "This graph shows, for each kind of particle, which share of its particles lies at "
            "each distance from the middle of the whole group (its centre of mass), in shells "
            "one cube unit thick. Each kind's line adds up to 100 %, so a kind of few "
            "particles compares with a kind of many: a kind whose line rises and falls on the "
            "left gathers in the middle; a kind whose line lies further right stays on the "
            "outside. The numbers also give each kind's density in each shell."),
        "",
        densityCsv(profile),
        {text(translated("Analysis", "Where each kind lies from the centre of mass")),
         text(translated("Analysis", "distance from the centre of mass (cube units)")),
         text(translated("Analysis", "share of the kind's particles in the shell (%)")),
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
        translated("Analysis", "How lively the particles are: kinetic energy"),
        translated(
            "Analysis",
            "This graph shows the energy of motion (kinetic energy) of an average particle, of "
            "all of them and of each kind, as time goes on; it covers the whole run. Hotter "
            "means faster. Lines that go down mean the system cools down; lines that level off "
            "mean it has settled."),
        "",
        "",
        {text(translated("Analysis", "Kinetic energy")),
         text(translated("Analysis", "time (time units)")),
         text(translated("Analysis", "kinetic energy per particle (energy units)")),
         {}}};
    if (lines.types.size() == 1) {
        // All particles are of the one type: its line would be drawn over the same numbers.
        const int type = lines.types[0];
        PlotLine all{text(filled(translated("Analysis", "all particles (all of type %1)"),
                                 {std::to_string(type)})),
                     {},
                     typeColor(project, type)};
        for (const auto& [t, e] : lines.mean.points()) all.points.emplace_back(t, e);
        s.plot.lines.push_back(std::move(all));
    } else {
        PlotLine mean{
            text(translated("Analysis", "all particles")), {}, QColor(Qt::white), Qt::DashLine};
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
    Section s{
        "heating",
        translated("Analysis", "Heating and cooling: kinetic energy against the bath"),
        translated(
            "Analysis",
            "The run changed the bath's temperature (with the keys H, C and B, or with "
            "--bath). Each point is one stretch at one bath: across, how hot the bath was "
            "(1 = the setup's); up, the energy of motion an average particle settled at, the "
            "mean over the stretch's second half (in heating.csv, frames counts the whole "
            "stretch and frames_in_mean its second half). The line joins the settled "
            "stretches in the order of the run. The bath sets the temperature, so the settled "
            "points lie close to a straight line through zero; one far off it shows the "
            "particles heating themselves, as a lump does while it forms. Whether the particles "
            "melted shows in g(r) and the wandering: "
            "analyse each stretch with --from and --to."),
        "",
        heatingCsv(holds),
        {text(translated("Analysis", "Heating curve")),
         text(translated("Analysis", "bath (times the setup's temperature)")),
         text(translated("Analysis", "kinetic energy per particle (energy units)")),
         {}}};
    PlotLine settled{
        text(translated("Analysis", "settled, in the order of the run")), {}, QColor(255, 176, 0)};
    settled.marks = PointMarks::Filled;
    PlotLine unsettled{
        text(translated("Analysis", "too short to settle")), {}, QColor(255, 176, 0)};
    unsettled.marks = PointMarks::Hollow;
    unsettled.joined = false;
    std::string named;
    int count = 0;
    for (const BathHold& hold : holds) {
        (hold.settled ? settled : unsettled)
            .points.emplace_back(hold.factor, hold.meanKineticEnergy);
        if (hold.settled) continue;
        named += std::string(named.empty() ? "" : ", ") +
                 filled(translated("Analysis", "x %1 (%n frames, from t = %2)", nullptr,
                                   countOf(hold.frames)),
                        {fixed2(hold.factor), fixed3(hold.from)});
        ++count;
    }
    if (!settled.points.empty()) s.plot.lines.push_back(std::move(settled));
    if (count > 0) {
        s.plot.lines.push_back(std::move(unsettled));
        const std::initializer_list<std::string> values = {
            htmlEscape(named), fixed2(BathRelaxationTime), std::to_string(FewestFramesInMean)};
        s.extra =
            "<p>" +
            filled(count == 1
                       ? translated("Analysis",
                                    "<b>One stretch was too short to settle</b>, drawn hollow and "
                                    "not joined: bath %1. The particles had not yet followed its "
                                    "bath: its second half began less than the bath's relaxation "
                                    "time (%2 time units with the setup's damping) after its "
                                    "first frame, or held fewer than %3 frames. Their energies "
                                    "lag behind and show no melting point; hold a bath longer to "
                                    "measure it.")
                       : translated("Analysis",
                                    "<b>Some stretches were too short to settle</b>, drawn hollow "
                                    "and not joined: bath %1. The particles had not yet followed "
                                    "their baths: each one's second half began less than the "
                                    "bath's relaxation time (%2 time units with the setup's "
                                    "damping) after its first frame, or held fewer than %3 "
                                    "frames. Their energies lag behind and show no melting point; "
                                    "hold a bath longer to measure it."),
                   values) +
            "</p>\n";
    }
    return s;
}

std::string framesSentence(const PageFrames& used) {
    const std::string from = onScreen(used.from), to = onScreen(used.to);
    const int frames = static_cast<int>(std::min<std::size_t>(used.frameCount, INT_MAX));
    if (used.particles < 0) {
        if (used.frameCount == 1)
            return filled(translated("Analysis",
                                     "The structure and the wandering use the one frame, at t = "
                                     "%1."),
                          {from});
        if (used.every == 0)
            return filled(translated("Analysis",
                                     "The structure and the wandering use %1 of the %n frames, "
                                     "from t = %2 to t = %3.",
                                     nullptr, frames),
                          {std::to_string(used.inRange), from, to});
        return filled(translated("Analysis",
                                 "The structure and the wandering use %1 of the %n frames, from "
                                 "t = %2 to t = %3 (one in every %4, %5 frames).",
                                 nullptr, frames),
                      {std::to_string(used.inRange), from, to, std::to_string(used.every),
                       std::to_string(used.analysed)});
    }
    const std::string particles = std::to_string(used.particles);
    if (used.frameCount == 1)
        return filled(translated("Analysis",
                                 "The structure and the wandering use the one frame of %1 "
                                 "particles, at t = %2."),
                      {particles, from});
    if (used.every == 0)
        return filled(translated("Analysis",
                                 "The structure and the wandering use %1 of the %n frames of %2 "
                                 "particles, from t = %3 to t = %4.",
                                 nullptr, frames),
                      {std::to_string(used.inRange), particles, from, to});
    return filled(translated("Analysis",
                             "The structure and the wandering use %1 of the %n frames of %2 "
                             "particles, from t = %3 to t = %4 (one in every %5, %6 frames).",
                             nullptr, frames),
                  {std::to_string(used.inRange), particles, from, to, std::to_string(used.every),
                   std::to_string(used.analysed)});
}

int countOf(long long count) {
    return static_cast<int>(std::clamp<long long>(count, 0, INT_MAX));
}

std::string pageLanguage() {
    std::string code = chosenLanguage();
    std::replace(code.begin(), code.end(), '_', '-');
    return code;
}

std::string pageOf(const std::string& projectName, const std::string& framesText,
                   const std::vector<Section>& sections, const std::string& notes) {
    const std::string name = htmlEscape(projectName);
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"" + pageLanguage() +
        "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        filled(translated("Analysis", "Zentova analysis of %1"), {name}) +
        "</title>\n<style>\nbody { font-family: sans-serif; max-width: 860px; margin: 2em auto; "
        "background: #fafafa; color: #222; }\nimg { width: 800px; max-width: 100%; border: 1px "
        "solid #888; }\ntable { border-collapse: collapse; }\ntd, th { border: 1px solid #aaa; "
        "padding: 2px 8px; text-align: right; }\np.files { font-size: 90%; color: #555; }\n"
        "</style>\n</head>\n<body>\n<h1>" +
        filled(translated("Analysis", "What happened in \"%1\""), {name}) + "</h1>\n<p>" +
        htmlEscape(framesText) + "</p>\n";
    if (!notes.empty())
        page += "<p><b>" + translated("Analysis", "Note:") + "</b> " + htmlEscape(notes) + "</p>\n";
    for (const Section& s : sections) {
        const std::string csv = "<a href=\"" + s.stem + ".csv\">" + s.stem + ".csv</a>";
        const std::string svg = "<a href=\"" + s.stem + ".svg\">" + s.stem + ".svg</a>";
        page += "<h2>" + htmlEscape(s.heading) + "</h2>\n<img src=\"" + s.stem + ".png\" alt=\"" +
                htmlEscape(plotInWords(s.plot)) + "\">\n<p>" + htmlEscape(s.words) + "</p>\n" +
                s.extra + "<p class=\"files\">" +
                filled(translated("Analysis", "Numbers: %1, picture: %2"), {csv, svg}) + "</p>\n";
    }
    page += "</body>\n</html>\n";
    return page;
}

}  // namespace zentova
