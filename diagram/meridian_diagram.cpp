#include "diagram/meridian_diagram.h"

#include "diagram/drawing.h"
#include "engine/state.h"
#include "toolkit/language.h"

#include <QFontMetricsF>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace morvel::diagram {

using toolkit::Label;
using toolkit::Line;

namespace {

int sgn(double x)
{
    return (x > 0) - (x < 0);
}

/// Places a frame or pole label and shows it. The label is made just as
/// wide as its letters, so that its background never covers the circle
/// next to it, and is kept inside the window: near the horizon or the
/// zenith-nadir line the place beyond its point can lie past the edge.
void showAt(Label& l, double left, double top)
{
    const QFontMetricsF metrics(l.widget()->font());
    l.setWidth((std::ceil(metrics.horizontalAdvance(l.shownCaption())) + 2) * toolkit::twipsPerPixel);
    const QWidget& window = l.form();
    l.setLeft(std::max(0.0, std::min(left, window.width() * toolkit::twipsPerPixel - l.width())));
    l.setTop(std::max(0.0, std::min(top, window.height() * toolkit::twipsPerPixel - l.height())));
    l.setVisible(true);
}

/// Moves label l, where it stands over or under the frame label `fixed`
/// (their letters share a column), beside it and level with it: to its
/// right when right, else to its left.
void besideIfInItsColumn(Label& l, const Label& fixed, bool right)
{
    const double fixedRight = fixed.left() + fixed.width();
    if (l.left() >= fixedRight || l.left() + l.width() <= fixed.left())
        return;
    constexpr double gap = 60;
    l.setLeft(right ? fixedRight + gap : fixed.left() - gap - l.width());
    l.setTop(fixed.top());
}

void showLine(Line& l, double x1, double y1, double x2, double y2, toolkit::VbColor colour)
{
    l.setPoints(x1, y1, x2, y2);
    l.setVisible(true);
    l.setBorderColor(colour);
}

}  // namespace

void drawmd(int16_t mmm)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    DiagramControls& dc = s->diagramControls();
    engine::mdset = mmm;
    for (const auto* a : {&dc.linV, &dc.linH, &dc.LinA, &dc.LinB})
        for (Line* l : *a)
            l->setVisible(false);
    Merstart();
    if (auto* home = dynamic_cast<DiagramSurface*>(engine::form(1)))
        home->diagramControls().chkEllipse.setVisible(true);

    const toolkit::VbColor captionColors[] = {quantityColors::latitude, quantityColors::lha,
                                              quantityColors::declination, quantityColors::altitude,
                                              quantityColors::azimuth};
    // A new colour restyles the label; most drawings find it already set.
    for (int i = 0; i < 5; ++i)
        if (s->caption(i).foreColor() != captionColors[i])
            s->caption(i).setForeColor(captionColors[i]);

    const bool first = engine::mdset == 1;
    const double lat = first ? engine::lat1 : engine::lat2;
    const double lha = first ? engine::lha1 : engine::lha2;
    const double dec = first ? engine::dec1 : engine::dec2;
    const double alt = first ? engine::alt1 : engine::alt2;
    const double az = first ? engine::az1 : engine::az2;

    drawpq(lat);
    drawdec(lat, dec);
    drawalt(alt);
    body(lat, dec, alt, lha);
    marks(j2, k2, r);

    if (dc.chkEllipse.value() == 1) {
        drawvc(az);
        drawhc(lat, lha);
        dc.txtCircarc.setVisible(false);
    } else {
        circarc(xb, yb, 0, -1, 0, 1, 5);
        circarc(xb, yb, -std::cos(lat), -std::sin(lat), std::cos(lat), std::sin(lat), 2);
        dc.txtCircarc.setVisible(true);
    }
}

