#include "sightwin/results.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "sight/plot.h"
#include "sightlog/sight_texts.h"
#include "sightwin/dr_box.h"
#include "sightwin/texts.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace morvel::sightwin {

namespace {

using math::degree;

/// "Row 3 (Vega)", or "Row 3" while it has no body.
QString rowName(const sightlog::Logbook& book, size_t row)
{
    const std::string& body = book.rows[row][size_t(sightlog::SightColumn::body)];
    return body.empty() ? tr("Row %1").arg(row + 1) : tr("Row %1 (%2)").arg(row + 1).arg(text(body));
}

/// A sight's time as the log shows it, "2026-12-07 19:33:00 UT", or by the
/// watch "19:33:12 (2026-12-08 00:33:00 UT)".
QString instantOf(const sightlog::Logbook& book, const sightlog::Worked& w, size_t sight)
{
    const size_t row = w.rowOf[sight];
    return text(sightlog::shownTime(w.rows[row], book.rows[row][size_t(sightlog::SightColumn::utc)]));
}

/// When the fix is a running fix, the lines carried to its time from other
/// DRs, by the run from each DR (the sights of one DR share it).
std::optional<ResultLine> runningFix(const sightlog::Logbook& book, const sightlog::Worked& w)
{
    const sight::Fix& fix = w.fix;
    const sight::Sight& last = w.sights[fix.last];
    std::vector<std::vector<size_t>> runs;  // the sights of each DR
    for (const sight::PlotLine& l : sight::linesOfPosition(w.sights, fix, w.reductions())) {
        if (!l.carried)
            continue;
        const sight::Sight& s = w.sights[l.sight];
        const auto same = std::find_if(runs.begin(), runs.end(), [&](const std::vector<size_t>& r) {
            return w.sights[r.front()].drLat == s.drLat && w.sights[r.front()].drLon == s.drLon;
        });
        same == runs.end() ? runs.push_back({l.sight}) : same->push_back(l.sight);
    }
    // The times of some sights: one, or the earliest to the latest.
    auto times = [&](const std::vector<size_t>& r) {
        const auto [first, latest] = std::minmax_element(r.begin(), r.end(), [&](size_t a, size_t b) {
            return w.sights[a].when.jdUT1() < w.sights[b].when.jdUT1();
        });
        const QString from = instantOf(book, w, *first), until = instantOf(book, w, *latest);
        return from == until ? from : tr("%1 to %2").arg(from, until);
    };
    const QString to = instantOf(book, w, fix.last);
    if (runs.empty())
        return std::nullopt;
    if (runs.size() <= 3) {
        // Each run said, with the bodies it carries.
        QStringList said;
        for (const std::vector<size_t>& r : runs) {
            QStringList bodies;
            for (size_t i : r)
                if (const QString b = text(std::string(w.sights[i].body.name)); !bodies.contains(b))
                    bodies << b;
            const gcs::Leg run = sight::runOf(w.sights[r.front()], last);
            said << (r.size() == 1 ? tr("the line of %1 (%2) advanced by the run to %3, %4 nm %5")
                                   : tr("the lines of %1 (%2) advanced by the run to %3, %4 nm %5"))
                        .arg(times(r), bodies.join(QStringLiteral(", ")), to, text(navtext::nmText(run.miles)),
                             text(navtext::navCourseText(run.course)));
        }
        return ResultLine{tr("Running fix:"), u' ' + said.join(QStringLiteral("; "))};
    }
    // A DR run on to every sight: the runs said together.
    std::vector<size_t> all;
    double shortest = 1e9, longest = 0;
    for (const std::vector<size_t>& r : runs) {
        all.insert(all.end(), r.begin(), r.end());
        const double miles = sight::runOf(w.sights[r.front()], last).miles;
        shortest = std::min(shortest, miles);
        longest = std::max(longest, miles);
    }
    return ResultLine{tr("Running fix:"),
                      tr(" the %1 lines of %2 advanced to %3 by the runs from their DRs, %4 to %5 nm")
                          .arg(all.size())
                          .arg(times(all), to, text(navtext::nmText(shortest)), text(navtext::nmText(longest)))};
}

/// When the current carried on runs from, as the log shows a time ("21:03",
/// by the watch in a log kept by it), or as typed.
QString carriedFrom(const sightlog::Logbook& book, const sightlog::DrRead& dr, const std::string& carried)
{
    const QString from = text(carried.substr(carried.rfind(';') + 1)).trimmed();
    const QString shown = text(sightlog::minuteShownAt(book, dr, from.toStdString()));
    return shown.isEmpty() ? from : shown;
}

}  // namespace

