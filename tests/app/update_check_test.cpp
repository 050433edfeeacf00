#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/update_check.h"
#include "app/updater_launch.h"
#include "embedded.h"
#include "text/gbk_literal.h"
#include "ui/scripted_desktop.h"

namespace quvolo {
namespace {

TEST(UpdateCheck, AnswersLeadToTheRightBoxes) {
    struct Case {
        const char* answer;
        bool report_latest;
        ui::MessageAnswer user_choice;
        bool update_starts;
        std::vector<std::string> box_texts;
        int updates_started;
    };
    const std::string question = GBK("系统检测有新的版本程序已发布,是否更新？");
    const std::string latest = GBK("当前版本已是最新版本");
    const std::string failed = GBK("检查更新失败：无法连接更新服务器，请稍后再试。");
    const std::string not_started = GBK("无法写出或启动更新程序，请检查程序所在的文件夹是否可写。");
    const Case cases[] = {
        {"1.101", false, ui::MessageAnswer::ok, true, {}, 0},
        {"1.101", true, ui::MessageAnswer::ok, true, {latest}, 0},
        {"1.101\r\n", true, ui::MessageAnswer::ok, true, {latest}, 0},
        {"1.102", false, ui::MessageAnswer::ok, true, {question}, 1},
        {"1.102", false, ui::MessageAnswer::ok, false, {question, not_started}, 1},
        {"1.102", true, ui::MessageAnswer::cancel, true, {question}, 0},
        {"", false, ui::MessageAnswer::ok, true, {}, 0},
        {"", true, ui::MessageAnswer::ok, true, {failed}, 0},
    };
    for (const auto& c : cases) {
        ui::ScriptedDesktop desktop;
        desktop.answer_next_box(c.user_choice);
        int started = 0;
        handle_version_answer(c.answer, c.report_latest, desktop, [&] {
            ++started;
            return c.update_starts;
        });
        std::vector<std::string> texts;
        for (const auto& box : desktop.boxes()) {
            texts.push_back(box.text);
            EXPECT_EQ(box.title, GBK("友情提示"));
        }
        EXPECT_EQ(texts, c.box_texts) << "answer '" << c.answer << "'";
        EXPECT_EQ(started, c.updates_started) << "answer '" << c.answer << "'";
    }
}

TEST(UpdateCheck, TheUpdaterIsWrittenWholeAndExecutableReplacingAnOldOne) {
    const auto dir = std::filesystem::temp_directory_path() / "quvolo_updater_test";
    std::filesystem::create_directories(dir);
    std::ofstream(updater_path(dir)) << "old";
    for (int write = 0; write < 2; ++write) {
        const auto path = write_updater(dir);
        ASSERT_TRUE(path);
        std::ifstream in(*path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(bytes.str(), updater_program());
        EXPECT_NE(std::filesystem::status(*path).permissions() & std::filesystem::perms::owner_exec,
                  std::filesystem::perms::none);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quvolo
