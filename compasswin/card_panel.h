/// \file card_panel.h
/// \brief The deviation card of the azimuth book: the observations it is
/// fitted to (the magnetic rows with a ship's head and a deviation), the
/// coefficients A to E, the deviation every 15 degrees of compass heading,
/// the curve, and the words the card comes with (no card and why, the
/// advice of exactly five headings, a gap over 180 degrees). The curve is
/// one function painted for the screen and for the printed page.
#pragma once

#include "compass/book.h"

#include <QWidget>

class QLabel;
class QPainter;
class QTableWidget;

namespace morvel::compasswin {

/// The card's words: why there is none, or its headings, advice and gaps.
QStringList cardWords(const compass::Worked& w);

/// The coefficients' names and their figures as written ("0.5° E").
QList<std::pair<QString, QString>> coefficientTexts(const compass::DeviationCard& card);

/// The curve of the card over compass headings 0 to 360 in box, the
/// observations as dots; the scale's text in the painter's font.
void paintCurve(QPainter& p, const QRectF& box, const compass::Worked& w);

class DeviationCurve : public QWidget {
public:
    explicit DeviationCurve(QWidget* parent = nullptr);
    void setWorked(const compass::Worked* w);
    QSize sizeHint() const override { return {420, 260}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const compass::Worked* worked_ = nullptr;
};

class CardPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardPanel(QWidget* parent = nullptr);
    void showCard(const compass::Worked& w);

    QLabel& words() { return *words_; }
    QTableWidget& coefficients() { return *coefficients_; }
    QTableWidget& card() { return *card_; }
    QTableWidget& observations() { return *observations_; }

private:
    QLabel* words_;
    QTableWidget *coefficients_, *card_, *observations_;
    DeviationCurve* curve_;
};

}  // namespace morvel::compasswin
