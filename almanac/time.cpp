#include "almanac/time.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace morvel::almanac {

namespace {

// Julian dates of 1900-01-01T00:00 and 2101-01-01T00:00.
constexpr double firstJd = 2415020.5;
constexpr double endJd = 2488434.5;

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

double deltaTModel(double y)
{
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t
               + 0.00002373599 * t * t * t * t * t;
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

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
    const std::string form = " is not a UTC instant of the form 2026-12-07T17:32:10Z";
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, whole = 0;
    if (!digits(text, 0, 4, year) || text.size() < 19 || text[4] != '-' || !digits(text, 5, 2, month)
        || text[7] != '-' || !digits(text, 8, 2, day) || (text[10] != 'T' && text[10] != ' ')
        || !digits(text, 11, 2, hour) || text[13] != ':' || !digits(text, 14, 2, minute) || text[16] != ':'
        || !digits(text, 17, 2, whole))
        return refused(quoted + form);
    std::size_t pos = 19;
    double second = whole;
    if (pos < text.size() && text[pos] == '.') {
        double scale = 0.1;
        ++pos;
        const std::size_t start = pos;
        for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, scale /= 10)
            second += (text[pos] - '0') * scale;
        if (pos == start)
            return refused(quoted + form);
    }
    if (pos == text.size())
        return refused("give the time in UTC with its Z: " + std::string(text) + "Z");
    if (text[pos] != 'Z' || pos + 1 != text.size())
        return refused(quoted + form);
    return fromUtc(year, month, day, hour, minute, second, dut1);
}

Instant Instant::fromUtc(int year, int month, int day, int hour, int minute, double second, double dut1)
{
    if (!(std::fabs(dut1) <= 0.9))
        return refused("DUT1 must lie between -0.9 and +0.9 seconds");
    if (year < 1900 || year > 2100)
        return refused("the almanac covers 1900 to 2100; " + std::to_string(year) + " is outside");
    double u1 = 0, u2 = 0;
    // eraDtf2d checks the calendar and the clock: below 0 a bad field, 2 or
    // 3 a time past the end of the day (second 60 without a leap second);
    // 1 only warns of a year beyond the table.
    const int status = eraDtf2d("UTC", year, month, day, hour, minute, second, &u1, &u2);
    if (status < 0 || status >= 2)
        return refused("no such date and time: " + std::to_string(year) + "-" + std::to_string(month) + "-"
                       + std::to_string(day) + " " + std::to_string(hour) + ":" + std::to_string(minute)
                       + ":" + std::to_string(second));
    Instant i;
    double taiMinusUtc = 0;
    // During a leap second the fraction of the day passes 1.
    const double fraction = std::min((hour * 3600 + minute * 60 + second) / ERFA_DAYSEC, 1.0);
    // Past the end of ERFA's table (it says "dubious year") the last TAI -
    // UTC holds until a new leap second is announced: closer than delta T
    // from a model by several seconds.
    const int known = eraDat(year, month, day, fraction, &taiMinusUtc);
    if (known == 0 || (known == 1 && year >= 1972)) {
        double tai1 = 0, tai2 = 0;
        eraUtctai(u1, u2, &tai1, &tai2);
        eraTaitt(tai1, tai2, &i.tt1_, &i.tt2_);
        eraUtcut1(u1, u2, dut1, &i.ut11_, &i.ut12_);
    } else {
        // Before UTC: the time given runs with UT, and delta T from the model.
        i.ut11_ = u1;
        i.ut12_ = u2 + dut1 / ERFA_DAYSEC;
        const double years = 2000 + ((u1 - ERFA_DJ00) + u2) / ERFA_DJY;
        i.tt1_ = i.ut11_;
        i.tt2_ = i.ut12_ + deltaTModel(years) / ERFA_DAYSEC;
    }
    return i;
}

Instant Instant::fromJulian(double jdTT, double jdUT1)
{
    if (!std::isfinite(jdTT) || !std::isfinite(jdUT1) || std::fabs(jdTT - jdUT1) * ERFA_DAYSEC > 300)
        return refused("TT and UT1 must be Julian dates less than 300 s apart");
    if (jdUT1 < firstJd || jdUT1 >= endJd)
        return refused("the almanac covers 1900 to 2100; the Julian date " + std::to_string(jdUT1)
                       + " is outside");
    Instant i;
    i.tt1_ = std::floor(jdTT);
    i.tt2_ = jdTT - i.tt1_;
    i.ut11_ = std::floor(jdUT1);
    i.ut12_ = jdUT1 - i.ut11_;
    return i;
}

}  // namespace morvel::almanac
