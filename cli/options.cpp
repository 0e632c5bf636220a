#include "cli/options.h"

#include "navtext/numtext.h"
#include "sightlog/sight_texts.h"

#include <optional>
#include <ostream>

namespace morvel::cli {

using namespace navtext;

int modeOf(std::string_view name, std::span<const char* const> flags)
{
    for (size_t i = 0; i < flags.size(); ++i)
        if (name == std::string_view(flags[i]).substr(2))
            return int(i);
    return -1;
}

bool oneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    for (const std::string_view n : names)
        if (name == n)
            return true;
    return false;
}

std::string modeRefusal(const std::string& modeName, const ModeOptions& taken,
                        const std::map<std::string, std::string>& values)
{
    for (const auto& [name, text] : values) {
        bool ok = false;
        for (const std::string& a : taken.allowed)
            ok = ok || a == name;
        if (!ok)
            return modeName + " takes no --" + name + " (see --help)";
    }
    for (const std::string& n : taken.needed)
        if (!values.count(n))
            return modeName + " needs --" + n + " (see --help)";
    return {};
}

int Reader::failed(std::ostream& err) const
{
    err << "morvel-solve: " << error_ << "\n";
    return 2;
}

double Reader::angle(const std::string& name, AngleKind kind, std::string_view what) const
{
    const AngleRead a = readNavAngle(text(name), kind, what);
    if (!a.ok)
        refuse("--" + name + ": " + a.error);
    return a.radians;
}

double Reader::eastWest(const std::string& name, std::string_view what) const
{
    const AngleRead a = readEastWest(text(name), what);
    if (!a.ok)
        refuse("--" + name + ": " + a.error);
    return a.radians;
}

double Reader::number(const std::string& name, double low, double high, const std::string& unit,
                      double fallback) const
{
    if (!has(name))
        return fallback;
    const auto n = navtext::typedNumber(text(name));
    if (n && !n->overflow && n->value >= low && n->value <= high)
        return n->value;
    refuse("--" + name + " takes " + unit + ", " + plainNumber(low) + " to " + plainNumber(high) + "; not "
           + navtext::quoted(text(name)));
    return fallback;
}

double Reader::read(const std::string& name, navtext::ValueRead (*reader)(std::string_view), const char* what) const
{
    if (!has(name))
        return 0;
    const navtext::ValueRead r = reader(text(name));
    if (!r.ok)
        refuse("--" + name + " takes " + what + "; " + r.error);
    return r.value;
}

std::pair<double, double> Reader::position(const std::string& name) const
{
    const PositionRead p = readPosition(text(name));
    if (!p.ok)
        refuse("--" + name + " " + p.error);
    else if (!p.lon)
        refuse("--" + name + " needs a longitude as well as the latitude (40 12.3N 70 30.5W)");
    return {p.lat, p.lon.value_or(0)};
}

sight::UtcTime Reader::instant(const std::string& name) const
{
    std::string error;
    const std::optional<sight::UtcTime> t = sight::UtcTime::parse(text(name), error);
    if (!t || text(name).size() == 10)
        refuse("--" + name + " " + navtext::quoted(text(name)) + ": "
               + (t ? "a date needs a time, as 2026-12-07T17:32:10Z" : error));
    return t.value_or(sight::UtcTime{});
}

sight::UtcTime Reader::date(const std::string& name) const
{
    if (has("zone")) {
        const DateRead d = readDate(text(name));
        if (!d.ok)
            refuse("--" + name + " " + d.error + " (the date on board, with --zone)");
        return d.ok ? sight::UtcTime{d.date.year, d.date.month, d.date.day, 0} : sight::UtcTime{};
    }
    std::string error;
    const std::optional<sight::UtcTime> t = sight::UtcTime::parse(text(name), error);
    if (!t || text(name).size() != 10)
        refuse("--" + name + " " + navtext::quoted(text(name)) +
               ": a UTC date from 1900-01-01 to 2100-12-31, as 2026-12-07"
               + (t ? std::string() : "; " + error));
    return t.value_or(sight::UtcTime{});
}

std::optional<double> Reader::zone() const
{
    if (!has("zone"))
        return std::nullopt;
    const ZoneRead z = readZone(text("zone"));
    if (!z.ok)
        refuse("--zone " + z.error);
    return z.hours;
}

sight::Conditions Reader::conditions() const
{
    sight::Conditions c;
    c.ic = read("ic", navtext::readIndexCorrection, "the index correction");
    c.eye = read("eye", navtext::readHeightOfEye, "the height of eye");
    return c;
}

sight::Limb Reader::limb() const
{
    if (!has("limb"))
        return sight::Limb::lower;
    const std::string& l = text("limb");
    if (const std::optional<sight::Limb> read = sightlog::readLimb(l))
        return *read;
    refuse(std::string("--limb takes ") + sightlog::limbsAllowed() + "; not " + navtext::quoted(l));
    return sight::Limb::lower;
}

}  // namespace morvel::cli
