#include "sightlog/sight_texts.h"

#include "almanac/bodies.h"
#include "navtext/navtext.h"
#include "navtext/say.h"

#include <cmath>

namespace morvel::sightlog {

using navtext::minutesText;
using navtext::say;

std::string limbsAllowed()
{
    return say(MORVEL_TR("sightlog", "lower, upper or centre (LL, UL)"));
}

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
    return say(MORVEL_TR("sightlog", "the intercept is %1 nm: the DR may be far off, or the sight mistaken (the fix "
                                     "is worked from it all the same)"),
               {navtext::nmText(miles)});
}

std::string noBodyText(std::string_view name, std::string_view otherwise, bool aries)
{
    const std::string said = navtext::quoted(name);
    const std::optional<almanac::Body> near = almanac::nearestBody(name);
    if (near && (aries || near->kind != almanac::BodyKind::aries))
        return say(MORVEL_TR("sightlog", "no body %1; did you mean %2?"), {said, near->name});
    if (otherwise.empty())
        return say(MORVEL_TR("sightlog", "no body %1"), {said});
    return say(MORVEL_TR("sightlog", "no body %1; %2"), {said, otherwise});
}

std::string lowAltitudeWarning()
{
    return say(MORVEL_TR("sightlog", "below 5° of apparent altitude refraction is unreliable"));
}

std::string correctionsText(const sight::Corrections& k)
{
    return say(MORVEL_TR("sightlog", "IC %1, dip %2, refraction %3, SD %4, parallax %5"),
               {minutesText(k.index, true), minutesText(k.dip, true), minutesText(k.refraction, true),
                minutesText(k.semiDiameter, true), minutesText(k.parallax, true)});
}

}  // namespace morvel::sightlog
