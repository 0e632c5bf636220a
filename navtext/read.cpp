#include "navtext/navtext.h"

#include "engine/angles.h"
#include "navtext/chars.h"
#include "navtext/degmin.h"
#include "navtext/numtext.h"
#include "navtext/say.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory_resource>
#include <numbers>
#include <vector>

namespace morvel::navtext {

namespace {

using math::degree;

/// A word of an angle: a number or a hemisphere letter, with where it stands
/// in the text (after normalize).
struct Token {
    bool letter = false;
    bool seconds = false;   ///< a number with a seconds sign after it
    std::string_view text;  ///< in the normalized text
    size_t begin = 0, end = 0;  ///< end past the seconds sign, when it has one
};

using chars::blank;
using chars::digit;
using chars::trimmed;
bool alpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool numberChar(char c) { return digit(c) || c == '.' || c == '+' || c == '-'; }
char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

/// A comma between two digits, the only comma of a text without a point:
/// a decimal comma ("41,205N", "19 2,2").
bool isDecimalComma(std::string_view s, size_t comma)
{
    return comma > 0 && comma + 1 < s.size() && digit(s[comma - 1]) && digit(s[comma + 1]) &&
           s.find(',', comma + 1) == std::string_view::npos && s.find('.') == std::string_view::npos;
}

/// The degree and minute signs become blanks, the seconds signs '"' (which
/// tokenize puts on the number before them), a decimal comma a point; the
/// rest stays.
std::string normalize(std::string_view s)
{
    // The marks begin with ' or " or the lead bytes 0xC2 and 0xE2.
    if (std::none_of(s.begin(), s.end(),
                     [](char c) { return c == '\'' || c == '"' || c == ',' || c == '\xC2' || c == '\xE2'; }))
        return std::string(s);
    struct Mark {
        std::string_view text;
        char becomes;
    };
    // Two minute signs are a seconds sign: before the one alone.
    static const Mark marks[] = {{"''", '"'},
                                 {"\xE2\x80\xB2\xE2\x80\xB2", '"'},  // ′′
                                 {"\xE2\x80\x99\xE2\x80\x99", '"'},  // ’’
                                 {"\xE2\x80\xB3", '"'},                // ″
                                 {"\xE2\x80\x9D", '"'},                // ”
                                 {"\xC2\xB0", ' '},                     // °
                                 {"\xC2\xBA", ' '},                     // º
                                 {"\xE2\x80\xB2", ' '},                // ′
                                 {"\xE2\x80\x99", ' '},                // ’
                                 {"'", ' '}};
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        bool mark = false;
        for (const Mark& m : marks)
            if (s.substr(i, m.text.size()) == m.text) {
                out += m.becomes;
                i += m.text.size();
                mark = true;
                break;
            }
        if (!mark)
            out += s[i++];
    }
    if (const size_t comma = out.find(','); comma != std::string::npos && isDecimalComma(out, comma))
        out[comma] = '.';
    return out;
}

/// The words of a text, held on the stack while they are few: a batch
/// reads millions of angles of two or three words.
struct Tokens {
    alignas(Token) std::byte place[8 * sizeof(Token)];
    std::pmr::monotonic_buffer_resource pool{place, sizeof place};
    std::pmr::vector<Token> list{&pool};
};

/// Splits a normalized text into numbers and letters; false, with the
/// offending text in bad, at anything else.
bool tokenize(std::string_view s, std::pmr::vector<Token>& tokens, std::string& bad)
{
    tokens.reserve(8);
    for (size_t i = 0; i < s.size();) {
        if (blank(s[i])) {
            ++i;
            continue;
        }
        size_t j = i;
        if (s[i] == '"' && !tokens.empty() && !tokens.back().letter && !tokens.back().seconds) {
            tokens.back().seconds = true;
            tokens.back().end = ++i;
            continue;
        }
        if (alpha(s[i])) {
            while (j < s.size() && alpha(s[j]))
                ++j;
            tokens.push_back({true, false, s.substr(i, j - i), i, j});
        } else if (numberChar(s[i])) {
            while (j < s.size() && numberChar(s[j]))
                ++j;
            tokens.push_back({false, false, s.substr(i, j - i), i, j});
        } else {
            // One whole UTF-8 character.
            while (++j < s.size() && (static_cast<unsigned char>(s[j]) & 0xC0) == 0x80) {
            }
            bad = std::string(s.substr(i, j - i));
            return false;
        }
        i = j;
    }
    return true;
}

/// [+-]digits[.digits] or [+-].digits; sign and point where allowed.
bool wellFormed(std::string_view t, bool sign, bool point)
{
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (!sign)
            return false;
        ++i;
    }
    int digits = 0;
    bool seenPoint = false;
    for (; i < t.size(); ++i) {
        if (digit(t[i]))
            ++digits;
        else if (t[i] == '.' && point && !seenPoint)
            seenPoint = true;
        else
            return false;
    }
    return digits > 0;
}

