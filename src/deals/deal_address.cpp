#include "deals/deal_address.h"

#include <cctype>

#include "deals/deal_page.h"
#include "ui/desktop.h"

namespace quvolo {
namespace {

// A scheme is letters, digits, "+", "-" or "." after a first letter, ended by ":" before any
// "/", "?" or "#".
bool has_scheme(std::string_view address) {
    const auto colon = address.find(':');
    if (colon == std::string_view::npos || colon == 0 ||
        !std::isalpha(static_cast<unsigned char>(address[0]))) {
        return false;
    }
    for (const char c : address.substr(0, colon)) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

std::string_view scheme_of(std::string_view host) {
    const auto colon = host.find(':');
    return colon == std::string_view::npos ? std::string_view("http") : host.substr(0, colon);
}

}  // namespace

std::string deal_page_address(std::string_view cell, std::string_view trading_host) {
    if (cell.empty()) {
        return {};
    }
    if (has_scheme(cell)) {
        return ui::is_web_address(cell) ? std::string(cell) : std::string();
    }
    const std::string host(trading_host);
    if (cell.starts_with("//")) {
        return std::string(scheme_of(trading_host)) + ":" + std::string(cell);
    }
    if (cell.starts_with("/")) {
        return host + std::string(cell);
    }
    if (cell.starts_with("?")) {
        return host + "/list/viewlastestdeallist.aspx" + std::string(cell);
    }
    return host + "/list/" + std::string(cell);
}

void open_selected_deal(const ui::ReportList& 成交信息, std::string_view trading_host,
                        ui::Desktop& desktop) {
    const int selected = 成交信息.selected_row();
    if (selected < 0) {
        return;
    }
    const std::string address =
        deal_page_address(成交信息.cell(selected, kDealAddressColumn), trading_host);
    if (ui::is_web_address(address)) {
        desktop.open_in_browser(address);
    }
}

}  // namespace quvolo
