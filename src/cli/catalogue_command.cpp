#include "app/catalogue.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "text/codepage.h"

namespace quvolo::cli {
namespace {

constexpr std::string_view catalogue_usage =
    "usage: quvolo-cli [--config FILE] catalogue [--json]\n\n"
    "Loads the marketplace's game catalogue as the window does and prints every game:\n"
    "one line per game, identifier TAB name (UTF-8), or with --json an array of\n"
    "{\"id\": ..., \"name\": ...} objects. Exits 1 when the service answers with no games.\n";

void print_games(const CommandContext& context, const GameLists& games, bool json) {
    const int count = games.all_names.count();
    if (json) {
        context.out << "[";
        for (int i = 0; i < count; ++i) {
            context.out << (i ? ",\n " : "\n ") << "{\"id\": " << json_string(games.all_ids.item(i))
                        << ", \"name\": " << json_string(games.all_names.item(i)) << "}";
        }
        context.out << "\n]\n";
        return;
    }
    for (int i = 0; i < count; ++i) {
        context.out << gbk_to_utf8(games.all_ids.item(i)) << '\t'
                    << gbk_to_utf8(games.all_names.item(i)) << '\n';
    }
}

int run_catalogue(const CommandContext& context) {
    bool json = false;
    for (const auto& arg : context.args) {
        if (arg != "--json") {
            context.err << "quvolo-cli catalogue: unknown option " << arg << "\n"
                        << catalogue_usage;
            return exit_usage;
        }
        json = true;
    }
    CliSession session(context);
    if (session.load_catalogue() == 0) {
        context.err << "quvolo-cli catalogue: the catalogue service at "
                    << session.setup.hosts.catalogue << " answered with no games\n";
        return exit_failure;
    }
    print_games(context, session.controls.deal.game_lists(), json);
    return exit_ok;
}

}  // namespace

const Command catalogue_command{"catalogue", "list every game of the catalogue", catalogue_usage,
                                run_catalogue};

}  // namespace quvolo::cli
