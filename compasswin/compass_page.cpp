#include "compasswin/compass_page.h"

#include "compasswin/book_model.h"
#include "compasswin/card_panel.h"
#include "navtext/navtext.h"
#include "sightwin/sight_page.h"
#include "sightwin/texts.h"
#include "toolkit/palette.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QObject>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace morvel::compasswin {

namespace {

using compass::BookColumn;
using math::degree;
using sightwin::text;

/// The texts of this file in the context lupdate gives them, the namespace's.
QString tr(const char* s)
{
    return QCoreApplication::translate("morvel::compasswin", s);
}

constexpr int columns = 9;
const char* heads[columns] = {QT_TRANSLATE_NOOP("morvel::compasswin", "UT"),
                              QT_TRANSLATE_NOOP("morvel::compasswin", "Body"),
                              QT_TRANSLATE_NOOP("morvel::compasswin", "Bearing"),
                              QT_TRANSLATE_NOOP("morvel::compasswin", "Compass"),
                              QT_TRANSLATE_NOOP("morvel::compasswin", "Ship's head"),
                              QT_TRANSLATE_NOOP("morvel::compasswin", "Variation"),
                              QT_TRANSLATE_NOOP("morvel::compasswin", "True Zn"),
                              QT_TRANSLATE_NOOP("morvel::compasswin", "Error"),
                              QT_TRANSLATE_NOOP("morvel::compasswin", "Deviation")};
/// A row left out says why from this column on.
constexpr int whyFrom = 3;

struct Line {
    QStringList cells;
    QString why;
};

Line lineOf(const compass::BookCells& c, const compass::RowResult& r)
{
    Line l;
    l.cells = {text(navtext::instantText(c[size_t(BookColumn::utc)])), text(c[size_t(BookColumn::body)]),
               text(c[size_t(BookColumn::bearing)])};
    if (r.status != compass::RowStatus::checked) {
        l.why = tr("left out: %1").arg(text(r.why));
        return l;
    }
    const RowTexts t = rowTexts(r);
    const bool gyro = r.bearing.instrument == compass::Instrument::gyro;
    l.cells = {l.cells[0],
               text(std::string(r.bearing.body.name)),
               text(navtext::navCircleText(r.bearing.bearing, false)),
               gyro ? tr("gyro") : tr("magnetic"),
               r.heading ? text(navtext::navCircleText(*r.heading, false)) : QString(),
               t.variation.isEmpty() ? QString() : t.variation + (r.modelled ? tr(" (WMM)") : QString()),
               t.azimuth,
               t.error,
               t.deviation};
    return l;
}

struct Page {
    QPainter& p;
    QRectF area;
    double pt;
    QFont body, bold, title;
    double step() const { return QFontMetricsF(body, p.device()).height() * 1.2; }

