#include "sightlog/csv_reader.h"

#include "navtext/say.h"

#include <algorithm>
#include <ostream>

namespace morvel::sightlog {

namespace {

/// What is taken from the stream at a time, at most.
constexpr size_t chunk = 64 * 1024;

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s)
{
    // By hand: find_first_not_of searches its set anew for every character.
    size_t first = 0, last = s.size();
    while (first < last && blank(s[first]))
        ++first;
    while (last > first && blank(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

/// The cell from, into cells (whose strings are used again: a batch of a
/// million lines need not allocate a million times).
void put(std::vector<std::string>& cells, size_t& count, std::string_view cell)
{
    if (count < cells.size())
        cells[count].assign(cell);
    else
        cells.emplace_back(cell);
    ++count;
}

/// The cells of one CSV line, blanks around them dropped; a cell in double
/// quotes may hold commas and doubled quotes. False for an unclosed quote.
bool split(std::string_view line, std::vector<std::string>& cells)
{
    size_t count = 0;
    std::string quoted;
    size_t i = 0;
    bool closed = true;
    while (true) {
        while (i < line.size() && blank(line[i]))
            ++i;
        size_t comma;
        if (i < line.size() && line[i] == '"') {
            quoted.clear();
            closed = false;
            for (++i; i < line.size(); ++i) {
                if (line[i] != '"') {
                    quoted += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    quoted += '"';
                    ++i;
                } else {
                    ++i;
                    closed = true;
                    break;
                }
            }
            comma = line.find(',', i);
            if (!closed || !trim(line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i))
                                 .empty()) {
                put(cells, count, quoted);
                cells.resize(count);
                return false;
            }
            put(cells, count, quoted);
        } else {
            comma = line.find(',', i);
            put(cells, count, trim(line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i)));
        }
        if (comma == std::string_view::npos)
            break;
        i = comma + 1;
    }
    cells.resize(count);
    return true;
}

bool skipped(std::string_view line)
{
    const std::string_view t = trim(line);
    return t.empty() || t.front() == '#';
}

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in.rdbuf()), tie_(in.tie()), buffer_(chunk)
{
}

bool CsvReader::fill()
{
    pos_ = end_ = 0;
    if (!in_)
        return false;
    try {
        std::streamsize ready = in_->in_avail();
        if (ready <= 0) {
            // About to wait for more: what was answered so far goes out
            // first, as a stream tied to its input does.
            if (tie_)
                tie_->flush();
            if (std::char_traits<char>::eq_int_type(in_->sgetc(), std::char_traits<char>::eof()))
                return false;
            ready = std::max<std::streamsize>(in_->in_avail(), 1);
        }
        end_ = size_t(in_->sgetn(buffer_.data(), std::min<std::streamsize>(ready, std::streamsize(buffer_.size()))));
    } catch (...) {
        // A file that cannot be read further ends here, as the stream's own
        // reading would end it.
        in_ = nullptr;
        end_ = 0;
    }
    return end_ > 0;
}

bool CsvReader::readLine()
{
    line_.clear();
    longLine_ = false;
    bool any = false;
    while (true) {
        if (pos_ == end_ && !fill())
            return any;
        if (afterCr_) {
            // The LF of a CR LF.
            afterCr_ = false;
            if (buffer_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        const char* const from = buffer_.data() + pos_;
        const char* const to = buffer_.data() + end_;
        const char* p = from;
        while (p < to && *p != '\n' && *p != '\r')
            ++p;
        const size_t length = size_t(p - from);
        if (passing_) {
            // The rest of a line too long, passed over as it comes.
            if (p < to) {
                passing_ = false;
                afterCr_ = *p == '\r';
                ++p;
            }
            pos_ = size_t(p - buffer_.data());
            continue;
        }
        any = true;
        const size_t room = maxLineBytes - line_.size();
        if (length > room) {
            // Given at once, not when its end comes, which may be never.
            line_.append(from, room);
            longLine_ = passing_ = true;
            pos_ += room;
            return true;
        }
        line_.append(from, length);
        if (p < to) {
            afterCr_ = *p == '\r';
            pos_ = size_t(p - buffer_.data()) + 1;
            return true;
        }
        pos_ = end_;
    }
}

bool CsvReader::record(const Passed& passed)
{
    while (readLine()) {
        ++number_;
        if (number_ == 1 && line_.starts_with("\xEF\xBB\xBF"))
            line_.erase(0, 3);
        fault_ = longLine_ ? LineFault::tooLong : LineFault::none;
        if (longLine_ || !skipped(line_))
            return true;
        if (passed)
            passed(line_);
    }
    fault_ = LineFault::none;
    return false;
}

bool CsvReader::header(std::vector<std::string>& names, const Passed& passed)
{
    if (!record(passed))
        return false;
    if (fault_ == LineFault::tooLong)
        names.clear();
    else if (!split(line_, names))
        fault_ = LineFault::unclosedQuote;
    width_ = cells_ = names.size();
    return true;
}

bool CsvReader::next(std::vector<std::string>& cells, const Passed& passed)
{
    if (!record(passed))
        return false;
    if (fault_ == LineFault::tooLong)
        cells.clear();
    else if (!split(line_, cells))
        fault_ = LineFault::unclosedQuote;
    else if (width_ > 0 && cells.size() > width_)
        fault_ = LineFault::tooManyCells;
    cells_ = cells.size();
    return true;
}

std::string CsvReader::why() const
{
    switch (fault_) {
    case LineFault::none: return {};
    case LineFault::unclosedQuote: return navtext::say(MORVEL_TR("sightlog", "an unclosed quote"));
    case LineFault::tooLong:
        return navtext::say(MORVEL_TR("sightlog", "longer than %1 bytes"), {std::to_string(maxLineBytes)});
    case LineFault::tooManyCells:
        return navtext::say(MORVEL_TR("sightlog", "%1 cells for %2 columns"),
                            {std::to_string(cells_), std::to_string(width_)});
    }
    return {};
}

bool sameName(std::string_view cell, std::string_view name)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return cell.size() == name.size() && std::equal(cell.begin(), cell.end(), name.begin(),
                                                    [&](char a, char b) { return lower(a) == lower(b); });
}

}  // namespace morvel::sightlog
