/// \file numtext.h
/// \brief The rules for reading numbers from text and writing them back, and the
/// decimal-degrees rounding and padding, as pure functions
/// shared by the three calculator windows and morvel-solve. No Qt, no window state.
///
/// Reading ("text to number"): the value of the longest leading decimal
/// number of the text, blanks ignored, 0 when there is none:
///   - blanks (spaces and tabs) are skipped wherever they stand: " 1 2.5" is 12.5;
///   - one optional sign, digits with at most one decimal point (".5", "5.");
///   - an optional exponent "E" or "e", optional sign and digits ("1E-05",
///     the form the windows themselves print); an "E" not followed by digits
///     ends the number ("12E" is 12);
///   - anything else ends the number: "12,5" is 12, "45N" is 45, "abc" is 0;
///     there are no other number bases ("&H10" is 0);
///   - the result is always finite: a number beyond the range of a double is
///     flagged as overflow (value 0) so that the caller reports it with the
///     field's range message; a number too small for a double reads as 0.
///
/// Reading what the user typed into a window's box ("typed number"): the
/// text, blanks before and after it aside, must be one number, which then
/// reads as above (overflow included):
///   - one optional sign, digits with at most one decimal point, and an
///     optional exponent "E" or "e" with an optional sign and at least one
///     digit; exponents belong because the windows print them (" 1E-05")
///     and a calculation reads its boxes back;
///   - a comma is the decimal point when it is the only comma and there is
///     no point: "39,84333" is 39.84333;
///   - anything else is not a number: blanks alone, letters, "4O.5", "1e",
///     "--5", "4 0", "1,000.5". A given box whose text is not a number
///     stops the calculation (degmin.h), so that no mistyped text becomes
///     a number without a word.
/// readNavAngle (navtext.h) checks its texts its own way before it reads them: there a
/// comma is a decimal point only between digits, and in a position it parts the
/// latitude from the longitude.
///
/// Writing ("number to text"), for a 64-bit value: a leading blank for zero
/// and positive values, "-" for negative ones; at most 15 significant
/// digits; no zero before the decimal point below 1 (" .5", "-.25"); no
/// trailing zeros and no point for whole values (" 45"); exponent form for
/// magnitudes below 0.0001 and from 1E+15 up (" 1E-05", "-1.5E-07",
/// " 1E+15"). A 32-bit value uses 7 significant digits.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvel::navtext {

/// What a text reads as.
struct TextNumber {
    double value = 0;       ///< always finite; 0 when overflow is set
    bool overflow = false;  ///< the number is too large for a double
};

/// The text-to-number rule.
TextNumber textToNumber(std::string_view text);

/// The typed-number rule; no value when the text is not a number.
std::optional<TextNumber> typedNumber(std::string_view text);

/// The given flag: the text is neither empty nor exactly one
/// blank. Two blanks, letters or a zero make a field given.
bool isGiven(std::string_view text);

/// The number-to-text rule with up to `digits` significant digits (15 for a
/// 64-bit value, 7 for a 32-bit one). A value that is not finite, which no
/// reading can produce, gives an empty text.
std::string numberText(double x, int digits = 15);

/// A 32-bit value: 7 significant digits.
inline std::string numberText(float x) { return numberText(double(x), 7); }

/// round3: the angle x (radians) in degrees, rounded to five
/// decimals, halves toward plus infinity: floor(x * 100000 / deg + 0.5) / 100000.
double round3(double x, double deg);

/// addzeros: the text of Y with exactly five decimals for whole
/// and ordinary values (" 12.50000", " 45.00000", "-.25000"); exponent forms
/// get no zeros (" 1E-05"). Empty for a value that is not finite.
std::string addzeros(double Y);

}  // namespace morvel::navtext
