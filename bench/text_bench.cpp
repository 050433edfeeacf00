#include <benchmark/benchmark.h>

#include <string>

#include "text/gbk_literal.h"
#include "text/gbk_search.h"
#include "text/pattern_matcher.h"
#include "text/split.h"
#include "text/text_between.h"

namespace quvolo {
namespace {

// A deal-list page of about 100 KB: mostly markup, Chinese cell texts, the footer at the end.
const std::string& deal_page() {
    static const std::string page = [] {
        std::string html = "<html><head><meta charset=\"gbk\"><title>" + GBK("成交记录") +
                           "</title></head><body><table class=\"deals\">\n";
        int row = 0;
        while (html.size() < 100 * 1024) {
            html += "<tr class=\"row\"><td class=\"name\"><a href=\"/deal/" + std::to_string(row) +
                    ".shtml\" target=\"_blank\">" + GBK("【金币】1000万金 电信一区 天龙八部") +
                    "</a></td><td class=\"price\">" + std::to_string(100 + row % 900) + ".50" +
                    GBK("元") + "</td><td class=\"unit\">" + GBK("单价：") + "0.0" +
                    std::to_string(row % 90) + GBK("元/万金") +
                    "</td><td class=\"time\">2024-03-05 12:" + std::to_string(row % 60) +
                    "</td></tr>\n";
            ++row;
        }
        return html + "</table><div class=\"pager\">" + GBK("共") + "80" + GBK("页") +
               "</div></body></html>";
    }();
    return page;
}

void BM_FindMarker(benchmark::State& state) {
    const std::string& page = deal_page();
    const std::string marker = "<div class=\"pager\">";
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_text(page, marker));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
}
BENCHMARK(BM_FindMarker);

void BM_FindChineseMarker(benchmark::State& state) {
    const std::string& page = deal_page();
    const std::string marker = GBK("页");
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_text(page, GBK("共") + "80" + marker));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
}
BENCHMARK(BM_FindChineseMarker);

void BM_FindMarkerIgnoringCase(benchmark::State& state) {
    const std::string& page = deal_page();
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_text(page, "<DIV CLASS=\"PAGER\">", 1, true));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
}
BENCHMARK(BM_FindMarkerIgnoringCase);

void BM_TextBetweenPageCount(benchmark::State& state) {
    const std::string& page = deal_page();
    for (auto _ : state) {
        benchmark::DoNotOptimize(text_between(page, GBK("共"), GBK("页")));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
}
BENCHMARK(BM_TextBetweenPageCount);

// What the crawl does with a page: cut it into rows, then cut the cells out of every row.
void BM_CutEveryRow(benchmark::State& state) {
    const std::string& page = deal_page();
    for (auto _ : state) {
        std::size_t cells = 0;
        for (const std::string& row : split_text(page, "<tr class=\"row\">")) {
            cells += text_between(row, "target=\"_blank\">", "</a>").size();
            cells += text_between(row, "<td class=\"price\">", GBK("元")).size();
            cells += text_between(row, GBK("单价："), GBK("元")).size();
        }
        benchmark::DoNotOptimize(cells);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
}
BENCHMARK(BM_CutEveryRow);

// The catalogue answer: 20,000 games in groups, about 2 MB.
const std::string& catalogue_answer() {
    static const std::string answer = [] {
        const std::string names[] = {GBK("天龙八部"), GBK("梦幻西游"), GBK("魔兽世界（国服）"),
                                     GBK("剑侠情缘网络版叁"), GBK("QQ飞车")};
        std::string text = "callgame([";
        for (int game = 0; game < 20000; ++game) {
            if (game % 500 == 0) {
                text += (game == 0 ? "" : "]},") + std::string("{name:'") +
                        static_cast<char>('A' + game / 500 % 26) + "',games:[";
            } else {
                text += ",";
            }
            text += "{id:'" + std::to_string(100000 + game) + "',name:'" + names[game % 5] +
                    std::to_string(game) + "',spell:'tlbb',hot:" + std::to_string(game % 7) +
                    ",type:'" + GBK("网络游戏") + "',img:'/img/g" + std::to_string(game) +
                    ".png',open:1}";
        }
        return text + "]}])";
    }();
    return answer;
}

void BM_CatalogueAllGroups(benchmark::State& state) {
    const std::string& answer = catalogue_answer();
    for (auto _ : state) {
        PatternMatcher matcher;
        matcher.run("id:'(.*?)',name:'(.*?)'", answer);
        const int count = matcher.match_count();
        std::size_t bytes = 0;
        for (int i = 1; i <= count; ++i) {
            bytes += matcher.submatch_text(i, 1).size() + matcher.submatch_text(i, 2).size();
        }
        benchmark::DoNotOptimize(bytes);
        if (count != 20000) {
            state.SkipWithError("the catalogue lost entries");
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(answer.size()));
    state.counters["answer_bytes"] = static_cast<double>(answer.size());
}
BENCHMARK(BM_CatalogueAllGroups)->Unit(benchmark::kMillisecond);

void BM_CatalogueRunOnly(benchmark::State& state) {
    const std::string& answer = catalogue_answer();
    for (auto _ : state) {
        PatternMatcher matcher;
        benchmark::DoNotOptimize(matcher.run("id:'(.*?)',name:'(.*?)'", answer));
    }
}
BENCHMARK(BM_CatalogueRunOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quvolo
