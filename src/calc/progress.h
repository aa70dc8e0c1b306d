#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace zentova {

// The progress bar of a long command on a terminal: "[####    ] 120/3000 steps  t = 0.150
// 21450 steps/s", drawn over itself at most ten times a second, and only when `interactive`
// (standard error is a terminal). `unit` names what is counted ("steps", "frames").
class ProgressBar {
  public:
    using Clock = std::chrono::steady_clock;

    ProgressBar(std::ostream& err, bool interactive, long long total, std::string unit)
        : m_err(err),
          m_interactive(interactive),
          m_total(total),
          m_unit(std::move(unit)),
          m_start(Clock::now()) {}

    // `done` of the total counted, at simulated time `time`.
    void update(long long done, double time);
    // Ends the bar's line, when there is one.
    void end();

    double seconds() const;
    double rate(long long done) const;  // counted per second since the start

  private:
    std::ostream& m_err;
    bool m_interactive;
    long long m_total;
    std::string m_unit;
    Clock::time_point m_start;
    Clock::time_point m_lastDraw{};
};

}  // namespace zentova