/// The numbers of a part of a position, and whether it has a letter; what
/// does not split into words counts as none.
std::pair<size_t, bool> shapeOf(std::string_view part)
{
    const std::string s = normalize(part);
    Tokens words;
    std::string bad;
    if (!tokenize(s, words.list, bad))
        return {0, false};
    size_t numbers = 0;
    bool letter = false;
    for (const Token& t : words.list) {
        numbers += !t.letter;
        letter = letter || t.letter;
    }
    return {numbers, letter};
}

/// A unit or word at the end of s, in any case and not the end of a longer
/// word, taken off with the blanks before it.
bool dropWord(std::string_view& s, std::string_view word)
{
    if (s.size() < word.size())
        return false;
    const std::string_view end = s.substr(s.size() - word.size());
    for (size_t i = 0; i < word.size(); ++i)
        if (upper(end[i]) != upper(word[i]))
            return false;
    if (s.size() > word.size() && alpha(s[s.size() - word.size() - 1]))
        return false;
    s = trimmed(s.substr(0, s.size() - word.size()));
    return true;
}

/// A minute sign (or a foot sign: ' ′ ’) at the end of s, taken off.
bool dropMinuteSign(std::string_view& s)
{
    static const std::string_view signs[] = {"'", "\xE2\x80\xB2", "\xE2\x80\x99"};
    for (std::string_view sign : signs)
        if (s.ends_with(sign)) {
            s = trimmed(s.substr(0, s.size() - sign.size()));
            return true;
        }
    return false;
}

AngleRead fail(std::string_view text, const std::string& why)
{
    return {false, 0, false, refusal(text, why)};
}

std::string kindName(AngleKind kind)
{
    switch (kind) {
    case AngleKind::latitude: return say(MORVEL_TR("navtext", "a latitude"));
    case AngleKind::longitude: return say(MORVEL_TR("navtext", "a longitude"));
    case AngleKind::altitude: return say(MORVEL_TR("navtext", "an altitude"));
    case AngleKind::circle: return say(MORVEL_TR("navtext", "an angle"));
    case AngleKind::dlo: return say(MORVEL_TR("navtext", "a DLo"));
    }
    return {};
}

/// The minutes' and the seconds' range, each said where it is refused.
std::string minutesRange()
{
    return say(MORVEL_TR("navtext", "minutes are a number from 0 to under 60"));
}

std::string secondsRange()
{
    return say(MORVEL_TR("navtext", "seconds are a number from 0 to under 60"));
}

}  // namespace

std::string allowed(AngleKind kind)
{
    switch (kind) {
    case AngleKind::latitude:
        return say(MORVEL_TR("navtext", "0 to 90 degrees with N or S, or signed (40 12.3N, 40°12.3'N, 40.205N, "
                                        "-40.205)"));
    case AngleKind::longitude:
        return say(MORVEL_TR("navtext", "0 to 180 degrees with E or W, or signed (70 30.5W, 70.508W, -70.508)"));
    case AngleKind::altitude: return say(MORVEL_TR("navtext", "-90 to 90 degrees (30 15.2, -12 15, -0 30, -12.25)"));
    case AngleKind::circle: return say(MORVEL_TR("navtext", "0 to 360 degrees (351 41.9, 351.698)"));
    case AngleKind::dlo: return say(MORVEL_TR("navtext", "0 to 360 degrees with E or W (73 22E, 73.367W)"));
    }
    return {};
}

