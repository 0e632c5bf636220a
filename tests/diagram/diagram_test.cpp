// The meridian diagram drawn on the real calculator windows, headless:
// positions against values worked out by hand, the segment and dash rules,
// both curve modes, and a sweep over degenerate triangles in which no
// control may receive a coordinate that is not a finite number.
#include "calc/calculator_window.h"
#include "calc/decimal_window.h"
#include "diagram/meridian_diagram.h"
#include "engine/cases.h"
#include "engine/state.h"
#include "shell/program.h"
#include "toolkit/form.h"

#include <QApplication>
#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

using namespace morvel;
using toolkit::Line;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double rad = pi / 180;

/// A window the diagram draws on and its frame values.
struct Frame {
    const char* name;
    int16_t form;
    double j2, k2, r;
};
constexpr Frame decimal{"locddf", 1, 6300, 4280, 2000};
constexpr Frame greatCircle{"gcsf", 3, 7800, 4940, 1380};
constexpr Frame degreesMinutes{"locdmf", 2, 6300, 4280, 2000};

/// A solution set in radians.
struct Triangle {
    double lat, lha, dec, alt, az;
};

/// The triangle of latitude, declination and LHA (degrees), solved here by
/// the cosine formula and the four-part formula, independently of the engine.
Triangle solved(double latDeg, double decDeg, double lhaDeg)
{
    const double L = latDeg * rad, d = decDeg * rad, t = lhaDeg * rad;
    const double alt = std::asin(std::sin(L) * std::sin(d) + std::cos(L) * std::cos(d) * std::cos(t));
    double az = std::atan2(-std::cos(d) * std::sin(t), std::sin(d) * std::cos(L) - std::cos(d) * std::sin(L) * std::cos(t));
    if (az < 0)
        az += 2 * pi;
    return {L, t, d, alt, az};
}

struct Pt {
    double x, y;
};

Pt start(const Line& l) { return {l.x1(), l.y1()}; }
Pt end(const Line& l) { return {l.x2(), l.y2()}; }

double distance(Pt a, Pt b) { return std::hypot(a.x - b.x, a.y - b.y); }

/// Distance from p to the straight line through a and b.
double offLine(Pt p, Pt a, Pt b)
{
    return std::abs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / distance(a, b);
}

