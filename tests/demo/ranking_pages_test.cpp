#include <gtest/gtest.h>
#include <zlib.h>

#include <set>

#include "demo_test_server.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "text/split.h"
#include "text/text_between.h"

namespace quvolo::demo {
namespace {

constexpr const char* kCurrentWeek = "/ntgame/Tovana/index.htm";

// A ranking section as the rankings tab reads it: split at "</li>", the last piece unused,
// the first piece the header.
std::vector<std::string> entries_of(const std::string& page, const std::string& left,
                                    const std::string& right) {
    std::vector<std::string> pieces = split_text(text_between(page, left, right), "</li>");
    if (!pieces.empty())
        pieces.pop_back();
    return pieces;
}

struct Week {
    std::string label;
    std::vector<std::vector<std::string>> volume, currency, items;  // cells of rows 0..9
    std::vector<std::pair<std::string, std::string>> past;          // label, address
    std::string chart_title, chart_address;
};

Week read_week(const std::string& page) {
    Week week;
    week.label = text_between(page, GBK("本周排行"), "</div>");
    const auto rows = [&](const std::string& left, const std::string& right) {
        std::vector<std::string> pieces = entries_of(page, left, right);
        if (!pieces.empty())
            pieces.erase(pieces.begin());  // the header item
        return pieces;
    };
    for (const std::string& piece : rows(GBK("总交易额排行榜"), "<div class=\"ranking gc\">")) {
        week.volume.push_back(
            {replace_all(text_between(piece, "blank\">", "</div>"), "</a>", " ")});
    }
    for (const std::string& piece :
         rows(GBK("游戏币交易排行榜(含重复物品)"), "<div class=\"ranking gc el\">")) {
        week.currency.push_back(
            {replace_all(text_between(piece, "blank\">", "</div>"), "</a>", " "),
             text_between(piece, "gct_m\">", "</div>")});
    }
    for (const std::string& piece :
         rows(GBK("装备交易排行榜(含重复物品)"), "<div class=\"rtw erl\">")) {
        week.items.push_back({text_between(piece, "r_right\">", "</div>"),
                              replace_all(text_between(piece, "gct_m\">", "</div>"), " ", ""),
                              text_between(piece, "ng\">", "</div>")});
    }
    for (const std::string& piece : entries_of(page, GBK("往期回顾"), "</ul>")) {
        week.past.emplace_back(text_between(piece, "blank\">", "</a>"),
                               text_between(piece, "href=\"", "\""));
    }
    week.chart_title =
        text_between(page, "<div class=\"rtw_t\">", GBK("各产品名次变化图表"), false, 0, true);
    week.chart_address =
        text_between(text_between(page, GBK("曲线"), "<div class=\"review\">"), "src=\"", "\"");
    return week;
}

std::uint32_t big_endian(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
           static_cast<unsigned char>(bytes[at + 3]);
}

// A PNG whose image data inflates to exactly its rows: filter byte plus RGB per pixel.
bool is_whole_rgb_png(const std::string& bytes) {
    if (bytes.size() < 33 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return false;
    const std::uint32_t width = big_endian(bytes, 16), height = big_endian(bytes, 20);
    std::string packed;
    for (std::size_t at = 8; at + 12 <= bytes.size();) {
        const std::uint32_t length = big_endian(bytes, at);
        if (at + 12 + length > bytes.size())
            return false;
        const std::string type = bytes.substr(at + 4, 4);
        const uLong crc =
            crc32(0, reinterpret_cast<const Bytef*>(bytes.data() + at + 4), length + 4);
        if (crc != big_endian(bytes, at + 8 + length))
            return false;
        if (type == "IDAT")
            packed += bytes.substr(at + 8, length);
        if (type == "IEND")
            break;
        at += 12 + length;
    }
    uLongf size = static_cast<uLongf>(height) * (1 + 3 * width);
    std::string raw(size + 1, '\0');
    uLongf got = static_cast<uLongf>(raw.size());
    return uncompress(reinterpret_cast<Bytef*>(raw.data()), &got,
                      reinterpret_cast<const Bytef*>(packed.data()), packed.size()) == Z_OK &&
           got == size;
}

TEST(RankingPages, TheCurrentWeekFillsTenPlacesOfEachRanking) {
    const HttpAnswer answer = http_get(shared_demo(), kCurrentWeek);
    ASSERT_EQ(answer.status, 200);
    const Week week = read_week(answer.body);
    EXPECT_EQ(week.label, " (2025.05.05-05.11)");
    ASSERT_EQ(week.volume.size(), 10u);
    ASSERT_EQ(week.currency.size(), 10u);
    ASSERT_EQ(week.items.size(), 10u);
    std::set<std::string> names;
    for (const auto& row : week.volume) {
        EXPECT_FALSE(row[0].empty());
        names.insert(row[0]);
    }
    EXPECT_EQ(names.size(), 10u) << "a game ranks twice";
    for (const auto& row : week.currency) {
        EXPECT_EQ(row[1].rfind(GBK("1元="), 0), 0u) << gbk_to_utf8(row[1]);
    }
    for (const auto& row : week.items) {
        EXPECT_FALSE(row[0].empty());
        EXPECT_FALSE(row[1].empty());
        EXPECT_EQ(row[1].find_first_not_of("0123456789"), std::string::npos) << row[1];
        EXPECT_FALSE(row[2].empty());
        EXPECT_EQ(row[2].find('<'), std::string::npos) << gbk_to_utf8(row[2]);
    }
    EXPECT_EQ(week.chart_title, "2025.03.31-05.11 ");
}

TEST(RankingPages, TheChartIsARealPicture) {
    const Week week = read_week(http_get(shared_demo(), kCurrentWeek).body);
    ASSERT_EQ(week.chart_address.rfind(shared_demo().base_url() + "/", 0), 0u);
    const HttpAnswer chart = http_get(shared_demo(), path_of(week.chart_address));
    EXPECT_EQ(chart.content_type, "image/png");
    EXPECT_TRUE(is_whole_rgb_png(chart.body));
}

TEST(RankingPages, PastWeeksAreAbsoluteAndEachReadsAsAWeekOfItsOwn) {
    const Week current = read_week(http_get(shared_demo(), kCurrentWeek).body);
    ASSERT_GE(current.past.size(), 12u);
    const std::string special = shared_demo().base_url() + "/ntgame/Tovana/2013rich/1230-0105.htm";
    int old_weeks = 0;
    bool special_listed = false;
    for (const auto& [label, address] : current.past) {
        EXPECT_EQ(address.rfind("http://", 0), 0u) << address;
        old_weeks += address.find("2013rich") != std::string::npos;
        special_listed |= address == special;
        const HttpAnswer page = http_get(shared_demo(), path_of(address));
        ASSERT_EQ(page.status, 200) << address;
        const Week week = read_week(page.body);
        EXPECT_EQ(week.label, " (" + label + ")");
        EXPECT_EQ(week.volume.size(), 10u);
        EXPECT_FALSE(week.chart_address.empty());
    }
    EXPECT_TRUE(special_listed);
    EXPECT_GT(old_weeks, 1);

    // The old week lists the weeks before it, all of its own year's folder.
    const Week old = read_week(http_get(shared_demo(), path_of(special)).body);
    ASSERT_FALSE(old.past.empty());
    for (const auto& entry : old.past) {
        EXPECT_NE(entry.second.find("/2013rich/"), std::string::npos) << entry.second;
    }
}

TEST(RankingPages, WeeksThatNeverWerePublishedAreNotFound) {
    const char* paths[] = {
        "/ntgame/Tovana/2013rich/1231-0106.htm",  // not a Monday
        "/ntgame/Tovana/2013rich/1125-1201.htm",  // before the first week
        "/ntgame/Tovana/2030rich/0107-0113.htm",  // after today
        "/ntgame/Tovana/images/rank_20300113.png", "/ntgame/Tovana/index.html",
    };
    for (const char* path : paths)
        EXPECT_EQ(http_get(shared_demo(), path).status, 404) << path;
}

}  // namespace
}  // namespace quvolo::demo
