/// \file sight_texts.h
/// \brief What a reduced sight says in words, the same in morvel-solve and
/// the sight window: its corrections one after the other, and the warning
/// below 5 degrees of apparent altitude. No Qt.
#pragma once

#include "sight/corrections.h"

#include <string>

namespace morvel::sightlog {

/// What is said of a sight whose apparent altitude is below 5 degrees.
extern const char* const lowAltitudeWarning;

/// A sight's corrections in minutes of arc, signed as added, one after the
/// other: "IC -1.5', dip -6.1', refraction -1.9', SD +16.3', parallax
/// +0.1'".
std::string correctionsText(const sight::Corrections& k);

}  // namespace morvel::sightlog
