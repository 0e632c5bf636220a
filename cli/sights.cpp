#include "cli/sights.h"

#include "cli/report.h"
#include "engine/angles.h"
#include "files/write.h"
#include "instruments/fix_waypoint.h"
#include "sight/fix.h"
#include "sightlog/sight_log.h"
#include "sightlog/sight_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace morvel::cli {

using namespace navtext;
using sightlog::correctionsText, sightlog::lowAltitudeWarning, sightlog::farInterceptText;

namespace {

using math::degree;

const char* limbName(sight::Limb l)
{
    return l == sight::Limb::lower ? "lower" : l == sight::Limb::upper ? "upper" : "center";
}

/// Nautical miles to a hundredth (JSON).
double hundredths(double miles)
{
    return std::round(miles * 100) / 100;
}

std::string degreesText(double x)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f°", x / degree);
    return buf;
}

/// A sight read from the log, its line, its instant as logged and its
/// reduction at its DR.
struct Logged {
    int line;
    const sight::Sight* sight;
    const std::string* utc;
    const sight::Reduction* at;  ///< reduced at its DR
    const sightlog::WatchReading* watch;  ///< in a log kept by the watch
};

/// What is written so far goes out once it fills a buffer's worth: a long
/// log's answer is never held whole.
void pass(std::string& out, std::ostream& to, size_t above = 1 << 16)
{
    if (out.size() >= above) {
        to.write(out.data(), std::streamsize(out.size()));
        out.clear();
    }
}

void writeText(std::ostream& to, const std::vector<Logged>& logged, const sight::Fix& fix, bool decimal,
               double sigma)
{
    std::string out;
    std::vector<std::vector<std::string>> rows = {
        {"Line", "Body", "Limb", "Hs", "IC", "Dip", "Ha", "Refr", "SD", "Par", "Ho"}};
    for (const Logged& l : logged) {
        const sight::Corrections& k = l.at->corrections;
        rows.push_back({std::to_string(l.line), std::string(l.sight->body.name), limbName(l.sight->limb),
                        navAltitudeText(l.sight->hs, decimal), minutesText(k.index, true), minutesText(k.dip, true),
                        navAltitudeText(k.ha, decimal), minutesText(k.refraction, true),
                        minutesText(k.semiDiameter, true), minutesText(k.parallax, true),
                        navAltitudeText(k.ho, decimal)});
    }
    out += "Corrections\n";
    writeTable(out, rows, "  ");
    pass(out, to, 0);
    // A log kept by the watch shows the watch's time beside the UTC.
    const bool watch = !logged.empty() && logged.front().watch;
    rows = {{"Line", "Body", "UTC", "DR", "GHA", "Dec", "LHA", "Hc", "Zn", "Intercept"}};
    if (watch)
        rows[0].insert(rows[0].begin() + 2, "Watch");
    for (const Logged& l : logged) {
        const sight::Reduction& at = *l.at;
        rows.push_back({std::to_string(l.line), std::string(l.sight->body.name), *l.utc,
                        navLatitudeText(l.sight->drLat, decimal) + " " + navLongitudeText(l.sight->drLon, decimal),
                        navCircleText(at.place.gha, decimal), navLatitudeText(at.place.dec, decimal),
                        navCircleText(at.lha, decimal), navAltitudeText(at.hc, decimal), navCircleText(at.zn, decimal),
                        interceptText(at.intercept)});
        if (watch)
            rows.back().insert(rows.back().begin() + 2, clockText(l.watch->seconds));
    }
    out += "Reduced at the DR\n";
    writeTable(out, rows, "  ");
    pass(out, to, 0);
    rows.clear();
    for (const Logged& l : logged) {
        if (l.at->corrections.lowAltitude) {
            out += "Line " + std::to_string(l.line) + ": " + lowAltitudeWarning() + "\n";
            pass(out, to);
        }
        if (const std::string far = farInterceptText(l.at->intercept); !far.empty()) {
            out += "Line " + std::to_string(l.line) + ": " + far + "\n";
            pass(out, to);
        }
    }
    if (!fix.found()) {
        out += "No fix: " + fix.why + "\n";
        pass(out, to, 0);
        return;
    }
    const Logged& last = logged[fix.last];
    out += "Fix at " + *last.utc + " (the last sight" + (watch ? ", watch " + clockText(last.watch->seconds) : "") +
           ")\n";
    std::vector<std::vector<std::string>> f = {
        {"Latitude", navLatitudeText(fix.lat, decimal)},
        {"Longitude", navLongitudeText(fix.lon, decimal)},
        {"From DR", nmText(fix.distance) + " nm, " + navCircleText(fix.bearing, decimal)},
        {"Widest cut", degreesText(fix.cut) + (fix.weak ? ": weak fix, the lines cut under 15°" : "")}};
    if (fix.doubtful)
        f.push_back({"Doubtful", fix.doubt});
    f.push_back({"Iterations", std::to_string(fix.iterations)});
    if (fix.ellipse) {
        char buf[160];
        std::snprintf(buf, sizeof buf, "semi-axes %.1f and %.1f nm, major axis %03.0f° (sigma %.2f')",
                      fix.ellipse->major, fix.ellipse->minor, fix.ellipse->orientation / degree, sigma);
        f.push_back({"95% ellipse", buf});
    }
    writeTable(out, f, "  ");
    for (const sight::Excluded& e : fix.excluded)
        out += "Line " + std::to_string(logged[e.sight].line) + " (" + std::string(logged[e.sight].sight->body.name) +
               ") excluded from the fix: " + e.why + "\n";
    rows = {{"Line", "Body", "Residual"}};
    for (size_t i = 0; i < logged.size(); ++i) {
        const double r = fix.residuals[i];
        rows.push_back({std::to_string(logged[i].line), std::string(logged[i].sight->body.name),
                        interceptText(r) + (fix.excludedOf(i) ? ", excluded" : "")});
    }
    out += "Residuals at the fix\n";
    writeTable(out, rows, "  ");
    pass(out, to, 0);
}