AngleRead readNavAngle(std::string_view text, AngleKind kind, std::string_view what)
{
    // The quantity's name, for a message: a text read well needs none.
    auto name = [&] { return what.empty() ? kindName(kind) : std::string(what); };
    const std::string s = normalize(text);
    Tokens words;
    std::pmr::vector<Token>& tokens = words.list;
    std::string bad;
    if (!tokenize(s, tokens, bad))
        return fail(text, say(MORVEL_TR("navtext", "unexpected %1; %2 is %3"), {quoted(bad), name(), allowed(kind)}));
    if (tokens.empty())
        return fail(text, say(MORVEL_TR("navtext", "no value; %1 is %2"), {name(), allowed(kind)}));

    // At most one hemisphere letter, first or last.
    char letter = 0;
    const Token* numbers[3] = {};
    size_t count = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (!t.letter) {
            if (count < 3)
                numbers[count] = &t;
            ++count;
            continue;
        }
        if (letter || (i != 0 && i + 1 != tokens.size()) || t.text.size() != 1)
            return fail(text,
                        say(MORVEL_TR("navtext", "unexpected %1; %2 is %3"), {quoted(t.text), name(), allowed(kind)}));
        letter = upper(t.text[0]);
    }
    const bool northSouth = kind == AngleKind::latitude;
    const bool eastWest = kind == AngleKind::longitude || kind == AngleKind::dlo;
    if (letter) {
        const bool fits = northSouth ? (letter == 'N' || letter == 'S')
                          : eastWest ? (letter == 'E' || letter == 'W')
                                     : false;
        if (!fits)
            return fail(text, say(MORVEL_TR("navtext", "the letter %1 does not belong here; %2 is %3"),
                                  {std::string(1, letter), name(), allowed(kind)}));
    } else if (kind == AngleKind::dlo) {
        return fail(text, say(MORVEL_TR("navtext", "say E or W; a DLo is %1"), {allowed(kind)}));
    }
    if (count == 0 || count > 3)
        return fail(text, say(MORVEL_TR("navtext", "%1 is degrees, degrees and minutes, or degrees, minutes and "
                                                   "seconds: %2"),
                              {name(), allowed(kind)}));
    for (size_t i = 0; i < 2 && i < count; ++i)
        if (numbers[i]->seconds)
            return fail(text, say(MORVEL_TR("navtext", "the seconds sign stands after the seconds, the third number "
                                                       "(41 12 18\")")));

    // A sign only where the angle may carry one, and never beside a letter.
    const bool signAllowed = kind == AngleKind::altitude || ((northSouth || kind == AngleKind::longitude) && !letter);
    const std::string_view degrees = numbers[0]->text;
    const bool withMinutes = count >= 2;
    const bool withSeconds = count == 3;
    const bool signed_ = degrees[0] == '-' || degrees[0] == '+';
    if (signed_ && !signAllowed && wellFormed(degrees, true, true)) {
        if (letter)
            return fail(text, say(MORVEL_TR("navtext", "give a sign or a hemisphere letter, not both")));
        if (degrees[0] == '-')
            return fail(text, say(MORVEL_TR("navtext", "out of range; %1 is %2"), {name(), allowed(kind)}));
    }
    if (!wellFormed(degrees, signAllowed, !withMinutes)) {
        if (withMinutes && wellFormed(degrees, signAllowed, true))
            return fail(text, say(MORVEL_TR("navtext", "degrees before minutes must be whole")));
        return fail(text, say(MORVEL_TR("navtext", "not a number of degrees; %1 is %2"), {name(), allowed(kind)}));
    }
    const std::string_view minutes = withMinutes ? numbers[1]->text : std::string_view();
    if (withMinutes && !wellFormed(minutes, false, !withSeconds)) {
        if (withSeconds && wellFormed(minutes, false, true))
            return fail(text, say(MORVEL_TR("navtext", "minutes before seconds must be whole")));
        return fail(text, minutesRange());
    }
    const std::string_view seconds = withSeconds ? numbers[2]->text : std::string_view();
    if (withSeconds && !wellFormed(seconds, false, true))
        return fail(text, secondsRange());

    const bool signedDegrees = kind == AngleKind::altitude || degrees[0] == '-';
    const AngleReading a = readAngle(degrees, minutes, signedDegrees);
    if (!minutesInRange(a.minutes))
        return fail(text, minutesRange());
    double c = a.combined;
    if (withSeconds) {
        // Whole minutes are exact in single precision; the seconds join
        // them in double, and the sum goes on by the rule of readAngle.
        const TextNumber n = textToNumber(seconds);
        if (n.overflow || !(n.value < 60))
            return fail(text, secondsRange());
        const double m = double(a.minutes) + n.value / 60;
        c = degrees[0] == '-' ? a.degrees - m / 60 : a.degrees + m / 60;
    }
    bool inRange = !a.overflow;
    switch (kind) {
    case AngleKind::latitude: inRange = inRange && std::abs(c) <= 90; break;
    case AngleKind::longitude: inRange = inRange && std::abs(c) <= 180; break;
    case AngleKind::altitude: inRange = inRange && std::abs(c) <= 90; break;
    case AngleKind::circle:
    case AngleKind::dlo: inRange = inRange && c >= 0 && c <= 360; break;
    }
    if (!inRange)
        return fail(text, say(MORVEL_TR("navtext", "out of range; %1 is %2"), {name(), allowed(kind)}));

    double x = c * degree;
    if (kind != AngleKind::dlo && (letter == 'S' || letter == 'W'))
        x = -x;
    return {true, x, letter == 'E', {}};
}

