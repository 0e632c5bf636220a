// No input gives NaN or infinity: every accepted input set of both
// triangles over the values at the edges of their ranges (poles, equator,
// meridian, zero and half-circle distances), in plain text and in JSON with
// waypoints; and text that is not an angle at all, nor an index correction
// or a height of eye.
#include "cli/texts.h"
#include "navtext/navtext.h"
#include "run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

namespace morvel::test {
namespace {

/// False when the output holds a number that is not one.
bool finite(const std::string& out)
{
    for (const char* bad : {"nan", "NaN", "inf", "Inf"})
        if (out.find(bad) != std::string::npos)
            return false;
    return true;
}

struct Quantity {
    const char* option;
    std::vector<const char*> values;
};

/// Every choice of `take` of the quantities, every combination of their values.
template <class F>
void sets(const std::vector<Quantity>& qs, size_t take, F&& each)
{
    const size_t n = qs.size();
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
        if (size_t(__builtin_popcount(mask)) != take)
            continue;
        std::vector<const Quantity*> chosen;
        for (size_t i = 0; i < n; ++i)
            if (mask & (1u << i))
                chosen.push_back(&qs[i]);
        std::vector<size_t> pick(chosen.size(), 0);
        while (true) {
            std::vector<std::string> args;
            for (size_t k = 0; k < chosen.size(); ++k) {
                args.push_back(chosen[k]->option);
                args.push_back(chosen[k]->values[pick[k]]);
            }
            each(args);
            size_t k = 0;
            while (k < pick.size() && ++pick[k] == chosen[k]->values.size())
                pick[k++] = 0;
            if (k == pick.size())
                break;
        }
    }
}

void check(const std::vector<std::string>& args, int& solved)
{
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, std::vector<std::string>{"--json", "--decimal"}}) {
        std::vector<std::string> a = args;
        a.insert(a.end(), extra.begin(), extra.end());
        const CliRun r = runCli(a);
        std::string line;
        for (const std::string& s : a)
            line += s + " ";
        ASSERT_TRUE(finite(r.out)) << line << "\n" << r.out;
        ASSERT_TRUE(r.status == 0 || r.status == 1 || r.err.find("disagree") != std::string::npos)
            << line << "\n" << r.err;
        solved += r.status == 0;
    }
}

TEST(Edges, CelestialTriangle)
{
    const std::vector<Quantity> qs = {
        {"--lat", {"0N", "0S", "45N", "89 59.9S", "90N", "90S"}},
        {"--lha", {"0", "0.00001", "90", "180", "270", "360"}},
        {"--dec", {"0N", "23 26S", "90N", "90S"}},
        {"--alt", {"-90", "-0 30", "0", "45", "89.99999", "90"}},
        {"--zn", {"0", "90", "180", "270", "360"}},
    };
    int solved = 0;
    sets(qs, 3, [&](const std::vector<std::string>& args) { check(args, solved); });
    EXPECT_GT(solved, 1000);
}

TEST(Edges, GreatCircle)
{
    const std::vector<Quantity> latitudes = {
        {"--from-lat", {"0N", "40N", "89 59.9S", "90N"}},
        {"--dlo", {"0E", "0W", "90W", "180E", "193 24E"}},
        {"--to-lat", {"0S", "40S", "90S"}},
        {"--distance", {"0", "0.1", "5400", "10800"}},
        {"--course", {"0", "90", "180", "270", "360"}},
    };
    int solved = 0;
    // One longitude or none, with three of the others; waypoints with a longitude.
    for (const char* lon : {"", "--from-lon", "--to-lon"})
        sets(latitudes, 3, [&](std::vector<std::string> args) {
            if (*lon) {
                args.insert(args.end(), {lon, "180W", "--waypoints", "1"});
            }
            check(args, solved);
        });
    // Both longitudes with two of the others, no DLo.
    std::vector<Quantity> others = latitudes;
    others.erase(others.begin() + 1);
    const std::pair<const char*, const char*> longitudes[] = {{"0E", "180E"}, {"179 59.9W", "179 59.9E"}, {"10W", "10W"}};
    // Named pairs rather than structured bindings: clang 14, which builds the
    // sanitized tests, cannot capture a binding in a lambda.
    for (const auto& fromTo : longitudes)
        sets(others, 2, [&](std::vector<std::string> args) {
            args.insert(args.end(), {"--from-lon", fromTo.first, "--to-lon", fromTo.second, "--waypoints", "1"});
            check(args, solved);
        });
    EXPECT_GT(solved, 2000);
}

