#pragma once

#include <cstdlib>

namespace quvolo::fuzz {

// A broken promise of the code under test: abort, so the fuzzer keeps the input.
inline void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace quvolo::fuzz
