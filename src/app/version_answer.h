#pragma once

#include <string_view>

namespace quvolo {

inline constexpr std::string_view kInstalledVersion = "1.101";

enum class VersionAnswer { unreachable, same, different };

// The version service's answer against the installed version. An empty answer means the
// service could not be reached; white space around the number does not make it different.
VersionAnswer classify_version_answer(std::string_view answer,
                                      std::string_view installed = kInstalledVersion);

}  // namespace quvolo
