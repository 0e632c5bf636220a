#include "cli/compass.h"

#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/report.h"
#include "compass/compass.h"
#include "compass/deviation_card.h"
#include "compass/magnetic.h"
#include "engine/angles.h"
#include "navtext/navtext.h"
#include "sightlog/csv_reader.h"
#include "sightlog/sight_log.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <vector>

namespace morvel::cli {

using namespace navtext;

namespace {

using math::degree;

const char* const modeNames[] = {"--compass", "--amplitude", "--magnetic"};

ModeOptions optionsOf(CompassMode mode)
{
    const std::vector<std::string> bearing = {"body", "at", "pos", "bearing", "gyro", "variation", "heading", "dut1"};
    const std::vector<std::string> needed = {"body", "at", "pos", "bearing"};
    switch (mode) {
    case CompassMode::compass: return {bearing, needed};
    case CompassMode::amplitude: {
        std::vector<std::string> allowed = bearing;
        allowed.insert(allowed.end(), {"eye", "horizon"});
        return {allowed, needed};
    }
    case CompassMode::magnetic: return {{"at", "pos", "dut1"}, {"at", "pos"}};
    }
    return {};
}

std::string failedText(const std::string& why)
{
    return "morvel-solve: " + why + "\n";
}

/// Decimal degrees with the decimal window's rounding, the sign kept.
double degrees(double x)
{
    return shown(x, true);
}

/// A number or null.
void numberOrNull(JsonObject& o, const char* key, const std::optional<double>& x)
{
    o.key(key);
    if (x)
        jsonNumber(o.out, degrees(*x));
    else
        o.out += "null";
}

void textOrNull(JsonObject& o, const char* key, const std::string& text)
{
    o.key(key);
    if (text.empty())
        o.out += "null";
    else
        jsonString(o.out, text);
}

/// The model's variation at the position and time, or the refusal.
compass::Field modelField(const Reader& r, double lat, double lon, const sight::UtcTime& at, const char* option)
{
    compass::Field f = compass::fieldAt(lat, lon, at);
    if (!f.ok())
        r.refuse(std::string(option) + ": " + f.why +
                 (std::string(option) == "--variation auto" ? "; give the chart's variation (--variation 2.5E)" : ""));
    return f;
}

int bearing(CompassMode mode, const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    compass::Bearing b;
    const std::string& name = r.text("body");
    if (const std::optional<almanac::Body> body = almanac::findBody(name))
        b.body = *body;
    else
        r.refuse("--body: no body " + quoted(name) +
                 "; Sun, Moon, Venus, Mars, Jupiter, Saturn or a navigational star (morvel-solve --almanac all "
                 "lists them)");
    b.when = r.instant("at");
    b.dut1 = options.dut1;
    std::tie(b.lat, b.lon) = r.position();
    b.bearing = r.angle("bearing", AngleKind::circle, "a bearing");
    const bool gyro = r.has("gyro");
    b.instrument = gyro ? compass::Instrument::gyro : compass::Instrument::magnetic;
    if (gyro && r.has("variation"))
        r.refuse("--gyro takes no --variation: a gyro points to true north, and its error is the whole of it");
    const bool modelled = r.has("variation") && r.text("variation") == "auto";
    if (r.has("variation") && !modelled)
        b.variation = r.eastWest("variation", "a variation");
    std::optional<double> heading;
    if (r.has("heading"))
        heading = r.angle("heading", AngleKind::circle, "a compass heading");
    compass::AmplitudeOptions a;
    a.eye = r.read("eye", navtext::readHeightOfEye, "the height of eye");
    if (r.has("horizon")) {
        const std::string& h = r.text("horizon");
        if (h == "celestial")
            a.horizon = compass::Horizon::celestial;
        else if (h != "visible")
            r.refuse("--horizon takes visible (the sea's edge) or celestial; not " + quoted(h));
    }
    if (a.horizon == compass::Horizon::celestial && r.has("eye"))
        r.refuse("--eye gives the dip of the visible horizon; the celestial horizon has none");
    compass::Field field;
    if (modelled && r.ok()) {
        field = modelField(r, b.lat, b.lon, b.when, "--variation auto");
        b.variation = field.variation;
    }
    if (!r.ok())
        return r.failed(err);

    const bool amplitude = mode == CompassMode::amplitude;
    const compass::Check c = amplitude ? compass::byAmplitude(b, a) : compass::byAzimuth(b);
    if (!c.ok()) {
        err << failedText("--" + std::string(amplitude ? "amplitude" : "compass") + ": " + c.why);
        return 2;
    }
    const std::string warning = modelled ? compass::zoneWarning(field) : std::string();

    std::string text;
    const bool d = options.decimal;
    if (options.json) {
        JsonObject o(text);
        o.text("method", amplitude ? "amplitude" : "azimuth");
        o.text("body", std::string(b.body.name));
        o.text("at", b.when.text());
        o.key("gyro");
        text += gyro ? "true" : "false";
        o.number("bearing", degrees(b.bearing));
        o.number("azimuth", degrees(c.azimuth));
        o.number("altitude", degrees(c.altitude));
        o.number("error", degrees(c.error));
        numberOrNull(o, "variation", c.variation);
        numberOrNull(o, "deviation", c.deviation);
        if (heading)
            o.number("heading", degrees(*heading));
        if (amplitude) {
            o.number("amplitude", degrees(*c.amplitude));
            o.key("rising");
            text += c.rising ? "true" : "false";
            o.text("moment", c.moment.text());
        }
        textOrNull(o, "warning", warning);
        o.close();
        text += '\n';
    } else {
        std::vector<std::vector<std::string>> rows = {
            {"Body", std::string(b.body.name)},
            {"At", b.when.text()},
            {"Position", navPositionText(b.lat, b.lon, d)},
        };
        if (heading)
            rows.push_back({"Compass heading", navCircleText(*heading, d)});
        if (amplitude) {
            rows.push_back({c.rising ? "Rising" : "Setting",
                            "centre on the " + std::string(a.horizon == compass::Horizon::visible ? "visible" : "celestial") +
                                " horizon at " + c.moment.text()});
            rows.push_back({"True altitude", navAltitudeText(c.altitude, d)});
            rows.push_back({"Amplitude", amplitudeText(*c.amplitude, c.rising)});
        } else {
            rows.push_back({"Altitude", navAltitudeText(c.altitude, d)});
        }
        rows.push_back({"True azimuth", navCircleText(c.azimuth, d)});
        rows.push_back({gyro ? "Gyro bearing" : "Compass bearing", navCircleText(b.bearing, d)});
        rows.push_back({gyro ? "Gyro error" : "Compass error", gyro ? gyroErrorText(c.error) : eastWestText(c.error)});
        if (c.variation) {
            rows.push_back({"Variation",
                            eastWestText(*c.variation) + (modelled ? " (World Magnetic Model 2025)" : " (given)")});
            rows.push_back({"Deviation", eastWestText(*c.deviation)});
        }
        if (!warning.empty())
            rows.push_back({"Warning", warning});
        writeTable(text, rows);
    }
    out << text;
    return 0;
}

int magnetic(const Reader& r, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    const sight::UtcTime at = r.instant("at");
    const auto [lat, lon] = r.position();
    const compass::Field f = r.ok() ? modelField(r, lat, lon, at, "--magnetic") : compass::Field{};
    if (!r.ok())
        return r.failed(err);
    const std::string warning = compass::zoneWarning(f);
    const double year = std::round(compass::fractionalYear(at) * 1000) / 1000;
    std::string text;
    if (options.json) {
        JsonObject o(text);
        o.text("at", at.text());
        o.number("year", year);
        o.number("variation", degrees(f.variation));
        o.number("inclination", degrees(f.inclination));
        o.number("total", std::round(f.total * 10) / 10);
        o.number("horizontal", std::round(f.horizontal * 10) / 10);
        textOrNull(o, "warning", warning);
        o.close();
        text += '\n';
    } else {
        char year3[16];
        std::snprintf(year3, sizeof year3, "%.3f", year);
        std::vector<std::vector<std::string>> rows = {
            {"Position", navPositionText(lat, lon, options.decimal)},
            {"At", at.text() + " (" + year3 + ")"},
            {"Variation", eastWestText(f.variation)},
            {"Inclination", degreesText(f.inclination) + (f.inclination < 0 ? " (up)" : " (down)")},
            {"Total field", std::to_string(std::lround(f.total)) + " nT"},
            {"Horizontal field", std::to_string(std::lround(f.horizontal)) + " nT"},
            {"Model", "World Magnetic Model 2025, at sea level"},
        };
        if (!warning.empty())
            rows.push_back({"Warning", warning});
        writeTable(text, rows);
    }
    out << text;
    return 0;
}

/// One observation of the card's file, with its line.
struct CardLine {
    int line = 0;
    compass::Swung swung;
};

}  // namespace

bool isCompassMode(std::string_view name, CompassMode& mode)
{
    const int i = modeOf(name, modeNames);
    if (i >= 0)
        mode = CompassMode(i);
    return i >= 0;
}

bool isCompassOption(std::string_view name)
{
    return oneOf(name, {"body", "bearing", "gyro", "variation", "heading", "horizon"});
}

int runCompass(CompassMode mode, const std::map<std::string, std::string>& values, const AlmanacOptions& options,
               std::ostream& out, std::ostream& err)
{
    if (const std::string why = modeRefusal(modeNames[int(mode)], optionsOf(mode), values); !why.empty()) {
        err << failedText(why);
        return 2;
    }
    const Reader r(values);
    return mode == CompassMode::magnetic ? magnetic(r, options, out, err) : bearing(mode, r, options, out, err);
}

int runDeviationCard(std::istream& in, const std::string& name, const AlmanacOptions& options, std::ostream& out,
                     std::ostream& err)
{
    sightlog::CsvReader reader(in);
    std::vector<sightlog::SightLogError> errors;
    std::vector<CardLine> lines;
    std::vector<std::string> cells;
    int at[2] = {-1, -1};
    const char* const columns[2] = {"heading", "deviation"};
    if (!reader.header(cells))
        errors.push_back({0, 0, {}, "no header: the file starts with a line naming its columns (heading,deviation)"});
    else if (reader.fault() != sightlog::LineFault::none)
        errors.push_back({reader.line(), 0, {},
                          reader.fault() == sightlog::LineFault::tooLong ? "the header is " + reader.why()
                                                                         : reader.why() + " in the header"});
    else {
        for (size_t i = 0; i < cells.size() && errors.empty(); ++i) {
            const int c = sightlog::sameName(cells[i], columns[0]) ? 0 : sightlog::sameName(cells[i], columns[1]) ? 1 : -1;
            if (c < 0 || at[c] >= 0)
                errors.push_back({reader.line(), int(i) + 1, {},
                                  (c < 0 ? "unknown column " : "column twice: ") + quoted(cells[i]) +
                                      "; a deviation card's file has the columns heading,deviation"});
            else
                at[c] = int(i);
        }
        for (int c = 0; c < 2 && errors.empty(); ++c)
            if (at[c] < 0)
                errors.push_back({reader.line(), 0, {}, std::string("no column '") + columns[c] + "'"});
    }
    const bool headed = errors.empty();
    while (headed && reader.next(cells)) {
        if (reader.fault() != sightlog::LineFault::none) {
            errors.push_back({reader.line(), 0, {}, reader.why()});
            continue;
        }
        auto cell = [&](int c) { return size_t(at[c]) < cells.size() ? cells[size_t(at[c])] : std::string(); };
        const AngleRead heading = readNavAngle(cell(0), AngleKind::circle, "a compass heading");
        const AngleRead deviation = readEastWest(cell(1), "a deviation");
        if (!heading.ok || !deviation.ok) {
            const int c = heading.ok ? 1 : 0;
            errors.push_back({reader.line(), at[c] + 1, columns[c], heading.ok ? deviation.error : heading.error});
            continue;
        }
        lines.push_back({reader.line(), {heading.radians, deviation.radians}});
    }
    for (const sightlog::SightLogError& e : errors)
        err << "morvel-solve: " << name << ": " << e.text() << "\n";

    std::vector<compass::Swung> observations;
    for (const CardLine& l : lines)
        observations.push_back(l.swung);
    const compass::DeviationCard card = compass::deviationCard(observations);
    std::vector<std::pair<double, double>> rows;  // heading, deviation every 15 degrees
    if (card.ok())
        for (int h = 0; h < 360; h += compass::cardStepDegrees)
            rows.emplace_back(h * degree, card.deviationOn(h * degree));

    std::string text;
    if (options.json) {
        JsonObject o(text);
        o.number("headings", card.headings);
        if (card.ok()) {
            o.key("coefficients");
            JsonObject k(text);
            const double coefficients[] = {card.A, card.B, card.C, card.D, card.E};
            const char* const names[] = {"A", "B", "C", "D", "E"};
            for (int i = 0; i < 5; ++i)
                k.number(names[i], degrees(coefficients[i]));
            k.close();
            jsonArray(o, "card", rows, [](JsonObject& e, const std::pair<double, double>& row) {
                e.number("heading", degrees(row.first));
                e.number("deviation", degrees(row.second));
            });
            o.key("residuals");
            text += '[';
            for (size_t i = 0; i < card.residuals.size(); ++i) {
                text += i ? "," : "";
                jsonNumber(text, degrees(card.residuals[i]));
            }
            text += ']';
            textOrNull(o, "advice", card.advice);
            jsonArray(o, "gaps", card.gaps, [](JsonObject& e, const compass::Gap& g) {
                e.number("from", degrees(g.from));
                e.number("to", degrees(g.to));
            });
        } else {
            o.key("card");
            text += "null";
            o.text("why", card.why);
        }
        jsonArray(o, "errors", errors, [](JsonObject& e, const sightlog::SightLogError& error) {
            e.number("line", error.line);
            e.number("column", error.column);
            e.text("error", error.why);
        });
        o.close();
        text += '\n';
    } else if (card.ok()) {
        text += "Coefficients (" + std::to_string(card.headings) + " headings)\n";
        const double coefficients[] = {card.A, card.B, card.C, card.D, card.E};
        const char* const names[] = {"A", "B", "C", "D", "E"};
        std::vector<std::vector<std::string>> table;
        for (int i = 0; i < 5; ++i)
            table.push_back({names[i], eastWestText(coefficients[i])});
        writeTable(text, table, "  ");
        text += "Deviation card\n";
        table = {{"Heading", "Deviation"}};
        for (const auto& [h, dev] : rows)
            table.push_back({navCourseText(h), eastWestText(dev)});
        writeTable(text, table, "  ");
        text += "Residuals\n";
        table = {{"Line", "Heading", "Deviation", "Residual"}};
        for (size_t i = 0; i < lines.size(); ++i)
            table.push_back({std::to_string(lines[i].line), navCircleText(lines[i].swung.heading, options.decimal),
                             eastWestText(lines[i].swung.deviation), degreesText(card.residuals[i])});
        writeTable(text, table, "  ");
        if (!card.advice.empty())
            text += "Advice: " + card.advice + "\n";
        for (const compass::Gap& g : card.gaps)
            text += "Warning: " + compass::gapText(g) + "\n";
    }
    out << text;
    if (!card.ok())
        err << failedText(name + ": no card: " + card.why);
    return !errors.empty() ? 2 : card.ok() ? 0 : 1;
}

}  // namespace morvel::cli
