/// \file navtext.h
/// \brief Angles, positions, distances and times as navigators write them:
/// every form read and every form written, in one place. No Qt; used by
/// morvel-solve, the sight-reduction window and whatever comes next.
///
/// Radians throughout: latitudes and declinations north positive,
/// longitudes east positive, altitudes above the horizon positive, LHA,
/// azimuths and courses 0 to 2pi.
///
/// Reading an angle (readNavAngle). Whole degrees and minutes, whole
/// degrees, minutes and seconds, or decimal degrees:
///
///   40 12.3N   40°12.3'N   N40 12.3   40.205N   351 41.9   -12 15   -40.205
///   41 12 18   41°12'18"   41°12′18″N   41°12'18''   41 12 18.5N
///
/// Degrees, minutes and seconds are parted by blanks or by the signs ° and
/// ' (also º, ′ and ’) and, after the seconds, " (also ″, ” and two minute
/// signs, '' ′′ ’’); a seconds sign anywhere else is refused. Minutes run
/// from 0 to under 60 and follow whole degrees; seconds run from 0 to under
/// 60 and follow whole minutes. A hemisphere letter (N or S for latitude
/// and declination, E or W for longitude and DLo, either case) stands
/// before or after the number. Latitude, declination and longitude may
/// carry a sign instead (minus is south or west); the DLo needs its letter.
/// The altitude carries its own sign: "-12 15" is 12°15' below the horizon,
/// "-0 30" half a degree. LHA, azimuth and course take neither letter nor
/// sign. The ranges: latitude 0 to 90, longitude 0 to 180, altitude -90 to
/// 90, an angle on the circle and a DLo 0 to 360 degrees (allowed() says
/// each in a message's words).
///
/// A decimal comma stands for the point where an angle is read alone: a
/// comma between two digits, the only comma of a text with no point
/// ("41,205N", "19 2,2", "41 12 18,5N"). Never in a position, below.
///
/// The numbers are read by the calculators' rule (readAngle, degmin.h):
/// minutes in single precision, the combined angle degrees + minutes / 60,
/// then radians by pi / 180. The same text therefore gives the same angle
/// here as in the degrees-and-minutes window, to the last bit. With seconds
/// the whole minutes and the seconds are joined in double precision,
/// degrees + (minutes + seconds / 60) / 60.
///
/// Reading a position (readPosition): a latitude and a longitude,
/// "40 12.3N 70 30.5W", "40.205N,70.508W", "N40 12.3 W70 30.5",
/// "41 12 18N 70 30 05W" or, without letters, two signed decimal numbers
/// "40.205 -70.508" (or "40.205,-70.508"). A latitude alone is a position
/// without a longitude. Degrees, minutes and seconds only with both
/// letters: "41 12 18" could be a latitude with seconds or a latitude and a
/// longitude's degrees and minutes. A comma parts the latitude from the
/// longitude, so a position's decimals take a point: "41,205N 70,508W" is
/// refused, saying so.
///
/// Reading a distance (readMiles): nautical miles, 0 to 10800 (half a great
/// circle), a plain decimal number with "nm" after it allowed: "2999.4",
/// "500nm", "2999,4".
///
/// Reading an index correction (readIndexCorrection): minutes of arc, -30
/// to 30, added to the sextant altitude, so off the arc positive and on the
/// arc negative: signed ("-1.2", "+0.5", "1.2"), or with off or on after
/// it in any case ("1.2 off" is +1.2, "1.2 ON" -1.2), never both; a minute
/// sign may follow the number ("1.2' off").
///
/// Reading a height of eye (readHeightOfEye): metres, 0 to 100, plain or
/// with m ("2.5", "2.5 m"), or feet with ft or a foot sign ' ′ ’ ("8 ft",
/// "8'"), converted to metres (0.3048 m to the foot).
///
/// The number of an index correction or a height of eye is read as a
/// calculator's box reads one (typed number, numtext.h): a lone comma is
/// the decimal point ("-1,2", "3,5").
///
/// The names of bodies are almanac/bodies.h's (any case, other spellings,
/// a near miss named), the limbs sightlog/sight_texts.h's.
///
/// The calculators' boxes read their own way, below these: a box holds one
/// number ("typed number", numtext.h; a lone comma is the decimal point),
/// a pair of degrees and minutes boxes one angle (degmin.h).
///
/// Writing, the calculators' forms (latitudeText ... circleText). Degrees
/// and minutes are the degrees-and-minutes window's (degMinText: whole
/// degrees, minutes to a tenth, halves up, 60.0 minutes carried); with
/// decimal, the decimal-degrees window's five decimals (round3 and
/// addzeros). The window's leading blank is dropped and the hemisphere
/// buttons become a letter: N when the value is above 0, else S (exactly 0
/// is S, as in the windows); E above 0, else W. Only the altitude carries a
/// sign ("-0°30'" is half a degree below the horizon).
///
///   40°12.3'N   351°41.9'   -0°30'   40.20500N
///
/// Writing, the sight form (nav...Text): what the sight work writes (sight
/// reduction, fix, noon, identification, the sky and the almanac places
/// beside them), as a sight form does: the same split and rounding, but the
/// minutes always with two digits and a tenth, and the degrees of
/// longitudes and of 0-360 angles with three digits. 360°00.0' is
/// 000°00.0'. An angle that rounds to nothing has neither sign nor
/// southern letter: it is N or E. With decimal they are the decimal texts
/// above, letter for letter.
///
///   40°13.0'N   035°30.7'W   -0°12.3'   041°00.0'   0.79833N
///
/// A course or the direction of a run is written as a sight form writes
/// it beside a distance, to the whole degree with three digits, halves up:
/// "270°"; 359.5 degrees and up is 000°.
///
/// Writing distances and small angles: nautical miles to a tenth as the
/// windows write numbers ("2999.4", milesText) or always with a tenth
/// ("13.0", nmText), an intercept with T toward or A away ("4.2 T"), a
/// correction in minutes of arc ("+16.3'").
///
/// Times. An instant is read and written as ISO 8601 UTC
/// ("2026-12-07T17:32:10Z", almanac/time.h). Time on board, as a navigator
/// keeps it by a watch (the sight log works out the UT, sightlog/sight_log.h):
///
///   date on board  2026-12-07 (readDate): a calendar date, 1900-01-01 to
///                  2100-12-31.
///   watch time     19:33 or 19:33:05 (readWatchTime), the hours 0 to 23 in
///                  one digit or two, minutes and seconds in two, to the
///                  whole second; or with a date before it, for a sight on
///                  another day than the log's, 2026-12-08 00:15 (a T for
///                  the blank too). No Z and no offset: the zone is the
///                  log's.
///   zone description  +5, -3, +9.5, -5.5, 0 (readZone): the hours added to
///                  zone time to give UT, as navigators write it: plus west
///                  of Greenwich (+5 in 75° W), minus east (-3 in 45° E).
///                  Whole, half and quarter hours from -14 to +14 (+12 and
///                  -12 share the zone of the date line; +13, -13 and -14
///                  are kept by ships and islands beside it); the sign is
///                  needed but for 0, and the minus may be typed as U+2212.
///                  "+05:30" is refused: ISO 8601 writes zone -5.5 so, with
///                  the opposite sign.
///   watch error    12 s fast, 12 s slow, 1 m 12 s fast, 12s fast, 0
///                  (readWatchError): fast when the watch is ahead (the right
///                  time is the watch's less the error), slow when behind
///                  (plus); whole seconds, under an hour (more is a zone,
///                  not an error); letters in any case.
///
/// UT = watch time - the error fast (+ the error slow) + the zone
/// description, counted from the midnight of the date on board: it may fall
/// on the next or the previous UT date.
///
/// A printed page writes an instant's date and time with a blank between
/// and no Z ("2026-12-07 17:32:10", instantText), under a heading that says
/// UT.
///
/// Writing: a date "2026-12-07" (dateText), a time of day "19:33:05" or
/// "19:33" (clockText, the seconds of the day cut to the whole second), a
/// watch's reading as a row of a log takes it "2026-12-08 00:15:00"
/// (watchReadingText), the time of a row of a sight log as the log shows
/// it, one form for every row (loggedTimeText): the watch's time with the
/// UT it stands for, "19:33:00 (2026-12-08 00:33:00 UT)", or in a log kept
/// in UT the UT alone, "2026-12-07 19:33:00 UT" (instantText's form); a zone
/// description "+5", "-5.5", "0" (zoneText).
///
/// The messages (each read's error, allowed()) are said in the reader's
/// language (say.h): English in morvel-solve.
///
/// Numbers (JSON and CSV) are decimal degrees with the decimal window's
/// rounding (shown), signed north and east positive, nautical miles to a
/// tenth (tenths) and minutes of arc to a hundredth (minutesNumber).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvel::navtext {

