#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "calc/report.h"
#include "model/bathschedule.h"

namespace zentova {

// A calculation without a window: the same stepping as "Calculate", for a given number of
// steps, in the current folder (its "setupek.dat" applies).
struct HeadlessOptions {
    std::string projectPath;
    long long steps = 3000;
    std::optional<std::uint32_t> seed;  // fixed seed for repeatable files; clock otherwise
    bool append = false;                // continue the final state instead of a new run
    BathSchedule bath;                  // the bath's factor over the run's time
};

// Runs the calculation, writing the ".his" and ".sta" files beside the project. Progress
// goes to `err` (a bar when `interactive`, a summary line always); every failure is one
// "zentova: FILE:LINE: REASON" line. Returns the exit status: 0 on success, 1 on failure.
// With `report`, each frame written also prints one line of readings there (time, frames,
// steps per second, mean kinetic energy per particle), and the bar is left out; with
// ReportStyle::Csv a header line comes first, once the inputs are accepted.
int runHeadlessCalculation(const HeadlessOptions& options, std::ostream& err, bool interactive,
                           std::ostream* report = nullptr,
                           ReportStyle reportStyle = ReportStyle::Text);

}  // namespace zentova
