#include "cli/almanac.h"

#include "almanac/almanac.h"
#include "cli/json_writer.h"
#include "cli/report.h"
#include "engine/angles.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"
#include "sight/utc.h"
#include "sightlog/sight_texts.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>

namespace morvel::cli {

using namespace navtext;

namespace {

using almanac::Body;
using almanac::BodyKind;
using almanac::Instant;
using almanac::Place;

std::string fixed(double v, int decimals)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string knownBodies()
{
    std::string names;
    for (const Body& b : almanac::bodies())
        names += (names.empty() ? "" : ", ") + std::string(b.name);
    return "the bodies are " + names + " (or all)";
}

bool isAll(const std::string& name)
{
    std::string t;
    for (char c : name)
        if (c != ' ')
            t += char(std::tolower(static_cast<unsigned char>(c)));
    return t == "all";
}

/// What one line of an answer says: the body, the instant as given, and its place.
struct Answered {
    Body body;
    std::string at;
    Place place;
};

void writeJson(std::string& out, const Answered& e)
{
    JsonObject o(out);
    o.text("body", std::string(e.body.name));
    o.text("at", e.at);
    o.number("gha", shown(e.place.gha, false));
    o.number("dec", shown(e.place.dec, true));
    if (e.place.sha)
        o.number("sha", shown(*e.place.sha, false));
    if (e.place.sd)
        o.number("sd", minutesNumber(*e.place.sd));
    if (e.place.hp)
        o.number("hp", minutesNumber(*e.place.hp));
    if (e.place.mag)
        o.number("mag", std::round(*e.place.mag * 100) / 100);
    o.close();
    out += '\n';
}

const char* const csvColumns = "body,at,gha,dec,sha,sd,hp,mag\n";
/// A batch's answer: the same with each line's status, ok or the reason.
const char* const batchColumns = "body,at,gha,dec,sha,sd,hp,mag,status\n";

/// A CSV cell (report.h's rule).
std::string cell(const std::string& s)
{
    std::string c;
    csvCell(c, s);
    return c;
}

/// A place as a line of CSV; a batch's line has its status ok after it.
void writeCsv(std::string& out, const Answered& e, bool status = false)
{
    auto number = [](double v) {
        std::string s;
        jsonNumber(s, v);
        return s;
    };
    out += cell(std::string(e.body.name)) + ',' + cell(e.at) + ',';
    out += number(shown(e.place.gha, false)) + ',' + number(shown(e.place.dec, true)) + ',';
    out += (e.place.sha ? number(shown(*e.place.sha, false)) : "") + ',';
    out += (e.place.sd ? number(minutesNumber(*e.place.sd)) : "") + ',';
    out += (e.place.hp ? number(minutesNumber(*e.place.hp)) : "") + ',';
    out += e.place.mag ? number(std::round(*e.place.mag * 100) / 100) : "";
    out += status ? ",ok\n" : "\n";
}

/// The row of a body in a table: name, GHA, declination, SHA, SD, HP, magnitude.
std::vector<std::string> tableRow(const Answered& e, bool decimal)
{
    const Place& p = e.place;
    // Aries is the equinox itself: no declination to show.
    const bool aries = e.body.kind == BodyKind::aries;
    return {std::string(e.body.name), circleText(p.gha, decimal), aries ? "" : latitudeText(p.dec, decimal),
            p.sha ? circleText(*p.sha, decimal) : "",
            p.sd ? minutesText(*p.sd) : "",
            p.hp ? minutesText(*p.hp) : "",
            p.mag ? fixed(*p.mag, 1) : ""};
}

void writeText(std::string& out, const std::vector<Answered>& entries, bool decimal)
{
    if (entries.size() == 1) {
        const std::vector<std::string> r = tableRow(entries[0], decimal);
        std::vector<std::vector<std::string>> rows = {{"Body", r[0]}, {"At", entries[0].at}, {"GHA", r[1]}};
        if (!r[2].empty())
            rows.push_back({"Declination", r[2]});
        const char* captions[] = {"SHA", "Semi-diameter", "Horizontal parallax", "Magnitude"};
        for (size_t i = 0; i < 4; ++i)
            if (!r[i + 3].empty())
                rows.push_back({captions[i], r[i + 3]});
        writeTable(out, rows);
        return;
    }
    std::vector<std::vector<std::string>> rows = {{"Body", "GHA", "Dec", "SHA", "SD", "HP", "Mag"}};
    for (const Answered& e : entries)
        rows.push_back(tableRow(e, decimal));
    out += "At " + entries.front().at + "\n";
    writeTable(out, rows);
}

int failed(std::ostream& err, const std::string& why)
{
    err << "morvel-solve: " << why << "\n";
    return 2;
}

/// The places of bodies at one instant.
std::optional<std::vector<Answered>> placesAt(const std::vector<Body>& bodies, const Instant& when, const std::string& at,
                                           std::string& error)
{
    const almanac::Sky sky(when);
    std::vector<Answered> entries;
    for (const Body& b : bodies) {
        Place p = sky.placeOf(b);
        if (!p.ok()) {
            error = p.error;
            return std::nullopt;
        }
        entries.push_back({b, at, std::move(p)});
    }
    return entries;
}

std::vector<Body> allBodies()
{
    const auto all = almanac::bodies();
    return {all.begin(), all.end()};
}

}  // namespace

std::string dut1Refused(const std::string& text, double dut1)
{
    std::string error;
    const std::optional<sight::UtcTime> t = sight::UtcTime::parse(text, error);
    return t ? t->instant(dut1).error() : std::string();
}

bool isAlmanacHeader(const std::vector<std::string>& header)
{
    for (const std::string& c : header)
        if (sightlog::sameName(c, "body"))
            return true;
    return false;
}

int runAlmanac(const std::string& body, const std::string& at, const AlmanacOptions& options, std::ostream& out,
               std::ostream& err)
{
    const Instant when = Instant::parse(at, options.dut1);
    if (!when.ok())
        return failed(err, "--at " + navtext::quoted(at) + ": " + when.error());
    std::vector<Body> chosen;
    if (isAll(body)) {
        chosen = allBodies();
    } else if (const std::optional<Body> b = almanac::findBody(body)) {
        chosen.push_back(*b);
    } else {
        return failed(err, "--almanac: " + sightlog::noBodyText(body, "; " + knownBodies(), true));
    }
    std::string error;
    const auto entries = placesAt(chosen, when, at, error);
    if (!entries)
        return failed(err, "--at " + navtext::quoted(at) + ": " + error);
    std::string text;
    if (options.json)
        for (const Answered& e : *entries)
            writeJson(text, e);
    else
        writeText(text, *entries, options.decimal);
    out << text;
    return 0;
}

int runDaily(const std::string& date, bool csv, const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    const bool shaped = date.size() == 10 && date[4] == '-' && date[7] == '-';
    if (!shaped || !Instant::parse(date + "T00:00:00Z").ok())
        return failed(err, "--daily " + navtext::quoted(date) +
                               ": a UTC date from 1900-01-01 to 2100-12-31, as 2026-12-07" +
                               (shaped ? "; " + Instant::parse(date + "T00:00:00Z").error() : std::string()));
    std::vector<Body> moving, stars;
    for (const Body& b : almanac::bodies())
        (b.kind == BodyKind::star ? stars : moving).push_back(b);

    std::vector<std::vector<Answered>> hours;
    std::string error;
    for (int h = 0; h < 24; ++h) {
        const std::string at = date + "T" + (h < 10 ? "0" : "") + std::to_string(h) + ":00:00Z";
        const auto entries = placesAt(moving, Instant::parse(at, options.dut1), at, error);
        if (!entries)
            return failed(err, "--daily " + navtext::quoted(date) + ": " + error);
        hours.push_back(*entries);
    }
    const std::string midnight = date + "T00:00:00Z";
    const auto starPlaces = placesAt(stars, Instant::parse(midnight, options.dut1), midnight, error);
    if (!starPlaces)
        return failed(err, "--daily " + navtext::quoted(date) + ": " + error);

    std::string text;
    if (csv || options.json) {
        if (!options.json)
            text += csvColumns;
        for (const auto& hour : hours)
            for (const Answered& e : hour)
                options.json ? writeJson(text, e) : writeCsv(text, e);
        for (const Answered& e : *starPlaces)
            options.json ? writeJson(text, e) : writeCsv(text, e);
        out << text;
        return 0;
    }

    // The page: Aries's GHA, each planet's, the Sun's and the Moon's GHA and
    // declination (and the Moon's HP) hour by hour; the magnitudes and
    // semi-diameters at noon; the stars' SHA and declination at 0h.
    const bool dec = options.decimal;
    std::vector<std::string> head = {"h"};
    for (const Answered& e : hours[0]) {
        const std::string name(e.body.name);
        head.push_back(name + " GHA");
        if (e.body.kind != BodyKind::aries)
            head.push_back("Dec");
        if (e.body.kind == BodyKind::moon)
            head.push_back("HP");
    }
    std::vector<std::vector<std::string>> rows = {head};
    for (size_t h = 0; h < hours.size(); ++h) {
        std::vector<std::string> row = {std::to_string(h)};
        for (const Answered& e : hours[h]) {
            row.push_back(circleText(e.place.gha, dec));
            if (e.body.kind != BodyKind::aries)
                row.push_back(latitudeText(e.place.dec, dec));
            if (e.body.kind == BodyKind::moon)
                row.push_back(minutesText(*e.place.hp));
        }
        rows.push_back(row);
    }
    text += "Daily page " + date + " (UT)\n";
    writeTable(text, rows);
    std::string noon = "At 12h:";
    for (const Answered& e : hours[12]) {
        if (e.place.mag)
            noon += " " + std::string(e.body.name) + " mag " + fixed(*e.place.mag, 1) + ";";
        if (e.place.sd)
            noon += " " + std::string(e.body.name) + " SD " + minutesText(*e.place.sd) + ";";
    }
    noon.back() = '\n';
    text += noon;
    text += "\nStars at 0h\n";
    std::vector<std::vector<std::string>> starRows = {{"Star", "SHA", "Dec", "Mag"}};
    for (const Answered& e : *starPlaces)
        starRows.push_back({std::string(e.body.name), circleText(*e.place.sha, dec), latitudeText(e.place.dec, dec),
                            e.place.mag ? fixed(*e.place.mag, 1) : ""});
    writeTable(text, starRows);
    out << text;
    return 0;
}

int runAlmanacBatch(sightlog::CsvReader& reader, const std::vector<std::string>& header, const std::string& name,
                    const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    int bodyColumn = -1, atColumn = -1, dut1Column = -1;
    for (size_t i = 0; i < header.size(); ++i) {
        using sightlog::sameName;
        int* column = sameName(header[i], "body") ? &bodyColumn
                      : sameName(header[i], "at") ? &atColumn
                      : sameName(header[i], "dut1") ? &dut1Column
                                                   : nullptr;
        if (!column || *column >= 0) {
            err << "morvel-solve: " << name << ':' << reader.line() << ": "
                << (column ? "column " + navtext::quoted(header[i]) + " twice"
                           : "unknown column " + navtext::quoted(header[i]))
                << "; an almanac batch has the columns body, at and optionally dut1\n";
            return 2;
        }
        *column = int(i);
    }
    if (atColumn < 0) {
        err << "morvel-solve: " << name << ':' << reader.line() << ": no column 'at' beside 'body'\n";
        return 2;
    }

    // Each answer goes out as its line is read, each message as it arises.
    std::string answer = options.json ? std::string() : batchColumns;
    std::vector<std::string> cells;
    int bad = 0;
    while (reader.next(cells)) {
        auto at = [&](int c) { return c >= 0 && size_t(c) < cells.size() ? cells[size_t(c)] : std::string(); };
        // A line the reader refuses (more cells than the header names among
        // them) is refused as every batch refuses it.
        std::string why = reader.why();
        std::optional<Body> body;
        double dut1 = options.dut1;
        if (why.empty()) {
            body = almanac::findBody(at(bodyColumn));
            if (!body) {
                why = sightlog::noBodyText(at(bodyColumn), {}, true);
            } else if (!at(dut1Column).empty()) {
                const auto d = navtext::typedNumber(at(dut1Column));
                if (d && !d->overflow)
                    dut1 = d->value;
                else
                    why = "dut1 " + navtext::quoted(at(dut1Column)) + " is not a number of seconds";
                if (const std::string refused = dut1Refused(at(atColumn), dut1); why.empty() && !refused.empty())
                    why = "dut1 " + navtext::quoted(at(dut1Column)) + ": " + refused;
            }
        }
        std::optional<std::vector<Answered>> entries;
        if (why.empty()) {
            const Instant when = Instant::parse(at(atColumn), dut1);
            if (!when.ok())
                why = "at " + navtext::quoted(at(atColumn)) + ": " + when.error();
            else
                entries = placesAt({*body}, when, at(atColumn), why);
        }
        if (!entries) {
            ++bad;
            if (options.json) {
                JsonObject o(answer);
                o.number("line", reader.line());
                o.text("error", why);
                o.close();
                answer += '\n';
            } else {
                // The line keeps its place, the reason in its status.
                answer += cell(at(bodyColumn)) + ',' + cell(at(atColumn)) + ",,,,,,," + cell(why) + '\n';
            }
            out.write(answer.data(), std::streamsize(answer.size()));
            answer.clear();
            out.flush();
            err << "morvel-solve: " << name << ':' << reader.line() << ": " << why << '\n';
            continue;
        }
        options.json ? writeJson(answer, entries->front()) : writeCsv(answer, entries->front(), true);
        out.write(answer.data(), std::streamsize(answer.size()));
        answer.clear();
    }
    out.write(answer.data(), std::streamsize(answer.size()));
    out.flush();
    return bad ? 2 : 0;
}

}  // namespace morvel::cli
