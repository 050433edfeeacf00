#include "text/pattern_matcher.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "text/codepage.h"
#include "text/gbk_literal.h"
#include "text/gbk_search.h"
#include "text/split.h"

namespace quvolo {

namespace {

// Bounds for a hostile subject or pattern: the engine's backtracking memory, the JIT stack, and
// the offsets kept for the matches of one run (16 M offsets, 128 MB).
constexpr std::uint32_t kHeapLimitKib = 64 * 1024;
constexpr std::size_t kJitStackStart = 32 * 1024;
constexpr std::size_t kJitStackMax = 1024 * 1024;
constexpr std::size_t kMaxStoredOffsets = std::size_t{1} << 24;

// JavaScript's reading of a pattern, as far as the engine offers it: \uHHHH and \xHH escapes,
// "[]" and "[^]" classes, a back reference to an unset group matching empty, "$" only at the very
// end outside multiline mode, an unknown escape standing for its letter.
constexpr std::uint32_t kJavaScriptOptions = PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS |
                                             PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY;

class ThreadMatchContext {
  public:
    ThreadMatchContext()
        : context_(pcre2_match_context_create(nullptr)),
          jit_stack_(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr)) {
        if (context_ != nullptr) {
            pcre2_set_heap_limit(context_, kHeapLimitKib);
            pcre2_jit_stack_assign(context_, nullptr, jit_stack_);
        }
    }
    ThreadMatchContext(const ThreadMatchContext&) = delete;
    ThreadMatchContext& operator=(const ThreadMatchContext&) = delete;
    ~ThreadMatchContext() {
        pcre2_match_context_free(context_);
        pcre2_jit_stack_free(jit_stack_);
    }

    pcre2_match_context* get() const { return context_; }

  private:
    pcre2_match_context* context_;
    pcre2_jit_stack* jit_stack_;
};

// The JIT stack may not be shared between threads that match at the same time.
thread_local ThreadMatchContext thread_match_context;

int match_once(const pcre2_code* code, std::string_view subject, std::size_t start,
               std::uint32_t options, pcre2_match_data* data) {
    const auto* bytes = reinterpret_cast<PCRE2_SPTR>(subject.data());
    pcre2_match_context* context = thread_match_context.get();
    const int result = pcre2_match(code, bytes, subject.size(), start, options, data, context);
    if (result != PCRE2_ERROR_JIT_STACKLIMIT) {
        return result;
    }
    // The interpreter keeps its backtracking on the heap, under the heap limit.
    return pcre2_match(code, bytes, subject.size(), start, options | PCRE2_NO_JIT, data, context);
}

std::size_t utf8_length_at(std::string_view text, std::size_t offset) {
    if (offset >= text.size()) {
        return 1;
    }
    const auto lead = static_cast<unsigned char>(text[offset]);
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

bool is_utf8_continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

struct PatternMatcher::Compiled {
    Compiled(std::string pattern_gbk, std::uint32_t options) : pattern(std::move(pattern_gbk)) {
        const std::string utf8 = gbk_to_utf8(pattern);
        pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
        if (context != nullptr) {
            pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF);
            pcre2_set_compile_extra_options(context, PCRE2_EXTRA_BAD_ESCAPE_IS_LITERAL);
        }
        int error = 0;
        PCRE2_SIZE error_offset = 0;
        code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(), options,
                             &error, &error_offset, context);
        pcre2_compile_context_free(context);
        if (code == nullptr) {
            return;
        }
        pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);  // without JIT the interpreter serves
        std::uint32_t captures = 0;
        pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captures);
        group_count = static_cast<int>(captures);
    }
    Compiled(const Compiled&) = delete;
    Compiled& operator=(const Compiled&) = delete;
    ~Compiled() { pcre2_code_free(code); }

    std::string pattern;
    pcre2_code* code = nullptr;
    int group_count = 0;
};

PatternMatcher::PatternMatcher() = default;
PatternMatcher::~PatternMatcher() = default;
PatternMatcher::PatternMatcher(const PatternMatcher& other) = default;
PatternMatcher& PatternMatcher::operator=(const PatternMatcher& other) = default;

bool PatternMatcher::run(std::string_view pattern, std::string_view subject, bool case_sensitive,
                         bool multiline, bool global, bool quote_placeholder) {
    std::string effective_pattern =
        quote_placeholder ? quvolo::replace_all(pattern, GBK("#引号"), "\"") : std::string(pattern);
    std::uint32_t options = kJavaScriptOptions;
    if (!case_sensitive) {
        options |= PCRE2_CASELESS;
    }
    if (multiline) {
        options |= PCRE2_MULTILINE;
    }
    compiled_ = std::make_shared<const Compiled>(std::move(effective_pattern), options);
    subject_.assign(subject);
    subject_utf8_ = gbk_to_utf8(subject);
    offsets_.clear();
    if (compiled_->code == nullptr || !collect_matches(global)) {
        offsets_.clear();
        return false;
    }
    return true;
}

