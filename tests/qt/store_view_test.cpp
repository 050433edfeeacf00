#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextDocument>
#include <QTreeView>
#include <string>
#include <thread>
#include <vector>

#include "event_wait.h"
#include "qt/gbk_qstring.h"
#include "qt/input_views.h"
#include "qt/list_box_view.h"
#include "qt/qt_task_runner.h"
#include "qt/report_list_view.h"
#include "text/gbk_literal.h"

namespace quvolo::qt {
namespace {

QStringList column_texts(const QAbstractItemModel& model, int column) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts.append(model.data(model.index(row, column)).toString());
    }
    return texts;
}

QStringList countdown(int from) {
    QStringList texts;
    for (int n = from; n >= 1; --n) {
        texts.append(QString::number(n));
    }
    return texts;
}

// Rows a worker puts at the top one by one, as a crawl does: every picture of the list the
// window draws is a state the list passed through, and a continuation the worker queues after
// its writes finds them all on screen.
TEST(ReportListView, WorkerRowsReachTheViewInOrder) {
    constexpr int kRows = 2000;
    ui::MemoryReportList store({{"n", 40}, {"text", 80}});
    QTreeView tree;
    auto* view = new ReportListView(store, tree);
    std::vector<QStringList> drawn;
    QObject::connect(tree.model(), &QAbstractItemModel::modelReset, &tree,
                     [&] { drawn.push_back(column_texts(*tree.model(), 0)); });

    QtTaskRunner tasks;
    bool done = false;
    int rows_when_done = -1;
    QString top_text_when_done;
    tasks.run_on_worker([&](std::stop_token) {
        for (int n = 1; n <= kRows; ++n) {
            const int row = store.insert_row(0, std::to_string(n));
            store.set_cell(row, 1, GBK("第") + std::to_string(n));
            if (n % 16 == 0) {
                // Lets the window draw while the rows are still coming.
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
        tasks.run_on_window([&] {
            rows_when_done = view->shown_row_count();
            top_text_when_done = tree.model()->data(tree.model()->index(0, 1)).toString();
            done = true;
        });
    });
    ASSERT_TRUE(process_events_until([&] { return done; }));

    EXPECT_EQ(rows_when_done, kRows);
    EXPECT_EQ(top_text_when_done, QStringLiteral("第%1").arg(kRows));
    int previous = 0;
    for (const QStringList& picture : drawn) {
        ASSERT_EQ(picture, countdown(static_cast<int>(picture.size())));
        EXPECT_GE(picture.size(), previous);
        previous = static_cast<int>(picture.size());
    }
}

// The worst moment for a write: the window has read the store and is still drawing it.
TEST(ReportListView, WriteDuringARedrawIsDrawnToo) {
    ui::MemoryReportList store({{"n", 40}});
    QTreeView tree;
    auto* view = new ReportListView(store, tree);
    bool wrote = false;
    QObject::connect(tree.model(), &QAbstractItemModel::modelReset, &tree, [&] {
        if (!wrote) {
            wrote = true;
            std::jthread([&] { store.insert_row(0, "second"); });
        }
    });
    store.insert_row(0, "first");
    EXPECT_TRUE(process_events_until([&] { return view->shown_row_count() == 2; },
                                     std::chrono::seconds(5)));
}

TEST(ReportListView, KeepsTheSelectedRowWhenRowsArriveAbove) {
    ui::MemoryReportList store({{"n", 40}});
    QTreeView tree;
    new ReportListView(store, tree);
    for (const char* text : {"a", "b", "c"}) {
        store.insert_row(-1, text);
    }
    QCoreApplication::processEvents();
    tree.setCurrentIndex(tree.model()->index(1, 0));
    ASSERT_EQ(store.selected_row(), 1);

    store.insert_row(0, "new");
    QCoreApplication::processEvents();
    EXPECT_EQ(store.cell(store.selected_row(), 0), "b");
    EXPECT_EQ(tree.currentIndex().row(), store.selected_row());
}

TEST(ReportListView, CellsFromTheNetworkNeverShowAsMarkup) {
    ui::MemoryReportList store({{"n", 40}});
    QTreeView tree;
    new ReportListView(store, tree);
    store.insert_row(-1, "<b>x</b><img src='http://a/b.png'>");
    QCoreApplication::processEvents();
    const QModelIndex cell = tree.model()->index(0, 0);
    EXPECT_EQ(tree.model()->data(cell).toString(), "<b>x</b><img src='http://a/b.png'>");
    QTextDocument tooltip;
    tooltip.setHtml(tree.model()->data(cell, Qt::ToolTipRole).toString());
    EXPECT_EQ(tooltip.toPlainText(), "<b>x</b><img src='http://a/b.png'>");
}

// After each step the window catches up; the widget then shows exactly the store.
TEST(ListBoxView, WidgetFollowsTheStoreThroughEveryKindOfChange) {
    struct Step {
        std::vector<std::string> items;
        int selected;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"grows at the end", {{{"a"}, -1}, {{"a", "b", "c"}, 2}}},
        {"shrinks", {{{"a", "b", "c"}, 0}, {{"a"}, -1}}},
        {"changes in the middle", {{{"a", "b", "c"}, 1}, {{"a", "x", "c"}, 1}}},
        {"empties", {{{"a", "b"}, 1}, {{}, -1}}},
        {"Chinese names", {{{GBK("天堂"), GBK("爱情公寓")}, 1}}},
    };
    for (const auto& c : cases) {
        ui::MemoryListBox store;
        QListWidget widget;
        new ListBoxView(store, widget);
        for (const auto& step : c.steps) {
            store.clear();
            for (const auto& item : step.items) {
                store.append(item);
            }
            store.select(step.selected);
            QCoreApplication::processEvents();

            QStringList expected;
            for (const auto& item : step.items) {
                expected.append(to_qstring(item));
            }
            QStringList shown;
            for (int row = 0; row < widget.count(); ++row) {
                shown.append(widget.item(row)->text());
            }
            EXPECT_EQ(shown, expected) << c.name;
            EXPECT_EQ(widget.currentRow(), step.selected) << c.name;
        }
    }
}

TEST(StoreViews, UserInputGoesBackToTheStore) {
    ui::MemoryListBox list_store({"a", "b", "c"});
    QListWidget list;
    auto* list_view = new ListBoxView(list_store, list);
    std::vector<int> chosen;
    QObject::connect(list_view, &ListBoxView::chosen, [&](int index) { chosen.push_back(index); });
    list.setCurrentRow(2);
    EXPECT_EQ(list_store.selected(), 2);
    EXPECT_EQ(chosen, std::vector<int>{2});
    // The redraw the store's change posts must not echo as another choice.
    QCoreApplication::processEvents();
    EXPECT_EQ(chosen, std::vector<int>{2});

    ui::MemoryEditBox edit_store;
    QLineEdit edit;
    new EditBoxView(edit_store, edit);
    // Chinese text arrives through the input method, the rest as key presses.
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("天堂"));
    QCoreApplication::sendEvent(&edit, &composed);
    QTest::keyClicks(&edit, QStringLiteral("2"));
    EXPECT_EQ(edit_store.text(), GBK("天堂2"));
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), QStringLiteral("天堂2"));
}

}  // namespace
}  // namespace quvolo::qt