/// Distance from p to the curve through the polyline's vertices 0, mid and
/// last (all exactly on the drawn circle or line).
double offCurve(const toolkit::ControlArray<Line>& lines, int segments, Pt p)
{
    const Pt a = start(lines(1)), b = end(lines(segments / 2)), c = end(lines(segments));
    const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    if (std::abs(d) < 1e-6 * distance(a, c) * distance(a, c))
        return offLine(p, a, c);
    const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    const Pt centre{(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
                    (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
    return std::abs(distance(p, centre) - distance(a, centre));
}

/// Distance from p to the nearest of the segments lines(1..segments).
double offPolyline(const toolkit::ControlArray<Line>& lines, int segments, Pt p)
{
    double best = INFINITY;
    for (int i = 1; i <= segments; ++i) {
        const Pt a = start(lines(i)), b = end(lines(i));
        const double len2 = (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
        const double f = std::clamp(((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) / len2, 0.0, 1.0);
        best = std::min(best, distance(p, {a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)}));
    }
    return best;
}

#define EXPECT_AT(point, ex, ey)             \
    do {                                     \
        const Pt p_ = (point);               \
        EXPECT_NEAR(p_.x, (ex), 1) << #point; \
        EXPECT_NEAR(p_.y, (ey), 1) << #point; \
    } while (0)

class Diagram : public ::testing::Test {
protected:
    shell::Program program;

    /// Makes the frame's window the active one, as a calculation there does.
    void activate(const Frame& f)
    {
        engine::setup(f.form);
        frame = f;
    }

    calc::CalculatorWindow& window() const { return *dynamic_cast<calc::CalculatorWindow*>(engine::forms[frame.form]); }
    diagram::DiagramControls& dc() const { return window().dc; }

    /// Stores t as solution set `set` and draws it in one mode.
    void draw(const Triangle& t, bool ellipse, int16_t set = 1)
    {
        (set == 1 ? engine::lat1 : engine::lat2) = t.lat;
        (set == 1 ? engine::lha1 : engine::lha2) = t.lha;
        (set == 1 ? engine::dec1 : engine::dec2) = t.dec;
        (set == 1 ? engine::alt1 : engine::alt2) = t.alt;
        (set == 1 ? engine::az1 : engine::az2) = t.az;
        dc().chkEllipse.setValue(ellipse ? 1 : 0);
        diagram::drawmd(set);
    }

    Pt bodyCentre() const
    {
        const auto& b = dc().shpBody;
        return {b.left() + b.width() / 2, b.top() + b.height() / 2};
    }

    /// Indices 0..last of a line array that are shown.
    static std::vector<int> shownIndices(const toolkit::ControlArray<Line>& lines)
    {
        std::vector<int> shown;
        for (const Line* l : lines)
            if (l->visible())
                shown.push_back(l->index());
        return shown;
    }

    Frame frame = decimal;
};

TEST_F(Diagram, FrameAndTickMarks)
{
    struct Row {
        Frame f;
        Pt tick0a, tick0b, tick9a, tick9b;
    };
    const Row rows[] = {
        {decimal, {8300, 4280}, {8200, 4280}, {6300, 6280}, {6300, 6180}},
        {degreesMinutes, {8300, 4280}, {8200, 4280}, {6300, 6280}, {6300, 6180}},
        {greatCircle, {9180, 4940}, {9080, 4940}, {7800, 6320}, {7800, 6220}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.f.name);
        activate(row.f);
        draw(solved(40, 20, 30), true);
        const auto& c = dc();
        EXPECT_AT(start(c.LinL(0)), row.tick0a.x, row.tick0a.y);
        EXPECT_AT(end(c.LinL(0)), row.tick0b.x, row.tick0b.y);
        EXPECT_AT(start(c.LinL(9)), row.tick9a.x, row.tick9a.y);
        EXPECT_AT(end(c.LinL(9)), row.tick9b.x, row.tick9b.y);
        for (const Line* l : c.LinL)
            EXPECT_TRUE(l->visible());

        const double j2 = row.f.j2, k2 = row.f.k2, r = row.f.r;
        EXPECT_EQ(c.shpCelMer.left(), j2 - r);
        EXPECT_EQ(c.shpCelMer.top(), k2 - r);
        EXPECT_EQ(c.shpCelMer.width(), 2 * r);
        EXPECT_EQ(c.shpCelMer.height(), 2 * r);
        EXPECT_TRUE(c.shpCelMer.visible());
        EXPECT_AT(start(c.linHor), j2 - r, k2);
        EXPECT_AT(end(c.linHor), j2 + r, k2);
        EXPECT_AT(start(c.linPV), j2, k2 - r);
        EXPECT_AT(end(c.linPV), j2, k2 + r);
        EXPECT_AT((Pt{c.lblZ.left(), c.lblZ.top()}), j2 - 50, k2 - r - 240);
        EXPECT_AT((Pt{c.lblS.left(), c.lblS.top()}), j2 + r + 80, k2 - 100);

        const toolkit::VbColor captions[] = {0xFF0000, 0x8000, 0x4080, 0xFF, 0xC000C0};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(window().lblDat(i).foreColor(), captions[i]) << "lblDat(" << i << ")";
        // The decimal-degrees window's check box is shown whichever window draws.
        EXPECT_TRUE(program.locddf().dc.chkEllipse.visible());
    }
}

TEST_F(Diagram, PolarAxisAndEquator)
{
    struct Row {
        const char* name;
        Frame f;
        double lat;
        Pt pn, ps, q2, q, lblPn, lblQ;
    };
    // At the equator Q stands beside Z (135 twips wide), 60 twips to its
    // right and level with it.
    const Row rows[] = {
        {"equator, calculator", decimal, 0, {4300, 4280}, {8300, 4280}, {6300, 6280}, {6300, 2280}, {3800, 4195}, {6445, 2040}},
        {"30S, calculator", decimal, -30, {4567.949, 5280}, {8032.051, 3280}, {7300, 6012.051}, {5300, 2547.949},
         {4129.578, 5362.5}, {5030, 2137.52}},
        {"equator, great circle", greatCircle, 0, {6420, 4940}, {9180, 4940}, {7800, 6320}, {7800, 3560}, {5920, 4855},
         {7945, 3320}},
        {"30S, great circle", greatCircle, -30, {6604.885, 5630}, {8995.115, 4250}, {8490, 6135.115}, {7110, 3744.885},
         {6166.513, 5712.5}, {6840, 3334.456}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        activate(row.f);
        draw(solved(row.lat, 10, 45), true);
        const auto& c = dc();
        EXPECT_AT(start(c.linPP), row.pn.x, row.pn.y);
        EXPECT_AT(end(c.linPP), row.ps.x, row.ps.y);
        EXPECT_AT(start(c.linQQ), row.q2.x, row.q2.y);
        EXPECT_AT(end(c.linQQ), row.q.x, row.q.y);
        EXPECT_AT((Pt{c.lblPn.left(), c.lblPn.top()}), row.lblPn.x, row.lblPn.y);
        EXPECT_AT((Pt{c.lblQ.left(), c.lblQ.top()}), row.lblQ.x, row.lblQ.y);
        EXPECT_LE(c.lblQ2.top() + c.lblQ2.height(), window().heightTwips());
        EXPECT_EQ(c.linPP.borderColor(), 0xFF0000u);
        EXPECT_EQ(c.linQQ.borderColor(), 0xFF0000u);
        for (const toolkit::Control* l : {&c.linPP, &c.linQQ, &c.linDec, &c.linAlt})
            EXPECT_TRUE(l->visible()) << l->name().toStdString();
    }
}

TEST_F(Diagram, BodyWhereTheParallelsMeet)
{
    struct Row {
        const char* name;
        Frame f;
        double lat, dec, lha;
        Pt centre;
    };
    const Row rows[] = {
        {"40N, west, calculator", decimal, 40, 20, 30, {6822.193, 2593.497}},
        {"30S, east, calculator", decimal, -30, 10, 315, {5302.868, 3247.510}},
        {"40N, west, great circle", greatCircle, 40, 20, 30, {8160.313, 3776.313}},
        {"30S, east, great circle", greatCircle, -30, 10, 315, {7111.979, 4227.582}},
    };
    for (const Row& row : rows) {
        for (bool ellipse : {true, false}) {
            SCOPED_TRACE(std::string(row.name) + (ellipse ? ", ellipse" : ", arcs"));
            activate(row.f);
            draw(solved(row.lat, row.dec, row.lha), ellipse);
            const auto& c = dc();
            const Pt b = bodyCentre();
            EXPECT_AT(b, row.centre.x, row.centre.y);
            EXPECT_TRUE(c.shpBody.visible());
            EXPECT_EQ(c.shpBody.width(), 100);
            EXPECT_LT(offLine(b, start(c.linDec), end(c.linDec)), 1);
            EXPECT_LT(offLine(b, start(c.linAlt), end(c.linAlt)), 1);
        }
    }
}

TEST_F(Diagram, DepartureMarkedAtTheZenithOnTheGreatCircleWindowOnly)
{
    activate(greatCircle);
    draw(solved(40, 20, 30), true);
    ASSERT_NE(dc().shpBody2, nullptr);
    EXPECT_TRUE(dc().shpBody2->visible());
    EXPECT_EQ(dc().shpBody2->left(), 7750);
    EXPECT_EQ(dc().shpBody2->top(), 3510);
    activate(decimal);
    draw(solved(40, 20, 30), true);
    EXPECT_EQ(dc().shpBody2, nullptr);
}

TEST_F(Diagram, EllipsesEndAtZenithNadirAndThePoles)
{
    struct Row {
        Frame f;
        double lat, lha;
    };
    const Row rows[] = {{decimal, 40, 30}, {decimal, -30, 315}, {greatCircle, 40, 30}, {greatCircle, -30, 315}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.f.name) + " lat " + std::to_string(row.lat));
        activate(row.f);
        draw(solved(row.lat, 10, row.lha), true);
        const auto& c = dc();
        const double j2 = row.f.j2, k2 = row.f.k2, r = row.f.r, L = row.lat * rad;
        EXPECT_AT(start(c.linV(1)), j2, k2 - r);
        EXPECT_AT(end(c.linV(35)), j2, k2 + r);
        EXPECT_AT(start(c.linH(1)), j2 - r * std::cos(L), k2 - r * std::sin(L));
        EXPECT_AT(end(c.linH(35)), j2 + r * std::cos(L), k2 + r * std::sin(L));
        // The true hour circle passes through the body, within the height
        // of a chord of 1/35 of a half-turn (2 twips at most).
        EXPECT_LT(offPolyline(c.linH, 35, bodyCentre()), 0.13 * row.f.r / 100);
        EXPECT_FALSE(c.txtCircarc.visible());
    }
}

TEST_F(Diagram, CircularArcsPassThroughTheBodyAndEndAtTheirEnds)
{
    struct Row {
        const char* name;
        double lat, dec, lha;
    };
    const Row rows[] = {
        {"40N west", 40, 20, 30},
        {"30S east", -30, 10, 315},
        {"equator, declination 0: vertical circle straight", 0, 0, 60},
        {"LHA 90: hour circle straight", 40, 20, 90},
        {"altitude equal to minus the latitude", 40, -20, 126},
    };
    for (const Frame& f : {decimal, greatCircle}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(f.name) + ", " + row.name);
            activate(f);
            Triangle t = solved(row.lat, row.dec, row.lha);
            if (std::string(row.name).starts_with("altitude"))
                t.alt = -t.lat;  // the body on the level of Ps
            draw(t, false);
            const auto& c = dc();
            const double j2 = f.j2, k2 = f.k2, r = f.r, L = t.lat;
            EXPECT_AT(start(c.linV(1)), j2, k2 - r);
            EXPECT_AT(end(c.linV(41)), j2, k2 + r);
            EXPECT_AT(start(c.linH(1)), j2 - r * std::cos(L), k2 - r * std::sin(L));
            EXPECT_AT(end(c.linH(41)), j2 + r * std::cos(L), k2 + r * std::sin(L));
            EXPECT_LT(offCurve(c.linV, 41, bodyCentre()), 1);
            EXPECT_LT(offCurve(c.linH, 41, bodyCentre()), 1);
            EXPECT_TRUE(c.txtCircarc.visible());
        }
    }
}

TEST_F(Diagram, StraightArcsStartTheirConstructionLinesAtTheCentre)
{
    struct Row {
        const char* name;
        Triangle t;
        bool vertical;  ///< which curve is straight
        Pt run;         ///< the construction line's far end from the centre, in radii
    };
    const double cl = std::cos(40 * rad), sl = std::sin(40 * rad);
    const Row rows[] = {
        {"prime vertical, west", solved(0, 0, 60), true, {0, 1}},
        {"prime vertical, east", solved(0, 0, 300), true, {0, -1}},
        {"prime vertical, azimuth off by 1e-5 degrees",
         {0, 300 * rad, 0, solved(0, 0, 300).alt, 90.00001 * rad}, true, {0, -1}},
        {"LHA 90, towards Pn", solved(40, 20, 90), false, {-cl, -sl}},
        {"LHA 270, towards Ps", solved(40, 20, 270), false, {cl, sl}},
    };
    for (const Frame& f : {decimal, greatCircle}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(f.name) + ", " + row.name);
            activate(f);
            draw(row.t, false);
            const auto& c = dc();
            const auto& curve = row.vertical ? c.linV : c.linH;
            const auto& line = row.vertical ? c.LinA : c.LinB;
            for (int i = 1; i <= 41; ++i)
                EXPECT_LT(offLine(end(curve(i)), start(curve(1)), end(curve(41))), 1e-6) << i;
            EXPECT_AT(start(line(0)), f.j2, f.k2);
            EXPECT_AT(end(line(16)), f.j2 + row.run.x * f.r, f.k2 + row.run.y * f.r);
        }
    }
}

