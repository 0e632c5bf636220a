// Fuzz target: the sight log on any bytes, through morvel-solve --sights in
// text and JSON. Every line that is neither blank nor a comment, after the
// header, is either a sight or a reported error, each once; a comment
// refused is a date, zone or watch error line, refused once; every value
// read and reduced is finite; no output shows nan or inf.
#include "cli/sights.h"
#include "sight/fix.h"
#include "sightlog/sight_log.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace {

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "sight log: %s for \"%.*s\"\n", what, int(text.size()), text.data());
    std::abort();
}

/// The lines the reader must account for, by number: not blank, not a
/// comment, after the first such line (the header); and the comments that
/// may be refused, the clock's `# key: value` lines.
struct Lines {
    std::set<int> records, clock;
};

Lines linesOf(std::string_view data)
{
    if (data.starts_with("\xEF\xBB\xBF"))
        data.remove_prefix(3);
    Lines lines;
    int number = 0;
    bool header = true;
    size_t pos = 0;
    while (pos < data.size()) {
        // A line ends with LF, CR LF or CR alone.
        size_t end = data.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = data.size();
        std::string_view line = data.substr(pos, end - pos);
        pos = end + (data.substr(end, 2) == "\r\n" ? 2 : 1);
        ++number;
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') {
            const auto key = morvel::sightlog::keyOf(line);
            if (key && morvel::sightlog::clockKeyOf(key->key))
                lines.clock.insert(number);
            continue;
        }
        if (!std::exchange(header, false))
            lines.records.insert(number);
    }
    return lines;
}

bool finite(const morvel::sight::Sight& s)
{
    return std::isfinite(s.hs) && std::isfinite(s.drLat) && std::isfinite(s.drLon) &&
           std::isfinite(s.conditions.ic) && std::isfinite(s.conditions.eye) &&
           std::isfinite(s.conditions.temperature) && std::isfinite(s.conditions.pressure);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const morvel::sightlog::SightLog log = morvel::sightlog::readSightLog(in);
    if (!log.badHeader) {
        const Lines lines = linesOf(text);
        std::set<int> seen, comments;
        for (int l : log.lines)
            if (!seen.insert(l).second)
                fail("a line read twice", text);
        for (const auto& e : log.errors) {
            const bool comment = !lines.records.count(e.line);
            if (comment && !lines.clock.count(e.line))
                fail("a comment refused that is no date, zone or watch error", text);
            if (!(comment ? comments : seen).insert(e.line).second)
                fail("a line both read and refused, or refused twice", text);
        }
        if (seen != lines.records)
            fail("a line neither read nor refused", text);
    }
    for (const auto& s : log.sights) {
        if (!finite(s))
            fail("a sight not finite", text);
        const auto r = morvel::sight::reduce(s);
        if (r.ok() && !(std::isfinite(r.corrections.ho) && std::isfinite(r.hc) && std::isfinite(r.zn) &&
                        std::isfinite(r.intercept)))
            fail("a reduction not finite", text);
    }
    for (const bool json : {false, true}) {
        std::istringstream again(text);
        std::ostringstream out, err;
        morvel::cli::runSights(again, "fuzz", {false, json, 0.5}, out, err);
        // The errors repeat what was written; the numbers are elsewhere.
        std::string shown = out.str();
        const size_t errors = shown.find("\"errors\":["), fix = shown.find("],\"fix\":");
        if (json && errors != std::string::npos && fix != std::string::npos)
            shown.erase(errors, fix - errors);
        if (shown.find("nan") != std::string::npos || shown.find("inf") != std::string::npos)
            fail("nan or inf shown", text);
    }
    return 0;
}
