#include "text/name_initials.h"

#include "text/gbk_chars.h"
#include "text/pinyin_initials_table.h"

namespace quvolo {

namespace {

constexpr char kNoInitial = '.';

char initial_of(unsigned char lead, unsigned char trail) {
    const int row = lead - kPinyinFirstLead;
    const int column = trail - kPinyinFirstTrail;
    if (row < 0 || row >= kPinyinLeadCount || column < 0 || column >= kPinyinTrailCount) {
        return kNoInitial;
    }
    return kPinyinInitials[row][column];
}

}  // namespace

std::string name_initials(std::string_view gbk_text) {
    std::string initials;
    for (std::size_t i = 0; i < gbk_text.size(); ++i) {
        if (!starts_double_byte(gbk_text[i])) {
            initials.push_back(gbk_text[i]);
            continue;
        }
        const std::string_view character = gbk_text.substr(i, 2);
        const char initial = character.size() == 2
                                 ? initial_of(static_cast<unsigned char>(character[0]),
                                              static_cast<unsigned char>(character[1]))
                                 : kNoInitial;
        if (initial == kNoInitial) {
            initials.append(character);
        } else {
            initials.push_back(initial);
        }
        ++i;
    }
    return initials;
}

}  // namespace quvolo
