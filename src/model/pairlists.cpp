#include <algorithm>

#include "model/evaluationwork.h"

namespace zentova {

// Out of line, where EvaluationWork is complete; the working storage is the one allocation
// of the integrator, made once with its state.
Dynamics::Dynamics() : work(std::make_unique<EvaluationWork>()) {}
Dynamics::~Dynamics() = default;

void fillPairTable(EvaluationWork& work, const Physics& physics) {
    const Project& project = physics.project;
    const int types = clampCount(project.typeCount, MaxTypes);
    for (int a = 1; a <= types; ++a)
        for (int b = 1; b <= types; ++b)
            work.pairTable[a][b] = pairCoefficients(project, physics.cubeHalfSize, a, b, project.ag,
                                                    project.ae, project.ar);
}

void listPairs(const Dynamics& dyn, EvaluationWork& work, int n, int slots) {
    NeighbourPairs& pairs = work.pairs;
    pairs.count = 0;
    for (int i = 1; i <= n; ++i) {
        pairs.first[i] = pairs.count;
        for (int k = 1; k <= slots; ++k) {
            const int a = dyn.neighbours[k][i];
            if (a == i || a < 1 || a > MaxParticles) continue;
            pairs.self[pairs.count] = i;
            pairs.other[pairs.count] = a;
            ++pairs.count;
        }
    }
    pairs.first[n + 1] = pairs.count;
    for (int i = n + 2; i <= MaxParticles + 1; ++i) pairs.first[i] = pairs.count;

    LaneGroups& groups = work.laneGroups;
    groups.count = 0;
    std::fill(groups.startingAt.begin(), groups.startingAt.end(), std::int16_t{-1});
    int base = 0;
    for (int i = 1; i + 3 <= n;) {
        const int length = pairs.first[i + 1] - pairs.first[i];
        bool equal = length > 0;
        for (int l = 1; l < 4 && equal; ++l)
            equal = pairs.first[i + l + 1] - pairs.first[i + l] == length;
        if (!equal) {
            ++i;
            continue;
        }
        const int g = groups.count++;
        groups.startingAt[i] = static_cast<std::int16_t>(g);
        groups.firstParticle[g] = static_cast<std::int16_t>(i);
        groups.length[g] = static_cast<std::int16_t>(length);
        groups.base[g] = base;
        for (int l = 0; l < 4; ++l)
            for (int s = 0; s < length; ++s)
                groups.otherIndex[base + 4 * s + l] = 3 * (pairs.other[pairs.first[i + l] + s] - 1);
        base += 4 * length;
        i += 4;
    }
}

namespace {

// The constants of the lane groups, copied from the particle-major pairs.
void laneConstants(EvaluationWork& work) {
    const NeighbourPairs& pairs = work.pairs;
    LaneGroups& groups = work.laneGroups;
    for (int g = 0; g < groups.count; ++g) {
        const int first = groups.firstParticle[g];
        for (int l = 0; l < 4; ++l)
            for (int s = 0; s < groups.length[g]; ++s) {
                const int k = pairs.first[first + l] + s;
                const int entry = groups.base[g] + 4 * s + l;
                groups.gravity[entry] = pairs.gravity[k];
                groups.charge[entry] = pairs.charge[k];
                groups.core[entry] = pairs.core[k];
                groups.repel[entry] = pairs.repel[k];
                groups.push[entry] = coincidentPushX(pairs.self[k], pairs.other[k]);
            }
    }
}

}  // namespace

int PairEvaluations(const Dynamics& dyn) {
    return dyn.work->pairs.count;
}

void takePairConstants(EvaluationWork& work, const std::uint8_t* particleType) {
    NeighbourPairs& pairs = work.pairs;
    for (int k = 0; k < pairs.count; ++k) {
        const PairCoefficients& c =
            work.pairTable[particleType[pairs.self[k]]][particleType[pairs.other[k]]];
        pairs.gravity[k] = c.gravity;
        pairs.charge[k] = c.charge;
        pairs.core[k] = c.core;
        pairs.repel[k] = c.repel;
    }
    laneConstants(work);
}

}  // namespace zentova
