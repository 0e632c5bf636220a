// The sight window's parts on the offscreen platform. Sights are made
// exact from the almanac at a true position (the sextant altitude that
// gives the almanac's altitude there), so that the identification must
// name the body observed. The sheets of a three-star fix, a running fix,
// a crowded sheet and a zoomed and panned one, and the sky chart of the
// evening, are also written to MORVEL_SNAPSHOT_DIR when it is set, for the
// eye.
#include "navtext/navtext.h"
#include "sight/sky.h"
#include "sightlog/logbook.h"
#include "sightwin/identify_dialog.h"
#include "sightwin/plotting_sheet.h"
#include "sightwin/sky_chart.h"
#include "sightwin/sky_panel.h"
#include "sightwin/vessel_dialog.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

using namespace morvel;

namespace {

constexpr double deg = std::numbers::pi / 180;
constexpr double trueLat = 41.3 * deg, trueLon = -37.6 * deg;
const almanac::Instant evening = almanac::Instant::parse("2026-12-07T19:10:00Z");

/// The i-th star of the sky (brightest first) 15 to 70 degrees high,
/// observed exactly from `south` miles south of the true position and
/// logged from (drLat, drLon).
sight::Sight exactSight(const almanac::Instant& when, int i, double drLat, double drLon, double south = 0)
{
    const double lat = trueLat - south * deg / 60;
    sight::Sight s;
    s.when = when;
    s.conditions = {0.8, 3, 12, 1012};
    for (const sight::Visible& v : sight::skyAt(when, lat, trueLon).bodies)
        if (v.body.kind == almanac::BodyKind::star && v.hc > 15 * deg && v.hc < 70 * deg && i-- == 0) {
            s.body = v.body;
            s.hs = sight::sextantAltitude(v.hc, s.conditions, s.limb, {}, lat);
            break;
        }
    s.drLat = drLat;
    s.drLon = drLon;
    return s;
}

/// What paint draws on a whole PDF page is there, in vectors: no image.
template <class Paint>
void expectVectorPage(Paint paint)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter w(&pdf);
        QPainter p(&w);
        paint(p, QRectF(0, 0, w.width(), w.height()));
    }
    EXPECT_GT(pdf.size(), 1000);
    EXPECT_FALSE(pdf.data().contains("/Subtype /Image"));
}

/// The sheet as the user sees it, kept in MORVEL_SNAPSHOT_DIR when that is
/// set: name@2x.png on a screen of twice the pixel density.
void keep(QWidget& sheet, const QString& name)
{
    const QString dir = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR");
    if (dir.isEmpty())
        return;
    const QPixmap shot = sheet.grab();
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/%1@%2x.png").arg(name).arg(shot.devicePixelRatio())));
}

/// A sheet of c on a widget of that size, kept so.
void keep(const sightwin::SheetContent& c, QSize size, const QString& name)
{
    sightwin::PlottingSheet sheet;
    sheet.resize(size);
    sheet.setContent(c);
    keep(sheet, name);
}

/// A log that follows a DR on 320 at 8 knots: the Sun at 14:30, three
/// stars at 19:10, each observed exactly from where the ship then was.
sightlog::Logbook runningFixLog()
{
    const double hours = 4 + 40 / 60.0;
    const sight::DeadReckoning now{trueLat, trueLon, 320 * deg, 8};
    const sight::DeadReckoning then = now.after(-hours);
    const auto row = [](const std::string& utc, const std::string& body, double lat, double lon) {
        sightlog::SightCells cells{utc, body, body == "Sun" ? "lower" : "", "0", "0.8", "3", "12", "1012", "", ""};
        const sight::Sight s = *sightlog::readSight(cells, std::pair(lat, lon)).sight;
        const almanac::Place place = almanac::placeOf(s.body, s.when);
        const double hc = sight::reduce(s, place, lat, lon).hc;
        cells[size_t(sightlog::SightColumn::hs)] = navtext::navAltitudeText(
            sight::sextantAltitude(hc, s.conditions, s.limb, sight::figuresOf(s.body, place), lat), false);
        return cells;
    };
    sightlog::Logbook book;
    book.dr = {"41 22.0N 37 45.0W", "2026-12-07T19:10:00Z", "320", "8"};
    book.rows.push_back(row("2026-12-07T14:30:00Z", "Sun", then.lat, then.lon));
    for (int i : {0, 1, 3})
        book.rows.push_back(row("2026-12-07T19:10:00Z", std::string(exactSight(evening, i, 0, 0).body.name), trueLat, trueLon));
    return book;
}

