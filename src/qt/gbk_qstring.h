#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quvolo::qt {

// The logic keeps GBK bytes; widgets show and return QString.
QString to_qstring(std::string_view gbk);
std::string to_gbk(const QString& text);

}  // namespace quvolo::qt
