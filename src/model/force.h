#pragma once

#include <cmath>

#include "model/project.h"

namespace zentova {

inline constexpr double DistanceScale = 0.04;  // cube units to force-law units
// The square of DistanceScale, written out as the law gives it: every result of the model
// depends on this very double, so it is not left to a product to produce it.
inline constexpr double SquaredDistanceScale = 0.0016;
static_assert(SquaredDistanceScale == DistanceScale * DistanceScale,
              "the two scales of the force law drifted apart");
// 1 / DistanceScale: the force vector of a pair has magnitude |F| / DistanceScale.
inline constexpr double InverseDistanceScale = 25.0;
inline constexpr double ForceLimit = 1000.0;  // the force is clamped to +-ForceLimit
inline constexpr double MinGap = 0.001;       // smallest core gap in the repelling term

// The x force of a coinciding pair on particle `self`: without a direction of its own the
// pair is pushed apart along x at full repulsion, the lower number towards -x.
inline constexpr double CoincidentPush = ForceLimit * InverseDistanceScale;
inline double coincidentPushX(int self, int other) {
    return self < other ? -CoincidentPush : CoincidentPush;
}

// Scaled distance d (DistanceScale times the distance, 0 when the positions coincide) and
// the scalar force F between two particles; F > 0 pulls the first towards the second.
// inverseD is 1 / d (infinite when d = 0), for callers that form F * delta / d.
struct PairResult {
    double d;
    double F;
    double inverseD;
};

// The parts of the force law that depend only on the two types and the coefficients.
struct PairCoefficients {
    double gravity;  // ag * mi * mj
    double charge;   // -ae * 10 * qi * qj
    double core;     // width of the repelling core in force-law units
    double repel;    // -ar * 0.1
};

inline PairCoefficients pairCoefficients(const Project& project, double cubeHalfSize, int ti,
                                         int tj, double ag, double ae, double ar) {
    return {ag * project.masses[ti] * project.masses[tj],
            -ae * 10.0 * static_cast<double>(project.charges[ti]) * project.charges[tj],
            (project.diameters[ti] + project.diameters[tj]) * 10.0 * SquaredDistanceScale *
                cubeHalfSize / 500.0,
            -ar * 0.1};
}

// The force law for a pair whose squared scaled distance is s2 (DistanceScale squared
// times the squared distance). Written without early exits, so that a loop over many pairs
// runs on vector lanes, and with one division: the divider is what limits the speed of a
// step, and 1 / (d g^4) gives both 1 / d and 1 / g^4.
inline PairResult pairForceAt(const PairCoefficients& c, double s2) {
    const double d = __builtin_sqrt(s2);
    double gap = d - c.core;
    if (gap < MinGap) gap = MinGap;
    const double gap2 = gap * gap;
    const double gap4 = gap2 * gap2;
    const double inverse = 1.0 / (d * gap4);
    const double inverseD = gap4 * inverse;
    const double inverseGap4 = d * inverse;
    const double inverseS2 = inverseD * inverseD;
    const double gravity = c.gravity * inverseS2;
    const double charge = c.charge * inverseS2;
    const double repel = c.repel * inverseGap4;
    double f = gravity + charge + repel;
    if (!(f >= -ForceLimit)) f = -ForceLimit;  // also catches a result that is not a number
    if (f > ForceLimit) f = ForceLimit;
    if (s2 == 0.0) f = -ForceLimit;  // coinciding particles: full repulsion, d = 0
    return {d, f, inverseD};
}

// Squared scaled distance between two positions.
inline double scaledDistance2(const double* pi, const double* pj) {
    const double dx = pi[0] - pj[0];
    const double dy = pi[1] - pj[1];
    const double dz = pi[2] - pj[2];
    return (dx * dx + dy * dy + dz * dz) * SquaredDistanceScale;
}

// The force law: gravity (ag, masses), charges (ae) and a repelling core (ar), each falling
// off with the scaled distance; clamped to [-ForceLimit, ForceLimit]. Coinciding positions
// give d = 0 and full repulsion. Reads the masses, charges and diameters of the two types.
// A caller forms the force vector on particle i as F * (pj - pi) / d.
inline PairResult PairForce(const Project& project, double cubeHalfSize, int ti, int tj,
                            const double* pi, const double* pj, double ag, double ae, double ar) {
    return pairForceAt(pairCoefficients(project, cubeHalfSize, ti, tj, ag, ae, ar),
                       scaledDistance2(pi, pj));
}

// The same law term by term, the way it is worked by hand: s2, then d, the gravity and
// charge terms over s2, the core gap and the repelling term over the gap to the fourth power,
// added in that order and clamped. What a user reads as numbers (the force table) and sees
// plotted comes from this form. The integration uses pairForceAt, which is algebraically the
// same with one division instead of three and may differ from this in the last bits.
inline PairResult PairForceByTerms(const Project& project, double cubeHalfSize, int ti, int tj,
                                   const double* pi, const double* pj, double ag, double ae,
                                   double ar) {
    const double s2 = scaledDistance2(pi, pj);
    if (s2 == 0.0) return {0.0, -ForceLimit, HUGE_VAL};
    const PairCoefficients c = pairCoefficients(project, cubeHalfSize, ti, tj, ag, ae, ar);
    const double d = std::sqrt(s2);
    const double gravity = c.gravity / s2;
    const double charge = c.charge / s2;
    double gap = d - c.core;
    if (gap < MinGap) gap = MinGap;
    const double gap2 = gap * gap;
    const double repel = c.repel / (gap2 * gap2);
    double f = gravity + charge + repel;
    if (!(f >= -ForceLimit)) f = -ForceLimit;  // also catches a result that is not a number
    if (f > ForceLimit) f = ForceLimit;
    return {d, f, 1.0 / d};
}

}  // namespace zentova
