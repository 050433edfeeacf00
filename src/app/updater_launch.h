#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/hosts.h"

namespace quvolo {

// The updater's file name beside the program.
std::filesystem::path updater_path(const std::filesystem::path& program_dir);

// Writes the carried updater (replacing an older file) and makes it executable.
std::optional<std::filesystem::path> write_updater(const std::filesystem::path& program_dir);

// Starts a program without arguments in a process of its own and does not wait for it.
// The extra environment tells it what it cannot learn from its own directory.
bool launch_detached(const std::filesystem::path& program,
                     const std::vector<std::pair<std::string, std::string>>& extra_environment);

// Writes the carried updater beside the program, replacing an older one, and starts it
// without arguments and without waiting. False when it could not be written or started.
bool start_updater(const std::filesystem::path& program_dir, const Hosts& hosts);

}  // namespace quvolo
