// Speed of the file readers: how many megabytes of trajectory text the playback reads per
// second. Run: build/bench/files_bench

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "files/trajectory.h"
#include "model/placement.h"

namespace {

// A trajectory of 200 particles, `frames` frames long, as the calculation writes it.
std::string trajectoryText(int frames) {
    zentova::Project project;
    project.typeCount = 2;
    project.counts[1] = project.counts[2] = 100;
    zentova::ProjectSource source;
    zentova::ParticleState particles;
    zentova::RandomSource random{1, 1u};
    zentova::PlaceParticles(project, source, particles, random, 50.0);
    std::string text;
    for (int f = 1; f <= frames; ++f) zentova::appendFrameText(text, 200, 0.015 * f, particles);
    return text;
}

void ReadTrajectory(benchmark::State& state) {
    const std::string text = trajectoryText(200);
    zentova::Frame frame;
    for (auto _ : state) {
        std::istringstream in(text);
        zentova::TrajectoryReader reader(in, "bench.his");
        int frames = 0;
        while (reader.readFrame(frame)) ++frames;
        benchmark::DoNotOptimize(frames);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(ReadTrajectory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
