#include "demo/ranking_pages.h"

#include <cstdio>
#include <limits>

#include "demo/calendar.h"
#include "demo/line_chart.h"
#include "demo/money_text.h"
#include "demo/not_found_page.h"
#include "demo/week_rankings.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {
namespace {

// The opening of a ranking row: its place, counted from 1.
std::string rank_cell(std::size_t index) {
    const std::string place = std::to_string(index + 1);
    return "<li><div class=\"r_no n" + place + "\">" + place + "</div>";
}

constexpr std::string_view kBase = "/ntgame/Tovana/";
constexpr int kPastWeeksListed = 12;
constexpr int kChartWeeks = 6;
constexpr int kChartLines = 8;

std::string two_digits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string week_path(std::int64_t monday) {
    const CalendarDate first = date_of_day(monday), last = date_of_day(monday + 6);
    return std::string(kBase) + std::to_string(first.year) + "rich/" + two_digits(first.month) +
           two_digits(first.day) + "-" + two_digits(last.month) + two_digits(last.day) + ".htm";
}

// "2013.12.30-01.05"
std::string week_label(std::int64_t monday) {
    const CalendarDate first = date_of_day(monday), last = date_of_day(monday + 6);
    return std::to_string(first.year) + "." + two_digits(first.month) + "." +
           two_digits(first.day) + "-" + two_digits(last.month) + "." + two_digits(last.day);
}

std::string chart_path(std::int64_t monday) {
    const CalendarDate last = date_of_day(monday + 6);
    return std::string(kBase) + "images/rank_" + std::to_string(last.year) +
           two_digits(last.month) + two_digits(last.day) + ".png";
}

// The weeks a page lists under its review: the weeks before it, and the old archive weeks.
std::vector<std::int64_t> past_weeks(std::int64_t monday) {
    std::vector<std::int64_t> weeks;
    for (int k = 1; k <= kPastWeeksListed; ++k) {
        if (monday - 7 * k >= first_published_week())
            weeks.push_back(monday - 7 * k);
    }
    for (int k = 4; k >= 2; --k) {
        const std::int64_t archived = first_published_week() + 7 * k;
        if (archived < monday && (weeks.empty() || archived < weeks.back())) {
            weeks.push_back(archived);
        }
    }
    return weeks;
}

std::optional<std::int64_t> parse_week_path(std::string_view rest, std::int64_t newest) {
    // "<yyyy>rich/<mmdd>-<mmdd>.htm"
    if (rest.size() != 22 || rest.substr(4, 5) != "rich/" || rest[13] != '-' ||
        rest.substr(18) != ".htm") {
        return std::nullopt;
    }
    for (std::size_t i : {0, 1, 2, 3, 9, 10, 11, 12, 14, 15, 16, 17}) {
        if (rest[i] < '0' || rest[i] > '9')
            return std::nullopt;
    }
    const auto number = [&](std::size_t at, std::size_t length) {
        return std::stoi(std::string(rest.substr(at, length)));
    };
    const CalendarDate first{number(0, 4), number(9, 2), number(11, 2)};
    if (!is_valid_date(first))
        return std::nullopt;
    const std::int64_t monday = day_number(first);
    if (weekday_of_day(monday) != 0 || monday < first_published_week() || monday > newest) {
        return std::nullopt;
    }
    if (week_path(monday).substr(kBase.size()) != rest)
        return std::nullopt;
    return monday;
}

std::string game_link(const PageRequest& request, const Game& game) {
    return "<a href=\"" + request.origin() + "/search/" + game.id + ".shtml\" target=\"_blank\">" +
           game.name + "</a>";
}

void append_head(std::string& out, std::int64_t monday) {
    out +=
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" "
        "content=\"text/html; charset=gb2312\" />\r\n<title>";
    out += GBK("Tovana游戏交易排行榜 ") + week_label(monday) + GBK(" - 网游风向标</title>\r\n");
    out += "<link rel=\"stylesheet\" href=\"/ntgame/css/rank.css\" />\r\n</head>\r\n<body>\r\n";
    out +=
        GBK("<div class=\"top\"><span class=\"logo\">网游风向标</span> 新闻 | 评测 | 攻略 | "
            "数据中心</div>\r\n<div class=\"wrap\">\r\n");
    out += GBK("<div class=\"week_t\">本周排行 (") + week_label(monday) + ")</div>\r\n";
}

void append_rankings(std::string& out, const PageRequest& request, const WeekRankings& week) {
    out +=
        GBK("<div class=\"ranking\">\r\n<div "
            "class=\"rk_t\">总交易额排行榜<span>(金币+装备)</span></div>\r\n<ul>\r\n"
            "<li class=\"rk_h\"><div class=\"r_no\">排名</div><div "
            "class=\"r_n\">游戏名称</div></li>\r\n");
    for (int i = 0; i < kRankedPlaces; ++i) {
        out += rank_cell(i) + "<div class=\"r_n\">" + game_link(request, *week.by_volume[i]) +
               "</div></li>\r\n";
    }
    out += "</ul>\r\n</div>\r\n<div class=\"ranking gc\">\r\n";
    out +=
        GBK("<div class=\"rk_t\">游戏币交易排行榜(含重复物品)</div>\r\n<ul>\r\n"
            "<li class=\"rk_h\"><div class=\"r_no\">排名</div><div class=\"gct_n\">游戏名称</div>"
            "<div class=\"gct_m\">游戏币价格</div></li>\r\n");
    for (std::size_t i = 0; i < week.currency.size(); ++i) {
        out += rank_cell(i) + "<div class=\"gct_n\">" + game_link(request, *week.currency[i].game) +
               "</div><div class=\"gct_m\">" + week.currency[i].price + "</div></li>\r\n";
    }
    out += "</ul>\r\n</div>\r\n<div class=\"ranking gc el\">\r\n";
    out +=
        GBK("<div class=\"rk_t\">装备交易排行榜(含重复物品)</div>\r\n<ul>\r\n"
            "<li class=\"rk_h\"><div class=\"r_no\">排名</div><div class=\"r_right\">装备名称</div>"
            "<div class=\"gct_m\">人民币价格</div><div class=\"r_ng\">游戏名称</div></li>\r\n");
    for (std::size_t i = 0; i < week.items.size(); ++i) {
        out += rank_cell(i) + "<div class=\"r_right\">" + week.items[i].name +
               "</div><div class=\"gct_m\">" + spaced_thousands(week.items[i].yuan) +
               "</div><div class=\"r_ng\">" + week.items[i].game->name + "</div></li>\r\n";
    }
    out += "</ul>\r\n</div>\r\n";
}

void append_chart_box(std::string& out, const PageRequest& request, const WeekRankings& week) {
    const std::int64_t first = week.monday - 7 * (kChartWeeks - 1);
    out += "<div class=\"rtw erl\">\r\n<div class=\"rtw_t\">";
    out += week_label(first).substr(0, 10) + "-" + week_label(week.monday).substr(11);
    out +=
        GBK(" 各产品名次变化图表</div>\r\n<p "
            "class=\"rtw_d\">通过图表，我们可以很清楚看到各大热门网游名次变化的曲线</p>\r\n");
    out +=
        "<div class=\"rtw_img\"><img src=\"" + request.origin() + chart_path(week.monday) +
        GBK("\" width=\"380\" height=\"160\" alt=\"名次变化图\" /></div>\r\n<ul class=\"legend\">");
    for (int i = 0; i < kChartLines; ++i) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "%06X", chart_colour(i));
        out += "<li><span style=\"background:#" + std::string(colour) + "\"></span>" +
               week.by_volume[i]->name + "</li>";
    }
    out += "</ul>\r\n</div>\r\n";
}