/// Miles from (lat, lon) to the line through (lineLat, lineLon) at right
/// angles to zn, on the flat sheet.
double offLine(double lineLat, double lineLon, double zn, double lat, double lon)
{
    const double north = (lat - lineLat) / deg * 60, east = std::remainder(lon - lineLon, 2 * std::numbers::pi) / deg * 60 * std::cos(lat);
    return std::abs(north * std::cos(zn) + east * std::sin(zn));
}

}  // namespace

// Hover after the view is zoomed and panned the ways a user does it: on a
// line (anywhere along it), its tooltip; a few pixels off, still; between
// the lines, nothing. The place under the wheel stays under it; a drag
// moves the sheet with the pointer; a new fix leaves the view where the
// user put it; Home fits it again.
TEST(PlottingSheet, LineUnderThePointer)
{
    sightwin::PlottingSheet sheet;
    sheet.resize(500, 400);
    sheet.show();
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    sheet.setFocus();
    EXPECT_TRUE(sheet.focusPolicy() & Qt::TabFocus);
    sightwin::SheetContent c;
    c.drLat = trueLat, c.drLon = trueLon;
    const double nm = deg / 60;
    c.lines.resize(2);
    c.lines[0] = {trueLat, trueLon + nm, 90 * deg, false, "A", "east"};
    c.lines[1] = {trueLat + 1.5 * nm, trueLon, 0, true, "B", "north"};
    sheet.setContent(c);
    const QRectF r(sheet.rect());
    const auto at = [&](double north, double east) {
        return sightwin::PlottingSheet::pointOf(r, c, trueLat + north * nm, trueLon + east * nm, sheet.view());
    };
    const auto wheel = [&](QPointF where, int notches) {
        QWheelEvent e(where, sheet.mapToGlobal(where), {}, QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(&sheet, &e);
    };
    const auto drag = [&](QPointF from, QPointF to) {
        QTest::mousePress(&sheet, Qt::LeftButton, {}, from.toPoint());
        QMouseEvent move(QEvent::MouseMove, to, sheet.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&sheet, &move);
        QTest::mouseRelease(&sheet, Qt::LeftButton, {}, to.toPoint());
    };
    const QPointF fitted = at(-1, -1);
    const struct {
        const char* name;
        std::function<void()> act;
        bool moves;                 ///< the view changes
        std::optional<QPointF> by;  ///< how far the place at (-1, -1) moves on the page, when known
    } views[] = {{"fitted", [] {}, false, QPointF()},
                 {"wheel in at the place", [&] { wheel(at(-1, -1), 2); }, true, QPointF()},
                 {"dragged", [&] { drag(at(-1, -1), at(-1, -1) + QPointF(60, -45)); }, true, QPointF(60, -45)},
                 {"a fix found", [&] { c.fix = std::pair(trueLat + 3 * nm, trueLon + 3 * nm); sheet.setContent(c); }, false, QPointF()},
                 {"wheel out elsewhere", [&] { wheel(QPointF(100, 300), -2); }, true, {}},
                 {"keys + + and left", [&] { for (Qt::Key k : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Left}) QTest::keyClick(&sheet, k); }, true, {}},
                 {"Home", [&] { QTest::keyClick(&sheet, Qt::Key_Home); }, true, {}}};
    for (const auto& v : views) {
        SCOPED_TRACE(v.name);
        const QPointF before = at(-1, -1);
        const sightwin::SheetView was = sheet.view();
        v.act();
        if (v.by) {
            EXPECT_NEAR(at(-1, -1).x(), before.x() + v.by->x(), 0.5);
            EXPECT_NEAR(at(-1, -1).y(), before.y() + v.by->y(), 0.5);
        }
        const sightwin::SheetView& now = sheet.view();
        EXPECT_EQ(v.moves, now.fitted != was.fitted || now.halfMiles != was.halfMiles || now.lat != was.lat || now.lon != was.lon);
        EXPECT_EQ(sheet.lineAt(at(-1.5, 1)), "east");
        EXPECT_EQ(sheet.lineAt(at(-1.5, 1) + QPointF(3, 0)), "east");
        EXPECT_EQ(sheet.lineAt(at(1.5, -1.5) + QPointF(0, -2)), "north");
        EXPECT_EQ(sheet.lineAt(at(-1, -1)), "");
        EXPECT_EQ(sheet.lineAt(QPointF(-5, -5)), "");
        if (v.name == std::string("keys + + and left"))
            keep(sheet, QStringLiteral("sheet-zoomed"));
    }
    EXPECT_TRUE(sheet.view().fitted);
    c.fix.reset();
    sheet.setContent(c);
    EXPECT_EQ(at(-1, -1), fitted);
}

