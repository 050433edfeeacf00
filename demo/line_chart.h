#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quvolo::demo {

struct ChartLine {
    std::vector<double> values;  // one per column of the chart; NaN leaves a gap
    std::uint32_t rgb = 0;
};

// A line chart as PNG bytes: a light grid with `grid_rows` bands, one line per series,
// a dot at each value. With `top_is_low` the smallest value sits at the top (ranks).
std::string line_chart_png(int width, int height, const std::vector<ChartLine>& lines, double low,
                           double high, int grid_rows, bool top_is_low);

// Distinct line colours.
std::uint32_t chart_colour(std::size_t index);

}  // namespace quvolo::demo
