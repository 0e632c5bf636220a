/// \file sight_texts.h
/// \brief A sight in words, the same in morvel-solve and the sight window:
/// its limb read as navigators write it, a body's name that is none, its
/// corrections one after the other, and the warning below 5 degrees of
/// apparent altitude. No Qt.
#pragma once

#include "sight/corrections.h"
#include "sight/reduction.h"

#include <optional>
#include <string>
#include <string_view>

namespace morvel::sightlog {

/// A limb: lower, upper, centre or center in any case, or LL and UL;
/// nothing when the text is none of them.
std::optional<sight::Limb> readLimb(std::string_view text);
/// What readLimb takes, for messages.
std::string limbsAllowed();

/// What is said of an intercept over sight::interceptWarning: "the
/// intercept is 46.8 nm: the DR may be far off, or the sight mistaken (the
/// fix is worked from it all the same)"; empty for one within it.
std::string farInterceptText(double miles);

/// A body's name that finds none: "no body 'Capela'; did you mean
/// Capella?" when one is near (almanac::nearestBody; Aries only where
/// aries is set), else "no body 'Foo'", or with otherwise (what may be
/// named) "no body 'Foo'; Sun, Moon, ...".
std::string noBodyText(std::string_view name, std::string_view otherwise, bool aries);

/// What is said of a sight whose apparent altitude is below 5 degrees.
std::string lowAltitudeWarning();

/// A sight's corrections in minutes of arc, signed as added, one after the
/// other: "IC -1.5', dip -6.1', refraction -1.9', SD +16.3', parallax
/// +0.1'".
std::string correctionsText(const sight::Corrections& k);

}  // namespace morvel::sightlog
