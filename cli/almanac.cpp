#include "cli/almanac.h"

#include "almanac/almanac.h"
#include "almanac/daily_page.h"
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
    return {std::string(e.body.name), navCircleText(p.gha, decimal), aries ? "" : navLatitudeText(p.dec, decimal),
            p.sha ? navCircleText(*p.sha, decimal) : "",
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
        return failed(err, "--almanac: " + sightlog::noBodyText(body, knownBodies(), true));
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

namespace {

std::string hhmm(const almanac::UtcDate& date, std::optional<double> hours)
{
    return hours ? date.dayAndMinute(*hours).second : "--";
}

/// v or d in minutes of arc to a tenth; d without its sign, as printed.
std::string vdText(double minutes, bool sign)
{
    const std::string t = fixed(sign ? minutes : std::abs(minutes), 1);
    return t == "-0.0" ? "0.0" : t;
}

const char* const dailyColumns = "body,at,gha,dec,sha,sd,hp,mag,v,d\n";

void writeDailyCsv(std::string& text, const almanac::DailyPage& p, bool json)
{
    auto number = [](double v) {
        std::string s;
        jsonNumber(s, v);
        return s;
    };
    auto rounded = [](double minutes) { return std::round(minutes * 100) / 100; };
    for (int h = 0; h < 24; ++h) {
        const std::string at = p.date.isoText(h);
        for (size_t b = 0; b < p.moving.size(); ++b) {
            const Answered e{p.moving[b], at, p.hours[size_t(h)][b]};
            std::optional<double> v = p.v[b], d = p.d[b];
            if (p.moving[b].kind == BodyKind::moon) {
                v = p.moonV[size_t(h)];
                d = p.moonD[size_t(h)];
            }
            if (json) {
                std::string line;
                writeJson(line, e);
                line.pop_back();  // the newline
                line.pop_back();  // the closing brace
                if (v)
                    line += ",\"v\":" + number(rounded(*v));
                if (d)
                    line += ",\"d\":" + number(rounded(*d));
                text += line + "}\n";
            } else {
                writeCsv(text, e);
                text.pop_back();
                text += ',' + (v ? number(rounded(*v)) : "") + ',' + (d ? number(rounded(*d)) : "") + '\n';
            }
        }
    }
    const std::string midnight = p.date.isoText(0);
    for (size_t i = 0; i < p.stars.size(); ++i) {
        const Answered e{p.stars[i], midnight, p.starPlaces[i]};
        if (json) {
            writeJson(text, e);
        } else {
            writeCsv(text, e);
            text.pop_back();
            text += ",,\n";
        }
    }
}

void writePageText(std::string& text, const almanac::DailyPage& p, bool dec)
{
    using almanac::EventKind;
    const size_t moon = p.index(BodyKind::moon), sun = p.index(BodyKind::sun);
    std::vector<std::string> head = {"h"};
    for (const Body& b : p.moving) {
        head.push_back(std::string(b.name) + " GHA");
        if (b.kind == BodyKind::moon)
            head.push_back("v");
        if (b.kind != BodyKind::aries)
            head.push_back("Dec");
        if (b.kind == BodyKind::moon) {
            head.push_back("d");
            head.push_back("HP");
        }
    }
    std::vector<std::vector<std::string>> rows = {head};
    for (int h = 0; h < 24; ++h) {
        std::vector<std::string> row = {std::to_string(h)};
        for (size_t b = 0; b < p.moving.size(); ++b) {
            const Place& pl = p.hours[size_t(h)][b];
            row.push_back(navCircleText(pl.gha, dec));
            if (b == moon)
                row.push_back(vdText(p.moonV[size_t(h)], true));
            if (p.moving[b].kind != BodyKind::aries)
                row.push_back(navLatitudeText(pl.dec, dec));
            if (b == moon) {
                row.push_back(vdText(p.moonD[size_t(h)], false));
                row.push_back(minutesText(*pl.hp).substr(0, minutesText(*pl.hp).size() - 1));
            }
        }
        rows.push_back(row);
    }
    text += "Daily page " + p.date.text() + " (UT)\n";
    writeTable(text, rows);

    // The foot of each column.
    text += "\n";
    std::vector<std::vector<std::string>> foot;
    for (size_t b = 0; b < p.moving.size(); ++b) {
        const Place& noon = p.hours[12][b];
        std::vector<std::string> r = {std::string(p.moving[b].name)};
        std::string what;
        if (p.v[b])
            what += "v " + vdText(*p.v[b], true) + "'  ";
        if (p.d[b])
            what += "d " + vdText(*p.d[b], false) + "'  ";
        if (noon.sd)
            what += "SD " + minutesText(*noon.sd) + "  ";
        if (noon.mag && p.moving[b].kind == BodyKind::planet)
            what += "mag " + fixed(*noon.mag, 1) + "  ";
        what += "Mer. Pass. " + hhmm(p.date, p.passage[b]);
        if (b == moon)
            what += " (lower " + hhmm(p.date, p.moonLowerPassage) + ")  Age " + std::to_string(std::lround(p.moonAge)) +
                    " d  Illuminated " + std::to_string(std::lround(p.moonIllumination)) + "%";
        if (b == sun)
            what += "  Eqn. of time 00h " + equationOfTimeText(p.equationOfTime0) + ", 12h " + equationOfTimeText(p.equationOfTime12);
        r.push_back(what);
        foot.push_back(r);
    }
    writeTable(text, foot);
    text += "Equation of time = apparent - mean solar time: + when the Sun crosses the meridian before 12h.\n"
            "v and d in minutes of arc an hour; v over 14°19.0' (the Moon) or 15°00.0' (the planets).\n";

    text += "\nSunrise, sunset, twilights, moonrise and moonset: UT on the Greenwich meridian, the local mean time\n"
            "on any other (□ above the horizon all day, ■ below it all day, //// twilight all night, -- none this day)\n";
    std::vector<std::vector<std::string>> events = {
        {"Lat", "Naut.", "Civil", "Sunrise", "Sunset", "Civil", "Naut.", "Moonrise", "Moonset"}};
    const EventKind order[] = {EventKind::nauticalDawn, EventKind::civilDawn, EventKind::sunrise,
                               EventKind::sunset,       EventKind::civilDusk, EventKind::nauticalDusk,
                               EventKind::moonrise,     EventKind::moonset};
    for (size_t i = 0; i < p.events.size(); ++i) {
        const long lat = std::lround(p.events[i].lat / math::degree);
        std::vector<std::string> r = {lat == 0 ? "0" : std::to_string(std::abs(lat)) + (lat > 0 ? " N" : " S")};
        for (EventKind k : order)
            r.push_back(p.eventText(i, k));
        events.push_back(r);
    }
    writeTable(text, events);

    text += "\nStars at 0h\n";
    std::vector<std::vector<std::string>> starRows = {{"Star", "SHA", "Dec", "Mag"}};
    for (size_t i = 0; i < p.stars.size(); ++i) {
        const Place& pl = p.starPlaces[i];
        starRows.push_back({std::string(p.stars[i].name), navCircleText(*pl.sha, dec), navLatitudeText(pl.dec, dec),
                            pl.mag ? fixed(*pl.mag, 1) : ""});
    }
    writeTable(text, starRows);
}

}  // namespace

const char* const pageDaysText =
    "the hours either side of the day are needed too: a date from 1900-01-02 to 2100-12-30";

std::optional<almanac::UtcDate> dailyDate(const std::string& date, std::string& error)
{
    const bool shaped = date.size() == 10 && date[4] == '-' && date[7] == '-';
    if (!shaped || !Instant::parse(date + "T00:00:00Z").ok()) {
        error = "--daily " + navtext::quoted(date) + ": a UTC date from 1900-01-01 to 2100-12-31, as 2026-12-07" +
                (shaped ? "; " + Instant::parse(date + "T00:00:00Z").error() : std::string());
        return std::nullopt;
    }
    const almanac::UtcDate d{std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)), std::stoi(date.substr(8, 2))};
    if (!almanac::withNeighbours(d)) {
        error = "--daily " + navtext::quoted(date) + ": " + pageDaysText;
        return std::nullopt;
    }
    return d;
}

