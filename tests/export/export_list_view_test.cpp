#include "export/export_list_view.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <numeric>

#include "export_fixtures.h"
#include "text/codepage.h"
#include "ui/memory_captions.h"
#include "xls_reader.h"

namespace quvolo {
namespace {

using testing::file_contents;
using testing::gbk_list;
using testing::read_xls;
using testing::TemporaryDirectory;
using testing::TextTable;
using testing::write_contents;
using testing::XlsContents;

std::string repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

const std::vector<std::string> kDealTitles = {"序号", "商品名称", "游戏区服", "价格"};

// The cells as the list holds them: the chosen columns of every row, titles first.
TextTable expected_sheet(const std::vector<std::string>& titles, const TextTable& rows,
                         const std::vector<int>& columns) {
    TextTable sheet(1);
    for (int c : columns) {
        sheet[0].push_back(titles[c]);
    }
    for (const auto& row : rows) {
        auto& out = sheet.emplace_back();
        for (int c : columns) {
            out.push_back(c < static_cast<int>(row.size()) ? row[c] : "");
        }
    }
    return sheet;
}

std::vector<int> all_columns(std::size_t count) {
    std::vector<int> columns(count);
    std::iota(columns.begin(), columns.end(), 0);
    return columns;
}

void expect_clean_workbook(const XlsContents& book) {
    EXPECT_EQ(book.exit_status, 0) << book.unparsed;
    EXPECT_EQ(book.unparsed, "");
    EXPECT_TRUE(book.warnings.empty()) << book.warnings.front();
    EXPECT_EQ(book.sheets, 1);
    EXPECT_TRUE(book.non_text_cells.empty()) << "first non-text cell: " << book.non_text_cells[0];
    EXPECT_EQ(book.lookup, "ok");
}

struct ReadBackCase {
    std::string name;
    std::vector<std::string> titles;
    TextTable rows;
    std::vector<int> columns;  // empty: every column, without use_columns
    std::string sheet_name;    // UTF-8
    std::string expected_sheet_name;
};

void PrintTo(const ReadBackCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<ReadBackCase> read_back_cases() {
    const std::string long_mixed = repeated("汉字ABC", 60);  // 300 characters
    std::vector<ReadBackCase> cases = {
        {"every_kind_of_text",
         kDealTitles,
         {{"1", "金币10000个", "梦幻西游/电信一区/长安城", "￥12.50"},
          {"2", "玩家'小明'的号", "it's \"quoted\"", "O'Neil's"},
          {"3", "第一行\n第二行\r\n第三行", "tab\there", "a\\b\\\\c"},
          {"4", "  前后空格  ", "", "=1+1"},
          {"5", "00123", "1e5", "淺析嘰圽"},
          {"6", std::string(300, 'x'), long_mixed, "‰…—℃"}},
         {},
         "Lumora网market.example.com",
         "Lumora网market.example.com"},
        {"empty_list_gives_the_title_row", kDealTitles, {}, {}, "空表", "空表"},
        {"chosen_columns_in_chosen_order",
         kDealTitles,
         {{"1", "金币", "电信一区", "10"}, {"2", "装备", "网通二区", "20"}},
         {3, 0, 2},
         "价格表",
         "价格表"},
        {"a_column_may_appear_twice",
         kDealTitles,
         {{"1", "金币", "电信一区", "10"}},
         {1, 1},
         "重复",
         "重复"},
        {"sheet_name_made_valid",
         kDealTitles,
         {{"1", "金币", "电信一区", "10"}},
         {},
         "成交/未成交[2026]:*?\\淺析网站名称很长很长很长很长很长很长很长",
         "成交_未成交_2026_____淺析网站名称很长很长很长很长很"},
        {"empty_sheet_name", kDealTitles, {}, {}, "", "Sheet1"},
    };
    return cases;
}

class ReadBack : public ::testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadBack, XlrdFindsTheSheetAsTheListHoldsIt) {
    const ReadBackCase& c = GetParam();
    TemporaryDirectory directory;
    const std::string path = directory.file("导出.xls");
    const auto list = gbk_list(c.titles, c.rows);
    const bool use_columns = !c.columns.empty();
    ui::MemoryProgressBar progress;
    std::string reason;

