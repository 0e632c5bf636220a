#include "cli/problem.h"

#include "gcs/sailing.h"
#include "navtext/navtext.h"
#include "sightlog/csv_reader.h"

namespace morvel::cli {

using namespace navtext;

namespace {

struct FieldInfo {
    Field field;
    const char* option;
    const char* column;
    AngleKind kind;    // unused for positions and the distance
    const char* what;  // in messages
};

const FieldInfo fields[] = {
    {Field::lat, "--lat", "lat", AngleKind::latitude, "a latitude"},
    {Field::lha, "--lha", "lha", AngleKind::circle, "an LHA"},
    {Field::dec, "--dec", "dec", AngleKind::latitude, "a declination"},
    {Field::alt, "--alt", "alt", AngleKind::altitude, "an altitude"},
    {Field::zn, "--zn", "zn", AngleKind::circle, "an azimuth"},
    {Field::from, "--from", "from", AngleKind::latitude, "a position"},
    {Field::to, "--to", "to", AngleKind::latitude, "a position"},
    {Field::fromLat, "--from-lat", "from_lat", AngleKind::latitude, "a latitude"},
    {Field::fromLon, "--from-lon", "from_lon", AngleKind::longitude, "a longitude"},
    {Field::toLat, "--to-lat", "to_lat", AngleKind::latitude, "a latitude"},
    {Field::toLon, "--to-lon", "to_lon", AngleKind::longitude, "a longitude"},
    {Field::dlo, "--dlo", "dlo", AngleKind::dlo, "a DLo"},
    {Field::distance, "--distance", "distance", AngleKind::circle, "a distance"},
    {Field::course, "--course", "course", AngleKind::circle, "a course"},
};

const FieldInfo& info(Field f)
{
    return fields[static_cast<size_t>(f)];
}

class Reader {
public:
    explicit Reader(bool columns) : columns_(columns) {}

    std::string name(Field f) const { return columns_ ? info(f).column : info(f).option; }

    std::string list(std::initializer_list<Field> fs) const
    {
        std::string s;
        for (Field f : fs)
            s += (s.empty() ? "" : ", ") + name(f);
        return s;
    }

    /// Reads one angle into out; false with error set when it is bad.
    bool angle(const Entry& e, std::optional<double>& out, bool* east = nullptr)
    {
        const AngleRead a = readNavAngle(e.text, info(e.field).kind, info(e.field).what);
        if (!a.ok) {
            error = name(e.field) + " " + a.error;
            return false;
        }
        // The DLo goes to the engine measured westward.
        out = e.field == Field::dlo ? gcs::westward(a.radians, a.east) : a.radians;
        if (east)
            *east = a.east;
        return true;
    }

    bool position(const Entry& e, std::optional<double>& lat, std::optional<double>& lon)
    {
        const PositionRead p = readPosition(e.text);
        if (!p.ok) {
            error = name(e.field) + " " + p.error;
            return false;
        }
        lat = p.lat;
        lon = p.lon;
        return true;
    }

