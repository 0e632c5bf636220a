// The sight window's parts on the offscreen platform. Sights are made
// exact from the almanac at a true position (the sextant altitude that
// gives the almanac's altitude there), so that the identification must
// name the body observed. The sheet of a running fix and the sky chart of
// the evening are also written to sheet.png and sky-chart.png in
// MORVEL_SNAPSHOT_DIR when it is set, for the eye.
#include "navtext/navtext.h"
#include "sight/sky.h"
#include "sightwin/identify_dialog.h"
#include "sightwin/plotting_sheet.h"
#include "sightwin/sky_chart.h"
#include "sightwin/sky_panel.h"

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

#include <gtest/gtest.h>

#include <numbers>

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

}  // namespace

// Hover: on a line (anywhere along it), its tooltip; a few pixels off,
// still; between the lines, nothing.
TEST(PlottingSheet, LineUnderThePointer)
{
    sightwin::PlottingSheet sheet;
    sheet.resize(500, 400);
    sightwin::SheetContent c;
    c.drLat = trueLat, c.drLon = trueLon;
    const double nm = deg / 60;
    c.lines = {{trueLat, trueLon + 2 * nm, 90 * deg, false, "A", "east"},
               {trueLat + 3 * nm, trueLon, 0, true, "B", "north"}};
    sheet.setContent(c);
    const QRectF r(sheet.rect());
    const auto at = [&](double north, double east) {
        return sightwin::PlottingSheet::pointOf(r, c, trueLat + north * nm, trueLon + east * nm);
    };
    EXPECT_EQ(sheet.lineAt(at(-2, 2)), "east");
    EXPECT_EQ(sheet.lineAt(at(-2, 2) + QPointF(3, 0)), "east");
    EXPECT_EQ(sheet.lineAt(at(3, -3) + QPointF(0, -2)), "north");
    EXPECT_EQ(sheet.lineAt(at(-1, -1)), "");
    EXPECT_EQ(sheet.lineAt(QPointF(-5, -5)), "");
}

// A running fix on a PDF page: drawn in vectors (no image on the page), and
// the empty sheet as well; the same sheet at twice the pixel density.
TEST(PlottingSheet, VectorPage)
{
    const double drLat = trueLat + 8 * deg / 60, drLon = trueLon - 5 * deg / 60;
    std::vector<sight::Sight> sights{exactSight(almanac::Instant::parse("2026-12-07T18:40:00Z"), 4, drLat - 0.1 * deg, drLon, 6),
                                     exactSight(evening, 0, drLat, drLon), exactSight(evening, 1, drLat, drLon),
                                     exactSight(evening, 2, drLat, drLon)};
    const sight::Fix fix = sight::fixOf(sights);
    ASSERT_TRUE(fix.found()) << fix.why;
    const sightwin::SheetContent c = sightwin::sheetOf(sights, fix, {"18:40", "19:10", "19:10", "19:10"});
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_TRUE(c.lines[0].carried && c.ellipse);
    for (const sightwin::SheetContent& content : {c, sightwin::SheetContent{}})
        expectVectorPage([&](QPainter& p, const QRectF& page) { sightwin::PlottingSheet::paint(p, page, content); });
    QImage png(1600, 1600, QImage::Format_RGB32);
    png.setDevicePixelRatio(2);
    QPainter p(&png);
    sightwin::PlottingSheet::paint(p, QRectF(0, 0, 800, 800), c);
    p.end();
    // MORVEL_SNAPSHOT_DIR=DIR keeps the sheet there to look at.
    if (const QString keep = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !keep.isEmpty()) {
        EXPECT_TRUE(png.save(keep + QStringLiteral("/sheet.png")));
    }
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

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