void Merstart()
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    DiagramControls& dc = s->diagramControls();
    if (engine::actform == 3) {
        j2 = 7800;
        k2 = 4940;
        r = 1380;
    } else {
        j2 = 6300;
        k2 = 4280;
        r = 2000;
    }
    dc.shpCelMer.setShape(3);
    dc.shpCelMer.move(j2 - r, k2 - r, 2 * r, 2 * r);
    dc.shpCelMer.setVisible(true);
    dc.shpCelMer.setBackColor(toolkit::colors::white);

    dc.linHor.setPoints(j2 - r, k2, j2 + r, k2);
    dc.linHor.setVisible(true);
    dc.linPV.setPoints(j2, k2 - r, j2, k2 + r);
    dc.linPV.setVisible(true);

    showAt(dc.lblZ, j2 - 50, k2 - r - 240);
    showAt(dc.lblNa, j2 - 50, k2 + r);
    showAt(dc.lblN, j2 - r - 220, k2 - 100);
    showAt(dc.lblS, j2 + r + 80, k2 - 100);
}

void marks(int16_t j, int16_t k, int16_t rr)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    const auto& ticks = s->diagramControls().LinL;
    for (int i = 0; i <= 35; ++i) {
        const double a = 10 * i * engine::deg;
        Line& l = ticks(i);
        l.setVisible(true);
        l.setPoints(rr * std::cos(a) + j, rr * std::sin(a) + k, (rr - 100) * std::cos(a) + j,
                    (rr - 100) * std::sin(a) + k);
    }
}

void mdchoose()
{
    engine::nout = 2;
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    toolkit::TextBox& prompt = s->remarks();
    // A remark on show waits in txtMD, beside the Draw buttons, until a set
    // is drawn: both stay in sight.
    const QString remark = toolkit::shown(QStringLiteral("Many Other Solutions"));
    if (prompt.visible() && prompt.text() == remark) {
        toolkit::TextBox& md = s->diagramControls().txtMD;
        md.setText(remark);
        md.setBackColor(toolkit::colors::cyan);
        md.setVisible(true);
    }
    prompt.setVisible(true);
    prompt.setText(toolkit::shown(QStringLiteral("Select Output Set for Meridian Diagram")));
    prompt.setBackColor(toolkit::colors::cyan);
    s->diagramControls().cmdDraw1.setVisible(true);
    s->diagramControls().cmdDraw2.setVisible(true);
}

void drawpq(double l)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    DiagramControls& dc = s->diagramControls();
    const double c = std::cos(l), sn = std::sin(l);
    showLine(dc.linPP, j2 - r * c, k2 - r * sn, j2 + r * c, k2 + r * sn, quantityColors::latitude);
    showLine(dc.linQQ, j2 - r * sn, k2 + r * c, j2 + r * sn, k2 - r * c, quantityColors::latitude);

    // Each label sits just outside the circle beyond its point; the
    // offsets, in whole twips, make room for the letters on either side of
    // the horizon.
    const int h = sgn(l);
    showAt(dc.lblPn, (j2 - 40) - (r + 460) * c, (k2 - 85) - (r + 350 + 15 * h) * sn);
    showAt(dc.lblPs, (j2 - 60) + (r + 420) * c, k2 + (r + 350) * sn - 105);
    showAt(dc.lblQ, (j2 - 60) + (r + 410 - 10 * h) * sn, (k2 - 90) - (r + 320 - 50 * h) * c);
    showAt(dc.lblQ2, (j2 - 60) - (r + 360 + 30 * h) * sn, (k2 - 120) + (r + 420 + 75 * h) * c);
    // Near the equator Q is close to the zenith and Q' to the nadir: each
    // stands beside the letter there, on its own side of the meridian.
    besideIfInItsColumn(dc.lblQ, dc.lblZ, l >= 0);
    besideIfInItsColumn(dc.lblQ2, dc.lblNa, l < 0);
}

void drawdec(double l, double d)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    showLine(s->diagramControls().linDec, j2 - r * std::sin(l + d), k2 + r * std::cos(l + d),
             j2 + r * std::sin(l - d), k2 - r * std::cos(l - d), quantityColors::declination);
}