namespace {
DailyPdfWriter pdfWriter = nullptr;
}

void setDailyPdfWriter(DailyPdfWriter writer)
{
    pdfWriter = writer;
}

int runDaily(const std::string& date, int days, bool csv, const std::optional<std::string>& pdf,
             const AlmanacOptions& options, std::ostream& out, std::ostream& err)
{
    std::string error;
    const std::optional<almanac::UtcDate> first = dailyDate(date, error);
    if (!first)
        return failed(err, error);
    if (!almanac::withNeighbours(first->plus(days - 1)))
        return failed(err, "--days " + std::to_string(days) + " from " + date + " runs past 2100-12-30, the last day "
                               "a page can be made for");
    almanac::PageMaker maker(options.dut1);
    if (pdf) {
        if (csv || options.json || options.decimal)
            return failed(err, "--pdf writes the printed pages: it takes no --csv, --json or --decimal");
        if (!pdfWriter)
            return failed(err, "--pdf: this morvel-solve was built without Qt, which writes the PDF");
        const std::string why =
            pdfWriter(*pdf, days, [&](int i) { return maker.page(first->plus(i)); });
        return why.empty() ? 0 : failed(err, "--pdf: " + why);
    }
    std::string text;
    if (csv && !options.json)
        text += dailyColumns;
    for (int i = 0; i < days; ++i) {
        const almanac::DailyPage p = maker.page(first->plus(i));
        if (!p.ok())
            return failed(err, "--daily " + navtext::quoted(date) + ": " + p.error);
        if (csv || options.json)
            writeDailyCsv(text, p, options.json);
        else {
            if (i > 0)
                text += "\f\n";
            writePageText(text, p, options.decimal);
        }
        out << text;
        text.clear();
    }
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
