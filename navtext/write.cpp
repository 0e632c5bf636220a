#include "navtext/navtext.h"

#include "engine/angles.h"
#include "navtext/degmin.h"
#include "navtext/numtext.h"
#include "navtext/say.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace morvel::navtext {

namespace {

using math::degree;

/// A window's text without its leading blank.
std::string trimmed(std::string s)
{
    if (!s.empty() && s.front() == ' ')
        s.erase(0, 1);
    return s;
}

/// The text of minutes as numberText writes a single-precision number,
/// blank aside: ".5", "12", "59.9". splitDegMin's tenths, 0 to 59.9, are
/// written once by numberText itself and looked up: a batch writes them
/// millions of times.
std::string_view minutesOf(float minutes, std::string& other)
{
    static const std::array<std::string, 600> tenths = [] {
        std::array<std::string, 600> texts;
        for (size_t k = 0; k < texts.size(); ++k)
            texts[k] = trimmed(numberText(float(double(k) / 10)));
        return texts;
    }();
    const long k = std::lround(double(minutes) * 10);
    if (k >= 0 && k < long(tenths.size()) && float(double(k) / 10) == minutes)
        return tenths[size_t(k)];
    other = trimmed(numberText(minutes));
    return other;
}

/// The degrees-and-minutes window's texts (degMinText) from the same
/// split, and the letter after them when there is one; written into one
/// buffer, the whole degrees as numberText writes them.
std::string degMin(double x, bool signedDegrees, char letter = 0)
{
    const double d = x / degree;
    if (!(std::abs(d) < 32768))
        return letter ? std::string(1, letter) : std::string();
    const DegMin s = splitDegMin(d);
    std::string other;
    const std::string_view minutes = minutesOf(s.minutes, other);
    char buf[64];
    char* p = buf;
    if (signedDegrees && isNegative(d, s))
        *p++ = '-';
    p = std::to_chars(p, buf + 8, s.degrees).ptr;
    *p++ = '\xC2';
    *p++ = '\xB0';
    p = std::copy(minutes.begin(), minutes.begin() + std::min<size_t>(minutes.size(), 40), p);
    *p++ = '\'';
    if (letter)
        *p++ = letter;
    return std::string(buf, p);
}

/// The sight form's text of d degrees split as s: the degrees with at least
/// width digits, the minutes with two and a tenth, and a minus where minus
/// is set and the angle does not round to nothing.
std::string navDegMin(double d, const DegMin& s, int width, bool minus)
{
    // Written digit by digit: a log's sheet writes thousands of these at
    // every edit, and a formatted print of a float costs a microsecond. The
    // minutes are whole tenths (splitDegMin rounds them).
    const long tenths = std::lround(double(s.minutes) * 10);
    const std::string degrees = std::to_string(s.degrees);
    std::string t = minus && isNegative(d, s) ? "-" : "";
    t.append(size_t(std::max(0, width - int(degrees.size()))), '0');
    t += degrees;
    t += "\xC2\xB0";
    if (tenths < 100)
        t += '0';
    t += std::to_string(tenths / 10);
    t += '.';
    t += char('0' + tenths % 10);
    t += '\'';
    return t;
}

/// A latitude or longitude in the sight form, with the first of letters
/// north or east of 0 and where it rounds to nothing, else the second.
std::string navPosition(double x, int width, const char* letters)
{
    const double d = x / degree;
    if (!(std::abs(d) < 32768))
        return {};
    const DegMin s = splitDegMin(d);
    const bool nothing = s.degrees == 0 && s.minutes == 0;
    return navDegMin(d, s, width, false) + letters[d > 0 || nothing ? 0 : 1];
}

/// The decimal window's text of x; magnitude drops the sign (latitudes).
std::string decimal(double x, bool magnitude)
{
    return trimmed(addzeros(round3(magnitude ? std::abs(x) : x, degree)));
}

bool positive(double x, bool typed)
{
    return x > 0 || (typed && x == 0 && !std::signbit(x));
}

}  // namespace

double tenths(double miles)
{
    return std::floor(miles * 10 + 0.5) / 10;
}
double shown(double x, bool magnitude)
{
    if (!magnitude)
        return round3(x, degree);
    const double v = round3(std::abs(x), degree);
    return x < 0 ? -v : v;
}

std::string latitudeText(double x, bool dec, bool typed)
{
    const char letter = positive(x, typed) ? 'N' : 'S';
    return dec ? decimal(x, true) + letter : degMin(x, false, letter);
}

std::string longitudeText(double x, bool dec, bool typed)
{
    const char letter = positive(x, typed) ? 'E' : 'W';
    return dec ? decimal(x, true) + letter : degMin(x, false, letter);
}

