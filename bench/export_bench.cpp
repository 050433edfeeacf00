#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <memory>

#include <filesystem>
#include <string>

#include "export/export_list_view.h"
#include "text/codepage.h"
#include "ui/memory_captions.h"
#include "ui/memory_report_list.h"

namespace {

// Deal rows as a crawl leaves them: repeated goods and servers, distinct numbers and times.
std::unique_ptr<quvolo::ui::MemoryReportList> deal_list(int rows) {
    using quvolo::utf8_to_gbk;
    std::vector<quvolo::ui::ReportColumn> columns;
    for (const char* title :
         {"序号", "商品名称", "游戏区服", "商品类型", "价格", "单价", "成交时间", "交易地址"}) {
        columns.push_back({.title = utf8_to_gbk(title)});
    }
    const std::string goods[] = {
        utf8_to_gbk("5000万金币【安全快速】"), utf8_to_gbk("1亿游戏币 秒发货"),
        utf8_to_gbk("极品装备 紫色武器一把"), utf8_to_gbk("80级满级账号 带全套装备")};
    const std::string servers[] = {utf8_to_gbk("梦幻西游/电信一区/长安城"),
                                   utf8_to_gbk("梦幻西游/网通二区/建邺城"),
                                   utf8_to_gbk("梦幻西游/电信三区/傲来国")};
    const std::string kinds[] = {utf8_to_gbk("游戏币"), utf8_to_gbk("装备"), utf8_to_gbk("账号")};
    std::vector<quvolo::ui::ReportRow> data;
    data.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        const int price = 50 + (i * 7919) % 5000;
        data.push_back(
            {std::to_string(i + 1), goods[i % 4], servers[i % 3], kinds[i % 3],
             std::to_string(price) + ".00", std::to_string(price / 50.0).substr(0, 6),
             utf8_to_gbk("2026年12月" + std::to_string(1 + i % 28) + "日" + std::to_string(i % 24) +
                         "时" + std::to_string(i % 60) + "分"),
             "http://trade.example.com/deal/" + std::to_string(7000000 + i * 13) + ".html"});
    }
    auto list = std::make_unique<quvolo::ui::MemoryReportList>(std::move(columns));
    list->replace_rows(std::move(data));
    return list;
}

void export_deals(benchmark::State& state) {
    const auto list = deal_list(static_cast<int>(state.range(0)));
    std::string directory = (std::filesystem::temp_directory_path() / "export-bench-XXXXXX");
    if (::mkdtemp(directory.data()) == nullptr) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::string path = directory + "/deals.xls";
    const int columns[] = {0, 1, 2, 3, 4, 5, 6, 7};
    quvolo::ui::MemoryProgressBar progress;
    for (auto _ : state) {
        if (!quvolo::export_list_view(
                *list, path,
                {.columns = columns,
                 .sheet_name = quvolo::utf8_to_gbk("Lumora网market.example.com"),
                 .progress_bar = &progress})) {
            state.SkipWithError("export failed");
            break;
        }
    }
    state.counters["file_bytes"] =
        static_cast<double>(std::filesystem::exists(path) ? std::filesystem::file_size(path) : 0);
    std::filesystem::remove_all(directory);
}
BENCHMARK(export_deals)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