// The running fix as the navigator reads it: the Sun's line advanced by the
// run between the DRs and labelled with it, the line as taken through
// where the ship was at 14:30, that DR on the track, and the fix a running
// fix; the stars' lines as they are.
TEST(PlottingSheet, RunningFix)
{
    const sightlog::Logbook book = runningFixLog();
    const sightlog::Worked worked = sightlog::work(book);
    ASSERT_TRUE(worked.fix.found()) << worked.fix.why;
    const sightwin::SheetContent c = sightwin::sheetOf(book, worked);
    ASSERT_EQ(c.lines.size(), 4u);
    const sightwin::SheetLine& sun = c.lines[0];
    EXPECT_EQ(sun.label, QStringLiteral("Sun 14:30 advanced 37.3 nm 320°"));
    EXPECT_EQ(sun.takenLabel, QStringLiteral("Sun 14:30"));
    const sight::DeadReckoning then = sight::DeadReckoning{trueLat, trueLon, 320 * deg, 8}.after(-(4 + 40 / 60.0));
    EXPECT_LT(offLine(sun.takenLat, sun.takenLon, sun.zn, then.lat, then.lon), 0.2);
    EXPECT_LT(offLine(sun.lat, sun.lon, sun.zn, trueLat, trueLon), 0.2);
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_FALSE(c.lines[i].carried);
        EXPECT_TRUE(std::isnan(c.lines[i].takenLat));
        EXPECT_TRUE(c.lines[i].label.endsWith(QStringLiteral(" 19:10"))) << c.lines[i].label.toStdString();
    }
    ASSERT_EQ(c.track.size(), 1u);
    EXPECT_EQ(c.track[0].label, QStringLiteral("DR 14:30"));
    EXPECT_EQ(c.drLabel, QStringLiteral("DR 19:10"));
    EXPECT_EQ(c.courseLabel, QStringLiteral("Course 320°, 8.0 kn"));
    EXPECT_EQ(c.fixLabel, QStringLiteral("Running fix 19:10"));
    keep(c, {700, 640}, QStringLiteral("sheet-running-fix"));
}

