// The palettes and the manual on the real windows, headless: night red on
// black everywhere, day the windows' own and printing by day, the choice
// remembered, automatic by the Sun at the DR, F1 at the window's page.
// MORVEL_SNAPSHOT_DIR=DIR keeps every window's image in every palette there.
#include "calc/decimal_window.h"
#include "compasswin/book_model.h"
#include "compasswin/compass_document.h"
#include "compasswin/compass_window.h"
#include "calc/dm_window.h"
#include "gcs/gcs_window.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "sight/sky.h"
#include "sightwin/daily_pages_dialog.h"
#include "sightwin/dr_box.h"
#include "sightwin/identify_dialog.h"
#include "sightwin/legs_dialog.h"
#include "sightwin/log_model.h"
#include "sightwin/sight_document.h"
#include "sightwin/sight_window.h"
#include "sightwin/vessel_dialog.h"
#include "toolkit/help.h"
#include "toolkit/palette.h"
#include "toolkit/services.h"

#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTableView>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <cmath>

using namespace morvel;
using toolkit::PaletteChoice;
using toolkit::Palettes;
using toolkit::Scheme;

namespace {

/// The pixels that break the night rule (green or blue over a tenth of
/// full scale, or over half the red), and the first one's place and colour.
std::pair<int, std::string> nightBreaches(const QImage& image)
{
    std::pair<int, std::string> b{0, {}};
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if ((10 * qGreen(c) > 255 || 10 * qBlue(c) > 255 || 2 * qGreen(c) > qRed(c) || 2 * qBlue(c) > qRed(c)) &&
                b.first++ == 0)
                b.second = QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(QColor(c).name()).toStdString();
        }
    return b;
}

void keep(const QImage& image, const QString& name)
{
    const QString dir = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        image.save(QStringLiteral("%1/%2.png").arg(dir, name));
}

using Exec = std::function<int(QDialog&)>;

/// A dialog's image as it opens: the exec that shows it grabs it and
/// cancels.
QImage inDialog(const std::function<void(const Exec&)>& open)
{
    QImage image;
    open([&image](QDialog& d) {
        d.show();
        image = d.grab().toImage();
        return int(QDialog::Rejected);
    });
    return image;
}

/// What a user types into a calculator's boxes (text), and clicks (none).
void work(toolkit::Form& f, std::initializer_list<std::tuple<const char*, int, const char*>> steps)
{
    f.showForm();
    for (auto [name, i, text] : steps)
        if (text)
            dynamic_cast<toolkit::TextBox&>(*f.find(QLatin1String(name), i)).setText(QString::fromUtf8(text));
        else
            dynamic_cast<toolkit::ButtonControl&>(*f.find(QLatin1String(name), i)).click();
}

struct PaletteTest : ::testing::Test {
    toolkit::RecordingMessageBox box;
    toolkit::RecordingPrinter printer;
    std::unique_ptr<shell::Program> program;

    void SetUp() override
    {
        QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel")).clear();
        QFile::remove(sightwin::SightWindow::recoveryPath());
        QFile::remove(compasswin::CompassDocument::recoveryPath());
        toolkit::services().messages = &box;
        toolkit::services().printer = &printer;
        toolkit::services().clock = [] { return QDateTime(QDate(2026, 12, 7), QTime(19, 30), Qt::UTC); };
        program = std::make_unique<shell::Program>();
        Palettes::instance().choose(PaletteChoice::day);
    }
    void TearDown() override
    {
        Palettes::instance().choose(PaletteChoice::day);
        program.reset();
    }

