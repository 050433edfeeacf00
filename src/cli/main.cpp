#include <array>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/commands.h"

namespace quvolo::cli {
namespace {

constexpr std::array<const Command*, 3> commands = {&fetch_command, &catalogue_command,
                                                    &deals_command};

void print_usage(std::ostream& stream) {
    stream << "usage: quvolo-cli [--help] [--config FILE] [--pace F] COMMAND [ARGS...]\n\n"
              "  --config FILE  read the hosts from FILE instead of config.ini beside the program\n"
              "                 (or $QUVOLO_CONFIG); without a [hosts] section the demo\n"
              "                 marketplace is started in this process\n"
              "  --pace F       scale every pause of the program by F (1 = its own pauses, 0 = "
              "none)\n\n"
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

// Reads the options in front of the command name; an error message when one is wrong.
std::optional<std::string> take_global_options(std::vector<std::string>& args,
                                               GlobalOptions& options) {
    while (!args.empty() && (args[0] == "--config" || args[0] == "--pace")) {
        if (args.size() < 2) {
            return args[0] + " needs a value";
        }
        if (args[0] == "--config") {
            options.config = args[1];
        } else {
            char* end = nullptr;
            options.pace = std::strtod(args[1].c_str(), &end);
            if (end == args[1].c_str() || *end != '\0' || !(options.pace >= 0)) {
                return "--pace needs a number of 0 or more, got " + args[1];
            }
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    return std::nullopt;
}

int run(std::vector<std::string> args) {
    GlobalOptions global;
    if (const auto error = take_global_options(args, global)) {
        std::cerr << "quvolo-cli: " << *error << "\n";
        return exit_usage;
    }
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
    CommandContext context{std::move(command_args), std::cout, std::cerr, global};
    return command->run(context);
}

}  // namespace
}  // namespace quvolo::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return quvolo::cli::run(std::vector<std::string>(argv + 1, argv + argc));
}
