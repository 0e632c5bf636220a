/// \file time.h
/// \brief An instant of the almanac, 1900 to 2100, on the time scales it
/// needs: UTC as the navigator gives it, TT for the ephemerides, UT1 for the
/// Earth's rotation. No Qt.
///
/// Reading. "2026-12-07T17:32:10Z", also with a blank for the T and with a
/// fraction of seconds ("17:32:10.25Z"). The Z is required: a time without
/// it could be anyone's clock, and is refused with the form asked. Second
/// 60 is accepted only in the last minute of a day at whose end ERFA's
/// table of TAI - UTC steps up, and for as long as the step: a leap second
/// from 1972 on, the tenth of a second UTC was stepped by now and then in
/// the 1960s (23:59:60.05 on 1963-10-31). DUT1 = UT1 - UTC in seconds,
/// |DUT1| <= 0.9 (0 when unknown costs at most 0.23' of GHA).
///
/// Scales. From 1960-01-01T00:00:00 the time is UTC, and ERFA's table of
/// TAI - UTC gives TAI = UTC + table (the drifting offsets of 1960-1971,
/// whole seconds from 1972; past the table's end its last value, 37 s,
/// holds until a new leap second), TT = TAI + 32.184 s, UT1 = UTC + DUT1.
/// Before 1960 there was no UTC: the time given is UT1 itself (the GMT of
/// the almanacs of the day), a DUT1 other than 0 is refused, and TT = UT1 +
/// delta T from the U.S. Naval Observatory's table of historic delta T
/// (the values of the Astronomical Almanac, every half year), interpolated
/// linearly. Delta T moves a GHA only through the body's own motion in
/// the time, the Moon's 0.55" for each second, so the table's tenths of a
/// second are far inside the almanac's 0.1'; the UT1 given is what counts.
///
/// Refusals. A malformed text, a time without its Z, a date or time that
/// does not exist, a DUT1 beyond 0.9 s or before 1960, and an instant
/// outside the years 1900 to 2100 make an Instant whose error() says why,
/// quoting the time as an ISO text ("2026-02-30T00:00:00Z"); nothing
/// throws.
///
/// Julian dates are held in two parts (whole day and fraction) so that a
/// millisecond is kept over the two centuries.
#pragma once

#include <string>
#include <string_view>

namespace morvel::almanac {

class Instant {
public:
    /// An ISO 8601 UTC text as described above.
    static Instant parse(std::string_view utc, double dut1 = 0);

    /// A UTC calendar date and time (before 1960, UT1).
    static Instant fromUtc(int year, int month, int day, int hour, int minute, double second,
                           double dut1 = 0);

    /// Julian dates in TT and UT1 given outright (e.g. from another
    /// ephemeris), bypassing every model of delta T.
    static Instant fromJulian(double jdTT, double jdUT1);

    /// Empty when the instant is good; otherwise why it was refused.
    const std::string& error() const { return error_; }
    bool ok() const { return error_.empty(); }

    /// TT as a two-part Julian date: jdTT() = tt1() + tt2().
    double tt1() const { return tt1_; }
    double tt2() const { return tt2_; }
    double jdTT() const { return tt1_ + tt2_; }
    /// UT1 as a two-part Julian date.
    double ut11() const { return ut11_; }
    double ut12() const { return ut12_; }
    double jdUT1() const { return ut11_ + ut12_; }
    /// TT - UT1 in seconds.
    double deltaT() const;

private:
    static Instant refused(std::string why);
    double tt1_ = 0, tt2_ = 0, ut11_ = 0, ut12_ = 0;
    std::string error_;
};

}  // namespace morvel::almanac
