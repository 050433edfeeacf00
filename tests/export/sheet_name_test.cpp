#include "export/sheet_name.h"

#include <gtest/gtest.h>

namespace quvolo {
namespace {

struct SheetNameCase {
    std::u16string name;
    std::u16string valid;
};

class SheetName : public ::testing::TestWithParam<SheetNameCase> {};

TEST_P(SheetName, IsMadeValidForExcel) {
    EXPECT_EQ(valid_sheet_name(GetParam().name), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SheetName,
    ::testing::Values(
        SheetNameCase{u"Lumora网market.example.com", u"Lumora网market.example.com"},
        SheetNameCase{u"a[b]c:d*e?f/g\\h", u"a_b_c_d_e_f_g_h"}, SheetNameCase{u"", u"Sheet1"},
        SheetNameCase{u"'quoted'", u"_quoted_"}, SheetNameCase{u"it's", u"it's"},
        SheetNameCase{u"'", u"_"},
        // 31 units is the most Excel takes; a longer name is cut, counting UTF-16 units.
        SheetNameCase{u"0123456789012345678901234567890", u"0123456789012345678901234567890"},
        SheetNameCase{u"01234567890123456789012345678901", u"0123456789012345678901234567890"},
        SheetNameCase{u"网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网",
                      u"网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网网"},
        // A character outside the BMP takes two units and is never cut in half.
        SheetNameCase{u"012345678901234567890123456789😀", u"012345678901234567890123456789"},
        SheetNameCase{u"01234567890123456789012345678😀", u"01234567890123456789012345678😀"},
        // Cutting happens before the end apostrophe is looked at.
        SheetNameCase{u"012345678901234567890123456789'x", u"012345678901234567890123456789_"}));

}  // namespace
}  // namespace quvolo
