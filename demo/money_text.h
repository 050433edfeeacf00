#pragma once

#include <cstdint>
#include <string>

namespace quvolo::demo {

// "1,250.00"
std::string price_text_fixed(std::int64_t cents);
// "1,250", "35.5", "12.25": trailing zeros and a bare point dropped.
std::string price_text_trimmed(std::int64_t cents);
// "0.0125", "2.6", "0.00032": enough places for four significant digits, zeros trimmed.
std::string unit_price_number_text(double value);
// "1 280": the ranking portal groups thousands with a space.
std::string spaced_thousands(std::int64_t value);
// Whole number with thousands commas: "12,500".
std::string grouped_integer(std::int64_t value);

}  // namespace quvolo::demo
