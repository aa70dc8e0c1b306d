#include <cstring>

#include "model/evaluationwork.h"

namespace zentova {

namespace {

// The vector sums of the steps, built for AVX2 and for the baseline; with no fused
// multiply-add, both give the same bits.

// out = a * x + y
__attribute__((target_clones("avx2", "default"))) void scaleAndAdd(double* out, double a,
                                                                   const double* x,
                                                                   const double* y) {
    for (int j = 0; j < StateSize; ++j) out[j] = a * x[j] + y[j];
}

// The third-order Adams coefficients, in twelfths of the step h. Each formula weighs three
// derivative vectors, applied in the order of the columns:
//                           first         second         third
//   predictor (Bashforth)   23 f_n        -16 H_new       5 H_prev
//   corrector (Moulton)      5 f_p          8 f_n        -1 H_new
// f_n is the derivative at the current state, f_p at the predicted one, H_new and H_prev
// the newest and previous of the history.
constexpr double AdamsDenominator = 12.0;
constexpr double Predictor[3] = {23.0, -16.0, 5.0};
constexpr double Corrector[3] = {5.0, 8.0, -1.0};

// The loops below that keep the values before a step store them as they go; left to itself
// the compiler would turn that store into a separate copy of the whole vector first.
// Clang makes no such copy and knows no such switch.
#if defined(__clang__)
#define ZENTOVA_ONE_PASS
#else
#define ZENTOVA_ONE_PASS __attribute__((optimize("no-tree-loop-distribute-patterns")))
#endif

// The last sum of a midpoint step, in place: state = h * k2 + state, the values before it
// kept in `before` (when given) as they are overwritten, in the same pass.
ZENTOVA_ONE_PASS __attribute__((target_clones("avx2", "default"))) void advanceKeeping(
    double* __restrict state, double h, const double* k2, double* __restrict before) {
    if (!before) {
        for (int j = 0; j < StateSize; ++j) state[j] = h * k2[j] + state[j];
        return;
    }
    for (int j = 0; j < StateSize; ++j) {
        const double y = state[j];
        before[j] = y;
        state[j] = h * k2[j] + y;
    }
}

// The predictor: out = (23 fn - 16 f1 + 5 f2) * step + state. Adding a negative product
// gives the same bits as subtracting the positive one.
__attribute__((target_clones("avx2", "default"))) void adamsPredict(double* __restrict out,
                                                                    const double* fn,
                                                                    const double* f1,
                                                                    const double* f2, double step,
                                                                    const double* state) {
    for (int j = 0; j < StateSize; ++j)
        out[j] =
            (Predictor[0] * fn[j] + Predictor[1] * f1[j] + Predictor[2] * f2[j]) * step + state[j];
}

// The corrector, in place: state = (5 fp + 8 fn - f1) * step + state, the values before it
// kept in `before` (when given), as above.
ZENTOVA_ONE_PASS __attribute__((target_clones("avx2", "default"))) void adamsCorrect(
    double* __restrict state, const double* fp, const double* fn, const double* f1, double step,
    double* __restrict before) {
    if (!before) {
        for (int j = 0; j < StateSize; ++j)
            state[j] = (Corrector[0] * fp[j] + Corrector[1] * fn[j] + Corrector[2] * f1[j]) * step +
                       state[j];
        return;
    }
    for (int j = 0; j < StateSize; ++j) {
        const double y = state[j];
        before[j] = y;
        state[j] = (Corrector[0] * fp[j] + Corrector[1] * fn[j] + Corrector[2] * f1[j]) * step + y;
    }
}

}  // namespace

void MidpointStep(Dynamics& dyn, const Physics& physics, double* state, double h, double* k1,
                  double* before) {
    EvaluateDerivative(dyn, physics, state, k1);
    double* mid = dyn.work->scratchState.data();
    scaleAndAdd(mid, 0.5 * h, k1, state);  // 0.5 * h * k1 + state, as written
    double* k2 = dyn.work->scratchDerivative.data();
    EvaluateDerivative(dyn, physics, mid, k2);
    advanceKeeping(state, h, k2, before);
}

void AdamsStep(Dynamics& dyn, const Physics& physics, double* state, double h, double* before) {
    AdamsHistory& history = dyn.history;
    const double* newest = history.vectors[history.newest].data();
    const double* previous = history.vectors[history.previous].data();
    const double step = h / AdamsDenominator;

    // The oldest derivative never enters a formula: its vector takes f_n and becomes the
    // newest, the others move down one place.
    double* fn = history.vectors[history.oldest].data();
    EvaluateDerivative(dyn, physics, state, fn);
    double* predicted = dyn.work->scratchState.data();
    adamsPredict(predicted, fn, newest, previous, step, state);
    double* fp = dyn.work->scratchDerivative.data();
    EvaluateDerivative(dyn, physics, predicted, fp);
    adamsCorrect(state, fp, fn, newest, step, before);

    const int freed = history.oldest;
    history.oldest = history.previous;
    history.previous = history.newest;
    history.newest = freed;
}

void StoreHistory(Dynamics& dyn, HistorySlot slot, const double* derivative) {
    AdamsHistory& history = dyn.history;
    const int index = slot == HistorySlot::Oldest     ? history.oldest
                      : slot == HistorySlot::Previous ? history.previous
                                                      : history.newest;
    std::memcpy(history.vectors[index].data(), derivative, sizeof(double) * StateSize);
}

}  // namespace zentova