    /// The head: the title, the DR, the printing, the page; y under it.
    double head(const QString& what, const QStringList& lines, int page, int pages)
    {
        const QFontMetricsF t(title, p.device()), m(body, p.device());
        p.setFont(title);
        p.drawText(QPointF(0, t.ascent()), what);
        p.setFont(body);
        if (pages > 1) {
            const QString n = tr("Page %1 of %2").arg(page).arg(pages);
            p.drawText(QPointF(area.width() - m.horizontalAdvance(n), t.ascent()), n);
        }
        double y = t.height() * 1.2;
        for (const QString& l : lines) {
            p.drawText(QPointF(0, y + m.ascent()), m.elidedText(l, Qt::ElideMiddle, area.width()));
            y += step();
        }
        p.drawLine(QPointF(0, y), QPointF(area.width(), y));
        return y + step() / 2;
    }
};

QStringList headLines(const compass::Book& book, const compass::Worked& w, const PagesHead& head)
{
    QStringList lines;
    const sightlog::DrRead& dr = w.dr;
    if (!dr.given)
        lines << tr("No DR given");
    else {
        QString at = dr.ok() ? text(navtext::navPositionText(dr.dr.lat, dr.dr.lon, false)) : text(book.dr.position);
        if (!book.dr.time.empty())
            at += tr(" at %1 UT").arg(text(navtext::instantText(book.dr.time)));
        if (dr.ok() && dr.dr.speed > 0)
            at += tr(", course %1, speed %2 kn")
                      .arg(text(navtext::navCourseText(dr.dr.course)), text(navtext::nmText(dr.dr.speed)));
        lines << tr("DR %1").arg(at);
    }
    QString printed = tr("Printed %1 UT").arg(head.printed.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (!head.file.isEmpty())
        printed += tr(" from %1").arg(QFileInfo(head.file).fileName());
    lines << printed;
    return lines;
}

}  // namespace

bool drawCompassPages(QPagedPaintDevice& device, const compass::Book& book, const compass::Worked& worked,
                      const PagesHead& head)
{
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&device))
        return false;
    const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double pt = device.logicalDpiY() / 72.0;
    Page page{p, area, pt, sightwin::pageFont(8, pt), sightwin::pageFont(8, pt, true), sightwin::pageFont(14, pt, true)};
    QPen pen(toolkit::ink(Qt::black));
    pen.setWidthF(0.5 * pt);
    p.setPen(pen);
    const QFontMetricsF m(page.body, &device), b(page.bold, &device);
    const double step = page.step();

    std::vector<Line> lines;
    for (size_t i = 0; i < book.rows.size(); ++i)
        if (worked.rows[i].status != compass::RowStatus::empty)
            lines.push_back(lineOf(book.rows[i], worked.rows[i]));
    // Each column as wide as its widest figure, the rest spread between.
    double width[columns], x[columns] = {0};
    for (int c = 0; c < columns; ++c) {
        width[c] = b.horizontalAdvance(tr(heads[c]));
        for (const Line& l : lines)
            if (c < l.cells.size() && (l.why.isEmpty() || c < whyFrom))
                width[c] = std::max(width[c], m.horizontalAdvance(l.cells[c]));
    }
    double used = 0;
    for (double w : width)
        used += w;
    const double gap = std::max(m.horizontalAdvance(QStringLiteral("0")), (area.width() - used) / (columns - 1));
    for (int c = 1; c < columns; ++c)
        x[c] = x[c - 1] + width[c - 1] + gap;

    const QStringList left = headLines(book, worked, head);
    // The head's height, found by drawing nothing.
    const double top = QFontMetricsF(page.title, &device).height() * 1.2 + step * (left.size() + 0.5);
    const int perPage = std::max(1, int((area.height() - top - 2 * step) / step));
    const int bookPages = std::max(1, int((lines.size() + size_t(perPage) - 1) / size_t(perPage)));
    const int pages = bookPages + 1;
    for (int n = 0; n < bookPages; ++n) {
        if (n > 0 && !device.newPage())
            return false;
        double y = page.head(tr("Azimuth book"), left, n + 1, pages);
        p.setFont(page.bold);
        for (int c = 0; c < columns; ++c) {
            const QString h = tr(heads[c]);
            p.drawText(QPointF(c < 2 ? x[c] : x[c] + width[c] - b.horizontalAdvance(h), y + b.ascent()), h);
        }
        y += step * 1.3;
        p.setFont(page.body);
        for (size_t i = size_t(n * perPage); i < lines.size() && i < size_t((n + 1) * perPage); ++i) {
            const Line& l = lines[i];
            const int shown = l.why.isEmpty() ? columns : whyFrom;
            for (int c = 0; c < shown && c < l.cells.size(); ++c)
                p.drawText(QPointF(c < 2 ? x[c] : x[c] + width[c] - m.horizontalAdvance(l.cells[c]), y + m.ascent()),
                           l.cells[c]);
            if (!l.why.isEmpty())
                p.drawText(QPointF(x[whyFrom], y + m.ascent()),
                           m.elidedText(l.why, Qt::ElideRight, area.width() - x[whyFrom]));
            y += step;
        }
    }

    // The deviation card's page.
    if (!device.newPage())
        return false;
    double y = page.head(tr("Deviation card"), left, pages, pages);
    p.setFont(page.body);
    for (const QString& w : cardWords(worked)) {
        const QRectF box(0, y, area.width(), step * 3);
        const QRectF used = m.boundingRect(box, Qt::TextWordWrap, w);
        p.drawText(box, Qt::TextWordWrap, w);
        y += used.height() + step * 0.3;
    }
    y += step / 2;
    if (worked.card.ok()) {
        // The coefficients on one line, then the card in three columns of
        // eight headings, then the observations.
        QStringList k;
        for (const auto& [name, figure] : coefficientTexts(worked.card))
            k << name + u' ' + figure;
        p.setFont(page.bold);
        p.drawText(QPointF(0, y + b.ascent()), tr("Coefficients"));
        p.setFont(page.body);
        p.drawText(QPointF(b.horizontalAdvance(tr("Coefficients")) + step, y + m.ascent()), k.join(QStringLiteral(",  ")));
        y += step * 1.6;
        const int perColumn = 360 / compass::cardStepDegrees / 3;
        const double columnWidth = area.width() / 3;
        for (int i = 0; i < perColumn * 3; ++i) {
            const int h = i * compass::cardStepDegrees;
            const double cx = (i / perColumn) * columnWidth, cy = y + (i % perColumn) * step;
            const QString heading = QStringLiteral("%1°").arg(h, 3, 10, QLatin1Char('0'));
            const QString dev = text(navtext::eastWestText(worked.card.deviationOn(h * degree)));
            p.drawText(QPointF(cx, cy + m.ascent()), heading);
            p.drawText(QPointF(cx + columnWidth * 0.55 - m.horizontalAdvance(dev), cy + m.ascent()), dev);
        }
        y += step * (perColumn + 0.8);
        p.setFont(page.bold);
        p.drawText(QPointF(0, y + b.ascent()), tr("Observations (row, ship's head, deviation, residual)"));
        y += step * 1.2;
        p.setFont(page.body);
        // Two columns of observations, each its row, head, deviation and
        // residual, the figures right-aligned.
        const double obsWidth = area.width() / 2, figure = m.horizontalAdvance(QStringLiteral("000°00.0'  "));
        const int obsRows = int((worked.swung.size() + 1) / 2);
        for (size_t i = 0; i < worked.swung.size(); ++i) {
            const double ox = double(int(i) / std::max(1, obsRows)) * obsWidth,
                         oy = y + double(int(i) % std::max(1, obsRows)) * step + m.ascent();
            const QString cells[] = {QString::number(worked.rowOf[i] + 1),
                                     text(navtext::navCircleText(worked.swung[i].heading, false)),
                                     text(navtext::eastWestText(worked.swung[i].deviation)),
                                     text(navtext::eastWestText(worked.card.residuals[i]))};
            for (int c = 0; c < 4; ++c)
                p.drawText(QPointF(ox + figure * (c + 0.6) - m.horizontalAdvance(cells[c]), oy), cells[c]);
        }
        y += step * (obsRows + 0.8);
    }
    const double curveHeight = std::min(area.height() - y, area.width() * 0.6);
    if (curveHeight > step * 6)
        paintCurve(p, QRectF(0, y, area.width(), curveHeight), worked);
    return p.end();
}

}  // namespace morvel::compasswin
