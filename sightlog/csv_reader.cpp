#include "sightlog/csv_reader.h"

namespace morvel::sightlog {

namespace {

std::string_view trim(std::string_view s)
{
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
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

}  // namespace

/// The cells of one CSV line, blanks around them dropped; a cell in double
/// quotes may hold commas and doubled quotes. False for an unclosed quote.
bool splitCsvLine(std::string_view line, std::vector<std::string>& cells)
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

bool csvSkipped(std::string_view line)
{
    const std::string_view t = trim(line);
    return t.empty() || t.front() == '#';
}

CsvReader::CsvReader(std::istream& in) : data_(slurp(in))
{
    if (data_.starts_with("\xEF\xBB\xBF"))
        pos_ = 3;
}

bool CsvReader::next(std::vector<std::string>& cells, bool& unclosed)
{
    while (pos_ < data_.size()) {
        size_t end = data_.find('\n', pos_);
        if (end == std::string::npos)
            end = data_.size();
        std::string_view line = std::string_view(data_).substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos_ = end + 1;
        ++number_;
        if (csvSkipped(line))
            continue;
        unclosed = !splitCsvLine(line, cells);
        return true;
    }
    return false;
}

}  // namespace morvel::sightlog
