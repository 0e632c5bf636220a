#include "almanacpage/daily_page_print.h"

#include "navtext/navtext.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace morvel::almanacpage {

namespace {

using almanac::BodyKind;
using almanac::DailyPage;
using almanac::EventKind;
using almanac::Place;

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QString tenth(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    // A figure that rounds to nothing has no sign.
    return QString::fromLatin1(std::string(buf) == "-0.0" ? "0.0" : buf);
}

QString hhmm(const DailyPage& p, std::optional<double> hours)
{
    return hours ? q(p.date.dayAndMinute(*hours).second) : QStringLiteral("--");
}

QString minutes(double radians)
{
    return tenth(radians / (3.14159265358979323846 / 180) * 60);
}

/// One column of a table: its heading, and a text a row (empty for none).
struct Column {
    QString head;
    std::vector<QString> cells;
    bool left = false;  ///< names; figures go right
};

/// Columns side by side under headings that may span several of them.
struct Table {
    struct Span {
        QString text;
        int columns;
    };
    std::vector<Span> spans;
    std::vector<Column> columns;
    std::vector<size_t> gapsAfter;  ///< a blank half row after these rows

    size_t rows() const { return columns.empty() ? 0 : columns.front().cells.size(); }
};

struct Ink {
    QFont body, bold;
    double pad = 0;  ///< between columns
};

double columnWidth(const Column& c, const QFontMetricsF& body, const QFontMetricsF& bold)
{
    double w = bold.horizontalAdvance(c.head);
    for (const QString& s : c.cells)
        w = std::max(w, body.horizontalAdvance(s));
    return w;
}

double widthOf(const Table& t, const Ink& ink, const QPaintDevice* device)
{
    const QFontMetricsF body(ink.body, device), bold(ink.bold, device);
    double w = 0;
    for (const Column& c : t.columns)
        w += columnWidth(c, body, bold) + ink.pad;
    return w - ink.pad;
}

/// Draws the table at x, y; returns the y below it.
double drawTable(QPainter& p, const Table& t, const Ink& ink, double x, double y)
{
    const QFontMetricsF body(ink.body, p.device()), bold(ink.bold, p.device());
    const double row = body.height() * 1.12;
    std::vector<double> xs, ws;
    double at = x;
    for (const Column& c : t.columns) {
        xs.push_back(at);
        ws.push_back(columnWidth(c, body, bold));
        at += ws.back() + ink.pad;
    }
    const double right = at - ink.pad;
    p.setFont(ink.bold);
    if (!t.spans.empty()) {
        size_t i = 0;
        for (const Table::Span& s : t.spans) {
            const size_t last = std::min(t.columns.size(), i + size_t(s.columns)) - 1;
            const QRectF r(xs[i], y, xs[last] + ws[last] - xs[i], row);
            p.drawText(r, Qt::AlignHCenter | Qt::AlignBottom, s.text);
            if (!s.text.isEmpty() && s.columns > 1)
                p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.right(), r.bottom()));
            i = last + 1;
        }
        y += row;
    }
    for (size_t c = 0; c < t.columns.size(); ++c)
        p.drawText(QRectF(xs[c], y, ws[c], row), (t.columns[c].left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom,
                   t.columns[c].head);
    y += row + row * 0.2;
    p.drawLine(QPointF(x, y - row * 0.1), QPointF(right, y - row * 0.1));
    p.setFont(ink.body);
    for (size_t r = 0; r < t.rows(); ++r) {
        for (size_t c = 0; c < t.columns.size(); ++c)
            p.drawText(QRectF(xs[c], y, ws[c], row), (t.columns[c].left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom,
                       t.columns[c].cells[r]);
        y += row;
        if (std::find(t.gapsAfter.begin(), t.gapsAfter.end(), r) != t.gapsAfter.end())
            y += row * 0.5;
    }
    return y;
}

QString upper(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size())).toUpper();
}

const char* const weekdays[] = {"Thursday", "Friday", "Saturday", "Sunday", "Monday", "Tuesday", "Wednesday"};
const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                              "July",    "August",   "September", "October", "November", "December"};

