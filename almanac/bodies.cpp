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
        if (key(b.name) == wanted)
            return b;
        if (!b.star)
            continue;
        std::string_view also = b.star->also;
        while (!also.empty()) {
            const std::size_t slash = also.find('/');
            if (key(also.substr(0, slash)) == wanted)
                return b;
            also = slash == std::string_view::npos ? std::string_view() : also.substr(slash + 1);
        }
    }
    return std::nullopt;
}

}  // namespace morvel::almanac
