#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quvolo::demo {

// An RGB picture, 8 bits a channel, rows from the top.
class RgbImage {
  public:
    RgbImage(int width, int height, std::uint32_t background);

    int width() const { return width_; }
    int height() const { return height_; }
    void set(int x, int y, std::uint32_t rgb);
    void fill_rect(int x, int y, int w, int h, std::uint32_t rgb);
    // A line `thickness` pixels wide.
    void line(double x0, double y0, double x1, double y1, std::uint32_t rgb, int thickness);
    // PNG file bytes.
    std::string png() const;

  private:
    int width_, height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace quvolo::demo
