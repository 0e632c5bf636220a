// Fuzz target: the sight-reduction window's file on any bytes. What is read
// is written and read back the same (nothing lost on saving), and every
// row worked out is finite.
#include "sightlog/logbook.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace morvel::sightlog;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const LogbookFile read = readLogbook(in);
    if (read.badHeader)
        return 0;
    std::ostringstream out;
    writeLogbook(out, read.book, read.keys);
    std::istringstream back(out.str());
    const LogbookFile again = readLogbook(back);
    const DrTrack& d = read.book.dr;
    const bool plainDr = (d.position + d.time + d.course + d.speed).find_first_of(";\r\n") == std::string::npos;
    bool plainKeys = true;
    for (const LogKey& k : read.keys)
        plainKeys = plainKeys && k.value.find('\r') == std::string::npos;
    if (again.badHeader || !again.errors.empty() || again.book.rows != read.book.rows ||
        (plainDr && !(again.book.dr == d)) || (plainKeys && again.keys != read.keys)) {
        std::fprintf(stderr, "logbook: not the same after saving:\n%s\n", out.str().c_str());
        std::abort();
    }
    const Worked w = work(read.book);
    for (const RowResult& r : w.rows)
        if (r.status == RowStatus::reduced &&
            !(std::isfinite(r.reduction.corrections.ho) && std::isfinite(r.reduction.hc) &&
              std::isfinite(r.reduction.intercept)))
            std::abort();
    if (w.fix.found() && !(std::isfinite(w.fix.lat) && std::isfinite(w.fix.lon)))
        std::abort();
    return 0;
}
