/// \file json_writer.h
/// \brief The few pieces of JSON morvel-solve writes: numbers, strings and
/// objects of "name":value pairs. No Qt.
#pragma once

#include <string>
#include <vector>

namespace morvel::cli {

/// A finite number as its shortest round-trip text; 0 for anything else.
void jsonNumber(std::string& out, double v);
/// A string in double quotes, with quotes, backslashes and control
/// characters escaped.
void jsonString(std::string& out, const std::string& s);

/// "name":value pairs of one object, separated by commas.
struct JsonObject {
    std::string& out;
    bool first = true;

    explicit JsonObject(std::string& o) : out(o) { out += '{'; }
    void key(const char* k)
    {
        if (!first)
            out += ',';
        first = false;
        jsonString(out, k);
        out += ':';
    }
    void number(const char* k, double v)
    {
        key(k);
        jsonNumber(out, v);
    }
    void text(const char* k, const std::string& v)
    {
        key(k);
        jsonString(out, v);
    }
    void close() { out += '}'; }
};

/// "key":[...], a JSON array of one object an item, each written by write.
template <class T, class Write>
void jsonArray(JsonObject& o, const char* key, const std::vector<T>& items, Write write)
{
    o.key(key);
    o.out += '[';
    for (const T& item : items) {
        if (&item != &items.front())
            o.out += ',';
        JsonObject b(o.out);
        write(b, item);
        b.close();
    }
    o.out += ']';
}

}  // namespace morvel::cli
