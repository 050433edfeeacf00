#include "demo_fixture.h"

#include <regex>

#include "app/catalogue.h"
#include "deals/deal_page.h"
#include "net/fetch.h"
#include "text/gbk_literal.h"

namespace quvolo::testing {

demo::DemoMarketplace& shared_demo() {
    static const std::unique_ptr<demo::DemoMarketplace> demo = [] {
        demo::DemoOptions options;
        options.today = demo::CalendarDate{2025, 5, 14};
        return demo::DemoMarketplace::start(options);
    }();
    return *demo;
}

const Hosts& demo_hosts() {
    static const Hosts hosts = hosts_all_at(shared_demo().base_url());
    return hosts;
}

ShownDeals read_deal_page(const std::string& address) {
    const std::string page = utf8(fetch_page(address));
    ShownDeals shown;
    const std::regex name(R"(target="_blank">(.*?)</a></li>)");
    const std::regex price(R"(<li class="orange">([^<]*)元</li>)");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), name);
         it != std::sregex_iterator(); ++it) {
        shown.names.push_back((*it)[1]);
    }
    for (auto it = std::sregex_iterator(page.begin(), page.end(), price);
         it != std::sregex_iterator(); ++it) {
        shown.prices.push_back((*it)[1]);
    }
    std::smatch total;
    if (std::regex_search(page, total, std::regex(R"(共 (\d+) 单)"))) {
        shown.total = total[1];
    }
    return shown;
}

int load_catalogue_and_find_game(DealTabRig& rig, int pages) {
    load_catalogue_now(demo_hosts().catalogue, rig.c);
    const auto& ids = rig.c.deal.游戏列表_游戏名_编号;
    for (int i = 0; i < ids.count() && i < 300; ++i) {
        const ShownDeals first =
            read_deal_page(deal_list_address(demo_hosts().trading, {ids.item(i)}, 1));
        if (!first.total.empty() && std::stoi(first.total) > 80 * (pages - 1)) {
            return i;
        }
    }
    return -1;
}

HandlerRig::HandlerRig(ui::Pacer* pacer)
    : handlers(c, demo_hosts(), {web, pacer ? *pacer : no_pauses, clock, desktop, tasks},
               {{desktop, c.分组框2, c.进度条1}, GBK("Lumora网127.0.0.1")}) {}

void HandlerRig::choose(ui::ListBox& list, int index, void (DealTabHandlers::*handler)()) {
    list.select(index);
    (handlers.*handler)();
    tasks.wait_all();
}

}  // namespace quvolo::testing
