// A short version of scripts/stability.sh: the demo project and a few random projects,
// 3000 steps each through the stepper the command-line calculation uses. Every frame must
// be finite and inside the walls plus their margin.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "calc/stepper.h"
#include "files/projectfile.h"
#include "model/placement.h"
#include "reliability/randomproject.h"

namespace zentova {
namespace {

struct BoundsCheck : FrameSink {
    double bound = 0.0;
    int frames = 0;
    double farthest = 0.0;
    void frame(int n, const ParticleState& particles) override {
        ++frames;
        for (int j = 0; j < 3 * n; ++j) {
            ASSERT_TRUE(std::isfinite(particles.state[j + VelocityOffset])) << "velocity " << j;
            farthest = std::max(farthest, std::fabs(particles.state[j]));  // NaN fails below
            ASSERT_LE(std::fabs(particles.state[j]), bound) << "coordinate " << j;
        }
    }
};

// Runs the project as "--calculate --steps 3000 --seed 1" does; the farthest coordinate.
double farthestIn3000Steps(Project project, const Settings& settings) {
    ProjectSource source;
    auto particles = std::make_unique<ParticleState>();
    auto dynamics = std::make_unique<Dynamics>();
    RandomSource random;
    random.fixedSeed = 1;
    const int n = PlaceParticles(project, source, *particles, random, settings.cubeHalfSize);
    project.particleCount = n;
    BoundsCheck check;
    check.bound = settings.cubeHalfSize + WallMargin;
    CalculationStepper stepper(project, *particles, settings, random, *dynamics, check);
    stepper.start(n);
    for (int s = 0; s < 3000; ++s) stepper.advance();
    EXPECT_EQ(check.frames, 10);
    return check.farthest;
}

// The sanitizer build runs unoptimised; there a few projects are enough to cover the code.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t RandomProjects = 2;
#else
constexpr std::uint32_t RandomProjects = 6;
#endif

TEST(Stability, DemoAndRandomProjectsStayFiniteAndInsideTheCube) {
    const Project demo = loadProjectFile(ZENTOVA_SOURCE_DIR "/data/demo.zpr");
    EXPECT_GT(farthestIn3000Steps(demo, testing::defaultSettingsFor(demo)), 0.0);
    for (std::uint32_t seed = 1; seed <= RandomProjects; ++seed) {
        SCOPED_TRACE("random project " + std::to_string(seed));
        const Project project = testing::randomProject(seed);
        ASSERT_FALSE(projectProblem(project));
        farthestIn3000Steps(project, testing::defaultSettingsFor(project));
    }
}

TEST(Stability, RandomProjectsAreValidAndRepeatable) {
    int minTypes = MaxTypes, maxTypes = 0, maxParticles = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        const Project project = testing::randomProject(seed);
        ASSERT_FALSE(projectProblem(project)) << seed;
        ASSERT_GE(project.particleCount, 1);
        for (int t = 1; t <= project.typeCount; ++t) {
            ASSERT_TRUE(project.masses[t] >= 0.1 && project.masses[t] <= 10.0) << seed;
            ASSERT_TRUE(project.charges[t] >= -3 && project.charges[t] <= 3) << seed;
            ASSERT_TRUE(project.diameters[t] >= 2.0 && project.diameters[t] <= 12.0) << seed;
        }
        minTypes = std::min(minTypes, project.typeCount);
        maxTypes = std::max(maxTypes, project.typeCount);
        maxParticles = std::max(maxParticles, project.particleCount);
    }
    // The whole range is drawn, and the same seed gives the same project.
    EXPECT_EQ(minTypes, 1);
    EXPECT_EQ(maxTypes, MaxTypes);
    EXPECT_GE(maxParticles, 195);
    EXPECT_EQ(testing::randomProject(42), testing::randomProject(42));
    EXPECT_NE(testing::randomProject(42), testing::randomProject(43));
}

}  // namespace
}  // namespace zentova
