#include "calc/progress.h"

#include <cstdio>

namespace zentova {

void ProgressBar::update(long long done, double time) {
    if (!m_interactive) return;
    const auto now = Clock::now();
    if (done != m_total && now - m_lastDraw < std::chrono::milliseconds(100)) return;
    m_lastDraw = now;
    constexpr int Width = 30;
    const int filled = m_total > 0 ? static_cast<int>(Width * done / m_total) : Width;
    char line[200];
    std::snprintf(line, sizeof line, "\r[%-*s] %lld/%lld %s  t = %.3f  %.0f %s/s ", Width,
                  std::string(filled, '#').c_str(), done, m_total, m_unit.c_str(), time, rate(done),
                  m_unit.c_str());
    m_err << line << std::flush;
}

void ProgressBar::end() {
    if (m_interactive) m_err << '\n';
}

double ProgressBar::seconds() const {
    return std::chrono::duration<double>(Clock::now() - m_start).count();
}

double ProgressBar::rate(long long done) const {
    const double s = seconds();
    return s > 0 ? static_cast<double>(done) / s : 0.0;
}

}  // namespace zentova
