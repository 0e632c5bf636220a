/// \file bodies.h
/// \brief The bodies of a nautical almanac and finding one by name. No Qt.
///
/// Order: the daily page's, Aries, Venus, Mars, Jupiter, Saturn, Sun, Moon,
/// then the 57 navigational stars alphabetically as the almanac lists them
/// (Acamar ... Zuben'ubi; Al Na'ir between Alkaid and Alnilam), then
/// Polaris.
///
/// Names are matched without regard to case, blanks, apostrophes, full
/// stops and hyphens, against the name and the other spellings of the
/// catalogue: "rigil kent", "RIGIL KENT.", "Zubenelgenubi", "alnair" and
/// "Al Na'ir" all find their star. For a near miss, nearestBody names the
/// body meant.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace morvel::almanac {

struct CatalogueStar;

enum class BodyKind { aries, planet, sun, moon, star };

struct Body {
    BodyKind kind;
    std::string_view name;
    /// The star's entry in the catalogue; null for the others.
    const CatalogueStar* star = nullptr;
};

/// Every body, in the order above.
std::span<const Body> bodies();

/// The body of that name, or nothing.
std::optional<Body> findBody(std::string_view name);

/// The body whose name (or other spelling) is nearest to name, matched as
/// findBody matches, by edit distance: a letter added, dropped or changed,
/// or two beside each other swapped, is one edit. Nothing when the nearest
/// is more than 2 edits away or more than a third of the name's letters
/// ("Capela" is Capella, "Betelguese" Betelgeuse, "Foo" nothing). A tie
/// goes to the body first in the order above.
std::optional<Body> nearestBody(std::string_view name);

}  // namespace morvel::almanac
