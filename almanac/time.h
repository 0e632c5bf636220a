/// \file time.h
/// \brief An instant of the almanac, 1900 to 2100, on the time scales it
/// needs: UTC as the navigator gives it, TT for the ephemerides, UT1 for the
/// Earth's rotation. No Qt.
///
/// Reading. "2026-12-07T17:32:10Z", also with a blank for the T and with a
/// fraction of seconds ("17:32:10.25Z"). The Z is required: a time without
/// it could be anyone's clock, and is refused with the form asked. Second
/// 60 is accepted on a day that ends with a leap second. DUT1 = UT1 - UTC
/// in seconds, |DUT1| <= 0.9 (0 when unknown costs at most 0.23' of GHA).
///
/// Scales. In the leap-second era (UTC from 1960, ERFA's table of TAI - UTC;
/// past its end the last value, 37 s, holds until a new leap second):
/// TAI = UTC + table, TT = TAI + 32.184 s, UT1 = UTC + DUT1. Before 1960
/// the time given is taken as UTC all the same, UT1 = UTC + DUT1 and TT =
/// UT1 + delta T from the Espenak-Meeus polynomials (NASA, Five Millennium
/// Canon of Solar Eclipses, 2006).
///
/// Refusals. A malformed text, a time without its Z, a date that does not
/// exist, a DUT1 beyond 0.9 s and an instant outside 1900-01-01T00:00:00 to
/// 2100-12-31T23:59:60 make an Instant whose error() says why; nothing
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

    /// A UTC calendar date and time.
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

/// Delta T = TT - UT1 in seconds at a decimal year (2026.5 is mid-2026),
/// by the Espenak-Meeus polynomials (1900 to 2150).
double deltaTModel(double year);

}  // namespace morvel::almanac
