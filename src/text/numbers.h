#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quvolo {

// The leading decimal number of the text, after full-width digits, signs and points have become
// ASCII and leading blanks are skipped: "12.5元" gives 12.5, "1,250.00" gives 1. Text without a
// leading number gives 0, and so does a number beyond the range of double. A decimal number has
// no exponent: "1e5" gives 1, so a letter after a price never scales it.
double text_to_number(std::string_view text);
// The leading integer, read the same way; beyond the range of int64 it gives 0.
std::int64_t text_to_integer(std::string_view text);

// Shortest "%.13g" form, independent of the C locale; negative zero is written as "0".
std::string number_to_text(double value);

// Half away from zero on the magnitude, with the 1e-12 nudge.
double round_to(double value, int places);

// Price comparisons with a tolerance of 1e-7.
bool price_less(double a, double b);
bool price_greater(double a, double b);
bool price_equal(double a, double b);

}  // namespace quvolo
