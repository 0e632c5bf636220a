/// \file book.h
/// \brief The azimuth book as the compass window keeps it: the DR given
/// once, one bearing of a body a row as typed, the file that holds them,
/// what each row gives (its true azimuth, the compass error and the
/// deviation) and the deviation card of the rows that give a deviation on
/// a ship's head. No Qt.
///
/// A row's cells, in the file's order:
///
///   utc        the instant in UTC, 2026-12-07T11:48:10Z
///   body       any body the almanac knows, by any name findBody reads
///   bearing    the compass's bearing of the body's centre, 0 to 360
///   compass    magnetic or gyro, any case (empty: magnetic)
///   heading    the ship's head by that compass, 0 to 360 (may be empty)
///   variation  the chart's, east or west ("2.5 E", "1.0W", signed east
///              positive), or auto for the World Magnetic Model's at the
///              row's position and time (magnetic.h); empty: not known,
///              and then no deviation. A gyro takes none.
///
/// utc, body and bearing are needed. Every row is worked at the DR run on
/// to its time (sightlog::readDr and sight::DeadReckoning::after, as the
/// sight log's rows that follow the DR), by the azimuth method (compass.h).
///
/// The file is CSV with the header
///
///   utc,body,bearing,compass,heading,variation
///
/// (names in any case and order; utc, body and bearing needed), and before
/// it the DR in a comment line as the sight log keeps it,
///
///   # dr: 41 10.0N 66 30.0W; 2026-12-07T11:00:00Z; 090; 12
///
/// Every other line that is no row (comments, `# key: value` lines, blank
/// lines, lines that could not be taken in) is kept where it stood and
/// written back so, as sightlog/logbook.h keeps them: before the header
/// in their order, among the rows after the row they followed.
///
/// A row is empty (every cell blank), incomplete (a needed cell blank, or
/// no DR), bad (a cell cannot be read, the model cannot give the
/// variation, the bearing is refused: the column and the reason kept) or
/// checked. The deviation card (deviation_card.h) is fitted to the
/// checked magnetic rows that give both a heading and a deviation.
#pragma once

#include "compass/compass.h"
#include "compass/deviation_card.h"
#include "sightlog/logbook.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace morvel::compass {

enum class BookColumn : int { utc, body, bearing, compass, heading, variation };
inline constexpr size_t bookColumns = 6;
inline constexpr std::array<const char*, bookColumns> bookColumnNames = {"utc",     "body",    "bearing",
                                                                         "compass", "heading", "variation"};
using BookCells = std::array<std::string, bookColumns>;

struct Book {
    sightlog::DrTrack dr;
    std::vector<BookCells> rows;
    /// The lines before the header, the DR's aside; the DR's line stands
    /// after drAt of them.
    std::vector<std::string> head;
    size_t drAt = 0;
    /// The lines among the rows that are no rows, in the file's order.
    std::vector<sightlog::LogNote> notes;
    bool operator==(const Book&) const = default;
};

/// A row added at at, after the notes that follow the row before it; a row
/// taken away leaves its notes where they stood.
void insertRow(Book& book, size_t at, const BookCells& cells);
void removeRow(Book& book, size_t at);

enum class RowStatus { empty, incomplete, bad, checked };

struct RowResult {
    RowStatus status = RowStatus::empty;
    /// The column at fault (bad) or first missing (incomplete), and why.
    BookColumn column = BookColumn::utc;
    std::string why;
    Bearing bearing;  ///< as read (the DR's position at its time)
    Check check;      ///< checked rows
    std::optional<double> heading;
    bool modelled = false;  ///< the variation is the model's
    std::string warning;    ///< the model's zone, in words; empty when clear
};

struct Worked {
    sightlog::DrRead dr;
    std::vector<RowResult> rows;
    /// The card's observations and the row of each.
    std::vector<Swung> swung;
    std::vector<size_t> rowOf;
    DeviationCard card;
};

/// One row read and checked at the DR.
RowResult workRow(const BookCells& cells, const sightlog::DrRead& dr);

/// Every row, and the card.
Worked work(const Book& book);

/// The book as its file holds it; keys, when given, stand first.
void writeBook(std::ostream& out, const Book& book, const std::vector<sightlog::LogKey>& keys = {});

struct BookFile {
    Book book;
    std::vector<sightlog::LogKey> keys;
    /// Lines that could not be taken in, each kept among the notes.
    std::vector<sightlog::SightLogError> errors;
    bool badHeader = false;
};

BookFile readBook(std::istream& in);

}  // namespace morvel::compass
