#include "instruments/nmea.h"

#include "engine/angles.h"

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <string_view>

namespace morvel::instruments {

namespace {

/// An angle as degrees and minutes to four decimals, dd or ddd wide, and
/// its hemisphere letter; the minutes rounded as a whole so that 59.99999'
/// carries into the degrees.
std::string angleField(double x, bool longitude)
{
    const long long tenThousandths = std::llround(std::abs(x) / math::degree * 600000);
    const long long degrees = tenThousandths / 600000, minutes = tenThousandths % 600000;
    char buf[32];
    std::snprintf(buf, sizeof buf, longitude ? "%03lld%02lld.%04lld," : "%02lld%02lld.%04lld,", degrees,
                  minutes / 10000, minutes % 10000);
    const bool positive = x >= 0 || tenThousandths == 0;
    return buf + std::string(1, longitude ? (positive ? 'E' : 'W') : (positive ? 'N' : 'S'));
}

std::string sentence(const std::string& body)
{
    char sum[8];
    std::snprintf(sum, sizeof sum, "*%02X\r\n", nmeaChecksum(body));
    return "$" + body + sum;
}

/// The longest sentence: 82 characters, "$", "*hh" and CR LF among them.
constexpr size_t longest = 82;

}  // namespace

unsigned nmeaChecksum(const std::string& body)
{
    unsigned sum = 0;
    for (const unsigned char c : body)
        sum ^= c;
    return sum;
}

std::string wplSentence(double lat, double lon, const std::string& name)
{
    std::string body = "GPWPL," + angleField(lat, false) + "," + angleField(lon, true) + ",";
    std::string id;
    for (const unsigned char c : name) {
        const bool allowed = c >= 0x20 && c < 0x7f && std::string_view(",*$!\\^~").find(char(c)) == std::string_view::npos;
        id += allowed ? char(c) : '-';
    }
    id.resize(std::min(id.size(), longest - body.size() - 6));
    return sentence(body + id);
}

std::string gllSentence(double lat, double lon, double secondsOfDay)
{
    // Hundredths of a second, a day's last rounded back within it.
    const long long hundredths = std::clamp(std::llround(secondsOfDay * 100), 0LL, 8639999LL);
    char time[16];
    std::snprintf(time, sizeof time, "%02lld%02lld%02lld.%02lld", hundredths / 360000, hundredths / 6000 % 60,
                  hundredths / 100 % 60, hundredths % 100);
    return sentence("GPGLL," + angleField(lat, false) + "," + angleField(lon, true) + "," + time + ",A");
}

}  // namespace morvel::instruments
