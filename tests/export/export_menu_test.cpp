#include "export/export_menu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "export_fixtures.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "ui/memory_captions.h"
#include "ui/scripted_desktop.h"
#include "xls_reader.h"

namespace quvolo {
namespace {

using testing::file_contents;
using testing::gbk_list;
using testing::read_xls;
using testing::TemporaryDirectory;
using testing::TextTable;
using testing::write_contents;

const DateTime kNow{2026, 12, 11, 11, 8, 0};

// Notes whether the group box was on screen when each box came up.
class WatchingDesktop : public ui::ScriptedDesktop {
  public:
    explicit WatchingDesktop(const ui::GroupBox& group_box) : group_box_(group_box) {}

    ui::MessageAnswer message_box(const ui::MessageBoxRequest& request) override {
        group_box_shown_at_box.push_back(group_box_.visible());
        return ScriptedDesktop::message_box(request);
    }

    std::vector<bool> group_box_shown_at_box;

  private:
    const ui::GroupBox& group_box_;
};

struct MenuItem {
    std::string name;
    std::function<void(const ui::ReportList&, const ui::Label&, const ExportMenuControls&,
                       std::string_view, const DateTime&)>
        run;
    std::string prefix;  // UTF-8
    int columns;
};

void PrintTo(const MenuItem& item, std::ostream* os) {
    *os << item.name;
}

std::vector<MenuItem> menu_items() {
    return {{"deals", export_deal_list, "成交量-", 8},
            {"open_offers", export_open_offer_list, "未交易订单-", 7}};
}

class ExportMenu : public ::testing::TestWithParam<MenuItem> {
  protected:
    ExportMenu() {
        std::vector<std::string> titles;
        TextTable rows(3);
        for (int c = 0; c < 9; ++c) {
            titles.push_back("列" + std::to_string(c));
            for (int r = 0; r < 3; ++r) {
                rows[r].push_back("行" + std::to_string(r) + "列" + std::to_string(c));
            }
        }
        list = gbk_list(titles, rows);
        expected.push_back({});
        for (int c = 0; c < GetParam().columns; ++c) {
            expected[0].push_back(titles[c]);
        }
        for (const auto& row : rows) {
            expected.emplace_back(row.begin(), row.begin() + GetParam().columns);
        }
    }

    void run_menu() {
        GetParam().run(*list, query_target, controls, utf8_to_gbk("Lumora网market.example.com"),
                       kNow);
    }

    std::string box_text(std::size_t i) const { return gbk_to_utf8(desktop.boxes().at(i).text); }

