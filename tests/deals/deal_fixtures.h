#pragma once

#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "app/deal_tab_handlers.h"
#include "app/main_window_controls.h"
#include "deals/crawl_deals.h"
#include "deals/deal_controls.h"
#include "deals/deal_page.h"
#include "selection/page_reader.h"
#include "ui/scaled_pacer.h"
#include "ui/scripted_desktop.h"

namespace quvolo::testing {

// One deal as a page shows it; UTF-8.
struct FixtureDeal {
    std::string name = "金币";
    std::string address = "http://t/detail/1.shtml";
    std::string place = "G/区/服";
    std::string type = "游戏币";
    std::string price = "10";
    std::string unit_price = "0.5元/金";
    std::string time = "2024-01-05 12:00:00";
};

// A deal-list page (GBK) laid out as the marketplace writes it, with its pager and footer.
std::string deal_page(const std::vector<FixtureDeal>& deals, int pages, int total);

// Pages by address; an address not added reads as a failed request. Records every request.
class FixturePages {
  public:
    void add(std::string address, std::string body);
    PageReader reader();
    std::vector<std::string> requests() const;

  private:
    mutable std::mutex mutex_;
    std::map<std::string, std::string> pages_;
    std::vector<std::string> requests_;
};

std::string utf8(std::string_view gbk);
std::string gbk(std::string_view utf8);
std::vector<std::string> column_texts(const ui::ReportList& list, int column);  // UTF-8

// The main window's in-memory controls with the deal tab's control groups built from them.
struct DealTabRig {
    MainWindowControls c;

    DealChoiceLists choices() { return deal_choice_lists(c.deal); }
    DealFigureLabels figures() { return deal_figure_labels(c.deal); }
    DealCrawlControls crawl() { return deal_crawl_controls(c); }
    DayFilterControls day_filter() { return day_filter_controls(c); }
    // Puts one game into the game lists and chooses it, as the game load leaves them.
    void choose_game(std::string_view name_utf8, std::string_view id);
    // The seven figure captions, UTF-8, in the order of DealFigureLabels.
    std::vector<std::string> figure_texts();
};

inline constexpr const char* kHost = "http://trade.test";
inline const DateTime kFinishedAt{2024, 1, 6, 9, 30, 0};

FixtureDeal deal(std::string name, std::string price, std::string unit_price);
std::string page_address(int page, const DealQueryIds& ids = {"101"});

// Crawls pages of a table on the rig's controls with no pauses.
struct CrawlRig : DealTabRig {
    FixturePages pages;
    ui::ScriptedDesktop desktop;
    ui::ScaledPacer pacer{0};
    DealCrawlState state;

    void run(std::stop_token stop = {});
    // Game "星河" (id 101) with one page of the given deals.
    void crawl_one_page(const std::vector<FixtureDeal>& deals);
};

}  // namespace quvolo::testing
