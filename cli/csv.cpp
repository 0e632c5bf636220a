#include "cli/report.h"

#include <algorithm>

namespace morvel::cli {

using namespace navtext;

namespace {

void csvField(std::string& out, const std::string& s)
{
    out += ',';
    csvCell(out, s);
}

void writeCsvLine(std::string& out, int line, const CelestialResult& r, bool dec)
{
    out += std::to_string(line);
    csvField(out, status(r.count));
    csvField(out, std::to_string(r.count));
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < 5; ++i)
            csvField(out, k < r.count ? celestialText(i, r.sets[size_t(k)][size_t(i)], dec, r.given[size_t(i)])
                                      : std::string());
    csvField(out, r.count == 0 ? r.message : r.manyOther ? "Many Other Solutions" : "");
    out += '\n';
}

void writeCsvLine(std::string& out, int line, const PassageResult& r, bool dec)
{
    out += std::to_string(line);
    csvField(out, status(r.count));
    csvField(out, std::to_string(r.count));
    for (int k = 0; k < 2; ++k)
        for (Row row : passageOrder)
            csvField(out, k < r.count && shownRow(r, row)
                              ? passageText(row, r.sets[size_t(k)], dec, r.given[size_t(row)])
                              : std::string());
    csvField(out, r.count == 0 ? r.message : r.manyOther ? "Many Other Solutions" : "");
    out += '\n';
}

}  // namespace

void csvCell(std::string& out, std::string_view s)
{
    // A plain loop: find_first_of searches its set once for every character.
    if (std::none_of(s.begin(), s.end(), [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; })) {
        out += s;
        return;
    }
    out += '"';
    for (char c : s) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string csvHeader(bool celestial)
{
    std::string h = "line,status,solutions";
    for (const char* suffix : {"", "_2"}) {
        if (celestial)
            for (const char* k : celestialKeys)
                h += std::string(",") + k + suffix;
        else
            for (Row row : passageOrder)
                h += std::string(",") + key(row) + suffix;
    }
    return h + ",remark\n";
}

void writeCsv(std::string& out, int line, const Answer& a, bool dec)
{
    std::visit([&](const auto& r) { writeCsvLine(out, line, r, dec); }, a.result);
}

void writeCsvError(std::string& out, int line, const std::string& why, bool celestial)
{
    out += std::to_string(line);
    csvField(out, "error");
    csvField(out, "");
    for (int i = 0; i < (celestial ? 10 : 16); ++i)
        out += ',';
    csvField(out, why);
    out += '\n';
}

}  // namespace morvel::cli
