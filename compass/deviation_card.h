/// \file deviation_card.h
/// \brief The deviation card: the classical coefficients fitted to the
/// deviations observed on several of the ship's headings, the deviation on
/// every heading, and how well each observation fits. No Qt.
///
/// Angles in radians: compass headings 0..2pi, deviations east positive
/// (compass.h). The deviation on compass heading theta is taken as
///   A + B sin theta + C cos theta + D sin 2 theta + E cos 2 theta
/// A the constant deviation (a lubber line out of the fore-and-aft line,
/// an azimuth mirror in error), B and C the semicircular deviation of the
/// ship's permanent magnetism (fore-and-aft and athwartships), D and E the
/// quadrantal deviation of its soft iron. The five are fitted to the
/// observations by least squares (a Householder QR factorisation of the
/// observations' equations, so that exact deviations give the coefficients
/// exactly); each observation's residual is its deviation less the
/// card's on its heading.
///
/// Five coefficients need five distinct headings: headings are distinct
/// when they differ by a degree or more (a compass heading is steered to
/// the degree). With fewer there is no card, and why. With exactly five
/// the card passes through every observation and nothing checks it: eight
/// or more headings spread round the compass are advised (advice says so).
/// Where two headings next to each other round the compass are more than
/// 180 degrees apart the card is extrapolated between them; gaps names
/// each such arc. A card that reaches a deviation over 90 degrees
/// (cardReach) on any heading is no card: no compass that deviates so is
/// steered by, and such a figure comes from headings bunched together, the
/// fit running wild where none was observed, or from a deviation mistyped.
#pragma once

#include "engine/angles.h"

#include <string>
#include <vector>

namespace morvel::compass {

/// One observation: the compass heading and the deviation found on it.
struct Swung {
    double heading = 0;
    double deviation = 0;
};

/// An arc of headings with no observation, from one heading clockwise to
/// the next.
struct Gap {
    double from = 0, to = 0;
};

struct DeviationCard {
    std::string why;  ///< why there is no card; empty when there is one
    bool ok() const { return why.empty(); }

    double A = 0, B = 0, C = 0, D = 0, E = 0;
    std::vector<double> residuals;  ///< one an observation, in their order
    int headings = 0;               ///< distinct headings observed
    std::string advice;             ///< with exactly five headings
    std::vector<Gap> gaps;          ///< arcs over 180 degrees

    /// The card's deviation on compass heading theta.
    double deviationOn(double theta) const;
};

/// The card from the observations.
DeviationCard deviationCard(const std::vector<Swung>& observations);

/// A gap in words: "no heading from 090° to 300° (210°): the card is
/// extrapolated there".
std::string gapText(const Gap& g);

/// The largest deviation a card may show, on any heading.
inline constexpr double cardReach = 90 * math::degree;

/// The headings a card is written for: every 15 degrees from 000.
inline constexpr int cardStepDegrees = 15;

}  // namespace morvel::compass
