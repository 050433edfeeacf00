#include <gtest/gtest.h>

#include "app/host_config.h"
#include "app/ini_file.h"

namespace quvolo {
namespace {

TEST(IniFile, SettingAKeyKeepsEveryOtherLine) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"", "[基本配置]\r\n版本号=1.101\r\n"},
        {"[基本配置]\r\n版本号=1.000\r\n", "[基本配置]\r\n版本号=1.101\r\n"},
        {"[基本配置]\n皮肤=3\n版本号 = 0.9\n; note\n[hosts]\ntrading=http://a\n",
         "[基本配置]\r\n皮肤=3\r\n版本号=1.101\r\n; note\r\n[hosts]\r\ntrading=http://a\r\n"},
        {"[hosts]\r\ncatalogue=http://b\r\n\r\n",
         "[hosts]\r\ncatalogue=http://b\r\n\r\n[基本配置]\r\n版本号=1.101\r\n"},
        {"[基本配置]\r\n其他=1\r\n\r\n[x]\r\n",
         "[基本配置]\r\n其他=1\r\n版本号=1.101\r\n\r\n[x]\r\n"},
    };
    for (const auto& c : cases) {
        auto file = IniFile::parse(c.before);
        file.set_value("基本配置", "版本号", "1.101");
        EXPECT_EQ(file.text(), c.after) << c.before;
        EXPECT_EQ(IniFile::parse(file.text()).value("基本配置", "版本号"), "1.101");
    }
}

TEST(IniFile, ValuesAreReadFromTheirOwnSectionOnly) {
    const auto file = IniFile::parse("[a]\nkey=1\n[b]\nkey = 2 \n");
    EXPECT_EQ(file.value("a", "key"), "1");
    EXPECT_EQ(file.value("b", "key"), "2");
    EXPECT_EQ(file.value("c", "key"), std::nullopt);
    EXPECT_EQ(file.value("a", "other"), std::nullopt);
}

TEST(HostConfig, NoHostsSectionMeansTheDemoMarketplace) {
    EXPECT_FALSE(configured_hosts(IniFile::parse("[基本配置]\n版本号=1.101\n")));
    const auto hosts = configured_hosts(
        IniFile::parse("[hosts]\ncatalogue=http://127.0.0.1:8901/\npublisher=http://p\n"));
    ASSERT_TRUE(hosts);
    EXPECT_EQ(hosts->catalogue, "http://127.0.0.1:8901");
    EXPECT_EQ(hosts->publisher, "http://p");
    EXPECT_EQ(hosts->trading, "");
}

TEST(IniFile, WriteReplacesTheFileWhole) {
    const auto path = std::filesystem::temp_directory_path() / "quvolo_ini_test.ini";
    auto file = IniFile::parse("[s]\nk=v\n");
    ASSERT_TRUE(file.write(path));
    EXPECT_EQ(IniFile::read(path).value("s", "k"), "v");
    EXPECT_FALSE(file.write("/nonexistent-directory/config.ini"));
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace quvolo