void writeJson(std::ostream& to, const std::vector<Logged>& logged, const std::vector<sightlog::SightLogError>& errors,
               const sight::Fix& fix)
{
    std::string out;
    JsonObject top(out);
    top.key("sights");
    out += '[';
    for (size_t i = 0; i < logged.size(); ++i) {
        const Logged& l = logged[i];
        const sight::Reduction& at = *l.at;
        const sight::Corrections& k = at.corrections;
        if (i)
            out += ',';
        JsonObject o(out);
        o.number("line", l.line);
        o.text("body", std::string(l.sight->body.name));
        o.text("utc", *l.utc);
        if (l.watch)
            o.text("watch", watchReadingText(l.watch->date, l.watch->seconds));
        o.text("limb", limbName(l.sight->limb));
        o.number("hs", shown(l.sight->hs, true));
        jsonCorrections(o, k);
        o.number("ho", shown(k.ho, true));
        o.number("gha", shown(at.place.gha, false));
        o.number("dec", shown(at.place.dec, true));
        o.number("lha", shown(at.lha, false));
        o.number("hc", shown(at.hc, true));
        o.number("zn", shown(at.zn, false));
        o.number("intercept", hundredths(at.intercept));
        o.key("far_intercept");
        o.out += std::abs(at.intercept) > sight::interceptWarning ? "true" : "false";
        o.close();
        pass(out, to);
    }
    out += ']';
    top.key("errors");
    out += '[';
    for (size_t i = 0; i < errors.size(); ++i) {
        if (i)
            out += ',';
        JsonObject o(out);
        o.number("line", errors[i].line);
        o.number("column", errors[i].column);
        o.text("error", errors[i].why);
        o.close();
        pass(out, to);
    }
    out += ']';
    top.key("fix");
    if (!fix.found()) {
        out += "null";
        top.text("why", fix.why);
        top.close();
        out += '\n';
        pass(out, to, 0);
        return;
    }
    JsonObject f(out);
    f.number("lat", shown(fix.lat, true));
    f.number("lon", shown(fix.lon, true));
    f.text("time", *logged[fix.last].utc);
    if (const sightlog::WatchReading* w = logged[fix.last].watch)
        f.text("watch", watchReadingText(w->date, w->seconds));
    f.number("distance", hundredths(fix.distance));
    f.number("bearing", shown(fix.bearing, false));
    f.number("iterations", fix.iterations);
    f.number("cut", std::round(fix.cut / degree * 10) / 10);
    f.key("weak");
    out += fix.weak ? "true" : "false";
    f.key("doubtful");
    out += fix.doubtful ? "true" : "false";
    f.key("excluded");
    out += '[';
    for (size_t i = 0; i < fix.excluded.size(); ++i) {
        if (i)
            out += ',';
        JsonObject e(out);
        e.number("line", logged[fix.excluded[i].sight].line);
        e.text("reason", fix.excluded[i].why);
        e.close();
    }
    out += ']';
    f.key("ellipse");
    if (!fix.ellipse) {
        out += "null";  // two lines have none (fix.h)
    } else {
        JsonObject e(out);
        e.number("major", hundredths(fix.ellipse->major));
        e.number("minor", hundredths(fix.ellipse->minor));
        e.number("orientation", std::round(fix.ellipse->orientation / degree * 10) / 10);
        e.close();
    }
    f.key("residuals");
    out += '[';
    for (size_t i = 0; i < fix.residuals.size(); ++i) {
        if (i)
            out += ',';
        jsonNumber(out, hundredths(fix.residuals[i]));
        pass(out, to);
    }
    out += ']';
    f.close();
    top.close();
    out += '\n';
    pass(out, to, 0);
}

}  // namespace

