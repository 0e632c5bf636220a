// A ten-sight log (ten_sights.csv) from the file to the fix, as
// morvel-solve --sights does it: read, each sight reduced at its DR, the
// least-squares fix, the text written.
#include "cli/sights.h"

#include <benchmark/benchmark.h>

#include <fstream>
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

BENCHMARK_MAIN();