TEST_F(Diagram, BodyLevelWithPnIsNudgedBeforeTheHourCircle)
{
    activate(decimal);
    Triangle t = solved(40, 20, 100);
    t.alt = t.lat;
    draw(t, false);
    EXPECT_EQ(diagram::yb, -std::sin(t.lat) + 1e-6);
    EXPECT_LT(offCurve(dc().linH, 41, bodyCentre()), 1);
}

TEST_F(Diagram, SegmentsSolidWestDashedEast)
{
    enum Pattern { All, Odd, Even };
    struct Row {
        const char* name;
        double lha;
        bool ellipse;
        Pattern vertical, hour;
        int segments;
    };
    const Row rows[] = {
        {"ellipse, west", 30, true, All, All, 35},
        {"ellipse, east", 330, true, Odd, Even, 35},
        {"arcs, west", 30, false, All, All, 41},
        {"arcs, east", 330, false, Odd, Odd, 41},
    };
    auto expected = [](Pattern p, int segments) {
        std::vector<int> v;
        for (int i = 1; i <= segments; ++i)
            if (p == All || (p == Odd) == (i % 2 == 1))
                v.push_back(i);
        return v;
    };
    for (const Frame& f : {decimal, greatCircle}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(f.name) + ", " + row.name);
            activate(f);
            draw(solved(40, 20, row.lha), row.ellipse);
            const auto& c = dc();
            EXPECT_EQ(shownIndices(c.linV), expected(row.vertical, row.segments));
            EXPECT_EQ(shownIndices(c.linH), expected(row.hour, row.segments));
            EXPECT_EQ(c.linV(1).borderColor(), 0xC000C0u);
            EXPECT_EQ(c.linH(2).borderColor(), 0x8000u);
            // The construction lines show their even pieces from 0 on.
            for (const auto* a : {&c.LinA, &c.LinB}) {
                const auto shown = shownIndices(*a);
                ASSERT_FALSE(shown.empty());
                for (size_t k = 0; k < shown.size(); ++k)
                    EXPECT_EQ(shown[k], int(2 * k));
            }
        }
    }
}

