// The sight log: what it reads, and each refusal with its line and column.
#include "sightlog/sight_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>

using namespace morvel;

namespace {

const char* const header = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n";

sightlog::SightLog read(const std::string& text)
{
    std::istringstream in(text);
    return sightlog::readSightLog(in);
}

TEST(SightLog, ReadsAGoodLine)
{
    const sightlog::SightLog log =
        read(std::string("# evening stars\n") + header + "\n2026-12-07T17:32:10Z,Sun,lower,34 12.3,-1.2,3.5,,,40 12N,70 30W\n");
    ASSERT_EQ(log.sights.size(), 1u);
    EXPECT_TRUE(log.errors.empty());
    EXPECT_EQ(log.lines[0], 4);
    const sight::Sight& s = log.sights[0];
    EXPECT_EQ(s.limb, sight::Limb::lower);
    EXPECT_NEAR(s.hs * 180 / 3.141592653589793, 34.205, 1e-6);  // minutes in single precision
    EXPECT_EQ(s.conditions.ic, -1.2);
    EXPECT_EQ(s.conditions.temperature, 10);
    EXPECT_EQ(s.conditions.pressure, 1010);
    EXPECT_LT(s.drLon, 0);
}

// Limbs as navigators write them, in any case.
TEST(SightLog, LimbsInAnyCase)
{
    for (const char* limb : {"Lower", "UPPER", "centre", "Center", "LL", "ul", ""}) {
        const sightlog::SightLog log =
            read(std::string(header) + "2026-12-07T17:32:10Z,Sun," + limb + ",34 12.3,-1.2,3.5,,,40 12N,70 30W\n");
        EXPECT_EQ(log.sights.size(), 1u) << limb << ": " << (log.errors.empty() ? "" : log.errors[0].text());
    }
}

struct Bad {
    const char* name;
    const char* line;
    int column;  // 0: the whole line
};

const Bad bad[] = {
    {"bad_instant", "2026-13-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40N,70W", 1},
    {"instant_without_its_zone", "2026-12-07T17:32:10,Sun,lower,34 12.3,0,3,,,40N,70W", 1},
    {"unknown_body", "2026-12-07T17:32:10Z,Vulcan,,34 12.3,0,3,,,40N,70W", 2},
    {"aries_is_no_body", "2026-12-07T17:32:10Z,Aries,,34 12.3,0,3,,,40N,70W", 2},
    {"star_with_a_limb", "2026-12-07T17:32:10Z,Sirius,lower,34 12.3,0,3,,,40N,70W", 3},
    {"bad_limb", "2026-12-07T17:32:10Z,Sun,left,34 12.3,0,3,,,40N,70W", 3},
    {"altitude_text", "2026-12-07T17:32:10Z,Sun,lower,abc,0,3,,,40N,70W", 4},
    {"negative_altitude", "2026-12-07T17:32:10Z,Sun,lower,-2 10,0,3,,,40N,70W", 4},
    {"index_too_big", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,45,3,,,40N,70W", 5},
    {"no_eye", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,,,,40N,70W", 6},
    {"nan_temperature", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,nan,,40N,70W", 7},
    {"pressure_range", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,200,40N,70W", 8},
    {"latitude_letter", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40E,70W", 9},
    {"near_the_pole", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,89 30N,70W", 9},
    {"longitude_range", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40N,190W", 10},
    {"too_many_cells", "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40N,70W,x", 11},
    {"unclosed_quote", "2026-12-07T17:32:10Z,\"Sun,lower,34 12.3,0,3,,,40N,70W", 0},
};

class Refused : public ::testing::TestWithParam<Bad> {};

TEST_P(Refused, WithItsLineAndColumn)
{
    const Bad& b = GetParam();
    const sightlog::SightLog log =
        read(std::string(header) + "2026-12-07T17:32:10Z,Sun,lower,34 12.3,0,3,,,40N,70W\n" + b.line + "\n");
    ASSERT_EQ(log.errors.size(), 1u);
    EXPECT_EQ(log.sights.size(), 1u);  // the good line is kept
    EXPECT_EQ(log.errors[0].line, 3);
    EXPECT_EQ(log.errors[0].column, b.column) << log.errors[0].text();
    EXPECT_NE(log.errors[0].text().find("line 3"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(SightLog, Refused, ::testing::ValuesIn(bad),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SightLog, HeaderRefused)
{
    EXPECT_TRUE(read("").badHeader);
    EXPECT_TRUE(read("utc,body,hs,eye,dr_lat\n").badHeader);           // no dr_lon
    EXPECT_TRUE(read("utc,body,hs,eye,dr_lat,dr_lon,wind\n").badHeader);  // unknown
    const sightlog::SightLog twice = read("utc,body,hs,hs,eye,dr_lat,dr_lon\n");
    ASSERT_TRUE(twice.badHeader);
    EXPECT_EQ(twice.errors[0].column, 4);
}

// Time as kept on board: a log's date, zone and watch error and a row's
// watch time, each form read to its UT or refused with its line. Every log
// is one Capella sight under a header; head is what stands above the header
// (its first line is line 1), row the sight's time cell.
struct OnBoard {
    const char* name;
    const char* head;
    const char* row;
    const char* says;  // the sight's UT, or what an error says
    int line = 0;      // the error's line (0: the sight is read)
};

const OnBoard onBoard[] = {
    {"zone +5 past local midnight", "# date: 2026-12-07\n# zone: +5\n", "19:30", "2026-12-08T00:30:00Z"},
    {"12 s fast", "# date: 2026-12-07\n# zone: +5\n# watch error: 12 s fast\n", "19:30:12", "2026-12-08T00:30:00Z"},
    {"12 s slow", "# date: 2026-12-07\n# zone: +5\n# watch error: 12s SLOW\n", "19:29:48", "2026-12-08T00:30:00Z"},
    {"minutes and seconds", "# date: 2026-12-07\n# zone: 0\n# watch error: 1 m 12 s fast\n", "9:01:12",
     "2026-12-07T09:00:00Z"},
    {"east of Greenwich, the day before", "# date: 2026-12-08\n# zone: -3\n", "01:00:00", "2026-12-07T22:00:00Z"},
    {"half an hour", "# date: 2026-12-07\n# zone: +9.5\n", "12:00", "2026-12-07T21:30:00Z"},
    {"a minus as typeset", "# date: 2026-12-07\n# zone: \xE2\x88\x92" "5.5\n", "12:00", "2026-12-07T06:30:00Z"},
    {"a quarter hour", "# date: 2026-12-07\n# zone: -5.75\n", "12:00", "2026-12-07T06:15:00Z"},
    {"the date line, west", "# date: 2026-12-07\n# zone: +12\n", "13:00", "2026-12-08T01:00:00Z"},
    {"the date line, east", "# date: 2026-12-08\n# zone: -12\n", "13:00", "2026-12-08T01:00:00Z"},
    {"zone +13", "# date: 2026-12-07\n# zone: +13\n", "12:00", "2026-12-08T01:00:00Z"},
    {"a sight on another day", "# date: 2026-12-07\n# zone: +5\n", "2026-12-08 00:15", "2026-12-08T05:15:00Z"},
    {"another day, with a T", "# zone: +5\n", "2026-12-08T00:15:30", "2026-12-08T05:15:30Z"},
    {"the year's end", "# date: 2026-12-31\n# zone: +5\n", "23:59:59", "2027-01-01T04:59:59Z"},
    {"the later zone", "# date: 2026-12-07\n# zone: +5\n# title\n# zone: +4\n", "19:30", "2026-12-07T23:30:00Z"},
    {"17:30 in UTC", "utc", "17:30", "'17:30' is a watch's time; this log's times are UTC", 2},
    {"a UTC instant by the watch", "# date: 2026-12-07\n# zone: +5\n", "2026-12-07T19:30:00Z", "is a UTC instant", 4},
    {"no zone", "# date: 2026-12-07\n", "19:30", "no zone description", 3},
    {"no date", "# zone: +5\n", "19:30", "no date on board", 3},
    {"an ISO offset", "# date: 2026-12-07\n# zone: +05:30\n", "19:30", "+05:30 as ISO 8601 writes it is zone -5.5", 2},
    {"a zone without its sign", "# date: 2026-12-07\n# zone: 5\n", "19:30", "say + or -", 2},
    {"a zone beyond 14", "# date: 2026-12-07\n# zone: +15\n", "19:30", "-14 to +14", 2},
    {"a zone of odd minutes", "# date: 2026-12-07\n# zone: +5.2\n", "19:30", "quarter hours", 2},
    {"the rows under a zone refused", "# date: 2026-12-07\n# zone: +5\n# zone: abc\n", "19:30",
     "the zone description on line 3 cannot be read", 5},
    {"an error neither fast nor slow", "# date: 2026-12-07\n# zone: +5\n# watch error: 12 s\n", "19:30", "12 s fast or",
     3},
    {"an error of an hour", "# date: 2026-12-07\n# zone: +5\n# watch error: 60 m fast\n", "19:30", "under an hour", 3},
    {"no such date", "# date: 2026-02-30\n# zone: +5\n", "19:30", "no such date", 1},
    {"no such time", "# date: 2026-12-07\n# zone: +5\n", "24:00", "no such time of day", 4},
    {"a fraction of a second", "# date: 2026-12-07\n# zone: +5\n", "19:30:05.5", "to the whole second", 4},
    {"a Z on the watch", "# date: 2026-12-07\n# zone: +5\n", "19:30Z", "no Z and no offset", 4},
    {"a zone for UTC", "# zone: +5\nutc", "2026-12-07T19:30:00Z", "'# zone:' times a log kept by the watch", 1},
    {"both columns", "# zone: +5\ntime,utc", "19:30", "a utc column and a time column", 2},
};

class TimeOnBoard : public ::testing::TestWithParam<OnBoard> {};

TEST_P(TimeOnBoard, ReadOrRefusedWithItsLine)
{
    const OnBoard& t = GetParam();
    // A head ending in a header's first names gives the rest of the header.
    std::string head = t.head, first = "time";
    if (const size_t cut = head.rfind('\n'); cut + 1 < head.size()) {
        first = head.substr(cut + 1);
        head.resize(cut + 1);
    }
    const sightlog::SightLog log =
        read(head + first + ",body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n" + t.row + ",Capella,,19 2.2,,3.5,,,40N,35W\n");
    if (t.line == 0) {
        ASSERT_EQ(log.sights.size(), 1u) << (log.errors.empty() ? "" : log.errors[0].text());
        EXPECT_EQ(log.utc[0], t.says);
        EXPECT_TRUE(log.errors.empty()) << log.errors[0].text();
        return;
    }
    const auto error = std::find_if(log.errors.begin(), log.errors.end(), [&](const auto& e) { return e.line == t.line; });
    ASSERT_NE(error, log.errors.end()) << (log.errors.empty() ? "no error" : log.errors[0].text());
    EXPECT_NE(error->text().find(t.says), std::string::npos) << error->text();
}

INSTANTIATE_TEST_SUITE_P(SightLog, TimeOnBoard, ::testing::ValuesIn(onBoard), [](const auto& info) {
    std::string n = info.param.name;
    for (char& c : n)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return n;
});

}  // namespace
