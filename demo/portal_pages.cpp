#include "demo/portal_pages.h"

#include <algorithm>

#include "demo/calendar.h"
#include "demo/game_words.h"
#include "demo/not_found_page.h"
#include "demo/test_list.h"
#include "text/codepage.h"

namespace quvolo::demo {
namespace {

constexpr int kPageCount = (kTestEntries + kTestEntriesPerPage - 1) / kTestEntriesPerPage;

std::string utf8(const std::string& gbk) {
    return gbk_to_utf8(gbk);
}

std::string company_address(const PageRequest& request, int company) {
    return request.origin() + "/company/" + std::to_string(company + 1) + "/";
}

std::string head(const std::string& title) {
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\" />\r\n<title>" + title +
           " - Ketzal</title>\r\n<link rel=\"stylesheet\" href=\"/static/css/ketzal.css\" />\r\n"
           "</head>\r\n<body>\r\n<div class=\"k-top\"><a class=\"k-logo\" href=\"/\">Ketzal</a> "
           "新游 | 测试表 | 礼包 | 论坛</div>\r\n";
}

std::string foot() {
    return "<div class=\"k-foot\">Ketzal 新游测试表 每日更新</div>\r\n</body>\r\n</html>\r\n";
}

// The exact row markup the list is read by: CR LF, a tab and 16 spaces before each cell.
void append_row(std::string& out, const PageRequest& request, const TestEntry& entry) {
    const std::string indent = "\r\n\t                ";
    const std::string name = utf8(entry.name);
    const GameWords& words = game_words();
    out += "<tr>" + indent + "<td >" + date_text(entry.day) + "</td>";
    out += indent + "<td><a href=\"" + entry.review_path + "\" target=\"_blank\" title=\"" + name +
           "\">" + name + "</a></td>";
    out += indent + "<td>" + utf8(entry.test_name) + "</td>";
    out += indent + "<td>" + std::string(entry.needs_code ? "是" : "否") + "</td>";
    out += indent + "<td><a href=\"" + company_address(request, entry.developer) +
           "\" target=\"_blank\">" + utf8(words.companies[entry.developer]) + "</a></td>";
    out += indent + "<td><a href=\"" + company_address(request, entry.publisher) +
           "\" target=\"_blank\">" + utf8(words.companies[entry.publisher]) + "</a></td>";
    out += "\r\n\t            </tr>\r\n";
}

std::string list_address(int page) {
    return "/testing-list.html?page=" + std::to_string(page) +
           "&amp;type=0&amp;theme=0&amp;frame=0";
}

int page_number(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return 1;
    }
    return std::max(1, std::stoi(text));
}

// "/game/<n>/" and the like: the number, or -1.
int path_number(std::string_view rest) {
    if (rest.size() < 2 || rest.back() != '/' || rest.size() > 8)
        return -1;
    rest.remove_suffix(1);
    if (rest.find_first_not_of("0123456789") != std::string_view::npos)
        return -1;
    return std::stoi(std::string(rest));
}

}  // namespace

PageResponse test_list_page(const DemoData& data, const PageRequest& request) {
    const int page = page_number(request.param("page"));
    std::string out = head("新游测试表");
    out +=
        "<div class=\"k-main\">\r\n<h1>新游测试表</h1>\r\n<table class=\"test-list\">\r\n"
        "<tr class=\"th\"><th>测试时间</th><th>游戏名称</th><th>测试类型</th><th>激活码</th>"
        "<th>开发商</th><th>运营商</th></tr>\r\n";
    const int first = (page - 1) * kTestEntriesPerPage;
    for (int i = first; i < std::min(kTestEntries, first + kTestEntriesPerPage); ++i) {
        append_row(out, request, test_entry(data.world, data.today, i));
    }
    out += "</table>\r\n<div class=\"k-pages\">";
    if (page > 1)
        out += "<a href=\"" + list_address(page - 1) + "\">上一页</a> ";
    for (int p = 1; p <= kPageCount; ++p) {
        out += p == page ? "<b>" + std::to_string(p) + "</b> "
                         : "<a href=\"" + list_address(p) + "\">" + std::to_string(p) + "</a> ";
    }
    if (page < kPageCount)
        out += "<a href=\"" + list_address(page + 1) + "\">下一页</a>";
    out += "</div>\r\n</div>\r\n" + foot();
    return page_ok(kUtf8Html, std::move(out));
}

PageResponse portal_page(const DemoData& data, const PageRequest& request) {
    const std::string_view path = request.path;
    const GameWords& words = game_words();
    for (std::string_view prefix : {"/game/", "/sche/"}) {
        if (!path.starts_with(prefix))
            continue;
        const int index = path_number(path.substr(prefix.size())) - kFirstReviewNumber;
        if (index < 0 || index >= kTestEntries)
            return not_found_page(request);
        const TestEntry entry = test_entry(data.world, data.today, index);
        const std::string name = utf8(entry.name);
        const bool gift = prefix == "/sche/";
        std::string out = head(name + (gift ? " 礼包领取" : " 评测"));
        out +=
            "<div class=\"k-main\">\r\n<h1>" + name + (gift ? " 礼包领取" : " 评测") + "</h1>\r\n";
        out += "<p>测试时间：" + date_text(entry.day) + "　测试类型：" + utf8(entry.test_name) +
               "</p>\r\n";
        out += "<p>开发商：" + utf8(words.companies[entry.developer]) + "　运营商：" +
               utf8(words.companies[entry.publisher]) + "</p>\r\n";
        out += gift ? "<p class=\"gift\">礼包已发放完毕，请关注下一轮测试。</p>\r\n"
                    : "<p>画面精致，玩法丰富，值得一试。</p>\r\n";
        out += "</div>\r\n" + foot();
        return page_ok(kUtf8Html, std::move(out));
    }
    if (path.starts_with("/company/")) {
        const int company = path_number(path.substr(9)) - 1;
        if (company < 0 || company >= static_cast<int>(words.companies.size())) {
            return not_found_page(request);
        }
        const std::string name = utf8(words.companies[company]);
        std::string out = head(name);
        out += "<div class=\"k-main\">\r\n<h1>" + name + "</h1>\r\n<p>" + name +
               "是一家专注于网络游戏研发与运营的公司。</p>\r\n</div>\r\n" + foot();
        return page_ok(kUtf8Html, std::move(out));
    }
    return not_found_page(request);
}

}  // namespace quvolo::demo
