#include "cli/texts.h"

#include "calc/degmin.h"
#include "calc/numtext.h"
#include "engine/angles.h"
#include "gcs/sailing.h"

#include <cmath>
#include <cstdio>
#include <unordered_map>

namespace morvel::cli {

namespace {

using math::degree;

/// A window's text without its leading blank.
std::string trimmed(std::string s)
{
    if (!s.empty() && s.front() == ' ')
        s.erase(0, 1);
    return s;
}

/// calc::numberText without its leading blank, remembered: a batch writes
/// the same few hundred degrees, minutes and distances again and again.
const std::string& numberTextOf(double v, int digits)
{
    static std::unordered_map<double, std::string> texts[2];  // 15 and 7 digits
    auto& known = texts[digits == 7];
    auto it = known.find(v);
    if (it == known.end())
        it = known.emplace(v, trimmed(calc::numberText(v, digits))).first;
    return it->second;
}

/// The degrees-and-minutes window's texts (calc::degMinText) from the same
/// split, with the numbers' texts remembered.
std::string degMin(double x, bool signedDegrees)
{
    const double d = x / degree;
    if (!(std::abs(d) < 32768))
        return {};
    const calc::DegMin s = calc::splitDegMin(d);
    const bool negative = signedDegrees && calc::isNegative(d, s);
    std::string t = negative ? "-" : "";
    t += numberTextOf(s.degrees, 15);
    t += "\xC2\xB0";
    t += numberTextOf(s.minutes, 7);
    t += '\'';
    return t;
}

/// The sight form's text of d degrees split as s: the degrees with at least
/// width digits, the minutes with two and a tenth, and a minus where minus
/// is set and the angle does not round to nothing.
std::string navDegMin(double d, const calc::DegMin& s, int width, bool minus)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%0*d\xC2\xB0%04.1f'", minus && calc::isNegative(d, s) ? "-" : "", width,
                  s.degrees, double(s.minutes));
    return buf;
}

/// A latitude or longitude in the sight form, with the first of letters
/// north or east of 0 and where it rounds to nothing, else the second.
std::string navPosition(double x, int width, const char* letters)
{
    const double d = x / degree;
    if (!(std::abs(d) < 32768))
        return {};
    const calc::DegMin s = calc::splitDegMin(d);
    const bool nothing = s.degrees == 0 && s.minutes == 0;
    return navDegMin(d, s, width, false) + letters[d > 0 || nothing ? 0 : 1];
}

/// The decimal window's text of x; magnitude drops the sign (latitudes).
std::string decimal(double x, bool magnitude)
{
    return trimmed(calc::addzeros(calc::round3(magnitude ? std::abs(x) : x, degree)));
}



bool positive(double x, bool typed)
{
    return x > 0 || (typed && x == 0 && !std::signbit(x));
}

}  // namespace

double tenths(double miles)
{
    return std::floor(miles * 10 + 0.5) / 10;
}


/// An angle in decimal degrees as the decimal window rounds it; magnitude
/// rounds |x| and gives back the sign (latitudes and longitudes).
double shown(double x, bool magnitude)
{
    if (!magnitude)
        return calc::round3(x, degree);
    const double v = calc::round3(std::abs(x), degree);
    return x < 0 ? -v : v;
}

const char* marker(bool given, int count)
{
    return given ? "Input" : count == 2 ? "2 Outputs" : "Output";
}

const char* status(int count)
{
    return count > 0 ? "ok" : "no solution";
}

const char* const celestialCaptions[5] = {"Latitude", "LHA", "Declination", "Altitude", "Azimuth"};
const char* const celestialKeys[5] = {"lat", "lha", "dec", "alt", "zn"};

std::string celestialText(int row, double x, bool dec, bool typed)
{
    switch (row) {
    case 0:
    case 2: return latitudeText(x, dec, typed);
    case 3: return altitudeText(x, dec);
    default: return circleText(x, dec);
    }
}

/// The great-circle window's rows top to bottom.
const Row passageOrder[8] = {Row::fromLat, Row::fromLon, Row::toLat, Row::toLon,
                             Row::dlo,     Row::distance, Row::course, Row::finalCourse};

const char* caption(Row row)
{
    switch (row) {
    case Row::fromLat: return "Latitude of Departure";
    case Row::fromLon: return "Longitude of Departure";
    case Row::toLat: return "Latitude of Destination";
    case Row::toLon: return "Longitude of Destination";
    case Row::dlo: return "DLo";
    case Row::distance: return "Distance";
    case Row::course: return "Initial Course (Cn)";
    case Row::finalCourse: return "Final Course";
    }
    return "";
}

