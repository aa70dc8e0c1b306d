#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/force.h"
#include "model/particles.h"
#include "model/project.h"
#include "model/random.h"

namespace zentova {

inline constexpr double WallMargin = 3.0;     // walls stand at +-(cubeHalfSize - WallMargin)
inline constexpr double WallStiffness = 400;  // times the squared penetration depth
inline constexpr double KickSpan = 400;       // kicks are uniform in [-KickSpan/2, KickSpan/2)

// The schedule of a calculation: restart cycles of RestartInterval passes, each beginning
// with StartupSteps midpoint steps that fill the Adams history; a frame and a rebuild of the
// neighbour lists every FrameInterval steps.
inline constexpr int FrameInterval = 300;   // steps between frames and neighbour rebuilds
inline constexpr int RestartInterval = 20;  // passes per restart cycle; one redraw each
inline constexpr int StartupSteps = 3;      // midpoint steps at the start of each cycle

// Every particle's three positions, then every particle's three velocities, in one row.
using StateVector = std::array<double, StateSize>;

struct EvaluationWork;  // the pair lists and scratch of the evaluation, private to the model

// Derivatives of the last three step points; the roles rotate instead of the data.
struct AdamsHistory {
    std::array<StateVector, 3> vectors{};
    int newest = 2;
    int previous = 1;
    int oldest = 0;
};

// The integrator's state between steps: the neighbour lists and the frozen far force of
// the last rebuild, and the Adams history. Its working storage (about 0.85 MB) is allocated
// once, with it, so that no step allocates.
struct Dynamics {
    Dynamics();
    ~Dynamics();

    // neighbours[k][i]: number of the k-th nearest neighbour of particle i (k = 1 nearest).
    std::array<std::array<std::int32_t, MaxParticles + 1>, MaxNeighbours + 1> neighbours{};
    // farForce[c][i]: force on particle i from all particles that are not its neighbours.
    std::array<std::array<double, MaxParticles + 1>, 3> farForce{};
    AdamsHistory history;
    // Evaluates and searches one particle at a time even where vector lanes would serve:
    // the reference the four-lane code is checked against.
    bool portableOnly = false;
    std::unique_ptr<EvaluationWork> work;
};

// What an evaluation reads besides the state: the project, the particle types, the cube,
// the damping, the random source it draws its kicks from, and the kicks' span (the bath's).
struct Physics {
    const Project& project;
    const std::uint8_t* particleType;  // 1-based, as ParticleState::type
    double cubeHalfSize;
    double damping;
    RandomSource& random;
    double kickSpan = KickSpan;  // kicks are uniform in [-kickSpan/2, kickSpan/2)
};

// Rebuilds the neighbour lists of particles 1..n from the positions at the start of
// `state`, and the far force from every particle that is not a listed neighbour. Takes the
// force law's constants of the listed pairs (from the project's coefficients, masses,
// charges and diameters and the cube size) for the evaluations until the next rebuild.
void RebuildNeighbours(Dynamics& dyn, const Physics& physics, const double* state, int n);

// Time derivative of `state` (positions, velocities) into `derivative`: velocities, and
// accelerations from the neighbours' pair forces, the kicks, the walls, the far force and
// damping. Draws 3 random numbers per particle and neighbour slot.
void EvaluateDerivative(Dynamics& dyn, const Physics& physics, const double* state,
                        double* derivative);

// How many force-law evaluations one EvaluateDerivative makes with the lists of the last
// rebuild: one per listed pair.
int PairEvaluations(const Dynamics& dyn);

// One explicit midpoint step of size h on `state`, in place; stores k1, the derivative at
// the start of the step, into `k1`. When `before` is given (StateSize values), the state
// as it was before the step is left there, written as the step overwrites it.
void MidpointStep(Dynamics& dyn, const Physics& physics, double* state, double h, double* k1,
                  double* before = nullptr);

// One third-order Adams-Bashforth-Moulton predictor-corrector step of size h, in place,
// reading and shifting the derivative history; `before` as for MidpointStep.
void AdamsStep(Dynamics& dyn, const Physics& physics, double* state, double h,
               double* before = nullptr);

enum class HistorySlot { Oldest, Previous, Newest };

// Stores a start-up derivative into one slot of the Adams history.
void StoreHistory(Dynamics& dyn, HistorySlot slot, const double* derivative);

}  // namespace zentova
