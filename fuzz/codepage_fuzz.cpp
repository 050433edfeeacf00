#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "text/codepage.h"
#include "text/name_initials.h"

using quvolo::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int code_page = input.PickValueInArray({0, 936, 65001, 1252, 950});
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::string utf16 = quvolo::to_utf16(text, code_page);
    check(utf16.size() % 2 == 0 && utf16.size() >= 2);
    quvolo::from_utf16(utf16, code_page);
    quvolo::from_utf16(text, code_page);

    // Whatever comes in, the UTF-8 that comes out is valid: it passes through UTF-16 unchanged.
    const std::string utf8 = quvolo::gbk_to_utf8(text);
    if (utf8.find('\0') == std::string::npos) {
        check(quvolo::from_utf16(quvolo::to_utf16(utf8), quvolo::kCodePageUtf8) == utf8);
    }
    quvolo::utf8_to_gbk(text);
    check(quvolo::name_initials(text).size() <= text.size());
    return 0;
}