    std::string error;

private:
    bool columns_;
};

ProblemRead celestial(const std::vector<Entry>& entries, Reader& r)
{
    CelestialProblem p;
    int count = 0;
    std::string given;
    for (const Entry& e : entries) {
        if (!r.angle(e, p.q[static_cast<size_t>(e.field)]))
            return {std::nullopt, r.error};
        ++count;
        given += (given.empty() ? "" : ", ") + r.name(e.field);
    }
    const auto& lha = p.q[1];
    const auto& zn = p.q[4];
    if (lha && zn && engine::sidesDisagree(*lha, *zn))
        return {std::nullopt, r.name(Field::lha) + " and " + r.name(Field::zn) +
                                  " disagree: a body west of the meridian (LHA below 180) bears west (azimuth "
                                  "above 180), and the reverse"};
    if (count != 3)
        return {std::nullopt, "give exactly three of " +
                                  r.list({Field::lat, Field::lha, Field::dec, Field::alt, Field::zn}) + " (" +
                                  std::to_string(count) + " given: " + given + ")"};
    return {Problem{p}, {}};
}

ProblemRead passage(const std::vector<Entry>& entries, Reader& r)
{
    PassageProblem p;
    const Entry* position[2] = {nullptr, nullptr};  // --from, --to
    for (const Entry& e : entries) {
        bool ok = true;
        switch (e.field) {
        case Field::from:
            position[0] = &e;
            ok = r.position(e, p.fromLat, p.fromLon);
            break;
        case Field::to:
            position[1] = &e;
            ok = r.position(e, p.toLat, p.toLon);
            break;
        case Field::fromLat: ok = r.angle(e, p.fromLat); break;
        case Field::fromLon: ok = r.angle(e, p.fromLon); break;
        case Field::toLat: ok = r.angle(e, p.toLat); break;
        case Field::toLon: ok = r.angle(e, p.toLon); break;
        case Field::dlo: ok = r.angle(e, p.lha, &p.dloEast); break;
        case Field::course: ok = r.angle(e, p.course); break;
        case Field::distance: {
            const MilesRead m = readMiles(e.text);
            if (!m.ok) {
                r.error = r.name(e.field) + " " + m.error;
                ok = false;
            }
            p.miles = m.miles;
            break;
        }
        default: break;
        }
        if (!ok)
            return {std::nullopt, r.error};
    }
    // A whole position and its parts given apart.
    for (const Entry& e : entries) {
        const Field whole = e.field == Field::fromLat || e.field == Field::fromLon ? Field::from
                            : e.field == Field::toLat || e.field == Field::toLon   ? Field::to
                                                                                   : e.field;
        if (whole != e.field && position[whole == Field::to])
            return {std::nullopt, r.name(whole) + " and " + r.name(e.field) + " both give it; use one"};
    }

    const int count = p.fromLat.has_value() + p.lha.has_value() + p.toLat.has_value() + p.miles.has_value() +
                      p.course.has_value();
    auto sets = [&] {
        return "the great circle takes three of " +
               r.list({Field::fromLat, Field::dlo, Field::toLat, Field::distance, Field::course}) +
               " with at most one longitude, or both longitudes with two of " +
               r.list({Field::fromLat, Field::toLat, Field::distance, Field::course}) + " and no " +
               r.name(Field::dlo) + " (" + r.name(Field::from) + " and " + r.name(Field::to) +
               " give a latitude and a longitude each)";
    };
    if (p.fromLon && p.toLon) {
        if (p.lha)
            return {std::nullopt, "with both longitudes the DLo is formed from them: leave out " +
                                      r.name(Field::dlo) + "; " + sets()};
        if (count != 2)
            return {std::nullopt, std::to_string(count + 2) + " inputs with both longitudes; " + sets()};
        p.lha = gcs::dloBetween(*p.fromLon, *p.toLon);
    } else if (count != 3) {
        return {std::nullopt, std::to_string(count) + " inputs besides the longitudes; " + sets()};
    }
    if (p.lha && p.course && gcs::courseDisagrees(*p.lha, *p.course))
        return {std::nullopt, (p.fromLon && p.toLon ? std::string("the longitudes") : r.name(Field::dlo)) + " and " +
                                  r.name(Field::course) +
                                  " disagree: a destination to the west needs a westerly course (above 180), one "
                                  "to the east an easterly course"};
    return {Problem{p}, {}};
}

}  // namespace

std::string optionName(Field f) { return info(f).option; }
std::string columnName(Field f) { return info(f).column; }

std::optional<Field> fieldOfColumn(std::string_view column)
{
    for (const FieldInfo& i : fields)
        if (sightlog::sameName(column, i.column))
            return i.field;
    return std::nullopt;
}

std::optional<Field> fieldOfOption(std::string_view option)
{
    for (const FieldInfo& i : fields)
        if (option == std::string_view(i.option).substr(2))
            return i.field;
    return std::nullopt;
}

bool isCelestial(Field f)
{
    return f <= Field::zn;
}

ProblemRead readProblem(const std::vector<Entry>& entries, bool columns)
{
    Reader r(columns);
    if (entries.empty())
        return {std::nullopt, "nothing to solve: give three of " +
                                  r.list({Field::lat, Field::lha, Field::dec, Field::alt, Field::zn}) + ", or " +
                                  r.name(Field::from) + " with " + r.name(Field::to) + " (or with two of " +
                                  r.list({Field::dlo, Field::distance, Field::course}) + ")"};
    for (size_t i = 0; i < entries.size(); ++i)
        for (size_t j = 0; j < i; ++j) {
            if (entries[i].field == entries[j].field)
                return {std::nullopt, r.name(entries[i].field) + " given twice"};
            if (isCelestial(entries[i].field) != isCelestial(entries[j].field)) {
                const bool first = isCelestial(entries[j].field);
                const Field sky = first ? entries[j].field : entries[i].field;
                const Field sea = first ? entries[i].field : entries[j].field;
                return {std::nullopt, r.name(sky) + " belongs to the celestial triangle and " + r.name(sea) +
                                          " to the great circle: solve one at a time"};
            }
        }
    return isCelestial(entries.front().field) ? celestial(entries, r) : passage(entries, r);
}

std::string waypointsRefused(const Problem& p, bool columns, const std::string& option)
{
    Reader r(columns);
    const std::string waypoints = !option.empty() ? option : columns ? "waypoints" : "--waypoints";
    const std::string s = option.empty() ? "" : "s";  // --limit-lat needs, waypoints need
    const auto* passage = std::get_if<PassageProblem>(&p);
    if (!passage)
        return waypoints + " belong" + s + " to the great circle, not the celestial triangle";
    if (!passage->fromLon && !passage->toLon)
        return waypoints + " need" + s + " a longitude: give " + r.name(Field::from) + " or " + r.name(Field::to) +
               " with one, or " + r.list({Field::fromLon, Field::toLon});
    return {};
}

}  // namespace morvel::cli
