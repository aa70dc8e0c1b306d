// Helper of scripts/stability.sh: writes seeded random projects, and checks the files a
// long headless calculation left beside one.
//
//   zentova_stability generate DIR FIRST COUNT   projects DIR/rSEED/random.zpr, seeds
//                                                 FIRST.., each with its setupek.dat
//   zentova_stability check PROJECT [BOUND]      every frame and the final state: finite,
//                                                 no coordinate beyond BOUND (default 53);
//                                                 "OK", "SOFT" (beyond BOUND, inside twice
//                                                 the half edge: the soft walls let a fast
//                                                 particle in some way) or "ESCAPED"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/trajectory.h"
#include "model/integrator.h"
#include "reliability/randomproject.h"

namespace {

using namespace zentova;

int generate(const std::string& dir, std::uint32_t first, std::uint32_t count) {
    for (std::uint32_t seed = first; seed < first + count; ++seed) {
        const std::string folder = dir + "/r" + std::to_string(seed);
        std::filesystem::create_directories(folder);
        const Project project = testing::randomProject(seed);
        saveProjectFile(folder + "/random.zpr", project);
        saveSettingsFile(folder + "/" + SettingsFileName, testing::defaultSettingsFor(project));
        std::printf("%s\n", folder.c_str());
    }
    return 0;
}

// The largest coordinate seen, and where.
struct Extreme {
    double value = 0.0;
    std::string where = "-";
    void take(double v, const std::string& place) {
        if (std::fabs(v) > value) {
            value = std::fabs(v);
            where = place;
        }
    }
};

int check(const std::string& projectPath, double bound) {
    const std::string base = baseNameOf(projectPath);
    Extreme frames;
    int count = 0;
    double lastTime = 0.0;
    {
        std::ifstream in(base + ".his", std::ios::binary);
        if (!in) throw FileError(base + ".his", 0, "missing");
        TrajectoryReader reader(in, base + ".his");
        Frame frame;
        while (reader.readFrame(frame)) {
            ++count;
            lastTime = frame.time;
            for (int p = 1; p <= frame.count; ++p)
                for (int c = 0; c < 3; ++c)
                    frames.take(frame.positions[3 * p + c],
                                "frame " + std::to_string(count) + " particle " +
                                    std::to_string(p) + " type " + std::to_string(frame.types[p]));
        }
    }
    const FinalState last = loadFinalStateFile(base + ".sta");
    Extreme position, speed;
    for (int p = 1; p <= last.count; ++p) {
        const double v = std::hypot(last.particles.velocity(p, 0), last.particles.velocity(p, 1),
                                    last.particles.velocity(p, 2));
        speed.take(v, "particle " + std::to_string(p));
        for (int c = 0; c < 3; ++c)
            position.take(last.particles.position(p, c), "particle " + std::to_string(p));
    }
    // The walls are soft: nothing stops a particle at the cube's edge, and a fast one runs
    // some way into the wall before it turns. One at twice the half edge has got away.
    const double farthest = std::max(frames.value, position.value);
    const double escape = 2.0 * Settings{}.cubeHalfSize;
    const bool finite = std::isfinite(farthest) && std::isfinite(speed.value);
    const char* verdict = !finite || !(farthest <= escape) ? "ESCAPED"
                          : farthest <= bound              ? "OK"
                                                           : "SOFT";
    std::printf("%s frames %d t %.3f max|x| %.3f (%s) final max|x| %.6f max|v| %.3f %s\n",
                projectPath.c_str(), count, lastTime, frames.value, frames.where.c_str(),
                position.value, speed.value, verdict);
    return verdict[0] == 'E' ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "generate" && argc == 5)
            return generate(argv[2], static_cast<std::uint32_t>(std::stoul(argv[3])),
                            static_cast<std::uint32_t>(std::stoul(argv[4])));
        if (command == "check" && (argc == 3 || argc == 4)) {
            const double bound =
                argc == 4 ? std::stod(argv[3]) : Settings{}.cubeHalfSize + WallMargin;
            return check(argv[2], bound);
        }
    } catch (const std::exception& e) {
        std::printf("%s FAILED: %s\n", argc > 2 ? argv[2] : "", e.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: zentova_stability generate DIR FIRST COUNT\n"
                 "       zentova_stability check PROJECT [BOUND]\n");
    return 2;
}
