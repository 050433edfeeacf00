#pragma once

#include <filesystem>

namespace quvolo {

// Writes what the program keeps beside itself at every start: alarm.mp3 when missing, and
// config.ini's installed version (other keys kept). A read-only directory is not an error.
void write_program_files(const std::filesystem::path& program_dir);

std::filesystem::path config_path(const std::filesystem::path& program_dir);

}  // namespace quvolo