TEST_F(Diagram, ConstructionLinesInEllipseMode)
{
    // Body at lat 40N, dec 20N, LHA 30 (azimuth 240.94): |sin z| = 0.874
    // gives n = 14 for the azimuth line, |sin t| = 0.5 gives n = 8.
    activate(decimal);
    const Triangle t = solved(40, 20, 30);
    draw(t, true);
    const auto& c = dc();
    EXPECT_EQ(shownIndices(c.LinA).back(), 14);
    EXPECT_EQ(shownIndices(c.LinB).back(), 8);
    // Azimuth line: from (j2 - r cos z, k2), r |sin z| long, downwards (west).
    EXPECT_AT(start(c.LinA(0)), 6300 - 2000 * std::cos(t.az), 4280);
    EXPECT_AT(end(c.LinA(14)), 6300 - 2000 * std::cos(t.az), 4280 - 2000 * std::sin(t.az));
    // Hour-angle line: parallel to the polar axis, towards Pn (west).
    const double L = t.lat;
    const Pt from{2000 * std::cos(t.lha) * std::sin(L) + 6300, 4280 - 2000 * std::cos(t.lha) * std::cos(L)};
    EXPECT_AT(start(c.LinB(0)), from.x, from.y);
    EXPECT_AT(end(c.LinB(8)), from.x - 1000 * std::cos(L), from.y - 1000 * std::sin(L));
}

