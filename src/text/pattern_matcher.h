#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quvolo {

// JavaScript-like regular expressions over GBK text: matching counts characters, not bytes
// ("." never matches CR or LF; with multiline "^"/"$" also match at line breaks). A global run
// finds all non-overlapping matches left to right, stepping one character past an empty match.
// One object belongs to one operation on one thread; a copy shares the compiled pattern and
// keeps its own subject and matches.
class PatternMatcher {
  public:
    PatternMatcher();
    ~PatternMatcher();
    PatternMatcher(const PatternMatcher& other);
    PatternMatcher& operator=(const PatternMatcher& other);

    // False, with no matches, when the pattern is rejected or matching gives up on a pattern
    // that would run away (catastrophic backtracking, too many matches to hold).
    bool run(std::string_view pattern, std::string_view subject, bool case_sensitive = false,
             bool multiline = true, bool global = true, bool quote_placeholder = false);
    std::string pattern_text() const;
    // The subject with the matches of the last run replaced; "$1".."$99", "$&", "$`", "$'" and
    // "$$" expand as in JavaScript. Empty when the last pattern was rejected.
    std::string replace_all(std::string_view replacement) const;
    int match_count() const;
    // Indexes from 1; position_out receives a byte offset from 0 into the subject, or -1. An index
    // outside the matches or groups gives empty text.
    std::string match_text(int index, int* position_out = nullptr) const;
    std::string submatch_text(int index, int group, int* position_out = nullptr) const;
    int submatch_count() const;

  private:
    struct Compiled;

    bool collect_matches(bool global);
    std::size_t offsets_per_match() const;
    std::string text_at(int index, int group, int* position_out) const;
    int byte_position_of(std::string_view text, std::size_t match_begin) const;
    void append_expansion(std::string& out, std::string_view replacement, std::size_t match) const;
    std::string_view utf8_span(std::size_t match, int group) const;

    std::shared_ptr<const Compiled> compiled_;  // shared on copy, like the component objects
    std::string subject_;
    // The engine matches the subject as UTF-8; matches are kept as offsets into it and their
    // texts converted back only when asked for.
    std::string subject_utf8_;
    std::vector<std::size_t> offsets_;  // per match: begin and end of the match, then of each group
};

}  // namespace quvolo