void drawalt(double h)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    const double y = k2 - r * std::sin(h);
    showLine(s->diagramControls().linAlt, j2 - r * std::cos(h), y, j2 + r * std::cos(h), y,
             quantityColors::altitude);
}

void body(double l, double d, double h, double t)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    DiagramControls& dc = s->diagramControls();
    xb = std::sin(l - d) - (std::cos(l - d) - std::sin(h)) * std::tan(l);
    yb = -std::sin(h);

    // The body lies on the parallel of altitude, a chord reaching
    // cos h either side of the zenith-nadir line. At a pole the parallels of
    // altitude and declination coincide, tan L is of the order of 1e16 and
    // xb is rounding noise: the body is then put where its hour circle,
    // the half-ellipse u = sgn(L) cos t sin(theta), crosses the parallel of
    // altitude, at u = sgn(L) cos t cos h. Anywhere else a body off its chord
    // can only come from rounding in an inconsistent set, and is pulled back
    // onto it.
    const double edge = std::cos(h);
    if (std::abs(std::cos(l)) < 1e-9)
        xb = (l < 0 ? -1 : 1) * std::cos(t) * edge;
    else if (std::isnan(xb))
        xb = edge;
    else
        xb = std::clamp(xb, -edge, edge);

    const double x = r * xb + j2, y = r * yb + k2;
    dc.shpBody.setVisible(true);
    dc.shpBody.move(float(x - 50), float(y - 50), 100, 100);
    dc.shpBody.setShape(3);
    if (engine::actform == 3 && dc.shpBody2) {
        dc.shpBody2->setVisible(true);
        dc.shpBody2->setLeft(j2 - 50);
        dc.shpBody2->setTop(k2 - 50 - r);
    }
}

void drawvc(double z)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    DiagramControls& dc = s->diagramControls();
    const double pi = engine::pi, cz = std::cos(z);
    // A half-ellipse from Z to Na with horizontal semi-axis r |cos z|, on
    // the body's side of the zenith-nadir line; drawn solid for a body west
    // of the meridian and on the odd segments for one east of it.
    polyline(
        dc.linV, 35,
        [&](int i) {
            const double theta = i * engine::deg * 180 / 35;
            return place(-std::sin(theta) * cz, -std::cos(theta));
        },
        [&](int i) { return segmentShown(z > pi, z < pi, i, 1); }, quantityColors::azimuth);
    // The azimuth point on the horizon turned into the plane of the drawing:
    // upwards for an eastern azimuth, downwards for a western one.
    dashedRun(dc.LinA, {j2 - r * cz, double(k2)}, {0, -r * std::sin(z)}, pieces(std::abs(std::sin(z))),
              quantityColors::azimuth);
}

void drawhc(double l, double t)
{
    DiagramSurface* s = activeSurface();
    if (!s)
        return;
    DiagramControls& dc = s->diagramControls();
    const double pi = engine::pi, ct = std::cos(t), st = std::sin(t);
    const double cl = std::cos(l), sl = std::sin(l);
    // A half-ellipse from Pn to Ps; solid for a body west of the meridian
    // and on the even segments for one east of it.
    polyline(
        dc.linH, 35,
        [&](int i) {
            const double theta = i * engine::deg * 180 / 35;
            return place(std::sin(theta) * ct * sl - cl * std::cos(theta),
                         -std::sin(theta) * ct * cl - sl * std::cos(theta));
        },
        [&](int i) { return segmentShown(t < pi, t > pi, i, 0); }, quantityColors::lha);
    // From the hour circle's point on the equator, parallel to the polar
    // axis: towards Pn for a western LHA, towards Ps for an eastern one.
    dashedRun(dc.LinB, place(ct * sl, -ct * cl), {-r * st * cl, -r * st * sl}, pieces(std::abs(st)),
              quantityColors::lha);
}

}  // namespace morvel::diagram