TEST_F(Diagram, AzimuthExactly180ShowsNoVerticalCircle)
{
    for (const Frame& f : {decimal, greatCircle}) {
        for (bool ellipse : {true, false}) {
            SCOPED_TRACE(std::string(f.name) + (ellipse ? ", ellipse" : ", arcs"));
            activate(f);
            Triangle t = solved(40, 20, 0);
            t.az = pi;
            draw(t, ellipse);
            EXPECT_TRUE(shownIndices(dc().linV).empty());
            if (ellipse) {
                EXPECT_EQ(shownIndices(dc().LinA), std::vector<int>{0});
            } else {
                // The body is on the meridian circle: no arc, no
                // construction line, but the remark all the same.
                for (const auto* a : {&dc().linH, &dc().LinA, &dc().LinB})
                    EXPECT_TRUE(shownIndices(*a).empty());
                EXPECT_TRUE(dc().txtCircarc.visible());
            }
        }
    }
}

TEST_F(Diagram, SetTwoIsDrawnFromTheSecondSolution)
{
    activate(decimal);
    draw(solved(40, 20, 30), true, 1);
    draw(solved(-30, 10, 315), true, 2);
    EXPECT_EQ(engine::mdset, 2);
    EXPECT_AT(bodyCentre(), 5302.868, 3247.510);
}

