#include "cli/command.h"

#include "cli/almanac.h"
#include "cli/batch.h"
#include "cli/compass.h"
#include "cli/finder.h"
#include "cli/gpx.h"
#include "cli/problem.h"
#include "cli/report.h"
#include "cli/sights.h"
#include "cli/solve.h"
#include "engine/angles.h"
#include "files/write.h"
#include "navtext/navtext.h"
#include "navtext/numtext.h"
#include "sightlog/sight_log.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <streambuf>

namespace morvel::cli {

using namespace navtext;

namespace {

bool isOption(const std::string& arg)
{
    return arg.size() > 2 && arg.compare(0, 2, "--") == 0;
}

/// The spacing of --waypoints in degrees, or an error.
std::optional<double> spacingOf(const std::string& text, std::string& error)
{
    const std::string allowed = "--waypoints takes the spacing of the meridians in degrees of longitude, "
                                "from 0.1 to 180 (10, 5, 2.5)";
    const AngleRead a = readNavAngle(text, AngleKind::circle);
    if (!a.ok || text.find_first_of(" \t'") != std::string::npos) {
        error = allowed + "; not " + navtext::quoted(text);
        return std::nullopt;
    }
    // One plain number, its decimal comma (which readNavAngle took) a point.
    std::string number = text;
    std::replace(number.begin(), number.end(), ',', '.');
    const double degrees = navtext::textToNumber(number).value;
    if (degrees < 0.1 || degrees > 180) {
        error = allowed + "; not " + navtext::quoted(text);
        return std::nullopt;
    }
    return degrees;
}

/// read on the file named, or on standard input for "-"; 2 when the file
/// cannot be opened.
template <class Read>
int readFrom(const std::string& file, const char* option, std::istream& in, std::ostream& err, Read read)
{
    if (file == "-")
        return read(in, "standard input");
    // A directory opens as a stream that reads nothing.
    std::error_code ec;
    const bool directory = std::filesystem::is_directory(file, ec);
    std::ifstream f(file, std::ios::binary);
    if (directory || !f) {
        err << "morvel-solve: " << option << ": cannot read '" << file << "'" << (directory ? ": a directory" : "")
            << "\n";
        return 2;
    }
    return read(f, file);
}

/// The messages on their way to standard error, a line at a time as they
/// arise, with control characters written as '?': they quote what was
/// given, from the command line or a file, and an escape sequence in a log
/// must not reach the terminal.
class Screened : public std::streambuf {
public:
    explicit Screened(std::ostream& to) : to_(to) {}

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            const char ch = traits_type::to_char_type(c);
            xsputn(&ch, 1);
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        for (std::streamsize i = 0; i < n; ++i) {
            const char c = s[i];
            line_ += (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f ? '?' : c;
            if (c == '\n')
                sync();
        }
        return n;
    }

