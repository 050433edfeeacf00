#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "demo/demo_marketplace.h"

namespace {

constexpr const char* kUsage = R"(tovana-demo: the demo marketplace on 127.0.0.1

  --port N             listen on port N (default: any free port)
  --seed N             data seed (default 20130506)
  --scale X            multiply the number of games and deals by X (default 1)
  --today YYYY-MM-DD   the demo's today; deals end the day before (default: local date)
  --offer-step S       seconds between arrivals of fresh offers (default 5)
  --version TEXT       answer of the version service (default 1.101)
  --fault PATTERN:KIND[:ARG]   misbehave on paths matching PATTERN ("*" = any run), repeatable:
        delay MS | stall BYTES | truncate BYTES | reset [BYTES] | status 404|500 |
        garbage BYTES | bad-gbk | huge MIB

Prints its base address, then serves until interrupted. Every host of the program points
at this one server; it answers:
  /ajax.axd?methodName=GETALLGAMESDATAv31&...&jsoncallback=callgame   all games
  /ajax.axd?methodName=gamesV31&gameType=GameAreas|GameServers&id=ID&jsoncallback=..
  /auction/GameGetBizOfferTypeHandler.ashx?jsoncallback=calltype&gm=ID&jsoncallback=calltype
  /list/viewlastestdeallist.aspx?ts=&offerid=&gm=&raceid=&ga=&gs=&bt=&sort=&section=&pg=&ps=
  /detail/GAME/ORDER.shtml                              one deal
  /search/GAME.shtml, /search/GAME/tTYPE.shtml, /search/GAME/tTYPE-oOPERATOR.shtml,
  /search/GAME/tTYPE-aAREA.shtml, /search/GAME/tTYPE-aAREA-sSERVER-0-0-0-N.shtml
  /buy/SERVER/TYPE/CODE.shtml                           one open offer
  /ntgame/Tovana/index.htm, /ntgame/Tovana/YYYYrich/MMDD-MMDD.htm,
  /ntgame/Tovana/images/rank_YYYYMMDD.png               rankings and their chart
  /testing-list.html?page=N&type=0&theme=0&frame=0      games in test (UTF-8)
  /game/N/, /sche/N/, /company/N/                       the game portal's pages
  /NetWork/lumorasoft/Tovana/ver.asp                    the latest version
  /NetWork/cxweb/hangqing/PAGE.html, .../images/PAGE.png   33 market-trend pages
  /, /koushui/index.asp, /NetWork/lumorasoft/Tovana/tongji.html,
  /index.php/archives/category/lumorasoft              the publisher's site
)";

bool parse_date(const std::string& text, quvolo::demo::CalendarDate& date) {
    return std::sscanf(text.c_str(), "%d-%d-%d", &date.year, &date.month, &date.day) == 3 &&
           quvolo::demo::is_valid_date(date);
}

int fail(const std::string& message) {
    std::cerr << "tovana-demo: " << message << "\n" << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    quvolo::demo::DemoOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--help" || flag == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (i + 1 >= argc)
            return fail("missing value after " + flag);
        const std::string value = argv[++i];
        char* end = nullptr;
        if (flag == "--port") {
            options.port = static_cast<int>(std::strtol(value.c_str(), &end, 10));
            if (*end != '\0' || options.port < 1 || options.port > 65535)
                return fail("bad port");
        } else if (flag == "--seed") {
            options.seed = std::strtoull(value.c_str(), &end, 10);
            if (*end != '\0')
                return fail("bad seed");
        } else if (flag == "--scale") {
            options.scale = std::strtod(value.c_str(), &end);
            if (*end != '\0' || !(options.scale >= 0.01 && options.scale <= 20)) {
                return fail("scale must lie between 0.01 and 20");
            }
        } else if (flag == "--today") {
            quvolo::demo::CalendarDate date;
            if (!parse_date(value, date))
                return fail("bad date " + value);
            options.today = date;
        } else if (flag == "--offer-step") {
            const long seconds = std::strtol(value.c_str(), &end, 10);
            if (*end != '\0' || seconds < 1)
                return fail("bad offer step");
            options.offer_arrival_step = std::chrono::seconds(seconds);
        } else if (flag == "--version") {
            options.version_answer = value;
        } else if (flag == "--fault") {
            const auto rule = quvolo::demo::parse_fault_rule(value);
            if (!rule)
                return fail("bad fault " + value);
            options.faults.push_back(*rule);
        } else {
            return fail("unknown option " + flag);
        }
    }
    // Interrupts are taken by sigwait below; every thread started from here inherits the mask.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

    auto demo = quvolo::demo::DemoMarketplace::start(options);
    if (!demo)
        return fail("cannot listen on 127.0.0.1:" + std::to_string(options.port));
    std::cout << demo->base_url() << std::endl;
    for (const auto& rule : options.faults) {
        std::cerr << "fault " << quvolo::demo::fault_rule_text(rule) << "\n";
    }
    int received = 0;
    sigwait(&stop_signals, &received);
    demo->stop();
    return 0;
}