QString title(const DailyPage& p)
{
    const long day = p.date.dayNumber();
    return QStringLiteral("%1 %2 %3, %4 (UT)")
        .arg(p.date.year)
        .arg(QString::fromLatin1(months[p.date.month - 1]))
        .arg(p.date.day)
        .arg(QString::fromLatin1(weekdays[((day % 7) + 7) % 7]));
}

std::vector<size_t> everySixHours() { return {5, 11, 17, 23}; }

/// The left page's hourly table: Aries and the planets.
Table planetsTable(const DailyPage& p)
{
    Table t;
    t.gapsAfter = everySixHours();
    Column ut{QStringLiteral("UT"), {}, true};
    for (int h = 0; h < 24; ++h)
        ut.cells.push_back(QString::number(h));
    ut.cells.push_back(QStringLiteral("v, d"));
    ut.cells.push_back(QStringLiteral("Mer. Pass."));
    t.columns.push_back(ut);
    t.spans.push_back({QString(), 1});
    for (size_t b = 0; b < p.moving.size(); ++b) {
        const BodyKind k = p.moving[b].kind;
        if (k != BodyKind::aries && k != BodyKind::planet)
            continue;
        Column gha{QStringLiteral("GHA"), {}}, dec{QStringLiteral("Dec"), {}};
        for (int h = 0; h < 24; ++h) {
            const Place& pl = p.hours[size_t(h)][b];
            gha.cells.push_back(q(navtext::navCircleText(pl.gha, false)));
            dec.cells.push_back(q(navtext::navLatitudeText(pl.dec, false)));
        }
        gha.cells.push_back(p.v[b] ? "v " + tenth(*p.v[b]) : QString());
        dec.cells.push_back(p.d[b] ? "d " + tenth(std::abs(*p.d[b])) : QString());
        gha.cells.push_back(hhmm(p, p.passage[b]));
        dec.cells.push_back(QString());
        t.columns.push_back(gha);
        if (k == BodyKind::aries) {
            t.spans.push_back({QStringLiteral("ARIES"), 1});
            continue;
        }
        t.columns.push_back(dec);
        const std::optional<double> mag = p.hours[12][b].mag;
        t.spans.push_back({upper(p.moving[b].name) + (mag ? "  " + tenth(*mag) : QString()), 2});
    }
    t.gapsAfter.push_back(24);
    return t;
}

Table starsTable(const DailyPage& p)
{
    Table t;
    t.spans = {{QStringLiteral("STARS"), 3}};
    Column name{QStringLiteral("Name"), {}, true}, sha{QStringLiteral("SHA"), {}}, dec{QStringLiteral("Dec"), {}};
    for (size_t i = 0; i < p.stars.size(); ++i) {
        name.cells.push_back(q(std::string(p.stars[i].name)));
        sha.cells.push_back(q(navtext::navCircleText(*p.starPlaces[i].sha, false)));
        dec.cells.push_back(q(navtext::navLatitudeText(p.starPlaces[i].dec, false)));
    }
    t.columns = {name, sha, dec};
    for (size_t i = 4; i < p.stars.size(); i += 5)
        t.gapsAfter.push_back(i);
    return t;
}