    /// Every window as a navigator sees it at work: a triangle of two
    /// solutions on each celestial calculator, a passage on the great
    /// circle, a log of four stars on the sight window with its sheet, and
    /// its sky; the compass window's book of a ship swung through eight
    /// headings, and its card.
    std::vector<std::pair<QString, std::function<QImage()>>> windows()
    {
        shell::Program& p = *program;
        p.morvelf().showForm();
        for (toolkit::Form* f : {static_cast<toolkit::Form*>(&p.locddf()), static_cast<toolkit::Form*>(&p.locdmf())})
            work(*f, {{"txtDeg", 1, "50"}, {"txtDeg", 2, "15"}, {"optDecN", -1, nullptr}, {"txtDeg", 3, "30"},
                      {"cmdStart", -1, nullptr}, {"cmdDraw1", -1, nullptr}});
        work(p.gcsf(), {{"txtDeg", 0, "40"}, {"txtMin", 0, "30"}, {"optLatN", -1, nullptr}, {"txtDeg", 5, "73"},
                        {"txtMin", 5, "50"}, {"optLodepW", -1, nullptr}, {"txtDeg", 2, "49"}, {"txtMin", 2, "57"},
                        {"optDecN", -1, nullptr}, {"txtDeg", 6, "5"}, {"txtMin", 6, "42"}, {"optLodesW", -1, nullptr},
                        {"cmdStart", -1, nullptr}});
        sightwin::SightWindow& s = p.sight();
        s.show();
        for (auto [field, text] : {std::pair{&s.drPosition(), "40 05.0N 35 45.0W"}, {&s.drTime(), "2026-12-07T19:30:00Z"}}) {
            field->setText(QLatin1String(text));
            emit field->editingFinished();
        }
        const char* stars[][3] = {{"2026-12-07T19:33:00Z", "Capella", "19 2.2"}, {"2026-12-07T19:34:00Z", "Altair", "45 1.7"},
                                  {"2026-12-07T19:35:00Z", "Vega", "48 2.9"}, {"2026-12-07T19:36:00Z", "Fomalhaut", "19 51.6"}};
        sightwin::LogModel& m = s.model();
        for (const auto& star : stars) {
            s.actAdd->trigger();
            const int r = m.rowCount() - 1;
            using C = sightlog::SightColumn;
            for (auto [c, t] : {std::pair{C::utc, star[0]}, {C::body, star[1]}, {C::hs, star[2]}, {C::eye, "3.5"}})
                m.setData(m.index(r, int(c)), QString::fromUtf8(t), Qt::EditRole);
        }
        auto* tabs = s.findChild<QTabWidget*>();
        compasswin::CompassWindow& c = p.compass();
        swing(c);
        const auto grabbed = [](QWidget& w) { return w.grab().toImage(); };
        std::vector<std::pair<QString, std::function<QImage()>>> all = {
            {QStringLiteral("main-menu"), [&p] { return p.morvelf().image(); }},
            {QStringLiteral("decimal-degrees"), [&p] { return p.locddf().image(); }},
            {QStringLiteral("degrees-minutes"), [&p] { return p.locdmf().image(); }},
            {QStringLiteral("great-circle"), [&p] { return p.gcsf().image(); }},
            {QStringLiteral("sight-window"), [&s, tabs, grabbed] { tabs->setCurrentIndex(0); return grabbed(s); }},
            {QStringLiteral("sky"), [&s, tabs, grabbed] { tabs->setCurrentIndex(1); return grabbed(s); }},
            {QStringLiteral("compass-book"), [&c, grabbed] { c.tabs().setCurrentIndex(0); return grabbed(c); }},
            {QStringLiteral("compass-card"), [&c, grabbed] { c.tabs().setCurrentIndex(1); return grabbed(c); }},
            {QStringLiteral("help"), [grabbed] { return grabbed(*toolkit::showHelp(QStringLiteral("sight-window")).window()); }},
            // The dialogs, as they open over the sight window.
            {QStringLiteral("legs"),
             [&s] {
                 sightlog::DrTrack dr{"40 05.0N 35 45.0W", "2026-12-07T19:30:00Z", "090", "12"};
                 dr.legs = {{"2026-12-07T20:00:00Z", "135", "10"}};
                 return inDialog([&](const Exec& exec) { sightwin::askLegs(&s, dr, exec); });
             }},
            {QStringLiteral("vessel"),
             [&s] {
                 return inDialog([&](const Exec& exec) {
                     sightwin::askVesselAndNavigator(&s, QStringLiteral("Morvel"), QStringLiteral("A. Navigator"), exec);
                 });
             }},
            {QStringLiteral("identify"),
             [&s] {
                 return inDialog([&](const Exec& exec) { sightwin::identifyBody(&s, s.model().worked().sights.front(), exec); });
             }},
            {QStringLiteral("daily-pages"),
             [&s, grabbed] {
                 sightwin::DailyPagesDialog d(QDate(2026, 12, 7), &s);
                 d.show();
                 return grabbed(d);
             }},
        };
        return all;
    }

