// morvel-solve's options: every option refuses a bad value, with exit
// status 2 and a message on standard error that names it; no solution is
// status 1; a batch answers every line in order and goes on past bad ones;
// --gpx writes through a link and to a device as the path asks.
#include "run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace morvel::test {
namespace {

TEST(Command, BadInputNamesTheOptionAndExitsTwo)
{
    const std::vector<std::string> sight = {"--lha", "10", "--dec", "5N"};
    auto with = [&](std::vector<std::string> a) {
        a.insert(a.end(), sight.begin(), sight.end());
        return a;
    };
    struct {
        const char* name;
        std::vector<std::string> args;
        std::string says;  // in the message
    } rows[] = {
        {"latitude beyond 90", with({"--lat", "95N"}), "--lat '95N': out of range"},
        {"latitude of 90 30", with({"--lat", "90", "30N"}), "--lat '90 30N': out of range"},
        {"minutes of 60", with({"--lat", "40", "60N"}), "minutes are a number from 0 to under 60"},
        {"fractional degrees with minutes", with({"--lat", "40.5", "30N"}), "degrees before minutes must be whole"},
        {"east for a latitude", with({"--lat", "40E"}), "the letter E does not belong here"},
        {"sign and letter", with({"--lat", "-40N"}), "a sign or a hemisphere letter, not both"},
        {"two letters", with({"--lat", "N40S"}), "unexpected"},
        {"exponent", with({"--lat", "1e5N"}), "unexpected 'e'"},
        {"an escape sequence quoted harmless", with({"--lat", "\x1b[2J"}), "--lat '?[2J'"},
        {"no value", {"--lat"}, "--lat needs a value"},
        {"LHA beyond 360", {"--lat", "40N", "--lha", "361", "--dec", "5N"}, "--lha '361': out of range"},
        {"negative LHA", {"--lat", "40N", "--lha", "-5", "--dec", "5N"}, "--lha '-5': out of range"},
        {"declination beyond 90", {"--lat", "40N", "--lha", "1", "--dec", "91S"}, "--dec '91S': out of range"},
        {"altitude beyond 90", {"--lat", "40N", "--dec", "5N", "--alt", "-91"}, "--alt '-91': out of range"},
        {"altitude with a letter", {"--lat", "40N", "--dec", "5N", "--alt", "30N"}, "the letter N does not"},
        {"azimuth beyond 360", {"--lat", "40N", "--dec", "5N", "--zn", "400"}, "--zn '400': out of range"},
        {"four quantities", with({"--lat", "40N", "--alt", "30"}), "give exactly three of --lat, --lha"},
        {"two quantities", {"--lat", "40N", "--lha", "10"}, "give exactly three"},
        {"LHA and azimuth apart", {"--lat", "40N", "--lha", "100", "--zn", "90"}, "--lha and --zn disagree"},
        {"an option twice", {"--lat", "40N", "--lat", "30N"}, "--lat given twice"},
        {"both triangles", {"--lat", "40N", "--from", "40N", "--lha", "1"}, "--lat belongs to the celestial"},
        {"unknown option", {"--foo", "1"}, "unknown option --foo"},
        {"a stray word", {"40N"}, "unexpected '40N'"},
        {"a flag with a value", {"--json=1"}, "--json takes no value"},
        {"a position with minutes and no letters", {"--from", "40 12.3 70 30.5", "--to", "1N 1E"},
         "--from '40 12.3 70 30.5': write minutes with hemisphere letters"},
        {"a bad longitude", {"--from", "40N 190W", "--to", "1N 1E"}, "--from '40N 190W': longitude"},
        {"a bad --to-lon", {"--from", "40N 10W", "--to-lat", "1N", "--to-lon", "10N"}, "--to-lon '10N'"},
        {"DLo without E or W", {"--from", "40N", "--dlo", "30", "--distance", "100"}, "--dlo '30': say E or W"},
        {"DLo beyond 360", {"--from", "40N", "--dlo", "361E", "--distance", "100"}, "--dlo '361E': out of range"},
        {"distance beyond half the earth", {"--from", "40N", "--course", "10", "--distance", "10800.1"},
         "--distance '10800.1': out of range"},
        {"distance not a number", {"--from", "40N", "--course", "10", "--distance", "far"}, "not a number"},
        {"course beyond 360", {"--from", "40N", "--course", "360.5", "--distance", "10"}, "--course '360.5'"},
        {"two inputs", {"--from", "40N", "--to", "30N"}, "2 inputs besides the longitudes"},
        {"both longitudes and a DLo", {"--from", "40N 10W", "--to", "30N 20E", "--dlo", "30E"}, "leave out --dlo"},
        {"both longitudes and three more", {"--from", "40N 10W", "--to", "30N 20E", "--distance", "5"},
         "5 inputs with both longitudes"},
        {"a position and its part", {"--from", "40N 10W", "--from-lat", "40N", "--to", "30N 20E"},
         "--from and --from-lat both give it"},
        {"DLo and course apart", {"--from", "40N", "--dlo", "30W", "--course", "90"}, "--dlo and --course disagree"},
        {"formed DLo and course apart", {"--from", "40N 10W", "--to-lon", "20E", "--course", "270"},
         "the longitudes and --course disagree"},
        {"waypoints of 0", {"--from", "40N 10W", "--to", "30N 20E", "--waypoints", "0"}, "from 0.1 to 180"},
        {"waypoints in words", {"--from", "40N 10W", "--to", "30N 20E", "--waypoints", "ten"}, "--waypoints"},
        {"waypoints for a sight", with({"--lat", "40N", "--waypoints", "5"}), "belong to the great circle"},
        {"waypoints without a longitude", {"--from", "40N", "--to", "30N", "--distance", "500", "--waypoints", "5"},
         "--waypoints need a longitude"},
        {"limit for a sight", with({"--lat", "40N", "--limit-lat", "60N"}), "--limit-lat belongs to the great circle"},
        {"limit of 0", {"--from", "40N 10W", "--to", "30N 20E", "--limit-lat", "0"}, "1 to 89 degrees N or S"},
        {"departure beyond the limit", {"--from", "65N 10W", "--to", "50N 20E", "--limit-lat", "60N"},
         "the departure (65\u00b00'N) lies beyond the limit 60\u00b00'N"},
        {"destination beyond a southern limit", {"--from", "40S 10W", "--to", "55S 20E", "--limit-lat", "50S"},
         "the destination (55\u00b00'S) lies beyond"},
        {"gpx without waypoints", {"--from", "40N 10W", "--to", "30N 20E", "--gpx", "-"}, "give --waypoints N too"},
        {"gpx to a missing folder", {"--from", "40N 10W", "--to", "30N 20E", "--waypoints", "5", "--gpx", "/no/r.gpx"},
         "--gpx: cannot write /no/r.gpx: No such file or directory"},
        {"limit in a batch", {"--batch", "-", "--limit-lat", "60N"}, "not a batch"},
        {"batch and options", {"--batch", "-", "--lat", "40N"}, "leave out --lat"},
        {"batch file missing", {"--batch", "/nonexistent/sights.csv"}, "cannot read '/nonexistent/sights.csv'"},
        {"sigma alone", {"--sigma", "0.5"}, "--sigma goes with --sights"},
        {"sigma of nothing", {"--sights", "-", "--sigma", "0"}, "--sigma takes the standard deviation"},
        {"sigma in words", {"--sights", "-", "--sigma", "small"}, "not 'small'"},
        {"sights and a triangle", {"--sights", "-", "--lat", "40N"}, "from the log alone"},
        {"sight log missing", {"--sights", "/nonexistent/log.csv"}, "--sights: cannot read"},
        {"sight log a directory", {"--sights", "/"}, "--sights: cannot read '/': a directory"},
        {"nothing", {}, "nothing to solve"},
        {"a long value cut in the message", with({"--lat", std::string(60, '4') + "N"}),
         "--lat '" + std::string(40, '4') + "...': "},
        {"a second file", {"--sights", "a.csv", "b.csv"}, "--sights takes one file; 'b.csv' is one too many"},
        {"a second batch", {"--batch", "a.csv", "b.csv"}, "--batch takes one file; 'b.csv'"},
        {"csv with one body", {"--almanac", "Sun", "--at", "2026-12-07T17:32:10Z", "--csv"}, "--csv goes with --daily"},
        {"json with the route alone", {"--from", "40N 10W", "--to", "30N 20E", "--waypoints", "5", "--gpx", "-", "--json"},
         "--gpx - writes the route alone to standard output: it takes no --json"},
        {"a limb that is none", {"--noon", "--date", "2026-12-07", "--pos", "40N 30W", "--hs", "30", "--limb", "left"},
         "--limb takes lower, upper or centre (LL, UL); not 'left'"},
    };
    for (const auto& row : rows) {
        const CliRun r = runCli(row.args);
        EXPECT_EQ(r.status, 2) << row.name;
        EXPECT_EQ(r.out, "") << row.name;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << row.name << ": " << r.err;
        EXPECT_EQ(r.err.rfind("morvel-solve: ", 0), 0u) << row.name;
    }
}

TEST(Command, NoSolutionIsTheEnginesMessageAndExitsOne)
{
    // The sun 70 degrees high at noon is out of reach of 40 N with declination 5 N.
    CliRun r = runCli({"--lat", "40N", "--dec", "5N", "--alt", "70"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("No Solution"), std::string::npos) << r.out;
    r = runCli({"--lat", "40N", "--dec", "5N", "--alt", "70", "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"solutions\":[],\"message\":\"No Solution\""), std::string::npos) << r.out;
}

// --gpx writes as the path asks (files/write.h, tested there kind by
// kind): through a symbolic link to the file it points to, the link kept;
// to /dev/null as a stream.
TEST(Command, GpxWrittenAsThePathAsks)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("morvel-gpx-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "card");
    std::ofstream(dir / "card" / "route.gpx") << "old";
    fs::create_symlink("card/route.gpx", dir / "route.gpx");
    const std::vector<std::string> route = {"--from", "34S 18E", "--to", "43S 147E", "--waypoints", "20", "--gpx"};
    for (const std::string& target : {(dir / "route.gpx").string(), std::string("/dev/null")}) {
        std::vector<std::string> args = route;
        args.push_back(target);
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 0) << target << ": " << r.err;
        EXPECT_EQ(r.err, "") << target;
    }
    EXPECT_TRUE(fs::is_symlink(dir / "route.gpx"));
    std::ifstream in(dir / "card" / "route.gpx");
    const std::string gpx((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(gpx.rfind("<?xml", 0), 0u) << gpx;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    fs::remove_all(dir);
}

TEST(Command, HelpAndVersion)
{
    CliRun r = runCli({"--lat", "95N", "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: morvel-solve", 0), 0u);
    for (const char* option : {"--lat", "--lha", "--dec", "--alt", "--zn", "--from", "--to", "--dlo", "--distance",
                               "--course", "--waypoints", "--limit-lat", "--gpx", "--decimal", "--json", "--batch",
                               "--version"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    r = runCli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string("morvel-solve ") + MORVEL_VERSION + "\n");
}

TEST(Command, BatchAnswersEveryLineInOrder)
{
    const std::string sights = "lat,lha,dec,alt,zn\n"
                               "40N,10,5N,,\n"
                               "\n"
                               "# the same sight again, quoted\n"
                               "\"40 0N\",\"10\",\"5N\",,\n"
                               "95N,10,5N,,\n"
                               "40N,,5N,70,\n"
                               "40N,10,5N,,,7\n"
                               "40N,,20N,30,\n";
    const CliRun r = runCli({"--batch", "-"}, sights);
    EXPECT_EQ(r.status, 2);
    std::istringstream lines(r.out);
    std::string header, line;
    std::getline(lines, header);
    EXPECT_EQ(header, "line,status,solutions,lat,lha,dec,alt,zn,lat_2,lha_2,dec_2,alt_2,zn_2,remark");
    struct {
        const char* starts;
    } expected[] = {
        {"2,ok,1,40°0'N,10°0',5°0'N,"},
        {"5,ok,1,40°0'N,10°0',5°0'N,"},
        {"6,error,,,,,,,,,,,,\"lat '95N': out of range"},
        {"7,no solution,0,,,,,,,,,,,No Solution"},
        {"8,error,,,,,,,,,,,,6 cells for 5 columns"},
        {"9,ok,2,40°0'N,"},
    };
    for (const auto& e : expected) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.rfind(e.starts, 0), 0u) << line;
    }
    EXPECT_FALSE(std::getline(lines, line)) << line;
    EXPECT_EQ(r.err, "morvel-solve: standard input: 2 lines with errors, 1 without solution\n");

    // Without bad lines the worst is no solution; all good is 0.
    EXPECT_EQ(runCli({"--batch", "-"}, "lat,dec,alt\n40N,5N,70\n40N,5N,30\n").status, 1);
    EXPECT_EQ(runCli({"--batch", "-"}, "from,to\n40N 10W,30N 20E\n").status, 0);
}

TEST(Command, BatchRefusesAFileItCannotRead)
{
    struct {
        const char* name;
        std::string input;
        const char* says;
    } rows[] = {
        {"empty", "", "no header line"},
        {"unknown column", "lat,lha,declination\n", "unknown column 'declination'"},
        {"a column twice", "lat,lat,dec\n", "column 'lat' twice"},
        {"both triangles", "lat,from_lon\n", "columns of the celestial triangle and of the great circle"},
    };
    for (const auto& row : rows) {
        const CliRun r = runCli({"--batch", "-"}, row.input);
        EXPECT_EQ(r.status, 2) << row.name;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << row.name << ": " << r.err;
    }
    EXPECT_EQ(runCli({"--batch", "-", "--waypoints", "10"}, "from,to\n").status, 2);
}

TEST(Command, BatchInJsonWithWaypoints)
{
    const CliRun r = runCli({"--batch", "-", "--json", "--waypoints", "10"},
                         "from,to,distance\n40N 10W,30N 20E,\n40N,30N,500\n");
    EXPECT_EQ(r.status, 2);
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("{\"line\":2,\"problem\":\"great circle\"", 0), 0u) << line;
    EXPECT_NE(line.find("\"route\":{\"spacing\":10,"), std::string::npos) << line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("{\"line\":3,\"error\":\"waypoints need a longitude", 0), 0u) << line;
}

