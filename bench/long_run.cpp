// Writes a long run of the showpiece's project as a calculation would leave it, without
// calculating it: PROJECT.his with FRAMES frames of its particles, wandering about the cube,
// and PROJECT.readings.csv with a line per frame, the bath raised for the middle third. What
// --analyse is timed on (bench/analyse_long.sh); seconds where the calculation takes days.
//
//   long_run PROJECT.zpr FRAMES

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "files/projectfile.h"
#include "files/readings.h"
#include "files/trajectory.h"
#include "model/limits.h"

using namespace zentova;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: long_run PROJECT.zpr FRAMES\n");
        return 2;
    }
    const std::string projectPath = argv[1];
    const long long frames = std::atoll(argv[2]);
    const Project project = loadProjectFile(projectPath);
    const std::string base = projectPath.substr(0, projectPath.find('.'));
    ParticleState state;
    int n = 0;
    for (int t = 1; t <= project.typeCount; ++t)
        for (int k = 0; k < project.counts[t] && n < MaxParticles; ++k) state.type[++n] = t;
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> place(-40.0, 40.0), step(-0.3, 0.3), speed(-5, 5);
    for (int p = 1; p <= n; ++p)
        for (int c = 0; c < 3; ++c) state.position(p, c) = place(random);

    std::FILE* his = std::fopen((base + ".his").c_str(), "wb");
    std::FILE* readings = std::fopen(readingsPathOf(base).c_str(), "wb");
    if (!his || !readings) {
        std::perror(base.c_str());
        return 1;
    }
    const std::vector<int> types = readingsTypes(project);
    std::fprintf(readings, "%s\n", readingsHeader(types).c_str());
    std::string text;
    for (long long f = 1; f <= frames; ++f) {
        state.time = 0.015 * static_cast<double>(f);
        for (int p = 1; p <= n; ++p)
            for (int c = 0; c < 3; ++c) {
                double& x = state.position(p, c);
                x += step(random);
                if (x > 45.0 || x < -45.0) x *= 0.9;
                state.velocity(p, c) = speed(random);
            }
        text.clear();
        appendFrameText(text, n, state.time, state);
        std::fwrite(text.data(), 1, text.size(), his);
        ReadingsRow row = computeReadings(project, types, state, n, f);
        row.bathFactor = f > frames / 3 && f <= 2 * frames / 3 ? 2.0 : 1.0;
        text = formatReadingsRow(row);
        std::fwrite(text.data(), 1, text.size(), readings);
    }
    return std::fclose(his) == 0 && std::fclose(readings) == 0 ? 0 : 1;
}
