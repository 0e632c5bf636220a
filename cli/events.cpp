#include "cli/events.h"

#include "almanac/events.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/report.h"
#include "navtext/navtext.h"

#include <cmath>
#include <ostream>

namespace morvel::cli {

namespace {

using almanac::EventKind;

struct Shown {
    EventKind kind;
    const char* key;      ///< JSON
    const char* caption;  ///< text
};

// In the order of a navigator's day.
const Shown shownEvents[] = {
    {EventKind::nauticalDawn, "nautical_dawn", "Nautical twilight, dawn"},
    {EventKind::civilDawn, "civil_dawn", "Civil twilight, dawn"},
    {EventKind::sunrise, "sunrise", "Sunrise"},
    {EventKind::sunTransit, "sun_transit", "Sun's meridian passage"},
    {EventKind::sunset, "sunset", "Sunset"},
    {EventKind::civilDusk, "civil_dusk", "Civil twilight, dusk"},
    {EventKind::nauticalDusk, "nautical_dusk", "Nautical twilight, dusk"},
    {EventKind::moonrise, "moonrise", "Moonrise"},
    {EventKind::moonTransit, "moon_transit", "Moon's meridian passage"},
    {EventKind::moonset, "moonset", "Moonset"},
};

/// The UT of an event to the nearest minute, as ISO 8601.
std::string minuteIso(const almanac::UtcDate& date, double hours)
{
    return date.isoText(std::round(hours * 60) / 60);
}


}  // namespace

int runEvents(const std::string& dateText, const std::map<std::string, std::string>& values,
              const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    if (const std::string why = modeRefusal("--events", {{"pos", "zone"}, {"pos"}}, values); !why.empty()) {
        err << "morvel-solve: " << why << "\n";
        return 2;
    }
    std::map<std::string, std::string> withDate = values;
    withDate["events"] = dateText;
    const Reader r(withDate);
    const sight::UtcTime day = r.date("events");
    const auto [lat, lon] = r.position();
    const double zd = r.zone().value_or(almanac::nauticalZone(lon));
    if (!r.ok())
        return r.failed(err);

    const almanac::UtcDate date{day.year, day.month, day.day};
    if (!almanac::withNeighbours(date)) {
        err << "morvel-solve: --events " << navtext::quoted(dateText) << ": " << pageDaysText << "\n";
        return 2;
    }
    const almanac::DayEvents d = almanac::eventsOf(date, zd, lat, lon, options.dut1);
    if (!d.ok()) {
        err << "morvel-solve: --events " << navtext::quoted(dateText) << ": " << d.error << "\n";
        return 2;
    }
    std::string text;
    if (options.json) {
        JsonObject o(text);
        o.text("date", date.text());
        o.number("lat", navtext::shown(lat, true));
        o.number("lon", navtext::shown(lon, true));
        o.number("zone", zd);
        for (const Shown& s : shownEvents) {
            const almanac::Event& e = d[s.kind];
            o.key(s.key);
            if (e.times.empty())
                text += "null";
            else
                jsonString(text, minuteIso(date, e.times.front()));
        }
        o.key("notes");
        JsonObject notes(text);
        for (const Shown& s : shownEvents)
            if (!d[s.kind].note.empty())
                notes.text(s.key, d[s.kind].note);
        notes.close();
        o.key("more");
        JsonObject more(text);
        for (const Shown& s : shownEvents) {
            const almanac::Event& e = d[s.kind];
            if (e.times.size() < 2)
                continue;
            more.key(s.key);
            text += '[';
            for (size_t i = 1; i < e.times.size(); ++i) {
                if (i > 1)
                    text += ',';
                jsonString(text, minuteIso(date, e.times[i]));
            }
            text += ']';
        }
        more.close();
        o.close();
        text += '\n';
        out << text;
        return 0;
    }
    text += "Events of " + date.text() + " at " + navtext::navPositionText(lat, lon, options.decimal) + ", zone " +
            navtext::zoneText(zd) + " (UT = zone time " + (zd < 0 ? "- " : "+ ") + navtext::plainNumber(std::abs(zd)) + " h)\n";
    std::vector<std::vector<std::string>> rows = {{"Event", "Zone time", "UT"}};
    for (const Shown& s : shownEvents) {
        const almanac::Event& e = d[s.kind];
        if (e.times.empty())
            rows.push_back({s.caption, "none", e.note});
        for (double t : e.times) {
            const auto [utDay, ut] = date.dayAndMinute(t);
            rows.push_back({s.caption, date.dayAndMinute(t - zd).second, utDay.text() + " " + ut});
        }
    }
    writeTable(text, rows);
    out << text;
    return 0;
}

}  // namespace morvel::cli
