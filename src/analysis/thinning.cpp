#include "analysis/thinning.h"

#include <algorithm>
#include <cmath>

namespace zentova {

ThinnedLine::ThinnedLine(std::size_t columns, std::size_t keepAll)
    : m_columns(std::max<std::size_t>(columns, 1)), m_keepAll(keepAll), m_grid(2 * m_columns) {}

void ThinnedLine::merge(Column& into, const Column& from) {
    if (!from.used) return;
    if (!into.used) {
        into = from;
        return;
    }
    if (from.first.order < into.first.order) into.first = from.first;
    if (from.last.order > into.last.order) into.last = from.last;
    // Of equal values the earlier stays, as the first of them is what a reader is told of.
    if (from.lowest.y < into.lowest.y ||
        (from.lowest.y == into.lowest.y && from.lowest.order < into.lowest.order))
        into.lowest = from.lowest;
    if (from.highest.y > into.highest.y ||
        (from.highest.y == into.highest.y && from.highest.order < into.highest.order))
        into.highest = from.highest;
}

void ThinnedLine::add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (m_points == 0) m_origin = std::min(0.0, x);
    // Before the origin (x went back): counted in the first column.
    const double from = std::max(0.0, x - m_origin);
    if (!std::isfinite(from)) return;
    const Point point{x, y, m_points++};
    if (m_all.size() < m_keepAll) m_all.emplace_back(x, y);
    while (from / m_width >= static_cast<double>(m_grid.size())) {
        // Columns 2k and 2k + 1 become column k; the upper half is empty again.
        m_width *= 2.0;
        const std::size_t half = m_grid.size() / 2;
        for (std::size_t k = 0; k < half; ++k) {
            Column merged = m_grid[2 * k];
            merge(merged, m_grid[2 * k + 1]);
            m_grid[k] = merged;
        }
        std::fill(m_grid.begin() + static_cast<std::ptrdiff_t>(half), m_grid.end(), Column{});
    }
    Column& column = m_grid[static_cast<std::size_t>(from / m_width)];
    merge(column, Column{true, point, point, point, point});
}

std::vector<std::pair<double, double>> ThinnedLine::points() const {
    if (m_points <= m_keepAll) return m_all;
    std::vector<Point> kept;
    for (const Column& column : m_grid)
        if (column.used)
            kept.insert(kept.end(), {column.first, column.lowest, column.highest, column.last});
    // In the order they came, which is also the order of x unless x went back.
    std::sort(kept.begin(), kept.end(),
              [](const Point& a, const Point& b) { return a.order < b.order; });
    std::vector<std::pair<double, double>> out;
    out.reserve(kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k)
        if (k == 0 || kept[k].order != kept[k - 1].order) out.emplace_back(kept[k].x, kept[k].y);
    return out;
}

}  // namespace zentova
