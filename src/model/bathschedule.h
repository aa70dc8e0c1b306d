#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentova {

// The bath's factor: the temperature of the random kicks relative to the setup's. It scales
// the kicks' variance, so their span grows with its square root; the damping stays. A
// factor of 1 is the setup's bath, 0 leaves the damping alone to cool the particles.
//
// The bound keeps the kicks within what the step is made for: at 10000 their span is 100
// times the setup's, a kick per slot of at most 20000, still below one pair force at its clamp
// (1000 / 0.04 = 25000). Above it the kicks would be the strongest push a step meets.
inline constexpr double MaxBathFactor = 10000.0;

// The span of the kicks at `factor`: exactly KickSpan at 1, so that the setup's bath takes
// the arithmetic it always took.
double kickSpanFor(double factor);

// The view's steps: each press makes the kicks 1.25 times as strong (or weaker), the
// temperature 1.5625 times, from 1.5625^-10 (about 0.012) to 1.5625^20 (about 7500, the last
// step under MaxBathFactor); one press below the lowest step is 0, one above 0 the lowest
// step again. Level 0 is the factor 1.
inline constexpr double BathStep = 1.5625;
inline constexpr int LowestBathLevel = -10;
inline constexpr int HighestBathLevel = 20;
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
