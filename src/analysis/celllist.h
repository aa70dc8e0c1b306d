#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zentova {

// Calls visit(i, j, r2) for every pair i < j of the `n` points at xyz[3i..3i+2] closer than
// `range` (r2 the square of their distance), each pair once. Few points are paired directly;
// more are sorted into cells of edge `range` first, so that the work grows with the points
// rather than with their pairs. Points that are not finite are passed over.
template <typename Visit>
void forEachPairWithin(const std::vector<double>& xyz, int n, double range, Visit&& visit);

// Points below this are paired directly: cells do not pay for themselves there.
inline constexpr int DirectPairingLimit = 400;

// The grid of cells the points are sorted into: its low corner, the cells along each axis
// and their edges.
struct CellGrid {
    double low[3];
    long long cells[3];
    double size[3];
};

// The grid over the finite points of `n`: cells of at least `range`, at most as many along
// an axis as the points and 8 per point in all, so that a stray point far away cannot make
// the grid huge.
inline CellGrid cellGridOf(const std::vector<double>& xyz, int n, double range) {
    double low[3], high[3];
    for (int c = 0; c < 3; ++c) low[c] = high[c] = 0.0;
    bool any = false;
    for (int i = 0; i < n; ++i) {
        const double* p = &xyz[3 * i];
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) continue;
        for (int c = 0; c < 3; ++c) {
            low[c] = any ? std::min(low[c], p[c]) : p[c];
            high[c] = any ? std::max(high[c], p[c]) : p[c];
        }
        any = true;
    }
    long long cells[3];
    double size[3];
    for (int c = 0; c < 3; ++c) {
        const double span = high[c] - low[c];
        cells[c] = std::clamp<long long>(static_cast<long long>(span / range), 1, n);
        size[c] = span > 0.0 ? span / static_cast<double>(cells[c]) : 1.0;
    }
    while (cells[0] * cells[1] * cells[2] > 8LL * n) {
        const int widest = static_cast<int>(std::max_element(cells, cells + 3) - cells);
        cells[widest] = (cells[widest] + 1) / 2;
        size[widest] = (high[widest] - low[widest]) / static_cast<double>(cells[widest]);
    }
    CellGrid grid;
    for (int c = 0; c < 3; ++c) {
        grid.low[c] = low[c];
        grid.cells[c] = cells[c];
        grid.size[c] = size[c];
    }
    return grid;
}

template <typename Visit>
void forEachPairWithin(const std::vector<double>& xyz, int n, double range, Visit&& visit) {
    const double range2 = range * range;
    const auto pair = [&](int i, int j) {
        const double dx = xyz[3 * i] - xyz[3 * j], dy = xyz[3 * i + 1] - xyz[3 * j + 1],
                     dz = xyz[3 * i + 2] - xyz[3 * j + 2];
        const double r2 = dx * dx + dy * dy + dz * dz;
        if (r2 < range2) visit(std::min(i, j), std::max(i, j), r2);
    };
    if (n < DirectPairingLimit || !(range > 0.0)) {
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) pair(i, j);
        return;
    }
    const CellGrid grid = cellGridOf(xyz, n, range);
    const double* low = grid.low;
    const long long* cells = grid.cells;
    const double* size = grid.size;
    const auto cellOf = [&](const double* p, int c) {
        return std::clamp<long long>(static_cast<long long>((p[c] - low[c]) / size[c]), 0,
                                     cells[c] - 1);
    };
    // Points by cell: a count per cell, then starts, then the points (a counting sort).
    const std::size_t total = static_cast<std::size_t>(cells[0] * cells[1] * cells[2]);
    std::vector<int> start(total + 1, 0), order(static_cast<std::size_t>(n));
    std::vector<long long> home(static_cast<std::size_t>(n), -1);
    for (int i = 0; i < n; ++i) {
        const double* p = &xyz[3 * i];
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) continue;
        home[i] = (cellOf(p, 2) * cells[1] + cellOf(p, 1)) * cells[0] + cellOf(p, 0);
        ++start[static_cast<std::size_t>(home[i]) + 1];
    }
    for (std::size_t k = 0; k < total; ++k) start[k + 1] += start[k];
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (int i = 0; i < n; ++i)
        if (home[i] >= 0) order[static_cast<std::size_t>(fill[home[i]]++)] = i;
    for (long long z = 0; z < cells[2]; ++z)
        for (long long y = 0; y < cells[1]; ++y)
            for (long long x = 0; x < cells[0]; ++x) {
                const std::size_t here =
                    static_cast<std::size_t>((z * cells[1] + y) * cells[0] + x);
                // Each neighbouring cell once: this one, and the 13 of the 26 that come after.
                for (long long dz = -1; dz <= 1; ++dz)
                    for (long long dy = -1; dy <= 1; ++dy)
                        for (long long dx = -1; dx <= 1; ++dx) {
                            const long long nx = x + dx, ny = y + dy, nz = z + dz;
                            if (nx < 0 || ny < 0 || nz < 0 || nx >= cells[0] || ny >= cells[1] ||
                                nz >= cells[2])
                                continue;
                            const std::size_t there =
                                static_cast<std::size_t>((nz * cells[1] + ny) * cells[0] + nx);
                            if (there < here) continue;
                            for (int a = start[here]; a < start[here + 1]; ++a)
                                for (int b = there == here ? a + 1 : start[there];
                                     b < start[there + 1]; ++b)
                                    pair(order[static_cast<std::size_t>(a)],
                                         order[static_cast<std::size_t>(b)]);
                        }
            }
}

}  // namespace zentova