// A dozen lines through one point, at a few sizes and views: no label
// over another, over the rose or over the scale of miles, and most placed.
TEST(PlottingSheet, CrowdedLabelsKeepClear)
{
    sightwin::SheetContent c;
    c.drLat = trueLat + 0.05 * deg, c.drLon = trueLon - 0.04 * deg;
    c.fix = std::pair(trueLat, trueLon);
    c.ellipse = sight::Ellipse{1.2, 0.6, 40 * deg};
    c.fixLabel = QStringLiteral("Fix 19:10");
    c.drLabel = QStringLiteral("DR 19:10");
    const sight::SkyView sky = sight::skyAt(evening, trueLat, trueLon);
    ASSERT_GE(sky.bodies.size(), 12u);
    for (int i = 0; i < 12; ++i)
        c.lines.push_back({trueLat, trueLon, i * 15 * deg + 2 * deg, false,
                           QString::fromStdString(std::string(sky.bodies[size_t(i)].body.name)) + " 19:10", {}});
    keep(c, {600, 600}, QStringLiteral("sheet-crowded"));
    const struct {
        const char* name;
        QRectF area;
        sightwin::SheetView view;
    } rows[] = {{"fitted", {0, 0, 600, 600}, {}},
                {"small", {0, 0, 420, 360}, {}},
                {"zoomed in on the fix", {0, 0, 600, 600}, {false, trueLat, trueLon, trueLat, 1.5}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const sightwin::SheetLabels placed = sightwin::PlottingSheet::labelsOf(row.area, c, row.view);
        EXPECT_GE(placed.labels.size(), 9u);
        for (size_t i = 0; i < placed.labels.size(); ++i) {
            const auto& [box, label] = placed.labels[i];
            EXPECT_FALSE(box.intersects(placed.rose) || box.intersects(placed.scale)) << label.toStdString();
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(box.intersects(placed.labels[j].first)) << label.toStdString() << " and "
                                                                     << placed.labels[j].second.toStdString();
        }
    }
}

// The sheets of a three-star fix and of a running fix on a PDF page: drawn
// in vectors (no image on the page), and the empty sheet as well.
TEST(PlottingSheet, VectorPage)
{
    std::vector<sight::Sight> sights{exactSight(evening, 0, trueLat + 8 * deg / 60, trueLon - 5 * deg / 60),
                                     exactSight(evening, 1, trueLat + 8 * deg / 60, trueLon - 5 * deg / 60),
                                     exactSight(evening, 2, trueLat + 8 * deg / 60, trueLon - 5 * deg / 60)};
    const sight::Fix fix = sight::fixOf(sights);
    ASSERT_TRUE(fix.found()) << fix.why;
    const sightwin::SheetContent threeStars = sightwin::sheetOf(sights, fix, {"19:10", "19:10", "19:10"});
    EXPECT_EQ(threeStars.fixLabel, QStringLiteral("Fix 19:10"));
    const sightlog::Logbook book = runningFixLog();
    for (const sightwin::SheetContent& content :
         {threeStars, sightwin::sheetOf(book, sightlog::work(book)), sightwin::SheetContent{}})
        expectVectorPage([&](QPainter& p, const QRectF& page) { sightwin::PlottingSheet::paint(p, page, content); });
    keep(threeStars, {640, 640}, QStringLiteral("sheet-three-stars"));
}

// The bodies as skyAt gives them; Enter on a row chooses its body; no
// place, no bodies.
TEST(SkyPanel, TableAndEnter)
{
    sightwin::SkyPanel panel;
    auto* table = panel.findChild<QTableWidget*>();
    EXPECT_EQ(table->rowCount(), 0);
    panel.setPlace(trueLat, trueLon);
    panel.setTime(QDateTime(QDate(2026, 12, 7), QTime(19, 10), Qt::UTC));
    EXPECT_EQ(panel.time(), QDateTime(QDate(2026, 12, 7), QTime(19, 10), Qt::UTC));
    const sight::SkyView sky = sight::skyAt(evening, trueLat, trueLon);
    ASSERT_EQ(table->rowCount(), int(sky.bodies.size()));
    EXPECT_EQ(table->item(3, 2)->text().toStdString(), navtext::navCircleText(sky.bodies[3].zn, false));
    EXPECT_TRUE(table->focusPolicy() & Qt::TabFocus);
    QSignalSpy chosen(&panel, &sightwin::SkyPanel::bodyChosen);
    table->setCurrentCell(2, 0);
    QTest::keyClick(table, Qt::Key_Return);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString().toStdString(), sky.bodies[2].body.name);
}

// The panel at the true position on the evening of the sights, its DR
// held at 19:00.
struct SkyAt {
    sightwin::SkyPanel panel;
    QTableWidget* table = panel.findChild<QTableWidget*>();
    sightwin::SkyChart* chart = panel.findChild<sightwin::SkyChart*>();
    sight::SkyView sky = sight::skyAt(evening, trueLat, trueLon);
    SkyAt()
    {
        panel.setPlace(trueLat, trueLon, QDateTime(QDate(2026, 12, 7), QTime(19, 0), Qt::UTC));
        panel.setTime(QDateTime(QDate(2026, 12, 7), QTime(19, 10), Qt::UTC));
    }
    int shownRows() const
    {
        int n = 0;
        for (int r = 0; r < table->rowCount(); ++r)
            n += !table->isRowHidden(r);
        return n;
    }
};

