#pragma once

#include <string>
#include <string_view>

#include "ui/desktop.h"
#include "ui/report_list.h"

namespace quvolo {

// The address of a deal's page as the browser is to get it: an http or https address as it
// stands; one without a scheme completed against the deal-list page of the trading host;
// empty for anything else (another scheme, or no address at all).
std::string deal_page_address(std::string_view cell, std::string_view trading_host);

// The menu item "查看当前订单": the selected deal's page in the browser; nothing without a
// selected row or a usable address.
void open_selected_deal(const ui::ReportList& 成交信息, std::string_view trading_host,
                        ui::Desktop& desktop);

}  // namespace quvolo
