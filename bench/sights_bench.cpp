// Sight logs from the file to the fix, as morvel-solve --sights does it:
// read, each sight reduced at its DR, the least-squares fix, the text
// written. The ten sights of ten_sights.csv, and a log of 20,000 made once
// at start-up: stars observed exactly (the sextant altitude that gives the
// almanac's altitude) from one true position every five seconds from 19:30
// UTC on 7 December 2026, each the next star then 15 to 70 degrees high,
// every row with the same DR a few miles off. Then the fix alone of 1,000
// and 100,000 lines, their almanac places found beforehand, one altitude a
// degree out, so that the blunder is sought and excluded.
//
// morvel-sights-bench --log N FILE writes such a log of N sights to FILE
// and stops (bench/sights_scale.sh times morvel-solve on it).
#include "almanac/almanac.h"
#include "cli/sights.h"
#include "navtext/navtext.h"
#include "sight/corrections.h"
#include "sight/fix.h"
#include "sight/horizon.h"
#include "sight/sky.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

using namespace morvel;

namespace {

constexpr double deg = std::numbers::pi / 180;
constexpr double trueLat = 41.3 * deg, trueLon = -37.6 * deg;
/// The DR of every row: 4' south and 6' of longitude east of the truth.
constexpr double drLat = trueLat - 4 * deg / 60, drLon = trueLon + 6 * deg / 60;

/// 2026-12-07T19:30:00Z moved on by seconds, as ISO 8601.
std::string utcAfter(long seconds)
{
    using namespace std::chrono;
    const sys_seconds t = sys_days(year{2026} / December / 7) + hours(19) + minutes(30) + std::chrono::seconds(seconds);
    const sys_days day = floor<days>(t);
    const year_month_day ymd(day);
    const hh_mm_ss hms(t - day);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02uT%02ld:%02ld:%02lldZ", int(ymd.year()), unsigned(ymd.month()),
                  unsigned(ymd.day()), long(hms.hours().count()), long(hms.minutes().count()),
                  static_cast<long long>(hms.seconds().count()));
    return buf;
}

/// A log of n exact star sights, header first.
std::string makeLog(int n)
{
    std::vector<almanac::Body> stars;
    for (const almanac::Body& b : almanac::bodies())
        if (b.kind == almanac::BodyKind::star)
            stars.push_back(b);
    sight::Conditions conditions;
    conditions.ic = -1.2;
    conditions.eye = 3.5;
    const std::string dr = navtext::navLatitudeText(drLat, false) + ',' + navtext::navLongitudeText(drLon, false);
    std::string log = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n";
    size_t next = 0;
    for (int i = 0; i < n; ++i) {
        const std::string utc = utcAfter(5L * i);
        const almanac::Sky sky(almanac::Instant::parse(utc));
        // The next star high enough and not too high; one always is.
        for (size_t tried = 0; tried < stars.size(); ++tried, next = (next + 1) % stars.size()) {
            const almanac::Place p = sky.placeOf(stars[next]);
            const double hc = sight::horizonOf(p.gha, p.dec, trueLat, trueLon).hc;
            if (hc > 15 * deg && hc < 70 * deg) {
                const double hs = sight::sextantAltitude(hc, conditions, sight::Limb::center, {}, trueLat);
                log += utc + ',' + std::string(stars[next].name) + ",," + navtext::navAltitudeText(hs, false) +
                       ",-1.2,3.5,,," + dr + '\n';
                break;
            }
        }
        next = (next + 1) % stars.size();
    }
    return log;
}

void tenSightsToFix(benchmark::State& state)
{
    for (auto _ : state) {
        std::ifstream in(MORVEL_TEN_SIGHTS);
        std::ostringstream out, err;
        const int status = morvel::cli::runSights(in, "ten_sights.csv", {}, out, err);
        if (status != 0)
            state.SkipWithError("no fix");
        benchmark::DoNotOptimize(out.str());
    }
}
BENCHMARK(tenSightsToFix)->Unit(benchmark::kMicrosecond);

/// The long log, made on first use.
const std::string& longLog()
{
    static const std::string log = makeLog(20000);
    return log;
}

void twentyThousandSightsToFix(benchmark::State& state)
{
    const std::string& log = longLog();
    const bool json = state.range(0) != 0;
    for (auto _ : state) {
        std::istringstream in(log);
        std::ostringstream out, err;
        const int status = morvel::cli::runSights(in, "20000_sights.csv", {false, json, 0.5, {}, {}}, out, err);
        if (status != 0)
            state.SkipWithError("no fix");
        benchmark::DoNotOptimize(out.str());
    }
    state.SetItemsProcessed(state.iterations() * 20000);
}
BENCHMARK(twentyThousandSightsToFix)->ArgName("json")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void fixWithABlunder(benchmark::State& state)
{
    using namespace morvel;
    constexpr double deg = std::numbers::pi / 180, lat = 41.3 * deg, lon = -37.6 * deg;
    const almanac::Instant evening = almanac::Instant::parse("2026-12-07T19:10:00Z");
    std::vector<almanac::Body> stars;
    for (const sight::Visible& v : sight::skyAt(evening, lat, lon).bodies)
        if (v.body.kind == almanac::BodyKind::star && v.hc > 15 * deg && v.hc < 70 * deg)
            stars.push_back(v.body);
    std::vector<sight::Sight> one, sights;
    std::vector<almanac::Place> onePlace, places;
    for (const almanac::Body& b : stars) {
        sight::Sight s;
        s.when = evening;
        s.body = b;
        s.drLat = lat + 4 * deg / 60;
        s.drLon = lon - 5 * deg / 60;
        onePlace.push_back(almanac::placeOf(s.body, s.when));
        s.hs = sight::sextantAltitude(sight::reduce(s, onePlace.back(), lat, lon).hc, s.conditions, s.limb, {}, lat);
        one.push_back(s);
    }
    for (size_t i = 0; i < size_t(state.range(0)); ++i) {
        sights.push_back(one[i % one.size()]);
        places.push_back(onePlace[i % one.size()]);
    }
    sights[sights.size() / 2].hs += deg;
    for (auto _ : state) {
        const sight::Fix fix = sight::fixOf(sights, places);
        if (fix.excluded.size() != 1)
            state.SkipWithError("the blunder was not excluded");
        benchmark::DoNotOptimize(fix.lat);
    }
}
BENCHMARK(fixWithABlunder)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--log") {
        std::ofstream out(argv[3], std::ios::binary);
        out << makeLog(std::atoi(argv[2]));
        return out.flush() ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