TEST(Edges, TextThatIsNoAngle)
{
    std::mt19937 rng(7);
    // Single bytes, and the words and marks of every form whole.
    std::vector<std::string> pieces = {"off", "on", "ft", "m", "''", "°", "′", "″", "”", "’", "12", "5"};
    for (char c : std::string("0123456789 .,-+NSEWnsew'\"\xE2\x80\xB2xyz\t\x01\xFF"))
        pieces.push_back(std::string(1, c));
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1), length(0, 12);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (size_t n = length(rng); n > 0; --n)
            text += pieces[pick(rng)];
        for (navtext::AngleKind kind : {navtext::AngleKind::latitude, navtext::AngleKind::longitude,
                                        navtext::AngleKind::altitude, navtext::AngleKind::circle,
                                        navtext::AngleKind::dlo}) {
            const navtext::AngleRead a = navtext::readNavAngle(text, kind);
            EXPECT_TRUE(a.ok ? std::isfinite(a.radians) && a.error.empty() : !a.error.empty()) << text;
        }
        const navtext::PositionRead p = navtext::readPosition(text);
        EXPECT_TRUE(p.ok ? std::isfinite(p.lat) : !p.error.empty()) << text;
        for (auto* read : {navtext::readIndexCorrection, navtext::readHeightOfEye}) {
            const navtext::ValueRead v = read(text);
            EXPECT_TRUE(v.ok ? std::abs(v.value) <= 100 && v.error.empty() : !v.error.empty()) << text;
        }
    }
}

// The sight form: two-digit minutes to a tenth, three-digit degrees in
// longitude and on the circle, 59.95' and up carried, nothing without sign or
// southern letter; and each text reads back within half a tenth of a minute.
TEST(Edges, SightTexts)
{
    using K = navtext::AngleKind;
    const struct { K kind; double minutes; const char* text; } rows[] = {
        {K::altitude, 40 * 60 + 59.96, "41°00.0'"},      {K::altitude, -12.3, "-0°12.3'"},
        {K::altitude, -0.04, "0°00.0'"},                 {K::latitude, 40 * 60 + 13, "40°13.0'N"},
        {K::latitude, -(22 * 60 + 38.1), "22°38.1'S"},   {K::latitude, -0.04, "0°00.0'N"},
        {K::longitude, -(35 * 60 + 30.7), "035°30.7'W"}, {K::longitude, -0.01, "000°00.0'E"},
        {K::circle, 360 * 60 - 0.05, "000°00.0'"},       {K::circle, 236 * 60 + 4, "236°04.0'"},
        {K::circle, -(10 * 60 + 0.2), "349°59.8'"}};
    // In the order of AngleKind.
    std::string (*const texts[])(double, bool) = {navtext::navLatitudeText, navtext::navLongitudeText,
                                                  navtext::navAltitudeText, navtext::navCircleText};
    const double degree = std::acos(-1.0) / 180;
    for (const auto& r : rows) {
        const double x = r.minutes / 60 * degree;
        const std::string t = texts[int(r.kind)](x, false);
        EXPECT_EQ(t, r.text) << r.minutes;
        const navtext::AngleRead back = navtext::readNavAngle(t, r.kind);
        EXPECT_TRUE(back.ok) << t << ": " << back.error;
        EXPECT_NEAR(std::remainder(back.radians - x, 360 * degree), 0, 0.0501 / 60 * degree) << t;
    }
}

}  // namespace
}  // namespace morvel::test