PositionRead readPosition(std::string_view text)
{
    auto failed = [&](const std::string& why) {
        return PositionRead{false, 0, std::nullopt, refusal(text, why)};
    };
    // Said only when a text is refused: a batch reads a million positions.
    const auto howto = [] {
        return say(MORVEL_TR("navtext", "a position is a latitude and a longitude (40 12.3N 70 30.5W, "
                                        "40.205N,70.508W, 40.205 -70.508)"));
    };
    const auto commaParts = [] {
        return say(MORVEL_TR("navtext", "a comma parts the latitude from the longitude, so a position's decimals "
                                        "take a point (41.205N 70.508W)"));
    };

    // Where the latitude ends and the longitude begins.
    std::string lat, lon;
    const size_t comma = text.find(',');
    // "41,205N" reads as 41 and 205N, which fails: a decimal comma, said so.
    const bool decimalComma = comma != std::string_view::npos && isDecimalComma(text, comma);
    if (comma != std::string_view::npos) {
        if (text.find(',', comma + 1) != std::string_view::npos)
            return failed(say(MORVEL_TR("navtext", "more than one comma: %1"), {commaParts()}));
        lat = std::string(text.substr(0, comma));
        lon = std::string(text.substr(comma + 1));
        if (lon.find_first_not_of(" \t") == std::string::npos)
            return failed(say(MORVEL_TR("navtext", "no longitude after the comma; %1"), {howto()}));
    } else {
        const std::string s = normalize(text);
        Tokens words;
        std::pmr::vector<Token>& tokens = words.list;
        std::string bad;
        if (!tokenize(s, tokens, bad))
            return failed(say(MORVEL_TR("navtext", "unexpected %1; %2"), {quoted(bad), howto()}));
        size_t ns = tokens.size();
        for (size_t i = 0; i < tokens.size() && ns == tokens.size(); ++i)
            if (tokens[i].letter && (upper(tokens[i].text[0]) == 'N' || upper(tokens[i].text[0]) == 'S'))
                ns = i;
        size_t split = tokens.size();  // first token of the longitude
        if (ns == 0) {
            // N40 12.3 W70 30.5: the longitude begins at its letter.
            for (size_t i = 1; i < tokens.size() && split == tokens.size(); ++i)
                if (tokens[i].letter)
                    split = i;
        } else if (ns < tokens.size()) {
            split = ns + 1;
        } else {
            size_t count = 0;
            for (const Token& t : tokens)
                count += !t.letter;
            if (count == 2)
                split = tokens[0].letter ? 2 : 1;
            else if (count != 1)
                return failed(say(MORVEL_TR("navtext", "write minutes with hemisphere letters: without them the "
                                                       "numbers part more than one way (41 12 18 could be a "
                                                       "latitude in degrees, minutes and seconds, or a latitude of "
                                                       "41 and a longitude of 12 18); %1"),
                                  {howto()}));
        }
        if (tokens.empty())
            return failed(say(MORVEL_TR("navtext", "no value; %1"), {howto()}));
        lat = s.substr(tokens[0].begin, tokens[split - 1].end - tokens[0].begin);
        if (split < tokens.size())
            lon = s.substr(tokens[split].begin, tokens.back().end - tokens[split].begin);
    }

    // Seconds only with both letters: without them the numbers part more
    // than one way.
    const auto [latNumbers, latLetter] = shapeOf(lat);
    const auto [lonNumbers, lonLetter] = shapeOf(lon);
    if ((latNumbers == 3 || lonNumbers == 3) && !(latLetter && (lonLetter || lon.empty())))
        return failed(say(MORVEL_TR("navtext", "degrees, minutes and seconds in a position need N or S and E or W "
                                               "(41 12 18N 70 30 05W)")));

    const AngleRead la = readNavAngle(lat, AngleKind::latitude);
    if (!la.ok)
        return failed(decimalComma ? commaParts() : say(MORVEL_TR("navtext", "latitude %1"), {la.error}));
    PositionRead p{true, la.radians, std::nullopt, {}};
    if (!lon.empty()) {
        const AngleRead lo = readNavAngle(lon, AngleKind::longitude);
        if (!lo.ok)
            return failed(decimalComma ? commaParts() : say(MORVEL_TR("navtext", "longitude %1"), {lo.error}));
        p.lon = lo.radians;
    }
    return p;
}

