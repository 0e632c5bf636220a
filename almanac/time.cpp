#include "almanac/time.h"

#include "navtext/say.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace morvel::almanac {

namespace {

// Julian dates of 1900-01-01T00:00 and 2101-01-01T00:00.
constexpr double firstJd = 2415020.5;
constexpr double endJd = 2488434.5;

// UTC began on 1960-01-01; earlier times are UT1.
constexpr int firstUtcYear = 1960;

// Delta T = TT - UT1 in seconds from 1900.0 to 1960.0, every half year
// (Julian epochs), as the U.S. Naval Observatory's table of historic delta
// T gives it (historic_deltat.data, from the Astronomical Almanac), copied
// from the one Skyfield 1.45 ships (skyfield/data/historic_deltat.npy).
constexpr double historicDeltaT[] = {
    -2.70, -2.09, -1.48, -0.75, -0.08, 0.62, 1.26, 1.95, 2.59, 3.28,  // 1900
    3.92, 4.61, 5.20, 5.73, 6.29, 7.00, 7.68, 8.45, 9.13, 9.78,  // 1905
    10.38, 10.99, 11.64, 12.47, 13.23, 14.00, 14.69, 15.38, 16.00, 16.64,  // 1910
    17.19, 17.72, 18.19, 18.67, 19.13, 19.69, 20.14, 20.54, 20.86, 21.14,  // 1915
    21.41, 21.78, 22.06, 22.30, 22.51, 22.79, 23.01, 23.29, 23.46, 23.55,  // 1920
    23.63, 23.80, 23.95, 24.25, 24.39, 24.42, 24.34, 24.22, 24.10, 24.08,  // 1925
    24.02, 24.04, 23.98, 23.91, 23.89, 23.95, 23.93, 23.92, 23.88, 23.94,  // 1930
    23.91, 23.82, 23.76, 23.87, 23.91, 23.95, 23.96, 24.00, 24.04, 24.20,  // 1935
    24.35, 24.61, 24.82, 25.09, 25.30, 25.56, 25.77, 26.05, 26.27, 26.54,  // 1940
    26.76, 27.04, 27.27, 27.55, 27.77, 28.03, 28.25, 28.50, 28.70, 28.95,  // 1945
    29.15, 29.38, 29.57, 29.80, 29.97, 30.19, 30.36, 30.57, 30.72, 30.93,  // 1950
    31.07, 31.24, 31.349, 31.516, 31.677, 31.923, 32.166, 32.449, 32.671, 32.919,  // 1955
    33.150,  // 1960
};

// Delta T at a Julian epoch from 1900.0 to 1960.0, linear between the
// table's values.
double deltaTBeforeUtc(double epoch)
{
    const double at = std::clamp((epoch - 1900) * 2, 0.0, double(std::size(historicDeltaT) - 1));
    const std::size_t i = std::min(std::size_t(at), std::size(historicDeltaT) - 2);
    return historicDeltaT[i] + (at - double(i)) * (historicDeltaT[i + 1] - historicDeltaT[i]);
}

// A date and time as ISO 8601 with two-digit fields and the seconds'
// fraction, if any: "2026-02-30T00:00:00Z".
std::string isoText(int year, int month, int day, int hour, int minute, double second)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%09.6f", second);
    std::string s = seconds;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:", year, month, day, hour, minute);
    return buf + s + "Z";
}

// Reads exactly n digits at text[pos].
bool digits(std::string_view text, std::size_t pos, std::size_t n, int& value)
{
    if (pos + n > text.size())
        return false;
    for (std::size_t i = pos; i < pos + n; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    std::from_chars(text.data() + pos, text.data() + pos + n, value);
    return true;
}

}  // namespace

Instant Instant::refused(std::string why)
{
    Instant i;
    i.error_ = std::move(why);
    return i;
}

double Instant::deltaT() const
{
    return ((tt1_ - ut11_) + (tt2_ - ut12_)) * ERFA_DAYSEC;
}

