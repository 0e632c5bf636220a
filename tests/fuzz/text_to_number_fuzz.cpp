// Fuzz target: the text-to-number rule on any text. The value is compared
// with a reference reading: all blanks struck out, the longest leading
// "sign, digits with at most one point, exponent with digits" taken, and
// that read by the C library's strtod. The result is always finite, never
// a negative zero, and 0 with the overflow flag exactly where strtod
// overflows.
#include "navtext/numtext.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

/// The leading number of the text with its blanks struck out; empty when
/// there is none.
std::string referenceNumber(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t')
            s += c;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool point = false;
    int digits = 0;
    for (; i < s.size(); ++i) {
        if (digit(s[i]))
            ++digits;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return {};
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        size_t k = j;
        while (k < s.size() && digit(s[k]))
            ++k;
        if (k > j)
            end = k;
    }
    return s.substr(0, end);
}

[[noreturn]] void fail(const char* what, std::string_view text, double got, double want)
{
    std::fprintf(stderr, "text-to-number: %s for \"%.*s\": got %.17g, want %.17g\n", what, int(text.size()),
                 text.data(), got, want);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const morvel::navtext::TextNumber n = morvel::navtext::textToNumber(text);
    if (!std::isfinite(n.value))
        fail("not finite", text, n.value, 0);
    if (n.value == 0 && std::signbit(n.value))
        fail("negative zero", text, n.value, 0);

    const std::string ref = referenceNumber(text);
    const double want = ref.empty() ? 0 : std::strtod(ref.c_str(), nullptr);
    if (std::isinf(want)) {
        if (!n.overflow || n.value != 0)
            fail("no overflow", text, n.value, want);
        return 0;
    }
    if (n.overflow)
        fail("overflow", text, n.value, want);
    // A number below the smallest normal double may read as 0.
    const bool subnormal = want != 0 && std::abs(want) < DBL_MIN;
    if (n.value != want && !(subnormal && n.value == 0))
        fail("wrong value", text, n.value, want);
    return 0;
}
