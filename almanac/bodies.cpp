#include "almanac/bodies.h"

#include "almanac/stars.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace morvel::almanac {

namespace {

std::string key(std::string_view name)
{
    std::string k;
    for (const char c : name)
        if (c != ' ' && c != '\t' && c != '\'' && c != '.' && c != '-')
            k += char(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

/// The optimal string alignment distance: insertions, deletions,
/// substitutions and swaps of neighbours, each one edit.
size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<size_t> before(b.size() + 1), last(b.size() + 1), row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        last[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t change = a[i - 1] != b[j - 1];
            row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], before[j - 2] + 1);
        }
        std::swap(before, last);
        std::swap(last, row);
    }
    return last[b.size()];
}

/// Each spelling of a body: its name, then the catalogue's others.
template <class Each>
void spellings(const Body& b, Each each)
{
    each(b.name);
    if (!b.star)
        return;
    std::string_view also = b.star->also;
    while (!also.empty()) {
        const std::size_t slash = also.find('/');
        each(also.substr(0, slash));
        also = slash == std::string_view::npos ? std::string_view() : also.substr(slash + 1);
    }
}

std::vector<Body> makeBodies()
{
    std::vector<Body> list = {{BodyKind::aries, "Aries"},    {BodyKind::planet, "Venus"},
                              {BodyKind::planet, "Mars"},    {BodyKind::planet, "Jupiter"},
                              {BodyKind::planet, "Saturn"},  {BodyKind::sun, "Sun"},
                              {BodyKind::moon, "Moon"}};
    std::vector<Body> stars;
    for (const CatalogueStar& s : catalogue())
        stars.push_back({BodyKind::star, s.name, &s});
    std::sort(stars.begin(), stars.end(), [](const Body& a, const Body& b) {
        if ((a.star->number == 0) != (b.star->number == 0))
            return b.star->number == 0;
        return key(a.name) < key(b.name);
    });
    list.insert(list.end(), stars.begin(), stars.end());
    return list;
}

}  // namespace

std::span<const Body> bodies()
{
    static const std::vector<Body> list = makeBodies();
    return list;
}

std::optional<Body> findBody(std::string_view name)
{
    const std::string wanted = key(name);
    if (wanted.empty())
        return std::nullopt;
    for (const Body& b : bodies()) {
        bool found = false;
        spellings(b, [&](std::string_view s) { found = found || key(s) == wanted; });
        if (found)
            return b;
    }
    return std::nullopt;
}

std::optional<Body> nearestBody(std::string_view name)
{
    const std::string wanted = key(name);
    const size_t within = std::min<size_t>(2, wanted.size() / 3);
    std::optional<Body> nearest;
    size_t best = within + 1;
    for (const Body& b : bodies())
        spellings(b, [&](std::string_view s) {
            const std::string k = key(s);
            // The lengths alone set a bound: a long text is measured against none.
            const size_t apart = k.size() > wanted.size() ? k.size() - wanted.size() : wanted.size() - k.size();
            if (apart >= best)
                return;
            if (const size_t d = editDistance(wanted, k); d < best) {
                best = d;
                nearest = b;
            }
        });
    return nearest;
}

}  // namespace morvel::almanac
