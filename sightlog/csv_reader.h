/// \file csv_reader.h
/// \brief Reading the CSV of a batch or a sight log a line at a time, in
/// bounded memory. No Qt.
///
/// A line ends with LF, CR LF or a lone CR; a byte-order mark before the
/// first is dropped. Lines are numbered from 1, every line counted. A line
/// holds at most maxLineBytes bytes before its end: a longer one is a fault
/// of its line, given as soon as it is known, and the rest of it is passed
/// over when the next line is asked for, never held (a file with no line
/// end at all is one such line: a reader that stops at it has read no more
/// than twice maxLineBytes of it). The stream is read as far as the line
/// asked for and no further, so a batch from a pipe is answered line by
/// line.
///
/// Blank lines and lines starting with # (blanks before it aside) are
/// skipped. Cells lose the blanks around them; a cell in double quotes may
/// hold commas and doubled quotes, and its quote closes on its line.
///
/// The first line not skipped is the header, naming the columns; names are
/// matched in any case (sameName: "UTC", "Utc" and "utc" alike). A line
/// with more cells than the header names is a fault of its line.
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace morvel::sightlog {

/// The longest line read, its end aside: 64 KiB.
inline constexpr size_t maxLineBytes = 64 * 1024;

/// Why a line could not be taken into cells.
enum class LineFault { none, unclosedQuote, tooLong, tooManyCells };

class CsvReader {
public:
    explicit CsvReader(std::istream& in);

    /// Each line passed over, blank or a comment, as it stands (without its
    /// end).
    using Passed = std::function<void(std::string_view)>;

    /// The header, the first line not skipped, into names; false when the
    /// stream ends first. The lines before it go to passed, when given.
    /// fault() says whether the header could be read.
    bool header(std::vector<std::string>& names, const Passed& passed = {});
    /// The next line that is not skipped, into cells; false at the end.
    /// When fault() is not none the cells are partial or empty. The lines
    /// passed over on the way go to passed, when given.
    bool next(std::vector<std::string>& cells, const Passed& passed = {});
    /// The line last read as it stands, without its end (of a line too
    /// long, its first maxLineBytes).
    std::string_view text() const { return line_; }
    /// What was wrong with the line last read.
    LineFault fault() const { return fault_; }
    /// The fault in words ("an unclosed quote", "longer than 65536 bytes",
    /// "6 cells for 5 columns"); empty when there is none.
    std::string why() const;
    /// The number of the line last read, from 1.
    int line() const { return number_; }

private:
    /// The next whole line into line_ (at most maxLineBytes of it); false at
    /// the end of the stream.
    bool readLine();
    /// More of the stream into buffer_, as much as it holds ready (at
    /// least one byte unless it has ended); false at the end.
    bool fill();
    /// The next line that is not skipped into line_, numbered, its fault
    /// too long or none; the lines passed over go to passed.
    bool record(const Passed& passed);

    std::streambuf* in_;
    std::ostream* tie_;  ///< flushed before the reader waits for input
    std::vector<char> buffer_;
    size_t pos_ = 0, end_ = 0;
    std::string line_;
    bool longLine_ = false;
    bool passing_ = false;  ///< passing over the rest of a line too long
    bool afterCr_ = false;
    int number_ = 0;
    size_t width_ = 0;  ///< the header's cells; 0 before the header
    size_t cells_ = 0;  ///< the cells of the last line
    LineFault fault_ = LineFault::none;
};

/// Whether a header's cell is the column name, letters in any case.
bool sameName(std::string_view cell, std::string_view name);

}  // namespace morvel::sightlog
