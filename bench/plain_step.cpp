// The model's step written plainly, as a yardstick for `zentova --calculate`: one particle
// and one pair at a time, the force law term by term with its divisions as they stand, the
// pair constants worked out from the types at every pair, no vector lanes, no tables.
// Built at -O2. It reads the same project file, places the particles with the same random
// sequence, and does what a calculation does: a neighbour rebuild with the far force every
// 300 steps, restart cycles of three midpoint steps and seventeen Adams steps, the check
// for a finite state after every step, and every 300 steps a trajectory frame appended and
// the final state rewritten. It does not follow the program to the bit; the work is the same.
//
//   plain_step PROJECT.zpr STEPS SEED OUTPUT-STEM
//   plain_step PROJECT.zpr STEPS SEED -          # the same steps, writing no file
//
// Prints "plain: N steps, S s (R steps/s)" on stderr.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr int MaxParticles = 200;
constexpr int MaxNeighbours = 20;
constexpr int MaxTypes = 20;
constexpr int StateSize = 6 * MaxParticles;
constexpr int VelocityOffset = 3 * MaxParticles;
constexpr double CubeHalfSize = 50.0;
constexpr double Step = 0.00005;
constexpr double Damping = 20.0;

struct Model {
    double ae = 0, ag = 0, ar = 0;
    int types = 0;
    double mass[MaxTypes + 1] = {};
    double charge[MaxTypes + 1] = {};
    double diameter[MaxTypes + 1] = {};
    int n = 0, slots = 0;
    int type[MaxParticles + 1] = {};
    int neighbour[MaxNeighbours + 1][MaxParticles + 1] = {};
    double far[3][MaxParticles + 1] = {};
    std::uint32_t seed = 0;
};

double uniform(Model& m) {
    m.seed = m.seed * 134775813u + 1u;
    return m.seed / 4294967296.0;
}

// d and F of the pair (i, j) at positions pi, pj.
void pairForce(const Model& m, int ti, int tj, const double* pi, const double* pj, double& d,
               double& f) {
    const double dx = pi[0] - pj[0], dy = pi[1] - pj[1], dz = pi[2] - pj[2];
    const double s2 = (dx * dx + dy * dy + dz * dz) * 0.0016;
    if (s2 == 0.0) {
        d = 0.0;
        f = -1000.0;
        return;
    }
    d = std::sqrt(s2);
    const double gravity = m.ag * m.mass[ti] * m.mass[tj] / s2;
    const double charge = -m.ae * 10.0 * m.charge[ti] * m.charge[tj] / s2;
    double gap = d - (m.diameter[ti] + m.diameter[tj]) * 10.0 * 0.0016 * CubeHalfSize / 500.0;
    if (gap < 0.001) gap = 0.001;
    const double repel = -m.ar * 0.1 / (gap * gap * gap * gap);
    f = gravity + charge + repel;
    if (!(f >= -1000.0)) f = -1000.0;
    if (f > 1000.0) f = 1000.0;
}

void rebuild(Model& m, const double* y) {
    for (int i = 1; i <= m.n; ++i) {
        bool taken[MaxParticles + 1] = {};
        taken[i] = true;
        const double* pi = y + 3 * (i - 1);
        for (int k = 1; k <= m.slots; ++k) {
            double best = 1e20;
            int chosen = i;
            for (int w = 1; w <= m.n; ++w) {
                if (taken[w]) continue;
                const double* pw = y + 3 * (w - 1);
                const double r2 = (pi[0] - pw[0]) * (pi[0] - pw[0]) +
                                  (pi[1] - pw[1]) * (pi[1] - pw[1]) +
                                  (pi[2] - pw[2]) * (pi[2] - pw[2]);
                if (r2 < best) {
                    best = r2;
                    chosen = w;
                }
            }
            m.neighbour[k][i] = chosen;
            taken[chosen] = true;
        }
        for (int c = 0; c < 3; ++c) m.far[c][i] = 0.0;
        if (m.n <= m.slots) continue;
        for (int w = 1; w <= m.n; ++w) {
            if (taken[w]) continue;
            const double* pw = y + 3 * (w - 1);
            double d, f;
            pairForce(m, m.type[i], m.type[w], pi, pw, d, f);
            if (d == 0.0) continue;
            for (int c = 0; c < 3; ++c) m.far[c][i] += (pw[c] - pi[c]) * f / d;
        }
    }
}

double wall(double p) {
    const double w = CubeHalfSize - 3.0;
    if (!(w >= p)) return -(p - w) * (p - w) * 400.0;
    if (p < -w) return (p + w) * (p + w) * 400.0;
    return 0.0;
}

