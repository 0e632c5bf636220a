#include "sight/utc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace morvel::sight {

namespace {

constexpr double secondsPerDay = 86400;

/// Days from 1970-01-01 to a civil date, and back (the proleptic
/// Gregorian calendar, H. Hinnant's algorithms).
long daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long z, int& y, int& m, int& d)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2));
}

}  // namespace

std::optional<UtcTime> UtcTime::parse(std::string_view text, std::string& error)
{
    const std::string full = text.size() == 10 ? std::string(text) + "T00:00:00Z" : std::string(text);
    const almanac::Instant checked = almanac::Instant::parse(full);
    if (!checked.ok()) {
        error = checked.error();
        return std::nullopt;
    }
    // Instant::parse has checked the fields and their places.
    UtcTime t;
    t.year = std::stoi(full.substr(0, 4));
    t.month = std::stoi(full.substr(5, 2));
    t.day = std::stoi(full.substr(8, 2));
    t.seconds = std::stoi(full.substr(11, 2)) * 3600 + std::stoi(full.substr(14, 2)) * 60 + std::stod(full.substr(17));
    return t;
}

UtcTime UtcTime::plus(double s) const
{
    const double total = seconds + s;
    const double days = std::floor(total / secondsPerDay);
    UtcTime t;
    civilFromDays(daysFromCivil(year, month, day) + long(days), t.year, t.month, t.day);
    t.seconds = total - days * secondsPerDay;
    return t;
}

double UtcTime::secondsSince(const UtcTime& t) const
{
    return double(daysFromCivil(year, month, day) - daysFromCivil(t.year, t.month, t.day)) * secondsPerDay + seconds
           - t.seconds;
}

almanac::Instant UtcTime::instant(double dut1) const
{
    // A leap second, 23:59:60, is read as 86400 s into its day.
    const int h = std::min(int(seconds / 3600), 23);
    const int m = std::min(int((seconds - h * 3600) / 60), 59);
    return almanac::Instant::fromUtc(year, month, day, h, m, seconds - h * 3600 - m * 60, dut1);
}

std::string UtcTime::text() const
{
    const UtcTime t = midnight().plus(std::round(seconds));
    const long s = std::lround(t.seconds);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02ld:%02ld:%02ldZ", t.year, t.month, t.day, s / 3600, s / 60 % 60,
                  s % 60);
    return buf;
}

}  // namespace morvel::sight
