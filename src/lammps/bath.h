#pragma once

#include <vector>

#include "model/bathschedule.h"
#include "model/project.h"

namespace zentova {

// The model's damping and random kicks as a heat bath, in LAMMPS's terms.
//
// Per evaluation a particle of mass m feels the damping -m * gamma * v and, on each axis,
// the sum of K kicks (K = neighbour slots), each uniform in [-KickSpan/2, KickSpan/2): a
// random force of variance K * KickSpan^2 / 12, whatever the mass. Per step the velocity
// takes h / m times a weighted sum of such forces: the midpoint step the second
// evaluation's alone (weight 1); the Adams corrector the predicted point's (5/12), the
// current point's (8/12) and, from the history, the previous step's current point's
// (-1/12), so that one draw enters two steps (8/12 - 1/12 = 7/12 in all). Summed over a
// restart cycle the velocity's variance grows as if each step took kickShare() of one
// evaluation's variance, independently. A Langevin bath with the drag m / damp and the
// temperature T takes 2 m kT / (damp dt) per step; equal drag (damp = 1 / gamma) and equal
// variance give
//     kT = kickShare() * K * KickSpan^2 / 12 * h / (2 * gamma * m),
// a temperature per type, falling with the mass (the kicks are forces, not accelerations).
double kickShare();

// The variance of the random force per axis that stands for one step's kicks: the share
// of one evaluation's K kicks.
double kickForceVariance(int slots);

// kT of a particle of mass `mass` in the bath (the model's step h, damping gamma > 0).
double bathTemperature(int slots, double step, double damping, double mass);

// The neighbour slots per particle, as placement counts them: min(20, n - 1), 0 for none.
int neighbourSlots(const Project& project);

// A stretch of a run at one bath factor, from step `fromStep` (counted from the run's start).
struct BathSegment {
    long long fromStep = 0;
    double factor = 1.0;
    double time = 0.0;  // the time of the change that starts it, as the schedule gives it
};

// The stretches a run of `steps` steps of size `step` from `startTime` takes under
// `schedule`, as the calculation applies it: each step at the factor the schedule holds half
// a step after its start. The first begins at step 0; a change that does not alter the factor
// or falls at or after the run's end makes none.
std::vector<BathSegment> bathSegments(const BathSchedule& schedule, double startTime, double step,
                                      long long steps);

}  // namespace zentova
