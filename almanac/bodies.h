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
/// "Al Na'ir" all find their star.
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

}  // namespace morvel::almanac