// The table lists the bodies within the altitudes chosen, the chart all
// of them; the panel says where and when.
TEST(SkyPanel, AltitudeFilter)
{
    SkyAt s;
    EXPECT_EQ(s.panel.placeText(), QStringLiteral("At 41°18.0'N 037°36.0'W (the DR at 19:00), 2026-12-07 19:10 UTC"));
    struct Case {
        int lowest, highest;
        bool all;
    } cases[] = {{15, 70, false}, {30, 45, false}, {40, 40, false}, {30, 45, true}};
    for (const Case& k : cases) {
        s.panel.findChild<QSpinBox*>("highest")->setValue(k.highest);
        s.panel.findChild<QSpinBox*>("lowest")->setValue(k.lowest);
        s.panel.findChild<QCheckBox*>("allAbove")->setChecked(k.all);
        int within = 0;
        for (const sight::Visible& v : s.sky.bodies)
            within += k.all || (v.hc >= k.lowest * deg && v.hc <= k.highest * deg);
        EXPECT_EQ(s.shownRows(), within) << k.lowest << " to " << k.highest;
        EXPECT_EQ(s.chart->content().bodies.size(), s.sky.bodies.size());
    }
}

// A header sorts its column by number: 5° comes before 49°.
TEST(SkyPanel, SortsByNumber)
{
    SkyAt s;
    s.panel.findChild<QCheckBox*>("allAbove")->setChecked(true);
    QHeaderView* header = s.table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    std::vector<double> hc;
    for (const sight::Visible& v : s.sky.bodies)
        hc.push_back(v.hc);
    std::sort(hc.begin(), hc.end());
    for (int r = 0; r < s.table->rowCount(); ++r)
        EXPECT_EQ(s.table->item(r, 1)->text().toStdString(), navtext::navAltitudeText(hc[size_t(r)], false));
}

// On the chart: hovering a body gives its Hc, Zn and magnitude; a double
// click on it, or the arrows and Enter, choose it; the table follows the chart's selection; the suggested bodies are
// ringed there.
TEST(SkyPanel, ChartChoosesABody)
{
    SkyAt s;
    s.panel.resize(500, 900);
    s.panel.show();
    QSignalSpy chosen(&s.panel, &sightwin::SkyPanel::bodyChosen);
    const sight::Visible& vega = s.sky.bodies[0];
    const QPoint at = sightwin::SkyChart::pointOf(QRectF(s.chart->rect()), s.chart->content(), vega.hc, vega.zn).toPoint();
    QHelpEvent hover(QEvent::ToolTip, at, s.chart->mapToGlobal(at));
    QApplication::sendEvent(s.chart, &hover);
    EXPECT_TRUE(QToolTip::text().startsWith(sightwin::bodyFacts(vega))) << QToolTip::text().toStdString();
    QTest::mouseDClick(s.chart, Qt::LeftButton, {}, at);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString().toStdString(), vega.body.name);
    EXPECT_EQ(s.table->item(s.table->currentRow(), 0)->text().toStdString(), vega.body.name);

    QTest::keyClick(s.chart, Qt::Key_Left);
    ASSERT_NE(s.chart->selected(), 0);
    const sight::Visible& west = s.sky.bodies[size_t(s.chart->selected())];
    EXPECT_LT(sightwin::SkyChart::pointOf(QRectF(s.chart->rect()), s.chart->content(), west.hc, west.zn).x(), at.x());
    QTest::keyClick(s.chart, Qt::Key_Return);
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[1][0].toString().toStdString(), west.body.name);
    EXPECT_EQ(s.chart->content().suggested, sight::wellSpread(s.sky, {}, 3).bodies);
}

// Tab goes from the first button through every control of the panel, the
// chart among them, and round to the time (whose own Tab moves through its
// fields, as Qt's date editors do).
TEST(SkyPanel, TabReachesEveryControl)
{
    SkyAt s;
    s.panel.show();
    s.panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.panel));
    QWidget* at = s.panel.findChild<QPushButton*>("morning");
    at->setFocus();
    QStringList reached;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        reached << (at->objectName().isEmpty() ? QString::fromLatin1(at->metaObject()->className()) : at->objectName());
    }
    EXPECT_EQ(reached.join(' ').toStdString(), "evening lowest highest allAbove count chart QTableWidget QDateTimeEdit");
}

