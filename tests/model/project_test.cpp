#include "model/project.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/settings.h"

namespace zentova {
namespace {

TEST(ProjectBaseName, StemLiesBesideTheProjectFile) {
    EXPECT_EQ(baseNameOf("alpha.zpr"), "alpha");
    EXPECT_EQ(baseNameOf("alpha.v2.zpr"), "alpha");  // the first dot of the name
    EXPECT_EQ(baseNameOf("old.runs/alpha.zpr"), "old.runs/alpha");
    EXPECT_EQ(baseNameOf("./alpha.zpr"), "./alpha");
    EXPECT_EQ(baseNameOf("/home/ann.lee/work/zen3.zpr"), "/home/ann.lee/work/zen3");
    EXPECT_EQ(baseNameOf("alpha"), "alpha");  // no dot: the whole name
    EXPECT_EQ(baseNameOf(".hidden.zpr"), ".hidden");
    EXPECT_EQ(baseNameOf("dir/.zpr"), "dir/.zpr");

    ProjectSource source;
    setProjectPath(source, "runs/beta.zpr");
    EXPECT_EQ(source.path, "runs/beta.zpr");
    EXPECT_EQ(source.baseName, "runs/beta");
}

Project twoTypes(int count1, int count2) {
    Project p;
    p.typeCount = 2;
    p.counts[1] = count1;
    p.counts[2] = count2;
    p.masses[1] = p.masses[2] = 1.0;
    p.diameters[1] = p.diameters[2] = 6.0;
    return p;
}

TEST(ProjectProblem, RefusesWhatCannotBeIntegrated) {
    EXPECT_FALSE(projectProblem(twoTypes(100, 100)));
    EXPECT_FALSE(projectProblem(Project{}));  // an empty project is harmless

    EXPECT_EQ(*projectProblem(twoTypes(150, 51)), "201 particles in all, at most 200 are allowed");
    EXPECT_EQ(*projectProblem(twoTypes(-5, 3)), "type 1 has a negative particle count");

    Project zeroMass = twoTypes(3, 3);
    zeroMass.masses[2] = 0.0;
    EXPECT_EQ(*projectProblem(zeroMass), "type 2 has a mass of 0");
    zeroMass.counts[2] = 0;  // an unused type may keep a zero mass
    EXPECT_FALSE(projectProblem(zeroMass));

    Project many = twoTypes(1, 1);
    many.typeCount = 21;
    EXPECT_EQ(*projectProblem(many), "21 particle types, at most 20 are allowed");

    Project nan = twoTypes(1, 1);
    nan.ag = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(projectProblem(nan));
    nan = twoTypes(1, 1);
    nan.masses[1] = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(projectProblem(nan));

    // A diameter beyond the bound in the digits that tell it from the bound, and briefly.
    const struct {
        double diameter;
        const char* shown;
    } wide[] = {{1000001.0, "1000001"}, {-1000000.5, "-1000000.5"}, {1e308, "1e+308"}};
    for (const auto& w : wide) {
        Project p = twoTypes(1, 1);
        p.diameters[2] = w.diameter;
        EXPECT_EQ(*projectProblem(p), std::string("type 2 has a diameter of ") + w.shown +
                                          ", diameters run from -1000000 to 1000000");
    }
}

TEST(DefaultStepRule, ShrinksTheStepWithParticlesAndAttraction) {
    Settings s;
    Project p = twoTypes(60, 40);
    p.ae = 0.75;
    p.ag = 0.25;
    DefaultStepRule(s, p);
    EXPECT_DOUBLE_EQ(s.integrationStep, 0.00001);

    p.ae = p.ag = 0.0;  // weak coefficients count as 0.1
    DefaultStepRule(s, p);
    EXPECT_DOUBLE_EQ(s.integrationStep, 0.0001);

    DefaultStepRule(s, Project{});  // no particles
    EXPECT_DOUBLE_EQ(s.integrationStep, 0.0001);
    DefaultStepRule(s, twoTypes(0, 0));
    EXPECT_DOUBLE_EQ(s.integrationStep, 0.0001);
    // Only a total of exactly 0 takes the fixed step; an editor's negative count gives a
    // negative step, which a calculation then refuses with the project.
    p = twoTypes(10, -30);
    p.ae = p.ag = 0.0;
    DefaultStepRule(s, p);
    EXPECT_DOUBLE_EQ(s.integrationStep, -0.0005);
}

}  // namespace
}  // namespace zentova
