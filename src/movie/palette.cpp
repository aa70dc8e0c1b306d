#include "movie/palette.h"

#include <algorithm>
#include <cmath>

namespace zentova {

namespace {

struct CountedColour {
    std::array<int, 3> c{};
    std::uint32_t packed = 0;
    double count = 0.0;
};

struct Box {
    std::size_t begin = 0;
    std::size_t end = 0;
    double squaredError = 0.0;
    int longestAxis = 0;
};

int channel(std::uint32_t packed, int axis) {
    return static_cast<int>((packed >> (16 - 8 * axis)) & 0xFF);
}

std::uint32_t pack(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b);
}

// The weighted spread of a box: its squared error about its mean, and the axis along which
// it is widest.
void measure(const std::vector<CountedColour>& colours, Box& box) {
    std::array<double, 3> sum{}, sumSquares{};
    double count = 0.0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        const CountedColour& colour = colours[i];
        count += colour.count;
        for (int a = 0; a < 3; ++a) {
            sum[a] += colour.count * colour.c[a];
            sumSquares[a] += colour.count * colour.c[a] * colour.c[a];
        }
    }
    box.squaredError = 0.0;
    double widest = -1.0;
    for (int a = 0; a < 3; ++a) {
        const double error = sumSquares[a] - sum[a] * sum[a] / count;
        box.squaredError += error;
        if (error > widest) {
            widest = error;
            box.longestAxis = a;
        }
    }
    if (box.end - box.begin < 2) box.squaredError = 0.0;
}

std::array<double, 3> meanOf(const std::vector<CountedColour>& colours, std::size_t begin,
                             std::size_t end) {
    std::array<double, 3> sum{};
    double count = 0.0;
    for (std::size_t i = begin; i < end; ++i) {
        count += colours[i].count;
        for (int a = 0; a < 3; ++a) sum[a] += colours[i].count * colours[i].c[a];
    }
    for (double& s : sum) s /= count;
    return sum;
}

int distance2(const std::array<int, 3>& a, std::uint32_t packed) {
    int d = 0;
    for (int k = 0; k < 3; ++k) {
        const int e = a[k] - channel(packed, k);
        d += e * e;
    }
    return d;
}

}  // namespace

void ColourCounts::add(const std::uint8_t* rgb, int width, int height, int stride) {
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = rgb + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x)
            ++m_counts[pack(row[3 * x], row[3 * x + 1], row[3 * x + 2])];
    }
}

namespace {

// The colours counted, in a fixed order, so that the same pictures always give the same palette.
std::vector<CountedColour> sortedColours(const ColourCounts& counts) {
    std::vector<CountedColour> colours;
    colours.reserve(counts.counts().size());
    for (const auto& [packed, count] : counts.counts()) {
        CountedColour colour;
        colour.packed = packed;
        colour.count = count;
        for (int a = 0; a < 3; ++a) colour.c[a] = channel(packed, a);
        colours.push_back(colour);
    }
    std::sort(colours.begin(), colours.end(),
              [](const CountedColour& a, const CountedColour& b) { return a.packed < b.packed; });
    return colours;
}

// Median cut: the box of the largest squared error is halved by count along its longest
// axis until there are `size` boxes or none has an error left. Sorts `colours` within boxes.
std::vector<Box> cutIntoBoxes(std::vector<CountedColour>& colours, int size) {
    std::vector<Box> boxes{Box{0, colours.size()}};
    measure(colours, boxes[0]);
    while (static_cast<int>(boxes.size()) < size) {
        const auto worst = std::max_element(
            boxes.begin(), boxes.end(),
            [](const Box& a, const Box& b) { return a.squaredError < b.squaredError; });
        if (worst->squaredError <= 0.0) break;
        Box box = *worst;
        const int axis = box.longestAxis;
        std::sort(colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
                  colours.begin() + static_cast<std::ptrdiff_t>(box.end),
                  [axis](const CountedColour& a, const CountedColour& b) {
                      return a.c[axis] != b.c[axis] ? a.c[axis] < b.c[axis] : a.packed < b.packed;
                  });
        double total = 0.0;
        for (std::size_t i = box.begin; i < box.end; ++i) total += colours[i].count;
        double below = 0.0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            below += colours[i].count;
            split = i + 1;
            if (below >= total / 2) break;
        }
        Box low{box.begin, split}, high{split, box.end};
        measure(colours, low);
        measure(colours, high);
        *worst = low;
        boxes.push_back(high);
    }
    return boxes;
}

// One round of moving each palette colour to the mean of the colours nearest to it; a
// colour that makes up most of its group is taken exactly.
void moveToNearestMeans(const std::vector<CountedColour>& colours,
                        std::vector<std::uint32_t>& palette) {
    const std::size_t n = palette.size();
    std::vector<std::array<double, 3>> sums(n, std::array<double, 3>{});
    std::vector<double> totals(n, 0.0), mostCount(n, 0.0);
    std::vector<std::uint32_t> most(n, 0);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        std::size_t best = 0;
        int bestDistance = distance2(colours[i].c, palette[0]);
        for (std::size_t k = 1; k < n && bestDistance > 0; ++k) {
            const int d = distance2(colours[i].c, palette[k]);
            if (d < bestDistance) {
                bestDistance = d;
                best = k;
            }
        }
        totals[best] += colours[i].count;
        for (int a = 0; a < 3; ++a) sums[best][a] += colours[i].count * colours[i].c[a];
        if (colours[i].count > mostCount[best]) {
            mostCount[best] = colours[i].count;
            most[best] = colours[i].packed;
        }
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (totals[k] <= 0.0) continue;
        if (mostCount[k] * 2 > totals[k]) {
            palette[k] = most[k];
            continue;
        }
        palette[k] = pack(static_cast<int>(std::lround(sums[k][0] / totals[k])),
                          static_cast<int>(std::lround(sums[k][1] / totals[k])),
                          static_cast<int>(std::lround(sums[k][2] / totals[k])));
    }
}

}  // namespace

