#include "export/sheet_name.h"

namespace quvolo {
namespace {

constexpr std::size_t kMaxSheetNameUnits = 31;

bool is_high_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool is_forbidden(char16_t unit) {
    return std::u16string_view(u"[]:*?/\\").find(unit) != std::u16string_view::npos;
}

}  // namespace

std::u16string valid_sheet_name(std::u16string_view name) {
    std::u16string valid(name.substr(0, kMaxSheetNameUnits));
    if (valid.size() == kMaxSheetNameUnits && name.size() > kMaxSheetNameUnits &&
        is_high_surrogate(valid.back())) {
        valid.pop_back();
    }
    for (char16_t& unit : valid) {
        if (is_forbidden(unit)) {
            unit = u'_';
        }
    }
    if (valid.empty()) {
        return u"Sheet1";
    }
    if (valid.front() == u'\'') {
        valid.front() = u'_';
    }
    if (valid.back() == u'\'') {
        valid.back() = u'_';
    }
    return valid;
}

}  // namespace quvolo
