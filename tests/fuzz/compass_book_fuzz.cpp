// Fuzz target: the compass window's azimuth book on any bytes. What is read
// is written and read back the same, nothing lost on saving: the DR, the
// rows, every line before the header and every note among the rows where
// it stood, the lines that could not be taken in kept and not taken in
// again. Every row checked and the card are finite.
#include "compass/book.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace morvel::compass;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const BookFile read = readBook(in);
    if (read.badHeader)
        return 0;
    std::ostringstream out;
    writeBook(out, read.book);
    std::istringstream back(out.str());
    const BookFile again = readBook(back);
    if (again.badHeader || again.errors.size() != read.errors.size() || !(again.book == read.book) ||
        again.keys != read.keys) {
        std::fprintf(stderr, "azimuth book: not the same after saving:\n%s\n", out.str().c_str());
        std::abort();
    }
    const Worked w = work(read.book);
    for (const RowResult& r : w.rows)
        if (r.status == RowStatus::checked &&
            !(std::isfinite(r.check.azimuth) && std::isfinite(r.check.error) &&
              (!r.check.deviation || std::isfinite(*r.check.deviation))))
            std::abort();
    if (w.card.ok() && !(std::isfinite(w.card.A) && std::isfinite(w.card.B) && std::isfinite(w.card.C) &&
                         std::isfinite(w.card.D) && std::isfinite(w.card.E)))
        std::abort();
    return 0;
}
