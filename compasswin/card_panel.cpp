#include "compasswin/card_panel.h"

#include "navtext/navtext.h"
#include "sightwin/texts.h"
#include "toolkit/palette.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace morvel::compasswin {

namespace {

using math::degree;
using sightwin::readOnlyCell;
using sightwin::text;

// The curve's colours by day, shown as the palette in force has them
// (the printed page is drawn by day).
QColor gridInk() { return toolkit::ink(QColor(200, 200, 200)); }
QColor curveInk() { return toolkit::ink(QColor(0, 70, 160)); }
QColor observedInk() { return toolkit::ink(QColor(200, 40, 40)); }

QTableWidget* tableOf(const QStringList& headers)
{
    auto* t = new QTableWidget(0, int(headers.size()));
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    // As wide as its columns; as high as the panel leaves it.
    t->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() * 3 / 2);
    return t;
}

void fill(QTableWidget& t, const QList<QStringList>& rows)
{
    t.setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            t.setItem(r, c, readOnlyCell(rows[r][c], c > 0));
}

}  // namespace

QStringList cardWords(const compass::Worked& w)
{
    const compass::DeviationCard& card = w.card;
    QStringList words;
    if (!card.ok())
        return {QObject::tr("No deviation card: %1").arg(text(card.why))};
    words << QObject::tr("Fitted to %1 observations on %2 headings.").arg(w.swung.size()).arg(card.headings);
    if (!card.advice.empty())
        words << text(card.advice);
    for (const compass::Gap& g : card.gaps)
        words << text(compass::gapText(g));
    return words;
}

QList<std::pair<QString, QString>> coefficientTexts(const compass::DeviationCard& card)
{
    const double figures[] = {card.A, card.B, card.C, card.D, card.E};
    const char* names[] = {"A", "B", "C", "D", "E"};
    QList<std::pair<QString, QString>> out;
    for (int i = 0; i < 5; ++i)
        out.append({QString::fromLatin1(names[i]), text(navtext::eastWestText(figures[i]))});
    return out;
}

void paintCurve(QPainter& p, const QRectF& box, const compass::Worked& w)
{
    const QFontMetricsF m(p.font(), p.device());
    // The frame leaves room for the scale's figures at the left and below.
    const QRectF plot = box.adjusted(m.horizontalAdvance(QStringLiteral("00 W ")), m.height() / 2, -m.height(),
                                     -m.height() * 1.6);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    double reach = 2 * degree;  // at least two degrees either way
    for (const compass::Swung& s : w.swung)
        reach = std::max(reach, std::abs(s.deviation));
    if (w.card.ok())
        for (int h = 0; h < 360; ++h)
            reach = std::max(reach, std::abs(w.card.deviationOn(h * degree)));
    const double step = reach <= 5 * degree ? 1 : reach <= 10 * degree ? 2 : reach <= 25 * degree ? 5 : 15;
    reach = std::ceil(reach / degree / step) * step;  // whole steps, degrees
    auto x = [&](double heading) { return plot.left() + plot.width() * heading / (2 * math::pi); };
    auto y = [&](double dev) { return plot.center().y() - plot.height() / 2 * (dev / degree) / reach; };

    const QPen ink = p.pen();
    QPen grid(gridInk(), ink.widthF() / 2);
    p.setPen(grid);
    for (int h = 0; h <= 360; h += 45)
        p.drawLine(QPointF(x(h * degree), plot.top()), QPointF(x(h * degree), plot.bottom()));
    for (double d = -reach; d <= reach + 1e-9; d += step)
        p.drawLine(QPointF(plot.left(), y(d * degree)), QPointF(plot.right(), y(d * degree)));
    p.setPen(ink);
    p.drawRect(plot);
    for (int h = 0; h <= 360; h += 45) {
        const QString t = QStringLiteral("%1").arg(h, 3, 10, QLatin1Char('0'));
        p.drawText(QPointF(x(h * degree) - m.horizontalAdvance(t) / 2, plot.bottom() + m.ascent() + m.height() * 0.2), t);
    }
    for (double d = -reach; d <= reach + 1e-9; d += step) {
        // East above the line, west below: "3 E", "0", "3 W".
        const QString t = d == 0 ? QStringLiteral("0")
                                 : QString::number(std::abs(d)) + (d > 0 ? QStringLiteral(" E") : QStringLiteral(" W"));
        p.drawText(QPointF(plot.left() - m.horizontalAdvance(t + u' '), y(d * degree) + m.ascent() / 2 - m.descent() / 2), t);
    }
    if (w.card.ok()) {
        QPainterPath curve;
        for (int h = 0; h <= 360; h += 2)
            h == 0 ? curve.moveTo(x(h * degree), y(w.card.deviationOn(h * degree)))
                   : curve.lineTo(x(h * degree), y(w.card.deviationOn(h * degree)));
        QPen line(curveInk(), ink.widthF() * 2);
        p.setPen(line);
        p.drawPath(curve);
    }
    p.setPen(ink);
    p.setBrush(observedInk());
    const double r = m.height() / 5;
    for (const compass::Swung& s : w.swung)
        p.drawEllipse(QPointF(x(s.heading), y(s.deviation)), r, r);
    p.setBrush(Qt::NoBrush);
}

