// Speed of the file readers: how many megabytes of trajectory text the playback reads per
// second; and the cost of the final state a calculation rewrites at every frame.
// Run: build/bench/files_bench

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "files/finalstate.h"
#include "files/trajectory.h"
#include "model/placement.h"

namespace {

// 200 particles placed as a new project places them.
zentova::ParticleState placedParticles() {
    zentova::Project project;
    project.typeCount = 2;
    project.counts[1] = project.counts[2] = 100;
    zentova::ProjectSource source;
    zentova::ParticleState particles;
    zentova::RandomSource random{1, 1u};
    zentova::PlaceParticles(project, source, particles, random, 50.0);
    return particles;
}

// A trajectory of 200 particles, `frames` frames long, as the calculation writes it.
std::string trajectoryText(int frames) {
    const zentova::ParticleState particles = placedParticles();
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

// What a calculation does at every frame besides the trajectory: the final state of 200
// particles rewritten beside it, atomically (RewriteFinalState/1, and /2 under the hold a
// run takes for it); /0 writes it as the
// program's other files are written, renamed over the old one. FormatFinalState is the text
// alone.
void RewriteFinalState(benchmark::State& state) {
    const zentova::ParticleState particles = placedParticles();
    char folder[] = "/tmp/zentova-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/bench.sta";
    zentova::FinalStateWriter writer(path);
    for (auto _ : state) {
        if (state.range(0) == 2) {
            // A frame's write as a run makes it: under the hold a new run of the project
            // waits for.
            const zentova::FinalStateHold hold(path, zentova::FinalStateHoldWaitMs);
            writer.write(200, 1.5, particles);
        } else if (state.range(0) == 1) {
            writer.write(200, 1.5, particles);
        } else {
            zentova::writeFinalStateFile(path, 200, 1.5, particles, zentova::Leftovers::Leave);
        }
    }
    ::unlink(path.c_str());
    ::rmdir(folder);
}
BENCHMARK(RewriteFinalState)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void FormatFinalState(benchmark::State& state) {
    const zentova::ParticleState particles = placedParticles();
    for (auto _ : state) benchmark::DoNotOptimize(zentova::formatFinalState(200, 1.5, particles));
}
BENCHMARK(FormatFinalState)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
