#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/ini_file.h"
#include "app/program_files.h"
#include "embedded.h"

namespace quvolo {
namespace {

std::string read_all(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ProgramFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    const std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / "quvolo_program_files_test";
};

TEST_F(ProgramFiles, AMissingAlarmIsWrittenAndAnExistingOneKept) {
    write_program_files(dir_);
    EXPECT_EQ(read_all(dir_ / "alarm.mp3"), alarm_sound());
    std::ofstream(dir_ / "alarm.mp3", std::ios::trunc) << "mine";
    write_program_files(dir_);
    EXPECT_EQ(read_all(dir_ / "alarm.mp3"), "mine");
}

TEST_F(ProgramFiles, TheVersionIsRecordedAndOtherKeysKept) {
    std::ofstream(config_path(dir_)) << "[基本配置]\n版本号=1.000\n[hosts]\ntrading=http://t\n";
    write_program_files(dir_);
    const auto config = IniFile::read(config_path(dir_));
    EXPECT_EQ(config.value("基本配置", "版本号"), "1.101");
    EXPECT_EQ(config.value("hosts", "trading"), "http://t");
}

TEST_F(ProgramFiles, AReadOnlyDirectoryIsNotAnError) {
    EXPECT_NO_THROW(write_program_files("/nonexistent-directory"));
}

}  // namespace
}  // namespace quvolo
