#include "demo/faults.h"

#include <array>

#include "demo/query_text.h"
#include "demo/rng.h"

namespace quvolo::demo {
namespace {

struct KindName {
    FaultKind kind;
    std::string_view name;
    long long default_argument;
    long long largest_argument;
};

constexpr std::array<KindName, 8> kKinds = {{
    {FaultKind::delay, "delay", 2000, 600000},
    {FaultKind::stall, "stall", 1024, 1LL << 30},
    {FaultKind::truncate, "truncate", 512, 1LL << 30},
    {FaultKind::reset, "reset", 0, 1LL << 30},
    {FaultKind::status, "status", 500, 599},
    {FaultKind::garbage, "garbage", 4096, 64LL << 20},
    {FaultKind::bad_gbk, "bad-gbk", 0, 0},
    {FaultKind::huge, "huge", 100, 4096},
}};

const KindName* kind_named(std::string_view name) {
    for (const KindName& entry : kKinds) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

}  // namespace

std::optional<FaultRule> parse_fault_rule(std::string_view text) {
    // The kind is the last or the second-to-last field; the pattern is everything before it.
    const std::size_t last = text.rfind(':');
    if (last == std::string_view::npos)
        return std::nullopt;
    FaultRule rule;
    const KindName* kind = kind_named(text.substr(last + 1));
    std::string_view pattern = text.substr(0, last);
    std::optional<long long> argument;
    if (!kind) {
        const std::size_t before = pattern.rfind(':');
        if (before == std::string_view::npos)
            return std::nullopt;
        kind = kind_named(pattern.substr(before + 1));
        argument = digits_value(text.substr(last + 1), 12);
        if (!kind || !argument)
            return std::nullopt;
        pattern = pattern.substr(0, before);
    }
    if (pattern.empty())
        return std::nullopt;
    rule.pattern = std::string(pattern);
    rule.kind = kind->kind;
    rule.argument = argument.value_or(kind->default_argument);
    if (rule.argument > kind->largest_argument)
        return std::nullopt;
    if (rule.kind == FaultKind::status && rule.argument < 400)
        return std::nullopt;
    if (rule.kind == FaultKind::huge && rule.argument < 1)
        return std::nullopt;
    return rule;
}

std::string fault_rule_text(const FaultRule& rule) {
    for (const KindName& entry : kKinds) {
        if (entry.kind != rule.kind)
            continue;
        std::string text = rule.pattern + ":" + std::string(entry.name);
        if (entry.largest_argument > 0)
            text += ":" + std::to_string(rule.argument);
        return text;
    }
    return rule.pattern;
}

bool path_matches(std::string_view pattern, std::string_view path) {
    // Greedy glob with backtracking to the last star: linear enough for short patterns.
    std::size_t p = 0, s = 0, star = std::string_view::npos, resume = 0;
    while (s < path.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = s;
        } else if (p < pattern.size() && pattern[p] == path[s]) {
            ++p;
            ++s;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            s = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

FaultPlan plan_for(const std::vector<FaultRule>& rules, std::string_view path) {
    FaultPlan plan;
    for (const FaultRule& rule : rules) {
        if (!path_matches(rule.pattern, path))
            continue;
        if (rule.kind == FaultKind::delay) {
            plan.delay += std::chrono::milliseconds(rule.argument);
        } else if (!plan.action) {
            plan.action = rule;
        }
    }
    return plan;
}

std::string garbage_bytes(std::size_t size, std::string_view path) {
    Random rng(hash_text(path));
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(rng.next() & 0xFF);
    return bytes;
}

std::string broken_gbk(std::string_view gbk_page) {
    std::string out(gbk_page);
    int wide_seen = 0;
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (static_cast<unsigned char>(out[i]) < 0x80)
            continue;
        // Every third double-byte character loses its trail byte to one no code page
        // accepts; the others are skipped whole.
        if (++wide_seen % 3 == 0)
            out[i + 1] = '\x7F';
        ++i;
    }
    out += '\x81';  // a lead byte with nothing after it
    return out;
}

}  // namespace quvolo::demo