    /// Vega's bearing by a compass of 14.5 W variation on eight headings,
    /// the deviation on each a card's of A 1.5 E, B 3 E, C 2 W, D 0.8 E.
    static void swing(compasswin::CompassWindow& c)
    {
        c.show();
        for (auto [field, text] : {std::pair{&c.drPosition(), "40 05.0N 35 45.0W"}, {&c.drTime(), "2026-12-07T19:30:00Z"}}) {
            field->setText(QLatin1String(text));
            emit field->editingFinished();
        }
        compasswin::BookModel& m = c.model();
        using C = compass::BookColumn;
        auto type = [&m](int r, C column, const QString& t) { m.setData(m.index(r, int(column)), t, Qt::EditRole); };
        for (int h = 0; h < 360; h += 45) {
            c.actAdd->trigger();
            const int r = m.rowCount() - 1;
            type(r, C::utc, QStringLiteral("2026-12-07T19:%1:00Z").arg(33 + r));
            type(r, C::body, QStringLiteral("Vega"));
            type(r, C::variation, QStringLiteral("14.5 W"));  // not the model's: a new row's is
            type(r, C::bearing, QStringLiteral("0"));
            const double zn = c.document().worked().rows[size_t(r)].check.azimuth / math::degree;
            const double t = h * math::degree, dev = 1.5 + 3 * std::sin(t) - 2 * std::cos(t) + 0.8 * std::sin(2 * t);
            type(r, C::bearing, QString::number(std::fmod(zn + 14.5 - dev + 360, 360), 'f', 1));
            type(r, C::heading, QString::number(h));
        }
        // And one row that cannot be read, tinted.
        c.actAdd->trigger();
        for (auto [column, t] : {std::pair{C::body, "Vegas"}, {C::bearing, "300"}})
            type(m.rowCount() - 1, column, QLatin1String(t));
    }
};

TEST_F(PaletteTest, NightIsRedOnBlackInEveryWindow)
{
    const auto all = windows();
    for (int dimming = 0; dimming < Palettes::steps; dimming += Palettes::steps - 1) {
        Palettes::instance().choose(PaletteChoice::night);
        while (Palettes::instance().dimming() < dimming)
            Palettes::instance().dim();
        for (const auto& [name, image] : all) {
            const QImage img = image();
            const auto [count, first] = nightBreaches(img);
            EXPECT_EQ(count, 0) << name.toStdString() << " dimmed " << dimming << ": " << first;
            keep(img, QStringLiteral("%1-night%2").arg(name, dimming ? QStringLiteral("-dim") : QString()));
        }
        while (Palettes::instance().dimming() > 0)
            Palettes::instance().brighten();
    }
    Palettes::instance().choose(PaletteChoice::dusk);
    for (const auto& [name, image] : all)
        keep(image(), name + QStringLiteral("-dusk"));
}

TEST_F(PaletteTest, DayIsTheWindowsOwnAndPrintingIsByDay)
{
    const auto all = windows();
    std::vector<QImage> before;
    for (const auto& [name, image] : all) {
        before.push_back(image());
        keep(before.back(), name + QStringLiteral("-day"));
    }
    Palettes::instance().choose(PaletteChoice::night);
    // A calculator printed at night is printed as it stands by day.
    dynamic_cast<toolkit::ButtonControl*>(program->locddf().find(QStringLiteral("Print")))->click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].image == before[1]) << "printed at night unlike the window by day";
    EXPECT_EQ(nightBreaches(program->locddf().image()).first, 0) << "the window itself is red again";
    Palettes::instance().choose(PaletteChoice::day);
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_TRUE(all[i].second() == before[i]) << all[i].first.toStdString() << " not as it was by day";
}

