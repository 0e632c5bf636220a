#include "sightwin/sight_page.h"

#include "navtext/navtext.h"
#include "sightwin/plotting_sheet.h"
#include "sightwin/results.h"
#include "sightwin/texts.h"

#include <QFileInfo>
#include <QObject>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace morvel::sightwin {

namespace {

using sightlog::SightColumn;
using navtext::minutesText, navtext::navAltitudeText, navtext::navCircleText, navtext::navLatitudeText;

QString tr(const char* s)
{
    return QObject::tr(s);
}

/// The page drawn top down: fonts scaled to the device, a line at a time.
class Writer {
public:
    Writer(QPainter& p, const QPagedPaintDevice& device) : p_(p), pt_(device.logicalDpiY() / 72.0)
    {
        body_.setFamily(QStringLiteral("Liberation Sans"));
        body_.setPixelSize(std::max(1, int(std::lround(7.5 * pt_))));
        bold_ = body_;
        bold_.setBold(true);
        title_ = bold_;
        title_.setPixelSize(std::max(1, int(std::lround(14 * pt_))));
        QPen pen(Qt::black);
        pen.setWidthF(0.5 * pt_);
        p_.setPen(pen);
    }

    const QFont& body() const { return body_; }
    const QFont& bold() const { return bold_; }
    const QFont& title() const { return title_; }
    double y() const { return y_; }
    double lineHeight() const { return QFontMetricsF(body_).height(); }
    void skip(double lines) { y_ += lineHeight() * lines; }

    /// A line of text in f, at x.
    void line(const QFont& f, const QString& text, double x = 0)
    {
        p_.setFont(f);
        const QFontMetricsF m(f);
        p_.drawText(QPointF(x, y_ + m.ascent()), text);
        y_ += m.height() * 1.15;
    }
    /// A lead in bold, the rest after it.
    void line(const ResultLine& l)
    {
        const QFontMetricsF m(body_);
        p_.setFont(bold_);
        p_.drawText(QPointF(0, y_ + m.ascent()), l.lead);
        const double x = QFontMetricsF(bold_).horizontalAdvance(l.lead);
        p_.setFont(body_);
        p_.drawText(QPointF(x, y_ + m.ascent()), l.text);
        y_ += m.height() * 1.15;
    }
    /// Cells at the columns' left edges xs; a last cell beyond the columns
    /// runs to the right edge.
    void row(const QFont& f, const QStringList& cells, const std::vector<double>& xs, double right)
    {
        p_.setFont(f);
        const QFontMetricsF m(f);
        for (int i = 0; i < cells.size() && size_t(i) < xs.size(); ++i) {
            const double x = xs[size_t(i)];
            const bool last = i + 1 == cells.size() && size_t(i) + 1 < xs.size();
            if (last)
                p_.drawText(QRectF(x, y_, right - x, m.height()), Qt::TextSingleLine, cells[i]);
            else
                p_.drawText(QPointF(x, y_ + m.ascent()), cells[i]);
        }
        y_ += m.height() * 1.2;
    }
    void rule(double width)
    {
        const double at = y_ - 0.1 * lineHeight();
        p_.drawLine(QPointF(0, at), QPointF(width, at));
    }

private:
    QPainter& p_;
    double pt_;  ///< device pixels a point
    QFont body_, bold_, title_;
    double y_ = 0;
};

QString limbText(sight::Limb limb)
{
    return limb == sight::Limb::lower ? QStringLiteral(" LL") : limb == sight::Limb::upper ? QStringLiteral(" UL")
                                                                                          : QString();
}

/// A reduced row with every correction, or what the row was and why it is
/// left out.
QStringList rowCells(const sightlog::SightCells& c, const sightlog::RowResult& r, const sight::Fix& fix)
{
    const QString time = text(sightlog::shownTime(r, c[size_t(SightColumn::utc)]));
    const QString body = text(c[size_t(SightColumn::body)]);
    if (r.status != sightlog::RowStatus::reduced)
        return {time, body, text(c[size_t(SightColumn::hs)]), tr("left out: %1").arg(text(r.why))};
    const sight::Corrections& k = r.reduction.corrections;
    const sight::Reduction& x = r.reduction;
    const bool inFix = r.inFix && *r.inFix < fix.residuals.size();
    return {time,
            body + limbText(r.sight.limb),
            text(navAltitudeText(r.sight.hs, false)),
            text(minutesText(k.index, true)),
            text(minutesText(k.dip, true)),
            text(minutesText(k.refraction, true)),
            text(minutesText(k.semiDiameter, true)),
            text(minutesText(k.parallax, true)),
            text(navAltitudeText(k.ho, false)),
            text(navCircleText(x.place.gha, false)),
            text(navLatitudeText(x.place.dec, false)),
            text(navCircleText(x.lha, false)),
            text(navAltitudeText(x.hc, false)),
            text(navCircleText(x.zn, false)),
            text(navtext::interceptText(x.intercept)),
            inFix ? text(navtext::interceptText(fix.residuals[*r.inFix])) : QString()};
}

}  // namespace

