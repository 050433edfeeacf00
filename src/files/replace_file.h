#pragma once

#include <string>
#include <string_view>

namespace quvolo {

// Writes bytes to a new file beside path, flushes it to disk and renames it over path, so
// path only ever names a complete file. On failure nothing new is left behind and
// failure_reason (GBK) says what went wrong.
bool write_file_replacing(const std::string& path, std::string_view bytes,
                          std::string& failure_reason);

}  // namespace quvolo
