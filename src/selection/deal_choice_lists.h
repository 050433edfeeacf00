#pragma once

#include <string>

#include "ui/list_box.h"

namespace quvolo {

// A shown list and its hidden twin of identifiers, joined by position.
struct ListPair {
    ui::ListBox& shown;
    ui::ListBox& hidden;

    // The shown text of the current choice; empty without one.
    std::string shown_choice() const { return shown.item(shown.selected()); }
    // The hidden twin follows the shown list's choice.
    void follow_choice() const { hidden.select(shown.selected()); }
    // The identifier behind the hidden list's choice, "-1" (all) without one.
    std::string chosen_id_or_all() const {
        const int at = hidden.selected();
        return at < 0 ? std::string("-1") : hidden.item(at);
    }
};

// The five steps of the deal tab from which a query's target is chosen.
struct DealChoiceLists {
    ListPair games;    // 游戏列表_游戏名_显, 游戏列表_游戏名_编号
    ListPair types;    // 商品类型_类型_显, 商品类型_类型_隐
    ListPair areas;    // 游戏分区_大区_显, 游戏分区_大区_隐
    ListPair servers;  // 游戏伺服_服务器_显, 游戏伺服_服务器_隐
};

}  // namespace quvolo
