// The compass book, one observation at a time as a watch officer takes it:
// the Sun's bearing by the azimuth method, its amplitude as it sets (the
// moment found from a time five minutes out), the magnetic model's
// variation, and a deviation card from eight headings.
#include "compass/compass.h"
#include "compass/deviation_card.h"
#include "compass/magnetic.h"

#include <benchmark/benchmark.h>

#include <numbers>

using namespace morvel;
using namespace morvel::compass;

namespace {

constexpr double deg = std::numbers::pi / 180;

Bearing sunBearing(double seconds)
{
    Bearing b;
    b.body = *almanac::findBody("Sun");
    b.when = sight::UtcTime{2026, 12, 7, seconds};
    b.lat = 40 * deg;
    b.lon = -70 * deg;
    b.bearing = 255.5 * deg;
    b.variation = -14 * deg;
    return b;
}

void azimuthMethod(benchmark::State& state)
{
    const Bearing b = sunBearing(15 * 3600.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(byAzimuth(b));
}
BENCHMARK(azimuthMethod)->Unit(benchmark::kMicrosecond);

void amplitudeMethod(benchmark::State& state)
{
    const Bearing b = sunBearing(21 * 3600.0 + 18 * 60);
    const AmplitudeOptions o{Horizon::visible, 12};
    for (auto _ : state)
        benchmark::DoNotOptimize(byAmplitude(b, o));
}
BENCHMARK(amplitudeMethod)->Unit(benchmark::kMicrosecond);

void modelVariation(benchmark::State& state)
{
    const sight::UtcTime when{2026, 12, 7, 54000};
    fieldAt(40 * deg, -70 * deg, when);  // the model read once, before the clock
    for (auto _ : state)
        benchmark::DoNotOptimize(fieldAt(40 * deg, -70 * deg, when));
}
BENCHMARK(modelVariation)->Unit(benchmark::kMicrosecond);

void deviationCardOfEight(benchmark::State& state)
{
    std::vector<Swung> swung;
    const double deviations[] = {1.5, 3.0, 2.5, -0.5, -2.0, -3.5, -1.0, 0.5};
    for (int i = 0; i < 8; ++i)
        swung.push_back({45 * i * deg, deviations[i] * deg});
    for (auto _ : state)
        benchmark::DoNotOptimize(deviationCard(swung));
}
BENCHMARK(deviationCardOfEight)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
