// A ten-sight log (ten_sights.csv) from the file to the fix, as
// morvel-solve --sights does it: read, each sight reduced at its DR, the
// least-squares fix, the text written. Then the fix alone of 1,000 and
// 100,000 lines, their almanac places found beforehand: the stars 15 to 70
// degrees high observed exactly from one position at 19:10 UTC on
// 7 December 2026, taken in turn, one altitude a degree out, so that the
// blunder is sought and excluded.
#include "cli/sights.h"
#include "sight/fix.h"
#include "sight/sky.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <numbers>
#include <sstream>

static void tenSightsToFix(benchmark::State& state)
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

static void fixWithABlunder(benchmark::State& state)
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

BENCHMARK_MAIN();
