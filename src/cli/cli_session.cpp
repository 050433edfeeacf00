#include "cli/cli_session.h"

#include <unistd.h>

#include "demo/demo_marketplace.h"

namespace quvolo::cli {
namespace {

std::filesystem::path program_dir() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace

CliSession::CliSession(const CommandContext& context)
    : setup(set_up_hosts(choose_config_path(program_dir(), context.global.config))),
      desktop(context.err),
      pacer(context.global.pace),
      services{setup.hosts,         program_dir(), {web, pacer, clock, desktop, tasks},
               appearance,          alarm,         windows,
               [] { return false; }},
      handlers(controls, services) {
    if (!setup.note.empty()) {
        context.err << setup.note << "\n";
    }
}

int CliSession::load_catalogue() {
    handlers.filters.load_catalogue();
    return controls.deal.游戏列表_游戏名_隐.count();
}

}  // namespace quvolo::cli
