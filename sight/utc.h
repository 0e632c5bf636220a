/// \file utc.h
/// \brief A UTC date and time of day that can be moved by seconds and
/// written back, for the searches in time of the noon sight and the sky.
/// No Qt.
///
/// A UtcTime is a calendar date and the seconds since its midnight,
/// 0 <= seconds < 86400 once moved. Moving counts every day as 86400 s:
/// across a leap second a time comes out one second early, which no
/// search here can see. text() writes the time rounded to the second,
/// "2026-12-07T11:48:10Z"; instant() makes the almanac's Instant (whose
/// range, 1900 to 2100, it keeps).
#pragma once

#include "almanac/time.h"

#include <optional>
#include <string>
#include <string_view>

namespace morvel::sight {

struct UtcTime {
    int year = 2000, month = 1, day = 1;
    double seconds = 0;

    /// "2026-12-07T17:32:10Z" as almanac::Instant::parse reads it, or a
    /// date alone, "2026-12-07" (its midnight); nothing, with error set,
    /// when the instant is refused.
    static std::optional<UtcTime> parse(std::string_view text, std::string& error);

    /// This time moved by s seconds (either way), the date carried.
    UtcTime plus(double s) const;
    /// The seconds from t to this time (negative when t is later).
    double secondsSince(const UtcTime& t) const;
    /// The same date at 00:00.
    UtcTime midnight() const { return {year, month, day, 0}; }

    almanac::Instant instant(double dut1 = 0) const;
    std::string text() const;
};

}  // namespace morvel::sight