TEST_F(Diagram, ChoosingASetDrawsNothing)
{
    for (const Frame& f : {decimal, greatCircle}) {
        SCOPED_TRACE(f.name);
        activate(f);
        diagram::mdchoose();
        EXPECT_EQ(engine::nout, 2);
        EXPECT_TRUE(window().txtOther.visible());
        EXPECT_EQ(window().txtOther.text().toStdString(), "Select Output Set for Meridian Diagram");
        EXPECT_EQ(window().txtOther.backColor(), 0xFFFF00u);
        EXPECT_TRUE(dc().cmdDraw1.visible());
        EXPECT_TRUE(dc().cmdDraw2.visible());
        for (const auto& ctl : window().controls())
            if (dynamic_cast<toolkit::PaintedItem*>(ctl.get()) && ctl->name() != u"shpCelMer") {
                EXPECT_FALSE(ctl->visible()) << ctl->qualifiedName().toStdString();
            }
    }
}

TEST_F(Diagram, AtAPoleTheBodyStaysOnItsHourCircle)
{
    struct Row {
        const char* name;
        Triangle t;
    };
    const Row rows[] = {
        {"north pole", solved(90, 30, 45)},
        {"south pole", solved(-90, -30, 100)},
        {"north pole, altitude off by rounding", {pi / 2, 1.0, 0.5, 0.5 + 1e-15, 3.0}},
        {"south pole, body on the horizon", solved(-90, 0, 200)},
    };
    for (const Frame& f : {decimal, greatCircle}) {
        for (const Row& row : rows) {
            for (bool ellipse : {true, false}) {
                SCOPED_TRACE(std::string(f.name) + ", " + row.name + (ellipse ? ", ellipse" : ", arcs"));
                activate(f);
                draw(row.t, ellipse);
                // At a pole the hour circle is the half-ellipse
                // u = sgn(L) cos t sin(theta), v = -cos(theta) (north), which
                // meets the parallel of altitude at u = sgn(L) cos t cos h.
                const Pt b = bodyCentre();
                const double sgn = row.t.lat > 0 ? 1 : -1;
                EXPECT_NEAR(b.x, f.j2 + f.r * sgn * std::cos(row.t.lha) * std::cos(row.t.alt), 1);
                EXPECT_NEAR(b.y, f.k2 - f.r * std::sin(row.t.alt), 1);
                EXPECT_LE(distance(b, {f.j2, f.k2}), f.r + 1);
            }
        }
    }
}

