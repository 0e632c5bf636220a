#include "cli/batch.h"

#include "cli/almanac.h"
#include "cli/problem.h"
#include "cli/report.h"
#include "cli/solve.h"
#include "navtext/navtext.h"
#include "sightlog/csv_reader.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace morvel::cli {

int runBatch(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err, const Style& style)
{
    sightlog::CsvReader reader(in);
    auto fatal = [&](int line, const std::string& why) {
        err << "morvel-solve: " << name;
        if (line > 0)
            err << ':' << line;
        err << ": " << why << '\n';
        return 2;
    };

    std::vector<std::string> cells;
    if (!reader.header(cells))
        return fatal(0, "no header line naming the columns (lat,lha,dec or from_lat,from_lon,to_lat,to_lon, ... or "
                        "body,at)");
    if (reader.fault() == sightlog::LineFault::tooLong)
        return fatal(reader.line(), "the header is " + reader.why());
    if (reader.fault() != sightlog::LineFault::none)
        return fatal(reader.line(), reader.why() + " in the header");
    if (isAlmanacHeader(cells)) {
        if (style.spacing > 0)
            return fatal(0, "--waypoints belong to the great circle, not the almanac");
        return runAlmanacBatch(reader, cells, name, {style.decimal, style.json, 0}, out, err);
    }
    int number = reader.line();
    std::vector<Field> columns;
    for (const std::string& c : cells) {
        const std::optional<Field> f = fieldOfColumn(c);
        if (!f)
            return fatal(number, "unknown column " + navtext::quoted(c) +
                                     "; the columns are lat, lha, dec, alt, zn for the celestial triangle, or from, "
                                     "to, from_lat, from_lon, to_lat, to_lon, dlo, distance, course for the great "
                                     "circle, or body, at and optionally dut1 for the almanac");
        for (Field g : columns) {
            if (g == *f)
                return fatal(number, "column " + navtext::quoted(c) + " twice");
            if (isCelestial(g) != isCelestial(*f))
                return fatal(number, "columns of the celestial triangle and of the great circle together ('" +
                                         columnName(g) + "', " + navtext::quoted(c) + "): solve one kind a file");
        }
        columns.push_back(*f);
    }
    const bool celestial = isCelestial(columns.front());
    if (style.spacing > 0 && !style.json)
        return fatal(0, "waypoints in a batch need --json (a CSV answer has one line a problem)");
    if (style.spacing > 0 && celestial)
        return fatal(0, "--waypoints belong to the great circle, not the celestial triangle");

    // Each answer goes out as its line is read: a batch of any length is
    // answered in the memory of one line.
    std::string answer = style.json ? std::string() : csvHeader(celestial);
    int bad = 0, unsolved = 0;
    std::vector<Entry> entries;
    while (reader.next(cells)) {
        number = reader.line();
        std::string why = reader.why();
        std::optional<Problem> problem;
        if (why.empty()) {
            entries.clear();
            for (size_t i = 0; i < cells.size(); ++i)
                if (!cells[i].empty())
                    entries.push_back({columns[i], cells[i]});
            ProblemRead p = readProblem(entries, true);
            why = std::move(p.error);
            problem = std::move(p.problem);
            if (problem && style.spacing > 0)
                why = waypointsRefused(*problem, true);
        }
        if (!why.empty()) {
            ++bad;
            if (style.json)
                writeJsonError(answer, number, why);
            else
                writeCsvError(answer, number, why, celestial);
        } else {
            const Answer a = answerOf(*problem, style.spacing);
            unsolved += a.count() == 0;
            if (style.json)
                write(answer, a, style, number);
            else
                writeCsv(answer, number, a, style.decimal);
        }
        out.write(answer.data(), std::streamsize(answer.size()));
        answer.clear();
    }
    out.write(answer.data(), std::streamsize(answer.size()));
    out.flush();
    if (bad || unsolved)
        err << "morvel-solve: " << name << ": " << bad << (bad == 1 ? " line" : " lines") << " with errors, "
            << unsolved << " without solution\n";
    return bad ? 2 : unsolved ? 1 : 0;
}

}  // namespace morvel::cli