// Time on board from the command line: --date, --zone and --watch-error
// stand for a log's lines, to the fix its UTC twin gives, and are refused
// where they cannot be; with --zone, --noon's date is the date on board.
TEST(Command, TimeOnBoardFromTheCommandLine)
{
    const std::string columns = ",body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n";
    const std::string watch = "time" + columns + "19:33:12,Capella,,43 37.8,-1.2,3.5,,,40 05.0N,70 10.0W\n"
                                                 "19:34:12,Saturn,,50 13.5,-1.2,3.5,,,40 05.0N,70 10.0W\n";
    const std::string utc = "utc" + columns + "2026-12-08T00:33:00Z,Capella,,43 37.8,-1.2,3.5,,,40 05.0N,70 10.0W\n"
                                              "2026-12-08T00:34:00Z,Saturn,,50 13.5,-1.2,3.5,,,40 05.0N,70 10.0W\n";
    const std::string twin = runCli({"--sights", "-"}, utc).out;
    const std::vector<std::string> board = {"--sights", "-", "--date", "2026-12-07", "--zone", "+5"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), board.begin(), board.end());
        return more;
    };
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string says;
    } rows[] = {
        {"the twin's fix", with({"--watch-error", "12 s fast"}), watch, 0, twin.substr(twin.find("  Latitude"))},
        {"the watch's time beside", with({"--watch-error", "12s fast"}), watch, 0,
         "Line  Body     Watch     UTC                   DR"},
        {"a log in UTC", {"--sights", "-", "--zone", "+5"}, utc, 2, "line 1: this log's times are UTC (its utc column)"},
        {"given twice", with({}), "# zone: +5\n" + watch, 2,
         "line 1: the zone description is given for the whole log already"},
        {"an ISO offset", {"--sights", "-", "--zone", "+05:30"}, watch, 2, "--zone '+05:30': write the zone"},
        {"an error without its sense", with({"--watch-error", "12 s"}), watch, 2, "--watch-error '12 s': a watch error"},
        {"no such date", {"--sights", "-", "--date", "2026-02-30"}, watch, 2, "--date '2026-02-30': no such date"},
        {"a zone alone", {"--zone", "+5"}, "", 2, "--zone goes with --noon or --sights"},
        {"the watch's error at noon", {"--noon", "--date", "2026-12-07", "--pos", "40N 70W", "--watch-error", "12 s fast"},
         "", 2, "--noon takes no --watch-error"},
        {"noon by zone time", {"--noon", "--date", "2026-12-07", "--zone", "+5", "--pos", "40N 70W"}, "", 0,
         "Zone time            2026-12-07 11:31:31 (zone +5)"},
        {"noon on board across the date line", {"--noon", "--date", "2026-12-08", "--zone", "-12", "--pos", "40N 179W"},
         "", 0, "Local apparent noon  2026-12-07T23:47:39Z\nZone time            2026-12-08 11:47:39 (zone -12)"},
    };
    for (const auto& row : rows) {
        const CliRun r = runCli(row.args, row.input);
        EXPECT_EQ(r.status, row.status) << row.name << ": " << r.err;
        EXPECT_NE((r.out + r.err).find(row.says), std::string::npos) << row.name << ": " << r.out << r.err;
    }
}

}  // namespace
}  // namespace morvel::test
