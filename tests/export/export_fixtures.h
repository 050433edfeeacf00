#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/memory_report_list.h"

namespace quvolo::testing {

using TextTable = std::vector<std::vector<std::string>>;

// A fresh directory under the system's temporary folder, removed with everything in it.
class TemporaryDirectory {
  public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Paths of everything in the directory, relative to it, sorted.
    std::vector<std::string> entries() const;

  private:
    std::string path_;
};

// A report list with these titles and rows, given in UTF-8 and held as GBK.
std::unique_ptr<ui::MemoryReportList> gbk_list(const std::vector<std::string>& titles,
                                               const TextTable& rows);

// Empty for anything but a regular file.
std::string file_contents(const std::string& path);
void write_contents(const std::string& path, const std::string& contents);

}  // namespace quvolo::testing
