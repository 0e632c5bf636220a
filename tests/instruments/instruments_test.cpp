// The sentences a plotter is sent, read back by a parser of NMEA 0183's
// own (fields split at commas, the checksum summed again, ddmm.mmmm turned
// back into degrees), and sent over UDP to a listener on 127.0.0.1.
#include "engine/angles.h"
#include "instruments/fix_waypoint.h"
#include "instruments/nmea.h"
#include "instruments/udp.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

using namespace morvel;
constexpr double deg = math::degree;

struct Read {
    std::vector<std::string> fields;  // the talker and type first
    bool checksumRight = false;
};

/// One sentence: "$" fields "*hh" CR LF, nothing else.
Read parse(const std::string& s)
{
    Read r;
    const size_t star = s.find('*');
    if (s.size() < 6 || s[0] != '$' || star == std::string::npos || s.substr(s.size() - 2) != "\r\n" ||
        star + 5 != s.size())
        return r;
    int sum = 0;
    for (size_t i = 1; i < star; ++i)
        sum ^= static_cast<unsigned char>(s[i]);
    r.checksumRight = std::strtol(s.substr(star + 1, 2).c_str(), nullptr, 16) == sum &&
                      s.substr(star + 1, 2).find_first_not_of("0123456789ABCDEF") == std::string::npos;
    std::stringstream in(s.substr(1, star - 1));
    for (std::string f; std::getline(in, f, ',');)
        r.fields.push_back(f);
    if (s[star - 1] == ',')
        r.fields.emplace_back();
    return r;
}

/// ddmm.mmmm (or dddmm.mmmm) and its letter as signed degrees.
double degreesOf(const std::string& value, const std::string& letter)
{
    const size_t dot = value.find('.');
    const double d = std::stod(value.substr(0, dot - 2)) + std::stod(value.substr(dot - 2)) / 60;
    return letter == "S" || letter == "W" ? -d : d;
}

struct Case {
    const char* name;
    double lat, lon;  // degrees
    double seconds;   // of the day
    const char* waypoint;
    const char* hhmmss;
};

const Case cases[] = {
    {"north_west", 40.2164791, -35.5110362, 19 * 3600 + 41 * 60 + 6.4, "FIX 1941Z", "194106.40"},
    {"south_east", -33.9, 151.2833333, 5.0, "FIX 0000Z", "000005.00"},
    {"minutes_carry", 10.999999999, -0.0000001, 86399.999, "FIX 2359Z", "235959.99"},
    {"date_line", -0.5, 179.99999999, 12 * 3600, "FIX 1200Z", "120000.00"},
};

class Sentences : public testing::TestWithParam<Case> {};

TEST_P(Sentences, ReadBack)
{
    const Case& c = GetParam();
    instruments::FixWaypoint w;
    w.lat = c.lat * deg;
    w.lon = c.lon * deg;
    w.secondsOfDay = c.seconds;
    const std::string text = w.nmea(true);
    const size_t split = text.find("\r\n") + 2;
    const Read wpl = parse(text.substr(0, split)), gll = parse(text.substr(split));
    ASSERT_TRUE(wpl.checksumRight) << text;
    ASSERT_TRUE(gll.checksumRight) << text;
    ASSERT_EQ(wpl.fields.size(), 6u) << text;
    ASSERT_EQ(gll.fields.size(), 7u) << text;
    EXPECT_EQ(wpl.fields[0], "GPWPL");
    EXPECT_EQ(gll.fields[0], "GPGLL");
    for (const Read* r : {&wpl, &gll}) {
        EXPECT_EQ(r->fields[1].size(), 9u) << r->fields[1];   // ddmm.mmmm
        EXPECT_EQ(r->fields[3].size(), 10u) << r->fields[3];  // dddmm.mmmm
        EXPECT_NEAR(degreesOf(r->fields[1], r->fields[2]), c.lat, 1e-4 / 60 / 2 + 1e-12);
        const double lon = degreesOf(r->fields[3], r->fields[4]);
        EXPECT_NEAR(std::remainder(lon - c.lon, 360), 0, 1e-4 / 60 / 2 + 1e-12);
    }
    EXPECT_EQ(wpl.fields[5], c.waypoint);
    EXPECT_EQ(gll.fields[5], c.hhmmss);
    EXPECT_EQ(gll.fields[6], "A");
    EXPECT_EQ(w.nmea(false), text.substr(0, split));
}

INSTANTIATE_TEST_SUITE_P(Fixes, Sentences, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// A name the sentence cannot carry: its delimiters replaced, its length cut
// to the sentence's 82 characters.
TEST(Sentences, NameKeptWithinTheSentence)
{
    const std::string s = instruments::wplSentence(0, 0, "a,b*c$d\xC3\xA9" + std::string(100, 'x'));
    const Read r = parse(s);
    ASSERT_TRUE(r.checksumRight) << s;
    ASSERT_EQ(r.fields.size(), 6u);
    EXPECT_EQ(r.fields[5].substr(0, 9), "a-b-c-d--");
    EXPECT_EQ(s.size(), 82u);
}

TEST(Udp, ReachesAListener)
{
    const int listener = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    socklen_t size = sizeof a;
    ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&a), &size), 0);
    timeval wait{10, 0};  // a guard against a hang, not a measure
    setsockopt(listener, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);

    instruments::FixWaypoint w;
    w.lat = 41.5 * deg;
    w.lon = -37.2 * deg;
    w.secondsOfDay = 70866;
    instruments::UdpSender sender;
    ASSERT_EQ(sender.open("127.0.0.1", ntohs(a.sin_port)), "");
    ASSERT_EQ(sender.send(w.nmea(false)), "");
    char buf[512];
    const ssize_t n = recv(listener, buf, sizeof buf, 0);
    close(listener);
    ASSERT_GT(n, 0);
    const Read r = parse(std::string(buf, size_t(n)));
    EXPECT_TRUE(r.checksumRight);
    ASSERT_EQ(r.fields.size(), 6u);
    EXPECT_EQ(r.fields[5], "FIX 1941Z");

    instruments::UdpSender bad;
    EXPECT_NE(bad.open("127.0.0.1", 0), "");
    EXPECT_NE(bad.open("no-such-host.invalid", 10110), "");
    EXPECT_NE(bad.send("$X*00\r\n"), "");
}

}  // namespace
