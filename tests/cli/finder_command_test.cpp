// --noon, --identify and --sky, and the almanac's instants, refuse bad
// input with exit status 2 and a message naming the option, and compute
// nothing from it.
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
    {"DR time without its Z", "noon", {"--dr-time", "2026-12-07T08:00:00"},
     "--dr-time '2026-12-07T08:00:00': give the time in UTC with its Z: 2026-12-07T08:00:00Z"},
    {"DUT1 for a time before UTC", "", {"--sky", "--at", "1959-12-31T22:00:00Z", "--pos", "40N 70W", "--dut1", "0.2"},
     "--dut1 '0.2' with --at '1959-12-31T22:00:00Z': DUT1 is UT1 - UTC, and UTC began on 1960-01-01"},
    {"DUT1 for a noon before UTC", "", {"--noon", "--date", "1955-06-01", "--pos", "40N 70W", "--dut1", "-0.3"},
     "--dut1 '-0.3' with --date '1955-06-01'"},
    {"an almanac at a time without its Z", "", {"--almanac", "Sun", "--at", "2026-12-07T17:32:10"},
     "--at '2026-12-07T17:32:10': give the time in UTC with its Z: 2026-12-07T17:32:10Z"},
    {"sky for a date", "", {"--sky", "--at", "2026-12-07", "--pos", "40N 70W"}, "--at '2026-12-07'"},
    {"sky beyond 2100", "", {"--sky", "--at", "2101-01-01T00:00:00Z", "--pos", "40N 70W"}, "--at"},
    {"sky with hs", "sky", {"--hs", "30"}, "--sky takes no --hs"},
    {"identify without zn", "", {"--identify", "--at", "2026-12-07T22:00:00Z", "--pos", "40N 70W", "--alt", "40"},
     "--identify needs --zn"},
    {"identify below the horizon", "",
     {"--identify", "--at", "2026-12-07T22:00:00Z", "--pos", "40N 70W", "--alt", "-4", "--zn", "10"}, "--alt takes"},
    {"two modes", "sky", {"--noon"}, "give one of --noon, --identify, --sky, --compass"},
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

// The answers say it: a sight below 5 degrees of apparent altitude is warned
// of (low_altitude in JSON); the fix's ellipse is null from two lines.
TEST(Finder, AnswersSayWhatTheyMust)
{
    const std::string low = "utc,body,limb,hs,eye,dr_lat,dr_lon\n2026-12-07T21:00:00Z,Sun,lower,3 10,30,40N,70W\n",
                      two = "utc,body,hs,eye,dr_lat,dr_lon\n2026-12-07T19:33:00Z,Capella,19 2.2,3.5,40 5N,35 45W\n"
                            "2026-12-07T19:34:00Z,Altair,45 1.9,3.5,40 5N,35 45W\n";
    const std::vector<std::string> noon = {"--noon", "--date", "2026-12-07", "--pos", "40N 70W", "--hs", "3 10",
                                           "--eye", "30"},
                                   id = {"--identify", "--at", "2026-12-07T22:00:00Z", "--pos", "40N 70W", "--alt", "2",
                                         "--zn", "100", "--eye", "30"};
    const char *warned = "below 5° of apparent altitude", *flagged = "\"low_altitude\":true";
    const std::tuple<std::vector<std::string>, std::string, const char*> rows[] = {
        {noon, "", warned}, {id, "", warned}, {{"--sights", "-"}, low, warned},
        {{"--sights", "-", "--json"}, low, flagged}, {{"--sights", "-", "--json"}, two, "\"ellipse\":null,"},
        {{"--sights", "-", "--json"}, two + "2026-12-07T19:35:00Z,Vega,48 2.7,3.5,40 5N,35 45W\n", "\"ellipse\":{"}};
    for (auto [args, input, says] : rows) {
        EXPECT_NE(runCli(args, input).out.find(says), std::string::npos) << args[0] << ": " << says;
        args.push_back("--json");
        EXPECT_TRUE(args[0] == "--sights" || runCli(args).out.find(flagged) != std::string::npos) << args[0];
    }
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