const char* key(Row row)
{
    switch (row) {
    case Row::fromLat: return "from_lat";
    case Row::fromLon: return "from_lon";
    case Row::toLat: return "to_lat";
    case Row::toLon: return "to_lon";
    case Row::dlo: return "dlo";
    case Row::distance: return "distance";
    case Row::course: return "course";
    case Row::finalCourse: return "final_course";
    }
    return "";
}

bool isLongitude(Row row)
{
    return row == Row::fromLon || row == Row::toLon;
}

std::string passageText(Row row, const Passage& s, bool dec, bool typed)
{
    switch (row) {
    case Row::fromLat: return latitudeText(s.fromLat, dec, typed);
    case Row::fromLon: return longitudeText(s.fromLon, dec, typed);
    case Row::toLat: return latitudeText(s.toLat, dec, typed);
    case Row::toLon: return longitudeText(s.toLon, dec, typed);
    case Row::dlo: return dloText(s.dlo, s.dloEast, dec);
    case Row::distance: return milesText(gcs::shownMiles(s.alt));
    case Row::course: return circleText(s.course, dec);
    case Row::finalCourse: return circleText(s.finalCourse, dec);
    }
    return {};
}

bool shownRow(const PassageResult& r, Row row)
{
    return !isLongitude(row) || r.longitudes;
}

double milesSaved(const Passage& s)
{
    return tenths(tenths(s.rhumb.miles) - gcs::shownMiles(s.alt));
}

double milesLonger(const gcs::Composite& c, const Passage& s)
{
    return tenths(tenths(c.miles) - gcs::shownMiles(s.alt));
}

std::string latitudeText(double x, bool dec, bool typed)
{
    return (dec ? decimal(x, true) : degMin(x, false)) + (positive(x, typed) ? "N" : "S");
}

std::string longitudeText(double x, bool dec, bool typed)
{
    return (dec ? decimal(x, true) : degMin(x, false)) + (positive(x, typed) ? "E" : "W");
}

std::string altitudeText(double x, bool dec)
{
    return dec ? decimal(x, false) : degMin(x, true);
}

std::string circleText(double x, bool dec)
{
    return dec ? decimal(x, false) : degMin(x, false);
}

std::string navLatitudeText(double x, bool dec)
{
    return dec ? latitudeText(x, true) : navPosition(x, 1, "NS");
}

std::string navLongitudeText(double x, bool dec)
{
    return dec ? longitudeText(x, true) : navPosition(x, 3, "EW");
}

std::string navAltitudeText(double x, bool dec)
{
    const double d = x / degree;
    if (dec || !(std::abs(d) < 32768))
        return altitudeText(x, dec);
    return navDegMin(d, calc::splitDegMin(d), 1, true);
}

std::string navCircleText(double x, bool dec)
{
    double d = x / degree;
    if (dec || !(std::abs(d) < 32768))
        return circleText(x, dec);
    d = std::fmod(d, 360);
    if (d < 0)
        d += 360;
    calc::DegMin s = calc::splitDegMin(d);
    if (s.degrees == 360)  // 359°59.95' and up come round to 000°00.0'
        s.degrees = 0;
    return navDegMin(d, s, 3, false);
}

std::string dloText(double dlo, bool east, bool dec)
{
    return circleText(dlo, dec) + (east ? "E" : "W");
}

std::string plainNumber(double x)
{
    return numberTextOf(x, 15);
}

std::string milesText(double miles)
{
    return numberTextOf(miles, 15);
}

std::string nmText(double miles)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.1f", tenths(std::abs(miles)));
    return buf;
}

std::string interceptText(double miles)
{
    const std::string t = nmText(miles);
    return t == "0.0" ? t : t + (miles > 0 ? " T" : " A");
}

std::string minutesText(double x, bool sign)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, sign ? "%+.1f'" : "%.1f'", x / degree * 60);
    // A correction that rounds to nothing has no sign.
    return std::string(buf) == "-0.0'" || std::string(buf) == "+0.0'" ? "0.0'" : buf;
}

double minutesNumber(double x)
{
    return std::round(x / degree * 60 * 100) / 100;
}

}  // namespace morvel::cli