MilesRead readMiles(std::string_view text)
{
    std::string s(text);
    while (!s.empty() && blank(s.back()))
        s.pop_back();
    if (s.size() >= 2 && upper(s[s.size() - 1]) == 'M' && upper(s[s.size() - 2]) == 'N')
        s.resize(s.size() - 2);
    const size_t first = s.find_first_not_of(" \t");
    const size_t last = s.find_last_not_of(" \t");
    std::string number = first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
    if (const size_t comma = number.find(','); comma != std::string::npos && isDecimalComma(number, comma))
        number[comma] = '.';
    const auto range = [] {
        return say(MORVEL_TR("navtext", "a distance is 0 to 10800 nautical miles (2999.4, 500nm)"));
    };
    if (!wellFormed(number, true, true))
        return {false, 0, refusal(text, say(MORVEL_TR("navtext", "not a number; %1"), {range()}))};
    const TextNumber n = textToNumber(number);
    if (n.overflow || n.value < 0 || n.value > 10800)
        return {false, 0, refusal(text, say(MORVEL_TR("navtext", "out of range; %1"), {range()}))};
    return {true, n.value, {}};
}

ValueRead readIndexCorrection(std::string_view text)
{
    std::string_view s = trimmed(text);
    const bool off = dropWord(s, "off");
    const bool on = !off && dropWord(s, "on");
    dropMinuteSign(s);
    const auto convention = [] {
        return say(MORVEL_TR("navtext", "off the arc positive: 1.2 off is +1.2, 1.2 on is -1.2"));
    };
    const std::optional<TextNumber> n = typedNumber(s);
    if (!n || n->overflow || !(std::abs(n->value) <= 30))
        return {false, 0, say(MORVEL_TR("navtext", "%1 is not a number of minutes of arc from -30 to 30 (%2)"),
                              {quoted(text), convention()})};
    if ((on || off) && (s[0] == '-' || s[0] == '+'))
        return {false, 0, refusal(text, say(MORVEL_TR("navtext", "give a sign or on or off, not both (%1)"),
                                            {convention()}))};
    return {true, on ? 0.0 - n->value : n->value, {}};
}

ValueRead readHeightOfEye(std::string_view text)
{
    std::string_view s = trimmed(text);
    const bool feet = dropWord(s, "ft") || dropMinuteSign(s);
    if (!feet)
        dropWord(s, "m");
    const std::optional<TextNumber> n = typedNumber(s);
    constexpr double foot = 0.3048;  // metres, the international foot
    const double metres = n && !n->overflow ? (feet ? n->value * foot : n->value) : -1;
    if (!(metres >= 0 && metres <= 100))
        return {false, 0, say(feet ? MORVEL_TR("navtext", "%1 is not a number of feet from 0 to 328.08 (100 metres)")
                                   : MORVEL_TR("navtext", "%1 is not a number of metres from 0 to 100 (2.5, 2.5 m, "
                                                          "or in feet 8 ft, 8')"),
                              {quoted(text)})};
    return {true, metres, {}};
}

}  // namespace morvel::navtext
