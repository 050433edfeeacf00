#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quvolo::demo {

// A misbehaviour the demo shows on request, for reliability tests.
enum class FaultKind {
    delay,     // wait `argument` ms before answering
    stall,     // send `argument` bytes of the body, then send nothing more while the client waits
    truncate,  // send `argument` bytes of the body, then close
    reset,     // send `argument` bytes of the body, then reset the connection
    status,    // answer with HTTP status `argument` (404, 500, ...) and an error page
    garbage,   // answer with `argument` random bytes
    bad_gbk,   // the page with broken double-byte characters
    huge,      // the page padded to `argument` MiB
};

struct FaultRule {
    std::string pattern;  // path pattern, "*" matches any run of characters
    FaultKind kind = FaultKind::delay;
    long long argument = 0;
};

// "PATTERN:KIND[:ARG]", e.g. "/list/*:delay:1500", "*:reset", "/ajax.axd:status:500".
// A missing ARG takes the kind's default. Empty result for anything else.
std::optional<FaultRule> parse_fault_rule(std::string_view text);
std::string fault_rule_text(const FaultRule& rule);

bool path_matches(std::string_view pattern, std::string_view path);

// What happens to one request: every matching delay adds up, the first other matching rule
// decides the answer.
struct FaultPlan {
    std::chrono::milliseconds delay{0};
    std::optional<FaultRule> action;
};
FaultPlan plan_for(const std::vector<FaultRule>& rules, std::string_view path);

// Bodies of the faults that change bytes.
std::string garbage_bytes(std::size_t size, std::string_view path);
std::string broken_gbk(std::string_view gbk_page);

}  // namespace quvolo::demo