TEST_F(Diagram, PaintedWhereItIsPlaced)
{
    // The window's own image, at whatever device-pixel ratio the screen
    // has (the suite also runs at QT_SCALE_FACTOR=2).
    activate(decimal);
    window().showForm();
    draw(solved(40, 20, 30), true);
    const QImage image = window().image();
    const double k = image.devicePixelRatio() / toolkit::twipsPerPixel;
    auto pixel = [&](Pt p) { return QColor(image.pixel(int(p.x * k), int(p.y * k))); };

    // The body is a filled black disc on the white circle.
    const Pt b = bodyCentre();
    EXPECT_EQ(pixel(b), QColor(Qt::black));
    EXPECT_EQ(pixel({b.x, b.y + 80}), QColor(Qt::white));
    // The parallel of altitude is drawn in red right of the body, and the
    // vertical circle (solid, west) in purple halfway down.
    const Pt onAlt{b.x + 300, b.y};
    EXPECT_GT(pixel(onAlt).red(), 200);
    EXPECT_LT(pixel(onAlt).green(), 100);
    const Pt onCircle = start(dc().linV(18));
    const QColor purple = pixel(onCircle);
    EXPECT_GT(purple.red(), 120);
    EXPECT_GT(purple.blue(), 120);
    EXPECT_LT(purple.green(), 100);
    window().hideForm();
}

/// Every coordinate of every control on the window is a finite number.
void expectFinite(const toolkit::Form& w, const std::string& what)
{
    for (const auto& c : w.controls()) {
        std::vector<double> v{c->left(), c->top(), c->width(), c->height()};
        if (auto* l = dynamic_cast<const Line*>(c.get()))
            v.insert(v.end(), {l->x1(), l->y1(), l->x2(), l->y2()});
        for (double x : v)
            if (!std::isfinite(x)) {
                ADD_FAILURE() << what << ": " << c->qualifiedName().toStdString() << " has " << x;
                return;
            }
    }
}

TEST_F(Diagram, SweepNeverGivesANonFiniteCoordinate)
{
    std::vector<Triangle> triangles;
    std::mt19937 random(20240605);
    std::uniform_real_distribution<double> lat(-90, 90), lha(0, 360);
    std::vector<double> lats{0, 90, -90, 40, -40, 89.9999999, 1e-9};
    for (int i = 0; i < 6; ++i)
        lats.push_back(lat(random));
    for (double L : lats) {
        std::vector<double> decs{0, L, -L, 90, -90, 20, lat(random)};
        for (double d : decs)
            for (double t : {0.0, 90.0, 180.0, 270.0, 360.0, 1e-7, lha(random)})
                triangles.push_back(solved(L, d, t));
    }
    // Altitude +-90 given with any azimuth, as a user may type them.
    for (double L : {0.0, 40.0, -40.0, 90.0})
        for (double h : {90.0, -90.0})
            for (double z : {0.0, 90.0, 180.0, 270.0})
                triangles.push_back({L * rad, 0, L * rad, h * rad, z * rad});

    // A body on the prime vertical whose azimuth is a hair off 90 degrees,
    // as rounding in a solver may leave it.
    triangles.push_back({0, 60 * rad, 0, solved(0, 0, 60).alt, 90.00001 * rad});

    for (const Frame& f : {decimal, greatCircle}) {
        activate(f);
        for (const Triangle& t : triangles)
            for (bool ellipse : {true, false}) {
                draw(t, ellipse);
                expectFinite(window(), std::string(f.name) + " direct set " + std::to_string(t.lat / rad) + " " +
                                           std::to_string(t.dec / rad) + " " + std::to_string(t.lha / rad));
            }
    }

    // The same triangles through every solver of the engine, from each
    // admissible triple of given quantities, drawing each set it reports.
    const int16_t codes[] = {28, 19, 22, 25, 26, 21, 14, 7, 13, 11};
    activate(decimal);
    for (size_t k = 0; k < triangles.size(); k += 3) {
        const Triangle& t = triangles[k];
        for (int16_t code : codes) {
            engine::Givens g{t.lat, t.lha, t.dec, t.alt, t.az, engine::fold(t.lha), engine::fold(t.az)};
            engine::nout = 1;
            engine::solvecase(code, g);
            for (int16_t set = 1; set <= engine::nout; ++set)
                for (bool ellipse : {true, false}) {
                    dc().chkEllipse.setValue(ellipse ? 1 : 0);
                    diagram::drawmd(set);
                    expectFinite(window(), "case " + std::to_string(code) + " set " + std::to_string(set));
                }
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    toolkit::initialise();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
