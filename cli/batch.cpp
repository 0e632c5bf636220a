#include "cli/batch.h"

#include "cli/problem.h"
#include "cli/report.h"
#include "cli/solve.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace morvel::cli {

namespace {

std::string_view trim(std::string_view s)
{
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

/// The cells of one CSV line, blanks around them dropped; a cell in double
/// quotes may hold commas and doubled quotes. False for an unclosed quote.
bool split(std::string_view line, std::vector<std::string>& cells)
{
    cells.clear();
    size_t i = 0;
    while (true) {
        std::string cell;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size())
                    return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        cell += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += line[i];
            }
            const size_t comma = line.find(',', i);
            if (!trim(line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i)).empty())
                return false;
            i = comma;
        } else {
            const size_t comma = line.find(',', i);
            cell = trim(line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i));
            i = comma;
        }
        cells.push_back(std::move(cell));
        if (i == std::string_view::npos)
            return true;
        ++i;
    }
}

/// Reads all of in.
std::string slurp(std::istream& in)
{
    std::string data;
    char buf[1 << 16];
    while (in.read(buf, sizeof buf) || in.gcount() > 0)
        data.append(buf, size_t(in.gcount()));
    return data;
}

bool skipped(std::string_view line)
{
    const std::string_view t = trim(line);
    return t.empty() || t.front() == '#';
}

}  // namespace

int runBatch(std::istream& in, const std::string& name, std::ostream& out, std::ostream& err,
             const BatchOptions& options)
{
    const std::string data = slurp(in);
    auto fatal = [&](int line, const std::string& why) {
        err << "morvel-solve: " << name;
        if (line > 0)
            err << ':' << line;
        err << ": " << why << '\n';
        return 2;
    };

    // The lines, each without its end (LF or CR LF), after the byte-order
    // mark that some spreadsheets write first.
    size_t pos = data.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    int number = 0;
    auto nextLine = [&](std::string_view& line) {
        if (pos >= data.size())
            return false;
        size_t end = data.find('\n', pos);
        if (end == std::string::npos)
            end = data.size();
        line = std::string_view(data).substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos = end + 1;
        ++number;
        return true;
    };

    std::string_view line;
    std::vector<std::string> cells;
    while (nextLine(line) && skipped(line)) {
    }
    if (skipped(line))
        return fatal(0, "no header line naming the columns (lat,lha,dec or from_lat,from_lon,to_lat,to_lon, ...)");
    if (!split(line, cells))
        return fatal(number, "an unclosed quote in the header");
    std::vector<Field> columns;
    for (const std::string& c : cells) {
        const std::optional<Field> f = fieldOfColumn(c);
        if (!f)
            return fatal(number, "unknown column '" + c +
                                     "'; the columns are lat, lha, dec, alt, zn for the celestial triangle, or from, "
                                     "to, from_lat, from_lon, to_lat, to_lon, dlo, distance, course for the great "
                                     "circle");
        for (Field g : columns) {
            if (g == *f)
                return fatal(number, "column '" + c + "' twice");
            if (isCelestial(g) != isCelestial(*f))
                return fatal(number, "columns of the celestial triangle and of the great circle together ('" +
                                         columnName(g) + "', '" + c + "'): solve one kind a file");
        }
        columns.push_back(*f);
    }
    const bool celestial = isCelestial(columns.front());
    if (options.spacing > 0 && !options.json)
        return fatal(0, "waypoints in a batch need --json (a CSV answer has one line a problem)");
    if (options.spacing > 0 && celestial)
        return fatal(0, "--waypoints belong to the great circle, not the celestial triangle");

    const Style style{options.decimal, options.json, options.spacing};
    std::string buffer = options.json ? std::string() : csvHeader(celestial);
    int bad = 0, unsolved = 0;
    std::vector<Entry> entries;
    while (nextLine(line)) {
        if (skipped(line))
            continue;
        std::string why;
        if (!split(line, cells))
            why = "an unclosed quote";
        else if (cells.size() > columns.size())
            why = std::to_string(cells.size()) + " cells for " + std::to_string(columns.size()) + " columns";
        std::optional<Problem> problem;
        if (why.empty()) {
            entries.clear();
            for (size_t i = 0; i < cells.size(); ++i)
                if (!cells[i].empty())
                    entries.push_back({columns[i], std::move(cells[i])});
            ProblemRead p = readProblem(entries, true);
            why = p.error;
            problem = std::move(p.problem);
            if (problem && options.spacing > 0)
                why = waypointsRefused(*problem, true);
        }
        if (!why.empty()) {
            ++bad;
            if (options.json)
                writeJsonError(buffer, number, why);
            else
                writeCsvError(buffer, number, why, celestial);
        } else {
            const Answer a = answerOf(*problem, style.spacing);
            unsolved += a.count() == 0;
            if (options.json)
                write(buffer, a, style, number);
            else
                writeCsv(buffer, number, a, options.decimal);
        }
        if (buffer.size() > (1 << 20)) {
            out.write(buffer.data(), std::streamsize(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), std::streamsize(buffer.size()));
    out.flush();
    if (bad || unsolved)
        err << "morvel-solve: " << name << ": " << bad << (bad == 1 ? " line" : " lines") << " with errors, "
            << unsolved << " without solution\n";
    return bad ? 2 : unsolved ? 1 : 0;
}

}  // namespace morvel::cli
