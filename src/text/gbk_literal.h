#pragma once

#include "text/codepage.h"

// A UTF-8 source literal as GBK, converted once per call site and cached:
//   status.set_caption(GBK("正在查询，请等待....."));
#define GBK(utf8_literal)                                                         \
    ([]() -> const std::string& {                                                 \
        static const std::string converted = ::quvolo::utf8_to_gbk(utf8_literal); \
        return converted;                                                         \
    }())
