#include <gtest/gtest.h>

#include <random>

#include "deal_fixtures.h"
#include "deals/sort_list_view.h"
#include "ui/memory_report_list.h"

namespace quvolo::testing {
namespace {

// A two-column list: the key (UTF-8 in the table) and the row's original index.
struct KeyedList {
    explicit KeyedList(const std::vector<std::string>& keys) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const int row = list.insert_row(-1, gbk(keys[i]));
            list.set_cell(row, 1, std::to_string(i));
        }
    }
    ui::MemoryReportList list{{{"key"}, {"was"}}};
};

std::vector<int> order_after(const std::vector<std::string>& keys, SortType type,
                             bool case_sensitive = true, bool ascending = true) {
    KeyedList keyed(keys);
    sort_list_view(keyed.list, 0, type, case_sensitive, ascending);
    std::vector<int> order;
    for (const std::string& was : column_texts(keyed.list, 1)) {
        order.push_back(std::stoi(was));
    }
    return order;
}

struct SortCase {
    const char* what;
    std::vector<std::string> keys;
    SortType type;
    bool case_sensitive;
    bool ascending;
    std::vector<int> order;  // original indexes top to bottom
};

TEST(SortListView, PlacesEveryKeyWhereTheBisectionPutsIt) {
    const SortCase cases[] = {
        {"numbers, 9 before 10", {"10", "9", "100"}, SortType::number, true, true, {1, 0, 2}},
        {"texts, 10 before 9", {"10", "9", "100"}, SortType::text, true, true, {0, 2, 1}},
        {"equal to the last goes after it",
         {"5", "5", "5"},
         SortType::number,
         true,
         true,
         {0, 1, 2}},
        {"equal to the first, below the last, goes before it",
         {"1", "3", "1"},
         SortType::number,
         true,
         true,
         {2, 0, 1}},
        // Each later 2 goes right after the middle 2 the bisection meets, not after the last 2.
        {"equal to a middle key goes right after the one met",
         {"1", "9", "2", "2", "2", "2"},
         SortType::number,
         true,
         true,
         {0, 2, 4, 5, 3, 1}},
        {"within 1e-7 counts as equal", {"1.00000005", "1"}, SortType::number, true, true, {0, 1}},
        {"beyond 1e-7 does not", {"1.0000002", "1"}, SortType::number, true, true, {1, 0}},
        {"no leading number reads as 0",
         {"3", "abc", "-1"},
         SortType::number,
         true,
         true,
         {2, 1, 0}},
        {"thousands separators are skipped",
         {"1,250.00", "300", "2,000"},
         SortType::number,
         true,
         true,
         {1, 0, 2}},
        {"descending is the exact reverse",
         {"5", "5", "1"},
         SortType::number,
         true,
         false,
         {1, 0, 2}},
        {"double-byte text by its GBK codes",
         {"b", "中", "a", "啊"},
         SortType::text,
         true,
         true,
         {2, 0, 3, 1}},
        {"letter case counts by default", {"b", "B", "a"}, SortType::text, true, true, {1, 2, 0}},
        {"letter case ignored on request", {"b", "B", "a"}, SortType::text, false, true, {2, 0, 1}},
        {"case-blind letters fold to lower case", {"a", "_"}, SortType::text, false, true, {1, 0}},
        {"date-times by their moment",
         {"2024年1月5日12时", "2023-12-31 23:59:59", "2024/1/5", "2024.01.05 11:59"},
         SortType::date_time,
         true,
         true,
         {1, 2, 3, 0}},
        {"malformed date-times read as the year 100",
         {"2024-1-5", "yesterday", "2024-02-30", "99-01-01", "100-01-01"},
         SortType::date_time,
         true,
         true,
         {4, 3, 2, 1, 0}},
        {"logical: not 假 first, latest first, then 假 in order",
         {"真", "假", "真"},
         SortType::logical,
         true,
         true,
         {2, 0, 1}},
        {"logical descending is the reverse",
         {"真", "假", "x", "假"},
         SortType::logical,
         true,
         false,
         {3, 1, 0, 2}},
    };
    for (const SortCase& c : cases) {
        EXPECT_EQ(order_after(c.keys, c.type, c.case_sensitive, c.ascending), c.order) << c.what;
    }
}

TEST(SortListView, MovesWholeRowsButLeavesTheSelectionAtItsPosition) {
    KeyedList keyed({"3", "1", "2"});
    ui::MemoryReportList& list = keyed.list;
    list.select_row(0);
    const ui::CellStyle marked{.text = 0xFF0000, .background = 0xFFFF00};
    list.set_cell_style(0, 1, marked);
    sort_list_view(list, 0, SortType::number);
    EXPECT_EQ(column_texts(list, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(column_texts(list, 1), (std::vector<std::string>{"1", "2", "0"}));
    EXPECT_EQ(list.selected_row(), 0);
    EXPECT_EQ(list.cell_style(2, 1), marked);
    EXPECT_EQ(list.cell_style(0, 1), ui::CellStyle{});
}

TEST(SortListView, AnEmptyListIsNotWritten) {
    ui::MemoryReportList list({{"1"}});
    int writes = 0;
    list.set_change_listener([&writes] { ++writes; });
    sort_list_view(list, 0, SortType::number);
    EXPECT_EQ(writes, 0);
}

// The bisection exactly as defined, on plain vectors, to hold the fast placement against.
std::vector<int> reference_order(const std::vector<double>& keys) {
    std::vector<double> sorted;
    std::vector<int> order;
    const auto cmp = [](double a, double b) { return a - b < -1e-7 ? -1 : (a - b > 1e-7 ? 1 : 0); };
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const double x = keys[i];
        const std::size_t c = sorted.size();
        std::size_t t = 1;
        if (c == 0) {
            t = 1;
        } else if (cmp(x, sorted[c - 1]) >= 0) {
            t = c + 1;
        } else if (cmp(x, sorted[0]) <= 0) {
            t = 1;
        } else {
            std::size_t lo = 1;
            std::size_t hi = c;
            while (lo < hi - 1) {
                const std::size_t mid = (lo + hi) / 2;
                if (cmp(x, sorted[mid - 1]) == 0) {
                    lo = mid;
                    break;
                }
                (cmp(x, sorted[mid - 1]) > 0 ? lo : hi) = mid;
            }
            t = lo + 1;
        }
        sorted.insert(sorted.begin() + static_cast<long>(t - 1), x);
        order.insert(order.begin() + static_cast<long>(t - 1), static_cast<int>(i));
    }
    return order;
}

TEST(SortListView, LargeListsWithManyTiesMatchThePlainBisection) {
    std::mt19937 random(7);
    for (const int distinct : {3, 50, 5000}) {
        std::uniform_int_distribution<int> pick(0, distinct);
        std::vector<std::string> keys;
        std::vector<double> values;
        for (int i = 0; i < 6000; ++i) {
            const int value = pick(random);
            keys.push_back(std::to_string(value));
            values.push_back(value);
        }
        EXPECT_EQ(order_after(keys, SortType::number), reference_order(values)) << distinct;
    }
}

}  // namespace
}  // namespace quvolo::testing
