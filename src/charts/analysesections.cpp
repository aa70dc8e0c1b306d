#include "charts/analysesections.h"

#include <cmath>

#include "charts/analysiswords.h"
#include "lang/language.h"

namespace zentova {

using namespace pagewords;

namespace {

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

}  // namespace zentova
