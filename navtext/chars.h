/// \file chars.h
/// \brief The characters the readers of navtext.h sort a text by, and a
/// text without the blanks around it: shared by read.cpp and time.cpp, not
/// part of the library's interface. ASCII alone, whatever the locale.
#pragma once

#include <string_view>

namespace morvel::navtext::chars {

inline bool blank(char c) { return c == ' ' || c == '\t'; }
inline bool digit(char c) { return c >= '0' && c <= '9'; }

/// The text without the blanks around it.
inline std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

}  // namespace morvel::navtext::chars
