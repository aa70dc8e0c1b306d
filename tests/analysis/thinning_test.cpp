// A long line thinned to a plot's columns keeps what a reader of the plot must see.

#include "analysis/thinning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>

#include "analysis/energies.h"

namespace zentova {
namespace {

using Points = std::vector<std::pair<double, double>>;

TEST(ThinnedLine, KeepsAShortLineWhole) {
    ThinnedLine line(4, 6);
    const Points points{{0.0, 1.0}, {0.5, 3.0}, {0.5, 2.0}, {1.0, -1.0}, {2.0, 0.0}, {9.0, 7.0}};
    for (const auto& [x, y] : points) line.add(x, y);
    EXPECT_EQ(line.points(), points);
}

// Each column's first, lowest, highest and last point stay, in their order: a spike of one
// point among a million shows, and so does a dip.
TEST(ThinnedLine, KeepsEachColumnsLowestAndHighestPoint) {
    struct Case {
        const char* what;
        std::size_t count;
        double step;   // between x
        double start;  // first x
    };
    for (const Case& c :
         {Case{"a million frames", 1000000, 0.015, 0.015},
          Case{"from a late start", 100000, 0.015, 5000.0},
          Case{"from before 0", 50000, 0.001, -20.0}, Case{"far apart", 20000, 1e6, 0.0}}) {
        const std::size_t columns = 100;
        ThinnedLine line(columns, 1000);
        std::mt19937_64 random(7);
        std::uniform_real_distribution<double> noise(0.0, 1.0);
        Points all;
        for (std::size_t k = 0; k < c.count; ++k) {
            double y = noise(random);
            if (k == c.count / 3) y = 50.0;   // the spike
            if (k == c.count / 2) y = -50.0;  // the dip
            all.emplace_back(c.start + c.step * static_cast<double>(k), y);
            line.add(all.back().first, all.back().second);
        }
        const Points kept = line.points();
        EXPECT_LE(kept.size(), 4 * 2 * columns) << c.what;
        EXPECT_EQ(kept.front(), all.front()) << c.what;
        EXPECT_EQ(kept.back(), all.back()) << c.what;
        // No wider than a pixel of a plot `columns` wide, and no narrower than half of one.
        const double span = all.back().first - std::min(0.0, all.front().first);
        EXPECT_LE(line.columnWidth(), span / columns) << c.what;
        EXPECT_GT(line.columnWidth(), span / (4 * columns)) << c.what;
        // Every column's extremes, the columns as the line cuts them.
        std::map<long long, std::pair<double, double>> extremes;
        for (const auto& [x, y] : all) {
            const long long column =
                static_cast<long long>((x - line.origin()) / line.columnWidth());
            auto [at, made] = extremes.try_emplace(column, y, y);
            at->second = {std::min(at->second.first, y), std::max(at->second.second, y)};
        }
        std::map<long long, std::pair<double, double>> keptExtremes;
        for (const auto& [x, y] : kept) {
            const long long column =
                static_cast<long long>((x - line.origin()) / line.columnWidth());
            auto [at, made] = keptExtremes.try_emplace(column, y, y);
            at->second = {std::min(at->second.first, y), std::max(at->second.second, y)};
        }
        EXPECT_EQ(keptExtremes, extremes) << c.what;
        // The points kept are points of the line, in its order.
        for (std::size_t k = 1; k < kept.size(); ++k)
            ASSERT_LT(kept[k - 1].first, kept[k].first) << c.what;
    }
}

TEST(ThinnedLine, LeavesOutPointsThatAreNotFinite) {
    ThinnedLine line(4, 10);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double most = std::numeric_limits<double>::max();
    line.add(nan, 1.0);
    line.add(-most, 1.0);
    line.add(1.0, inf);
    line.add(2.0, 3.0);
    line.add(inf, 3.0);
    line.add(most, 2.0);  // as far from the first as no double reaches
    EXPECT_EQ(line.points(), (Points{{-most, 1.0}, {2.0, 3.0}}));
}

// The kinetic energies' table row by row is the table whole, and the plot's lines follow
// the rows' columns.
TEST(EnergyLines, TakeTheMeanAndEachTypesColumn) {
    ReadingsTable table;
    table.types = {2, 5};
    for (int k = 1; k <= 3; ++k) {
        ReadingsRow row;
        row.time = 0.015 * k;
        row.frame = k;
        row.meanKineticEnergy = k;
        row.typeKineticEnergy = {10.0 * k, 100.0 * k};
        table.rows.push_back(row);
    }
    EnergyLines lines(table.types);
    std::string csv = energiesCsvHeader(table.types);
    for (const ReadingsRow& row : table.rows) {
        lines.add(row);
        csv += energiesCsvRow(row, table.types.size());
    }
    EXPECT_EQ(csv,
              "time,mean_kinetic_energy,kinetic_energy_type_2,kinetic_energy_type_5\n"
              "0.015,1,10,100\n0.030,2,20,200\n0.045,3,30,300\n");
    EXPECT_EQ(energiesCsv(table), csv);
    EXPECT_EQ(lines.mean.points(), (Points{{0.015, 1}, {0.03, 2}, {0.045, 3}}));
    ASSERT_EQ(lines.perType.size(), 2u);
    EXPECT_EQ(lines.perType[1].points(), (Points{{0.015, 100}, {0.03, 200}, {0.045, 300}}));
}

}  // namespace
}  // namespace zentova
