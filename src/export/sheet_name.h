#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// A name Excel accepts for a worksheet: the characters [ ] : * ? / \ become "_", as does an
// apostrophe at either end; the name is cut to 31 UTF-16 units without splitting a surrogate
// pair; an empty name becomes "Sheet1".
std::u16string valid_sheet_name(std::u16string_view name);

}  // namespace quvolo
