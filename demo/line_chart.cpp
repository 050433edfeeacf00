#include "demo/line_chart.h"

#include <cmath>

#include "demo/png_image.h"

namespace quvolo::demo {

std::uint32_t chart_colour(std::size_t index) {
    static const std::uint32_t kColours[] = {0xE4393C, 0x2D7BD8, 0x3BA55C, 0xF0A020, 0x8E44AD,
                                             0x16A2B8, 0xD35400, 0x7F8C8D, 0xC71585, 0x2E4053};
    return kColours[index % (sizeof kColours / sizeof kColours[0])];
}

std::string line_chart_png(int width, int height, const std::vector<ChartLine>& lines, double low,
                           double high, int grid_rows, bool top_is_low) {
    RgbImage image(width, height, 0xFFFFFF);
    const int left = 24, right = width - 16, top = 14, bottom = height - 18;
    const double span = high > low ? high - low : 1;
    image.fill_rect(left, top, right - left, bottom - top, 0xF7F9FC);
    for (int row = 0; row <= grid_rows; ++row) {
        const int y = top + (bottom - top) * row / std::max(1, grid_rows);
        image.line(left, y, right, y, 0xDDE3EA, 1);
    }
    std::size_t columns = 0;
    for (const ChartLine& line : lines)
        columns = std::max(columns, line.values.size());
    const auto x_of = [&](std::size_t column) {
        return columns < 2 ? (left + right) / 2.0
                           : left + (right - left) * static_cast<double>(column) / (columns - 1);
    };
    for (std::size_t column = 0; column < columns; ++column) {
        image.line(x_of(column), top, x_of(column), bottom, 0xE8ECF1, 1);
    }
    image.line(left, bottom, right, bottom, 0x7A8699, 2);
    image.line(left, top, left, bottom, 0x7A8699, 2);
    const auto y_of = [&](double value) {
        const double share = (value - low) / span;
        return top_is_low ? top + (bottom - top) * share : bottom - (bottom - top) * share;
    };
    for (const ChartLine& line : lines) {
        for (std::size_t column = 0; column < line.values.size(); ++column) {
            const double value = line.values[column];
            if (std::isnan(value))
                continue;
            if (column + 1 < line.values.size() && !std::isnan(line.values[column + 1])) {
                image.line(x_of(column), y_of(value), x_of(column + 1),
                           y_of(line.values[column + 1]), line.rgb, 3);
            }
            image.fill_rect(static_cast<int>(x_of(column)) - 3, static_cast<int>(y_of(value)) - 3,
                            7, 7, line.rgb);
        }
    }
    return image.png();
}

}  // namespace quvolo::demo