bool drawSightPage(QPagedPaintDevice& device, const sightlog::Logbook& book, const sightlog::Worked& worked,
                   const SheetContent& sheet, const QString& file, const QDateTime& printed)
{
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&device))
        return false;
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    Writer w(p, device);

    w.line(w.title(), tr("Sight reduction"));
    QString dr = tr("DR %1").arg(book.dr.position.empty() ? tr("(each sight's own)") : text(book.dr.position));
    if (!book.dr.time.empty())
        dr += tr(" at %1").arg(text(book.dr.time));
    if (!book.dr.course.empty())
        dr += tr(", course %1, speed %2 kn").arg(text(book.dr.course), text(book.dr.speed));
    if (sightlog::inWatchTime(book))
        dr += tr("; date on board %1, zone %2, watch error %3")
                  .arg(text(book.dr.date), text(book.dr.zone), text(book.dr.watchError));
    w.line(w.body(), dr);
    w.line(w.body(), tr("Printed %1 UTC%2")
                         .arg(printed.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                              file.isEmpty() ? QString() : tr(", from %1").arg(QFileInfo(file).fileName())));
    w.skip(0.5);

    // The log, one row a sight, with every correction.
    const QStringList heads = {tr("Time"), tr("Body"), tr("Hs"),  tr("IC"),  tr("Dip"), tr("Refr."),
                               tr("SD"),   tr("Par."), tr("Ho"),  tr("GHA"), tr("Dec"), tr("LHA"),
                               tr("Hc"),   tr("Zn"),   tr("Int."), tr("Res.")};
    const double widths[] = {1.1, 1.3, 1.0, 0.6, 0.6, 0.6, 0.6, 0.6, 1.0, 1.1, 1.3, 1.1, 1.0, 1.1, 0.8, 0.6};
    double total = 0;
    for (double x : widths)
        total += x;
    std::vector<double> xs;
    double x = 0;
    for (double width : widths) {
        xs.push_back(x);
        x += width / total * page.width();
    }
    w.row(w.bold(), heads, xs, page.width());
    w.rule(page.width());
    for (size_t i = 0; i < book.rows.size(); ++i)
        if (worked.rows[i].status != sightlog::RowStatus::empty)
            w.row(w.body(), rowCells(book.rows[i], worked.rows[i], worked.fix), xs, page.width());
    w.skip(0.5);

    // What the log gives, as the window shows it.
    for (const ResultLine& l : resultLines(book, worked))
        w.line(l);
    w.skip(0.5);

    // The plotting sheet fills the rest of the page, square.
    const double side = std::min(page.width(), page.height() - w.y());
    if (side > page.width() / 4)
        PlottingSheet::paint(p, QRectF((page.width() - side) / 2, w.y(), side, side), sheet);
    return p.end();
}

}  // namespace morvel::sightwin
