// Speed of the integration for the largest project: 200 particles, 20 neighbours each.
// Run: build/bench/integration_bench  (see bench/README.md)

#include <benchmark/benchmark.h>

#include "calc/stepper.h"
#include "support/world.h"

namespace {

using zentova::testing::World;

// A plasma of two opposite charges with a repelling core, all 200 particles.
std::unique_ptr<World> plasma() {
    auto w = std::make_unique<World>(0);
    auto& p = w->project;
    p.typeCount = 2;
    p.counts[1] = p.counts[2] = 100;
    p.masses[1] = 1.0;
    p.masses[2] = 2.0;
    p.charges[1] = 1;
    p.charges[2] = -1;
    p.diameters[1] = p.diameters[2] = 6.0;
    p.ae = 1.0;
    p.ag = 0.1;
    p.ar = 1.0;
    p.particleCount = 200;
    zentova::PlaceParticles(p, w->source, w->particles, w->random, 50.0);
    w->rebuild();
    return w;
}

struct NoFrames : zentova::FrameSink {
    void frame(int, const zentova::ParticleState&) override {}
};

// Whole passes as a calculation takes them: the restart cycle, rebuilds every 300 steps.
void StepsOfACalculation(benchmark::State& state) {
    auto w = plasma();
    NoFrames sink;
    zentova::CalculationStepper stepper(w->project, w->particles, w->settings, w->random,
                                        w->dynamics, sink);
    stepper.start(200);
    for (auto _ : state) stepper.advance();
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(StepsOfACalculation)->Unit(benchmark::kMicrosecond);

void EvaluateDerivative(benchmark::State& state) {
    auto w = plasma();
    w->dynamics.portableOnly = state.range(0) == 0;
    zentova::StateVector d{};
    auto physics = w->physics();
    for (auto _ : state) {
        zentova::EvaluateDerivative(w->dynamics, physics, w->particles.state.data(), d.data());
        benchmark::DoNotOptimize(d.data());
    }
}
// Argument 1: four particles on vector lanes where the processor has them; 0: one at a time.
BENCHMARK(EvaluateDerivative)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void RebuildNeighbours(benchmark::State& state) {
    auto w = plasma();
    w->dynamics.portableOnly = state.range(0) == 0;
    auto physics = w->physics();
    for (auto _ : state) {
        zentova::RebuildNeighbours(w->dynamics, physics, w->particles.state.data(), 200);
        benchmark::DoNotOptimize(w->dynamics.farForce.data());
    }
}
BENCHMARK(RebuildNeighbours)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
