#pragma once

#include <string>
#include <vector>

#include "model/particles.h"
#include "model/project.h"

namespace zentova {

// One line of a run's readings file (STEM.readings.csv): what a class reads off a frame.
// Energies in the program's units (mass x (cube units per time unit)^2), lengths in cube
// units, speeds in cube units per time unit.
struct ReadingsRow {
    double time = 0.0;
    long long frame = 0;                    // the frame's number in the trajectory, from 1
    double meanKineticEnergy = 0.0;         // mean of 0.5 m v^2 over all particles
    std::vector<double> typeKineticEnergy;  // the same mean over each type's particles
    double meanSpeed = 0.0;                 // mean of |v|
    double radiusOfGyration = 0.0;          // root mean square distance from the centre of
                                            // the particles (each counts the same)
    double largestDistance = 0.0;           // from the cube's centre
    double bathFactor = 1.0;                // the bath's temperature relative to the setup's
};

// The names of a type's column (followed by the type's number) and of the bath's.
inline constexpr const char* TypeColumnPrefix = "kinetic_energy_type_";
inline constexpr const char* BathColumn = "bath_factor";

// The types that get a column of their own: those of the project with particles, in order.
std::vector<int> readingsTypes(const Project& project);

// The readings of particles 1..n at `particles.time`. The kinetic energies are those of the
// status line (kineticEnergy), summed in the same order, so the two agree to the last digit.
ReadingsRow computeReadings(const Project& project, const std::vector<int>& types,
                            const ParticleState& particles, int n, long long frame);

// "time,frame,mean_kinetic_energy,kinetic_energy_type_1,...,mean_speed,
// radius_of_gyration,largest_distance_from_centre,bath_factor", no line end. The frame is
// the frame's number in the whole trajectory; files written before it was so named call it
// "frames", and files written before the bath could change have no bath_factor.
std::string readingsHeader(const std::vector<int>& types);

// One line under readingsHeader, with its LF: time to 3 decimals as the trajectory has it,
// the rest to 10 significant digits.
std::string formatReadingsRow(const ReadingsRow& row);

// Where a run keeps its readings: the project's stem + ".readings.csv".
std::string readingsPathOf(const std::string& baseName);

}  // namespace zentova