// The twilight buttons set the time halfway through the day's morning
// and evening twilights.
TEST(SkyPanel, TwilightButtons)
{
    SkyAt s;
    const sight::Twilight t = sight::twilightOf({2026, 12, 7, 0}, trueLat, trueLon);
    for (const auto& [button, middle] : {std::pair("morning", *t.middleOfMorning()), std::pair("evening", *t.middleOfEvening())}) {
        s.panel.findChild<QPushButton*>(button)->click();
        EXPECT_NEAR(QDateTime(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC).msecsTo(s.panel.time()) / 1000.0, middle.seconds, 0.5)
            << button;
    }
}

// The chart on a PDF page is drawn in vectors (no image on the page), and
// the empty chart as well; the same chart at twice the pixel density.
TEST(SkyChart, VectorPage)
{
    const sight::SkyView sky = sight::skyAt(evening, trueLat, trueLon);
    const sightwin::SkyChartContent c{sky.bodies, {}, sight::wellSpread(sky, {}, 4).bodies, "At 41°18.0'N 037°36.0'W"};
    for (const sightwin::SkyChartContent& content : {c, sightwin::SkyChartContent{}})
        expectVectorPage([&](QPainter& p, const QRectF& page) { sightwin::SkyChart::paint(p, page, content); });
    QImage png(1000, 1100, QImage::Format_RGB32);
    png.setDevicePixelRatio(2);
    QPainter p(&png);
    sightwin::SkyChart::paint(p, QRectF(0, 0, 500, 550), c, 2);
    p.end();
    // MORVEL_SNAPSHOT_DIR=DIR keeps the chart there to look at.
    if (const QString keep = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !keep.isEmpty()) {
        EXPECT_TRUE(png.save(keep + QStringLiteral("/sky-chart.png")));
    }
}

// The azimuth typed as navigators write it; the body observed comes first.
// A text that is no azimuth lists nothing, and nothing is chosen.
TEST(IdentifyDialog, TypedAzimuth)
{
    const sight::Sight s = exactSight(evening, 3, trueLat, trueLon);
    double zn = 0;
    for (const sight::Visible& v : sight::skyAt(evening, trueLat, trueLon).bodies)
        if (v.body.name == s.body.name)
            zn = v.zn;
    for (const auto& [azimuth, name] : {std::pair(navtext::navCircleText(zn + 0.7 * deg, false), std::string(s.body.name)),
                                        std::pair(std::string("400"), std::string())}) {
        const std::string typed = azimuth;  // a lambda cannot take a structured binding in clang 14
        const auto got = sightwin::identifyBody(nullptr, {s.when, {}, s.limb, s.hs, s.conditions, s.drLat, s.drLon},
                                                [&](QDialog& d) {
                                                    d.findChild<QLineEdit*>("azimuth")->setText(QString::fromStdString(typed));
                                                    return int(QDialog::Accepted);
                                                });
        EXPECT_EQ(got.value_or("").toStdString(), name) << typed;
    }
}

// The vessel and the navigator reached by their access keys and typed over
// what was given; cancelled, nothing changes.
TEST(VesselDialog, TypedAndCancelled)
{
    auto type = [](QDialog& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        for (const auto& [key, text] : {std::pair(Qt::Key_V, "Northern Light"), std::pair(Qt::Key_N, "J. Harrison")}) {
            QTest::keyClick(&d, key, Qt::AltModifier);
            auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            EXPECT_TRUE(edit);
            if (edit) {
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromUtf8(text));
            }
        }
        return int(QDialog::Accepted);
    };
    const auto typed = sightwin::askVesselAndNavigator(nullptr, QStringLiteral("Sea Wolf"), {}, type);
    EXPECT_EQ(typed, std::pair(QStringLiteral("Northern Light"), QStringLiteral("J. Harrison")));
    EXPECT_FALSE(sightwin::askVesselAndNavigator(nullptr, {}, {}, [](QDialog&) { return int(QDialog::Rejected); }));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
