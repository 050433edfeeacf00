#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "main_window_rig.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

struct SequentialTasks : ui::TaskRunner {
    void run_on_worker(std::function<void(std::stop_token)> work) override { work({}); }
    void run_on_window(std::function<void()> work) override { work(); }
};

TEST(HostName, IsTheAddressWithoutSchemePortAndPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://www.example.com", "www.example.com"},
        {"http://127.0.0.1:8901", "127.0.0.1"},
        {"https://Example.org:443/path", "Example.org"},
        {"example.net/x", "example.net"},
        {"", ""},
    };
    for (const auto& [address, host] : cases) {
        EXPECT_EQ(host_name_of(address), host) << address;
    }
}

TEST(ExportMenuItems, TheOfferListIsWrittenUnderThePublishersSheetName) {
    SequentialTasks tasks;
    testing::MainWindowRig rig(hosts_all_at("http://127.0.0.1:8901"), "/nonexistent", tasks);
    MainWindowControls& controls = rig.controls;
    ui::ScriptedDesktop& desktop = rig.desktop;

    const auto path = std::filesystem::temp_directory_path() / "quvolo_offer_export.xls";
    std::filesystem::remove(path);
    controls.monitor.成交信息1.insert_row(0, "1");
    controls.monitor.查询目标1.set_caption(GBK("问道>>游戏币"));
    desktop.answer_next_save(path.string());
    rig.handlers.monitor.export_chosen();

    ASSERT_EQ(desktop.save_dialogs().size(), 1u);
    EXPECT_EQ(
        desktop.save_dialogs()[0].preset_name.rfind(GBK("未交易订单-问道-游戏币-LumoraQuvolo"), 0),
        0u);
    ASSERT_EQ(desktop.boxes().size(), 1u);
    EXPECT_EQ(desktop.boxes()[0].text, GBK("导出成功！"));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string sheet = to_utf16(GBK("Lumora网127.0.0.1"), kCodePageGbk);
    sheet.resize(sheet.size() - 2);  // without the terminating zero character
    EXPECT_NE(bytes.find(sheet), std::string::npos) << "sheet named after the publisher's host";
    EXPECT_FALSE(controls.分组框2.visible());
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace quvolo
