// The compass's angles as navigators read and write them (navtext.h).
#include "navtext/navtext.h"

#include "engine/angles.h"
#include "navtext/say.h"

#include <cmath>
#include <cstdio>

namespace morvel::navtext {

namespace {

using math::degree;

/// |x| in degrees to a tenth, and whether it rounds to nothing.
std::string tenthsOfDegree(double x, bool& nothing)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.1f\xC2\xB0", std::abs(x) / degree);
    nothing = std::string_view(buf) == "0.0\xC2\xB0";
    return buf;
}

}  // namespace

AngleRead readEastWest(std::string_view text, std::string_view what)
{
    // A longitude's reading: E or W, or a sign, 0 to 180 degrees.
    AngleRead a = readNavAngle(text, AngleKind::longitude, what);
    if (!a.ok)
        a.error = refusal(text, say(MORVEL_TR("navtext", "%1 is degrees east or west, 0 to 180 (2.5 E, 1.0 W, 3 15E), "
                                                         "or signed, east positive (-1.0)"),
                                    {what}));
    return a;
}

std::string degreesText(double x)
{
    bool nothing = false;
    const std::string t = tenthsOfDegree(x, nothing);
    return x < 0 && !nothing ? "-" + t : t;
}

std::string eastWestText(double x)
{
    bool nothing = false;
    const std::string t = tenthsOfDegree(x, nothing);
    return nothing ? t : t + (x > 0 ? " E" : " W");
}

std::string gyroErrorText(double error)
{
    // An error west: the gyro reads more than true.
    bool nothing = false;
    const std::string t = tenthsOfDegree(error, nothing);
    if (nothing)
        return t;
    return say(error < 0 ? MORVEL_TR("navtext", "%1 high") : MORVEL_TR("navtext", "%1 low"), {t});
}

std::string amplitudeText(double amplitude, bool rising)
{
    bool nothing = false;
    const std::string t = tenthsOfDegree(amplitude, nothing);
    return std::string(rising ? "E " : "W ") + t + (nothing ? "" : amplitude > 0 ? " N" : " S");
}

}  // namespace morvel::navtext
