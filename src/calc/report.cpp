#include "calc/report.h"

#include <algorithm>
#include <cstdio>

#include "model/energy.h"

namespace zentova {

double meanKineticEnergy(const Project& project, const ParticleState& particles, int n) {
    n = std::clamp(n, 0, MaxParticles);
    if (n == 0) return 0.0;
    double sum = 0.0;
    for (int p = 1; p <= n; ++p) sum += kineticEnergy(project, particles, p);
    return sum / n;
}

std::string formatReadings(const Readings& r) {
    char line[200];
    std::snprintf(line, sizeof line,
                  "t = %.3f   frames %lld   %.0f steps/s   mean kinetic energy %.5g per particle",
                  r.time, r.frames, r.stepsPerSecond, r.meanKineticEnergy);
    return line;
}

std::string formatReadingsCsv(const Readings& r) {
    // Six significant digits of the energy: the text line's five hide changes a column of
    // numbers should show, and a reader takes the exponent form ("1.5e+06") as a number.
    char line[200];
    std::snprintf(line, sizeof line, "%.3f,%lld,%.0f,%.6g", r.time, r.frames, r.stepsPerSecond,
                  r.meanKineticEnergy);
    return line;
}

double StepRate::update(long long steps, Clock::time_point now) {
    const double sinceMark = std::chrono::duration<double>(now - m_mark).count();
    if (now - m_mark >= Window) {
        m_rate = static_cast<double>(steps - m_markSteps) / sinceMark;
        m_mark = now;
        m_markSteps = steps;
        m_windowDone = true;
    } else if (!m_windowDone) {
        const double sinceStart = std::chrono::duration<double>(now - m_start).count();
        m_rate = sinceStart > 0.0 ? static_cast<double>(steps) / sinceStart : 0.0;
    }
    return m_rate;
}

std::string formatBath(double factor) {
    char text[48];
    std::snprintf(text, sizeof text, "bath x %.2f", factor);
    return text;
}

}  // namespace zentova
