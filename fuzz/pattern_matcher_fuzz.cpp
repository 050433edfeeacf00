#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "text/pattern_matcher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool case_sensitive = input.ConsumeBool();
    const bool multiline = input.ConsumeBool();
    const bool global = input.ConsumeBool();
    const bool quote_placeholder = input.ConsumeBool();
    const std::string pattern = input.ConsumeRandomLengthString(64);
    const std::string replacement = input.ConsumeRandomLengthString(16);
    const std::string subject = input.ConsumeRemainingBytesAsString();

    quvolo::PatternMatcher matcher;
    matcher.run(pattern, subject, case_sensitive, multiline, global, quote_placeholder);
    const quvolo::PatternMatcher copy = matcher;
    const int groups = copy.submatch_count();
    for (int match = 0; match <= copy.match_count() + 1 && match < 64; ++match) {
        int position = 0;
        copy.match_text(match, &position);
        for (int group = 0; group <= groups + 1 && group < 8; ++group) {
            copy.submatch_text(match, group, &position);
        }
    }
    copy.replace_all(replacement);
    copy.pattern_text();
    return 0;
}
