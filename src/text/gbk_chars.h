#pragma once

namespace quvolo {

// A byte of 0x80 or more starts a two-byte character, whatever byte follows it.
inline bool starts_double_byte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

}  // namespace quvolo
