#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <string>

#include "qt/qt_task_runner.h"
#include "qt/report_list_view.h"
#include "text/gbk_literal.h"
#include "ui/memory_report_list.h"

namespace {

using quvolo::ui::MemoryReportList;
using quvolo::ui::ReportRow;

void ensure_application() {
    static int argc = 1;
    static char name[] = "ui_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication application(argc, argv);
    }
}

MemoryReportList deal_list() {
    std::vector<quvolo::ui::ReportColumn> columns(8, {"", 80});
    return MemoryReportList(std::move(columns));
}

ReportRow deal_row(int n) {
    return {std::to_string(n),
            GBK("天堂2 金币 1000万 【自动发货】"),
            GBK("电信一区/风云"),
            GBK("游戏币"),
            "125.5",
            "0.0126",
            "2026-12-11 10:20:30",
            "http://127.0.0.1/deal/" + std::to_string(n)};
}

void process_events_until_shown(const quvolo::qt::ReportListView& view, int rows) {
    while (view.shown_row_count() != rows) {
        QCoreApplication::processEvents();
    }
}

// A crawl's pattern: a worker puts each row at the top and fills its cells; the window shows
// them as they come. Measured until the window shows the last row.
void BM_RowsFromWorkerToWindow(benchmark::State& state) {
    ensure_application();
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        MemoryReportList store = deal_list();
        QTreeView tree;
        tree.resize(800, 400);
        tree.show();
        auto* view = new quvolo::qt::ReportListView(store, tree);
        quvolo::qt::QtTaskRunner tasks;
        tasks.run_on_worker([&store, rows](std::stop_token) {
            for (int n = 0; n < rows; ++n) {
                const ReportRow row = deal_row(n);
                store.insert_row(0, row.cells[0]);
                for (int column = 1; column < static_cast<int>(row.cells.size()); ++column) {
                    store.set_cell(0, column, row.cells[column]);
                }
            }
        });
        process_events_until_shown(*view, rows);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_RowsFromWorkerToWindow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A sort or a day filter replaces a whole list at once; the window redraws it in one go.
void BM_RedrawWholeList(benchmark::State& state) {
    ensure_application();
    const int rows = static_cast<int>(state.range(0));
    std::vector<ReportRow> filled;
    for (int n = 0; n < rows; ++n) {
        filled.push_back(deal_row(n));
    }
    MemoryReportList store = deal_list();
    QTreeView tree;
    tree.resize(800, 400);
    tree.show();
    auto* view = new quvolo::qt::ReportListView(store, tree);
    for (auto _ : state) {
        store.clear();
        QCoreApplication::processEvents();
        store.replace_rows(filled);
        process_events_until_shown(*view, rows);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_RedrawWholeList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
