// Fuzz target: the number-to-text rule and the decimal-degrees display
// (round3, addzeros) on any 64-bit value. The input is the value's eight
// bytes, then one byte choosing the significant digits (1 to 17).
//
// Checked: a text for every finite value and none for the others; a blank
// or a minus sign first; no "nan" or "inf"; no zero before the point, no
// trailing zeros, no bare point; exponent form exactly outside 1E-04 up to
// 1E+15; at most the asked digits; and the text reads back, by the
// text-to-number rule, as the value rounded to those digits. For values a
// window can show, addzeros gives exactly five decimals that read back as
// round3's value.
#include "navtext/numtext.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, double x, const std::string& text)
{
    std::fprintf(stderr, "number-to-text: %s for %.17g: \"%s\"\n", what, x, text.c_str());
    std::abort();
}

bool digit(char c) { return c >= '0' && c <= '9'; }

void checkText(double x, int digits)
{
    using namespace morvel::navtext;
    const std::string s = numberText(x, digits);
    if (!std::isfinite(x)) {
        if (!s.empty())
            fail("text for a value that is not finite", x, s);
        return;
    }
    if (s.size() < 2 || s[0] != (x < 0 ? '-' : ' '))
        fail("sign", x, s);
    if (s.find("nan") != std::string::npos || s.find("inf") != std::string::npos)
        fail("nan or inf", x, s);

    const size_t e = s.find('E');
    const std::string mantissa = s.substr(1, e == std::string::npos ? std::string::npos : e - 1);
    // Significant: from the first digit that is not 0 to the last.
    std::string sig;
    for (char c : mantissa)
        if (digit(c) && (c != '0' || !sig.empty()))
            sig += c;
    while (!sig.empty() && sig.back() == '0')
        sig.pop_back();
    if (int(sig.size()) > digits)
        fail("too many digits", x, s);
    const size_t point = mantissa.find('.');
    if (point != std::string::npos) {
        if (point + 1 == mantissa.size() || mantissa.back() == '0')
            fail("trailing zeros or a bare point", x, s);
        if (point == 1 && mantissa[0] == '0')
            fail("a zero before the point", x, s);
    }

    // Rounded to `digits` significant digits: within half a unit of the
    // last, and the reading within one unit of the double's last bit.
    const double tolerance = std::abs(x) * (0.5 * std::pow(10.0, 1 - digits) + DBL_EPSILON);
    const TextNumber back = textToNumber(s);
    if (back.overflow) {
        // Only where rounding carries the text past the largest double.
        if (std::abs(x) + tolerance < DBL_MAX)
            fail("reads back as overflow", x, s);
        return;
    }
    const double v = back.value;
    const double a = std::abs(v);
    if (x != 0 && (e != std::string::npos) != (a < 1e-4 || a >= 1e15))
        fail("exponent form at the wrong magnitude", x, s);
    if (std::abs(x) < DBL_MIN)
        return;  // subnormal values may read back as 0
    if (digits == 17 ? v != x : !(std::abs(v - x) <= tolerance))
        fail("does not read back", x, s);
}

void checkDegrees(double x)
{
    using namespace morvel::navtext;
    const double deg = std::atan(1.0) * 4 / 180;
    // Values a window can show: an angle of at most a few turns.
    if (!(std::abs(x) <= 1e3))
        return;
    const double Y = round3(x, deg);
    const std::string s = addzeros(Y);
    if (!std::isfinite(Y) || s.empty())
        fail("no degrees text", x, s);
    if (Y != 0 && std::abs(Y) < 1e-4)
        return;  // exponent form, no zeros
    const size_t point = s.find('.');
    if (point == std::string::npos || s.size() - point - 1 != 5)
        fail("not five decimals", x, s);
    if (textToNumber(s).value != Y)
        fail("degrees do not read back", x, s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(double))
        return 0;
    double x;
    std::memcpy(&x, data, sizeof x);
    const int digits = size > sizeof x ? 1 + data[sizeof x] % 17 : 15;
    checkText(x, digits);
    checkText(double(float(x)), 7);
    checkDegrees(x);
    return 0;
}