// ---- reading ---------------------------------------------------------------

/// What an angle is, which decides its letters, sign and range.
enum class AngleKind {
    latitude,   ///< N/S or sign, 0 to 90 degrees (also the declination)
    longitude,  ///< E/W or sign, 0 to 180 degrees
    altitude,   ///< signed, -90 to 90 degrees
    circle,     ///< LHA, azimuth, course: 0 to 360 degrees
    dlo,        ///< E/W needed, 0 to 360 degrees
};

/// An angle read, or why not. radians is signed north and east positive;
/// for a DLo it is the magnitude as typed, 0 to 2pi, and east says which
/// way.
struct AngleRead {
    bool ok = false;
    double radians = 0;
    bool east = false;  ///< a DLo written with E
    std::string error;  ///< what was wrong and what is allowed
};

/// what names the quantity in messages ("a declination"), in the reader's
/// language as the message is (say.h); by default the kind's own name.
AngleRead readNavAngle(std::string_view text, AngleKind kind, std::string_view what = {});

/// A position read: its latitude, and its longitude when it has one.
struct PositionRead {
    bool ok = false;
    double lat = 0;
    std::optional<double> lon;
    std::string error;
};

PositionRead readPosition(std::string_view text);

/// A distance in nautical miles, 0 to 10800.
struct MilesRead {
    bool ok = false;
    double miles = 0;
    std::string error;
};

