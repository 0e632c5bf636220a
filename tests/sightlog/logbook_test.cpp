// A log worked again edit by edit is the log worked whole: random cell
// edits (good and bad texts), rows added and taken away, the DR moved,
// given and taken back, each followed by rework, compared with work. The
// file's lines that are no rows: kept where they stood, notes moving with
// the rows around them; a cell's blanks and tabs kept by quoting.
#include "engine/angles.h"
#include "sightlog/logbook.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

using namespace morvel;
using namespace morvel::sightlog;

namespace {

/// What a row gives, to the last bit; and the fix.
void expectSame(const Worked& a, const Worked& b, int step)
{
    ASSERT_EQ(a.rows.size(), b.rows.size()) << step;
    for (size_t i = 0; i < a.rows.size(); ++i) {
        const RowResult &x = a.rows[i], &y = b.rows[i];
        EXPECT_EQ(x.status, y.status) << step << " row " << i;
        EXPECT_EQ(x.why, y.why) << step << " row " << i;
        EXPECT_EQ(x.inFix, y.inFix) << step << " row " << i;
        EXPECT_EQ(x.reduction.hc, y.reduction.hc) << step << " row " << i;
        EXPECT_EQ(x.reduction.zn, y.reduction.zn) << step << " row " << i;
        EXPECT_EQ(x.reduction.intercept, y.reduction.intercept) << step << " row " << i;
    }
    EXPECT_EQ(a.rowOf, b.rowOf) << step;
    EXPECT_EQ(a.fix.status, b.fix.status) << step;
    EXPECT_EQ(a.fix.lat, b.fix.lat) << step;
    EXPECT_EQ(a.fix.lon, b.fix.lon) << step;
    EXPECT_EQ(a.fix.residuals, b.fix.residuals) << step;
}

TEST(Logbook, ReworkedEditByEditIsWorkedWhole)
{
    // An evening's stars from a DR, one with a DR of its own.
    Logbook book;
    book.dr = {"40 05.0N 35 45.0W", "2026-12-07T19:30:00Z", "090", "12"};
    const char* const stars[][3] = {{"2026-12-07T19:33:00Z", "Capella", "19 2.2"},
                                    {"2026-12-07T19:34:00Z", "Altair", "45 1.7"},
                                    {"2026-12-07T19:35:00Z", "Vega", "48 2.9"},
                                    {"2026-12-07T19:36:00Z", "Fomalhaut", "19 51.6"}};
    for (const auto& s : stars)
        book.rows.push_back({s[0], s[1], "", s[2], "-1.2", "3.5", "", "", "", ""});
    book.rows[2][size_t(SightColumn::drLat)] = "40 07.0N";
    book.rows[2][size_t(SightColumn::drLon)] = "35 40.0W";

    // By the watch from the third row on, the zone changed before the
    // fourth, when the DR gives a date, zone or watch error.
    book.notes = {{2, "# zone: -0"}, {3, "# zone: 0"}, {3, "# watch error: 2 s fast"}};

    // Texts for each column, bad ones among them.
    const std::vector<std::vector<std::string>> texts = {
        {"2026-12-07T19:37:00Z", "2026-12-07T19:33:00Z", "2026-13-07T19:00:00Z", "", "19:35", "19:36:10",
         "2026-12-07 19:34", "24:00"},
        {"Vega", "Deneb", "Sun", "Vegas", ""},
        {"", "lower", "upper"},
        {"30 12.0", "48 2.9", "91", "abc", ""},
        {"-1.2", "0", "45"},
        {"3.5", "", "350"},
        {"", "25"},
        {"", "1020"},
        {"", "40 06.0N", "91N"},
        {"", "35 44.0W"}};
    const std::vector<DrTrack> drs = {book.dr,
                                      {"40 10.0N 35 50.0W", "2026-12-07T19:00:00Z", "", ""},
                                      {"", "", "", ""},
                                      {"40N 35W", "not a time", "090", "12"},
                                      {"40 05.0N 35 45.0W", "2026-12-07T19:30:00Z", "090", "12", "2026-12-07", "0",
                                       "12 s slow"},
                                      {"40 05.0N 35 45.0W", "2026-12-07T19:30:00Z", "", "", "", "+0"},
                                      {"40 05.0N 35 45.0W", "2026-12-07T19:30:00Z", "", "", "2026-12-07", "abc"}};

    std::mt19937 rng(5);
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    Worked w = work(book);
    int fixes = 0, watched = 0;
    for (int step = 0; step < 800; ++step) {
        Edit e;
        switch (pick(book.rows.empty() ? 2 : 6)) {
        case 0:
            e = {Edit::Kind::insert, pick(book.rows.size() + 1)};
            insertRow(book, e.row, book.rows.empty() ? SightCells{} : book.rows[pick(book.rows.size())]);
            break;
        case 1: e.kind = Edit::Kind::dr, book.dr = drs[pick(drs.size())]; break;
        case 2:
            e = {Edit::Kind::remove, pick(book.rows.size())};
            removeRow(book, e.row);
            break;
        case 3: {
            // A row mended cell by cell into one of the stars, for fixes
            // to go on being found.
            const size_t row = pick(book.rows.size());
            const auto& star = stars[pick(std::size(stars))];
            const std::string time = inWatchTime(book) ? std::string(star[0]).substr(11, 8) : star[0];
            const SightCells good{time, star[1], "", star[2], "-1.2", "3.5", "", "", "", ""};
            for (size_t c = 0; c < sightColumns; ++c) {
                book.rows[row][c] = good[c];
                rework(w, book, {Edit::Kind::cell, row});
            }
            e = {Edit::Kind::cell, row};
            break;
        }
        default: {
            e = {Edit::Kind::cell, pick(book.rows.size())};
            const size_t column = pick(sightColumns);
            book.rows[e.row][column] = texts[column][pick(texts[column].size())];
        }
        }
        rework(w, book, e);
        expectSame(w, work(book), step);
        if (HasFailure())
            return;
        fixes += w.fix.found();
        watched += w.fix.found() && w.watchTime;
    }
    EXPECT_GT(fixes, 100);
    EXPECT_GT(watched, 20);
}

// The `# key: value` lines before the header: the DR's read into the DR,
// the others kept in order and written back the same, in their places;
// notes are no keys.
TEST(Logbook, KeyLines)
{
    const std::string text = "\xEF\xBB\xBF# title: Evening, 7 December\n"
                             "# Ten sights of 7 December 2026: the morning Sun run up\n"
                             "#dr: not a key\n"
                             "# dr: ; ; ;\n"
                             "# dr: 41 10.0N 66 30.0W; 2026-12-07T17:00:00Z; 090; 12\n"
                             "# dr: 40N 60W; ; ;\n"
                             "# recovery of: /home/nav/a b: c.csv\n"
                             "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n"
                             "# row-note: not before the header\n";
    std::istringstream in(text);
    const LogbookFile file = readLogbook(in);
    const std::vector<LogKey> keys = {{"title", "Evening, 7 December"}, {"recovery of", "/home/nav/a b: c.csv"}};
    EXPECT_EQ(file.keys, keys);
    EXPECT_EQ(file.book.dr, (DrTrack{"41 10.0N 66 30.0W", "2026-12-07T17:00:00Z", "090", "12"}));
    std::ostringstream out;
    writeLogbook(out, file.book);
    // Every line as it stood but the BOM, which goes.
    EXPECT_EQ(out.str(), text.substr(3));
    std::istringstream back(out.str());
    const LogbookFile again = readLogbook(back);
    EXPECT_EQ(again.keys, keys);
    EXPECT_EQ(again.book, file.book);
}

// A log kept by the watch: its date, zone and watch error taken in beside
// the DR, the last of a kind counting, and written beside the DR's line
// over a time column; a later line among the rows stays a note, and times
// the rows below it. Under a utc column the same lines are refused, named
// and kept as they stood.
TEST(Logbook, WatchLinesBesideTheDr)
{
    const std::string head = "# title\n"
                             "# date: 2026-12-06\n"
                             "# dr: 40N 70W; 2026-12-08T00:30:00Z; ; \n"
                             "# zone: +5\n"
                             "# date: 2026-12-07\n";
    const std::string rows = "19:33,Capella,,43 37.8,,3.5,,,40N,70W\n"
                             "# zone: +4\n"
                             "20:34,Capella,,43 37.8,,3.5,,,40N,70W\n";
    std::istringstream in(head + "time,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n" + rows);
    const LogbookFile file = readLogbook(in);
    EXPECT_TRUE(file.errors.empty());
    EXPECT_EQ(file.book.dr, (DrTrack{"40N 70W", "2026-12-08T00:30:00Z", "", "", "2026-12-07", "+5", ""}));
    std::ostringstream out;
    writeLogbook(out, file.book);
    EXPECT_EQ(out.str(), "# title\n# dr: 40N 70W; 2026-12-08T00:30:00Z; ; \n# date: 2026-12-07\n# zone: +5\n"
                         "time,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n" +
                             rows);
    const Worked w = work(file.book);
    ASSERT_TRUE(w.rows[1].ut);
    EXPECT_EQ(w.rows[1].ut->text(), "2026-12-08T00:34:00Z");
    std::istringstream saved(out.str());
    EXPECT_EQ(readSightLog(saved).utc, (std::vector<std::string>{"2026-12-08T00:33:00Z", "2026-12-08T00:34:00Z"}));

    std::istringstream utc(head + "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n" + rows);
    const LogbookFile refused = readLogbook(utc);
    std::vector<int> lines;
    for (const SightLogError& e : refused.errors)
        lines.push_back(e.line);
    EXPECT_EQ(lines, (std::vector<int>{2, 4, 5, 8}));
    EXPECT_EQ(refused.book.head.size(), 4u);
    EXPECT_FALSE(inWatchTime(refused.book));
}

// Every line of a file that is no row is written back where it stood: the
// notes before the header and among the rows, blank lines, the lines that
// could not be taken in (one of too many cells for its narrow header gains
// empty cells, so that the fuller header written does not take it in); the
// header and the rows written anew.
TEST(Logbook, NotesAndLinesNotTakenInKeptWhereTheyStood)
{
    const std::string text = "# Evening stars, 7 December 2026\n"
                             "\n"
                             "# dr: 40 05.0N 35 45.0W; 2026-12-07T19:30:00Z; ; \n"
                             "# kept for the second fix\r\n"
                             "utc,body,hs,eye,dr_lat,dr_lon\n"
                             "# before the first row\n"
                             "2026-12-07T19:33:00Z,Capella,19 2.2,3.5,,\n"
                             "   # Capella doubtful\n"
                             "2026-12-07T19:34:00Z,\"Altair,45 1.7,3.5,,\n"
                             "2026-12-07T19:35:00Z,Vega,48 2.9,3.5,,,lower\n"
                             "\t\n"
                             "2026-12-07T19:36:00Z,Deneb,71 6.0,3.5,,\n"
                             "# the end\r\r\n";
    std::istringstream in(text);
    const LogbookFile file = readLogbook(in);
    ASSERT_FALSE(file.badHeader);
    ASSERT_EQ(file.errors.size(), 2u);
    EXPECT_EQ(file.errors[0].text(), "line 9: an unclosed quote");
    EXPECT_EQ(file.book.rows.size(), 2u);
    const std::vector<std::string> head = {"# Evening stars, 7 December 2026", "", "# kept for the second fix"};
    EXPECT_EQ(file.book.head, head);
    EXPECT_EQ(file.book.drAt, 2u);
    const std::vector<LogNote> notes = {{0, "# before the first row"},
                                        {1, "   # Capella doubtful"},
                                        {1, "2026-12-07T19:34:00Z,\"Altair,45 1.7,3.5,,"},
                                        {1, "2026-12-07T19:35:00Z,Vega,48 2.9,3.5,,,lower,,,,"},
                                        {1, "\t"},
                                        {2, "# the end"},
                                        {2, ""}};  // a carriage return ends a line
    EXPECT_EQ(file.book.notes, notes);

    std::ostringstream out;
    writeLogbook(out, file.book);
    const std::string header = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n";
    EXPECT_EQ(out.str(), "# Evening stars, 7 December 2026\n"
                         "\n"
                         "# dr: 40 05.0N 35 45.0W; 2026-12-07T19:30:00Z; ; \n"
                         "# kept for the second fix\n" +
                             header +
                             "# before the first row\n"
                             "2026-12-07T19:33:00Z,Capella,,19 2.2,,3.5,,,40.083333,-35.75\n"
                             "   # Capella doubtful\n"
                             "2026-12-07T19:34:00Z,\"Altair,45 1.7,3.5,,\n"
                             "2026-12-07T19:35:00Z,Vega,48 2.9,3.5,,,lower,,,,\n"
                             "\t\n"
                             "2026-12-07T19:36:00Z,Deneb,,71 6.0,,3.5,,,40.083333,-35.75\n"
                             "# the end\n\n");
    std::istringstream back(out.str());
    const LogbookFile again = readLogbook(back);
    EXPECT_EQ(again.book, file.book);
    EXPECT_EQ(again.errors.size(), 2u);

    // morvel-solve reads the saved file: the two sights, and the two lines
    // not taken in refused again, at their lines.
    std::istringstream saved(out.str());
    const SightLog log = readSightLog(saved);
    EXPECT_EQ(log.sights.size(), 2u);
    ASSERT_EQ(log.errors.size(), 2u);
    EXPECT_EQ(log.errors[0].text(), "line 9: an unclosed quote");
    EXPECT_EQ(log.errors[1].line, 10);
}

// A note belongs to the row above it: a row added goes after the notes
// that follow the row before it; a row deleted leaves its notes in place.
TEST(Logbook, NotesMoveWithTheRowsAroundThem)
{
    Logbook book;
    book.rows.resize(3);
    book.rows[0][0] = "a", book.rows[1][0] = "b", book.rows[2][0] = "c";
    book.notes = {{0, "# top"}, {1, "# after a"}, {2, "# after b"}, {3, "# end"}};
    auto layout = [&] {
        std::string s;
        size_t n = 0;
        for (size_t i = 0; i <= book.rows.size(); ++i) {
            for (; n < book.notes.size() && book.notes[n].rowsBefore <= i; ++n)
                s += book.notes[n].text.substr(2) + " ";
            if (i < book.rows.size())
                s += book.rows[i][0] + " ";
        }
        return s;
    };
    ASSERT_EQ(layout(), "top a after a b after b c end ");
    SightCells x;
    x[0] = "x";
    insertRow(book, 1, x);
    EXPECT_EQ(layout(), "top a after a x b after b c end ");
    insertRow(book, 4, x);
    EXPECT_EQ(layout(), "top a after a x b after b c end x ");
    removeRow(book, 2);
    EXPECT_EQ(layout(), "top a after a x after b c end x ");
    removeRow(book, 0);
    EXPECT_EQ(layout(), "top after a x after b c end x ");
}

// A cell with blanks or tabs at its ends is quoted, or the reader would
// trim them.
TEST(Logbook, CellsWithBlanksOrTabsAtTheirEndsQuoted)
{
    Logbook book;
    book.rows.push_back({"2026-12-07T19:33:00Z", "\tCapella", "", "19 2.2\t", "", " 3.5", "", "", "40N ", "35W"});
    std::ostringstream out;
    writeLogbook(out, book);
    EXPECT_NE(out.str().find("\"\tCapella\",,\"19 2.2\t\",,\" 3.5\""), std::string::npos) << out.str();
    std::istringstream back(out.str());
    EXPECT_EQ(readLogbook(back).book, book);
}

}  // namespace

