/// \file sky_chart.h
/// \brief The sky as a star finder shows it: the bodies above the horizon
/// on a polar chart of azimuth and altitude, for the screen and a page.
///
/// The horizon plane seen from above, as on a chart: north at the top,
/// east to the right, azimuth clockwise. The horizon is the outer circle
/// and the zenith the centre; altitude runs inward in equal steps, a circle
/// every 15 degrees. A star is a disc, larger the brighter it is (by its
/// magnitude); a planet a diamond sized the same way; the Sun a disc with
/// a dot in it and the Moon a crescent. Bodies outside the altitude band
/// are grey and the parts of the sky outside it shaded; the bodies
/// suggested for a fix are ringed and joined to the zenith, so that their
/// spread in azimuth shows. Each body is named beside its mark where the
/// name has room (brightest and suggested first); hovering names any.
///
/// Hc and Zn in radians, as sight::skyAt gives them.
#pragma once

#include "sight/sky.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

namespace morvel::sightwin {

struct SkyChartContent {
    std::vector<sight::Visible> bodies;  ///< brightest first, as skyAt gives them
    sight::AltitudeBand band;            ///< the bodies outside it are grey
    std::vector<size_t> suggested;       ///< indices into bodies, ringed
    QString caption;                     ///< above the chart when not empty (a page's)
};

/// A body's magnitude to a tenth, "0.0", "-1.5"; empty for the Sun and the
/// Moon, which have none here.
QString magnitudeText(const sight::Visible& b);
/// "Vega: Hc 49°01.7', Zn 286°16.4', magnitude 0.0".
QString bodyFacts(const sight::Visible& b);

class SkyChart : public QWidget {
    Q_OBJECT
public:
    explicit SkyChart(QWidget* parent = nullptr);

    /// The selection stays on the same body while it is still above the
    /// horizon.
    void setContent(SkyChartContent c);
    const SkyChartContent& content() const { return content_; }

    /// Draws the chart in `area` on any painter (the window, a printer, a
    /// PDF): vectors only, marks and lines scaled to the painter's font.
    /// selected (an index into c.bodies, or -1) is drawn with a ring.
    static void paint(QPainter& p, const QRectF& area, const SkyChartContent& c, int selected = -1);
    /// Where a body at hc, zn falls when the chart is drawn in `area` with
    /// the default font.
    static QPointF pointOf(const QRectF& area, const SkyChartContent& c, double hc, double zn);

    /// The body whose mark is nearest `at` within a few pixels, or -1.
    int bodyAt(QPointF at) const;
    int selected() const { return selected_; }
    /// Selects a body (an index into the content's bodies) or none (-1).
    void select(int body);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    /// A click or an arrow key moved the selection.
    void selectionChanged(int body);
    /// Double click or Enter on a body.
    void chosen(int body);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    /// The nearest body from the selected one in a direction on the screen.
    int nextToward(QPointF direction) const;

    SkyChartContent content_;
    int selected_ = -1;
};

}  // namespace morvel::sightwin
