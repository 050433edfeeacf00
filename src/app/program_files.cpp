#include "app/program_files.h"

#include <fstream>

#include "app/ini_file.h"
#include "app/version_answer.h"
#include "embedded.h"

namespace quvolo {

std::filesystem::path config_path(const std::filesystem::path& program_dir) {
    return program_dir / "config.ini";
}

void write_program_files(const std::filesystem::path& program_dir) {
    const auto alarm = program_dir / "alarm.mp3";
    std::error_code error;
    if (!std::filesystem::exists(alarm, error)) {
        const auto sound = alarm_sound();
        std::ofstream(alarm, std::ios::binary)
            .write(sound.data(), static_cast<std::streamsize>(sound.size()));
    }
    auto config = IniFile::read(config_path(program_dir));
    config.set_value("基本配置", "版本号", kInstalledVersion);
    config.write(config_path(program_dir));
}

}  // namespace quvolo
