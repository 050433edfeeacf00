#include "app/version_answer.h"

namespace quvolo {

VersionAnswer classify_version_answer(std::string_view answer, std::string_view installed) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const auto first = answer.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return VersionAnswer::unreachable;
    }
    const auto last = answer.find_last_not_of(kBlanks);
    return answer.substr(first, last - first + 1) == installed ? VersionAnswer::same
                                                               : VersionAnswer::different;
}

}  // namespace quvolo
