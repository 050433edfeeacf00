#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "text/gbk_search.h"
#include "text/text_between.h"

namespace {

using quvolo::fuzz::check;

bool starts_character(const std::string& text, int position) {
    std::size_t at = 0;
    while (at + 1 < static_cast<std::size_t>(position)) {
        at += static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1;
    }
    return at + 1 == static_cast<std::size_t>(position);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool ignore_case = input.ConsumeBool();
    const bool from_end = input.ConsumeBool();
    const int mode = input.ConsumeIntegralInRange(-1, 4);
    const std::string left = input.ConsumeRandomLengthString(16);
    const std::string right = input.ConsumeRandomLengthString(16);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::string cut = quvolo::text_between(text, left, right, ignore_case, mode, from_end);
    check(cut.size() <= text.size() + right.size());

    const int first = quvolo::find_text(text, left, 1, ignore_case);
    const int last = quvolo::find_last_text(text, left, ignore_case);
    check((first == -1) == (last == -1));
    if (first != -1 && !left.empty()) {
        check(first <= last);
        check(starts_character(text, first) && starts_character(text, last));
        check(ignore_case || text.compare(first - 1, left.size(), left) == 0);
    }
    return 0;
}
