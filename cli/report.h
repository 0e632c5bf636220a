/// \file report.h
/// \brief What morvel-solve prints: the texts of angles and distances as
/// the calculator windows show them, and a result as plain text, JSON or a
/// CSV line. No Qt.
///
/// Texts. Degrees and minutes are the degrees-and-minutes window's
/// (calc::degMinText: whole degrees, minutes to a tenth, halves up, 60.0
/// minutes carried); with decimal, the decimal-degrees window's five
/// decimals (calc::round3 and calc::addzeros). The window's leading blank
/// is dropped and the hemisphere buttons become a letter: N when the value
/// is above 0, else S (exactly 0 is S, as in the windows); E above 0, else
/// W. Only the altitude carries a sign ("-0°30'" is half a degree below the
/// horizon). Distances are nautical miles to a tenth (gcs::shownMiles).
///
///   40°12.3'N   351°41.9'   -0°30'   40.20500N   2999.4
///
/// JSON numbers are decimal degrees with the decimal window's rounding,
/// signed north and east positive (the DLo east positive), and nautical
/// miles to a tenth.
#pragma once

#include "cli/route.h"
#include "cli/solve.h"

#include <string>
#include <vector>

namespace morvel::cli {

/// typed: the value was given, and keeps the letter it was given with (0N
/// stays N); a result of exactly 0 is S or W, as in the windows.
std::string latitudeText(double x, bool decimal, bool typed = false);
std::string longitudeText(double x, bool decimal, bool typed = false);
std::string altitudeText(double x, bool decimal);
/// LHA, azimuth and courses, 0 to 360 degrees.
std::string circleText(double x, bool decimal);
/// A DLo's magnitude with E or W.
std::string dloText(double dlo, bool east, bool decimal);
/// Nautical miles to a tenth.
std::string milesText(double miles);

/// One problem's answer, a line each.
void writePlain(std::string& out, const CelestialResult& r, bool decimal);
void writePlain(std::string& out, const PassageResult& r, const Routes* routes, bool decimal);

/// One problem's answer as one JSON object on one line; line, when above 0,
/// is the input line it answers (batch).
void writeJson(std::string& out, const CelestialResult& r, int line);
void writeJson(std::string& out, const PassageResult& r, const Routes* routes, int line);
void writeJsonError(std::string& out, int line, const std::string& why);

/// How an answer is written: the windows' degrees and minutes or five
/// decimals, plain text or JSON, waypoints every spacing degrees (0 none).
struct Style {
    bool decimal = false;
    bool json = false;
    double spacing = 0;
};

/// Solves p and writes its answer in style; line above 0 numbers a batch's
/// JSON answer. Returns the number of solutions. Waypoints are drawn for a
/// passage that knows its longitudes.
int answer(Solver& solver, const Problem& p, const Style& style, int line, std::string& out);

/// Batch CSV: the header, and one line per input line.
std::string csvHeader(bool celestial);
void writeCsv(std::string& out, int line, const CelestialResult& r, bool decimal);
void writeCsv(std::string& out, int line, const PassageResult& r, bool decimal);
void writeCsvError(std::string& out, int line, const std::string& why, bool celestial);

}  // namespace morvel::cli
