#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quvolo::cli {

// What a command gets: its own arguments (after its name) and where to write.
struct CommandContext {
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

// Exit codes shared by every command.
inline constexpr int exit_ok = 0;
inline constexpr int exit_usage = 2;

struct Command {
    std::string_view name;
    std::string_view summary;  // one line for the command list
    std::string_view usage;    // full help, options included
    int (*run)(const CommandContext& context);
};

}  // namespace quvolo::cli
