#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quvolo::cli {

// The options in front of the command name, for every command.
struct GlobalOptions {
    std::optional<std::filesystem::path> config;  // --config FILE
    double pace = 1.0;                            // --pace F: scales every pause
};

// What a command gets: its own arguments (after its name) and where to write.
struct CommandContext {
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
    GlobalOptions global;
};

// Exit codes shared by every command.
inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;
inline constexpr int exit_usage = 2;

struct Command {
    std::string_view name;
    std::string_view summary;  // one line for the command list
    std::string_view usage;    // full help, options included
    int (*run)(const CommandContext& context);
};

}  // namespace quvolo::cli
