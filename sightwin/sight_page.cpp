#include "sightwin/sight_page.h"

#include "navtext/navtext.h"
#include "sightwin/plotting_sheet.h"
#include "sightwin/results.h"
#include "sightwin/texts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QObject>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace morvel::sightwin {

namespace {

using sightlog::SightColumn;
using navtext::minutesText, navtext::navAltitudeText, navtext::navCircleText, navtext::navLatitudeText;

// ---- the log's table -------------------------------------------------------

/// Each column two figures, one over the other.
constexpr size_t columns = 11;
constexpr std::array<std::array<const char*, 2>, columns> heads = {{{"UT", "DR"},
                                                                    {"Body", ""},
                                                                    {"Hs", "IC"},
                                                                    {"Eye", "Dip"},
                                                                    {"Temp., pressure", "Refr."},
                                                                    {"SD", "Par."},
                                                                    {"Ho", ""},
                                                                    {"GHA", "Dec"},
                                                                    {"LHA", ""},
                                                                    {"Hc", "Zn"},
                                                                    {"Int.", "Res."}}};
/// The time and the body read from the left; the figures stand right.
constexpr size_t leftColumns = 2;
/// A row left out says why from this column on, after its Hs.
constexpr size_t whyFrom = 3;
/// The table's font, points: as large as the page's width allows, down to
/// the smallest.
constexpr double tableLargest = 7.5, tableSmallest = 6;

/// A sight's two lines.
struct TableRow {
    std::array<QString, columns> top, bottom;
    QString why;  ///< why it was left out; empty when reduced
};

QString limbText(sight::Limb limb)
{
    return limb == sight::Limb::lower ? QStringLiteral(" LL") : limb == sight::Limb::upper ? QStringLiteral(" UL")
                                                                                          : QString();
}

/// The row's DR in the sight form: its own, or the DR's at its time; as
/// typed when it cannot be read.
QString drOf(const sightlog::Logbook& book, const sightlog::Worked& w, size_t row)
{
    const sightlog::RowResult& r = w.rows[row];
    if (r.status == sightlog::RowStatus::reduced)
        return text(navtext::navPositionText(r.sight.drLat, r.sight.drLon, false));
    if (const auto dr = sightlog::followedDr(book, row, w.dr))
        return text(navtext::navPositionText(dr->lat, dr->lon, false));
    const sightlog::SightCells& c = book.rows[row];
    return (text(c[size_t(SightColumn::drLat)]) + u' ' + text(c[size_t(SightColumn::drLon)])).trimmed();
}

/// A reduced row with every correction and the conditions they come from,
/// or what the row was and why it is left out.
TableRow rowOf(const sightlog::Logbook& book, const sightlog::Worked& w, size_t row)
{
    const sightlog::SightCells& c = book.rows[row];
    const sightlog::RowResult& r = w.rows[row];
    TableRow t;
    // By the watch its time with the UT beside it; in UT the instant.
    t.top[0] = w.watchTime ? text(sightlog::shownTime(r, c[size_t(SightColumn::utc)]))
                           : text(navtext::instantText(c[size_t(SightColumn::utc)]));
    t.bottom[0] = drOf(book, w, row);
    if (r.status != sightlog::RowStatus::reduced) {
        t.top[1] = text(c[size_t(SightColumn::body)]);
        t.top[2] = text(c[size_t(SightColumn::hs)]);
        t.why = tr("left out: %1").arg(text(r.why));
        return t;
    }
    const sight::Corrections& k = r.reduction.corrections;
    const sight::Reduction& x = r.reduction;
    const sight::Conditions& air = r.sight.conditions;
    auto correction = [](double a) { return text(minutesText(a, true)); };
    t.top = {t.top[0],
             text(std::string(r.sight.body.name)) + limbText(r.sight.limb),
             text(navAltitudeText(r.sight.hs, false)),
             tr("%1 m").arg(text(navtext::plainNumber(air.eye))),
             tr("%1 °C, %2 hPa").arg(text(navtext::plainNumber(air.temperature)), text(navtext::plainNumber(air.pressure))),
             correction(k.semiDiameter),
             text(navAltitudeText(k.ho, false)),
             text(navCircleText(x.place.gha, false)),
             text(navCircleText(x.lha, false)),
             text(navAltitudeText(x.hc, false)),
             text(navtext::interceptText(x.intercept))};
    t.bottom = {t.bottom[0],
                {},
                correction(k.index),
                correction(k.dip),
                correction(k.refraction),
                correction(k.parallax),
                {},
                text(navLatitudeText(x.place.dec, false)),
                {},
                text(navCircleText(x.zn, false)),
                residualText(r, w.fix)};
    return t;
}

/// The table laid out across the page: its fonts, and each column's left
/// edge and width.
struct Table {
    QFont body, bold;
    std::array<double, columns> x{}, width{};
};

Table tableOf(const std::vector<TableRow>& rows, const QPaintDevice& device, double pt, double pageWidth)
{
    for (double size = tableLargest;; size -= 0.5) {
        Table t{pageFont(size, pt), pageFont(size, pt, true)};
        const QFontMetricsF m(t.body, &device), b(t.bold, &device);
        for (size_t i = 0; i < columns; ++i) {
            double w = std::max(b.horizontalAdvance(tr(heads[i][0])), b.horizontalAdvance(tr(heads[i][1])));
            for (const TableRow& r : rows)
                w = std::max({w, m.horizontalAdvance(r.top[i]), m.horizontalAdvance(r.bottom[i])});
            t.width[i] = w;
        }
        const double used = std::accumulate(t.width.begin(), t.width.end(), 0.0);
        const double least = m.horizontalAdvance(QStringLiteral("00"));
        if (used + least * (columns - 1) > pageWidth && size > tableSmallest)
            continue;
        // What the columns leave spread between them.
        const double gap = std::max(0.0, (pageWidth - used) / (columns - 1));
        for (size_t i = 1; i < columns; ++i)
            t.x[i] = t.x[i - 1] + t.width[i - 1] + gap;
        return t;
    }
}

/// The table's two lines of headings, or a sight's two lines, at y.
void drawRow(QPainter& p, const Table& t, const TableRow& r, double y, bool heading, double pageWidth)
{
    const QFont& f = heading ? t.bold : t.body;
    const QFontMetricsF m(f, p.device());
    p.setFont(f);
    const size_t shown = r.why.isEmpty() ? columns : whyFrom;
    for (size_t i = 0; i < shown; ++i)
        for (const auto& [line, s] : {std::pair(0, &r.top[i]), std::pair(1, &r.bottom[i])}) {
            const double x = i < leftColumns ? t.x[i] : t.x[i] + t.width[i] - m.horizontalAdvance(*s);
            p.drawText(QPointF(x, y + line * m.height() + m.ascent()), *s);
        }
    if (r.why.isEmpty())
        return;
    // Why, over both lines, cut short only where it would run past them.
    const QRectF box(t.x[whyFrom], y, pageWidth - t.x[whyFrom], 2 * m.height());
    QString why = r.why;
    while (why.size() > 3 && m.boundingRect(box, Qt::TextWordWrap, why).height() > box.height())
        why = m.elidedText(why, Qt::ElideRight, m.horizontalAdvance(why) * 0.9);
    p.drawText(box, Qt::TextWordWrap, why);
}

// ---- the head --------------------------------------------------------------

/// The page's own fonts, outside its table.
struct Ink {
    QFont body, bold, title;
};

/// What the head says on the left, a line each: the DR, its course and
/// speed when it has them, the printing.
QStringList headLines(const sightlog::Logbook& book, const sightlog::Worked& w, const PageHead& head)
{
    QStringList lines;
    const sightlog::DrTrack& typed = book.dr;
    const sightlog::DrRead& dr = w.dr;
    if (!dr.given) {
        lines << tr("DR: each sight's own");
    } else {
        QString at = dr.ok() ? text(navtext::navPositionText(dr.dr.lat, dr.dr.lon, false)) : text(typed.position);
        if (!typed.time.empty())
            at += tr(" at %1 UT").arg(text(navtext::instantText(typed.time)));
        lines << tr("DR %1").arg(at);
        if (!typed.course.empty())
            lines << (dr.ok() ? tr("Course %1, speed %2 kn")
                                    .arg(text(navtext::navCourseText(dr.dr.course)), text(navtext::nmText(dr.dr.speed)))
                              : tr("Course %1, speed %2 kn").arg(text(typed.course), text(typed.speed)));
    }
    if (w.watchTime)
        lines << tr("Watch: date on board %1, zone %2, watch error %3")
                     .arg(text(typed.date.empty() ? "-" : typed.date), text(typed.zone.empty() ? "-" : typed.zone),
                          text(typed.watchError.empty() ? "0" : typed.watchError));
    QString printed = tr("Printed %1 UT").arg(head.printed.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (!head.file.isEmpty())
        printed += tr(" from %1").arg(QFileInfo(head.file).fileName());
    lines << printed;
    return lines;
}

/// The head's height: the title and four lines under it, then a rule.
double headHeight(QPainter& p, const Ink& ink)
{
    return QFontMetricsF(ink.title, p.device()).height() * 1.15 +
           QFontMetricsF(ink.body, p.device()).height() * 1.15 * 4.6;
}

/// The title and the DR at the left; the page, the vessel, the navigator
/// and a line for the navigator's signature at the right, a line drawn to
/// write on where a name was not given.
void drawHead(QPainter& p, const Ink& ink, const QStringList& left, const PageHead& head, double width, int page,
              int pages)
{
    const QFontMetricsF title(ink.title, p.device()), body(ink.body, p.device()), bold(ink.bold, p.device());
    const double step = body.height() * 1.15, top = title.height() * 1.15;
    auto baseline = [&](int line) { return top + line * step + body.ascent(); };
    p.setFont(ink.title);
    p.drawText(QPointF(0, title.ascent()), tr("Sight reduction"));

    const double right = width * 0.6;
    p.setFont(ink.body);
    for (int i = 0; i < left.size(); ++i)
        p.drawText(QPointF(0, baseline(i)), body.elidedText(left[i], Qt::ElideMiddle, right - body.height()));
    if (pages > 1) {
        const QString n = tr("Page %1 of %2").arg(page).arg(pages);
        p.drawText(QPointF(width - body.horizontalAdvance(n), title.ascent()), n);
    }

    auto writeOn = [&](double from, int line) {
        const double y = baseline(line) + body.descent() / 2;
        p.drawLine(QPointF(from, y), QPointF(width, y));
    };
    const QString vessel = tr("Vessel"), navigator = tr("Navigator"), signature = tr("Navigator's signature");
    const double value = right + std::max(body.horizontalAdvance(vessel), body.horizontalAdvance(navigator)) + step;
    int line = 0;
    for (const auto& [label, name] : {std::pair(vessel, head.vessel), std::pair(navigator, head.navigator)}) {
        p.setFont(ink.body);
        p.drawText(QPointF(right, baseline(line)), label);
        if (name.isEmpty()) {
            writeOn(value, line);
        } else {
            p.setFont(ink.bold);
            p.drawText(QPointF(value, baseline(line)), bold.elidedText(name, Qt::ElideRight, width - value));
        }
        ++line;
    }
    // A line with room above it to sign on.
    p.setFont(ink.body);
    p.drawText(QPointF(right, baseline(3)), signature);
    writeOn(right + body.horizontalAdvance(signature) + step / 2, 3);
    const double rule = headHeight(p, ink) - step * 0.45;
    p.drawLine(QPointF(0, rule), QPointF(width, rule));
}

// ---- what the log gives ----------------------------------------------------

/// A result line broken to the width: the lead and as many words as fit,
/// the rest on lines of their own, indented.
std::vector<ResultLine> brokenToWidth(const ResultLine& l, const QFontMetricsF& body, const QFontMetricsF& bold,
                                      double width)
{
    std::vector<ResultLine> out;
    QString line;
    double room = width - bold.horizontalAdvance(l.lead);
    const QStringList words = l.text.split(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString longer = i == 0 ? words[i] : line + u' ' + words[i];
        if (body.horizontalAdvance(longer) <= room || line.trimmed().isEmpty()) {
            line = longer;
            continue;
        }
        out.push_back({out.empty() ? l.lead : QString(), line});
        line = QStringLiteral("    ") + words[i];
        room = width;
    }
    out.push_back({out.empty() ? l.lead : QString(), line});
    return out;
}

void drawResult(QPainter& p, const Ink& ink, const ResultLine& l, double y)
{
    const QFontMetricsF body(ink.body, p.device());
    p.setFont(ink.bold);
    p.drawText(QPointF(0, y + body.ascent()), l.lead);
    const double x = QFontMetricsF(ink.bold, p.device()).horizontalAdvance(l.lead);
    p.setFont(ink.body);
    p.drawText(QPointF(x, y + body.ascent()), l.text);
}

// ---- the pages -------------------------------------------------------------

/// What a page holds: the rows from one to another, and whether what the
/// log gives and the sheet stand on it.
struct Planned {
    size_t from = 0, to = 0;
    bool results = false, sheet = false;
};

/// The heights of the page's parts.
struct Heights {
    double head, tableHead, row, results;
};

/// The rows as many a page as it takes; what the log gives after them on
/// the last, the sheet over the rest of it, or over a page of its own when
/// less than half the width is left.
std::vector<Planned> planOf(size_t rows, const Heights& h, QSizeF page)
{
    std::vector<Planned> plan(1);
    double y = h.head + h.tableHead;
    for (size_t i = 0; i < rows; ++i) {
        if (y + h.row > page.height()) {
            plan.push_back({i, i});
            y = h.head + h.tableHead;
        }
        y += h.row;
        plan.back().to = i + 1;
    }
    if (y + h.results > page.height()) {
        plan.push_back({rows, rows});
        y = h.head;
    }
    plan.back().results = true;
    y += h.results;
    if (page.height() - y < page.width() / 2)
        plan.push_back({rows, rows});
    plan.back().sheet = true;
    return plan;
}

}  // namespace

QFont pageFont(double size, double pt, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, int(std::lround(size * pt))));
    f.setBold(bold);
    return f;
}

