#include "text/gbk_search.h"

#include "text/needle_finder.h"

namespace quvolo {

namespace {

int to_position(std::size_t offset) {
    return offset == NeedleFinder::npos ? -1 : static_cast<int>(offset) + 1;
}

}  // namespace

int find_text(std::string_view text, std::string_view needle, int from, bool ignore_case) {
    const std::size_t start = from > 1 ? static_cast<std::size_t>(from) - 1 : 0;
    return to_position(NeedleFinder(text, needle, ignore_case).find(start));
}

int find_last_text(std::string_view text, std::string_view needle, bool ignore_case) {
    if (needle.empty()) {
        return text.empty() ? -1 : 1;
    }
    NeedleFinder finder(text, needle, ignore_case);
    std::size_t last = NeedleFinder::npos;
    for (std::size_t at = finder.find(0); at != NeedleFinder::npos; at = finder.find(at + 1)) {
        last = at;
    }
    return to_position(last);
}

}  // namespace quvolo
