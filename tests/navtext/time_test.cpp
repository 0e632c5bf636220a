// Time on board as navigators write it: the forms the sight log's tests do
// not reach (tests/sightlog/sight_log_test.cpp reads zones, dates and
// times through a log), then every value written and read back (each
// second of a day, each quarter-hour zone, each watch error under an hour).
#include "navtext/navtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace morvel::navtext;

namespace {

TEST(TimeOnBoard, FormsTakenAndRefused)
{
    const struct {
        const char* text;
        bool ok;
        int fast;
    } errors[] = {{"1m12s slow", true, -72}, {"3599 sec fast", true, 3599}, {"0 s", true, 0},
                  {"12 fast", false, 0},     {"1 m 60 s fast", false, 0},   {"12 s 1 m fast", false, 0},
                  {"-12 s fast", false, 0},  {"12.5 s fast", false, 0},     {"12 s fast slow", false, 0}};
    for (const auto& e : errors) {
        const WatchErrorRead r = readWatchError(e.text);
        EXPECT_TRUE(r.ok == e.ok && r.fast == e.fast && r.error.empty() == e.ok) << e.text;
    }
    for (const char* time : {"19:33+05", "1933", "019:33", "2026-12-08x00:15", "2026-12-08"})
        EXPECT_FALSE(readWatchTime(time).ok) << time;
    for (const char* zone : {"++5", "+1e1", "E5", "+5 W", "+"})
        EXPECT_FALSE(readZone(zone).ok) << zone;
    for (const char* date : {"1899-12-31", "2027-02-29", "2026-12-7", "07.12.2026", "2026-12-07T00:00Z"})
        EXPECT_FALSE(readDate(date).ok) << date;
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
