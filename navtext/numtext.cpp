#include "navtext/numtext.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace morvel::navtext {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

/// Skips blanks from i; returns the next position.
size_t skipBlanks(std::string_view s, size_t i)
{
    while (i < s.size() && blank(s[i]))
        ++i;
    return i;
}

/// textToNumber for any text: blanks within the number, an exponent, a
/// number beyond a double.
TextNumber spacedNumber(std::string_view s)
{
    // Gather the number without its blanks: sign, mantissa, exponent.
    std::string mant;
    bool negative = false;
    size_t i = skipBlanks(s, 0);
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool point = false;
    int digits = 0;
    for (i = skipBlanks(s, i); i < s.size(); i = skipBlanks(s, i + 1)) {
        if (digit(s[i])) {
            mant += s[i];
            ++digits;
        } else if (s[i] == '.' && !point) {
            mant += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return {};

    // An exponent counts only with at least one digit; its value is capped
    // far beyond any double's range so that it cannot overflow an int.
    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        size_t j = skipBlanks(s, i + 1);
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            j = skipBlanks(s, j + 1);
        }
        bool any = false;
        long e = 0;
        for (; j < s.size() && digit(s[j]); j = skipBlanks(s, j + 1)) {
            any = true;
            if (e < 100000)
                e = e * 10 + (s[j] - '0');
        }
        if (any)
            exponent = expNegative ? -e : e;
    }

    const std::string text = mant + "e" + std::to_string(exponent);
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: find the magnitude of the
        // first significant digit to tell which.
        const size_t dot = mant.find('.');
        const std::string intPart = mant.substr(0, dot);
        const size_t firstInt = intPart.find_first_not_of('0');
        long magnitude;
        if (firstInt != std::string::npos) {
            magnitude = long(intPart.size() - firstInt) + exponent;
        } else {
            const std::string frac = dot == std::string::npos ? std::string() : mant.substr(dot + 1);
            const size_t firstFrac = frac.find_first_not_of('0');
            if (firstFrac == std::string::npos)
                return {};  // all zeros
            magnitude = exponent - long(firstFrac);
        }
        if (magnitude > 0)
            return {0, true};
        return {};  // underflow reads as 0
    }
    if (res.ec != std::errc() || !std::isfinite(v))
        return {0, true};
    if (v == 0)
        return {};  // no negative zero
    return {negative ? -v : v, false};
}

}  // namespace

TextNumber textToNumber(std::string_view s)
{
    // The usual number, digits with a point, where nothing follows it but
    // its end or a letter that is no exponent, is read where it stands.
    size_t i = skipBlanks(s, 0);
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t end = i, digits = 0;
    bool point = false;
    for (; end < s.size() && (digit(s[end]) || (s[end] == '.' && !point)); ++end) {
        digits += digit(s[end]);
        point = point || s[end] == '.';
    }
    const bool plain = digits > 0 && (end == s.size() || (!blank(s[end]) && s[end] != 'E' && s[end] != 'e' &&
                                                          s[end] != '.'));
    double v = 0;
    if (plain && std::from_chars(s.data() + i, s.data() + end, v).ec == std::errc() && std::isfinite(v))
        return v == 0 ? TextNumber{} : TextNumber{negative ? -v : v, false};
    return spacedNumber(s);
}

std::optional<TextNumber> typedNumber(std::string_view text)
{
    // Blanks stripped by hand: find_first_not_of searches its set anew for
    // every character, and a batch reads millions of numbers.
    size_t first = 0, last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    if (first == last)
        return std::nullopt;
    std::string_view s = text.substr(first, last - first);
    std::string pointed;  // the text with its comma as the point, when it has one
    const size_t comma = s.find(',');
    if (comma != std::string_view::npos && s.find(',', comma + 1) == std::string_view::npos &&
        s.find('.') == std::string_view::npos) {
        pointed = s;
        pointed[comma] = '.';
        s = pointed;
    }

    size_t i = 0;
    auto digits = [&] {
        const size_t from = i;
        while (i < s.size() && digit(s[i]))
            ++i;
        return i - from;
    };
    if (s[i] == '+' || s[i] == '-')
        ++i;
    size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    return textToNumber(s);
}

bool isGiven(std::string_view text)
{
    return !(text.empty() || text == " ");
}

std::string numberText(double x, int digits)
{
    if (!std::isfinite(x))
        return {};
    if (digits < 1)
        digits = 1;
    if (digits > 17)
        digits = 17;
    if (x == 0)
        return " 0";
    const std::string sign = x < 0 ? "-" : " ";

    // d.ddddde±x with the requested significant digits, rounded once.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, digits - 1);
    const std::string sci(buf, res.ptr);
    const size_t epos = sci.find('e');
    std::string sig;
    for (size_t k = 0; k < epos; ++k)
        if (digit(sci[k]))
            sig += sci[k];
    const int e = std::stoi(sci.substr(epos + 1));
    while (sig.size() > 1 && sig.back() == '0')
        sig.pop_back();

    if (e < -4 || e >= 15) {
        std::string s = sign + sig.substr(0, 1);
        if (sig.size() > 1) {
            s += '.';
            s.append(sig, 1);
        }
        const int ae = e < 0 ? -e : e;
        s += e < 0 ? "E-" : "E+";
        if (ae < 10)
            s += '0';
        return s + std::to_string(ae);
    }
    if (e >= 0) {
        const size_t intDigits = size_t(e) + 1;
        if (sig.size() <= intDigits)
            return sign + sig + std::string(intDigits - sig.size(), '0');
        std::string s = sign;
        s.append(sig, 0, intDigits);
        s += '.';
        s.append(sig, intDigits);
        return s;
    }
    std::string s = sign;
    s += '.';
    s.append(size_t(-e - 1), '0');
    return s + sig;
}

double round3(double x, double deg)
{
    return std::floor(x * 100000 / deg + 0.5) / 100000;
}

std::string addzeros(double Y)
{
    if (!std::isfinite(Y))
        return {};
    if (std::floor(Y) == Y)
        return numberText(Y) + ".00000";
    std::string s = numberText(Y);
    size_t point = 0;  // 1-based position of the last ".", 0 when none
    for (size_t k = 0; k < s.size(); ++k)
        if (s[k] == '.')
            point = k + 1;
    const long n = 5 - (long(s.size()) - long(point));
    if (n > 0)
        s.append(size_t(n), '0');
    return s;
}

}  // namespace morvel::navtext
