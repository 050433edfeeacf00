#include "cli/json_text.h"

#include <cstdio>

#include "text/codepage.h"

namespace quvolo::cli {

std::string json_string(std::string_view gbk) {
    const std::string utf8 = gbk_to_utf8(gbk);
    std::string quoted = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    quoted += escaped;
                } else {
                    quoted += c;
                }
        }
    }
    quoted += '"';
    return quoted;
}

}  // namespace quvolo::cli