MilesRead readMiles(std::string_view text);

/// A quantity read in its unit, or why not.
struct ValueRead {
    bool ok = false;
    double value = 0;
    std::string error;  ///< what was wrong and what is allowed
};

/// An index correction in minutes of arc, off the arc positive.
ValueRead readIndexCorrection(std::string_view text);
/// A height of eye in metres, typed in metres or feet.
ValueRead readHeightOfEye(std::string_view text);

/// What each kind accepts, for messages and --help.
std::string allowed(AngleKind kind);

// ---- writing: the calculators' forms ---------------------------------------

/// typed: the value was given, and keeps the letter it was given with (0N
/// stays N); a result of exactly 0 is S or W, as in the windows.
std::string latitudeText(double x, bool decimal, bool typed = false);
std::string longitudeText(double x, bool decimal, bool typed = false);
std::string altitudeText(double x, bool decimal);
/// LHA, azimuth and courses, 0 to 360 degrees.
std::string circleText(double x, bool decimal);
/// A DLo's magnitude with E or W.
std::string dloText(double dlo, bool east, bool decimal);

// ---- writing: the sight form ----------------------------------------------

/// A latitude or declination, a longitude, an altitude (Hs, Ho, Hc and
/// their differences, signed) and an angle on the circle (GHA, LHA, SHA,
/// Zn, courses and bearings; any angle is taken round to 0 to 360 degrees).
std::string navLatitudeText(double x, bool decimal);
std::string navLongitudeText(double x, bool decimal);
std::string navAltitudeText(double x, bool decimal);
std::string navCircleText(double x, bool decimal);
/// A position, its latitude and longitude with a blank between
/// ("40°05.0'N 035°45.0'W").
std::string navPositionText(double lat, double lon, bool decimal);
/// A course or a run's direction to the whole degree ("270°"); empty for
/// what is no angle (NaN, infinity).
std::string navCourseText(double x);

// ---- writing: distances, minutes, numbers ---------------------------------

/// Nautical miles as the windows write a number (15 digits, no trailing
/// zeros): "2999.4", "13".
std::string milesText(double miles);
/// A distance in nautical miles to a tenth, halves up, without sign
/// ("0.4", "13.0").
std::string nmText(double miles);
/// An intercept in nautical miles to a tenth, T toward or A away ("4.2 T").
std::string interceptText(double miles);
/// Minutes of arc of an angle to a tenth with the minute sign ("16.3'");
/// sign puts + before a positive one (corrections).
std::string minutesText(double x, bool sign = false);
/// The equation of time, minutes of time, as the almanac prints it, its
/// sign before it: "+08m 47s", "-14m 02s", "00m 00s".
std::string equationOfTimeText(double minutes);
/// A number as the windows write it (15 digits), without their leading blank.
std::string plainNumber(double x);