std::string altitudeText(double x, bool dec)
{
    return dec ? decimal(x, false) : degMin(x, true);
}

std::string circleText(double x, bool dec)
{
    return dec ? decimal(x, false) : degMin(x, false);
}

std::string navLatitudeText(double x, bool dec)
{
    return dec ? latitudeText(x, true) : navPosition(x, 1, "NS");
}

std::string navLongitudeText(double x, bool dec)
{
    return dec ? longitudeText(x, true) : navPosition(x, 3, "EW");
}

std::string navPositionText(double lat, double lon, bool dec)
{
    return navLatitudeText(lat, dec) + " " + navLongitudeText(lon, dec);
}

std::string navAltitudeText(double x, bool dec)
{
    const double d = x / degree;
    if (dec || !(std::abs(d) < 32768))
        return altitudeText(x, dec);
    return navDegMin(d, splitDegMin(d), 1, true);
}

std::string navCircleText(double x, bool dec)
{
    double d = x / degree;
    if (dec || !(std::abs(d) < 32768))
        return circleText(x, dec);
    d = std::fmod(d, 360);
    if (d < 0)
        d += 360;
    DegMin s = splitDegMin(d);
    if (s.degrees == 360)  // 359°59.95' and up come round to 000°00.0'
        s.degrees = 0;
    return navDegMin(d, s, 3, false);
}

std::string navCourseText(double x)
{
    double d = std::fmod(x / degree, 360);
    if (!(std::abs(d) < 360))
        return {};
    if (d < 0)
        d += 360;
    const std::string whole = std::to_string(std::lround(d) % 360);
    return std::string(3 - whole.size(), '0') + whole + "\xC2\xB0";
}

std::string dloText(double dlo, bool east, bool dec)
{
    const char letter = east ? 'E' : 'W';
    return dec ? decimal(dlo, false) + letter : degMin(dlo, false, letter);
}

std::string plainNumber(double x)
{
    return trimmed(numberText(x));
}

std::string milesText(double miles)
{
    // Miles to a tenth, as they are shown, written digit by digit: a double
    // nearest a number of at most 15 digits gives back those digits at 15
    // significant ones, so numberText would write just these.
    const double k = std::round(miles * 10);
    if (k / 10 != miles || !(std::abs(k) < 1e14))
        return plainNumber(miles);
    const long long tenths = std::llabs(static_cast<long long>(k));
    std::string t = miles < 0 ? "-" : "";
    if (tenths >= 10 || tenths == 0)
        t += std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        t += '.';
        t += char('0' + tenths % 10);
    }
    return t;
}

std::string nmText(double miles)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.1f", tenths(std::abs(miles)));
    return buf;
}

std::string interceptText(double miles)
{
    const std::string t = nmText(miles);
    return t == "0.0" ? t : t + (miles > 0 ? " T" : " A");
}

std::string equationOfTimeText(double minutes)
{
    const long seconds = std::lround(std::abs(minutes) * 60);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%02ldm %02lds", seconds == 0 ? "" : minutes < 0 ? "-" : "+", seconds / 60,
                  seconds % 60);
    return buf;
}

std::string minutesText(double x, bool sign)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, sign ? "%+.1f'" : "%.1f'", x / degree * 60);
    // A correction that rounds to nothing has no sign.
    return std::string(buf) == "-0.0'" || std::string(buf) == "+0.0'" ? "0.0'" : buf;
}

std::string instantText(std::string_view iso)
{
    // 2026-12-07T17:32:10Z, a fraction of seconds allowed before the Z.
    if (iso.size() < 20 || (iso[10] != 'T' && iso[10] != ' ' && iso[10] != 't')
        || (iso.back() != 'Z' && iso.back() != 'z'))
        return std::string(iso);
    std::string s(iso.substr(0, iso.size() - 1));
    s[10] = ' ';
    return s;
}

std::string quoted(std::string_view text)
{
    // Cut after the 40th character, never inside one (UTF-8 continuation
    // bytes are 10xxxxxx).
    constexpr size_t most = 40;
    size_t characters = 0, end = 0;
    for (; end < text.size(); ++end)
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && ++characters > most)
            break;
    std::string q = "'";
    q += text.substr(0, end);
    q += end < text.size() ? "...'" : "'";
    return q;
}

std::string refusal(std::string_view text, std::string_view why)
{
    return say(MORVEL_TR("navtext", "%1: %2"), {quoted(text), why});
}

double minutesNumber(double x)
{
    return std::round(x / degree * 60 * 100) / 100;
}

}  // namespace morvel::navtext
