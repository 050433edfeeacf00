#include "deals/sort_list_view.h"

#include <deque>
#include <string>
#include <vector>

#include "deals/ranked_sequence.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

// Row indexes in their new order, keys placed one after another by bisection over the keys
// placed so far. compare(a, b) is negative, zero or positive.
template <class Key, class Compare>
std::vector<int> bisection_order(const std::vector<Key>& keys, Compare compare) {
    RankedSequence<int> placed;  // row indexes, their keys ascending
    const auto key_at = [&](std::size_t position) -> const Key& {
        return keys[static_cast<std::size_t>(placed.at(position))];
    };
    for (std::size_t row = 0; row < keys.size(); ++row) {
        const Key& x = keys[row];
        const std::size_t count = placed.size();
        std::size_t position = 0;
        if (count == 0) {
            position = 0;
        } else if (compare(x, keys[static_cast<std::size_t>(placed.back())]) >= 0) {
            position = count;
        } else if (compare(x, keys[static_cast<std::size_t>(placed.front())]) <= 0) {
            position = 0;
        } else {
            // Positions counted from 1, as the bisection is defined.
            std::size_t low = 1;
            std::size_t high = count;
            while (low + 1 < high) {
                const std::size_t middle = (low + high) / 2;
                const int order = compare(x, key_at(middle - 1));
                if (order == 0) {
                    low = middle;
                    break;
                }
                if (order > 0) {
                    low = middle;
                } else {
                    high = middle;
                }
            }
            position = low;
        }
        placed.insert(position, static_cast<int>(row));
    }
    std::vector<int> order;
    order.reserve(keys.size());
    placed.for_each([&order](int row) { order.push_back(row); });
    return order;
}

std::vector<int> logical_order(const std::vector<ui::ReportRow>& rows, std::size_t column) {
    std::deque<int> order;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const bool is_false =
            column < rows[row].cells.size() && rows[row].cells[column] == GBK("假");
        if (is_false) {
            order.push_back(static_cast<int>(row));
        } else {
            order.push_front(static_cast<int>(row));
        }
    }
    return {order.begin(), order.end()};
}

template <class Read>
auto column_keys(const std::vector<ui::ReportRow>& rows, std::size_t column, Read read) {
    std::vector<decltype(read(std::string_view()))> keys;
    keys.reserve(rows.size());
    for (const auto& row : rows) {
        keys.push_back(read(column < row.cells.size() ? std::string_view(row.cells[column])
                                                      : std::string_view()));
    }
    return keys;
}

std::vector<int> sorted_order(const std::vector<ui::ReportRow>& rows, std::size_t column,
                              SortType type, bool case_sensitive) {
    switch (type) {
        case SortType::logical:
            return logical_order(rows, column);
        case SortType::number:
            return bisection_order(column_keys(rows, column, sort_number), compare_with_tolerance);
        case SortType::date_time:
            return bisection_order(column_keys(rows, column, date_time_days),
                                   compare_with_tolerance);
        case SortType::text:
            break;
    }
    return bisection_order(column_keys(rows, column, [](std::string_view text) { return text; }),
                           [case_sensitive](std::string_view a, std::string_view b) {
                               return compare_text(a, b, case_sensitive);
                           });
}

}  // namespace

void sort_list_view(ui::ReportList& list, int column, SortType type, bool case_sensitive,
                    bool ascending) {
    std::vector<ui::ReportRow> rows = list.rows();
    if (rows.empty() || column < 0) {
        return;
    }
    std::vector<int> order =
        sorted_order(rows, static_cast<std::size_t>(column), type, case_sensitive);
    std::vector<ui::ReportRow> sorted;
    sorted.reserve(rows.size());
    const std::size_t n = order.size();
    for (std::size_t r = 0; r < n; ++r) {
        sorted.push_back(
            std::move(rows[static_cast<std::size_t>(order[ascending ? r : n - 1 - r])]));
    }
    const int selected = list.selected_row();
    list.replace_rows(std::move(sorted));
    if (selected >= 0) {
        list.select_row(selected);
    }
}

}  // namespace quvolo
