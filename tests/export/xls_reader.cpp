#include "xls_reader.h"

#include <cstdio>
#include <sstream>

namespace quvolo::testing {
namespace {

std::string shell_quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string unescaped(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return plain;
}

std::vector<std::string> cells_of(std::string_view line) {
    std::vector<std::string> cells;
    for (;;) {
        const std::size_t tab = line.find('\t');
        cells.push_back(unescaped(line.substr(0, tab)));
        if (tab == std::string_view::npos) {
            return cells;
        }
        line.remove_prefix(tab + 1);
    }
}

void take_line(XlsContents& contents, const std::string& line) {
    const std::size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
    std::istringstream numbers(rest);
    if (key == "warning") {
        contents.warnings.push_back(rest);
    } else if (key == "sheets") {
        numbers >> contents.sheets;
    } else if (key == "sheet") {
        contents.sheet_name = rest;
    } else if (key == "size") {
        numbers >> contents.row_count >> contents.column_count;
    } else if (key == "row") {
        contents.rows.push_back(cells_of(rest));
    } else if (key == "not-text") {
        contents.non_text_cells.push_back(rest);
    } else if (key == "sst") {
        numbers >> contents.shared_total >> contents.shared_unique;
    } else if (key == "labelsst") {
        numbers >> contents.label_cells;
    } else if (key == "extsst") {
        contents.lookup = rest;
    } else {
        contents.unparsed += line + "\n";
    }
}

}  // namespace

XlsContents read_xls(const std::string& path) {
    const std::string command = std::string(QUVOLO_PYTHON) + " " + shell_quoted(QUVOLO_XLS_READER) +
                                " " + shell_quoted(path) + " 2>&1";
    XlsContents contents;
    FILE* output = ::popen(command.c_str(), "r");
    if (output == nullptr) {
        return contents;
    }
    std::string line;
    for (int c = std::fgetc(output); c != EOF; c = std::fgetc(output)) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        take_line(contents, line);
        line.clear();
    }
    if (!line.empty()) {
        take_line(contents, line);
    }
    contents.exit_status = ::pclose(output);
    return contents;
}

}  // namespace quvolo::testing