DeviationCurve::DeviationCurve(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(240, 160);
}

void DeviationCurve::setWorked(const compass::Worked* w)
{
    worked_ = w;
    update();
}

void DeviationCurve::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), toolkit::ink(Qt::white));
    p.setPen(toolkit::ink(Qt::black));
    if (worked_)
        paintCurve(p, QRectF(rect()).adjusted(4, 4, -4, -4), *worked_);
}

CardPanel::CardPanel(QWidget* parent) : QWidget(parent)
{
    words_ = new QLabel;
    words_->setWordWrap(true);
    words_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    coefficients_ = tableOf({tr("Coefficient"), tr("Degrees")});
    card_ = tableOf({tr("Compass heading"), tr("Deviation")});
    observations_ = tableOf({tr("Row"), tr("Ship's head"), tr("Deviation"), tr("Residual")});
    curve_ = new DeviationCurve;
    auto* grid = new QGridLayout(this);
    grid->addWidget(words_, 0, 0, 1, 3);
    grid->addWidget(coefficients_, 1, 0);
    grid->addWidget(observations_, 2, 0);
    grid->addWidget(card_, 1, 1, 2, 1);
    grid->addWidget(curve_, 1, 2, 2, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
    coefficients_->setMaximumHeight(coefficients_->verticalHeader()->defaultSectionSize() * 5 +
                                    coefficients_->horizontalHeader()->sizeHint().height() +
                                    2 * coefficients_->frameWidth());
}

void CardPanel::showCard(const compass::Worked& w)
{
    words_->setText(cardWords(w).join(u'\n'));
    QList<QStringList> rows;
    if (w.card.ok())
        for (const auto& [name, figure] : coefficientTexts(w.card))
            rows.append({name, figure});
    fill(*coefficients_, rows);
    rows.clear();
    if (w.card.ok())
        for (int h = 0; h < 360; h += compass::cardStepDegrees)
            rows.append({QStringLiteral("%1°").arg(h, 3, 10, QLatin1Char('0')),
                         text(navtext::eastWestText(w.card.deviationOn(h * degree)))});
    fill(*card_, rows);
    rows.clear();
    for (size_t i = 0; i < w.swung.size(); ++i)
        rows.append({QString::number(w.rowOf[i] + 1), text(navtext::navCircleText(w.swung[i].heading, false)),
                     text(navtext::eastWestText(w.swung[i].deviation)),
                     w.card.ok() && i < w.card.residuals.size() ? text(navtext::eastWestText(w.card.residuals[i]))
                                                                : QString()});
    fill(*observations_, rows);
    curve_->setWorked(&w);
}

}  // namespace morvel::compasswin