// ---- time on board ----------------------------------------------------------

/// A calendar date.
struct CalendarDate {
    int year = 0, month = 0, day = 0;
    bool operator==(const CalendarDate&) const = default;
};

struct DateRead {
    bool ok = false;
    CalendarDate date;
    std::string error;
};

DateRead readDate(std::string_view text);

/// A watch's time: the seconds since midnight of its day, and that day
/// when the text gives one.
struct WatchTimeRead {
    bool ok = false;
    std::optional<CalendarDate> date;
    int seconds = 0;
    std::string error;
};

WatchTimeRead readWatchTime(std::string_view text);

/// A zone description in hours: UT = zone time + hours.
struct ZoneRead {
    bool ok = false;
    double hours = 0;
    std::string error;
};

ZoneRead readZone(std::string_view text);

/// A watch error in seconds, positive fast and negative slow: the right
/// time is the watch's less fast.
struct WatchErrorRead {
    bool ok = false;
    int fast = 0;
    std::string error;
};

WatchErrorRead readWatchError(std::string_view text);

std::string dateText(const CalendarDate& date);
/// Seconds since midnight as a time of day, cut to the whole second; a
/// leap second's 86400 and up is 23:59:60.
std::string clockText(double seconds, bool withSeconds = true);
std::string watchReadingText(const CalendarDate& date, int seconds);
/// watch, when the log is kept by the watch, is the watch's seconds of the
/// day; utDate and utSeconds the UT.
std::string loggedTimeText(std::optional<int> watch, const CalendarDate& utDate, double utSeconds);
std::string zoneText(double hours);
/// An ISO 8601 instant as a page writes it, its date and time as they were
/// written with a blank between, without the Z ("2026-12-07 17:32:10");
/// the text itself when it is not of that form.
std::string instantText(std::string_view iso);

/// A text the navigator gave, quoted in a message: in single quotes, cut
/// after 40 characters with "..." where it runs on, so that a line of a
/// file that is no log cannot flood a message.
std::string quoted(std::string_view text);
/// A text the navigator gave and why it is refused, one message in the
/// reader's language: the text quoted, then the reason ("'40 12.3X':
/// unexpected 'X'; ...").
std::string refusal(std::string_view text, std::string_view why);

/// Nautical miles rounded to a tenth, halves up.
double tenths(double miles);
/// An angle in decimal degrees as the decimal window rounds it; magnitude
/// rounds |x| and gives back the sign (latitudes and longitudes).
double shown(double x, bool magnitude);
/// Minutes of arc of an angle to a hundredth (JSON and CSV).
double minutesNumber(double x);

// ---- the compass ------------------------------------------------------------
//
// A compass error, a variation and a deviation are east positive: read
// with E or W ("2.5 E", "1.0W", "3 15E" for 3°15') or signed ("-1.0" is
// 1.0 W), 0 to 180 degrees; written to a tenth of a degree with the letter
// after a blank ("2.3° E"), a gyro's error as the gyro reads against true
// ("1.5° high": the gyro reads more than true, its error west), an
// amplitude from the east or west point toward north or south
// ("E 21.4° S"). One that rounds to nothing has no letter: "0.0°".

/// An angle east or west read; what names it in a message ("a variation").
AngleRead readEastWest(std::string_view text, std::string_view what);
/// Degrees to a tenth with the degree sign, signed: "5.3°", "-0.4°".
std::string degreesText(double x);
/// An error, variation or deviation: "2.3° E", "1.0° W", "0.0°".
std::string eastWestText(double x);
/// A gyro's error (east positive) as its reading: "1.5° high", "0.4° low".
std::string gyroErrorText(double error);
/// An amplitude (north positive) of a body rising or setting: "E 21.4° S",
/// "W 3.0° N".
std::string amplitudeText(double amplitude, bool rising);

}  // namespace morvel::navtext
