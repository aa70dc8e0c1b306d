// --force-table: the forces editor's curve as CSV, checked against the force law itself.

#include "cli/forcetable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <sstream>
#include <vector>

#include "files/projectfile.h"
#include "model/force.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

// Ions with a repelling core: the curve is clipped near the core and free further out.
Project ions() {
    Project p;
    p.name = "Ions";
    p.typeCount = 3;
    p.ae = 1.0;
    p.ag = 0.1;
    p.ar = 1.0;
    p.counts = {0, 2, 2, 1};
    p.masses = {0, 1.0, 2.0, 7.0};
    p.charges = {0, 1, -1, 0};
    p.diameters = {0, 6.0, 8.0, 30.0};
    p.particleCount = 5;
    return p;
}

struct Table {
    int status = -1;
    std::string out, err;
};

class ForceTable : public ::testing::Test {
  protected:
    testing::TempDir dir;
    void SetUp() override { testing::writeBytes(dir.file("ions.zpr"), formatProject(ions())); }
    Table run(const std::string& t1, const std::string& t2) {
        std::ostringstream out, err;
        Table table;
        table.status = runForceTable(dir.file("ions.zpr"), t1, t2, out, err);
        table.out = out.str();
        table.err = err.str();
        return table;
    }
};

TEST_F(ForceTable, EqualsTheForceLawAtTheFourHundredSeparations) {
    const Project project = ions();
    for (const auto& [t1, t2] : {std::pair{1, 2}, {2, 2}, {3, 1}}) {
        const Table table = run(std::to_string(t1), std::to_string(t2));
        ASSERT_EQ(table.status, 0) << table.err;
        std::istringstream csv(table.out);
        std::string line;
        ASSERT_TRUE(std::getline(csv, line));
        EXPECT_EQ(line, "distance,force");
        int l = 0, clipped = 0;
        while (std::getline(csv, line)) {
            ++l;
            char expectedDistance[16];
            std::snprintf(expectedDistance, sizeof expectedDistance, "%.1f", 0.1 * l);
            const auto comma = line.find(',');
            ASSERT_NE(comma, std::string::npos) << line;
            EXPECT_EQ(line.substr(0, comma), expectedDistance);
            double force = 0.0;
            std::from_chars(line.data() + comma + 1, line.data() + line.size(), force);

            // The law between the two types, one at the origin and one 0.1 x l along z,
            // clipped to +-400 as the editor plots it.
            const double origin[3] = {0, 0, 0};
            const double at[3] = {0, 0, 0.1 * l};
            const double law = PairForceByTerms(project, 50.0, t1, t2, origin, at, project.ag,
                                                project.ae, project.ar)
                                   .F;
            EXPECT_EQ(force, std::clamp(law, -400.0, 400.0))
                << "types " << t1 << "," << t2 << " line " << line;
            clipped += std::abs(law) > 400.0;
        }
        EXPECT_EQ(l, 400);
        EXPECT_GT(clipped, 0) << "the core should clip the curve";
        EXPECT_LT(clipped, 300) << "most of the curve should be the law itself";
    }
}

// The numbers a reader can check by hand: gravity alone between masses 1 at 2.0 is
// 1 / (4 * 0.0016) = 156.25, whatever the diameters when there is no repelling term.
TEST_F(ForceTable, PrintsTheHandWorkedValuesWhateverTheDiameters) {
    Project p = ions();
    p.ae = 0.0;
    p.ag = 1.0;
    p.ar = 0.0;
    p.masses = {0, 1.0, 1.0, 1.0};
    testing::writeBytes(dir.file("ions.zpr"), formatProject(p));
    const Table small = run("1", "1");
    const Table wide = run("1", "3");
    ASSERT_EQ(small.status, 0) << small.err;
    EXPECT_NE(small.out.find("\n2.0,156.25\n"), std::string::npos) << small.out.substr(0, 400);
    EXPECT_NE(small.out.find("\n10.0,6.25\n"), std::string::npos);
    EXPECT_EQ(wide.out, small.out);
}

TEST_F(ForceTable, TypesMustBeTheProjects) {
    for (const char* bad : {"0", "4", "Type1", "1.5", "", "-1"}) {
        const Table table = run("1", bad);
        EXPECT_EQ(table.status, 1) << bad;
        EXPECT_EQ(table.out, "") << bad;
        EXPECT_EQ(table.err, "zentova: " + dir.file("ions.zpr") + ": there is no type \"" + bad +
                                 "\"; the project has types 1 to 3\n");
    }
    std::ostringstream out, err;
    EXPECT_EQ(runForceTable(dir.file("none.zpr"), "1", "1", out, err), 1);
    EXPECT_NE(err.str().find("none.zpr: cannot open"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace zentova