    ASSERT_TRUE(export_list_view(
        *list, path,
        {.columns = use_columns ? std::optional<std::span<const int>>(c.columns) : std::nullopt,
         .sheet_name = utf8_to_gbk(c.sheet_name),
         .progress_bar = &progress},
        &reason))
        << gbk_to_utf8(reason);

    const XlsContents book = read_xls(path);
    expect_clean_workbook(book);
    EXPECT_EQ(book.sheet_name, c.expected_sheet_name);
    const auto columns = use_columns ? c.columns : all_columns(c.titles.size());
    const TextTable expected = expected_sheet(c.titles, c.rows, columns);
    EXPECT_EQ(book.row_count, static_cast<int>(expected.size()));
    EXPECT_EQ(book.column_count, static_cast<int>(columns.size()));
    EXPECT_EQ(book.rows, expected);
    EXPECT_EQ(progress.maximum(), static_cast<int>(c.rows.size()));
    EXPECT_EQ(progress.position(), static_cast<int>(c.rows.size()));
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"导出.xls"});
}

INSTANTIATE_TEST_SUITE_P(Workbooks, ReadBack, ::testing::ValuesIn(read_back_cases()),
                         [](const auto& info) { return info.param.name; });

TEST(ExportListView, WithoutSheetNameTheSheetIsSheet1) {
    TemporaryDirectory directory;
    const auto list = gbk_list(kDealTitles, {{"1", "金币", "电信一区", "10"}});
    ASSERT_TRUE(export_list_view(*list, directory.file("a.xls"), {}));
    EXPECT_EQ(read_xls(directory.file("a.xls")).sheet_name, "Sheet1");
}

TEST(ExportListView, RepeatedTextsAreStoredOnceAndCountedEveryTime) {
    TemporaryDirectory directory;
    TextTable rows;
    for (int i = 0; i < 50; ++i) {
        rows.push_back({std::to_string(i % 7), "金币", i % 2 == 0 ? "电信一区" : "网通二区", "10"});
    }
    const auto list = gbk_list(kDealTitles, rows);
    ASSERT_TRUE(export_list_view(*list, directory.file("a.xls"), {.sheet_name = ""}));

    const XlsContents book = read_xls(directory.file("a.xls"));
    expect_clean_workbook(book);
    EXPECT_EQ(book.rows, expected_sheet(kDealTitles, rows, all_columns(4)));
    // 4 titles, 7 sequence numbers, one goods name, two servers; "10" is shared.
    EXPECT_EQ(book.shared_unique, 4 + 7 + 1 + 2 + 1);
    EXPECT_EQ(book.shared_total, 51 * 4);
    EXPECT_EQ(book.label_cells, 51 * 4);
}

// Cells come from web pages: broken GBK must not break the workbook.
TEST(ExportListView, MalformedGbkStillGivesAWorkbook) {
    TemporaryDirectory directory;
    ui::MemoryReportList list({{.title = "A"}, {.title = "B"}, {.title = "C"}});
    list.replace_rows({{"\x81", utf8_to_gbk("金币"), "\xB0\xA1\xFF\xFF\xB0"}});
    ASSERT_TRUE(export_list_view(list, directory.file("a.xls"), {.sheet_name = ""}));

    const XlsContents book = read_xls(directory.file("a.xls"));
    expect_clean_workbook(book);
    ASSERT_EQ(book.rows.size(), 2u);
    ASSERT_EQ(book.rows[1].size(), 3u);
    EXPECT_FALSE(book.rows[1][0].empty());
    EXPECT_EQ(book.rows[1][1], "金币");
    EXPECT_EQ(book.rows[1][2].substr(0, 3), "啊");
}

