#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// mode: 0 between only, 1 left + between + right, 2 left + between, 3 between + right;
// any other value acts as 0.
std::string text_between(std::string_view text, std::string_view left, std::string_view right,
                         bool ignore_case = false, int mode = 0, bool from_end = false);

}  // namespace quvolo
