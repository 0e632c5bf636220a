/// \file csv_reader.h
/// \brief Reading the CSV of a batch a line at a time. No Qt.
///
/// Lines end with LF or CR LF; a byte-order mark before the first is
/// dropped. Blank lines and lines starting with # are skipped. Cells lose
/// the blanks around them; a cell in double quotes may hold commas and
/// doubled quotes.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace morvel::sightlog {

/// Whether a line is skipped: blank, or a comment (# after any blanks).
bool csvSkipped(std::string_view line);

/// The cells of one line; false for an unclosed quote (cells then partial).
bool splitCsvLine(std::string_view line, std::vector<std::string>& cells);

class CsvReader {
public:
    explicit CsvReader(std::istream& in);

    /// The next line that is not skipped, into cells; false at the end.
    /// unclosed is set when a quote is not closed (cells are then partial).
    bool next(std::vector<std::string>& cells, bool& unclosed);
    /// The number of the line last read, from 1.
    int line() const { return number_; }

private:
    std::string data_;
    size_t pos_ = 0;
    int number_ = 0;
};

}  // namespace morvel::sightlog