// Long Chinese texts fill several CONTINUE records, with strings split across their bounds.
TEST(ExportListView, LongTextsSpanManyRecords) {
    TemporaryDirectory directory;
    TextTable rows;
    for (int i = 0; i < 400; ++i) {
        const std::string head = "第" + std::to_string(i) + "条：";
        rows.push_back(
            {head + repeated("长文本汉字", 1 + (i * 37) % 200), head + "ascii text", head});
    }
    rows.push_back({repeated("满", 10000), repeated("x", 32767), repeated("边界", 16383) + "尾"});
    const std::vector<std::string> titles = {"内容", "备注", "序号"};
    const auto list = gbk_list(titles, rows);
    std::string reason;
    ASSERT_TRUE(export_list_view(*list, directory.file("long.xls"), {.sheet_name = ""}, &reason))
        << gbk_to_utf8(reason);

    const XlsContents book = read_xls(directory.file("long.xls"));
    expect_clean_workbook(book);
    EXPECT_EQ(book.rows, expected_sheet(titles, rows, all_columns(3)));
}

// The most rows a sheet holds; the table of unique texts grows past what the first
// 109 allocation sectors of the container can map.
TEST(ExportListView, AFullSheetIsWritten) {
    TemporaryDirectory directory;
    constexpr int kRows = 65535;
    TextTable rows;
    rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        rows.push_back({"梦幻西游电信一区长安城商品编号" + std::to_string(100000 + i) +
                        "号：五千万金币，安全快速，秒发货，支持验货，欢迎选购本店其他商品"});
    }
    const auto list = gbk_list({"商品"}, rows);
    ui::MemoryProgressBar progress;
    ASSERT_TRUE(export_list_view(*list, directory.file("full.xls"),
                                 {.sheet_name = "", .progress_bar = &progress}));

    EXPECT_GT(std::filesystem::file_size(directory.file("full.xls")), 109u * 128 * 512);
    const XlsContents book = read_xls(directory.file("full.xls"));
    expect_clean_workbook(book);
    EXPECT_EQ(book.rows, expected_sheet({"商品"}, rows, {0}));
    EXPECT_EQ(progress.position(), kRows);
}

struct RefusalCase {
    std::string name;
    std::size_t row_count;
    std::vector<int> columns;
    std::string cell;  // UTF-8, in every row
    std::string reason_mentions;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NothingIsWrittenAndTheReasonSaysWhy) {
    const RefusalCase& c = GetParam();
    TemporaryDirectory directory;
    const std::vector<ui::ReportRow> rows(c.row_count, ui::ReportRow{utf8_to_gbk(c.cell), "b"});
    ui::MemoryReportList list({{.title = "A"}, {.title = "B"}});
    list.replace_rows(rows);
    ui::MemoryProgressBar progress;
    std::string reason;

    EXPECT_FALSE(export_list_view(
        list, directory.file("x.xls"),
        {.columns = c.columns, .sheet_name = "", .progress_bar = &progress}, &reason));
    EXPECT_NE(gbk_to_utf8(reason).find(c.reason_mentions), std::string::npos)
        << gbk_to_utf8(reason);
    EXPECT_TRUE(directory.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Refusal,
    ::testing::Values(
        RefusalCase{"more_rows_than_a_sheet_holds", 65536, {0, 1}, "a", "65535"},
        RefusalCase{
            "text_longer_than_a_cell_holds", 3, {1, 0}, std::string(32768, 'x'), "第2行第2列"},
        RefusalCase{"column_the_list_lacks", 1, {0, 2}, "a", "第2列"},
        RefusalCase{"negative_column", 1, {-1}, "a", "第-1列"},
        RefusalCase{"no_columns", 1, {}, "a", "没有要导出的列"},
        RefusalCase{"more_columns_than_a_sheet_holds", 1, std::vector<int>(257, 0), "a", "256"}),
    [](const auto& info) { return info.param.name; });

TEST(ExportListView, ProgressBarLeftAloneWhenNotUsed) {
    TemporaryDirectory directory;
    const auto list = gbk_list(kDealTitles, {{"1", "2", "3", "4"}, {"5", "6", "7", "8"}});
    ui::MemoryProgressBar progress;
    progress.set_maximum(9);
    progress.set_position(4);
    ASSERT_TRUE(export_list_view(*list, directory.file("a.xls"), {.sheet_name = ""}));
    EXPECT_EQ(progress.maximum(), 9);
    EXPECT_EQ(progress.position(), 4);
}

TEST(ExportListView, ReplacesAnExistingFile) {
    TemporaryDirectory directory;
    const std::string path = directory.file("a.xls");
    write_contents(path, "an older file");
    const auto list = gbk_list(kDealTitles, {{"1", "金币", "电信一区", "10"}});
    ASSERT_TRUE(export_list_view(*list, path, {.sheet_name = ""}));
    EXPECT_EQ(read_xls(path).rows,
              expected_sheet(kDealTitles, {{"1", "金币", "电信一区", "10"}}, all_columns(4)));
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"a.xls"});
}