    int sync() override
    {
        to_.write(line_.data(), std::streamsize(line_.size()));
        to_.flush();
        line_.clear();
        return 0;
    }

private:
    std::ostream& to_;
    std::string line_;
};

}  // namespace

std::string helpText()
{
    return "Usage: morvel-solve [options]\n"
           "Solves the celestial triangle of sight reduction or a great-circle passage on the\n"
           "engine of the Morvel calculator, and prints what its windows show.\n"
           "\n"
           "Celestial triangle: give exactly three of\n"
           "  --lat A    latitude, N or S       --lha A   local hour angle, 0 to 360\n"
           "  --dec A    declination, N or S    --alt A   altitude, -90 to 90\n"
           "  --zn A     true azimuth, 0 to 360\n"
           "  Both solutions are shown where there are two, \"Many Other Solutions\" where the\n"
           "  body is on the meridian, and the engine's message where there is none.\n"
           "\n"
           "Great circle: --from POS --to POS, or --from POS with two of --dlo, --distance,\n"
           "--course; in general three of latitude of departure, DLo, latitude of destination,\n"
           "distance and initial course with at most one longitude, or both longitudes with\n"
           "two of the others and no DLo.\n"
           "  --from POS, --to POS        departure, destination: a latitude, or latitude and longitude\n"
           "  --from-lat A, --from-lon A  the parts of the departure apart\n"
           "  --to-lat A, --to-lon A      the parts of the destination apart\n"
           "  --dlo A                     difference of longitude, E or W, 0 to 360\n"
           "  --distance NM               nautical miles, 0 to 10800\n"
           "  --course A                  initial course, 0 to 360\n"
           "  --waypoints N               also the vertex, the equator crossings and waypoints on\n"
           "                              every meridian that is a multiple of N degrees, with the\n"
           "                              rhumb-line legs between them (needs a longitude)\n"
           "  --limit-lat A               composite great circle: where the great circle goes beyond\n"
           "                              latitude A (1 to 89, N or S), the great circles tangent to\n"
           "                              that parallel and the run along it, with their distances\n"
           "                              and courses (needs a longitude)\n"
           "  --gpx FILE                  with --waypoints, also write the route as GPX 1.1 (- for\n"
           "                              standard output, instead of the answer)\n"
           "  Every great-circle answer adds the rhumb line between the same ends.\n"
           "\n"
           "Almanac: where the navigational bodies stand (apparent, geocentric)\n"
           "  --almanac BODY --at UTC  GHA and declination of the Sun, Moon, Venus, Mars, Jupiter,\n"
           "                           Saturn, Aries or a navigational star (SHA too), with semi-\n"
           "                           diameter, horizontal parallax and magnitude where they apply;\n"
           "                           BODY all lists every body; UTC as 2026-12-07T17:32:10Z\n"
           "  --dut1 S                 UT1 - UTC in seconds, -0.9 to 0.9 (0 when not given); none\n"
           "                           before 1960, when there was no UTC and a time is UT1\n"
           "  --daily DATE             the hourly page of a UTC date (2026-12-07); --csv for CSV\n"
           "  A batch whose header names body,at (and dut1) answers body,at,gha,dec,sha,sd,hp,mag,\n"
           "  status (ok, or why the line was not answered).\n"
           "\n"
           "Noon sight, identification and the sky (POS needs a longitude):\n"
           "  --noon --date D --pos POS   local apparent noon at the ship; the DR holds at\n"
           "                              --dr-time UTC (within 24 hours of noon), or at 12:00\n"
           "                              local mean time of D at its longitude when not given;\n"
           "                              --course C --speed KN move it; --hs A (--limb\n"
           "                              lower|upper|centre, --ic M, --eye H) the latitude;\n"
           "                              --time-of-max UTC the longitude. D is a UTC date, or\n"
           "                              with --zone Z (below) the date on board, and noon is\n"
           "                              given in zone time too\n"
           "  --identify --at UTC --pos POS --alt A --zn A\n"
           "                              the stars and planets within 5 degrees of a sight\n"
           "  --sky --at UTC --pos POS    the bodies above the horizon and the day's twilights\n"
           "Compass: its error by a body, the variation and the deviation card\n"
           "  --compass --body NAME --at UTC --pos POS --bearing A\n"
           "                              the azimuth method: the body's true azimuth against the\n"
           "                              compass bearing gives the compass error (true = bearing +\n"
           "                              error, east positive); --variation A (2.5E, 1.0W) or auto\n"
           "                              (the World Magnetic Model 2025) gives the deviation;\n"
           "                              --gyro for a gyro's bearing (its error high or low);\n"
           "                              --heading A, the compass heading, to carry to the card\n"
           "  --amplitude ...             the same options, the bearing taken as the body's centre\n"
           "                              rises or sets (within 2 degrees of the horizon at --at):\n"
           "                              --horizon visible|celestial (visible when not given),\n"
           "                              --eye H, metres, for the dip of the visible horizon\n"
           "  --magnetic --pos POS --at UTC\n"
           "                              the World Magnetic Model's variation, inclination and field\n"
           "                              (2025.0 to 2030.0)\n"
           "  --deviation-card FILE       CSV of heading,deviation (- for standard input): the\n"
           "                              coefficients A to E by least squares, the deviation every\n"
           "                              15 degrees of compass heading and each observation's residual;\n"
           "                              five distinct headings or more\n"
           "\n"
           "Sights: from the sextant to the fix\n"
           "  --sights FILE  a sight log (- for standard input): CSV with the header\n"
           "                 utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon, one sight a line;\n"
           "                 each sight's corrections, Ho, GHA, declination, LHA, Hc, Zn and\n"
           "                 intercept at its DR, then the fix at the last sight's time by least\n"
           "                 squares (earlier lines advanced by the run between the DRs), with the\n"
           "                 95% error ellipse from three lines on. A log kept by the watch has a\n"
           "                 time column (19:33, 19:33:05, or 2026-12-08 00:15 on another day)\n"
           "                 for utc, timed by the lines # date: 2026-12-07, # zone: +5 and\n"
           "                 # watch error: 12 s fast (or slow), each for the sights below it\n"
           "  --date D       for a log kept by the watch, the date on board (2026-12-07)\n"
           "  --zone Z       the zone description: the hours added to zone time to give UT,\n"
           "                 +5 in 75 W, -3 in 45 E, +9.5 (quarter hours, -14 to +14); 0 for a\n"
           "                 watch kept on UT\n"
           "  --watch-error E  12 s fast (the right time is the watch's less 12 s) or 12 s slow;\n"
           "                 these three stand above the log's first line: a line of the log\n"
           "                 for one of them is then refused, and a log with a utc column\n"
           "                 takes none\n"
           "  --sigma M      standard deviation of an altitude, minutes of arc (0.5 when not given)\n"
           "\n"
           "Output and batch:\n"
           "  --decimal      decimal degrees to five decimals instead of degrees and minutes\n"
           "  --json         one JSON object (decimal degrees, nautical miles)\n"
           "  --batch FILE   problems from a CSV file (- for standard input), one a line, with a\n"
           "                 header naming the columns (lat,lha,dec,alt,zn or from_lat,from_lon,\n"
           "                 to_lat,to_lon,dlo,distance,course); one CSV answer line per problem\n"
           "  --help, --version\n"
           "\n"
           "Angles: 40 12.3N, 40°12.3'N, N40 12.3, 40.205N, -40.205 (minus is S or W),\n"
           "351 41.9, -12 15 (altitude), 41 12 18N, 41°12'18\"N, 41,205N (a decimal comma).\n"
           "Positions: \"40 12.3N 70 30.5W\", \"41 12 18N 70 30 05W\" (seconds with both letters),\n"
           "40.205N,70.508W, \"40.205 -70.508\"; a comma parts the latitude from the longitude.\n"
           "--ic: minutes, -1.2, 1.2 on (-1.2) or 1.2 off (+1.2); --eye: 2.5, 2.5 m, 8 ft or 8'.\n"
           "A value may be one argument or several (--lat 40 12.3N).\n"
           "\n"
           "Exit status: 0 solved, 1 no solution (sights: no fix; deviation card: too few\n"
           "headings), 2 bad input (batch, sights and card: the worst line).\n";
}

namespace {

int runOptions(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    auto fail = [&](const std::string& why) {
        err << "morvel-solve: " << why << "\n";
        return 2;
    };
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            out << helpText();
            return 0;
        }
        if (a == "--version") {
            out << "morvel-solve " << MORVEL_VERSION << "\n";
            return 0;
        }
    }

