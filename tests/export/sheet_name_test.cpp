#include "export/sheet_name.h"

#include <gtest/gtest.h>

namespace quvolo {
namespace {

struct SheetNameCase {
    std::string name;
    std::u16string sheet_name;
    std::u16string valid;
};

void PrintTo(const SheetNameCase& c, std::ostream* os) {
    *os << c.name;
}

class SheetName : public ::testing::TestWithParam<SheetNameCase> {};

TEST_P(SheetName, IsMadeValidForExcel) {
    EXPECT_EQ(valid_sheet_name(GetParam().sheet_name), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SheetName,
    ::testing::Values(
        SheetNameCase{"valid_kept", u"Lumora网market.example.com", u"Lumora网market.example.com"},
        SheetNameCase{"forbidden_characters", u"a[b]c:d*e?f/g\\h", u"a_b_c_d_e_f_g_h"},
        SheetNameCase{"empty", u"", u"Sheet1"},
        SheetNameCase{"apostrophes_at_the_ends", u"'quoted'", u"_quoted_"},
        SheetNameCase{"apostrophe_inside", u"it's", u"it's"},
        SheetNameCase{"apostrophe_alone", u"'", u"_"},
        // 31 units is the most Excel takes; a longer name is cut, counting UTF-16 units.
        SheetNameCase{"longest", u"0123456789012345678901234567890",
                      u"0123456789012345678901234567890"},
        SheetNameCase{"too_long", u"01234567890123456789012345678901",
                      u"0123456789012345678901234567890"},
        SheetNameCase{"too_long_chinese",
                      u"网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网",
                      u"网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网"},
        // A character outside the BMP takes two units and is never cut in half.
        SheetNameCase{"pair_at_the_cut", u"012345678901234567890123456789😀",
                      u"012345678901234567890123456789"},
        SheetNameCase{"pair_that_fits", u"01234567890123456789012345678😀",
                      u"01234567890123456789012345678😀"},
        // Cutting happens before the end apostrophe is looked at.
        SheetNameCase{"apostrophe_at_the_cut", u"012345678901234567890123456789'x",
                      u"012345678901234567890123456789_"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quvolo
