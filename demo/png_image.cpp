#include "demo/png_image.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>

namespace quvolo::demo {
namespace {

void put_u32(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value >> 24);
    out += static_cast<char>(value >> 16);
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value);
}

void put_chunk(std::string& out, const char* type, const std::string& data) {
    put_u32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t type_start = out.size();
    out.append(type, 4);
    out += data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(out.data() + type_start),
                            static_cast<uInt>(out.size() - type_start));
    put_u32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

RgbImage::RgbImage(int width, int height, std::uint32_t background)
    : width_(std::max(1, width)),
      height_(std::max(1, height)),
      pixels_(static_cast<std::size_t>(width_) * height_ * 3) {
    fill_rect(0, 0, width_, height_, background);
}

void RgbImage::set(int x, int y, std::uint32_t rgb) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    pixels_[at] = static_cast<std::uint8_t>(rgb >> 16);
    pixels_[at + 1] = static_cast<std::uint8_t>(rgb >> 8);
    pixels_[at + 2] = static_cast<std::uint8_t>(rgb);
}

void RgbImage::fill_rect(int x, int y, int w, int h, std::uint32_t rgb) {
    for (int row = std::max(0, y); row < std::min(height_, y + h); ++row) {
        for (int column = std::max(0, x); column < std::min(width_, x + w); ++column) {
            set(column, row, rgb);
        }
    }
}

void RgbImage::line(double x0, double y0, double x1, double y1, std::uint32_t rgb, int thickness) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int steps = std::max(1, static_cast<int>(std::ceil(length * 2)));
    const int half = thickness / 2;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const int x = static_cast<int>(std::lround(x0 + (x1 - x0) * t));
        const int y = static_cast<int>(std::lround(y0 + (y1 - y0) * t));
        fill_rect(x - half, y - half, thickness, thickness, rgb);
    }
}

std::string RgbImage::png() const {
    std::string raw;
    raw.reserve(pixels_.size() + height_);
    const std::size_t row_bytes = static_cast<std::size_t>(width_) * 3;
    for (int y = 0; y < height_; ++y) {
        raw += '\0';  // filter type "none"
        raw.append(reinterpret_cast<const char*>(pixels_.data()) + y * row_bytes, row_bytes);
    }
    uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packed_size, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
              reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()), 6);
    packed.resize(packed_size);

    std::string header;
    put_u32(header, static_cast<std::uint32_t>(width_));
    put_u32(header, static_cast<std::uint32_t>(height_));
    header += '\x08';        // bit depth
    header += '\x02';        // colour type RGB
    header.append(3, '\0');  // compression, filter, interlace
    std::string out("\x89PNG\r\n\x1a\n", 8);
    put_chunk(out, "IHDR", header);
    put_chunk(out, "IDAT", packed);
    put_chunk(out, "IEND", "");
    return out;
}

}  // namespace quvolo::demo
