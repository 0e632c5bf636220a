// Fuzz target: the sight-reduction window's file on any bytes. What is read
// is written and read back the same, nothing lost on saving: the DR, the
// rows, every line before the header and every note among the rows where
// it stood, the lines that could not be taken in kept and not taken in
// again. Every row worked out is finite. The file saved, read as
// morvel-solve reads it, times and measures every row the window reduced
// as the window did: the same instant (UT, by the watch or not) and Hs,
// in the same order.
#include "sightlog/logbook.h"
#include "sightlog/sight_log.h"

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
    writeLogbook(out, read.book);
    std::istringstream back(out.str());
    const LogbookFile again = readLogbook(back);
    if (again.badHeader || again.errors.size() != read.errors.size() || !(again.book == read.book) ||
        again.keys != read.keys) {
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
    std::istringstream solved(out.str());
    const SightLog log = readSightLog(solved);
    size_t at = 0;
    for (const morvel::sight::Sight& s : w.sights) {
        while (at < log.sights.size() && !(log.sights[at].when.jdUT1() == s.when.jdUT1() && log.sights[at].hs == s.hs))
            ++at;
        if (at == log.sights.size()) {
            std::fprintf(stderr, "logbook: a sight the window reduced is not read so from its file:\n%s\n",
                         out.str().c_str());
            std::abort();
        }
        ++at;
    }
    return 0;
}
