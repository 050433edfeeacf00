#include <array>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/commands.h"

namespace quvolo::cli {
namespace {

constexpr std::array<const Command*, 1> commands = {&fetch_command};

void print_usage(std::ostream& stream) {
    stream << "usage: quvolo-cli [--help] COMMAND [ARGS...]\n\n"
              "commands:\n";
    for (const Command* command : commands) {
        stream << "  " << command->name << "  " << command->summary << "\n";
    }
    stream << "\n'quvolo-cli COMMAND --help' shows a command's options.\n";
}

const Command* find_command(std::string_view name) {
    for (const Command* command : commands) {
        if (command->name == name) {
            return command;
        }
    }
    return nullptr;
}

int run(const std::vector<std::string>& args) {
    // Options in front of the command name are the program's own, for every command.
    if (args.empty()) {
        print_usage(std::cerr);
        return exit_usage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        print_usage(std::cout);
        return exit_ok;
    }
    if (args[0].starts_with("-")) {
        std::cerr << "quvolo-cli: unknown option " << args[0] << "\n";
        print_usage(std::cerr);
        return exit_usage;
    }
    const Command* command = find_command(args[0]);
    if (command == nullptr) {
        std::cerr << "quvolo-cli: unknown command " << args[0] << "\n";
        print_usage(std::cerr);
        return exit_usage;
    }
    std::vector<std::string> command_args(args.begin() + 1, args.end());
    if (command_args.size() == 1 && (command_args[0] == "--help" || command_args[0] == "-h")) {
        std::cout << command->usage;
        return exit_ok;
    }
    CommandContext context{std::move(command_args), std::cout, std::cerr};
    return command->run(context);
}

}  // namespace
}  // namespace quvolo::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return quvolo::cli::run(std::vector<std::string>(argv + 1, argv + argc));
}
