#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "text/numbers.h"

using quvolo::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int places = input.ConsumeIntegralInRange(-3, 8);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const double number = quvolo::text_to_number(text);
    check(std::isfinite(number));
    quvolo::text_to_integer(text);
    const std::string written = quvolo::number_to_text(number);
    check(!written.empty() && written.size() < 32);
    // Thirteen digits survive a second reading.
    check(quvolo::number_to_text(quvolo::text_to_number(written)) == written ||
          written.find('e') != std::string::npos);
    quvolo::round_to(number, places);
    return 0;
}
