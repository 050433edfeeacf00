#include <optional>
#include <string>

#include "cli/commands.h"
#include "net/fetch.h"

namespace quvolo::cli {
namespace {

constexpr std::string_view fetch_usage =
    "usage: quvolo-cli fetch [--method M] [--proxy P] [--header LINE]... [--data D]\n"
    "                        [--raw-headers] URL\n\n"
    "Reads URL once and writes the response body to stdout as raw bytes, nothing else.\n"
    "A failed request writes nothing; the exit code is 0 either way.\n\n"
    "  --method M      POST in any letter case sends a POST as written; anything else GET\n"
    "  --proxy P       go through the HTTP proxy P (an empty P goes direct)\n"
    "  --header LINE   add the request header LINE (repeatable, kept in order)\n"
    "  --data D        the POST body\n"
    "  --raw-headers   also write the raw response header block to stderr\n";

struct FetchOptions {
    std::string url;
    FetchRequest request;
    bool raw_headers = false;
};

// Fills options from the arguments; an error message when they do not make a request.
std::optional<std::string> parse(const std::vector<std::string>& args, FetchOptions& options) {
    for (std::size_t at = 0; at < args.size(); ++at) {
        const std::string& arg = args[at];
        bool takes_value =
            arg == "--method" || arg == "--proxy" || arg == "--header" || arg == "--data";
        if (takes_value && at + 1 == args.size()) {
            return arg + " needs a value";
        }
        if (arg == "--method") {
            options.request.method = args[++at];
        } else if (arg == "--proxy") {
            options.request.proxy = args[++at];
        } else if (arg == "--header") {
            options.request.extra_headers += args[++at] + "\r\n";
        } else if (arg == "--data") {
            options.request.post_data = args[++at];
        } else if (arg == "--raw-headers") {
            options.raw_headers = true;
        } else if (arg.starts_with("-")) {
            return "unknown option " + arg;
        } else if (!options.url.empty()) {
            return "only one URL, got a second: " + arg;
        } else {
            options.url = arg;
        }
    }
    if (options.url.empty()) {
        return std::string("a URL is needed");
    }
    return std::nullopt;
}

int run_fetch(const CommandContext& context) {
    FetchOptions options;
    if (std::optional<std::string> error = parse(context.args, options)) {
        context.err << "quvolo-cli fetch: " << *error << "\n" << fetch_usage;
        return exit_usage;
    }
    std::string raw_headers;
    if (options.raw_headers) {
        options.request.raw_headers_out = &raw_headers;
    }
    std::string body = fetch_bytes(options.url, options.request);
    context.out.write(body.data(), static_cast<std::streamsize>(body.size()));
    context.out.flush();
    context.err << raw_headers;
    return exit_ok;
}

}  // namespace

const Command fetch_command{"fetch", "read one address and write its body to stdout", fetch_usage,
                            run_fetch};

}  // namespace quvolo::cli
