#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

namespace morvel::cli {

void jsonNumber(std::string& out, double v)
{
    if (v == 0 || !std::isfinite(v))
        v = 0;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

void jsonString(std::string& out, const std::string& s)
{
    out += '"';
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xF];
            out += hex[c & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace morvel::cli