// The legs and the current under the DR's line come back from the file as typed; a row follows
// the track and the current; a leg or a current unread is the DR's fault, named; a `# leg:` line
// with no DR above it stays a comment.
TEST(Logbook, LegsUnderTheDrLineKept)
{
    const std::string header = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n";
    const std::string dr = "# dr: 40N 70W; 2026-12-07T17:00:00Z; 090; 12\n";
    std::istringstream in("# title\n" + dr + "# leg: 2026-12-07T18:00:00Z; 180; 10\n" +
                          "# leg: 2026-12-07T19:00:00Z; 045 ; 6\n# current: 045; 1.50; 2026-12-07T19:30:00Z\n" + header +
                          "2026-12-07T19:33:00Z,Capella,,43,,3.5,,,,\n");
    const LogbookFile file = readLogbook(in);
    EXPECT_TRUE(file.errors.empty());
    EXPECT_EQ(file.book.dr.legs,
              (std::vector<DrLeg>{{"2026-12-07T18:00:00Z", "180", "10"}, {"2026-12-07T19:00:00Z", "045", "6"}}));
    std::ostringstream out;
    writeLogbook(out, file.book);
    std::istringstream back(out.str());
    EXPECT_EQ(readLogbook(back).book, file.book) << out.str();
    // 12 miles east, 10 south, 045 at 6 kn for 0.55 h, the current 045 at 1.5 kn over 2.55 h.
    const std::optional<sight::DeadReckoning> at = followedDr(file.book, 0, readDr(file.book.dr));
    ASSERT_TRUE(at);
    const double lat2 = 40 - 10.0 / 60, diagonal = (6 * 0.55 + 1.5 * 2.55) * std::sqrt(0.5), lat = lat2 + diagonal / 60;
    EXPECT_NEAR(at->lat / math::degree, lat, 1e-5);
    const double lon = -70 + 12.0 / 60 / std::cos(40 * math::degree) + diagonal / 60 / std::cos((lat2 + lat) / 2 * math::degree);
    EXPECT_NEAR(at->lon / math::degree, lon, 1e-5);
    const std::pair<std::string, std::string> faults[] = {  // lines before the header; the field at fault
        {dr + "# leg: 18:00; 180; 10", "legs"},
        {dr + "# leg: 2026-12-07T18:00:00Z; 400; 10", "legs"},
        {dr + "# leg: 2026-12-07T18:00:00Z; 180; x", "legs"},
        {dr + "# current: 045; fast; 2026-12-07T19:30:00Z", "current"},
        {"# leg: 2026-12-07T18:00:00Z; 180; 10", ""}};  // no DR: a comment
    for (const auto& [lines, field] : faults) {
        std::istringstream one(lines + "\n" + header);
        const Logbook book = readLogbook(one).book;
        EXPECT_EQ(readDr(book.dr).field, field) << lines;
        EXPECT_EQ(book.head.size(), field.empty() ? 1u : 0u) << lines;
    }
}
