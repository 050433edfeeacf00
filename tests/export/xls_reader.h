#pragma once

#include <string>
#include <vector>

namespace quvolo::testing {

// What an independent reader (xlrd) finds in an .xls file; texts in UTF-8.
struct XlsContents {
    int exit_status = -1;
    std::string unparsed;  // output lines the reader was not expected to print
    std::vector<std::string> warnings;
    int sheets = 0;
    std::string sheet_name;
    int row_count = 0;
    int column_count = 0;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> non_text_cells;  // "row column"
    long shared_total = -1;
    long shared_unique = -1;
    long label_cells = -1;
    std::string lookup;  // "ok" or "bad: why"
};

XlsContents read_xls(const std::string& path);

}  // namespace quvolo::testing