/// The right page's hourly table: the Sun and the Moon.
Table sunMoonTable(const DailyPage& p)
{
    Table t;
    t.gapsAfter = everySixHours();
    const size_t sun = p.index(BodyKind::sun), moon = p.index(BodyKind::moon);
    Column ut{QStringLiteral("UT"), {}};
    Column sg{QStringLiteral("GHA"), {}}, sd{QStringLiteral("Dec"), {}};
    Column mg{QStringLiteral("GHA"), {}}, mv{QStringLiteral("v"), {}}, md{QStringLiteral("Dec"), {}},
        mdd{QStringLiteral("d"), {}}, mhp{QStringLiteral("HP"), {}};
    for (int h = 0; h < 24; ++h) {
        const Place &s = p.hours[size_t(h)][sun], &m = p.hours[size_t(h)][moon];
        ut.cells.push_back(QString::number(h));
        sg.cells.push_back(q(navtext::navCircleText(s.gha, false)));
        sd.cells.push_back(q(navtext::navLatitudeText(s.dec, false)));
        mg.cells.push_back(q(navtext::navCircleText(m.gha, false)));
        mv.cells.push_back(tenth(p.moonV[size_t(h)]));
        md.cells.push_back(q(navtext::navLatitudeText(m.dec, false)));
        mdd.cells.push_back(tenth(std::abs(p.moonD[size_t(h)])));
        mhp.cells.push_back(minutes(*m.hp));
    }
    const Place &s12 = p.hours[12][sun], &m12 = p.hours[12][moon];
    ut.cells.push_back(QString());
    sg.cells.push_back("SD " + minutes(*s12.sd));
    sd.cells.push_back("d " + tenth(std::abs(*p.d[sun])));
    mg.cells.push_back("SD " + minutes(*m12.sd));
    for (Column* c : {&mv, &md, &mdd, &mhp})
        c->cells.push_back(QString());
    t.columns = {ut, sg, sd, mg, mv, md, mdd, mhp};
    t.spans = {{QString(), 1}, {QStringLiteral("SUN"), 2}, {QStringLiteral("MOON"), 5}};
    return t;
}

Table dayTable(const DailyPage& p)
{
    Table t;
    t.spans = {{QStringLiteral("SUN"), 3}, {QStringLiteral("MOON"), 4}};
    const size_t sun = p.index(BodyKind::sun), moon = p.index(BodyKind::moon);
    t.columns = {{QStringLiteral("Eqn. of time 00h"), {q(navtext::equationOfTimeText(p.equationOfTime0))}},
                 {QStringLiteral("12h"), {q(navtext::equationOfTimeText(p.equationOfTime12))}},
                 {QStringLiteral("Mer. Pass."), {hhmm(p, p.passage[sun])}},
                 {QStringLiteral("Mer. Pass. upper"), {hhmm(p, p.passage[moon])}},
                 {QStringLiteral("lower"), {hhmm(p, p.moonLowerPassage)}},
                 {QStringLiteral("Age"), {QString::number(std::lround(p.moonAge)) + " d"}},
                 {QStringLiteral("Illuminated"), {QString::number(std::lround(p.moonIllumination)) + " %"}}};
    return t;
}

Table eventsTable(const DailyPage& p)
{
    Table t;
    t.spans = {{QString(), 1},
               {QStringLiteral("Twilight"), 2},
               {QString(), 1},
               {QString(), 1},
               {QStringLiteral("Twilight"), 2},
               {QString(), 1},
               {QString(), 1}};
    const EventKind order[] = {EventKind::nauticalDawn, EventKind::civilDawn, EventKind::sunrise,
                               EventKind::sunset,       EventKind::civilDusk, EventKind::nauticalDusk,
                               EventKind::moonrise,     EventKind::moonset};
    const char* heads[] = {"Naut.", "Civil", "Sunrise", "Sunset", "Civil", "Naut.", "Moonrise", "Moonset"};
    Column lat{QStringLiteral("Lat."), {}, true};
    for (const almanac::PageEvents& e : p.events) {
        const long l = std::lround(e.lat * 180 / 3.14159265358979323846);
        lat.cells.push_back(l == 0 ? QStringLiteral("0") : QString::number(std::abs(l)) + (l > 0 ? " N" : " S"));
    }
    t.columns.push_back(lat);
    for (size_t k = 0; k < std::size(order); ++k) {
        Column c{QString::fromLatin1(heads[k]), {}};
        for (size_t i = 0; i < p.events.size(); ++i)
            c.cells.push_back(q(p.eventText(i, order[k])));
        t.columns.push_back(c);
    }
    // Grouped as the printed table: 72-50 N by twos, 45-30 N by fives, then by tens.
    for (size_t i = 0; i < p.events.size(); ++i) {
        const long l = std::lround(p.events[i].lat * 180 / 3.14159265358979323846);
        if (l == 50 || l == 30 || l == 0 || l == -30 || l == -50)
            t.gapsAfter.push_back(i);
    }
    return t;
}