    Style style;
    std::optional<std::string> batch, almanacBody, at, dut1, daily, sights, sigma, limitText, gpx, card;
    bool csv = false;
    std::string waypoints;
    std::vector<Entry> entries;
    std::optional<FinderMode> finder;
    std::optional<CompassMode> compass;
    // The values of the modes' own options (--noon ... --sky, --compass ...
    // --magnetic), by name without dashes.
    std::map<std::string, std::string> finderValues;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        if (!isOption(option))
            return fail("unexpected " + navtext::quoted(option) + "; options start with -- (see --help)");
        std::optional<std::string> value;
        if (const size_t eq = option.find('='); eq != std::string::npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
        }
        const std::string name = option.substr(2);
        FinderMode finderMode;
        CompassMode compassMode;
        if (isFinderMode(name, finderMode) || isCompassMode(name, compassMode)) {
            if (value)
                return fail(option + " takes no value");
            if (finder || compass)
                return fail("give one of --noon, --identify, --sky, --compass, --amplitude and --magnetic");
            if (isFinderMode(name, finderMode))
                finder = finderMode;
            else
                compass = compassMode;
            continue;
        }
        if (name == "gyro") {
            if (value)
                return fail(option + " takes no value");
            finderValues.emplace(name, "");
            continue;
        }
        if (name == "decimal" || name == "json" || name == "csv") {
            if (value)
                return fail(option + " takes no value");
            (name == "json" ? style.json : name == "csv" ? csv : style.decimal) = true;
            continue;
        }
        // Values run to the next option: --lat 40 12.3N is one latitude. A
        // file is one argument: a second is a mistake, not a name with a
        // blank.
        const bool file = name == "sights" || name == "batch" || name == "gpx" || name == "deviation-card";
        for (; i + 1 < args.size() && !isOption(args[i + 1]); ++i) {
            if (file && value)
                return fail(option + " takes one file; " + navtext::quoted(args[i + 1]) +
                            " is one too many (quote a name that has blanks)");
            value = value ? *value + " " + args[i + 1] : args[i + 1];
        }
        const std::optional<Field> field = fieldOfOption(name);
        std::optional<std::string>* once = name == "almanac"     ? &almanacBody
                                           : name == "at"        ? &at
                                           : name == "dut1"      ? &dut1
                                           : name == "daily"     ? &daily
                                           : name == "sights"    ? &sights
                                           : name == "sigma"     ? &sigma
                                           : name == "limit-lat" ? &limitText
                                           : name == "gpx"       ? &gpx
                                           : name == "deviation-card" ? &card
                                                                 : nullptr;
        const bool modeOption = isFinderOption(name) || isCompassOption(name);
        if (name != "batch" && name != "waypoints" && !field && !once && !modeOption)
            return fail("unknown option " + option + " (see --help)");
        if (!value || value->empty())
            return fail(option + " needs a value (see --help)");
        if (modeOption) {
            if (!finderValues.emplace(name, *value).second)
                return fail(option + " given twice");
        } else if (once) {
            if (*once)
                return fail(option + " given twice");
            *once = *value;
        } else if (name == "batch") {
            if (batch)
                return fail("--batch given twice");
            batch = *value;
        } else if (name == "waypoints") {
            if (!waypoints.empty())
                return fail("--waypoints given twice");
            waypoints = *value;
        } else {
            entries.push_back({*field, *value});
        }
    }
    // The options of a passage's route.
    const bool routing = !waypoints.empty() || limitText || gpx;
    AlmanacOptions timing{style.decimal, style.json, 0};
    if (dut1) {
        const auto d = navtext::typedNumber(*dut1);
        if (!d || d->overflow || std::abs(d->value) > 0.9)
            return fail("--dut1 takes UT1 - UTC in seconds, -0.9 to 0.9; not " + navtext::quoted(*dut1));
        timing.dut1 = d->value;
        // Before 1960 a time is UT1 itself: the instants given say whether
        // --dut1 can go with them.
        std::vector<std::pair<std::string, std::string>> instants;
        if (at)
            instants.emplace_back("at", *at);
        if (daily)
            instants.emplace_back("daily", *daily);
        for (const char* name : {"date", "dr-time", "time-of-max"})
            if (const auto f = finderValues.find(name); f != finderValues.end())
                instants.emplace_back(name, f->second);
        for (const auto& [name, when] : instants)
            if (const std::string why = dut1Refused(when, timing.dut1); !why.empty())
                return fail("--dut1 " + navtext::quoted(*dut1) + " with --" + name + " " + navtext::quoted(when) +
                            ": " + why);
    }
    if (sights || sigma) {
        SightsOptions o{style.decimal, style.json, 0.5};
        if (sigma) {
            const auto d = navtext::typedNumber(*sigma);
            if (!d || d->overflow || !(d->value >= 0.01 && d->value <= 60))
                return fail("--sigma takes the standard deviation of an altitude in minutes of arc, 0.01 to 60; "
                            "not " + navtext::quoted(*sigma));
            o.sigma = d->value;
        }
        if (!sights)
            return fail("--sigma goes with --sights FILE");
        // The date on board, zone and watch error of a log kept by the
        // watch, given for the whole log.
        for (const char* name : {"date", "zone", "watch-error"}) {
            const auto given = finderValues.find(name);
            if (given == finderValues.end())
                continue;
            const std::string key = name == std::string("watch-error") ? "watch error" : name;
            sightlog::Clock clock;
            if (const std::string why = clock.set(*sightlog::clockKeyOf(key), given->second, {}); !why.empty())
                return fail("--" + given->first + " " + why);
            o.clock.push_back({key, given->second});
            finderValues.erase(given);
        }
        if (almanacBody || at || dut1 || daily || batch || csv || finder || compass || card || !finderValues.empty() ||
            !entries.empty() || routing)
            return fail("--sights takes its sights from the log alone, with --date, --zone, --watch-error (a log "
                        "kept by the watch), --sigma, --decimal or --json");
        return readFrom(*sights, "--sights", in, err,
                        [&](std::istream& s, const std::string& name) { return runSights(s, name, o, out, err); });
    }
    if (card) {
        if (almanacBody || at || dut1 || daily || batch || csv || finder || compass || !finderValues.empty() ||
            !entries.empty() || routing)
            return fail("--deviation-card takes its observations from the file alone, with --decimal or --json");
        return readFrom(*card, "--deviation-card", in, err, [&](std::istream& s, const std::string& name) {
            return runDeviationCard(s, name, timing, out, err);
        });
    }
    if (finder || compass) {
        // The modes share --at, --alt, --zn and --course with the others.
        for (const Entry& e : entries)
            if (!finderValues.emplace(optionName(e.field).substr(2), e.text).second)
                return fail(optionName(e.field) + " given twice");
        if (at)
            finderValues.emplace("at", *at);
        if (dut1)
            finderValues.emplace("dut1", *dut1);
        if (almanacBody || daily || batch || csv || routing)
            return fail(std::string(finder ? "--noon, --identify and --sky" : "--compass, --amplitude and --magnetic") +
                        " take no --almanac, --daily, --batch, --csv, --waypoints, --limit-lat or --gpx");
        return finder ? runFinder(*finder, finderValues, timing, out, err)
                      : runCompass(*compass, finderValues, timing, out, err);
    }
    if (!finderValues.empty()) {
        const std::string& name = finderValues.begin()->first;
        return fail("--" + name + " goes with " +
                    (name == "watch-error"                ? "--sights"
                     : name == "date" || name == "zone" ? "--noon or --sights"
                     : isCompassOption(name)            ? "--compass or --amplitude"
                                                        : "--noon, --identify or --sky") +
                    " (see --help)");
    }
    if (almanacBody || at || dut1 || daily) {
        if (!entries.empty() || routing)
            return fail("--almanac and --daily take no triangle or passage (see --help)");
        if (daily && (almanacBody || at))
            return fail("--daily takes a date alone, without --almanac or --at");
        if (daily)
            return runDaily(*daily, csv, timing, out, err);
        if (csv)
            return fail("--csv goes with --daily; --almanac answers one body or all in plain text or JSON");
        if (batch)
            return fail("an almanac batch is --batch FILE alone, with the columns body,at (and dut1)");
        if (!almanacBody || !at)
            return fail("--almanac BODY needs --at, the instant in UTC (2026-12-07T17:32:10Z)");
        return runAlmanac(*almanacBody, *at, timing, out, err);
    }
    if (csv)
        return fail("--csv goes with --daily; a batch answers in CSV by itself");
    if (!waypoints.empty()) {
        std::string error;
        const std::optional<double> spacing = spacingOf(waypoints, error);
        if (!spacing)
            return fail(error);
        style.spacing = *spacing;
    }

    std::optional<double> limit;
    if (limitText) {
        const AngleRead a = readNavAngle(*limitText, AngleKind::latitude, "a limiting latitude");
        if (!a.ok || !(std::abs(a.radians) >= 1 * math::degree && std::abs(a.radians) <= 89 * math::degree))
            return fail("--limit-lat takes the latitude the route keeps within, 1 to 89 degrees N or S "
                        "(60N, 55 30S); not " + navtext::quoted(*limitText));
        limit = a.radians;
    }
    if (gpx && waypoints.empty())
        return fail("--gpx writes the waypoints: give --waypoints N too");
    if (gpx && *gpx == "-" && (style.json || style.decimal))
        return fail(std::string("--gpx - writes the route alone to standard output: it takes no ") +
                    (style.json ? "--json" : "--decimal"));

    if (batch) {
        if (limit || gpx)
            return fail("--limit-lat and --gpx take one passage, not a batch");
        if (!entries.empty())
            return fail("--batch takes its problems from the file; leave out " + optionName(entries.front().field));
        return readFrom(*batch, "--batch", in, err, [&](std::istream& s, const std::string& name) {
            return runBatch(s, name, out, err, style);
        });
    }

    const ProblemRead p = readProblem(entries, false);
    if (!p.problem)
        return fail(p.error);
    if (style.spacing > 0)
        if (const std::string why = waypointsRefused(*p.problem, false); !why.empty())
            return fail(why);
    if (limit)
        if (const std::string why = waypointsRefused(*p.problem, false, "--limit-lat"); !why.empty())
            return fail(why);
    const Answer a = answerOf(*p.problem, style.spacing, limit);
    if (const std::string why = compositeRefused(a); !why.empty())
        return fail(why);
    if (gpx && a.count() > 0) {
        const std::string document = gpxText(a);
        if (*gpx == "-") {
            out << document;
            out.flush();
            return 0;
        }
        // As the path asks: a link's target, a FIFO or /dev/null as a
        // stream, a regular file whole or not at all (files/write.h).
        if (const std::string why = files::writeFile(*gpx, document); !why.empty())
            return fail("--gpx: cannot write " + why);
    }
    std::string text;
    write(text, a, style, 0);
    out << text;
    out.flush();
    if (gpx && a.count() == 0)
        err << "morvel-solve: --gpx: no route, nothing written\n";
    return a.count() > 0 ? 0 : 1;
}

}  // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    Screened said(err);
    std::ostream messages(&said);
    const int status = runOptions(args, in, out, messages);
    messages.flush();
    return status;
}

}  // namespace morvel::cli
