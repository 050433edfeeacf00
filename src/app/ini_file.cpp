#include "app/ini_file.h"

#include "files/replace_file.h"

#include <fstream>
#include <sstream>

namespace quvolo {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool is_section_header(std::string_view line) {
    const auto text = trimmed(line);
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

std::string_view section_name(std::string_view line) {
    const auto text = trimmed(line);
    return trimmed(text.substr(1, text.size() - 2));
}

// The key of a "key=value" line, or nothing for comments and other lines.
std::optional<std::string_view> key_of(std::string_view line) {
    const auto text = trimmed(line);
    if (text.empty() || text.front() == ';' || text.front() == '#') {
        return std::nullopt;
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return trimmed(text.substr(0, equals));
}

}  // namespace

IniFile IniFile::read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return parse(text.str());
}

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        file.lines_.emplace_back(line);
        start = end + 1;
    }
    return file;
}

std::size_t IniFile::find_section(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (is_section_header(lines_[i]) && section_name(lines_[i]) == section) {
            return i;
        }
    }
    return lines_.size();
}

std::size_t IniFile::section_end(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && !is_section_header(lines_[end])) {
        ++end;
    }
    return end;
}

bool IniFile::has_section(std::string_view section) const {
    return find_section(section) < lines_.size();
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto header = find_section(section);
    if (header == lines_.size()) {
        return std::nullopt;
    }
    for (std::size_t i = header + 1; i < section_end(header); ++i) {
        if (key_of(lines_[i]) == key) {
            const auto& line = lines_[i];
            return std::string(trimmed(std::string_view(line).substr(line.find('=') + 1)));
        }
    }
    return std::nullopt;
}

void IniFile::set_value(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(key) + "=" + std::string(value);
    const auto header = find_section(section);
    if (header == lines_.size()) {
        while (!lines_.empty() && trimmed(lines_.back()).empty()) {
            lines_.pop_back();
        }
        if (!lines_.empty()) {
            lines_.emplace_back();
        }
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(line);
        return;
    }
    const auto end = section_end(header);
    auto insert_at = end;
    for (std::size_t i = header + 1; i < end; ++i) {
        if (key_of(lines_[i]) == key) {
            lines_[i] = line;
            return;
        }
        if (!trimmed(lines_[i]).empty()) {
            insert_at = i + 1;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at), line);
}

std::string IniFile::text() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool IniFile::write(const std::filesystem::path& path) const {
    std::string ignored_reason;
    return write_file_replacing(path.string(), text(), ignored_reason);
}

}  // namespace quvolo