QFont fontOf(double points, double pt, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, int(std::lround(points * pt))));
    f.setBold(bold);
    return f;
}


Ink inkOf(double points, double pt)
{
    return {fontOf(points, pt), fontOf(points, pt, true), points * pt * 1.2};
}

}  // namespace

double fittingPoints(const almanac::DailyPage& day, double width, double pt, const QPaintDevice* device)
{
    const Table planets = planetsTable(day), stars = starsTable(day);
    // With a twentieth to spare for the other days' figures.
    double size = 8;
    for (; size > 5; size -= 0.25) {
        const Ink ink = inkOf(size, pt);
        if (1.05 * (widthOf(planets, ink, device) + 3 * ink.pad + widthOf(stars, ink, device)) <= width)
            break;
    }
    return size;
}

void paintSide(QPainter& p, const QSizeF& page, double pt, const almanac::DailyPage& day, int side, double points)
{
    const QPaintDevice* device = p.device();
    const Ink ink = inkOf(points, pt);
    const double width = page.width(), height = page.height();
    p.setPen(QPen(p.pen().color(), 0.4 * pt));
    const QFont heading = fontOf(12, pt, true);
    const double headingHeight = QFontMetricsF(heading, device).height() * 1.6;
    p.setFont(heading);
    p.drawText(QRectF(0, 0, width, headingHeight), (side == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop,
               title(day));
    if (side == 0) {
        drawTable(p, planetsTable(day), ink, 0, headingHeight);
        const Table stars = starsTable(day);
        drawTable(p, stars, ink, width - widthOf(stars, ink, device), headingHeight);
        return;
    }
    double y = drawTable(p, sunMoonTable(day), ink, 0, headingHeight);
    y = drawTable(p, dayTable(day), ink, 0, y + ink.pad);
    y = drawTable(p, eventsTable(day), ink, 0, y + ink.pad);
    p.setFont(ink.body);
    const QString legend = QStringLiteral(
        "Times UT on the Greenwich meridian, the local mean time of the event on any other. "
        "\u25A1 above the horizon all day, \u25A0 below it all day, //// twilight all night, -- none this day. "
        "Equation of time = apparent - mean solar time: + when the Sun crosses the meridian before 12h. "
        "v and d in minutes of arc an hour; v over 14\u00B019.0' (the Moon) or 15\u00B000.0' (the planets).");
    p.drawText(QRectF(0, y + ink.pad, width, height - y - ink.pad), Qt::TextWordWrap | Qt::AlignTop, legend);
}

bool drawDailyPages(QPagedPaintDevice& device, int count, const std::function<almanac::DailyPage(int)>& page)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&device))
        return false;
    const double pt = device.logicalDpiY() / 72.0;
    const QSizeF size(device.width(), device.height());
    double points = 8;
    for (int i = 0; i < count; ++i) {
        const DailyPage day = page(i);
        if (!day.ok())
            return false;
        // The font chosen on the first day, kept for all.
        if (i == 0)
            points = fittingPoints(day, size.width(), pt, &device);
        for (int side = 0; side < 2; ++side) {
            if ((i > 0 || side > 0) && !device.newPage())
                return false;
            paintSide(p, size, pt, day, side, points);
        }
    }
    return p.end();
}

QByteArray dailyPagesPdf(int count, const std::function<almanac::DailyPage(int)>& page, std::string& error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("morvel-solve"));
        writer.setTitle(QStringLiteral("Daily pages"));
        drawn = drawDailyPages(writer, count, [&](int i) {
            almanac::DailyPage p = page(i);
            if (!p.ok() && error.empty())
                error = p.error;
            return p;
        });
    }
    if (!drawn) {
        if (error.empty())
            error = "the pages could not be drawn";
        return {};
    }
    return bytes;
}

}  // namespace morvel::almanacpage
