// Each case solver on the same fixed set of true triangles, as the windows
// call it (solve/N: the procedure, replayed onto a stub window that does
// nothing) and as plain code calls it (triangle/N: the value), beside
// GeographicLib's spherical Inverse on those triangles, so that the ratios
// come from one run.
#include "engine/angles.h"
#include "engine/cases.h"
#include "engine/state.h"

#include <GeographicLib/Geodesic.hpp>
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

namespace e = morvel::engine;
using morvel::math::degree;

struct Quiet : e::CalcWindow, e::MessageService {
    void output(double, double, int16_t, int16_t) override {}
    void other(double, double) override {}
    void show(const std::string&) override {}
};

const GeographicLib::Geodesic& unitSphere()
{
    static const GeographicLib::Geodesic g(1.0, 0.0);
    return g;
}

/// 1024 random true triangles, all five quantities in radians.
const std::vector<e::Givens>& triangles()
{
    static const std::vector<e::Givens> all = [] {
        std::vector<e::Givens> v;
        std::mt19937_64 rng(1);
        std::uniform_real_distribution<double> lat(-80, 80), lha(0, 360);
        for (int i = 0; i < 1024; ++i) {
            e::Givens g;
            g.lat = lat(rng) * degree;
            g.dec = lat(rng) * degree;
            g.lha = lha(rng) * degree;
            double s12 = 0, azi1 = 0, azi2 = 0;
            unitSphere().Inverse(g.lat / degree, 0, g.dec / degree, -g.lha / degree, s12, azi1, azi2);
            g.alt = std::numbers::pi / 2 - s12;
            g.zn = std::fmod(azi1 + 360, 360) * degree;
            g.t = e::fold(g.lha);
            g.Z = e::fold(g.zn);
            v.push_back(g);
        }
        return v;
    }();
    return all;
}

void solve(benchmark::State& state, int16_t code)
{
    static Quiet quiet;
    e::forms = {nullptr, &quiet, nullptr, nullptr};
    e::messages = &quiet;
    e::setup(1);
    const auto& all = triangles();
    size_t i = 0;
    for (auto _ : state) {
        e::Givens g = all[i++ & 1023];
        e::nout = 1;
        e::solvecase(code, g);
        benchmark::DoNotOptimize(e::lat1);
        benchmark::DoNotOptimize(e::az2);
    }
}

/// The pure solve, as the almanac and sight work call it.
void triangle(benchmark::State& state, int16_t code)
{
    const auto& all = triangles();
    size_t i = 0;
    for (auto _ : state) {
        const e::Solved s = e::solveTriangle(code, all[i++ & 1023]);
        benchmark::DoNotOptimize(s);
    }
}

void geodesicInverse(benchmark::State& state)
{
    const auto& all = triangles();
    size_t i = 0;
    for (auto _ : state) {
        const e::Givens& g = all[i++ & 1023];
        double s12 = 0, azi1 = 0, azi2 = 0;
        unitSphere().Inverse(g.lat / degree, 0, g.dec / degree, -g.lha / degree, s12, azi1, azi2);
        benchmark::DoNotOptimize(s12);
        benchmark::DoNotOptimize(azi1);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    for (int code : {28, 19, 22, 25, 26, 21, 14, 7, 13, 11}) {
        benchmark::RegisterBenchmark(("solve/" + std::to_string(code)).c_str(), solve, int16_t(code));
        benchmark::RegisterBenchmark(("triangle/" + std::to_string(code)).c_str(), triangle, int16_t(code));
    }
    benchmark::RegisterBenchmark("geodesic_inverse", geodesicInverse);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
