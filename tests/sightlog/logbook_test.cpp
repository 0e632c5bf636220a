// A log worked again edit by edit is the log worked whole: random cell
// edits (good and bad texts), rows added and taken away, the DR moved,
// given and taken back, each followed by rework, compared with work.
#include "sightlog/logbook.h"

#include <gtest/gtest.h>

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
    Logbook book{{"40 05.0N 35 45.0W", "2026-12-07T19:30:00Z", "090", "12"}, {}};
    const char* const stars[][3] = {{"2026-12-07T19:33:00Z", "Capella", "19 2.2"},
                                    {"2026-12-07T19:34:00Z", "Altair", "45 1.7"},
                                    {"2026-12-07T19:35:00Z", "Vega", "48 2.9"},
                                    {"2026-12-07T19:36:00Z", "Fomalhaut", "19 51.6"}};
    for (const auto& s : stars)
        book.rows.push_back({s[0], s[1], "", s[2], "-1.2", "3.5", "", "", "", ""});
    book.rows[2][size_t(SightColumn::drLat)] = "40 07.0N";
    book.rows[2][size_t(SightColumn::drLon)] = "35 40.0W";

    // Texts for each column, bad ones among them.
    const std::vector<std::vector<std::string>> texts = {
        {"2026-12-07T19:37:00Z", "2026-12-07T19:33:00Z", "2026-13-07T19:00:00Z", ""},
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
                                      {"40N 35W", "not a time", "090", "12"}};

    std::mt19937 rng(5);
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    Worked w = work(book);
    int fixes = 0;
    for (int step = 0; step < 400; ++step) {
        Edit e;
        switch (pick(book.rows.empty() ? 2 : 6)) {
        case 0:
            e = {Edit::Kind::insert, pick(book.rows.size() + 1)};
            book.rows.insert(book.rows.begin() + std::ptrdiff_t(e.row), book.rows.empty() ? SightCells{}
                                                                              : book.rows[pick(book.rows.size())]);
            break;
        case 1: e.kind = Edit::Kind::dr, book.dr = drs[pick(drs.size())]; break;
        case 2:
            e = {Edit::Kind::remove, pick(book.rows.size())};
            book.rows.erase(book.rows.begin() + std::ptrdiff_t(e.row));
            break;
        case 3: {
            // A row mended cell by cell into one of the stars, for fixes
            // to go on being found.
            const size_t row = pick(book.rows.size());
            const auto& star = stars[pick(std::size(stars))];
            const SightCells good{star[0], star[1], "", star[2], "-1.2", "3.5", "", "", "", ""};
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
    }
    EXPECT_GT(fixes, 100);
}

// The `# key: value` lines before the header: the DR's read into the DR,
// the others kept in order and written back the same; notes are no keys.
TEST(Logbook, KeyLines)
{
    const std::string text = "\xEF\xBB\xBF# title: Evening, 7 December\n"
                             "# Ten sights of 7 December 2026: the morning Sun run up\n"
                             "#dr: not a key\n"
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
    writeLogbook(out, file.book, file.keys);
    std::istringstream back(out.str());
    const LogbookFile again = readLogbook(back);
    EXPECT_EQ(again.keys, keys);
    EXPECT_EQ(again.book, file.book);
}

}  // namespace