bool PatternMatcher::collect_matches(bool global) {
    const pcre2_code* code = compiled_->code;
    const std::unique_ptr<pcre2_match_data, void (*)(pcre2_match_data*)> data(
        pcre2_match_data_create_from_pattern(code, nullptr), pcre2_match_data_free);
    if (!data) {
        return false;
    }
    const std::size_t per_match = offsets_per_match();
    std::uint32_t options = 0;  // the first call checks the UTF-8, later ones need not
    std::size_t start = 0;
    while (start <= subject_utf8_.size()) {
        const int result = match_once(code, subject_utf8_, start, options, data.get());
        if (result == PCRE2_ERROR_NOMATCH) {
            return true;
        }
        if (result < 0 || offsets_.size() + per_match > kMaxStoredOffsets) {
            return false;
        }
        options = PCRE2_NO_UTF_CHECK;
        const PCRE2_SIZE* found = pcre2_get_ovector_pointer(data.get());
        offsets_.insert(offsets_.end(), found, found + per_match);
        if (!global) {
            return true;
        }
        const std::size_t begin = found[0];
        const std::size_t end = found[1];
        start = end > begin ? end : end + utf8_length_at(subject_utf8_, end);
    }
    return true;
}

std::size_t PatternMatcher::offsets_per_match() const {
    return compiled_ ? 2 * (static_cast<std::size_t>(compiled_->group_count) + 1) : 2;
}

std::string PatternMatcher::pattern_text() const {
    return compiled_ ? compiled_->pattern : "";
}

int PatternMatcher::match_count() const {
    return static_cast<int>(offsets_.size() / offsets_per_match());
}

int PatternMatcher::submatch_count() const {
    return match_count() > 0 ? compiled_->group_count : 0;
}

std::string PatternMatcher::match_text(int index, int* position_out) const {
    return text_at(index, 0, position_out);
}

std::string PatternMatcher::submatch_text(int index, int group, int* position_out) const {
    return text_at(index, group >= 1 ? group : -1, position_out);
}

std::string PatternMatcher::text_at(int index, int group, int* position_out) const {
    if (index < 1 || index > match_count() || group < 0 || group > submatch_count()) {
        if (position_out != nullptr) {
            *position_out = -1;
        }
        return {};
    }
    const std::size_t match = static_cast<std::size_t>(index - 1);
    std::string text = utf8_to_gbk(utf8_span(match, group));
    if (position_out != nullptr) {
        *position_out = byte_position_of(text, offsets_[match * offsets_per_match()]);
    }
    return text;
}

std::string_view PatternMatcher::utf8_span(std::size_t match, int group) const {
    const std::size_t* span = &offsets_[match * offsets_per_match() + 2 * group];
    if (span[0] == PCRE2_UNSET) {
        return {};
    }
    return std::string_view(subject_utf8_).substr(span[0], span[1] - span[0]);
}

// The text is looked for in the subject from the byte whose offset equals the match's
// character index: a character never takes fewer bytes than one, so that is at or before it.
int PatternMatcher::byte_position_of(std::string_view text, std::size_t match_begin) const {
    int characters_before = 0;
    for (std::size_t i = 0; i < match_begin; ++i) {
        characters_before += is_utf8_continuation(subject_utf8_[i]) ? 0 : 1;
    }
    const int found = find_text(subject_, text, characters_before + 1);
    return found == -1 ? -1 : found - 1;
}

std::string PatternMatcher::replace_all(std::string_view replacement) const {
    if (!compiled_ || compiled_->code == nullptr) {
        return {};
    }
    if (offsets_.empty()) {
        return subject_;
    }
    const std::string replacement_utf8 = gbk_to_utf8(replacement);
    std::string out;
    std::size_t copied = 0;
    for (std::size_t match = 0; match < static_cast<std::size_t>(match_count()); ++match) {
        const std::size_t begin = offsets_[match * offsets_per_match()];
        out.append(subject_utf8_, copied, begin - copied);
        append_expansion(out, replacement_utf8, match);
        copied = offsets_[match * offsets_per_match() + 1];
    }
    out.append(subject_utf8_, copied);
    return utf8_to_gbk(out);
}

void PatternMatcher::append_expansion(std::string& out, std::string_view replacement,
                                      std::size_t match) const {
    const std::string_view subject(subject_utf8_);
    const std::size_t begin = offsets_[match * offsets_per_match()];
    const std::size_t end = offsets_[match * offsets_per_match() + 1];
    const int groups = compiled_->group_count;
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        const char next = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
        if (c != '$' || next == '\0') {
            out.push_back(c);
        } else if (next == '$') {
            out.push_back('$');
            ++i;
        } else if (next == '&') {
            out.append(subject.substr(begin, end - begin));
            ++i;
        } else if (next == '`') {
            out.append(subject.substr(0, begin));
            ++i;
        } else if (next == '\'') {
            out.append(subject.substr(end));
            ++i;
        } else if (is_digit(next)) {
            // "$nn" names a group when nn exists, else "$n" does and the digit after is literal.
            const int one_digit = next - '0';
            const bool has_second = i + 2 < replacement.size() && is_digit(replacement[i + 2]);
            const int two_digits = has_second ? one_digit * 10 + (replacement[i + 2] - '0') : 0;
            if (has_second && two_digits >= 1 && two_digits <= groups) {
                out.append(utf8_span(match, two_digits));
                i += 2;
            } else if (one_digit >= 1 && one_digit <= groups) {
                out.append(utf8_span(match, one_digit));
                ++i;
            } else {
                out.push_back('$');
            }
        } else {
            out.push_back('$');
        }
    }
}

}  // namespace quvolo
