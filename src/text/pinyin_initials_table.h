#pragma once

namespace quvolo {

// The GB2312 hanzi: first byte 0xB0 to 0xF7, second byte 0xA1 to 0xFE.
inline constexpr unsigned char kPinyinFirstLead = 0xB0;
inline constexpr unsigned char kPinyinFirstTrail = 0xA1;
inline constexpr int kPinyinLeadCount = 0xF7 - 0xB0 + 1;
inline constexpr int kPinyinTrailCount = 0xFE - 0xA1 + 1;

// kPinyinInitials[lead - 0xB0][trail - 0xA1] is the lower-case first letter of the hanzi's first
// Mandarin reading, or '.' for a code that holds no hanzi or a hanzi without a reading.
extern const char kPinyinInitials[kPinyinLeadCount][kPinyinTrailCount + 1];

}  // namespace quvolo
