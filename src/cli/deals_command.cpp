#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/deal_tab_handlers.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/deal_report.h"
#include "export/export_list_view.h"
#include "export/export_menu.h"
#include "text/codepage.h"
#include "text/gbk_literal.h"

namespace quvolo::cli {
namespace {

constexpr std::string_view deals_usage =
    "usage: quvolo-cli [--config FILE] [--pace F] deals --game NAME|id:ID [--area NAME]\n"
    "                  [--server NAME] [--type NAME] [--day YYYY-MM-DD] [--json]\n"
    "                  [--xls FILE]\n\n"
    "Chooses the game, goods type, area and server as a user of the deal tab would, reads\n"
    "every recent completed deal and prints the deal list and its seven figures as the window\n"
    "shows them. Names are the shown texts (UTF-8); a choice left out means all.\n\n"
    "  --game NAME|id:ID  the game by its shown name, or by its identifier\n"
    "  --area NAME        the area\n"
    "  --server NAME      the server of that area\n"
    "  --type NAME        the goods type\n"
    "  --day YYYY-MM-DD   then narrow the list to the deals of that day\n"
    "  --json             one JSON object: target, columns, rows, figures, status\n"
    "  --xls FILE         also export the deal list to FILE as an Excel 97-2003 workbook,\n"
    "                     as the deal list's menu item does; exits 1 when it cannot\n\n"
    "An unknown name exits with 2 and names the choices there are.\n";

struct DealsOptions {
    std::string game;
    std::optional<std::string> area, server, type, day, xls;
    bool json = false;
};

std::optional<std::string> parse(const std::vector<std::string>& args, DealsOptions& options) {
    const std::pair<std::string_view, std::function<void(const std::string&)>> valued[] = {
        {"--game", [&](const std::string& v) { options.game = v; }},
        {"--area", [&](const std::string& v) { options.area = v; }},
        {"--server", [&](const std::string& v) { options.server = v; }},
        {"--type", [&](const std::string& v) { options.type = v; }},
        {"--day", [&](const std::string& v) { options.day = v; }},
        {"--xls", [&](const std::string& v) { options.xls = v; }},
    };
    for (std::size_t at = 0; at < args.size(); ++at) {
        if (args[at] == "--json") {
            options.json = true;
            continue;
        }
        bool known = false;
        for (const auto& [name, take] : valued) {
            if (args[at] == name) {
                if (at + 1 == args.size()) {
                    return args[at] + " needs a value";
                }
                take(args[++at]);
                known = true;
                break;
            }
        }
        if (!known) {
            return "unknown option " + args[at];
        }
    }
    if (options.game.empty()) {
        return std::string("--game is needed");
    }
    return std::nullopt;
}

std::optional<DateTime> parse_day(const std::string& text) {
    DateTime day;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &day.year, &day.month, &day.day, &rest) != 3 ||
        day.month < 1 || day.month > 12 || day.day < 1 || day.day > 31) {
        return std::nullopt;
    }
    return day;
}

// Chooses the item whose text (UTF-8 wanted) is in items; an error naming the items otherwise.
std::optional<std::string> choose(ui::ListBox& shown, const ui::ListBox& searched,
                                  const std::string& wanted_utf8, std::string_view what) {
    const std::string wanted = utf8_to_gbk(wanted_utf8);
    for (int i = 0; i < searched.count(); ++i) {
        if (searched.item(i) == wanted) {
            shown.select(i);
            return std::nullopt;
        }
    }
    std::string message = "no " + std::string(what) + " \"" + wanted_utf8 + "\"; ";
    if (searched.count() == 0) {
        return message + "there is none to choose from";
    }
    message += "the choices are:";
    for (int i = 0; i < searched.count(); ++i) {
        message += "\n  " + gbk_to_utf8(searched.item(i));
    }
    return message;
}

// Makes the choices of the options through the deal tab's handlers, as clicks would.
std::optional<std::string> make_choices(const DealsOptions& options, DealTabControls& tab,
                                        DealTabHandlers& handlers) {
    std::optional<std::string> error;
    if (options.game.starts_with("id:")) {
        error = choose(tab.游戏列表_游戏名_显, tab.游戏列表_游戏名_编号, options.game.substr(3),
                       "game with the identifier");
    } else {
        error = choose(tab.游戏列表_游戏名_显, tab.游戏列表_游戏名_显, options.game, "game");
    }
    if (error) {
        return error;
    }
    handlers.game_chosen();
    if (options.type) {
        if ((error =
                 choose(tab.商品类型_类型_显, tab.商品类型_类型_显, *options.type, "goods type"))) {
            return error;
        }
        handlers.type_chosen();
    }
    if (options.area) {
        if ((error = choose(tab.游戏分区_大区_显, tab.游戏分区_大区_显, *options.area, "area"))) {
            return error;
        }
        handlers.area_chosen();
    }
    if (options.server) {
        if ((error = choose(tab.游戏伺服_服务器_显, tab.游戏伺服_服务器_显, *options.server,
                            "server"))) {
            return error;
        }
        handlers.server_chosen();
    }
    return std::nullopt;
}

// The deal list's menu item without its dialog: the same columns and sheet name.
int export_deals(const std::string& path, CliSession& session, std::ostream& err) {
    const DealTabControls& tab = session.controls.deal;
    const ListExport what = deal_list_export(
        tab.成交信息, tab.查询目标, export_sheet_name(host_name_of(session.setup.hosts.publisher)),
        session.clock.now());
    std::string reason;
    const bool written = export_list_view(what.list, path,
                                          {.columns = what.columns,
                                           .sheet_name = what.sheet_name,
                                           .progress_bar = &session.controls.进度条1},
                                          &reason);
    if (!written) {
        err << "quvolo-cli deals: " << gbk_to_utf8(GBK("导出失败：") + reason) << "\n";
        return exit_failure;
    }
    return exit_ok;
}

int run_deals(const CommandContext& context) {
    DealsOptions options;
    if (std::optional<std::string> error = parse(context.args, options)) {
        context.err << "quvolo-cli deals: " << *error << "\n" << deals_usage;
        return exit_usage;
    }
    std::optional<DateTime> day;
    if (options.day && !(day = parse_day(*options.day))) {
        context.err << "quvolo-cli deals: --day needs YYYY-MM-DD, got " << *options.day << "\n";
        return exit_usage;
    }
    CliSession session(context);
    MainWindowControls& controls = session.controls;
    session.load_catalogue();
    DealTabHandlers& handlers = session.handlers.deals;
    if (std::optional<std::string> error = make_choices(options, controls.deal, handlers)) {
        context.err << "quvolo-cli deals: " << *error << "\n";
        return exit_usage;
    }
    handlers.crawl_clicked();
    if (day) {
        controls.deal.日期框1.set_date(*day);
        handlers.day_changed();
        handlers.find_day_clicked();
    }
    if (options.json) {
        print_deal_json(context.out, controls);
    } else {
        print_deal_table(context.out, controls);
    }
    return options.xls ? export_deals(*options.xls, session, context.err) : exit_ok;
}

}  // namespace

const Command deals_command{"deals",
                            "every recent completed deal of a game, area, server and goods "
                            "type, with its figures",
                            deals_usage, run_deals};

}  // namespace quvolo::cli
