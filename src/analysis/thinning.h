#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zentova {

// A line of a plot with many more points than the plot has pixel columns, thinned as its
// points come (x never decreasing): the x axis from min(0, first x) on is cut into columns of
// equal width, and of the points in each column only the first, the lowest, the highest and
// the last are kept, in their order, so that the line drawn through them reaches every
// spike. The width starts at a thousandth (the times' resolution) and doubles, neighbouring
// columns merging, whenever the points would span more than 2 x `columns` of them: the line
// ends up with between `columns` and 2 x `columns` columns once it is long, each narrower
// than a pixel of a plot `columns` pixels wide. A line of at most `keepAll` points keeps
// them all. Points that are not finite are left out.
class ThinnedLine {
  public:
    explicit ThinnedLine(std::size_t columns = 800, std::size_t keepAll = 4000);

    void add(double x, double y);
    // The points kept, in the order they came.
    std::vector<std::pair<double, double>> points() const;
    // The width of a column; 0 before the first point.
    double columnWidth() const { return m_points > 0 ? m_width : 0.0; }
    // Where the first column begins.
    double origin() const { return m_origin; }

  private:
    struct Point {
        double x = 0.0;
        double y = 0.0;
        std::uint64_t order = 0;
    };
    struct Column {
        bool used = false;
        Point first, lowest, highest, last;
    };
    static void merge(Column& into, const Column& from);

    std::size_t m_columns;
    std::size_t m_keepAll;
    std::uint64_t m_points = 0;
    double m_origin = 0.0;
    double m_width = 0.001;
    std::vector<Column> m_grid;  // 2 x m_columns columns from m_origin
    std::vector<std::pair<double, double>> m_all;
};

}  // namespace zentova
