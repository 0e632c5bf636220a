#include "sightwin/results.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "sightwin/texts.h"

#include <QObject>
#include <QStringList>

#include <cmath>

namespace morvel::sightwin {

namespace {

using math::degree;

QString tr(const char* s, int n = -1)
{
    return QObject::tr(s, nullptr, n);
}

}  // namespace

std::vector<ResultLine> resultLines(const sightlog::Logbook& book, const sightlog::Worked& w)
{
    std::vector<ResultLine> lines;
    const sightlog::DrRead& dr = w.dr;
    if (dr.given && !dr.error.empty())
        lines.push_back({{}, tr("DR %1: %2").arg(text(dr.field), text(dr.error))});
    int bad = 0;
    for (const sightlog::RowResult& r : w.rows)
        bad += r.status == sightlog::RowStatus::bad;
    if (bad)
        lines.push_back({{}, tr("%n row(s) cannot be read and are left out (their tooltips say why).", bad)});

    const sight::Fix& fix = w.fix;
    if (fix.found()) {
        const size_t row = w.rowOf[fix.last];
        const std::string time = sightlog::shownTime(w.rows[row], book.rows[row][size_t(sightlog::SightColumn::utc)]);
        lines.push_back({tr("Fix %1 %2").arg(text(navtext::navLatitudeText(fix.lat, false)),
                                             text(navtext::navLongitudeText(fix.lon, false))),
                         tr(" at %1").arg(text(time))});
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
    } else if (w.sights.size() < 2) {
        lines.push_back({{}, tr("Two sights or more give a fix.")});
    } else {
        lines.push_back({tr("No fix:"), QStringLiteral(" ") + text(fix.why)});
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
