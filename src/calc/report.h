#pragma once

#include <chrono>
#include <string>

#include "model/particles.h"
#include "model/project.h"

namespace zentova {

// The figures shown while a calculation runs: in the view window's status line and, with
// --report, once per frame on the command line.
struct Readings {
    double time = 0.0;               // simulated time
    long long frames = 0;            // frames written by this run (the readings file's
                                     // `frame` numbers the whole trajectory instead)
    double stepsPerSecond = 0.0;     // integration steps per second of wall-clock time
    double meanKineticEnergy = 0.0;  // mean of 0.5 m v^2 over the particles, cube units
};

// Mean over particles 1..n of 0.5 x mass of its type x |velocity|^2; 0 when n is 0. A type
// outside 1..MaxTypes counts with mass 0.
double meanKineticEnergy(const Project& project, const ParticleState& particles, int n);

// "t = 0.150   frames 10   21450 steps/s   mean kinetic energy 1234.5 per particle"
std::string formatReadings(const Readings& readings);

// "bath x 1.56": the bath's temperature relative to the setup's, as the status line shows it.
std::string formatBath(double factor);

// How --report prints: the line above, or comma-separated values under a header line that
// spreadsheets and data-frame readers take as the column names.
enum class ReportStyle { Text, Csv };

// "time,frames,steps_per_second,mean_kinetic_energy_per_particle", no line end.
inline constexpr const char* ReadingsCsvHeader =
    "time,frames,steps_per_second,mean_kinetic_energy_per_particle";

// One row under ReadingsCsvHeader, no line end: "0.150,10,21450,1234.5".
std::string formatReadingsCsv(const Readings& readings);

// Steps per second over the last half second or more: steady enough to read, recent
// enough to show the slowdown while the user turns the view. Before the first half
// second has passed the figure runs from the start.
class StepRate {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds Window{500};

    explicit StepRate(Clock::time_point start = Clock::now()) : m_start(start), m_mark(start) {}

    // The rate at `now` when `steps` steps have been taken since the start.
    double update(long long steps, Clock::time_point now = Clock::now());

  private:
    Clock::time_point m_start;
    Clock::time_point m_mark;
    long long m_markSteps = 0;
    double m_rate = 0.0;
    bool m_windowDone = false;
};

}  // namespace zentova
