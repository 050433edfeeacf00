#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quvolo {

// What one Excel 97-2003 worksheet can hold.
inline constexpr int kBiff8MaxRows = 65536;
inline constexpr int kBiff8MaxColumns = 256;
inline constexpr std::size_t kBiff8MaxCellCharacters = 32767;

// A workbook of one worksheet whose cells all hold text. Every cell names one of the unique
// strings, so a text repeated down a column is stored once.
struct TextWorkbook {
    std::u16string sheet_name;  // already valid for Excel: 1 to 31 units, no forbidden characters
    std::vector<std::u16string> strings;  // unique, each at most kBiff8MaxCellCharacters units
    int column_count = 0;                 // 1 to kBiff8MaxColumns
    std::vector<std::uint32_t> cells;     // row after row, indexes into strings
};

// The "Workbook" stream of an .xls file holding the book, in BIFF8.
std::string biff8_workbook_stream(const TextWorkbook& book);

}  // namespace quvolo
