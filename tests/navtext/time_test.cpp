// Time on board read as navigators write it: one table per reader of what
// is taken and what is refused (and why), then every value written and read
// back (each second of a day, each quarter-hour zone, each watch error
// under an hour).
#include "navtext/navtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace morvel::navtext;

namespace {

TEST(TimeOnBoard, Zone)
{
    const struct {
        const char* text;
        bool ok;
        double hours;
        const char* why;  ///< a part of the message when refused
    } rows[] = {
        {"+5", true, 5, ""},           {"-3", true, -3, ""},
        {"0", true, 0, ""},            {" +9.5 ", true, 9.5, ""},
        {"-5.75", true, -5.75, ""},    {"+14", true, 14, ""},
        {"\xE2\x88\x92" "3", true, -3, ""},  // the typographer's minus
        {"5", false, 0, "say + or -"}, {"+14.25", false, 0, "-14 to +14"},
        {"+5.1", false, 0, "quarter"}, {"+05:30", false, 0, "zone -5.5"},
        {"", false, 0, "signed"},      {"+", false, 0, "signed"},
        {"++5", false, 0, "signed"},   {"+1e1", false, 0, "signed"},
        {"E5", false, 0, "signed"},    {"+5 W", false, 0, "signed"},
    };
    for (const auto& r : rows) {
        const ZoneRead z = readZone(r.text);
        EXPECT_EQ(z.ok, r.ok) << r.text;
        if (r.ok)
            EXPECT_EQ(z.hours, r.hours) << r.text;
        else
            EXPECT_NE(z.error.find(r.why), std::string::npos) << r.text << ": " << z.error;
    }
}

TEST(TimeOnBoard, WatchError)
{
    const struct {
        const char* text;
        bool ok;
        int fast;
    } rows[] = {
        {"12 s fast", true, 12},    {"12 s slow", true, -12},     {"1 m 12 s fast", true, 72},
        {"12s FAST", true, 12},     {"1m12s slow", true, -72},    {"0", true, 0},
        {"0 s", true, 0},           {"59 m 59 s slow", true, -3599}, {"3599 sec fast", true, 3599},
        {"12 s", false, 0},         {"12 fast", false, 0},        {"fast", false, 0},
        {"60 m fast", false, 0},    {"1 m 60 s fast", false, 0},  {"3600 s slow", false, 0},
        {"12 s 1 m fast", false, 0}, {"-12 s fast", false, 0},    {"12.5 s fast", false, 0},
        {"99999 s fast", false, 0}, {"12 s fast slow", false, 0}, {"", false, 0},
    };
    for (const auto& r : rows) {
        const WatchErrorRead e = readWatchError(r.text);
        EXPECT_EQ(e.ok, r.ok) << r.text;
        EXPECT_EQ(e.fast, r.fast) << r.text;
        EXPECT_EQ(e.error.empty(), r.ok) << r.text;
    }
}

TEST(TimeOnBoard, WatchTimeAndDate)
{
    const struct {
        const char* text;
        bool ok;
        int seconds;
        const char* date;  ///< the row's own date, when it gives one
    } rows[] = {
        {"19:33", true, 70380, ""},      {"9:05", true, 32700, ""},
        {" 19:33:05 ", true, 70385, ""}, {"2026-12-08 00:15", true, 900, "2026-12-08"},
        {"2026-12-08T00:15:30", true, 930, "2026-12-08"}, {"2028-02-29 23:59:59", true, 86399, "2028-02-29"},
        {"24:00", false, 0, ""},         {"19:60", false, 0, ""},
        {"19:33:60", false, 0, ""},      {"19:33Z", false, 0, ""},
        {"19:33+05", false, 0, ""},      {"19:33:05.5", false, 0, ""},
        {"1933", false, 0, ""},          {"19:3", false, 0, ""},
        {"019:33", false, 0, ""},        {"2026-02-30 00:15", false, 0, ""},
        {"2026-12-08", false, 0, ""},    {"2026-12-08x00:15", false, 0, ""},
        {"2101-01-01 00:00", false, 0, ""},
    };
    for (const auto& r : rows) {
        const WatchTimeRead t = readWatchTime(r.text);
        EXPECT_EQ(t.ok, r.ok) << r.text;
        EXPECT_EQ(t.seconds, r.seconds) << r.text;
        if (r.ok) {
            EXPECT_EQ(t.date ? dateText(*t.date) : "", r.date) << r.text;
        }
    }
    EXPECT_TRUE(readDate("1900-01-01").ok);
    EXPECT_TRUE(readDate("2100-12-31").ok);
    for (const char* bad : {"1899-12-31", "2027-02-29", "2026-13-01", "2026-12-7", "07.12.2026", "2026-12-07T00:00Z"})
        EXPECT_FALSE(readDate(bad).ok) << bad;
}

// Every value written reads back as itself.
TEST(TimeOnBoard, WrittenReadsBack)
{
    for (int s = 0; s < 86400; ++s) {
        const WatchTimeRead t = readWatchTime(clockText(s));
        ASSERT_TRUE(t.ok && t.seconds == s) << s;
    }
    for (int q = -56; q <= 56; ++q) {
        const ZoneRead z = readZone(zoneText(q / 4.0));
        ASSERT_TRUE(z.ok && z.hours == q / 4.0) << q;
    }
    for (int e = -3599; e <= 3599; ++e) {
        const int a = std::abs(e);
        const std::string text = (a >= 60 ? std::to_string(a / 60) + " m " : "") + std::to_string(a % 60) + " s " +
                                 (e < 0 ? "slow" : "fast");
        const WatchErrorRead r = readWatchError(text);
        ASSERT_TRUE(r.ok && r.fast == e) << text;
    }
    EXPECT_EQ(clockText(86400.5), "23:59:60");
    EXPECT_EQ(clockText(NAN), "00:00:00");
    EXPECT_EQ(loggedTimeText(70380, {2026, 12, 8}, 2580), "19:33:00 (2026-12-08 00:43:00 UT)");
    EXPECT_EQ(loggedTimeText(std::nullopt, {2026, 12, 7}, 70380), "2026-12-07 19:33:00 UT");
}

}  // namespace
