#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/hosts.h"
#include "app/ini_file.h"

namespace quvolo {

// The section of config.ini that names the hosts; without it the demo marketplace is used.
inline constexpr std::string_view kHostsSection = "hosts";

// The configured hosts, or nothing when the file has no hosts section. A key left out of the
// section leaves that service unreachable rather than guessing an address.
std::optional<Hosts> configured_hosts(const IniFile& config);

// The keys of the hosts section whose address the program cannot read from: anything but
// an http:// address (the fetch speaks plain HTTP only).
std::vector<std::string> unusable_host_keys(const IniFile& config);

}  // namespace quvolo