void evaluate(Model& m, const double* y, double* dy) {
    std::fill(dy, dy + StateSize, 0.0);
    for (int i = 1; i <= m.n; ++i) {
        const double* pi = y + 3 * (i - 1);
        double acc[3] = {0.0, 0.0, 0.0};
        for (int k = 1; k <= m.slots; ++k) {
            const int a = m.neighbour[k][i];
            if (a == i) continue;
            const double* pa = y + 3 * (a - 1);
            double d, f;
            pairForce(m, m.type[i], m.type[a], pi, pa, d, f);
            for (int c = 0; c < 3; ++c) {
                if (d != 0.0) acc[c] += (pa[c] - pi[c]) * f / d;
                acc[c] += (uniform(m) - 0.5) * 400.0;
            }
            for (int c : {2, 0, 1}) acc[c] += wall(pi[c]);
        }
        for (int c = 0; c < 3; ++c) {
            const double v = y[VelocityOffset + 3 * (i - 1) + c];
            dy[VelocityOffset + 3 * (i - 1) + c] =
                (acc[c] + m.far[c][i]) / m.mass[m.type[i]] - Damping * v;
            dy[3 * (i - 1) + c] = v;
        }
    }
}

bool readProject(const char* path, Model& m) {
    std::ifstream in(path);
    std::string name;
    if (!std::getline(in, name) || !(in >> m.ae >> m.ag >> m.ar >> m.types)) return false;
    if (m.types < 1 || m.types > MaxTypes) return false;
    for (int t = 1; t <= m.types; ++t) {
        int count, red, green, blue;
        if (!(in >> count >> m.mass[t] >> m.charge[t] >> m.diameter[t] >> red >> green >> blue))
            return false;
        for (int k = 0; k < count && m.n < MaxParticles; ++k) m.type[++m.n] = t;
    }
    m.slots = std::min(MaxNeighbours, m.n - 1);
    return m.n > 0;
}

void writeFrame(std::FILE* his, const std::string& finalState, const Model& m, const double* y,
                double time) {
    std::fprintf(his, "%d\n%8.3f\n", m.n, time);
    for (int i = 1; i <= m.n; ++i)
        std::fprintf(his, "%d\n%8.3f\n%8.3f\n%8.3f\n", m.type[i], y[3 * (i - 1)],
                     y[3 * (i - 1) + 1], y[3 * (i - 1) + 2]);
    std::fflush(his);
    std::FILE* sta = std::fopen(finalState.c_str(), "w");
    if (!sta) return;
    std::fprintf(sta, "%d\n%.14E\n", m.n, time);
    for (int j = 0; j < 3 * m.n; ++j)
        std::fprintf(sta, "%.14E\n%.14E\n", y[j], y[VelocityOffset + j]);
    std::fclose(sta);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: plain_step PROJECT.zpr STEPS SEED OUTPUT-STEM|-\n");
        return 2;
    }
    static Model m;
    if (!readProject(argv[1], m)) {
        std::fprintf(stderr, "plain_step: %s is not a project it can read\n", argv[1]);
        return 2;
    }
    const long long steps = std::atoll(argv[2]);
    m.seed = static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10));
    const std::string stem = argv[4];
    const bool files = stem != "-";
    std::FILE* his = files ? std::fopen((stem + ".his").c_str(), "w") : nullptr;
    if (files && !his) return 1;

    static double y[StateSize], backup[StateSize], k1[StateSize], k2[StateSize], mid[StateSize];
    static double history[3][StateSize], fp[StateSize];
    for (int j = 0; j < 3 * m.n; ++j) y[j] = (uniform(m) - 0.5) * (CubeHalfSize - 3.0) * 2.0;

    const auto start = std::chrono::steady_clock::now();
    rebuild(m, y);
    double time = 0.0;
    int pass = 0, sinceFrame = 0;
    int newest = 2, previous = 1, oldest = 0;
    for (long long s = 0; s < steps; ++s) {
        if (pass >= 20) pass = 0;
        ++pass;
        std::copy(y, y + StateSize, backup);
        if (pass <= 3) {
            evaluate(m, y, k1);
            for (int j = 0; j < StateSize; ++j) mid[j] = 0.5 * Step * k1[j] + y[j];
            evaluate(m, mid, k2);
            for (int j = 0; j < StateSize; ++j) y[j] = Step * k2[j] + y[j];
            std::copy(k1, k1 + StateSize,
                      history[pass == 1   ? oldest
                              : pass == 2 ? previous
                                          : newest]);
        } else {
            double* fn = history[oldest];
            evaluate(m, y, fn);
            const double h = Step / 12.0;
            for (int j = 0; j < StateSize; ++j)
                mid[j] =
                    (23.0 * fn[j] - 16.0 * history[newest][j] + 5.0 * history[previous][j]) * h +
                    y[j];
            evaluate(m, mid, fp);
            for (int j = 0; j < StateSize; ++j)
                y[j] = (5.0 * fp[j] + 8.0 * fn[j] - history[newest][j]) * h + y[j];
            const int freed = oldest;
            oldest = previous;
            previous = newest;
            newest = freed;
        }
        for (int j = 0; j < StateSize; ++j)
            if (!std::isfinite(y[j])) {
                std::copy(backup, backup + StateSize, y);
                std::fprintf(stderr, "plain: unstable at step %lld\n", s);
                return 1;
            }
        time += Step;
        if (++sinceFrame >= 300) {
            rebuild(m, y);
            sinceFrame = 0;
            if (files) writeFrame(his, stem + ".sta", m, y, time);
        }
    }
    if (his) std::fclose(his);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "plain: %lld steps, %.2f s (%.0f steps/s)\n", steps, seconds,
                 steps / seconds);
    return 0;
}
