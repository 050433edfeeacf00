#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quvolo {

// An INI file kept line by line, so that writing one key leaves every other line as it was.
class IniFile {
  public:
    // A missing or unreadable file reads as empty.
    static IniFile read(const std::filesystem::path& path);
    static IniFile parse(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool has_section(std::string_view section) const;
    void set_value(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;
    // Written beside the target and renamed into place; false when that fails.
    bool write(const std::filesystem::path& path) const;

  private:
    // Index of the section's header line, or lines_.size() when absent.
    std::size_t find_section(std::string_view section) const;
    std::size_t section_end(std::size_t header) const;

    std::vector<std::string> lines_;
};

}  // namespace quvolo