    TemporaryDirectory directory;
    std::unique_ptr<ui::MemoryReportList> list;
    TextTable expected;
    ui::MemoryLabel query_target{utf8_to_gbk("梦幻西游>>电信一区>>长安城>>金币")};
    ui::MemoryGroupBox group_box{utf8_to_gbk("正在导出Excel请稍后......"), false};
    ui::MemoryProgressBar progress;
    WatchingDesktop desktop{group_box};
    ExportMenuControls controls{desktop, group_box, progress};
};

TEST_P(ExportMenu, AsksUnderTheSuggestedName) {
    run_menu();
    ASSERT_EQ(desktop.save_dialogs().size(), 1u);
    const ui::SaveFileRequest dialog = desktop.save_dialogs()[0];
    EXPECT_EQ(gbk_to_utf8(dialog.title), "导出资料");
    EXPECT_EQ(dialog.filter, "*.xls");
    EXPECT_EQ(dialog.default_extension, "xls");
    EXPECT_EQ(gbk_to_utf8(dialog.preset_name), GetParam().prefix +
                                                   "梦幻西游-电信一区-长安城-金币-LumoraQuvolo" +
                                                   gbk_to_utf8(date_time_text(kNow)));
}

TEST_P(ExportMenu, CancelDoesNothing) {
    run_menu();
    EXPECT_TRUE(desktop.boxes().empty());
    EXPECT_FALSE(group_box.visible());
    EXPECT_EQ(progress.position(), 0);
    EXPECT_TRUE(directory.entries().empty());
}

TEST_P(ExportMenu, ReplacesTheChosenFileAndSaysSo) {
    const std::string path = directory.file("成交.xls");
    write_contents(path, "an older file");
    desktop.answer_next_save(path);
    run_menu();

    const auto book = read_xls(path);
    EXPECT_EQ(book.sheet_name, "Lumora网market.example.com");
    EXPECT_EQ(book.rows, expected);
    ASSERT_EQ(desktop.boxes().size(), 1u);
    EXPECT_EQ(box_text(0), "导出成功！");
    EXPECT_EQ(gbk_to_utf8(desktop.boxes()[0].title), "信息：");
    EXPECT_EQ(desktop.boxes()[0].buttons, ui::MessageButtons::ok);
    EXPECT_EQ(desktop.group_box_shown_at_box, std::vector<bool>{true});
    EXPECT_FALSE(group_box.visible());
    EXPECT_EQ(progress.maximum(), 3);
    EXPECT_EQ(progress.position(), 3);
}

TEST_P(ExportMenu, FailureIsToldAndTheGroupBoxHidden) {
    desktop.answer_next_save(directory.file("missing/成交.xls"));
    run_menu();

    ASSERT_EQ(desktop.boxes().size(), 1u);
    EXPECT_EQ(box_text(0).rfind("导出失败：", 0), 0u) << box_text(0);
    EXPECT_NE(box_text(0).find("missing/成交.xls"), std::string::npos) << box_text(0);
    EXPECT_EQ(desktop.group_box_shown_at_box, std::vector<bool>{true});
    EXPECT_FALSE(group_box.visible());
    EXPECT_TRUE(directory.entries().empty());
}

TEST_P(ExportMenu, ARefusedExportKeepsTheOlderFile) {
    const std::string path = directory.file("成交.xls");
    write_contents(path, "an older file");
    list->set_cell(0, 0, std::string(40000, 'x'));  // longer than a cell may be
    desktop.answer_next_save(path);
    run_menu();

    ASSERT_EQ(desktop.boxes().size(), 1u);
    EXPECT_EQ(box_text(0).rfind("导出失败：", 0), 0u) << box_text(0);
    EXPECT_EQ(file_contents(path), "an older file");
    EXPECT_EQ(directory.entries().size(), 1u) << "no temporary file is left behind";
}

TEST_P(ExportMenu, ADirectoryInTheWayIsTold) {
    const std::string path = directory.file("成交.xls");
    ASSERT_TRUE(std::filesystem::create_directory(path));
    desktop.answer_next_save(path);
    run_menu();

    ASSERT_EQ(desktop.boxes().size(), 1u);
    EXPECT_EQ(box_text(0).rfind("导出失败：", 0), 0u) << box_text(0);
    EXPECT_FALSE(group_box.visible());
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

INSTANTIATE_TEST_SUITE_P(Items, ExportMenu, ::testing::ValuesIn(menu_items()),
                         [](const auto& info) { return info.param.name; });

TEST(SuggestedExportName, KeepsTheNameAFileName) {
    EXPECT_EQ(
        gbk_to_utf8(suggested_export_name(
            utf8_to_gbk("成交量-"), utf8_to_gbk("游戏>>电信/网通>>服"), {2026, 1, 2, 0, 0, 0})),
        "成交量-游戏-电信-网通-服-LumoraQuvolo" + gbk_to_utf8(date_time_text({2026, 1, 2})));
}

TEST(ExportSheetName, IsTheMarketplaceAndThePublisherHost) {
    EXPECT_EQ(gbk_to_utf8(export_sheet_name("www.example.com")), "Lumora网www.example.com");
}

}  // namespace
}  // namespace quvolo