std::vector<ResultLine> resultLines(const sightlog::Logbook& book, const sightlog::Worked& w)
{
    std::vector<ResultLine> lines;
    const sightlog::DrRead& dr = w.dr;
    if (dr.given && !dr.error.empty())
        lines.push_back({{}, tr("DR %1: %2").arg(drFieldName(dr.field), text(dr.error))});
    // Each row that cannot be read, named with its cell and why (the first
    // few: the tooltips say the rest); the rows that wait for a DR that
    // cannot be read, once.
    constexpr int named = 8;
    int bad = 0, waiting = 0;
    for (size_t i = 0; i < w.rows.size(); ++i) {
        const sightlog::RowResult& r = w.rows[i];
        if (r.status != sightlog::RowStatus::bad)
            continue;
        if (r.waitsForDr) {
            ++waiting;
        } else if (++bad <= named) {
            lines.push_back({rowName(book, i) + QStringLiteral(", ") +
                                 QLatin1String(sightlog::sightColumnNames[size_t(r.column)]) + u':',
                             QStringLiteral(" ") + text(r.why)});
        }
    }
    if (bad > named)
        lines.push_back({{}, tr("and %n more row(s) that cannot be read (their tooltips say why).", nullptr, bad - named)});
    if (waiting)
        lines.push_back({{}, tr("%n row(s) follow the DR and wait for it.", nullptr, waiting)});
    // What the reduced rows give that a navigator should look at again.
    for (size_t i = 0; i < w.rows.size(); ++i) {
        const sightlog::RowResult& r = w.rows[i];
        if (r.status != sightlog::RowStatus::reduced)
            continue;
        if (const std::string far = sightlog::farInterceptText(r.reduction.intercept); !far.empty())
            lines.push_back({rowName(book, i) + u':', QStringLiteral(" ") + text(far)});
        if (r.reduction.corrections.lowAltitude)
            lines.push_back({rowName(book, i) + u':', QStringLiteral(" ") + text(sightlog::lowAltitudeWarning())});
    }

    const sight::Fix& fix = w.fix;
    if (fix.found()) {
        lines.push_back({tr("Fix %1 %2").arg(text(navtext::navLatitudeText(fix.lat, false)),
                                             text(navtext::navLongitudeText(fix.lon, false))),
                         tr(" at %1").arg(instantOf(book, w, fix.last))});
        lines.push_back({{}, tr("From the DR: %1 nm, %2")
                                 .arg(text(navtext::nmText(fix.distance)),
                                      text(navtext::navCircleText(fix.bearing, false)))});
        if (fix.ellipse)
            // The axis to a degree, as morvel-solve gives it: no finer than
            // the ellipse itself.
            lines.push_back({{}, tr("95 % ellipse: semi-axes %1 and %2 nm, major axis %3°")
                                     .arg(text(navtext::nmText(fix.ellipse->major)),
                                          text(navtext::nmText(fix.ellipse->minor)))
                                     .arg(std::lround(fix.ellipse->orientation / degree) % 180, 3, 10,
                                          QLatin1Char('0'))});
        if (fix.weak)
            lines.push_back({tr("Weak fix:"), tr(" no two lines cut at 15° or more (widest cut %1°)")
                                                  .arg(std::lround(fix.cut / degree))});
        if (fix.doubtful)
            lines.push_back({tr("Doubtful fix:"), QStringLiteral(" ") + text(fix.doubt)});
        for (const sight::Excluded& e : fix.excluded)
            lines.push_back({tr("Excluded from the fix:"),
                             tr(" row %1 (%2), %3")
                                 .arg(w.rowOf[e.sight] + 1)
                                 .arg(text(std::string(w.sights[e.sight].body.name)), text(e.why))});
        if (std::optional<ResultLine> running = runningFix(book, w))
            lines.push_back(*running);
        // What the fix says of the current since the DR (the previous fix).
        // A fix within a twentieth of a mile of the DR shows no current.
        if (const std::optional<sightlog::SetDrift> sd = sightlog::setAndDrift(w); sd)
            lines.push_back(
                {tr("Set and drift:"),
                 !sd->found.ok()          ? tr(" none: %1").arg(text(sd->found.error))
                 : sd->found.miles < 0.05
                     ? tr(" none: the fix is at the DR after %1 h").arg(QString::number(sd->hours, 'f', 1))
                     : tr(" %1, %2 kn since the DR (%3 nm in %4 h)")
                           .arg(text(navtext::navCourseText(sd->found.current.set)),
                                text(navtext::nmText(sd->found.current.drift)), text(navtext::nmText(sd->found.miles)),
                                QString::number(sd->hours, 'f', 1))});
    } else if (w.sights.size() < 2) {
        lines.push_back({{}, tr("Two sights or more give a fix.")});
    } else {
        lines.push_back({tr("No fix:"), QStringLiteral(" ") + text(fix.why)});
    }
    if (dr.ok() && dr.current) {
        const std::string& carried = book.dr.current;
        lines.push_back({tr("Current carried on:"),
                         tr(" %1, %2 kn, found by the fix at %3; the rows' DRs are EPs")
                             .arg(text(navtext::navCourseText(dr.current->set)),
                                  text(navtext::nmText(dr.current->drift)),
                                  carriedFrom(book, dr, carried))});
    }
    return lines;
}

QString residualText(const sightlog::RowResult& r, const sight::Fix& fix)
{
    if (!r.inFix || *r.inFix >= fix.residuals.size())
        return {};
    const QString residual = text(navtext::interceptText(fix.residuals[*r.inFix]));
    return fix.excludedOf(*r.inFix) ? tr("%1, excluded").arg(residual) : residual;
}

QString richText(const std::vector<ResultLine>& lines)
{
    QStringList html;
    for (const ResultLine& l : lines)
        html << (l.lead.isEmpty() ? QString() : QStringLiteral("<b>%1</b>").arg(l.lead.toHtmlEscaped())) +
                    l.text.toHtmlEscaped();
    return html.join(QStringLiteral("<br>"));
}

}  // namespace morvel::sightwin
