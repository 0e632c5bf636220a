#include "cli/texts.h"

#include "gcs/sailing.h"

namespace morvel::cli {

using namespace navtext;

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

}  // namespace morvel::cli
