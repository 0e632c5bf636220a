/// \file daily_page.h
/// \brief Everything a nautical almanac's daily page holds for a UTC date,
/// as values: the hourly GHA and declination with v and d, SD and HP, the
/// equation of time, the meridian passages, the Moon's age and phase, the
/// planets' magnitudes, the day's events at the page's latitudes, and the
/// stars. No Qt; written out by morvel-solve and painted by the window.
///
/// Angles in radians, except v and d: minutes of arc an hour. Times in
/// hours of UT after the date's midnight.
///
/// Hourly places. Aries, Venus, Mars, Jupiter, Saturn, the Sun and the
/// Moon (bodies.h's order) are computed at 0h, 6h, 12h, 18h and 24h (and
/// 6 hours either side) and interpolated between (events.h's Track),
/// within 0.01' of the places computed hour by hour (tested); a day at
/// whose end a leap second falls is computed hour by hour.
///
/// v and d, as the page prints them. v is the hourly change of GHA over
/// the adopted rate the increments tables allow for: 14°19.0' for the
/// Moon, 15°00.0' for the planets; the Moon's for each hour h (from h to
/// h + 1, printed on h's row), a planet's once a day (the mean over the
/// day, from 0h to 24h), negative where the planet's GHA grows more
/// slowly than 15° an hour (Venus about inferior conjunction). The Sun has
/// no v: the increments tables take its rate as 15°. d is the hourly change
/// of declination, the Moon's for each hour, the Sun's and the planets'
/// for the day; here signed, north positive (the page prints its size, and
/// the navigator sees from the column whether the declination grows).
///
/// Equation of time: apparent less mean solar time, in minutes of time,
/// positive when the Sun crosses the meridian before 12h local mean time
/// (early November: +16 m); at 0h and 12h. Meridian passages at Greenwich:
/// the upper transits of the day (those of a body that crosses twice or
/// not at all: the first, or none), the Moon's lower one too. The Moon's
/// age: days from the last new moon (the Sun's and the Moon's ecliptic
/// longitudes equal) to 12h; its illuminated fraction at 12h, in percent.
///
/// The events (events.h) at the latitudes of the printed almanac's table,
/// 72 N to 60 S, on the Greenwich meridian: their UT is the local mean
/// time of the event on any meridian, near enough for planning.
///
/// The stars' SHA and declination at 0h.
#pragma once

#include "almanac/almanac.h"
#include "almanac/events.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace morvel::almanac {

/// The printed almanac's latitudes for the events, in degrees, north first.
std::vector<double> pageLatitudes();

struct PageEvents {
    double lat = 0;  ///< radians
    DayEvents events;
};

struct DailyPage {
    UtcDate date;
    std::vector<Body> moving;              ///< Aries, the planets, the Sun, the Moon
    std::vector<std::vector<Place>> hours; ///< [hour 0..24][moving]; 24 is the next day's 0h
    std::array<double, 24> moonV{}, moonD{};
    std::vector<std::optional<double>> v, d;  ///< for the day, by moving body (the Moon's: none here)
    std::vector<std::optional<double>> passage;  ///< by moving body, UT at Greenwich
    std::optional<double> moonLowerPassage;
    double equationOfTime0 = 0, equationOfTime12 = 0;
    double moonAge = 0, moonIllumination = 0;
    std::vector<PageEvents> events;
    std::vector<Body> stars;
    std::vector<Place> starPlaces;
    std::string error;
    bool ok() const { return error.empty(); }
    /// The index of a body among moving (BodyKind order).
    size_t index(BodyKind kind) const;
    /// A cell of the events table as the printed almanac writes it: the
    /// time to the minute ("06:42"), or for a day without the event "□"
    /// (above the horizon all day; for a twilight, the Sun never set), "■"
    /// (below it all day), "////" (twilight all night: the Sun never so
    /// far below the horizon), "--" (none this day, as the Moon once a
    /// month).
    std::string eventText(size_t latitude, EventKind kind) const;
};

/// Makes the pages of consecutive days, keeping what one day's page
/// learned (the places it shares with the next, the last new moon) for the
/// next.
class PageMaker {
public:
    explicit PageMaker(double dut1 = 0) : dut1_(dut1) {}
    DailyPage page(UtcDate date);

private:
    double dut1_;
    // The last new moon found and the next, as days from 1970-01-01 0h UT.
    std::optional<double> lastNew_, nextNew_;
    // The moving bodies' places at the instants of the last page, by hours
    // from 1970-01-01 0h UT.
    std::map<long, std::vector<Place>> known_;
};

/// The page of one date.
DailyPage dailyPage(UtcDate date, double dut1 = 0);

}  // namespace morvel::almanac