// The write failures below run in a child process, which may lower its own limits and
// privileges; its exit status tells whether the export failed with a reason.
int export_in_child(const std::string& path, const std::function<void()>& restrict) {
    const pid_t child = ::fork();
    if (child == 0) {
        restrict();
        TextTable rows(200, {"梦幻西游", "电信一区", "长安城", "金币一万个"});
        const auto list = gbk_list(kDealTitles, rows);
        std::string reason;
        const bool written = export_list_view(*list, path, {.sheet_name = ""}, &reason);
        ::_exit(!written && !reason.empty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

struct WriteFailureCase {
    std::string name;
    // Prepares the directory and returns the target path.
    std::function<std::string(const TemporaryDirectory&)> prepare;
    std::function<void()> restrict_child;
};

void PrintTo(const WriteFailureCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<WriteFailureCase> write_failure_cases() {
    const auto no_restriction = [] {};
    return {
        {"read_only_directory",
         [](const TemporaryDirectory& d) {
             ::chmod(d.path().c_str(), 0755);
             ::mkdir(d.file("ro").c_str(), 0555);
             return d.file("ro") + "/a.xls";
         },
         [] {
             // Permissions do not bind the superuser; export as nobody instead.
             if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                 ::_exit(2);
             }
         }},
        {"missing_directory", [](const TemporaryDirectory& d) { return d.file("none/a.xls"); },
         no_restriction},
        {"target_is_a_directory",
         [](const TemporaryDirectory& d) {
             ::mkdir(d.file("a.xls").c_str(), 0755);
             return d.file("a.xls");
         },
         no_restriction},
        {"disk_full_halfway",
         [](const TemporaryDirectory& d) {
             write_contents(d.file("a.xls"), "the previous export");
             return d.file("a.xls");
         },
         [] {
             ::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{.rlim_cur = 6000, .rlim_max = 6000};
             ::setrlimit(RLIMIT_FSIZE, &limit);
         }},
    };
}

class WriteFailure : public ::testing::TestWithParam<WriteFailureCase> {};

TEST_P(WriteFailure, IsReportedAndLeavesNothingNew) {
    const WriteFailureCase& c = GetParam();
    TemporaryDirectory directory;
    const std::string path = c.prepare(directory);
    const std::vector<std::string> before = directory.entries();
    const std::string old_contents = file_contents(path);

    EXPECT_EQ(export_in_child(path, c.restrict_child), 0);
    EXPECT_EQ(directory.entries(), before);
    EXPECT_EQ(file_contents(path), old_contents);
}

INSTANTIATE_TEST_SUITE_P(Targets, WriteFailure, ::testing::ValuesIn(write_failure_cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quvolo
