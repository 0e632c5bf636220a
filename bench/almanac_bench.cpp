// Every body of the almanac at one instant: one Sky, then each body's
// place (the daily page of one hour). Target: under 2 ms for all. Each
// iteration moves the instant on by a second, as libnova answers a repeated
// instant from its cache.
#include "almanac/almanac.h"

#include <benchmark/benchmark.h>

using namespace morvel::almanac;

namespace {
Instant nextSecond()
{
    static int seconds = 0;
    seconds = (seconds + 1) % 3600;
    return Instant::fromUtc(2026, 12, 7, 17, seconds / 60, seconds % 60);
}
}  // namespace

static void everyBody(benchmark::State& state)
{
    for (auto _ : state) {
        const Sky sky(nextSecond());
        for (const Body& b : bodies())
            benchmark::DoNotOptimize(sky.placeOf(b));
    }
}
BENCHMARK(everyBody)->Unit(benchmark::kMicrosecond);

// Each kind alone, to see where the time goes.
static void oneBody(benchmark::State& state, const char* name)
{
    const Body body = *findBody(name);
    for (auto _ : state) {
        state.PauseTiming();
        const Sky sky(nextSecond());
        state.ResumeTiming();
        benchmark::DoNotOptimize(sky.placeOf(body));
    }
}
BENCHMARK_CAPTURE(oneBody, moon, "Moon")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(oneBody, saturn, "Saturn")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(oneBody, sirius, "Sirius")->Unit(benchmark::kMicrosecond);

static void sky(benchmark::State& state)
{
    const Instant when = Instant::parse("2026-12-07T17:32:10Z");
    for (auto _ : state)
        benchmark::DoNotOptimize(Sky(when));
}
BENCHMARK(sky)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