void jsonCorrections(JsonObject& o, const sight::Corrections& k)
{
    o.number("index", minutesNumber(k.index));
    o.number("dip", minutesNumber(k.dip));
    o.number("refraction", minutesNumber(k.refraction));
    o.number("semi_diameter", minutesNumber(k.semiDiameter));
    o.number("parallax", minutesNumber(k.parallax));
    o.key("low_altitude");
    o.out += k.lowAltitude ? "true" : "false";
}

int runSights(std::istream& in, const std::string& name, const SightsOptions& options, std::ostream& out,
              std::ostream& err)
{
    const sightlog::SightLog log = sightlog::readSightLog(in, options.clock);
    std::vector<sightlog::SightLogError> errors = log.errors;
    const std::vector<sight::Reduction> reduced = sight::reduceEach(log.sights);
    std::vector<Logged> logged;
    logged.reserve(log.sights.size());
    for (size_t i = 0; i < log.sights.size(); ++i) {
        if (reduced[i].ok())
            logged.push_back({log.lines[i], &log.sights[i], &log.utc[i], &reduced[i],
                              log.watchTime ? &log.watch[i] : nullptr});
        else
            errors.push_back({log.lines[i], 0, {}, reduced[i].error});
    }
    std::stable_sort(errors.begin(), errors.end(), [](const auto& a, const auto& b) { return a.line < b.line; });
    for (const sightlog::SightLogError& e : errors)
        err << "morvel-solve: " << name << ": " << e.text() << "\n";
    if (log.badHeader)
        return 2;
    // The fix of the sights that reduce, with the almanac places their
    // reductions found; the copies it takes go before the answer is written.
    const sight::Fix fix = [&] {
        std::vector<sight::Sight> fixed;
        std::vector<almanac::Place> places;
        fixed.reserve(logged.size());
        places.reserve(logged.size());
        for (const Logged& l : logged) {
            fixed.push_back(*l.sight);
            places.push_back(l.at->place);
        }
        sight::FixOptions fo;
        fo.sigma = options.sigma;
        return sight::fixOf(fixed, places, fo);
    }();

    const bool toPlotter = options.nmea || (options.gpx && *options.gpx == "-");
    bool unwritten = false;
    if (fix.found() && (options.gpx || options.nmea)) {
        const instruments::FixWaypoint w = instruments::waypointOf(fix, *logged[fix.last].utc);
        if (options.nmea)
            out << w.nmea(*options.nmea == "gll");
        const std::string document = w.gpx("morvel-solve");
        if (options.gpx && *options.gpx == "-")
            out << document;
        else if (options.gpx)
            if (const std::string why = files::writeFile(*options.gpx, document); !why.empty()) {
                err << "morvel-solve: --gpx: cannot write " << why << "\n";
                unwritten = true;
            }
    } else if (options.gpx || options.nmea) {
        err << "morvel-solve: " << (options.nmea ? "--nmea" : "--gpx") << ": no fix, nothing written\n";
    }
    if (!toPlotter) {
        if (options.json)
            writeJson(out, logged, errors, fix);
        else
            writeText(out, logged, fix, options.decimal, options.sigma);
    }
    out.flush();
    if (!errors.empty() || unwritten)
        return 2;
    return fix.found() ? 0 : 1;
}

}  // namespace morvel::cli
