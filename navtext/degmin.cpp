#include "navtext/degmin.h"

#include "navtext/numtext.h"

#include <cfloat>
#include <cmath>

namespace morvel::navtext {

namespace {

bool beginsWithMinus(std::string_view text)
{
    size_t first = 0;
    while (first < text.size() && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    return first < text.size() && text[first] == '-';
}

/// A minutes number read into single precision, clamped to its range.
float toMinutes(std::string_view text, const TextNumber& n)
{
    if (n.overflow)
        return beginsWithMinus(text) ? -FLT_MAX : FLT_MAX;
    if (n.value > FLT_MAX)
        return FLT_MAX;
    if (n.value < -FLT_MAX)
        return -FLT_MAX;
    return float(n.value);
}

/// Whole degrees are a 16-bit number: magnitudes below 32768 split.
constexpr double maxDegrees = 32768;

}  // namespace

AngleReading readAngle(std::string_view degrees, std::string_view minutes, bool signedDegrees)
{
    AngleReading a;
    a.given = isGiven(degrees);
    const std::optional<TextNumber> degNumber = typedNumber(degrees);
    const std::optional<TextNumber> minNumber = typedNumber(minutes);
    if (a.given && !degNumber)
        a.mistyped = Mistyped::degrees;
    else if (a.given && !minNumber && minutes.find_first_not_of(" \t") != std::string_view::npos)
        a.mistyped = Mistyped::minutes;
    a.degrees = degNumber ? degNumber->value : 0;
    a.overflow = degNumber && degNumber->overflow;
    a.minutes = minNumber ? toMinutes(minutes, *minNumber) : 0;
    const double m = double(a.minutes) / 60;
    a.combined = signedDegrees && beginsWithMinus(degrees) ? a.degrees - m : a.degrees + m;
    return a;
}

DegMin splitDegMin(double d)
{
    const double magnitude = std::abs(d);
    if (!(magnitude < maxDegrees))
        return {};
    DegMin s;
    s.degrees = int(std::floor(magnitude));
    s.minutes = float(std::floor((magnitude - s.degrees) * 10 * 60 + 0.5) / 10);
    if (s.minutes == 60) {
        s.minutes = 0;
        ++s.degrees;
    }
    return s;
}

DegMinText degMinText(double d, bool signedDegrees)
{
    if (!(std::abs(d) < maxDegrees))
        return {};
    const DegMin s = splitDegMin(d);
    const bool negative = signedDegrees && isNegative(d, s);
    DegMinText t;
    t.degrees = negative && s.degrees == 0 ? std::string("-0") : numberText(double(negative ? -s.degrees : s.degrees));
    t.minutes = numberText(s.minutes);
    return t;
}

}  // namespace morvel::navtext
