// Blunders among a log's sights through morvel-solve --sights: what is
// said, in text and JSON, and the exit status. Each log is exact (stars
// observed from one true position, a few miles from the DR), then one or
// two sights are spoilt; a line excluded leaves the fix on the truth.
#include "engine/angles.h"
#include "run.h"
#include "sight/corrections.h"
#include "sight/sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace morvel::test {
namespace {

constexpr double deg = math::degree;
constexpr double trueLat = 41.3, trueLon = -37.6;  // degrees

/// A sight spoilt: its Hs moved by `minutes`, or typed as `hs`.
struct Spoil {
    size_t sight;
    double minutes;
    const char* hs = nullptr;
};

struct Blunder {
    const char* name;
    std::vector<double> zn;  // one star nearest each azimuth, degrees
    std::vector<Spoil> spoilt;
    int status;
    std::vector<size_t> excluded, refused;  // sights
    bool doubtful;
    const char* said;  // by the text, on standard output or error
};

// The four and five stars' lines cut well (a line and its opposite are
// one); the pairs are two lines and their opposites, either of a pair
// possibly the mistaken one.
const Blunder blunders[] = {
    {"three_stars_one_Hs_typed_90", {20, 140, 260}, {{1, 0, "90"}}, 2, {}, {1}, false, "the intercept at the DR is"},
    {"three_stars_one_Hs_50_minutes_high", {20, 140, 260}, {{2, 50}}, 0, {}, {}, true,
     "with three lines a mistaken one cannot be told from the others"},
    {"four_stars_one_Hs_a_degree_high", {20, 110, 245, 335}, {{3, 60}}, 0, {3}, {}, false,
     "excluded from the fix: residual"},
    {"five_stars_one_Hs_70_minutes_low", {10, 82, 154, 226, 298}, {{0, -70}}, 0, {0}, {}, false,
     "the other lines agree within 2 nm without it"},
    {"five_stars_two_Hs_off", {10, 82, 154, 226, 298}, {{1, 55}, {3, -45}}, 0, {}, {}, true,
     "no one line left out brings the others within 2 nm"},
    {"four_stars_in_two_opposite_pairs_one_Hs_off", {0, 180, 100, 280}, {{0, 40}}, 0, {}, {}, true,
     "which is mistaken cannot be told"},
    {"four_stars_one_intercept_of_330_nm", {20, 110, 245, 335}, {{2, -330}}, 2, {}, {2}, false,
     "is the altitude, the time, the body or the DR mistyped?"},
};

/// The log: star i, the one nearest b.zn[i] not taken yet, observed at
/// 19:10 + i minutes from the truth, logged from a DR 4' north and 5' west.
std::string logOf(const Blunder& b)
{
    std::string csv = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n";
    for (size_t i = 0; i < b.zn.size(); ++i) {
        char utc[32], hs[32];
        std::snprintf(utc, sizeof utc, "2026-12-07T19:%02zu:00Z", 10 + i);
        const auto off = [&](const sight::Visible& v) { return std::abs(std::remainder(v.zn / deg - b.zn[i], 360)); };
        const auto taken = [&](const sight::Visible& v) {
            std::string cell(1, ',');
            cell += v.body.name;
            cell += ',';
            return csv.find(cell) != std::string::npos;
        };
        std::optional<sight::Visible> star;
        for (const sight::Visible& v : sight::skyAt(almanac::Instant::parse(utc), trueLat * deg, trueLon * deg).bodies)
            if (v.body.kind == almanac::BodyKind::star && v.hc > 15 * deg && v.hc < 70 * deg && !taken(v) &&
                (!star || off(v) < off(*star)))
                star = v;
        double h = sight::sextantAltitude(star->hc, {0.8, 3, 12, 1012}, sight::Limb::center, {}, trueLat * deg) / deg;
        const char* typed = nullptr;
        for (const Spoil& s : b.spoilt)
            if (s.sight == i)
                h += s.minutes / 60, typed = s.hs;
        std::snprintf(hs, sizeof hs, "%.6f", h);
        csv += std::string(utc) + "," + std::string(star->body.name) + ",," + (typed ? typed : hs) +
               ",0.8,3,12,1012,41.366667,-37.683333\n";
    }
    return csv;
}

void PrintTo(const Blunder& b, std::ostream* os)
{
    *os << b.name;
}

class Blunders : public ::testing::TestWithParam<Blunder> {};

TEST_P(Blunders, NamedNotTakenForAFix)
{
    const Blunder& b = GetParam();
    const std::string csv = logOf(b);
    const auto line = [](size_t sight) { return std::to_string(sight + 2); };  // under the header
    const CliRun text = runCli({"--sights", "-"}, csv), json = runCli({"--sights", "-", "--json"}, csv);
    EXPECT_EQ(text.status, b.status) << text.out << text.err;
    EXPECT_EQ(json.status, b.status);
    EXPECT_NE((text.out + text.err).find(b.said), std::string::npos) << text.out << text.err;
    EXPECT_EQ(text.out.find("Doubtful ") != std::string::npos, b.doubtful) << text.out;
    for (size_t s : b.refused)
        EXPECT_NE(text.err.find("line " + line(s) + ": the intercept at the DR is"), std::string::npos);
    std::string excluded = "\"excluded\":[";
    for (size_t s : b.excluded)
        excluded += "{\"line\":" + line(s) + ",\"reason\":\"residual ";
    const size_t fix = json.out.find("\"fix\":{");
    ASSERT_NE(fix, std::string::npos) << json.out << json.err;
    EXPECT_NE(json.out.find(b.excluded.empty() ? excluded + "]" : excluded, fix), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(b.doubtful ? "\"doubtful\":true" : "\"doubtful\":false", fix), std::string::npos);
    if (!b.doubtful) {  // the lines kept put the fix on the truth
        const double lat = std::stod(json.out.substr(fix + 13));  // "fix":{"lat":
        const double lon = std::stod(json.out.substr(json.out.find("\"lon\":", fix) + 6));
        EXPECT_LT(std::hypot(lat - trueLat, (lon - trueLon) * std::cos(trueLat * deg)) * 60, 0.3) << json.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Logs, Blunders, ::testing::ValuesIn(blunders),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvel::test
