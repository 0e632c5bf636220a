/// \file degmin.h
/// \brief Angles written as whole degrees and minutes of arc, as navigators
/// write them (40° 12.3′): reading a degrees text and a minutes text as one
/// angle, and splitting an angle into the texts of its degrees and minutes.
/// Pure functions over the rules of numtext.h; no Qt, no window state.
///
/// Reading. The degrees text is read by the typed-number rule as a double;
/// the minutes text by the same rule into single precision (a minutes number
/// beyond single precision reads as the largest single-precision value of
/// its sign). A text that is not a number reads as 0: an empty or blank
/// minutes text is 0 minutes. Whether the angle is given depends on the
/// degrees text alone (isGiven). A given angle is mistyped when its degrees
/// text is not a number ("abc", two blanks, "4O.5"), or else when its
/// minutes text holds more than blanks and is not a number; the windows
/// then stop with the quantity's range message. The combined angle is
/// degrees + minutes / 60; where the degrees carry their own sign (the
/// altitude) and the degrees text begins, after blanks, with "-", the
/// minutes are subtracted instead: "-5" and "30" is -5.5, "-0" and "30" is
/// -0.5. Minutes are expected in 0 to under 60 (minutesInRange); others are
/// still used as typed ("40" and "75" is 41.25).
///
/// Splitting. An angle of d degrees gives whole degrees D = floor(|d|) and
/// minutes to a tenth, M = floor((|d| - D) x 10 x 60 + 0.5) / 10 in single
/// precision (halves up); 60.0 minutes carry: 59.9999 is 60 and 0. Texts
/// follow the number-to-text rule: a blank before zero and positive numbers
/// (" 45", " 30", " 30.5"). Minutes never carry a sign. The degrees are
/// shown without sign, except where they carry their own sign (the
/// altitude): then a negative angle shows "-D", and "-0" when D is 0
/// (-0.5 is "-0" and " 30"; -0.99999 carries to "-1" and " 0"). An angle
/// that rounds to 0 degrees 0.0 minutes has no sign: -0.0001 is " 0" and
/// " 0".
#pragma once

#include <string>
#include <string_view>

namespace morvel::navtext {

/// The box of a given angle whose text is not a number, degrees first.
enum class Mistyped { none, degrees, minutes };

/// An angle as typed into a degrees box and a minutes box.
struct AngleReading {
    bool given = false;     ///< the degrees text is neither empty nor one blank
    double degrees = 0;     ///< the degrees text's value (0 on overflow)
    bool overflow = false;  ///< the degrees number is too large for a double
    float minutes = 0;      ///< the minutes text's value, single precision
    double combined = 0;    ///< degrees and minutes as one angle, in degrees
    Mistyped mistyped = Mistyped::none;
};

/// Reads a degrees text and a minutes text; signedDegrees applies the
/// minus-sign rule (the altitude).
AngleReading readAngle(std::string_view degrees, std::string_view minutes, bool signedDegrees);

/// Minutes in 0 to under 60: 59.9 is, 60 is not.
inline bool minutesInRange(float minutes) { return minutes >= 0 && minutes < 60; }

/// An angle's magnitude as whole degrees and minutes to a tenth.
struct DegMin {
    int degrees = 0;
    float minutes = 0;
};

/// Splits |d| (degrees), with the carry at 60 minutes. A magnitude that is
/// not finite or from 32768 degrees up has no split (0 and 0).
DegMin splitDegMin(double d);

/// Whether the angle d, split as s, is shown with a minus: below 0 and not
/// rounded to nothing.
inline bool isNegative(double d, const DegMin& s) { return d < 0 && (s.degrees != 0 || s.minutes != 0); }

/// The texts of the degrees box and the minutes box.
struct DegMinText {
    std::string degrees, minutes;
};

/// The texts for an angle of d degrees; signedDegrees shows the sign in the
/// degrees ("-0" for a small negative angle). Empty texts for an angle that
/// splitDegMin cannot split.
DegMinText degMinText(double d, bool signedDegrees);

}  // namespace morvel::navtext
