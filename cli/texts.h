/// \file texts.h
/// \brief The texts and numbers of morvel-solve's answers: angles and
/// distances as the calculator windows show them, and the quantities of
/// each triangle with their captions and keys. No Qt.
///
/// Texts. Degrees and minutes are the degrees-and-minutes window's
/// (calc::degMinText: whole degrees, minutes to a tenth, halves up, 60.0
/// minutes carried); with decimal, the decimal-degrees window's five
/// decimals (calc::round3 and calc::addzeros). The window's leading blank
/// is dropped and the hemisphere buttons become a letter: N when the value
/// is above 0, else S (exactly 0 is S, as in the windows); E above 0, else
/// W. Only the altitude carries a sign ("-0°30'" is half a degree below the
/// horizon). Distances are nautical miles to a tenth (gcs::shownMiles).
///
///   40°12.3'N   351°41.9'   -0°30'   40.20500N   2999.4
///
/// Sight texts (the nav family). The sight work (sight reduction, fix,
/// noon, identification, the sky and the almanac places beside them)
/// writes angles as a sight form does: the same split and rounding, but the
/// minutes always with two digits and a tenth, and the degrees of
/// longitudes and of 0-360 angles with three digits. 360°00.0' is
/// 000°00.0'. An angle that rounds to nothing has neither sign nor
/// southern letter: it is N or E. With decimal they are the decimal texts
/// above, letter for letter.
///
///   40°13.0'N   035°30.7'W   -0°12.3'   041°00.0'   0.79833N
///
/// Numbers (JSON) are decimal degrees with the decimal window's rounding,
/// signed north and east positive (the DLo east positive), and nautical
/// miles to a tenth.
#pragma once

#include "cli/solve.h"
#include "gcs/composite.h"

#include <string>

namespace morvel::cli {

/// typed: the value was given, and keeps the letter it was given with (0N
/// stays N); a result of exactly 0 is S or W, as in the windows.
std::string latitudeText(double x, bool decimal, bool typed = false);
std::string longitudeText(double x, bool decimal, bool typed = false);
std::string altitudeText(double x, bool decimal);
/// LHA, azimuth and courses, 0 to 360 degrees.
std::string circleText(double x, bool decimal);
/// The sight texts of a latitude or declination, a longitude, an altitude
/// (Hs, Ho, Hc and their differences, signed) and an angle on the circle
/// (GHA, LHA, SHA, Zn, courses and bearings; any angle is taken round to 0
/// to 360 degrees).
std::string navLatitudeText(double x, bool decimal);
std::string navLongitudeText(double x, bool decimal);
std::string navAltitudeText(double x, bool decimal);
std::string navCircleText(double x, bool decimal);
/// A DLo's magnitude with E or W.
std::string dloText(double dlo, bool east, bool decimal);
/// Nautical miles to a tenth.
std::string milesText(double miles);
/// A distance in nautical miles to a tenth, halves up, without sign
/// ("0.4", "13.0").
std::string nmText(double miles);
/// An intercept in nautical miles to a tenth, T toward or A away ("4.2 T").
std::string interceptText(double miles);
/// Minutes of arc of an angle to a tenth with the minute sign ("16.3'");
/// sign puts + before a positive one (corrections).
std::string minutesText(double x, bool sign = false);
/// Minutes of arc of an angle to a hundredth (JSON and CSV).
double minutesNumber(double x);
/// A number as the windows write it (15 digits), without their leading blank.
std::string plainNumber(double x);

/// Nautical miles rounded to a tenth, halves up.
double tenths(double miles);
/// An angle in decimal degrees as the decimal window rounds it; magnitude
/// rounds |x| and gives back the sign (latitudes and longitudes).
double shown(double x, bool magnitude);

/// "Input", "Output" or "2 Outputs" beside a row, as in the windows.
const char* marker(bool given, int count);
/// A batch line's status: "ok" or "no solution".
const char* status(int count);

/// The celestial rows (latitude, LHA, declination, altitude, azimuth):
/// captions, keys (JSON and CSV) and the text of row's value x.
extern const char* const celestialCaptions[5];
extern const char* const celestialKeys[5];
std::string celestialText(int row, double x, bool decimal, bool typed);

/// The great-circle window's rows top to bottom, with their captions, keys
/// and texts.
extern const Row passageOrder[8];
const char* caption(Row row);
const char* key(Row row);
std::string passageText(Row row, const Passage& s, bool decimal, bool typed);
/// The longitude rows are shown only when a longitude was given.
bool shownRow(const PassageResult& r, Row row);
/// What the great circle of s saves on the rhumb line between the same
/// ends, as the two distances are shown: nautical miles to a tenth.
double milesSaved(const Passage& s);
/// How much longer the route c within a limit is than the great circle of
/// s, as the two distances are shown.
double milesLonger(const gcs::Composite& c, const Passage& s);

}  // namespace morvel::cli
