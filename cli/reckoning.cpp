#include "cli/reckoning.h"

#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/report.h"
#include "engine/angles.h"
#include "instruments/gps.h"
#include "instruments/udp.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"
#include "reckoning/reckoning.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>

namespace morvel::cli {

using namespace navtext;

namespace {

using math::degree;

const char* const modeNames[] = {"--set-drift", "--current-sailing", "--ep", "--gps"};

ModeOptions optionsOf(ReckoningMode mode)
{
    switch (mode) {
    case ReckoningMode::setDrift: return {{"dr", "fix", "hours"}, {"dr", "fix", "hours"}};
    case ReckoningMode::currentSailing:
        return {{"track", "speed", "set", "drift"}, {"track", "speed", "set", "drift"}};
    case ReckoningMode::ep:
        return {{"pos", "dr-time", "course", "speed", "at", "set", "drift"}, {"pos", "dr-time", "course", "speed", "at"}};
    case ReckoningMode::gps: return {{"gpsd", "timeout"}, {}};
    }
    return {};
}

/// The longest a DR is carried, or the hours since the last fix, hours.
constexpr double longestRun = 240;

/// Within a degree of a pole the meridians close in too fast for plane
/// sailing (the sight log refuses a DR there too).
constexpr double polarLimit = 89 * degree;

/// Refuses a position of option within a degree of a pole.
void refusePolar(const Reader& r, const std::string& option, double lat)
{
    if (r.ok() && std::abs(lat) > polarLimit)
        r.refuse("--" + option + " lies within a degree of the pole, where mid-latitude sailing does not hold");
}

/// Decimal degrees with the decimal window's rounding.
double degrees(double x)
{
    return shown(x, false);
}

/// Knots or miles to a hundredth (JSON).
double hundredths(double x)
{
    return std::round(x * 100) / 100 + 0.0;
}

std::string knotsText(double knots)
{
    return nmText(knots) + " kn";
}

std::string failedText(const std::string& why)
{
    return "morvel-solve: " + why + "\n";
}

/// The current of --set and --drift, both or neither (none).
reckoning::Current currentOf(const Reader& r)
{
    if (r.has("set") != r.has("drift"))
        r.refuse(std::string(r.has("set") ? "--set needs --drift" : "--drift needs --set") +
                 ": a current flows toward its set at its drift");
    if (!r.has("set"))
        return {};
    return {r.angle("set", AngleKind::circle, "a set"), r.number("drift", 0, 20, "the drift in knots", 0)};
}

void writeOut(std::ostream& out, std::string& text, bool json)
{
    if (json)
        text += '\n';
    out << text;
}

int setDrift(const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    const auto [drLat, drLon] = r.position("dr");
    const auto [fixLat, fixLon] = r.position("fix");
    refusePolar(r, "dr", drLat);
    refusePolar(r, "fix", fixLat);
    const double hours = r.number("hours", 0, longestRun, "the hours since the last fix", 0);
    if (r.ok() && !(hours > 0))
        r.refuse("--hours takes the hours since the last fix, above 0; not " + quoted(r.text("hours")));
    if (!r.ok())
        return r.failed(err);
    const reckoning::CurrentFound f = reckoning::currentFrom({drLat, drLon}, {fixLat, fixLon}, hours);
    if (!f.ok()) {
        err << failedText("--set-drift: " + f.error);
        return 2;
    }
    std::string text;
    if (options.json) {
        JsonObject o(text);
        o.number("set", degrees(f.current.set));
        o.number("drift", hundredths(f.current.drift));
        o.number("distance", hundredths(f.miles));
        o.close();
    } else {
        writeTable(text, {{"Set", navCircleText(f.current.set, options.decimal) + " (toward)"},
                          {"Drift", knotsText(f.current.drift)},
                          {"Distance", nmText(f.miles) + " nm from the DR to the fix in " + plainNumber(hours) + " h"}});
    }
    writeOut(out, text, options.json);
    return 0;
}

int currentSailing(const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    const double track = r.angle("track", AngleKind::circle, "a track");
    const double speed = r.number("speed", 0, 60, "the speed through the water in knots", 0);
    const reckoning::Current current = currentOf(r);
    if (r.ok() && !(speed > 0))
        r.refuse("--speed takes the speed through the water, above 0 knots; not " + quoted(r.text("speed")));
    if (!r.ok())
        return r.failed(err);
    const reckoning::CurrentSailing s = reckoning::courseToSteer(track, speed, current);
    if (!s.ok()) {
        err << failedText("--current-sailing: " + s.error);
        return 1;
    }
    std::string text;
    const bool d = options.decimal;
    if (options.json) {
        JsonObject o(text);
        o.number("course_to_steer", degrees(s.steer.course));
        o.number("speed_made_good", hundredths(s.steer.speedMadeGood));
        o.key("other");
        if (s.other) {
            JsonObject b(text);
            b.number("course_to_steer", degrees(s.other->course));
            b.number("speed_made_good", hundredths(s.other->speedMadeGood));
            b.close();
        } else {
            text += "null";
        }
        o.close();
    } else {
        std::vector<std::vector<std::string>> rows = {{"Course to steer", navCircleText(s.steer.course, d)},
                                                      {"Speed made good", knotsText(s.steer.speedMadeGood)}};
        if (s.other)
            rows.push_back({"Or steer", navCircleText(s.other->course, d) + ", making good " +
                                            knotsText(s.other->speedMadeGood) +
                                            " (the current outruns the ship)"});
        writeTable(text, rows);
    }
    writeOut(out, text, options.json);
    return 0;
}

int estimatedPosition(const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    const auto [lat, lon] = r.position();
    refusePolar(r, "pos", lat);
    const sight::UtcTime from = r.instant("dr-time");
    const double course = r.angle("course", AngleKind::circle);
    const double speed = r.number("speed", 0, 60, "the speed in knots", 0);
    const sight::UtcTime at = r.instant("at");
    const reckoning::Current current = currentOf(r);
    const double hours = at.secondsSince(from) / 3600;
    if (r.ok() && !(std::abs(hours) <= longestRun))
        r.refuse("--at " + quoted(r.text("at")) + " lies more than " + plainNumber(longestRun) +
                 " hours from --dr-time: a DR carried further is no DR");
    if (!r.ok())
        return r.failed(err);
    const reckoning::Track track({lat, lon}, 0, course, speed);
    const reckoning::Place ep = reckoning::estimated(track, current, hours);
    if (!(std::abs(ep.lat) <= polarLimit) || !(std::abs(track.at(hours).lat) <= polarLimit)) {
        err << failedText("--ep: the run reaches within a degree of the pole, where mid-latitude sailing does not "
                          "hold");
        return 2;
    }
    const gcs::Leg made = reckoning::between({lat, lon}, ep);
    std::string text;
    const bool d = options.decimal;
    if (options.json) {
        JsonObject o(text);
        o.number("lat", shown(ep.lat, true));
        o.number("lon", shown(ep.lon, true));
        o.text("at", at.text());
        o.number("course_made_good", degrees(made.course));
        o.number("distance_made_good", hundredths(made.miles));
        o.close();
    } else {
        const bool withCurrent = r.has("set");
        std::vector<std::vector<std::string>> rows = {{withCurrent ? "EP" : "DR", navPositionText(ep.lat, ep.lon, d)},
                                                      {"At", at.text()}};
        if (withCurrent) {
            const reckoning::Place dr = track.at(hours);
            rows.push_back({"DR", navPositionText(dr.lat, dr.lon, d) + " (without the current)"});
        }
        rows.push_back({"Course made good", navCircleText(made.course, d)});
        rows.push_back({"Distance made good", nmText(made.miles) + " nm in " + plainNumber(std::round(hours * 100) / 100) + " h"});
        writeTable(text, rows);
    }
    writeOut(out, text, options.json);
    return 0;
}

int gps(const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    std::string host = instruments::gpsdHost;
    int port = instruments::gpsdPort;
    if (r.has("gpsd") && !instruments::readAddress(r.text("gpsd"), instruments::gpsdPort, host, port))
        r.refuse("--gpsd takes HOST or HOST:PORT (localhost:2947, [::1]:2947), the port 1 to 65535; not " +
                 quoted(r.text("gpsd")));
    const double timeout = r.number("timeout", 0.1, 600, "seconds", 5);
    if (!r.ok())
        return r.failed(err);
    const instruments::GpsFix f = instruments::readGps(host, port, timeout);
    if (!f.ok()) {
        err << failedText("--gps: " + f.why +
                          (f.status == instruments::GpsFix::Status::noGpsd
                               ? " (is gpsd running? --gpsd HOST:PORT names another)"
                               : ""));
        return f.status == instruments::GpsFix::Status::noGpsd ? 2 : 1;
    }
    const std::optional<sight::UtcTime> ut =
        f.time ? std::optional(sight::UtcTime{1970, 1, 1, 0}.plus(*f.time)) : std::nullopt;
    const std::string fixKind = f.threeD ? "3D" : "2D";
    std::string text;
    const bool d = options.decimal;
    if (options.json) {
        JsonObject o(text);
        o.number("lat", shown(f.lat, true));
        o.number("lon", shown(f.lon, true));
        const auto orNull = [&](const char* key, const std::optional<double>& x, double (*round)(double)) {
            o.key(key);
            if (x)
                jsonNumber(text, round(*x));
            else
                text += "null";
        };
        o.key("ut");
        if (ut)
            jsonString(text, ut->text());
        else
            text += "null";
        orNull("course", f.course, degrees);
        orNull("speed", f.speed, hundredths);
        o.text("fix", fixKind);
        o.text("quality", f.quality);
        o.number("satellites", f.satellites);
        orNull("hdop", f.hdop, hundredths);
        o.close();
    } else {
        std::vector<std::vector<std::string>> rows = {{"Position", navPositionText(f.lat, f.lon, d)},
                                                      {"UT", ut ? ut->text() : "not given by the receiver"}};
        rows.push_back({"Course", f.course ? navCircleText(*f.course, d) + " over the ground" : "not given"});
        rows.push_back({"Speed", f.speed ? knotsText(*f.speed) + " over the ground" : "not given"});
        std::string quality = fixKind + " " + f.quality;
        if (f.satellites > 0)
            quality += ", " + std::to_string(f.satellites) + " satellites";
        if (f.hdop) {
            char buf[32];
            std::snprintf(buf, sizeof buf, ", HDOP %.1f", *f.hdop);
            quality += buf;
        }
        rows.push_back({"Fix", quality});
        writeTable(text, rows);
    }
    writeOut(out, text, options.json);
    return 0;
}

}  // namespace

bool isReckoningMode(std::string_view name, ReckoningMode& mode)
{
    const int i = modeOf(name, modeNames);
    if (i >= 0)
        mode = ReckoningMode(i);
    return i >= 0;
}

bool isReckoningOption(std::string_view name)
{
    return oneOf(name, {"dr", "fix", "hours", "track", "set", "drift", "gpsd", "timeout"});
}

int runReckoning(ReckoningMode mode, const std::map<std::string, std::string>& values, const AlmanacOptions& options,
                 std::ostream& out, std::ostream& err)
{
    if (const std::string why = modeRefusal(modeNames[int(mode)], optionsOf(mode), values); !why.empty()) {
        err << failedText(why);
        return 2;
    }
    const Reader r(values);
    switch (mode) {
    case ReckoningMode::setDrift: return setDrift(r, options, out, err);
    case ReckoningMode::currentSailing: return currentSailing(r, options, out, err);
    case ReckoningMode::ep: return estimatedPosition(r, options, out, err);
    case ReckoningMode::gps: return gps(r, options, out, err);
    }
    return 2;
}

}  // namespace morvel::cli