Instant Instant::parse(std::string_view text, double dut1)
{
    std::string quoted(1, '"');
    quoted.append(text.substr(0, 40));
    quoted += '"';
    const auto notInstant = [&] {
        return refused(navtext::say(MORVEL_TR("almanac", "%1 is not a UTC instant of the form 2026-12-07T17:32:10Z"),
                                    {quoted}));
    };
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, whole = 0;
    if (!digits(text, 0, 4, year) || text.size() < 19 || text[4] != '-' || !digits(text, 5, 2, month)
        || text[7] != '-' || !digits(text, 8, 2, day) || (text[10] != 'T' && text[10] != ' ')
        || !digits(text, 11, 2, hour) || text[13] != ':' || !digits(text, 14, 2, minute) || text[16] != ':'
        || !digits(text, 17, 2, whole))
        return notInstant();
    std::size_t pos = 19;
    double second = whole;
    if (pos < text.size() && text[pos] == '.') {
        double scale = 0.1;
        ++pos;
        const std::size_t start = pos;
        for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, scale /= 10)
            second += (text[pos] - '0') * scale;
        if (pos == start)
            return notInstant();
    }
    if (pos == text.size())
        return refused(navtext::say(MORVEL_TR("almanac", "give the time in UTC with its Z: %1Z"), {text}));
    if (text[pos] != 'Z' || pos + 1 != text.size())
        return notInstant();
    return fromUtc(year, month, day, hour, minute, second, dut1);
}

Instant Instant::fromUtc(int year, int month, int day, int hour, int minute, double second, double dut1)
{
    if (!(std::fabs(dut1) <= 0.9))
        return refused(navtext::say(MORVEL_TR("almanac", "DUT1 must lie between -0.9 and +0.9 seconds")));
    if (year < 1900 || year > 2100)
        return refused(navtext::say(MORVEL_TR("almanac", "the almanac covers 1900 to 2100; %1 is outside"),
                                    {std::to_string(year)}));
    const bool ut1 = year < firstUtcYear;
    if (ut1 && dut1 != 0)
        return refused(navtext::say(
            MORVEL_TR("almanac", "DUT1 is UT1 - UTC, and UTC began on 1960-01-01: a time before it is UT1 itself")));
    double u1 = 0, u2 = 0;
    // eraDtf2d checks the calendar and the clock: below 0 a bad field, 2 or
    // 3 a time past the end of the day; 1 only warns of a year beyond the
    // table. On UTC it lengthens (or shortens) a day at whose end the table
    // steps, by the step, so that second 60 is taken there alone; UT1's
    // days are never lengthened.
    const int status = eraDtf2d(ut1 ? "UT1" : "UTC", year, month, day, hour, minute, second, &u1, &u2);
    if (status < 0 || status >= 2)
    {
        const bool leap = status >= 2 && hour == 23 && minute == 59 && second < 61;
        return refused(navtext::say(
            leap ? MORVEL_TR("almanac", "no such date and time: %1 (no leap second that long ended that day)")
                 : MORVEL_TR("almanac", "no such date and time: %1"),
            {isoText(year, month, day, hour, minute, second)}));
    }
    Instant i;
    if (ut1) {
        i.ut11_ = u1;
        i.ut12_ = u2;
        i.tt1_ = u1;
        i.tt2_ = u2 + deltaTBeforeUtc(2000 + ((u1 - ERFA_DJ00) + u2) / ERFA_DJY) / ERFA_DAYSEC;
        return i;
    }
    // Past the end of ERFA's table (it says "dubious year") the last TAI -
    // UTC holds until a new leap second is announced: closer than delta T
    // from a model by several seconds.
    double tai1 = 0, tai2 = 0;
    eraUtctai(u1, u2, &tai1, &tai2);
    eraTaitt(tai1, tai2, &i.tt1_, &i.tt2_);
    eraUtcut1(u1, u2, dut1, &i.ut11_, &i.ut12_);
    return i;
}

Instant Instant::fromJulian(double jdTT, double jdUT1)
{
    if (!std::isfinite(jdTT) || !std::isfinite(jdUT1) || std::fabs(jdTT - jdUT1) * ERFA_DAYSEC > 300)
        return refused(navtext::say(MORVEL_TR("almanac", "TT and UT1 must be Julian dates less than 300 s apart")));
    if (jdUT1 < firstJd || jdUT1 >= endJd)
        return refused(navtext::say(MORVEL_TR("almanac", "the almanac covers 1900 to 2100; the Julian date %1 is "
                                                         "outside"),
                                    {std::to_string(jdUT1)}));
    Instant i;
    i.tt1_ = std::floor(jdTT);
    i.tt2_ = jdTT - i.tt1_;
    i.ut11_ = std::floor(jdUT1);
    i.ut12_ = jdUT1 - i.ut11_;
    return i;
}

}  // namespace morvel::almanac