void append_review(std::string& out, const PageRequest& request, std::int64_t monday) {
    out += GBK("<div class=\"review\">\r\n<div class=\"rv_t\">往期回顾</div>\r\n<ul>\r\n");
    for (std::int64_t week : past_weeks(monday)) {
        out += "<li><a href=\"" + request.origin() + week_path(week) + "\" target=\"_blank\">" +
               week_label(week) + "</a></li>\r\n";
    }
    out += "</ul>\r\n</div>\r\n";
}

PageResponse week_page(const DemoData& data, const PageRequest& request, std::int64_t monday) {
    const WeekRankings week = rankings_of_week(data.world, monday);
    std::string out;
    out.reserve(24 * 1024);
    append_head(out, monday);
    append_rankings(out, request, week);
    append_chart_box(out, request, week);
    append_review(out, request, monday);
    out +=
        GBK("</div>\r\n<div class=\"foot\">数据来源：Tovana "
            "每周一更新</div>\r\n</body>\r\n</html>\r\n");
    return page_ok(kGbkHtml, std::move(out));
}

PageResponse chart_picture(const DemoData& data, std::int64_t monday) {
    const WeekRankings week = rankings_of_week(data.world, monday);
    std::vector<std::vector<const Game*>> orders;  // oldest week first; empty before the first
    for (int k = kChartWeeks - 1; k >= 0; --k) {
        const std::int64_t week_monday = monday - 7 * k;
        orders.push_back(week_monday < first_published_week()
                             ? std::vector<const Game*>{}
                             : rankings_of_week(data.world, week_monday).by_volume);
    }
    std::vector<ChartLine> lines;
    for (int i = 0; i < kChartLines; ++i) {
        ChartLine line;
        line.rgb = chart_colour(i);
        for (const auto& order : orders) {
            // Out of the ten places is drawn just below the tenth.
            double place =
                order.empty() ? std::numeric_limits<double>::quiet_NaN() : kRankedPlaces + 1;
            for (std::size_t p = 0; p < order.size() && p < kRankedPlaces; ++p) {
                if (order[p] == week.by_volume[i])
                    place = static_cast<double>(p + 1);
            }
            line.values.push_back(place);
        }
        lines.push_back(std::move(line));
    }
    return page_ok(kPng,
                   line_chart_png(760, 320, lines, 1, kRankedPlaces + 1, kRankedPlaces, true));
}

}  // namespace

PageResponse ranking_page(const DemoData& data, const PageRequest& request) {
    const std::int64_t newest = last_full_week(data.today);
    const std::string_view path = request.path;
    if (!path.starts_with(kBase))
        return not_found_page(request);
    const std::string_view rest = path.substr(kBase.size());
    if (rest == "index.htm")
        return week_page(data, request, newest);
    if (const auto monday = parse_week_path(rest, newest))
        return week_page(data, request, *monday);
    constexpr std::string_view kChart = "images/rank_";
    if (rest.starts_with(kChart) && rest.ends_with(".png") && rest.size() == kChart.size() + 12) {
        const std::string digits(rest.substr(kChart.size(), 8));
        if (digits.find_first_not_of("0123456789") == std::string::npos) {
            const CalendarDate sunday{std::stoi(digits.substr(0, 4)),
                                      std::stoi(digits.substr(4, 2)),
                                      std::stoi(digits.substr(6, 2))};
            if (is_valid_date(sunday)) {
                const std::int64_t monday = day_number(sunday) - 6;
                if (weekday_of_day(monday) == 0 && monday >= first_published_week() &&
                    monday <= newest) {
                    return chart_picture(data, monday);
                }
            }
        }
    }
    return not_found_page(request);
}

}  // namespace quvolo::demo
