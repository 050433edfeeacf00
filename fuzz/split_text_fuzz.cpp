#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "text/split.h"

using quvolo::fuzz::check;

// Joining the pieces with the separator gives the text back, less a separator at its end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string separator = input.ConsumeRandomLengthString(8);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::vector<std::string> pieces = quvolo::split_text(text, separator);
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        joined += (i == 0 ? "" : separator) + pieces[i];
    }
    check(joined == text || joined + separator == text);
    check(quvolo::replace_all(text, separator, separator) == text);
    return 0;
}
