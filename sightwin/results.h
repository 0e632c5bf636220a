/// \file results.h
/// \brief What a worked log gives, in the lines the window shows under the
/// log and the printed page repeats: what is wrong with the DR, each row
/// that cannot be read with its cell and why (the rows that wait for the
/// DR once), the intercepts over 30 nm and the sights below 5 degrees, the
/// fix with its distance and bearing from the DR, its 95 %
/// ellipse, a weak cut, a doubtful fix and a row excluded from it as a
/// blunder (sight/fix.h), a running fix said (the lines advanced from
/// other DRs, to when, by what run: sight::runOf), or why there is no fix.
/// A time is written as the log shows it, "2026-12-07 19:36:00 UT", or by
/// the watch "19:36:12 (2026-12-08 00:36:00 UT)" (sightlog::shownTime).
/// Values, each drawn its own way by the panel and by the page; and a row's
/// residual as the log shows it.
#pragma once

#include "sightlog/logbook.h"

#include <QString>

#include <vector>

namespace morvel::sightwin {

/// One line: a lead shown strong ("Fix 41°00.0'N 035°30.7'W", "Weak
/// fix:"), then the rest.
struct ResultLine {
    QString lead, text;
    bool operator==(const ResultLine&) const = default;
};

std::vector<ResultLine> resultLines(const sightlog::Logbook& book, const sightlog::Worked& w);

/// The lines as rich text for a label: each escaped, the leads bold.
QString richText(const std::vector<ResultLine>& lines);

/// A row's residual at the fix ("1.2 A"; "60.6 T, excluded" for a row
/// excluded from it), empty when the row is not in the fix.
QString residualText(const sightlog::RowResult& r, const sight::Fix& fix);

}  // namespace morvel::sightwin
