#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/project.h"

namespace zentova {

// One trajectory frame as the analysis keeps it: particles 1..count at 3(p-1)..3(p-1)+2.
struct Snapshot {
    double time = 0.0;
    std::vector<double> xyz;
    std::vector<std::uint8_t> types;
    int leftOut = 0;  // positions outside the cube, taken out by leaveOutFarPositions
    int count() const { return static_cast<int>(types.size()); }
};

// Takes the positions outside the cube (a coordinate beyond +-cubeHalfSize) out of every
// frame: the walls keep the particles inside, and the plots cover the cube alone. Returns
// how many went, over all frames.
long long leaveOutFarPositions(std::vector<Snapshot>& frames, double cubeHalfSize);
// The same for one frame; returns how many went.
int leaveOutFarPositions(Snapshot& frame, double cubeHalfSize);

// Whether a frame at `time` lies from `from` to `to` (both included, as the times are written).
bool inTimeRange(double time, std::optional<double> from, std::optional<double> to);

// The frames from `from` to `to` (times, both included); without them, the second half of
// the trajectory (the frames from index count / 2 on), where a run has settled more. The
// choice of a whole list of times: FramePicker makes it as the frames go by, and is checked
// against this.
std::vector<std::size_t> chooseFrames(const std::vector<double>& times, std::optional<double> from,
                                      std::optional<double> to);

// At most `most` of the chosen frames, evenly spaced (every k-th, first and spacing kept), so
// that a long trajectory is analysed in bounded time and memory.
std::vector<std::size_t> thinOut(const std::vector<std::size_t>& chosen, std::size_t most);

// The share of pairs of points placed uniformly and independently in a cube of edge `edge`
// whose distance lies between r0 and r1 (0 <= r0 <= r1 <= edge): the integral of the cube's
// distance density 4 pi r^2/E^3 - 6 pi r^3/E^4 + 8 r^4/E^5 - r^5/E^6, exact for r <= E.
double cubePairShare(double r0, double r1, double edge);

// The types present in the chosen frames, in increasing order.
std::vector<int> typesIn(const std::vector<Snapshot>& frames,
                         const std::vector<std::size_t>& chosen);

// The edge of the region the walls hold the particles in: twice the half edge less the
// walls' margin.
double wallRegionEdge(double cubeHalfSize);

// The radial distribution of one pair of types.
struct PairDistribution {
    int typeA = 0;
    int typeB = 0;
    std::vector<long long> counts;  // pairs per bin over all frames chosen
    std::vector<double> g;          // counts over what uniformly placed points would give
    double firstPeak = 0.0;         // centre of the bin of the first clear peak; 0 when none
    double firstMinimum = 0.0;      // centre of the bin of the first dip after it; 0 when none
    double coordinationAB = 0.0;    // mean number of B within firstMinimum of an A
    double coordinationBA = 0.0;    // mean number of A within firstMinimum of a B
};

// What the neighbour table says where g(r) has no peak that stands out from the counting
// noise (more than nine pairs a frame, three Poisson spreads above both chance and the
// ground around it), or
// no dip after it before g rises again by as much.
inline constexpr const char* NoClearPeak = "no clear peak";
inline constexpr const char* NoClearDip = "no clear dip";

// g(r) for every pair of types present, averaged over `chosen`. Normalised for the walled
// cube rather than for an endless periodic box: each bin's count is divided by the count
// the same number of pairs would give if they were placed uniformly in the region the walls
// hold (a cube of edge `edge`), by the exact distance distribution of such points.
struct RadialDistribution {
    double binWidth = 0.1;
    double edge = 0.0;
    std::vector<PairDistribution> pairs;
    // Root mean square distance of the particles from their centre (each counting the
    // same), over the chosen frames: how far the group spreads, which sets how far above 1
    // g(r) stands for particles that gathered in part of the cube.
    double gyrationRadius = 0.0;
    int bins() const { return pairs.empty() ? 0 : static_cast<int>(pairs[0].g.size()); }
};

RadialDistribution radialDistribution(const std::vector<Snapshot>& frames,
                                      const std::vector<std::size_t>& chosen, double edge,
                                      double binWidth = 0.1, double range = 25.0);

// The share of the cube of edge `edge` that a group of radius of gyration `gyrationRadius`
// fills, taken as a ball that holds its particles evenly (whose radius is sqrt(5/3) times
// its radius of gyration); at most 1. Particles crowded into a share s of the cube meet
// each other 1/s times as often as spread through all of it, and g(r) is that much higher.
double lumpShareOfCube(double gyrationRadius, double edge);

// The results as CSV text with a header line, "." decimals, LF line ends. The neighbour
// table says NoClearPeak or NoClearDip in place of a missing distance, and leaves the
// neighbour counts it cannot give empty.
std::string radialDistributionCsv(const RadialDistribution& rdf);
std::string coordinationCsv(const RadialDistribution& rdf);

}  // namespace zentova
