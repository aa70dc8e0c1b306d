// What the key D says of a picture, on particles placed by hand.

#include "runs/description.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zentova {
namespace {

TEST(Description, SaysHowSpreadTheParticlesAreAndWhetherTheTypesMix) {
    Project project;
    project.masses[1] = 1.0;
    project.masses[2] = 2.5;
    struct Case {
        std::vector<double> xs;  // on the x axis
        std::vector<int> types;
        const char* said;
    };
    // Radius of gyration sqrt((9 + 1 + 1 + 9) / 4) = 2.24; the centres -2 and 2 (4 apart,
    // separated), or both 0 (mixed).
    const Case cases[] = {
        {{-3, -1, 1, 3},
         {1, 1, 2, 2},
         "4 particles of 2 types: 2 of type 1 (mass 1), 2 of type 2 (mass 2.5). Radius of "
         "gyration 2.24 in a cube of half edge 10. The types are separated: the centres of "
         "types 1 and 2 lie 4 apart."},
        {{-3, -1, 1, 3},
         {1, 2, 2, 1},
         "4 particles of 2 types: 2 of type 1 (mass 1), 2 of type 2 (mass 2.5). Radius of "
         "gyration 2.24 in a cube of half edge 10. The types are mixed: the centres of types "
         "1 and 2 lie 0 apart."},
        {{5, 7},
         {1, 1},
         "2 particles of 1 type: 2 of type 1 (mass 1). Radius of gyration 1 "
         "in a cube of half edge 10."},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.xs.size());
        const ParticlePlaces places{[n] { return n; },
                                    [&](int p, int axis) { return axis == 0 ? c.xs[p - 1] : 0.0; },
                                    [&](int p) { return c.types[p - 1]; }};
        EXPECT_EQ(DescribeParticles(project, places, 10.0), c.said);
    }
}

// A replay gives its frame's places once, before the first frame is read: the key D then
// describes the frame shown, not the empty one there was at the start.
TEST(Description, AFramesPlacesFollowTheFrameShown) {
    Project project;
    project.typeCount = 1;
    project.masses[1] = 1.0;
    Frame frame;
    const ParticlePlaces places = framePlaces(frame);
    EXPECT_EQ(DescribeParticles(project, places, 10.0), "No particles are shown.");
    frame.count = 2;
    frame.types[1] = frame.types[2] = 1;
    frame.positions[3 * 1] = 5;
    frame.positions[3 * 2] = 7;
    EXPECT_EQ(DescribeParticles(project, places, 10.0),
              "2 particles of 1 type: 2 of type 1 (mass 1). Radius of gyration 1 in a cube of "
              "half edge 10.");
}

}  // namespace
}  // namespace zentova
