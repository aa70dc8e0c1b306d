// What the analysis page draws and says of a run: which points a line joins, how they are
// marked, and the words that explain numbers the plot alone would leave unexplained.

#include <gtest/gtest.h>

#include <cmath>

#include "charts/analysesections.h"

namespace zentova {
namespace {

Project oneTypeProject() {
    Project p;
    p.typeCount = 1;
    p.counts[1] = 10;
    p.colors[1] = {255, 128, 0};
    return p;
}

ReadingsRow row(double time, double energy, double bath = 1.0) {
    ReadingsRow r;
    r.time = time;
    r.meanKineticEnergy = energy;
    r.typeKineticEnergy = {energy};
    r.bathFactor = bath;
    return r;
}

// Five presses of H a frame apart, then a long hold: the short holds are hollow marks of
// their own, unjoined, and the words name them; the settled ones are joined, marked.
TEST(HeatingSection, DrawsTheUnsettledStretchesHollowAndNamesThem) {
    std::vector<BathHold> holds(3);
    holds[0] = {1.0, 0.015, 1.5, 100, 50, 10.0, true};
    holds[1] = {1.5625, 1.515, 1.515, 1, 1, 10.9, false};
    holds[2] = {9.31, 1.53, 2.6, 72, 36, 81.2, true};
    const Section s = heatingSection(holds);
    ASSERT_EQ(s.plot.lines.size(), 2u);
    const PlotLine& joined = s.plot.lines[0];
    const PlotLine& hollow = s.plot.lines[1];
    EXPECT_TRUE(joined.joined);
    EXPECT_EQ(joined.marks, PointMarks::Filled);
    ASSERT_EQ(joined.points.size(), 2u);
    EXPECT_EQ(joined.points[1], QPointF(9.31, 81.2));
    EXPECT_FALSE(hollow.joined);
    EXPECT_EQ(hollow.marks, PointMarks::Hollow);
    ASSERT_EQ(hollow.points.size(), 1u);
    EXPECT_EQ(hollow.points[0], QPointF(1.5625, 10.9));
    EXPECT_NE(s.extra.find("x 1.56 (1 frame, from t = 1.515)"), std::string::npos) << s.extra;
    EXPECT_NE(s.csv.find("1.5625,1.515,1.515,1,10.9,1,no\n"), std::string::npos) << s.csv;

    // None settled: the hollow marks alone, no empty line in the legend.
    const Section none = heatingSection({holds[1], holds[1]});
    ASSERT_EQ(none.plot.lines.size(), 1u);
    EXPECT_EQ(none.plot.lines[0].marks, PointMarks::Hollow);

    // All settled: one line, no words about short stretches.
    holds.erase(holds.begin() + 1);
    const Section settled = heatingSection(holds);
    EXPECT_EQ(settled.plot.lines.size(), 1u);
    EXPECT_EQ(settled.extra, "");
}

// The energies' lines as the analysis builds them, a row at a time.
EnergyLines linesOf(const ReadingsTable& readings) {
    EnergyLines lines(readings.types);
    for (const ReadingsRow& r : readings.rows) lines.add(r);
    return lines;
}

TEST(EnergiesSection, ShowsAllParticlesOfOneTypeAsOneLineAndExplainsASpike) {
    // A spike of 100 amid a level of 10: ten times the second half's mean, at the setup's bath.
    ReadingsTable readings;
    readings.headerKnown = true;
    readings.types = {1};
    for (double e : {5.0, 100.0, 10.0, 10.0, 10.0, 10.0})
        readings.rows.push_back(row(0.015 * (readings.rows.size() + 1), e));
    const Section s = energiesSection(linesOf(readings), oneTypeProject());
    ASSERT_EQ(s.plot.lines.size(), 1u);
    EXPECT_EQ(s.plot.lines[0].name.toStdString(), "all particles (all of type 1)");
    EXPECT_EQ(s.plot.lines[0].color, QColor(255, 128, 0));
    EXPECT_NE(s.extra.find("100 per particle at t = 0.030, is 10 times the mean of the run's "
                           "second half (10): the bath was not raised then"),
              std::string::npos)
        << s.extra;

    // Raised there, the bath is named instead; a highest point under three times the level
    // says nothing.
    readings.rows[1].bathFactor = 9.0;
    EXPECT_NE(energiesSection(linesOf(readings), oneTypeProject()).extra.find("raised to x 9.00"),
              std::string::npos);
    readings.rows[1].meanKineticEnergy = 29.0;
    EXPECT_EQ(energiesSection(linesOf(readings), oneTypeProject()).extra, "");
}

// A lump that fills a small part of the cube: the words give its share and g(r) against its
// own density; spread through the cube, nothing needs explaining.
TEST(RdfSection, ExplainsValuesFarAbove1ByTheLumpsShareOfTheCube) {
    RadialDistribution rdf;
    rdf.edge = 100.0;
    PairDistribution pair;
    pair.typeA = pair.typeB = 1;
    pair.g = {0.0, 0.0, 1200.0, 300.0};
    pair.counts.assign(4, 0);
    rdf.pairs.push_back(pair);
    // A ball of radius 10: 4.19 per mille of a cube of 100, met 239 times as often.
    rdf.gyrationRadius = std::sqrt(3.0 / 5.0) * 10.0;
    const std::string words = rdfSection(rdf, oneTypeProject()).extra;
    EXPECT_NE(words.find("about 20 cube units across, which fills about 0.42 % of the cube"),
              std::string::npos)
        << words;
    EXPECT_NE(words.find("about 239 times as often"), std::string::npos) << words;
    EXPECT_NE(words.find("the highest value, 1200 (types 1 \u2013 1 at r = 0.25), is then 5"),
              std::string::npos)
        << words;
    EXPECT_EQ(words.find("still far above 1"), std::string::npos) << words;
    // Fifty times the lump's density: pairs crowding into part of it, said so.
    rdf.pairs[0].g[2] = 12000.0;
    EXPECT_NE(rdfSection(rdf, oneTypeProject())
                  .extra.find("is then 50 times the lump's own "
                              "density, still far above 1"),
              std::string::npos);
    rdf.gyrationRadius = 35.0;  // a ball of 45, 39 % of the cube
    EXPECT_EQ(rdfSection(rdf, oneTypeProject()).extra.find("Why the values"), std::string::npos);
}

}  // namespace
}  // namespace zentova
