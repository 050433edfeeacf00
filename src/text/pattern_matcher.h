#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace quvolo {

// JavaScript-like regular expressions over GBK text: matching counts characters, not bytes
// ("." never crosses CR or LF; with multiline "^"/"$" also match at line breaks).
// One object belongs to one operation on one thread.
class PatternMatcher {
public:
    PatternMatcher();
    ~PatternMatcher();
    PatternMatcher(const PatternMatcher& other);
    PatternMatcher& operator=(const PatternMatcher& other);

    bool run(std::string_view pattern, std::string_view subject, bool case_sensitive = false,
             bool multiline = true, bool global = true, bool quote_placeholder = false);
    std::string pattern_text() const;
    std::string replace_all(std::string_view replacement) const;
    int match_count() const;
    // Indexes from 1; position_out receives a byte offset from 0 into the subject.
    std::string match_text(int index, int* position_out = nullptr) const;
    std::string submatch_text(int index, int group, int* position_out = nullptr) const;
    int submatch_count() const;

private:
    struct Compiled;
    std::shared_ptr<const Compiled> compiled_;  // shared on copy, like the component objects
    std::string subject_;
};

}  // namespace quvolo