std::vector<std::uint32_t> choosePalette(const ColourCounts& counts, int size) {
    std::vector<CountedColour> colours = sortedColours(counts);
    std::vector<std::uint32_t> palette;
    if (colours.empty() || size <= 0) return palette;
    if (static_cast<int>(colours.size()) <= size) {
        for (const CountedColour& colour : colours) palette.push_back(colour.packed);
        return palette;
    }
    for (const Box& box : cutIntoBoxes(colours, size)) {
        const auto mean = meanOf(colours, box.begin, box.end);
        palette.push_back(pack(static_cast<int>(std::lround(mean[0])),
                               static_cast<int>(std::lround(mean[1])),
                               static_cast<int>(std::lround(mean[2]))));
    }
    for (int round = 0; round < 4; ++round) moveToNearestMeans(colours, palette);
    return palette;
}

PaletteMapper::PaletteMapper(std::vector<std::uint32_t> palette)
    : m_palette(std::move(palette)), m_cacheKeys(CacheSize, 0), m_cacheValues(CacheSize, 0) {
    if (m_palette.empty()) m_palette.push_back(0);
    for (std::size_t k = 0; k < m_palette.size(); ++k)
        m_byRed.push_back(static_cast<std::uint8_t>(k));
    std::stable_sort(m_byRed.begin(), m_byRed.end(), [this](std::uint8_t a, std::uint8_t b) {
        return channel(m_palette[a], 0) < channel(m_palette[b], 0);
    });
    for (const std::uint8_t k : m_byRed) m_reds.push_back(channel(m_palette[k], 0));
}

std::uint8_t PaletteMapper::nearest(int r, int g, int b) {
    const std::uint32_t colour = pack(r, g, b);
    const std::uint32_t key = colour | 0x1000000u;
    const std::size_t slot = (colour * 2654435761u >> 16) & (CacheSize - 1);
    if (m_cacheKeys[slot] == key) return m_cacheValues[slot];
    const std::array<int, 3> wanted{r, g, b};
    const int n = static_cast<int>(m_byRed.size());
    const int start =
        static_cast<int>(std::lower_bound(m_reds.begin(), m_reds.end(), r) - m_reds.begin());
    int best = -1;
    int bestDistance = 1 << 30;
    // Outwards from the wanted red, both ways, while red alone could still be nearer; ties
    // go to the lower index, as a search of the whole palette in order would give.
    for (int down = start - 1, up = start; down >= 0 || up < n;) {
        const int downGap = down >= 0 ? r - m_reds[down] : 1 << 16;
        const int upGap = up < n ? m_reds[up] - r : 1 << 16;
        const bool goUp = upGap <= downGap;
        const int gap = goUp ? upGap : downGap;
        if (gap * gap > bestDistance) break;
        const int k = m_byRed[goUp ? up++ : down--];
        const int d = distance2(wanted, m_palette[k]);
        if (d < bestDistance || (d == bestDistance && k < best)) {
            bestDistance = d;
            best = k;
        }
    }
    m_cacheKeys[slot] = key;
    m_cacheValues[slot] = static_cast<std::uint8_t>(best);
    return static_cast<std::uint8_t>(best);
}

void PaletteMapper::map(const std::uint8_t* rgb, int width, int height, int stride,
                        std::uint8_t* indexes, int indexStride) {
    // Errors of this row and the next, with a cell of margin at either end.
    const std::size_t rowCells = 3 * static_cast<std::size_t>(width + 2);
    m_errors.assign(2 * rowCells, 0);
    int* current = m_errors.data();
    int* next = m_errors.data() + rowCells;
    std::uint32_t lastWanted = 0x1000000u;  // no colour
    std::uint8_t lastIndex = 0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = rgb + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint8_t* out = indexes + static_cast<std::ptrdiff_t>(y) * indexStride;
        const bool leftToRight = y % 2 == 0;
        const int step = leftToRight ? 1 : -1;
        for (int i = 0; i < width; ++i) {
            const int x = leftToRight ? i : width - 1 - i;
            int* here = current + 3 * (x + 1);
            std::array<int, 3> wanted{};
            for (int a = 0; a < 3; ++a) {
                // The errors are kept in sixteenths of a level.
                const int value = in[3 * x + a] + (here[a] >= 0 ? here[a] + 8 : here[a] - 8) / 16;
                wanted[a] = std::clamp(value, 0, 255);
            }
            // Runs of one colour (the background) take the index of the pixel before.
            const std::uint32_t packed = pack(wanted[0], wanted[1], wanted[2]);
            if (packed != lastWanted) {
                lastWanted = packed;
                lastIndex = nearest(wanted[0], wanted[1], wanted[2]);
            }
            const std::uint8_t index = lastIndex;
            out[x] = index;
            for (int a = 0; a < 3; ++a) {
                // Seven eighths of the error goes on: the grain stays fine and calm.
                const int error = (wanted[a] - channel(m_palette[index], a)) * 7 / 8;
                if (error == 0) continue;
                current[3 * (x + 1 + step) + a] += error * 7;
                next[3 * (x + 1 - step) + a] += error * 3;
                next[3 * (x + 1) + a] += error * 5;
                next[3 * (x + 1 + step) + a] += error * 1;
            }
        }
        std::swap(current, next);
        std::fill(next, next + rowCells, 0);
    }
}

}  // namespace zentova
