#include "export_fixtures.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "text/codepage.h"

namespace quvolo::testing {

TemporaryDirectory::TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quvolo-export-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    path_ = pattern;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    for (const auto& entry : std::filesystem::directory_iterator(path_, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TemporaryDirectory::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
        names.push_back(std::filesystem::relative(entry.path(), path_).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::unique_ptr<ui::MemoryReportList> gbk_list(const std::vector<std::string>& titles,
                                               const TextTable& rows) {
    std::vector<ui::ReportColumn> columns;
    for (const std::string& title : titles) {
        columns.push_back({.title = utf8_to_gbk(title)});
    }
    auto list = std::make_unique<ui::MemoryReportList>(std::move(columns));
    std::vector<ui::ReportRow> gbk_rows;
    for (const auto& row : rows) {
        ui::ReportRow& gbk_row = gbk_rows.emplace_back();
        for (const std::string& cell : row) {
            gbk_row.cells.push_back(utf8_to_gbk(cell));
        }
    }
    list->replace_rows(std::move(gbk_rows));
    return list;
}

std::string file_contents(const std::string& path) {
    if (!std::filesystem::is_regular_file(path)) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_contents(const std::string& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

}  // namespace quvolo::testing
