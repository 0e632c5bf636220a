// --noon, --identify and --sky refuse bad input with exit status 2 and a
// message naming the option, and compute nothing from it.
#include "run.h"

#include <gtest/gtest.h>

namespace morvel::test {
namespace {

/// A bad input: a whole command line, or a good one of a mode with more
/// arguments after it.
struct Refusal {
    const char* name;
    const char* mode;  // noon, sky or "" for args alone
    std::vector<std::string> args;
    const char* says;  // in the message
};

const Refusal refusals[] = {
    {"no such date", "", {"--noon", "--date", "2026-02-30", "--pos", "40N 70W"}, "--date '2026-02-30'"},
    {"an instant for a date", "", {"--noon", "--date", "2026-12-07T12:00:00Z", "--pos", "40N 70W"}, "--date"},
    {"no date", "", {"--noon", "--pos", "40N 70W"}, "--noon needs --date"},
    {"position without longitude", "", {"--noon", "--date", "2026-12-07", "--pos", "40N"}, "--pos needs a longitude"},
    {"speed without course", "noon", {"--speed", "12"}, "--speed needs --course"},
    {"speed beyond 60", "noon", {"--course", "90", "--speed", "600"}, "--speed takes"},
    {"course beyond 360", "noon", {"--course", "400", "--speed", "6"}, "--course: '400'"},
    {"hs below the horizon", "noon", {"--hs", "-3"}, "--hs takes"},
    {"hs in words", "noon", {"--hs", "high"}, "--hs: "},
    {"hs beyond the zenith", "noon", {"--hs", "89 58"}, "--hs '89 58'"},
    {"unknown limb", "noon", {"--hs", "30", "--limb", "left"}, "--limb takes"},
    {"IC in words", "noon", {"--hs", "30", "--ic", "some"}, "--ic takes"},
    {"negative eye", "noon", {"--hs", "30", "--eye", "-2"}, "--eye takes"},
    {"eye without hs", "noon", {"--eye", "12"}, "correct --hs"},
    {"bad time of max", "noon", {"--time-of-max", "noon"}, "--time-of-max 'noon'"},
    {"DR time in words", "noon", {"--dr-time", "dawn"}, "--dr-time 'dawn'"},
    {"DR time a date", "noon", {"--dr-time", "2026-12-07"}, "--dr-time '2026-12-07'"},
    {"DR time a week off", "noon", {"--dr-time", "2026-12-14T08:00:00Z"}, "within 24 hours"},
    {"sky for a date", "", {"--sky", "--at", "2026-12-07", "--pos", "40N 70W"}, "--at '2026-12-07'"},
    {"sky beyond 2100", "", {"--sky", "--at", "2101-01-01T00:00:00Z", "--pos", "40N 70W"}, "--at"},
    {"sky with hs", "sky", {"--hs", "30"}, "--sky takes no --hs"},
    {"identify without zn", "", {"--identify", "--at", "2026-12-07T22:00:00Z", "--pos", "40N 70W", "--alt", "40"},
     "--identify needs --zn"},
    {"identify below the horizon", "",
     {"--identify", "--at", "2026-12-07T22:00:00Z", "--pos", "40N 70W", "--alt", "-4", "--zn", "10"}, "--alt takes"},
    {"two modes", "sky", {"--noon"}, "one of --noon, --identify and --sky"},
    {"finder option alone", "", {"--pos", "40N 70W"}, "--pos goes with"},
    {"with the almanac", "sky", {"--almanac", "Sun"}, "take no --almanac"},
};

TEST(Finder, BadInputNamesTheOptionAndExitsTwo)
{
    const std::vector<std::string> noon = {"--noon", "--date", "2026-12-07", "--pos", "40N 70W"};
    const std::vector<std::string> sky = {"--sky", "--at", "2026-12-07T22:00:00Z", "--pos", "40N 70W"};
    for (const Refusal& k : refusals) {
        std::vector<std::string> args = k.mode == std::string("noon") ? noon
                                        : k.mode == std::string("sky") ? sky
                                                                       : std::vector<std::string>{};
        args.insert(args.end(), k.args.begin(), k.args.end());
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << k.name;
        EXPECT_EQ(r.out, "") << k.name;
        EXPECT_NE(r.err.find(k.says), std::string::npos) << k.name << ": " << r.err;
    }
}

// A sight below 5 degrees of apparent altitude is worked, with a warning in
// the text and low_altitude in the JSON.
TEST(Finder, LowSightsAreWarnedOf)
{
    const std::string log = "utc,body,limb,hs,eye,dr_lat,dr_lon\n2026-12-07T21:00:00Z,Sun,lower,3 10,30,40N,70W\n";
    const std::vector<std::string> runs[] = {
        {"--noon", "--date", "2026-12-07", "--pos", "40N 70W", "--hs", "3 10", "--eye", "30"},
        {"--identify", "--at", "2026-12-07T22:00:00Z", "--pos", "40N 70W", "--alt", "2", "--zn", "100", "--eye", "30"},
        {"--sights", "-"}};
    for (std::vector<std::string> args : runs) {
        EXPECT_NE(runCli(args, log).out.find("below 5° of apparent altitude"), std::string::npos) << args[0];
        args.push_back("--json");
        EXPECT_NE(runCli(args, log).out.find("\"low_altitude\":true"), std::string::npos) << args[0];
    }
}

// The fix in JSON has its time and, from three lines on, its ellipse; the
// key is there, null, from two.
TEST(Sights, JsonFixHasItsEllipseFromThreeLines)
{
    const std::string log = "utc,body,hs,eye,dr_lat,dr_lon\n2026-12-07T19:33:00Z,Capella,19 2.2,3.5,40 5N,35 45W\n"
                            "2026-12-07T19:34:00Z,Altair,45 1.9,3.5,40 5N,35 45W\n";
    const CliRun two = runCli({"--sights", "-", "--json"}, log);
    EXPECT_EQ(two.status, 0) << two.err;
    EXPECT_NE(two.out.find("\"ellipse\":null,\"residuals\":["), std::string::npos) << two.out;
    const CliRun three = runCli({"--sights", "-", "--json"}, log + "2026-12-07T19:35:00Z,Vega,48 2.7,3.5,40 5N,35 45W\n");
    EXPECT_NE(three.out.find("\"time\":\"2026-12-07T19:35:00Z\""), std::string::npos) << three.out;
    EXPECT_NE(three.out.find("\"ellipse\":{\"major\":"), std::string::npos) << three.out;
}

TEST(Finder, NoBodyNearASightExitsOne)
{
    const CliRun r = runCli({"--identify", "--at", "2026-12-07T22:00:00Z", "--pos", "40N 70W", "--alt", "5", "--zn",
                             "200", "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"candidates\":[]"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace morvel::test