TEST_F(PaletteTest, TheChoiceIsRememberedAndCycles)
{
    const std::tuple<PaletteChoice, const char*, PaletteChoice> rows[] = {
        {PaletteChoice::day, "day", PaletteChoice::dusk},
        {PaletteChoice::dusk, "dusk", PaletteChoice::night},
        {PaletteChoice::night, "night", PaletteChoice::automatic},
        {PaletteChoice::automatic, "automatic", PaletteChoice::day}};
    Palettes& p = Palettes::instance();
    for (const auto& [chosen, stored, next] : rows) {
        p.choose(chosen);
        EXPECT_EQ(QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel")).value("view/palette"), stored);
        // The next run.
        p.choose(PaletteChoice::day);
        QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel")).setValue("view/palette", stored);
        p.restore();
        EXPECT_EQ(p.choice(), chosen) << stored;
        p.cycle();
        EXPECT_EQ(p.choice(), next) << stored;
    }
    // Ctrl+Shift+N in a calculator, which has no menu.
    p.choose(PaletteChoice::day);
    program->locddf().showForm();
    QTest::keyClick(program->locddf().focusWidget(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(p.choice(), PaletteChoice::dusk);
    // Something else stored reads as day.
    QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel")).setValue("view/palette", "twilight");
    p.restore();
    EXPECT_EQ(p.scheme(), Scheme::day);
}

TEST_F(PaletteTest, AutomaticFollowsTheSunAtTheDr)
{
    const std::pair<double, Scheme> rows[] = {{-30, Scheme::night}, {-6.01, Scheme::night}, {-6, Scheme::dusk},
                                              {6, Scheme::dusk}, {6.01, Scheme::day}};
    for (const auto& [alt, scheme] : rows)
        EXPECT_EQ(toolkit::schemeForSun(alt), scheme) << alt;

    // Around the evening's civil and nautical twilight at the DR the
    // almanac's own bisection finds (the Sun at -6 and -12 degrees).
    QSettings settings(QStringLiteral("Morvel"), QStringLiteral("Morvel"));
    settings.setValue("sight/drPosition", "40 05.0N 35 45.0W");
    settings.setValue("sight/drTime", "2026-12-07T12:00:00Z");
    std::string error;
    const sight::Twilight t = sight::twilightOf(*sight::UtcTime::parse("2026-12-07T00:00:00Z", error), 40.0833 * math::degree,
                                                -35.75 * math::degree);
    ASSERT_TRUE(t.civilEvening && t.nauticalEvening);
    const QDateTime civil = QDateTime::fromString(QString::fromStdString(t.civilEvening->text()), Qt::ISODate);
    const QDateTime nautical = QDateTime::fromString(QString::fromStdString(t.nauticalEvening->text()), Qt::ISODate);
    Palettes& p = Palettes::instance();
    p.choose(PaletteChoice::automatic);
    const std::pair<QDateTime, Scheme> times[] = {{civil.addSecs(-120), Scheme::dusk},
                                                  {civil.addSecs(120), Scheme::night},
                                                  {nautical, Scheme::night},
                                                  {civil.addSecs(-3 * 3600), Scheme::day}};
    for (const auto& [when, scheme] : times) {
        toolkit::services().clock = [at = when] { return at; };
        p.follow();
        EXPECT_EQ(p.scheme(), scheme) << when.toString(Qt::ISODate).toStdString();
    }
    settings.remove("sight/drPosition");
    p.follow();
    EXPECT_EQ(p.scheme(), Scheme::day) << "without a DR";
}

TEST_F(PaletteTest, HelpOpensAtTheWindowsPage)
{
    shell::Program& p = *program;
    const std::pair<toolkit::Form*, const char*> rows[] = {
        {&p.morvelf(), "main-menu"}, {&p.locddf(), "decimal-degrees"}, {&p.locdmf(), "degrees-minutes"}, {&p.gcsf(), "great-circle"}};
    for (const auto& [form, page] : rows) {
        form->showForm();
        // A name for a screen reader on every box typed into, from its captions.
        for (const auto& c : form->controls())
            if (auto* box = dynamic_cast<toolkit::TextBox*>(c.get()); box && !box->container() && box->tabStop())
                EXPECT_FALSE(box->widget()->accessibleName().isEmpty()) << page << box->qualifiedName().toStdString();
        QTest::keyClick(form->focusWidget(), Qt::Key_F1);
        ASSERT_NE(toolkit::helpBrowser(), nullptr);
        EXPECT_EQ(toolkit::helpBrowser()->source().fileName(), QStringLiteral("%1.md").arg(QLatin1String(page)));
        EXPECT_GT(toolkit::helpBrowser()->document()->characterCount(), 200) << page;
    }
    EXPECT_EQ(p.gcsf().find(QStringLiteral("txtMin"), 0)->widget()->accessibleName(),
              QStringLiteral("Latitude of Departure, Min"));
    p.sight().show();
    p.sight().actHelp->trigger();
    EXPECT_EQ(toolkit::helpBrowser()->source().fileName(), QStringLiteral("sight-window.md"));
    EXPECT_TRUE(toolkit::helpBrowser()->toPlainText().contains(QStringLiteral("Quick start")));
    // F1 in the compass window.
    compasswin::CompassWindow& compass = p.compass();
    compass.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&compass));
    QTest::keyClick(&compass.table(), Qt::Key_F1);
    EXPECT_EQ(toolkit::helpBrowser()->source().fileName(), QStringLiteral("compass-window.md"));
    EXPECT_TRUE(toolkit::helpBrowser()->toPlainText().contains(QStringLiteral("utc,body,bearing,compass,heading,variation")));
    // Every field of the two windows says what it takes, and every heading.
    for (QWidget* w : {static_cast<QWidget*>(&p.sight()), static_cast<QWidget*>(&compass)})
        for (QLineEdit* e : w->findChild<sightwin::DrBox*>()->findChildren<QLineEdit*>()) {
            EXPECT_TRUE(e->toolTip().contains(QStringLiteral("e.g."))) << e->toolTip().toStdString();
            EXPECT_FALSE(e->whatsThis().isEmpty()) << e->toolTip().toStdString();
        }
    const std::pair<const QAbstractItemModel*, int> tables[] = {{&p.sight().model(), int(sightlog::sightColumns)},
                                                                {&compass.model(), compass.model().columnCount()}};
    for (const auto& [m, columns] : tables)
        for (int c = 0; c < columns; ++c)
            EXPECT_FALSE(m->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty())
                << m->headerData(c, Qt::Horizontal).toString().toStdString();
}

TEST_F(PaletteTest, EveryLinkOfTheManualLeadsToAPage)
{
    QStringList pages;
    for (QDirIterator it(QStringLiteral(":/manual")); it.hasNext();)
        pages << QFileInfo(it.next()).fileName();
    EXPECT_GE(pages.size(), 8);
    const QRegularExpression link(QStringLiteral(R"(\]\(([^)#]+)\))"));
    for (const QString& page : pages) {
        QFile f(QStringLiteral(":/manual/") + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        for (auto m = link.globalMatch(QString::fromUtf8(f.readAll())); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(pages.contains(target)) << page.toStdString() << " links to " << target.toStdString();
        }
    }
    for (const char* window : {"morvelf", "locddf", "locdmf", "gcsf", "sightf", "compassf", "elsewhere"})
        EXPECT_TRUE(pages.contains(toolkit::helpPageOf(QLatin1String(window)) + QStringLiteral(".md"))) << window;
}

}  // namespace
