#include "model/force.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zentova {
namespace {

// One type of mass 1 and diameter 6 in the cube of half edge 50: the core of a pair is then
// 0.0192 wide, and two particles 10 units apart have d = 0.4 and a core gap of 0.3808.
struct ForceCase {
    Project project;
    double cube = 50.0;
    ForceCase() {
        project.typeCount = 2;
        for (int t = 1; t <= 2; ++t) {
            project.masses[t] = 1.0;
            project.diameters[t] = 6.0;
        }
    }
    PairResult at(double distance, double ag, double ae, double ar) const {
        const double a[3] = {0.0, 0.0, 0.0};
        const double b[3] = {distance, 0.0, 0.0};
        return PairForce(project, cube, 1, 2, a, b, ag, ae, ar);
    }
};

TEST(PairForce, EachTermMatchesValuesWorkedOutByHand) {
    ForceCase c;
    EXPECT_DOUBLE_EQ(c.at(10, 1, 0, 0).d, 0.4);
    EXPECT_DOUBLE_EQ(c.at(10, 1, 0, 0).F, 6.25);  // 1 * 1 * 1 / 0.16

    c.project.charges[1] = 1;
    c.project.charges[2] = -1;
    EXPECT_DOUBLE_EQ(c.at(10, 0, 1, 0).F, 62.5);  // unlike charges attract
    c.project.charges[2] = 1;
    EXPECT_DOUBLE_EQ(c.at(10, 0, 1, 0).F, -62.5);  // like charges repel
    c.project.charges[2] = 0;
    EXPECT_DOUBLE_EQ(c.at(10, 0, 1, 0).F, 0.0);  // a neutral particle feels no charge term

    EXPECT_NEAR(c.at(10, 0, 0, 1).F, -0.1 / std::pow(0.3808, 4), 1e-12);
    EXPECT_NEAR(c.at(10, 0, 0, 1).F, -4.7557, 1e-4);
    EXPECT_NEAR(c.at(5, 0, 0, 1).F, -93.585, 1e-3);

    // The three terms add; a negative coefficient reverses its term.
    c.project.charges[2] = -1;
    EXPECT_NEAR(c.at(10, 1, 1, 1).F, 6.25 + 62.5 - 4.7557, 1e-4);
    EXPECT_DOUBLE_EQ(c.at(10, -1, 0, 0).F, -6.25);
}

// What the force table and the plot show: the law worked term by term gives the values a
// reader works out by hand to the last bit, where the integration's faster form may not.
TEST(PairForce, ByTermsGivesTheHandWorkedValuesExactly) {
    ForceCase c;
    const auto byTerms = [&](double distance, double ag, double ae, double ar) {
        const double a[3] = {0.0, 0.0, 0.0};
        const double b[3] = {0.0, distance, 0.0};
        return PairForceByTerms(c.project, c.cube, 1, 2, a, b, ag, ae, ar);
    };
    EXPECT_EQ(byTerms(2, 1, 0, 0).F, 156.25);  // 1 / (4 * 0.0016)
    EXPECT_DOUBLE_EQ(byTerms(2, 1, 0, 0).d, 0.08);
    EXPECT_DOUBLE_EQ(byTerms(10, 1, 0, 0).F, 6.25);
    c.project.charges[1] = 1;
    c.project.charges[2] = -1;
    EXPECT_DOUBLE_EQ(byTerms(10, 0, 1, 0).F, 62.5);
    EXPECT_NEAR(byTerms(10, 0, 0, 1).F, -4.7557, 1e-4);
    EXPECT_EQ(byTerms(2, 0, 0, 1).F, -1000.0);    // raw -7318, clamped
    EXPECT_EQ(byTerms(10, 1e6, 0, 0).F, 1000.0);  // clamped
    EXPECT_EQ(byTerms(0, 1, 1, 1).d, 0.0);        // coinciding: full repulsion
    EXPECT_EQ(byTerms(0, 1, 1, 1).F, -1000.0);

    // Without the repelling term the diameters play no part, not even in the last bits.
    const double small = byTerms(3.7, 0.3, 0.7, 0).F;
    c.project.diameters[2] = 31.0;
    EXPECT_EQ(byTerms(3.7, 0.3, 0.7, 0).F, small);

    // Algebraically the law the integration uses.
    for (double r = 0.5; r < 40.0; r += 0.37)
        EXPECT_NEAR(byTerms(r, 0.3, 0.7, 0.2).F, c.at(r, 0.3, 0.7, 0.2).F,
                    1e-13 * std::abs(c.at(r, 0.3, 0.7, 0.2).F));
}

TEST(PairForce, CoreScalesWithTheCubeAndTheDiameters) {
    ForceCase c;
    c.project.diameters[2] = 16.0;  // cores 22 * 0.0016 = 0.0352 wide
    EXPECT_NEAR(c.at(10, 0, 0, 1).F, -0.1 / std::pow(0.4 - 0.0352, 4), 1e-9);
    c.cube = 100.0;  // twice the cube, twice the core
    EXPECT_NEAR(c.at(10, 0, 0, 1).F, -0.1 / std::pow(0.4 - 0.0704, 4), 1e-9);
}

TEST(PairForce, ClampsToTheLimitAndNeverReturnsNaN) {
    ForceCase c;
    EXPECT_EQ(c.at(2, 0, 0, 1).F, -1000.0);    // raw term about -7318
    EXPECT_EQ(c.at(0.4, 0, 0, 1).F, -1000.0);  // inside the core: gap held at 0.001
    EXPECT_EQ(c.at(10, 1e6, 0, 0).F, 1000.0);  // huge attraction
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(c.at(10, nan, 0, 0).F, -1000.0);  // a result that is not a number repels
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(c.at(10, 0, 0, inf).F, -1000.0);
    EXPECT_EQ(c.at(10, -inf, 0, 0).F, -1000.0);
}

// Where the cores overlap or nearly touch, the gap is held at MinGap. A repelling term too
// small to reach the clamp shows that gap itself: -ar 0.1 / 0.001^4 = -1e-13 / 1e-12 = -0.1
// with ar = 1e-12, at any separation whose gap is below 0.001 (the core is 0.0192 wide).
TEST(PairForce, InsideTheCoreTheGapIsHeldAtMinGap) {
    ForceCase c;
    for (double distance : {0.1, 0.4, 0.49}) {  // d 0.004, 0.016, 0.0196
        SCOPED_TRACE(distance);
        const double a[3] = {0.0, 0.0, 0.0};
        const double b[3] = {0.0, 0.0, distance};
        const double ar = 1e-12;
        EXPECT_NEAR(c.at(distance, 0, 0, ar).F, -0.1, 1e-12);
        EXPECT_NEAR(PairForceByTerms(c.project, c.cube, 1, 2, a, b, 0, 0, ar).F, -0.1, 1e-12);
    }
    // Beyond MinGap the gap is its own: 0.6 apart, d = 0.024 leaves 0.0048.
    EXPECT_NEAR(c.at(0.6, 0, 0, 1e-12).F, -1e-13 / std::pow(0.0048, 4), 1e-12);
}

TEST(PairForce, CoincidentParticlesRepelFullyWhateverTheCoefficients) {
    ForceCase c;
    for (double ag : {0.0, 1.0, 1e9}) {
        const PairResult r = c.at(0, ag, 5, -3);
        EXPECT_EQ(r.d, 0.0);
        EXPECT_EQ(r.F, -1000.0);
    }
}

TEST(PairForce, IsSymmetricInThePair) {
    ForceCase c;
    c.project.masses[2] = 3.5;
    c.project.charges[1] = 2;
    c.project.charges[2] = -3;
    c.project.diameters[2] = 9.0;
    const double a[3] = {1.5, -2.0, 7.25};
    const double b[3] = {-3.0, 4.5, 1.0};
    const PairResult ab = PairForce(c.project, 50, 1, 2, a, b, 0.7, 0.3, 0.2);
    const PairResult ba = PairForce(c.project, 50, 2, 1, b, a, 0.7, 0.3, 0.2);
    EXPECT_EQ(ab.d, ba.d);
    EXPECT_EQ(ab.F, ba.F);
}

}  // namespace
}  // namespace zentova
