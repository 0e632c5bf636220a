/// \file problem.h
/// \brief A problem as morvel-solve takes it: named inputs (command-line
/// options or CSV columns) read, checked and sorted into one of the two
/// triangles, with the input sets the calculators accept. No Qt.
///
/// Celestial triangle: exactly three of latitude, LHA, declination, altitude
/// and azimuth. LHA and azimuth given together must put the body on the same
/// side of the meridian (LHA below 180 bears west, azimuth above 180).
///
/// Great circle: exactly three of latitude of departure, DLo, latitude of
/// destination, distance and initial course, with at most one longitude; or
/// both longitudes with exactly two of the latitudes, distance and course,
/// and no DLo (the DLo is then formed from the longitudes). A DLo, typed or
/// formed, must agree with a given course in the same way as LHA and
/// azimuth: a destination to the west needs a westerly course.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace morvel::cli {

/// Every input morvel-solve knows. from and to are whole positions.
enum class Field {
    lat, lha, dec, alt, zn,
    from, to, fromLat, fromLon, toLat, toLon, dlo, distance, course,
};

/// The option (--from-lat) or the CSV column (from_lat) of a field.
std::string optionName(Field f);
std::string columnName(Field f);
/// The field of a CSV column name (in any case), if it is one.
std::optional<Field> fieldOfColumn(std::string_view column);
/// The field of an option name without its dashes (from-lat), if it is one.
std::optional<Field> fieldOfOption(std::string_view option);
bool isCelestial(Field f);

/// One input as the user wrote it.
struct Entry {
    Field field;
    std::string text;
};

/// The celestial quantities in radians, in row order latitude, LHA,
/// declination, altitude, azimuth; absent when not given. Latitude and
/// declination signed, north positive.
struct CelestialProblem {
    std::array<std::optional<double>, 5> q;
};

/// The great-circle inputs in radians (north and east positive) and
/// nautical miles. lha is the DLo measured westward, 0 to 2pi.
struct PassageProblem {
    std::optional<double> fromLat, fromLon, toLat, toLon, lha, miles, course;
    bool dloEast = false;  ///< the DLo was typed with E
};

using Problem = std::variant<CelestialProblem, PassageProblem>;

/// A problem, or the message that says what was wrong and what is allowed,
/// naming the options (or, with columns, the CSV columns).
struct ProblemRead {
    std::optional<Problem> problem;
    std::string error;
};

/// Reads and checks the entries; each field at most once.
ProblemRead readProblem(const std::vector<Entry>& entries, bool columns);

/// Why p cannot have waypoints (it is celestial, or knows no longitude), or
/// empty when it can; option names another option that needs the same
/// (--limit-lat).
std::string waypointsRefused(const Problem& p, bool columns, const std::string& option = {});

}  // namespace morvel::cli
