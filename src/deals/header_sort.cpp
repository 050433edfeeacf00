#include "deals/header_sort.h"

#include <array>

#include "deals/sort_list_view.h"
#include "text/gbk_literal.h"

namespace quvolo {
namespace {

std::optional<SortType> column_type(ColumnSortTypes types, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= types.size()) {
        return std::nullopt;
    }
    return types[static_cast<std::size_t>(column)];
}

constexpr std::array<std::optional<SortType>, 8> kDealListTypes{
    SortType::number, SortType::text,   SortType::text, SortType::text,
    SortType::number, SortType::number, SortType::text, std::nullopt};

constexpr std::array<std::optional<SortType>, 11> kComparisonTypes{
    SortType::number, SortType::text,   SortType::text,     SortType::number,
    SortType::number, SortType::number, SortType::number,   SortType::number,
    SortType::number, SortType::number, SortType::date_time};

}  // namespace

void sort_by_header_toggle(ui::ReportList& list, ui::Label& direction, int column,
                           ColumnSortTypes types) {
    const std::string now_shown = direction.caption();
    const bool ascending = now_shown == GBK("降");
    if (!ascending && now_shown != GBK("升")) {
        return;
    }
    if (const std::optional<SortType> type = column_type(types, column)) {
        sort_list_view(list, column, *type, true, ascending);
    }
    direction.set_caption(ascending ? GBK("升") : GBK("降"));
}

void sort_deal_list_by_header(ui::ReportList& 成交信息, ui::Label& 透明标签_排序, int column) {
    sort_by_header_toggle(成交信息, 透明标签_排序, column, kDealListTypes);
}

void sort_comparison_table_by_header(ui::ReportList& 统计列表, int column) {
    if (const std::optional<SortType> type = column_type(kComparisonTypes, column)) {
        sort_list_view(统计列表, column, *type, false, true);
    }
}

}  // namespace quvolo
