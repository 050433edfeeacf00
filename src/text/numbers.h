#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quvolo {

// Leading decimal number after full-width digits, signs and points become ASCII; 0 if none.
double text_to_number(std::string_view text);
std::int64_t text_to_integer(std::string_view text);

// Shortest "%.13g" form.
std::string number_to_text(double value);

// Half away from zero on the magnitude, with the 1e-12 nudge.
double round_to(double value, int places);

// Price comparisons with a tolerance of 1e-7.
bool price_less(double a, double b);
bool price_greater(double a, double b);
bool price_equal(double a, double b);

}  // namespace quvolo
