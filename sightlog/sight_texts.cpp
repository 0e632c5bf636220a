#include "sightlog/sight_texts.h"

#include "navtext/navtext.h"

namespace morvel::sightlog {

using navtext::minutesText;

const char* const lowAltitudeWarning = "below 5° of apparent altitude refraction is unreliable";

std::string correctionsText(const sight::Corrections& k)
{
    return "IC " + minutesText(k.index, true) + ", dip " + minutesText(k.dip, true) + ", refraction "
           + minutesText(k.refraction, true) + ", SD " + minutesText(k.semiDiameter, true) + ", parallax "
           + minutesText(k.parallax, true);
}

}  // namespace morvel::sightlog
