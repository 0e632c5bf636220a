/// \file texts.h
/// \brief The rows of morvel-solve's triangle answers: the quantities of
/// each triangle with their captions, keys (JSON and CSV) and texts, and
/// the markers beside them. The texts themselves are the navigators'
/// (navtext/navtext.h). No Qt.
#pragma once

#include "cli/solve.h"
#include "gcs/composite.h"
#include "navtext/navtext.h"

#include <string>

namespace morvel::cli {

/// "Input", "Output" or "2 Outputs" beside a row, as in the windows.
const char* marker(bool given, int count);
/// A batch line's status: "ok" or "no solution".
const char* status(int count);

/// The celestial rows (latitude, LHA, declination, altitude, azimuth):
/// captions, keys (JSON and CSV) and the text of row's value x.
extern const char* const celestialCaptions[5];
extern const char* const celestialKeys[5];
std::string celestialText(int row, double x, bool decimal, bool typed);

/// The great-circle window's rows top to bottom, with their captions, keys
/// and texts.
extern const Row passageOrder[8];
const char* caption(Row row);
const char* key(Row row);
std::string passageText(Row row, const Passage& s, bool decimal, bool typed);
/// The longitude rows are shown only when a longitude was given.
bool shownRow(const PassageResult& r, Row row);
/// What the great circle of s saves on the rhumb line between the same
/// ends, as the two distances are shown: nautical miles to a tenth.
double milesSaved(const Passage& s);
/// How much longer the route c within a limit is than the great circle of
/// s, as the two distances are shown.
double milesLonger(const gcs::Composite& c, const Passage& s);

}  // namespace morvel::cli
