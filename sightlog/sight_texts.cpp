#include "sightlog/sight_texts.h"

#include "almanac/bodies.h"
#include "navtext/navtext.h"

#include <cmath>

namespace morvel::sightlog {

using navtext::minutesText;

const char* const limbsAllowed = "lower, upper or centre (LL, UL)";

std::optional<sight::Limb> readLimb(std::string_view text)
{
    std::string t(text);
    for (char& c : t)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    if (t == "lower" || t == "ll")
        return sight::Limb::lower;
    if (t == "upper" || t == "ul")
        return sight::Limb::upper;
    if (t == "centre" || t == "center")
        return sight::Limb::center;
    return std::nullopt;
}

std::string farInterceptText(double miles)
{
    if (!(std::abs(miles) > sight::interceptWarning))
        return {};
    return "the intercept is " + navtext::nmText(miles) +
           " nm: the DR may be far off, or the sight mistaken (the fix is worked from it all the same)";
}

std::string noBodyText(std::string_view name, std::string_view otherwise, bool aries)
{
    const std::string said = "no body " + navtext::quoted(name);
    const std::optional<almanac::Body> near = almanac::nearestBody(name);
    if (near && (aries || near->kind != almanac::BodyKind::aries))
        return said + "; did you mean " + std::string(near->name) + "?";
    return said + std::string(otherwise);
}

const char* const lowAltitudeWarning = "below 5° of apparent altitude refraction is unreliable";

std::string correctionsText(const sight::Corrections& k)
{
    return "IC " + minutesText(k.index, true) + ", dip " + minutesText(k.dip, true) + ", refraction "
           + minutesText(k.refraction, true) + ", SD " + minutesText(k.semiDiameter, true) + ", parallax "
           + minutesText(k.parallax, true);
}

}  // namespace morvel::sightlog
