// Pairs found through cells are the pairs found by trying every two points: each once, none
// missed at the edges of cells, whatever the spread of the points.

#include "analysis/celllist.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>
#include <utility>

namespace zentova {
namespace {

using Pairs = std::set<std::pair<int, int>>;

Pairs direct(const std::vector<double>& xyz, int n, double range) {
    Pairs found;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            double r2 = 0.0;
            for (int c = 0; c < 3; ++c)
                r2 += (xyz[3 * i + c] - xyz[3 * j + c]) * (xyz[3 * i + c] - xyz[3 * j + c]);
            if (r2 < range * range) found.insert({i, j});
        }
    return found;
}

TEST(CellList, FindsEveryPairWithinTheRangeOnce) {
    struct Case {
        const char* what;
        int n;
        double edge;
        double range;
        bool stray;  // one point very far away, one not a number
    };
    const Case cases[] = {
        {"few points: paired directly", 50, 100, 25, false},
        {"a cube of 200, cells of 25", 1500, 200, 25, false},
        {"cells of a third of the cube", 500, 100, 30, false},
        {"dense: a range across the cloud", 600, 10, 25, false},
        {"a flat sheet", 800, 200, 7, false},
        {"a stray point far away and a NaN", 900, 100, 12.5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::mt19937 random(7);
        std::uniform_real_distribution<double> at(0.0, c.edge);
        std::vector<double> xyz(3 * c.n);
        for (int i = 0; i < c.n; ++i)
            for (int k = 0; k < 3; ++k)
                xyz[3 * i + k] = std::string(c.what) == "a flat sheet" && k == 2 ? 1.0 : at(random);
        if (c.stray) {
            xyz[0] = 1e12;
            xyz[4] = std::numeric_limits<double>::quiet_NaN();
        }
        // Points exactly on cell borders and exactly `range` apart (not counted).
        xyz[3 * 5] = 0.0;
        xyz[3 * 6] = c.range;
        xyz[3 * 6 + 1] = xyz[3 * 5 + 1];
        xyz[3 * 6 + 2] = xyz[3 * 5 + 2];
        Pairs found;
        int visits = 0;
        forEachPairWithin(xyz, c.n, c.range, [&](int i, int j, double r2) {
            ++visits;
            EXPECT_LT(i, j);
            EXPECT_LT(r2, c.range * c.range);
            found.insert({i, j});
        });
        const Pairs expected = direct(xyz, c.n, c.range);
        EXPECT_EQ(visits, static_cast<int>(found.size()));  // each pair once
        EXPECT_EQ(found, expected);
        EXPECT_GT(expected.size(), 10u);
        EXPECT_FALSE(found.count({5, 6}));
    }
}

}  // namespace
}  // namespace zentova
