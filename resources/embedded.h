#pragma once

#include <cstddef>
#include <string_view>

namespace quvolo {

// Files carried inside the program.
std::string_view alarm_sound();
std::string_view updater_program();

}  // namespace quvolo

// Defines `function` to return the bytes that embedded_file.S.in placed between
// `symbol`_begin and `symbol`_end.
#define QUVOLO_EMBEDDED_FILE(symbol, function)                                            \
    extern "C" const char symbol##_begin[];                                               \
    extern "C" const char symbol##_end[];                                                 \
    std::string_view quvolo::function() {                                                 \
        return {symbol##_begin, static_cast<std::size_t>(symbol##_end - symbol##_begin)}; \
    }
