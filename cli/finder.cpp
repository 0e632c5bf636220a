#include "cli/finder.h"

#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/report.h"
#include "cli/sights.h"
#include "engine/angles.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"
#include "sight/identify.h"
#include "sight/noon.h"
#include "sight/sky.h"
#include "sightlog/sight_texts.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <vector>

namespace morvel::cli {

using namespace navtext;
using sightlog::correctionsText, sightlog::lowAltitudeWarning;

namespace {

using math::degree;

const char* const modeNames[] = {"--noon", "--identify", "--sky"};

ModeOptions optionsOf(FinderMode mode)
{
    switch (mode) {
    case FinderMode::noon:
        return {{"date", "zone", "pos", "dr-time", "course", "speed", "hs", "limb", "ic", "eye", "time-of-max", "dut1"},
                {"date", "pos"}};
    case FinderMode::identify: return {{"at", "pos", "alt", "zn", "ic", "eye", "dut1"}, {"at", "pos", "alt", "zn"}};
    case FinderMode::sky: return {{"at", "pos", "dut1"}, {"at", "pos"}};
    }
    return {};
}


/// Decimal degrees with the decimal window's rounding, the sign kept.
double degrees(double x)
{
    return shown(x, true);
}

void instantOrNull(JsonObject& o, const char* key, const std::optional<sight::UtcTime>& t)
{
    o.key(key);
    if (t)
        jsonString(o.out, t->text());
    else
        o.out += "null";
}

std::string failedText(const std::string& why)
{
    return "morvel-solve: " + why + "\n";
}

int noon(const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<double> zone = r.zone();
    const auto [lat, lon] = r.position();
    // The date on board, with a zone: the UTC date of its noon.
    const sight::UtcTime date = zone ? sight::noonDateOnBoard(r.date(), lon, *zone) : r.date();
    sight::DeadReckoning dr{lat, lon, 0, 0};
    std::optional<sight::UtcTime> drTime;
    if (r.has("dr-time")) {
        drTime = r.instant("dr-time");
        if (r.ok() && !(std::fabs(drTime->secondsSince(sight::localMeanNoon(date, lon))) <= sight::drTimeLimit))
            r.refuse("--dr-time " + navtext::quoted(r.text("dr-time")) +
                     ": the DR's time must lie within 24 hours of noon on --date");
    }
    if (r.has("course") != r.has("speed"))
        r.refuse(std::string(r.has("course") ? "--course needs --speed" : "--speed needs --course")
                 + ": the ship runs on a course at a speed");
    if (r.has("course")) {
        dr.course = r.angle("course", AngleKind::circle);
        dr.speed = r.number("speed", 0, 60, "the speed in knots", 0);
    }
    if (!r.has("hs") && (r.has("limb") || r.has("ic") || r.has("eye")))
        r.refuse("--limb, --ic and --eye correct --hs; give the sextant altitude");
    const double hs = r.has("hs") ? r.angle("hs", AngleKind::altitude) : 0;
    if (r.has("hs") && hs <= 0)
        r.refuse("--hs takes the Sun's sextant altitude above the horizon; not " + navtext::quoted(r.text("hs")));
    const sight::Conditions conditions = r.conditions();
    const sight::Limb limb = r.limb();
    const sight::UtcTime highest = r.has("time-of-max") ? r.instant("time-of-max") : sight::UtcTime{};
    if (!r.ok())
        return r.failed(err);

    const sight::Noon n = sight::localApparentNoon(date, dr, options.dut1, drTime);
    if (!n.ok()) {
        err << failedText("--noon: " + n.error);
        return 2;
    }
    std::optional<sight::NoonLatitude> latitude;
    if (r.has("hs")) {
        latitude = sight::noonLatitude(n, hs, conditions, limb);
        if (!latitude->ok()) {
            err << failedText("--hs " + navtext::quoted(r.text("hs")) + ": " + latitude->error);
            return 2;
        }
    }
    std::optional<sight::NoonLongitude> longitude;
    if (r.has("time-of-max")) {
        longitude = sight::longitudeAtMaximum(highest, options.dut1);
        if (!longitude->ok()) {
            err << failedText("--time-of-max: " + longitude->error);
            return 2;
        }
    }

    // Noon by the ship's clock, to the second as in UTC.
    std::optional<std::string> zoneTime;
    if (zone) {
        const sight::UtcTime z = n.time.plus(-*zone * 3600);
        const sight::UtcTime whole = z.plus(std::round(z.seconds) - z.seconds);
        zoneTime = watchReadingText({whole.year, whole.month, whole.day}, int(whole.seconds));
    }
    std::string text;
    if (options.json) {
        JsonObject o(text);
        o.text("noon", n.time.text());
        if (zoneTime)
            o.text("zone_time", *zoneTime);
        if (latitude) {
            jsonCorrections(o, latitude->corrections);
            o.number("ho", degrees(latitude->corrections.ho));
            o.number("lat", degrees(latitude->lat));
        }
        if (longitude)
            o.number("lon", degrees(longitude->lon));
        o.close();
        text += '\n';
    } else {
        const bool d = options.decimal;
        std::vector<std::vector<std::string>> rows;
        if (drTime)
            rows.push_back({"DR given at", drTime->text()});
        rows.push_back({"Local apparent noon", n.time.text()});
        if (zoneTime)
            rows.push_back({"Zone time", *zoneTime + " (zone " + zoneText(*zone) + ")"});
        rows.push_back({"Ship at noon (DR)", navPositionText(n.lat, n.lon, d)});
        rows.push_back({"Sun's declination", navLatitudeText(n.dec, d)});
        if (latitude) {
            rows.push_back({"Corrections", correctionsText(latitude->corrections)});
            if (latitude->corrections.lowAltitude)
                rows.push_back({"Warning", lowAltitudeWarning()});
            rows.push_back({"Observed altitude", navAltitudeText(latitude->corrections.ho, d)});
            rows.push_back({"Sun bears", latitude->sunSouth ? "south" : "north"});
            rows.push_back({"Latitude", navLatitudeText(latitude->lat, d)});
        }
        if (longitude)
            rows.push_back({"Longitude", navLongitudeText(longitude->lon, d)});
        writeTable(text, rows);
    }
    out << text;
    return 0;
}

int identify(const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    const sight::UtcTime at = r.instant("at");
    const auto [lat, lon] = r.position();
    const double hs = r.angle("alt", AngleKind::altitude);
    if (hs < 0)
        r.refuse("--alt takes the sextant altitude above the horizon; not " + navtext::quoted(r.text("alt")));
    const double zn = r.angle("zn", AngleKind::circle);
    const sight::Conditions conditions = r.conditions();
    if (!r.ok())
        return r.failed(err);
    const sight::Identification id = sight::identify(at.instant(options.dut1), lat, lon, hs, zn, conditions);
    if (!id.ok()) {
        err << failedText("--at " + navtext::quoted(r.text("at")) + ": " + id.error);
        return 2;
    }

    std::string text;
    const bool d = options.decimal;
    if (options.json) {
        JsonObject o(text);
        o.number("ho", degrees(id.ho));
        o.key("low_altitude");
        text += id.lowAltitude ? "true" : "false";
        o.number("dec", degrees(id.dec));
        o.number("sha", degrees(id.sha));
        jsonArray(o, "candidates", id.candidates, [](JsonObject& b, const sight::Candidate& c) {
            b.text("body", std::string(c.body.name));
            b.number("hc", degrees(c.hc));
            b.number("zn", degrees(c.zn));
            b.number("d_alt", degrees(c.dAlt));
            b.number("d_zn", degrees(c.dZn));
        });
        o.close();
        text += '\n';
    } else {
        std::vector<std::vector<std::string>> rows = {{"Observed altitude", navAltitudeText(id.ho, d)}};
        if (id.lowAltitude)
            rows.push_back({"Warning", lowAltitudeWarning()});
        rows.push_back({"Declination", navLatitudeText(id.dec, d)});
        rows.push_back({"SHA", navCircleText(id.sha, d)});
        writeTable(text, rows);
        if (!id.candidates.empty()) {
            rows = {{"Body", "Hc", "Zn", "dAlt", "dZn"}};
            for (const sight::Candidate& c : id.candidates)
                rows.push_back({std::string(c.body.name), navAltitudeText(c.hc, d), navCircleText(c.zn, d),
                                navAltitudeText(c.dAlt, d), navAltitudeText(c.dZn, d)});
            text += "\n";
            writeTable(text, rows);
        }
    }
    out << text;
    if (id.candidates.empty()) {
        err << failedText("no star or planet within 5 degrees of that sight");
        return 1;
    }
    return 0;
}

int sky(const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    const sight::UtcTime at = r.instant("at");
    const auto [lat, lon] = r.position();
    if (!r.ok())
        return r.failed(err);
    const sight::SkyView view = sight::skyAt(at.instant(options.dut1), lat, lon);
    const sight::Twilight t = sight::twilightOf(at, lat, lon, options.dut1);
    if (!view.ok() || !t.ok()) {
        err << failedText("--at " + navtext::quoted(r.text("at")) + ": " + (view.ok() ? t.error : view.error));
        return 2;
    }
    auto magnitude = [](const sight::Visible& v) {
        if (!v.mag)
            return std::string();
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", *v.mag);
        return std::string(buf);
    };
    const std::optional<sight::UtcTime> times[] = {t.nauticalMorning, t.civilMorning, t.civilEvening,
                                                   t.nauticalEvening};
    const char* const keys[] = {"nautical_morning", "civil_morning", "civil_evening", "nautical_evening"};
    const char* const captions[] = {"Nautical twilight, morning", "Civil twilight, morning",
                                    "Civil twilight, evening", "Nautical twilight, evening"};

    std::string text;
    const bool d = options.decimal;
    if (options.json) {
        JsonObject o(text);
        jsonArray(o, "bodies", view.bodies, [](JsonObject& b, const sight::Visible& v) {
            b.text("body", std::string(v.body.name));
            b.number("hc", degrees(v.hc));
            b.number("zn", degrees(v.zn));
            if (v.mag)
                b.number("mag", std::round(*v.mag * 100) / 100);
        });
        o.key("twilight");
        JsonObject tw(text);
        for (int i = 0; i < 4; ++i)
            instantOrNull(tw, keys[i], times[i]);
        tw.close();
        o.close();
        text += '\n';
    } else {
        std::vector<std::vector<std::string>> rows = {{"Body", "Hc", "Zn", "Mag"}};
        for (const sight::Visible& v : view.bodies)
            rows.push_back({std::string(v.body.name), navAltitudeText(v.hc, d), navCircleText(v.zn, d), magnitude(v)});
        text += "Above the horizon at " + at.text() + " from " + navPositionText(lat, lon, d) + "\n";
        writeTable(text, rows);
        std::vector<std::vector<std::string>> twilight;
        for (int i = 0; i < 4; ++i)
            twilight.push_back({captions[i], times[i] ? times[i]->text() : "none this UTC day"});
        text += "\n";
        writeTable(text, twilight);
    }
    out << text;
    return 0;
}

}  // namespace

bool isFinderMode(std::string_view name, FinderMode& mode)
{
    const int i = modeOf(name, modeNames);
    if (i >= 0)
        mode = FinderMode(i);
    return i >= 0;
}

bool isFinderOption(std::string_view name)
{
    // --events takes --pos and --zone too.
    return oneOf(name, {"date", "zone", "watch-error", "pos", "dr-time", "speed", "hs", "limb", "ic", "eye",
                        "time-of-max"});
}

int runFinder(FinderMode mode, const std::map<std::string, std::string>& values, const AlmanacOptions& options,
              std::ostream& out, std::ostream& err)
{
    const char* modeName = modeNames[int(mode)];
    if (const std::string why = modeRefusal(modeName, optionsOf(mode), values); !why.empty()) {
        err << failedText(why);
        return 2;
    }
    const Reader r(values);
    switch (mode) {
    case FinderMode::noon: return noon(r, options, out, err);
    case FinderMode::identify: return identify(r, options, out, err);
    case FinderMode::sky: return sky(r, options, out, err);
    }
    return 2;
}

}  // namespace morvel::cli
