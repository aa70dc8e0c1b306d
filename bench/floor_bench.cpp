// The step of a calculation against the divider's floor: every pair evaluation of the force
// law takes one square root and one division, and nothing else in a step needs the divider,
// so a step can take no less than (pair evaluations a step) x (a root and a division). The
// divider is timed here on independent operands, four and eight lanes at a time, in turns
// with whole steps of the calculation, so that both see the same machine.
//
//   build/bench/floor_bench [ROUNDS]
//
// Prints, per project and round, the step's time, the floor and their ratio, then the
// least, median and greatest of the rounds; beside them the floor the step would have if
// each pair that both of its particles list took one evaluation for both. Times are the
// thread's processor time.

// GCC 12's 512-bit root starts from a register left undefined on purpose, which its own
// check of uninitialised use then reports.
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "calc/stepper.h"
#include "model/vectorlanes.h"
#include "support/world.h"

namespace {

using zentova::testing::World;

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

constexpr int Operands = 4096;

// out = 1 / (sqrt(s2) * g): the root and the division of one pair, on independent pairs.
__attribute__((target("avx2"), noinline)) void divideFour(const double* s2, const double* g,
                                                          double* out) {
    for (int k = 0; k < Operands; k += 4) {
        const __m256d d = _mm256_sqrt_pd(_mm256_load_pd(s2 + k));
        _mm256_store_pd(
            out + k, _mm256_div_pd(_mm256_set1_pd(1.0), _mm256_mul_pd(d, _mm256_load_pd(g + k))));
    }
}

__attribute__((target("avx2,avx512f"), noinline)) void divideEight(const double* s2,
                                                                   const double* g, double* out) {
    for (int k = 0; k < Operands; k += 8) {
        const __m512d d = _mm512_sqrt_pd(_mm512_load_pd(s2 + k));
        _mm512_store_pd(
            out + k, _mm512_div_pd(_mm512_set1_pd(1.0), _mm512_mul_pd(d, _mm512_load_pd(g + k))));
    }
}

// Seconds per pair of the divider at its best width, over `passes` passes.
double dividerPerPair(int passes) {
    alignas(64) static double s2[Operands], g[Operands], out[Operands];
    for (int k = 0; k < Operands; ++k) {
        s2[k] = 0.01 + 0.37 * (k % 97);  // the force law's range of squared distances
        g[k] = 1e-4 + 1e-3 * (k % 89);
    }
    const bool wide = __builtin_cpu_supports("avx512f");
    double best = 1e300;
    for (int width : {4, 8}) {
        if (width == 8 && !wide) continue;
        const double start = cpuSeconds();
        for (int p = 0; p < passes; ++p) {
            if (width == 4)
                divideFour(s2, g, out);
            else
                divideEight(s2, g, out);
            asm volatile("" : : "r"(out) : "memory");
        }
        best = std::min(best, (cpuSeconds() - start) / (static_cast<double>(passes) * Operands));
    }
    return best;
}

struct NoFrames : zentova::FrameSink {
    void frame(int, const zentova::ParticleState&) override {}
};

// 200 particles of one kind as bench/plain_rate.sh has them, or the plasma of
// integration_bench: two opposite charges with a repelling core.
std::unique_ptr<World> project(bool plasma) {
    auto w = std::make_unique<World>(0);
    auto& p = w->project;
    p.particleCount = 200;
    p.diameters[1] = p.diameters[2] = 6.0;
    p.ar = 1.0;
    p.ae = 1.0;
    if (plasma) {
        p.typeCount = 2;
        p.counts[1] = p.counts[2] = 100;
        p.masses[1] = 1.0;
        p.masses[2] = 2.0;
        p.charges[1] = 1;
        p.charges[2] = -1;
        p.ag = 0.1;
    } else {
        p.typeCount = 1;
        p.counts[1] = 200;
        p.masses[1] = 1.0;
        p.charges[1] = 1;
        p.ag = 0.2;
    }
    w->random.fixedSeed = 7;
    zentova::PlaceParticles(p, w->source, w->particles, w->random, 50.0);
    return w;
}

struct Round {
    double step, floor, pairedFloor, evaluations, pairedEvaluations;
};

// `steps` passes of a calculation after a warm-up of one frame, with the pair evaluations
// they needed: two evaluations a step, and the rebuild's far pairs spread over its steps.
Round measure(World& w, zentova::CalculationStepper& stepper, int steps, double divider) {
    const int n = w.project.particleCount;
    double evaluations = 0.0, pairedEvaluations = 0.0;
    double elapsed = 0.0;
    for (int done = 0; done < steps;) {
        // Counted per stretch between rebuilds: the lists change at each.
        const int stretch = std::min(steps - done, zentova::FrameInterval);
        const int listed = zentova::PairEvaluations(w.dynamics);
        // The pairs that both particles list, which would need one evaluation between them.
        int mutual = 0;
        const int slots = w.project.neighbourCount;
        for (int i = 1; i <= n; ++i)
            for (int k = 1; k <= slots; ++k) {
                const int a = w.dynamics.neighbours[k][i];
                if (a <= i) continue;
                for (int m = 1; m <= slots; ++m) mutual += w.dynamics.neighbours[m][a] == i;
            }
        const int paired = listed - mutual;
        const double far = static_cast<double>(n) * (n - 1) - listed;
        evaluations += stretch * (2.0 * listed + far / zentova::FrameInterval);
        pairedEvaluations += stretch * (2.0 * paired + far / zentova::FrameInterval);
        const double start = cpuSeconds();
        for (int s = 0; s < stretch; ++s) stepper.advance();
        elapsed += cpuSeconds() - start;
        done += stretch;
    }
    const double step = elapsed / steps;
    evaluations /= steps;
    pairedEvaluations /= steps;
    return {step, evaluations * divider, pairedEvaluations * divider, evaluations,
            pairedEvaluations};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : 0.5 * (v[m - 1] + v[m]);
}

void summary(const char* what, std::vector<double> v, const char* unit, double scale) {
    std::sort(v.begin(), v.end());
    std::printf("  %-34s min %.3f  median %.3f  max %.3f %s\n", what, v.front() * scale,
                median(v) * scale, v.back() * scale, unit);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    constexpr int StepsPerRound = 6000;
    std::printf("vector lanes: %s; divider timed at 4%s lanes\n",
                zentova::haveVectorLanes() ? "yes" : "no",
                __builtin_cpu_supports("avx512f") ? " and 8" : "");
    for (bool plasma : {false, true}) {
        auto w = project(plasma);
        NoFrames sink;
        zentova::CalculationStepper stepper(w->project, w->particles, w->settings, w->random,
                                            w->dynamics, sink);
        stepper.start(w->project.particleCount);
        for (int s = 0; s < zentova::FrameInterval; ++s) stepper.advance();  // warm-up
        std::vector<double> steps, floors, ratios, pairedRatios, dividers;
        std::printf("%s\n", plasma ? "plasma of two charges (integration_bench)"
                                   : "one kind (plain_rate.sh)");
        for (int r = 1; r <= rounds; ++r) {
            const double divider = dividerPerPair(2000);
            const Round m = measure(*w, stepper, StepsPerRound, divider);
            std::printf(
                "  round %d: step %.2f us, divider %.3f ns a pair, %.0f pair evaluations a step "
                "(%.0f with each mutual pair once): floor %.2f us (%.2f), step / floor %.2f "
                "(%.2f)\n",
                r, m.step * 1e6, divider * 1e9, m.evaluations, m.pairedEvaluations, m.floor * 1e6,
                m.pairedFloor * 1e6, m.step / m.floor, m.step / m.pairedFloor);
            steps.push_back(m.step);
            floors.push_back(m.floor);
            dividers.push_back(divider);
            ratios.push_back(m.step / m.floor);
            pairedRatios.push_back(m.step / m.pairedFloor);
        }
        summary("step", steps, "us", 1e6);
        summary("divider, a root and a division", dividers, "ns a pair", 1e9);
        summary("floor", floors, "us", 1e6);
        summary("step / floor", ratios, "", 1.0);
        summary("step / floor, mutual pairs once", pairedRatios, "", 1.0);
    }
    return 0;
}
