#include <algorithm>
#include <bit>

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
    // ag mi mj and -ae 10 qi qj are formed in type order and may round differently the other
    // way round; then a pair of the two types is computed for each particle on its own.
    const auto sameBits = [](double x, double y) {
        return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
    };
    for (auto& row : work.symmetric) row.fill(false);
    for (int a = 1; a <= types; ++a)
        for (int b = 1; b <= types; ++b) {
            const PairCoefficients& ab = work.pairTable[a][b];
            const PairCoefficients& ba = work.pairTable[b][a];
            work.symmetric[a][b] = sameBits(ab.gravity, ba.gravity) &&
                                   sameBits(ab.charge, ba.charge) && sameBits(ab.core, ba.core) &&
                                   sameBits(ab.repel, ba.repel);
        }
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
        base += 4 * length;
        i += 4;
    }
}

namespace {

// Where the partner of pair k (particle i listing a) stands: the pair of particle a that
// lists i and has no partner yet, or -1.
int partnerOf(const NeighbourPairs& pairs, const std::array<std::int32_t, MaxPairs>& partner,
              int k) {
    const int i = pairs.self[k];
    const int a = pairs.other[k];
    for (int m = pairs.first[a]; m < pairs.first[a + 1]; ++m)
        if (pairs.other[m] == i && partner[m] < 0) return m;
    return -1;
}

// The distinct pairs, in the order of their first listing.
void pairUp(EvaluationWork& work, const std::uint8_t* particleType) {
    NeighbourPairs& pairs = work.pairs;
    DistinctPairs& distinct = work.distinct;
    std::array<std::int32_t, MaxPairs> partner;
    std::fill_n(partner.begin(), pairs.count, -1);
    int count = 0;
    int needed = 0;
    // A pair that computes nothing that is read: particle `offset` against itself.
    const auto filler = [&](int offset) {
        distinct.self[count] = distinct.other[count] = offset;
        distinct.gravity[count] = distinct.charge[count] = distinct.core[count] = 0.0;
        distinct.repel[count] = distinct.push[count] = 0.0;
        ++count;
    };
    int self = 0;
    for (int k = 0; k < pairs.count; ++k) {
        if (partner[k] >= 0) continue;  // given by its partner, listed earlier
        const int i = pairs.self[k];
        const int a = pairs.other[k];
        if (i != self) {
            while (count % 4 != 0) filler(3 * (self - 1));
            for (int p = self + 1; p <= i; ++p) distinct.upTo[p] = count;
            self = i;
        }
        const int m = work.symmetric[particleType[i]][particleType[a]] && a > i
                          ? partnerOf(pairs, partner, k)
                          : -1;
        if (m >= 0) {
            partner[k] = m;
            partner[m] = k;
            pairs.distinct[m] = count;
            pairs.reversed[m] = true;
        }
        pairs.distinct[k] = count;
        pairs.reversed[k] = false;
        distinct.self[count] = 3 * (i - 1);
        distinct.other[count] = 3 * (a - 1);
        distinct.gravity[count] = pairs.gravity[k];
        distinct.charge[count] = pairs.charge[k];
        distinct.core[count] = pairs.core[k];
        distinct.repel[count] = pairs.repel[k];
        distinct.push[count] = coincidentPushX(i, a);
        ++count;
        ++needed;
    }
    if (self > 0)
        while (count % 4 != 0) filler(3 * (self - 1));
    for (int p = self + 1; p <= MaxParticles + 1; ++p) distinct.upTo[p] = count;
    distinct.count = count;
    distinct.needed = needed;
    // The columns' tail, up to a whole vector width; not counted.
    for (int p = 0; p < DistinctPadding; ++p) filler(0);
}

// Which distinct pair each pair of the lane groups takes, and in which direction.
void laneConstants(EvaluationWork& work) {
    const NeighbourPairs& pairs = work.pairs;
    LaneGroups& groups = work.laneGroups;
    for (int g = 0; g < groups.count; ++g) {
        const int first = groups.firstParticle[g];
        for (int l = 0; l < 4; ++l)
            for (int s = 0; s < groups.length[g]; ++s) {
                const int k = pairs.first[first + l] + s;
                const int entry = groups.base[g] + 4 * s + l;
                groups.distinct[entry] = 4 * pairs.distinct[k];
                groups.sign[entry] = pairs.reversed[k] ? -0.0 : 0.0;
            }
    }
}

}  // namespace

int PairEvaluations(const Dynamics& dyn) {
    const EvaluationWork& work = *dyn.work;
    const bool lanes = haveVectorLanes() && !dyn.portableOnly && work.laneGroups.count > 0;
    return lanes ? work.distinct.needed : work.pairs.count;
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
    pairUp(work, particleType);
    laneConstants(work);
}

}  // namespace zentova
