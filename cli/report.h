/// \file report.h
/// \brief What morvel-solve writes of a solved answer: plain text (a row a
/// quantity, as the windows show it), JSON (one object a problem) or a CSV
/// line (batch). The texts are those of texts.h. No Qt.
#pragma once

#include "cli/answer.h"
#include "cli/texts.h"

#include <string>
#include <string_view>
#include <vector>

namespace morvel::cli {

/// How an answer is written: the windows' degrees and minutes or five
/// decimals, plain text or JSON, waypoints every spacing degrees (0 none).
struct Style {
    bool decimal = false;
    bool json = false;
    double spacing = 0;
};

/// Columns padded to their widest cell, two blanks apart, one row a line,
/// each after indent.
void writeTable(std::string& out, const std::vector<std::vector<std::string>>& rows, const std::string& indent = {});

/// One problem's answer, a line each.
void writePlain(std::string& out, const CelestialResult& r, bool decimal);
void writePlain(std::string& out, const PassageResult& r, const Routes* routes,
                const std::vector<gcs::Composite>& composites, bool decimal);

/// One problem's answer as one JSON object on one line; line, when above 0,
/// is the input line it answers (batch).
void writeJson(std::string& out, const CelestialResult& r, int line);
void writeJson(std::string& out, const PassageResult& r, const Routes* routes,
               const std::vector<gcs::Composite>& composites, int line);
void writeJsonError(std::string& out, int line, const std::string& why);

/// An answer in plain text or JSON, as style says; line above 0 numbers a
/// batch's JSON answer.
void write(std::string& out, const Answer& a, const Style& style, int line);

/// A CSV cell: as it stands, or in double quotes (quotes doubled) when it
/// holds a comma, a quote or a line end.
void csvCell(std::string& out, std::string_view s);

/// Batch CSV: the header, and one line per input line.
std::string csvHeader(bool celestial);
void writeCsv(std::string& out, int line, const Answer& a, bool decimal);
void writeCsvError(std::string& out, int line, const std::string& why, bool celestial);

}  // namespace morvel::cli
