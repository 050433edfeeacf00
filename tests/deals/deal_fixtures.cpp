#include "deal_fixtures.h"

#include "text/codepage.h"

namespace quvolo::testing {

std::string utf8(std::string_view gbk_text) {
    return gbk_to_utf8(gbk_text);
}

std::string gbk(std::string_view utf8_text) {
    return utf8_to_gbk(utf8_text);
}

std::string deal_page(const std::vector<FixtureDeal>& deals, int pages, int total) {
    std::string page =
        "<html><body><div class=\"listhead\"><ul><li class=\"l1\">商品名称</li>"
        "<li class=\"l5\">成交时间</li></ul></div>\r\n<div class=\"listmain\">\r\n";
    for (std::size_t i = 0; i < deals.size(); ++i) {
        const FixtureDeal& d = deals[i];
        if (i > 0) {
            page += " </div><div class=\"listmain\">\r\n";
        }
        page += "            <ul class=\"li1\">\r\n                <li class=\"name\"><a href=\"" +
                d.address + "\" target=\"_blank\">" + d.name +
                "</a></li>\r\n                <li>游戏/区/服/阵营：" + d.place +
                "</li>\r\n            </ul>\r\n"
                "            <ul class=\"li2\">\r\n                <li class=\"in_ac\">" +
                d.type + "</li>\r\n                <li class=\"orange\">" + d.price +
                "元</li>\r\n                <li><span class=\"orange\">" + d.unit_price +
                "</span></li>\r\n                <li class=\"in_ac\">" + d.time +
                "</li>\r\n            </ul>\r\n";
    }
    page += " </div>\r\n<div class=\"pagebox beta\">\r\n<ul><li class=\"yeshu\">共 " +
            std::to_string(total) + " 单，共 " + std::to_string(pages) +
            " 页</li></ul>\r\n</div>\r\n</body></html>";
    return utf8_to_gbk(page);
}

void FixturePages::add(std::string address, std::string body) {
    std::lock_guard lock(mutex_);
    pages_[std::move(address)] = std::move(body);
}

PageReader FixturePages::reader() {
    return [this](const std::string& address, std::stop_token) {
        std::lock_guard lock(mutex_);
        requests_.push_back(address);
        const auto found = pages_.find(address);
        return found == pages_.end() ? std::string() : found->second;
    };
}

std::vector<std::string> FixturePages::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<std::string> column_texts(const ui::ReportList& list, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.row_count(); ++row) {
        texts.push_back(utf8(list.cell(row, column)));
    }
    return texts;
}

void DealTabRig::choose_game(std::string_view name_utf8, std::string_view id) {
    c.deal.游戏列表_游戏名_显.append(gbk(name_utf8));
    c.deal.游戏列表_游戏名_编号.append(id);
    c.deal.游戏列表_游戏名_显.select(c.deal.游戏列表_游戏名_显.count() - 1);
    c.deal.游戏列表_游戏名_编号.select(c.deal.游戏列表_游戏名_编号.count() - 1);
}

std::vector<std::string> DealTabRig::figure_texts() {
    std::vector<std::string> texts;
    for (ui::Label* label :
         {&c.deal.标签_交易笔数, &c.deal.标签_交易总金额, &c.deal.标签_最低价, &c.deal.标签_最高价,
          &c.deal.标签_最低单价, &c.deal.标签_最高单价, &c.deal.标签_平均单价}) {
        texts.push_back(utf8(label->caption()));
    }
    return texts;
}

FixtureDeal deal(std::string name, std::string price, std::string unit_price) {
    FixtureDeal d;
    d.name = std::move(name);
    d.price = std::move(price);
    d.unit_price = std::move(unit_price);
    return d;
}

std::string page_address(int page, const DealQueryIds& ids) {
    return deal_list_address(kHost, ids, page);
}

void CrawlRig::run(std::stop_token stop) {
    state.claim();
    crawl_deals(DealTabRig::crawl(), state,
                {kHost, pages.reader(), desktop, pacer, stop, [] { return kFinishedAt; }});
}

void CrawlRig::crawl_one_page(const std::vector<FixtureDeal>& deals) {
    choose_game("星河", "101");
    pages.add(page_address(1), deal_page(deals, 1, static_cast<int>(deals.size())));
    run();
}

}  // namespace quvolo::testing