bool drawSightPage(QPagedPaintDevice& device, const sightlog::Logbook& book, const sightlog::Worked& worked,
                   const SheetContent& sheet, const PageHead& head)
{
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&device))
        return false;
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double pt = device.logicalDpiY() / 72.0;
    const Ink ink{pageFont(7.5, pt), pageFont(7.5, pt, true), pageFont(14, pt, true)};
    QPen pen(Qt::black);
    pen.setWidthF(0.5 * pt);
    QPen faint(QColor(170, 170, 170));
    faint.setWidthF(0.25 * pt);
    const QFontMetricsF body(ink.body, &device), bold(ink.bold, &device);
    const double step = body.height() * 1.15;

    std::vector<TableRow> rows;
    for (size_t i = 0; i < book.rows.size(); ++i)
        if (worked.rows[i].status != sightlog::RowStatus::empty)
            rows.push_back(rowOf(book, worked, i));
    const Table table = tableOf(rows, device, pt, page.width());
    TableRow headings;
    for (size_t i = 0; i < columns; ++i)
        headings.top[i] = tr(heads[i][0]), headings.bottom[i] = tr(heads[i][1]);
    if (worked.watchTime)
        headings.top[0] = tr("Watch (UT)");
    const double cell = QFontMetricsF(table.body, &device).height();
    const double tableHead = 2 * QFontMetricsF(table.bold, &device).height() + 0.4 * cell, rowHeight = 2.35 * cell;

    std::vector<ResultLine> results;
    for (const ResultLine& l : resultLines(book, worked))
        for (const ResultLine& part : brokenToWidth(l, body, bold, page.width()))
            results.push_back(part);
    const double resultsHeight = (double(results.size()) + 1) * step;
    const double top = headHeight(p, ink);

    const std::vector<Planned> plan = planOf(rows.size(), {top, tableHead, rowHeight, resultsHeight}, page.size());
    const QStringList left = headLines(book, worked, head);
    for (size_t n = 0; n < plan.size(); ++n) {
        if (n > 0 && !device.newPage())
            return false;
        const Planned& at = plan[n];
        p.setPen(pen);
        drawHead(p, ink, left, head, page.width(), int(n) + 1, int(plan.size()));
        double y = top;
        if (n == 0 || at.to > at.from) {
            drawRow(p, table, headings, y, true, page.width());
            y += tableHead;
            p.drawLine(QPointF(0, y - 0.3 * cell), QPointF(page.width(), y - 0.3 * cell));
            for (size_t i = at.from; i < at.to; ++i) {
                drawRow(p, table, rows[i], y, false, page.width());
                y += rowHeight;
                if (i + 1 < at.to) {
                    p.setPen(faint);
                    p.drawLine(QPointF(0, y - 0.2 * cell), QPointF(page.width(), y - 0.2 * cell));
                    p.setPen(pen);
                }
            }
        }
        if (at.results) {
            y += step / 2;
            for (const ResultLine& l : results) {
                drawResult(p, ink, l, y);
                y += step;
            }
            y += step / 2;
        }
        if (at.sheet) {
            // The sheet's labels in the page's text, its plotting area all
            // the page leaves.
            p.setFont(ink.body);
            SheetView all;
            all.filled = true;
            PlottingSheet::paint(p, QRectF(0, y, page.width(), page.height() - y), sheet, all);
        }
    }
    return p.end();
}

}  // namespace morvel::sightwin
