#pragma once

#include <cstdint>
#include <string>

namespace quvolo {

inline void put_u8(std::string& out, std::uint8_t value) {
    out.push_back(static_cast<char>(value));
}

inline void put_u16(std::string& out, std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.append(bytes, 2);
}

inline void put_u32(std::string& out, std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    out.append(bytes, 4);
}

// Overwrites bytes already written, for lengths and offsets known only later.
inline void patch_u16(std::string& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}

inline void patch_u32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace quvolo
