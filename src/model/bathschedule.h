#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentova {

// The bath's factor: the temperature of the random kicks relative to the setup's. It scales
// the kicks' variance, so their span grows with its square root; the damping stays. A
// factor of 1 is the setup's bath, 0 leaves the damping alone to cool the particles.
//
// The bound keeps the step as stable as the setup's: at 16 the kicks reach 4 x 200 = 800 per
// slot, still a thirtieth of one clamped pair force (1000 / 0.04 = 25000), so the strongest
// push a step meets grows by under 3 %; the particles move 4 times as fast, 4 x the setup's
// distance between two neighbour rebuilds.
inline constexpr double MaxBathFactor = 16.0;

// The span of the kicks at `factor`: exactly KickSpan at 1, so that the setup's bath takes
// the arithmetic it always took.
double kickSpanFor(double factor);

// The view's steps: each press multiplies the factor by 1.25 (or divides it), from 1.25^-10
// (about 0.11) to 1.25^12 (about 14.6, the last step under MaxBathFactor); one press below
// the lowest step is 0, one above 0 the lowest step again. Level 0 is the factor 1.
inline constexpr double BathStep = 1.25;
inline constexpr int LowestBathLevel = -10;
inline constexpr int HighestBathLevel = 12;
inline constexpr int BathOffLevel = LowestBathLevel - 1;  // the factor 0
double bathFactorOfLevel(int level);

// From time `time` on, the factor `factor`.
struct BathChange {
    double time = 0.0;
    double factor = 1.0;
};
// Changes in increasing time; before the first, the setup's bath (1).
using BathSchedule = std::vector<BathChange>;

// The factor the schedule holds at `time`: that of the last change at or before it.
double bathFactorAt(const BathSchedule& schedule, double time);

// Reads "T0:F0,T1:F1,...": times from 0, increasing; factors from 0 to MaxBathFactor. On a
// mistake `error` says what was wrong and the schedule is empty.
struct ParsedBathSchedule {
    BathSchedule schedule;
    std::string error;
};
ParsedBathSchedule parseBathSchedule(std::string_view text);

// True when the schedule holds the setup's bath throughout (empty, or every factor 1).
bool isSetupBath(const BathSchedule& schedule);

}  // namespace zentova
