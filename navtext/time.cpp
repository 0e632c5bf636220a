// Time on board as navigators write it: the date, a watch's time, the zone
// description and the watch error, read and written (navtext.h).
#include "navtext/navtext.h"

#include "navtext/chars.h"
#include "navtext/say.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace morvel::navtext {

namespace {

using chars::blank;
using chars::digit;
using chars::trimmed;
char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

/// Exactly n digits at s[at], or -1.
int number(std::string_view s, size_t at, size_t n)
{
    if (at + n > s.size())
        return -1;
    int v = 0;
    for (size_t i = at; i < at + n; ++i) {
        if (!digit(s[i]))
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

int daysIn(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// How each is written, said in the messages that refuse one.
const Phrase dateForm = MORVEL_TR("navtext", "a date is written 2026-12-07, from 1900-01-01 to 2100-12-31");
const Phrase watchForm =
    MORVEL_TR("navtext", "a watch's time is 19:33 or 19:33:05, or 2026-12-08 00:15 for a sight on another day");
const Phrase zoneForm = MORVEL_TR("navtext", "a zone description is the hours added to zone time to give UT, "
                                             "signed: +5 in 75° W, -3 in 45° E, +9.5, 0 (whole, half or quarter "
                                             "hours, -14 to +14)");
const Phrase errorForm = MORVEL_TR("navtext", "a watch error is 12 s fast or 12 s slow (1 m 12 s fast; 0 when there "
                                              "is none), under an hour");

/// A date at the start of s, 10 characters, checked against the calendar.
DateRead dateAt(std::string_view s, std::string_view text)
{
    const int y = number(s, 0, 4), m = number(s, 5, 2), d = number(s, 8, 2);
    if (s.size() < 10 || y < 0 || s[4] != '-' || m < 0 || s[7] != '-' || d < 0)
        return {false, {}, refusal(text, say(dateForm))};
    if (y < 1900 || y > 2100 || m < 1 || m > 12 || d < 1 || d > daysIn(y, m))
        return {false, {}, refusal(text, say(MORVEL_TR("navtext", "no such date; %1"), {say(dateForm)}))};
    return {true, {y, m, d}, {}};
}

}  // namespace

DateRead readDate(std::string_view text)
{
    const std::string_view s = trimmed(text);
    if (s.size() != 10)
        return {false, {}, refusal(text, say(dateForm))};
    return dateAt(s, text);
}

WatchTimeRead readWatchTime(std::string_view text)
{
    WatchTimeRead r;
    auto fail = [&](const std::string& why) {
        r.error = refusal(text, why);
        return r;
    };
    std::string_view s = trimmed(text);
    if (s.size() > 10 && s[4] == '-') {
        const DateRead d = dateAt(s, text);
        if (!d.ok) {
            r.error = d.error;
            return r;
        }
        r.date = d.date;
        s.remove_prefix(10);
        if (s.empty() || !(blank(s.front()) || s.front() == 'T'))
            return fail(say(watchForm));
        s = trimmed(s.substr(1));
    }
    const size_t colon = s.find(':');
    const int h = colon == 1 || colon == 2 ? number(s, 0, colon) : -1;
    const int m = h >= 0 ? number(s, colon + 1, 2) : -1;
    const size_t end = colon + 3;
    int sec = 0;
    if (m < 0)
        return fail(say(watchForm));
    if (end < s.size() && s[end] == ':') {
        sec = number(s, end + 1, 2);
        if (sec < 0)
            return fail(say(watchForm));
        if (end + 3 < s.size() && s[end + 3] == '.')
            return fail(say(MORVEL_TR("navtext", "a watch is read to the whole second (19:33:05)")));
    }
    const size_t used = end < s.size() && s[end] == ':' ? end + 3 : end;
    if (used < s.size()) {
        const char c = s[used];
        if (c == 'Z' || c == 'z' || c == '+' || c == '-')
            return fail(say(MORVEL_TR("navtext", "a watch's time has no Z and no offset: the log's zone description "
                                                 "gives UT")));
        return fail(say(watchForm));
    }
    if (h > 23 || m > 59 || sec > 59)
        return fail(say(MORVEL_TR("navtext", "no such time of day; %1"), {say(watchForm)}));
    r.ok = true;
    r.seconds = h * 3600 + m * 60 + sec;
    return r;
}

ZoneRead readZone(std::string_view text)
{
    auto fail = [&](const std::string& why) { return ZoneRead{false, 0, refusal(text, why)}; };
    std::string s(trimmed(text));
    // The typographer's minus.
    if (s.starts_with("\xE2\x88\x92"))
        s.replace(0, 3, "-");
    const bool sign = !s.empty() && (s[0] == '+' || s[0] == '-');
    const std::string_view n = std::string_view(s).substr(sign ? 1 : 0);
    if (n.find(':') != std::string_view::npos)
        return fail(say(MORVEL_TR("navtext", "write the zone description in hours, +5.5 or -5.5: an offset +05:30 "
                                             "as ISO 8601 writes it is zone -5.5 (UT = zone time + zone "
                                             "description)")));
    size_t digits = 0, point = std::string_view::npos;
    for (size_t i = 0; i < n.size(); ++i) {
        if (digit(n[i]))
            ++digits;
        else if (n[i] == '.' && point == std::string_view::npos)
            point = i;
        else
            return fail(say(zoneForm));
    }
    if (digits == 0 || digits > 6)
        return fail(say(zoneForm));
    double hours = 0;
    std::from_chars(n.data(), n.data() + n.size(), hours);
    if (hours > 14 || std::floor(hours * 4) != hours * 4)
        return fail(say(zoneForm));
    if (hours != 0 && !sign)
        return fail(say(MORVEL_TR("navtext", "say + or -: %1"), {say(zoneForm)}));
    return {true, s[0] == '-' ? -hours : hours, {}};
}

WatchErrorRead readWatchError(std::string_view text)
{
    auto fail = [&] { return WatchErrorRead{false, 0, refusal(text, say(errorForm))}; };
    // Words and numbers apart: "1m12s fast" is 1 m 12 s fast.
    std::vector<std::string> words;
    for (const char c : trimmed(text)) {
        if (blank(c)) {
            words.emplace_back();
            continue;
        }
        const bool d = digit(c);
        if (words.empty() || words.back().empty() || digit(words.back().back()) != d)
            words.emplace_back();
        words.back() += lower(c);
    }
    std::erase(words, std::string());
    int minutes = -1, seconds = -1;
    size_t i = 0;
    for (; i + 1 < words.size() && digit(words[i][0]); i += 2) {
        if (words[i].size() > 4)
            return fail();
        const int v = std::stoi(words[i]);
        const std::string& unit = words[i + 1];
        if ((unit == "m" || unit == "min") && minutes < 0 && seconds < 0)
            minutes = v;
        else if ((unit == "s" || unit == "sec") && seconds < 0)
            seconds = v;
        else
            return fail();
    }
    const bool zero = words.size() == 1 && words[0] == "0";
    const std::string direction = i < words.size() ? words[i] : std::string();
    if (zero)
        return {true, 0, {}};
    if (minutes < 0 && seconds < 0)
        return fail();
    const int total = std::max(minutes, 0) * 60 + std::max(seconds, 0);
    if ((minutes >= 0 && seconds > 59) || total >= 3600)
        return fail();
    if (i + 1 == words.size() && (direction == "fast" || direction == "slow"))
        return {true, direction == "fast" ? total : -total, {}};
    if (i == words.size() && total == 0)
        return {true, 0, {}};
    return fail();
}

std::string dateText(const CalendarDate& date)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buf;
}

std::string clockText(double seconds, bool withSeconds)
{
    // What is no time (NaN) shows as midnight rather than as what a cast makes of it.
    const long s = seconds >= 86400 ? 86399 : seconds > 0 ? long(std::floor(seconds)) : 0;
    const int leap = seconds >= 86400 ? 1 : 0;
    char buf[32];
    if (withSeconds)
        std::snprintf(buf, sizeof buf, "%02ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60 + leap);
    else
        std::snprintf(buf, sizeof buf, "%02ld:%02ld", s / 3600, s / 60 % 60);
    return buf;
}

std::string watchReadingText(const CalendarDate& date, int seconds)
{
    return dateText(date) + " " + clockText(seconds);
}

std::string loggedTimeText(std::optional<int> watch, const CalendarDate& utDate, double utSeconds)
{
    const std::string ut = dateText(utDate) + " " + clockText(utSeconds) + " UT";
    return watch ? clockText(*watch) + " (" + ut + ")" : ut;
}

std::string zoneText(double hours)
{
    if (hours == 0)
        return "0";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%+g", hours);
    return buf;
}

}  // namespace morvel::navtext
