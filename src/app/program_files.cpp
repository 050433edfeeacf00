#include "app/program_files.h"

#include "app/ini_file.h"
#include "app/version_answer.h"
#include "embedded.h"
#include "files/replace_file.h"

namespace quvolo {

std::filesystem::path config_path(const std::filesystem::path& program_dir) {
    return program_dir / "config.ini";
}

void write_program_files(const std::filesystem::path& program_dir) {
    const auto alarm = program_dir / "alarm.mp3";
    std::error_code error;
    std::string ignored_reason;
    if (!std::filesystem::exists(alarm, error)) {
        write_file_replacing(alarm.string(), alarm_sound(), ignored_reason);
    }
    auto config = IniFile::read(config_path(program_dir));
    config.set_value("基本配置", "版本号", kInstalledVersion);
    config.write(config_path(program_dir));
}

}  // namespace quvolo
