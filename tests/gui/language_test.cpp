// Morvel in French, German and Spanish on the real windows, headless: the
// translations complete, chosen by the system's locale, every calculator
// text translated and fitting its control where the English one does, and
// numbers with a point in every language. MORVEL_SNAPSHOT_DIR=DIR keeps the
// main menu, the calculators and the sight window in each language there.
#include "calc/decimal_window.h"
#include "calc/dm_window.h"
#include "compasswin/compass_window.h"
#include "gcs/gcs_window.h"
#include "navtext/navtext.h"
#include "shell/form_texts.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "sightwin/sight_window.h"
#include "toolkit/help.h"
#include "toolkit/language.h"
#include "toolkit/services.h"

#include <QDir>
#include <QTabWidget>
#include <QTabBar>
#include <QMenuBar>
#include <QKeySequence>
#include <QGroupBox>
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBrowser>
#include <QTranslator>

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <map>
#include <string_view>

using namespace morvel;

namespace {

/// A language, its system locale, and its main menu's first button and two
/// windows' titles.
struct Language {
    QLocale::Language language;
    const char *code, *posix, *degreesAndMinutes, *decimalTitle, *sightTitle;
};
const Language languages[] = {
    {QLocale::English, "en", "C.UTF-8", "Degrees and minutes", "Morvel (Decimal Degrees)", "Morvel (Sight Reduction)"},
    {QLocale::French, "fr", "fr_FR.UTF-8", "Degrés et minutes", "Morvel (degrés décimaux)",
     "Morvel (droites de hauteur)"},
    {QLocale::German, "de", "de_DE.UTF-8", "Grad und Minuten", "Morvel (Dezimalgrad)", "Morvel (Höhenstandlinien)"},
    {QLocale::Spanish, "es", "es_ES.UTF-8", "Grados y minutos", "Morvel (grados decimales)",
     "Morvel (rectas de altura)"},
};
const QString qmDir = QStringLiteral(MORVEL_QM_DIR);
const QRegularExpression accessMark(QStringLiteral("&(?!&)"));

struct LanguageTest : ::testing::Test {
    toolkit::RecordingMessageBox box;
    std::unique_ptr<shell::Program> program;

    void SetUp() override { toolkit::services().messages = &box; }
    void TearDown() override
    {
        program.reset();
        toolkit::loadTranslations(QLocale(QLocale::English), qmDir);
    }
    /// A fresh program in this language with a triangle worked in decimal degrees.
    shell::Program& start(QLocale::Language language)
    {
        program.reset();
        toolkit::loadTranslations(QLocale(language), qmDir);
        program = std::make_unique<shell::Program>();
        for (toolkit::Form* f : forms())
            f->showForm();
        toolkit::Form& d = program->locddf();
        for (auto [row, text] : {std::pair{0, "12.5"}, {1, "30.25"}, {2, "10.5"}})
            dynamic_cast<toolkit::TextBox&>(*d.find(QStringLiteral("txtDeg"), row)).setText(QLatin1String(text));
        for (const char* b : {"optLatN", "optDecN", "cmdStart", "cmdDraw1"})
            dynamic_cast<toolkit::ButtonControl&>(*d.find(QLatin1String(b))).click();
        return *program;
    }
    std::vector<toolkit::Form*> forms()
    {
        return {&program->morvelf(), &program->locddf(), &program->locdmf(), &program->gcsf()};
    }
};

TEST_F(LanguageTest, EveryTranslationIsCompleteAndKeepsWhatTheWindowPutsIn)
{
    const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>\\s*<translation([^>]*)>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression plural(QStringLiteral("<numerusform>(.*?)</numerusform>"));
    // English holds only the plurals of its source texts.
    for (const char* code : {"en", "fr", "de", "es"}) {
        QFile ts(QStringLiteral(MORVEL_TS_DIR "/morvel_%1.ts").arg(QLatin1String(code)));
        ASSERT_TRUE(ts.open(QIODevice::ReadOnly)) << code;
        const QString text = QString::fromUtf8(ts.readAll());
        EXPECT_EQ(text.count(QStringLiteral("<message")), text.count(message)) << code << ": a message unlike the rest";
        for (auto m = message.globalMatch(text); m.hasNext();) {
            const auto found = m.next();
            const QString source = found.captured(1), attributes = found.captured(2), translated = found.captured(3);
            const std::string where = std::string(code) + ": " + source.toStdString();
            EXPECT_TRUE(attributes.isEmpty() && !translated.trimmed().isEmpty()) << where << attributes.toStdString();
            QStringList forms;
            for (auto f = plural.globalMatch(translated); f.hasNext();)
                forms << f.next().captured(1);
            if (forms.isEmpty())
                forms << translated;
            // The values put in, the line breaks, and the navigators' abbreviations, in every plural form.
            for (const QString& form : forms)
                for (const char* kept : {"%1", "%2", "%3", "%4", "%5", "%n", "\n", "\\bLHA\\b", "\\bDLo\\b",
                                         "\\bZn\\b", "\\bCn\\b", "\\bHc\\b", "\\bHo\\b", "\\bDRs?\\b"}) {
                    const QRegularExpression r(QString::fromUtf8(kept));
                    EXPECT_TRUE(!form.isEmpty() && source.count(r) == form.count(r)) << where << " / " << kept;
                }
        }
        if (code == std::string_view("en"))
            continue;
        // Every text the calculators show is there.
        QTranslator t;
        ASSERT_TRUE(t.load(QStringLiteral("morvel_%1").arg(QLatin1String(code)), qmDir)) << code;
        for (const char* source : shell::formTexts())
            EXPECT_FALSE(t.translate(toolkit::formContext, source).isEmpty()) << code << ": " << source;
    }
}

TEST_F(LanguageTest, TheManualOpensInTheLanguageOnScreen)
{
    // The page's headings and the pages it links to, as written.
    const QRegularExpression marks(QStringLiteral("^#+ |\\]\\(([^)]*)\\)"), QRegularExpression::MultilineOption);
    const auto outline = [&](const QString& path) {
        QFile page(path);
        if (!page.open(QIODevice::ReadOnly))
            return QStringList{QStringLiteral("missing")};
        QStringList found;
        for (auto m = marks.globalMatch(QString::fromUtf8(page.readAll())); m.hasNext();) {
            const auto mark = m.next();
            found << (mark.captured(1).isEmpty() ? QStringLiteral("#") : mark.captured(1));
        }
        return found;
    };
    const QStringList pages = QDir(QStringLiteral(":/manual")).entryList({QStringLiteral("*.md")});
    ASSERT_FALSE(pages.isEmpty());
    for (const Language& l : languages) {
        toolkit::loadTranslations(QLocale(l.language), qmDir);
        const QString folder = l.language == QLocale::English ? QString() : QString::fromLatin1(l.code) + u'/';
        const QTextBrowser& shown = toolkit::showHelp(QStringLiteral("sight-window"));
        EXPECT_EQ(shown.source().path(), QStringLiteral("/manual/%1sight-window.md").arg(folder)) << l.code;
        EXPECT_GT(shown.document()->characterCount(), 2000) << l.code;
        for (const QString& page : pages)
            EXPECT_EQ(outline(QStringLiteral(":/manual/%1%2").arg(folder, page)), outline(QStringLiteral(":/manual/") + page))
                << l.code << " " << page.toStdString();
    }
}

TEST_F(LanguageTest, EveryTextTheCalculatorsShowIsTranslatedAndFits)
{
    QSet<QString> listed = {"Z", "Na", "N", "S", "Pn", "Ps", "Q", "Q'"};  // the diagram's letters stay
    for (const char* t : shell::formTexts())
        listed.insert(QString::fromUtf8(t));
    for (const Language& l : languages) {
        shell::Program& p = start(l.language);
        for (toolkit::Form* f : forms())
            for (const auto& c : f->controls()) {
                const std::string what =
                    std::string(l.code) + " " + f->name().toStdString() + "." + c->name().toStdString();
                QWidget* w = c->widget();
                // The words the window puts in its boxes, on one line.
                if (auto* b = dynamic_cast<toolkit::TextBox*>(c.get());
                    b && b->visible() && b->text().contains(QRegularExpression(QStringLiteral("[a-z]{3}")))) {
                    EXPECT_LE(w->fontMetrics().horizontalAdvance(b->text()) + 6, w->width())
                        << what << " " << b->text().toStdString();
                }
                auto* captioned = dynamic_cast<toolkit::CaptionedControl*>(c.get());
                if (!captioned || captioned->caption().isEmpty())
                    continue;
                EXPECT_TRUE(listed.contains(captioned->caption()))
                    << what << " " << captioned->caption().toStdString() << " is not translated";
                // A caption's size: a label's lines, a button's text and frame or mark.
                const auto needs = [w](QString text) {
                    text.remove(accessMark);
                    if (auto* label = qobject_cast<QLabel*>(w)) {
                        QLabel probe(text);
                        probe.setFont(label->font());
                        probe.setWordWrap(true);
                        return QSize(w->width(), probe.heightForWidth(w->width()));
                    }
                    const QStyle& s = *w->style();
                    const int mark =
                        qobject_cast<QPushButton*>(w) ? 2 * s.pixelMetric(QStyle::PM_ButtonMargin)
                        : qobject_cast<QRadioButton*>(w)
                            ? s.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                  s.pixelMetric(QStyle::PM_RadioButtonLabelSpacing)
                            : s.pixelMetric(QStyle::PM_IndicatorWidth) + s.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
                    return QSize(w->fontMetrics().horizontalAdvance(text) + mark, 0);
                };
                const QSize english = needs(captioned->caption()), shown = needs(captioned->shownCaption());
                if (english.width() <= w->width() && english.height() <= w->height()) {
                    EXPECT_TRUE(shown.width() <= w->width() && shown.height() <= w->height())
                        << what << " " << captioned->shownCaption().toStdString();
                }
            }
        if (const QString dir = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !dir.isEmpty()) {
            for (toolkit::Form* f : forms())
                f->image().save(QStringLiteral("%1/%2-%3.png").arg(dir, f->name(), QLatin1String(l.code)));
            p.sight().show();
            p.sight().grab().toImage().save(QStringLiteral("%1/sight-%2.png").arg(dir, QLatin1String(l.code)));
        }
    }
}

/// The Alt keys of what a window shows: each key with the texts that take it.
std::map<int, QStringList> altKeys(QWidget& window)
{
    std::map<int, QStringList> keys;
    const auto take = [&](const QString& text) {
        if (const QKeySequence k = QKeySequence::mnemonic(text); !k.isEmpty())
            keys[k[0].toCombined()] << text;
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            take(b->text());
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            take(l->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            take(g->title());
        else if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                take(t->tabText(i));
        else if (auto* m = qobject_cast<QMenuBar*>(w))
            for (QAction* a : m->actions())
                take(a->text());
    }
    return keys;
}

TEST_F(LanguageTest, NoTwoTextsInAWindowShareAnAltKey)
{
    for (const Language& l : languages) {
        shell::Program& p = start(l.language);
        const std::array<QWidget*, 2> windows = {&p.sight(), &p.compass()};
        for (QWidget* window : windows) {
            window->show();
            // Each page of each tabbed part in turn.
            const QList<QTabWidget*> tabbed = window->findChildren<QTabWidget*>();
            for (QTabWidget* tabs : tabbed)
                for (int page = 0; page < tabs->count(); ++page) {
                    tabs->setCurrentIndex(page);
                    for (const auto& [key, texts] : altKeys(*window))
                        EXPECT_EQ(texts.size(), 1) << l.code << " " << window->objectName().toStdString() << ": "
                                                   << texts.join(QStringLiteral(" / ")).toStdString();
                }
            window->hide();
        }
    }
}

TEST_F(LanguageTest, TheLibrariesMessagesShowInTheWindowsLanguage)
{
    // A DR the sight window cannot read: the reader's words, said by the
    // plain library, in the language on screen.
    const QString typed = QStringLiteral("41 12 18");
    toolkit::loadTranslations(QLocale(QLocale::English), qmDir);
    const std::string english = navtext::readPosition(typed.toStdString()).error;
    for (const Language& l : languages) {
        shell::Program& p = start(l.language);
        const std::string said = navtext::readPosition(typed.toStdString()).error;
        EXPECT_EQ(said == english, l.language == QLocale::English) << l.code << ": " << said;
        sightwin::SightWindow& s = p.sight();
        s.drPosition().setText(typed);
        emit s.drPosition().editingFinished();
        const QString shown = s.findChild<QLabel*>(QStringLiteral("results"))->text();
        EXPECT_TRUE(shown.contains(QString::fromStdString(said).toHtmlEscaped())) << l.code << ": " << shown.toStdString();
        // The next program offers no recovery of this one's change.
        program.reset();
        QFile::remove(sightwin::SightWindow::recoveryPath());
    }
}

TEST_F(LanguageTest, NumbersKeepTheirPointInEveryLanguage)
{
    for (const Language& l : languages) {
        // As QApplication leaves the C library where the system speaks the language.
        const bool installed = std::setlocale(LC_ALL, l.posix) != nullptr;
        toolkit::keepDecimalPoint();
        const QString alt =
            dynamic_cast<toolkit::TextBox&>(*start(l.language).locddf().find(QStringLiteral("txtDeg"), 3)).text();
        EXPECT_TRUE(alt.contains(u'.') && !alt.contains(u',') && box.texts.empty())
            << l.code << ": " << alt.toStdString();
        char printed[16];
        std::snprintf(printed, sizeof printed, "%.1f", 12.5);
        EXPECT_STREQ(printed, "12.5") << l.code << (installed ? "" : " (locale not installed)");
        EXPECT_EQ(QLocale().toString(12.5), QStringLiteral("12.5")) << l.code;
    }
    std::setlocale(LC_ALL, "C");
}

TEST_F(LanguageTest, TheSystemLocaleChoosesTheLanguage)
{
    // Run under LANG=fr_FR.UTF-8 and the like by ctest.
    const QLocale::Language system =
        QLocale::system().language() == QLocale::C ? QLocale::English : QLocale::system().language();
    const bool loaded = toolkit::loadTranslations(QLocale::system(), qmDir);
    program = std::make_unique<shell::Program>();
    const auto l = std::find_if(std::begin(languages), std::end(languages),
                                [&](const Language& l) { return l.language == system; });
    ASSERT_NE(l, std::end(languages)) << QLocale::system().name().toStdString();
    EXPECT_EQ(loaded, system != QLocale::English);
    EXPECT_EQ(program->locddf().windowTitle(), QString::fromUtf8(l->decimalTitle));
    EXPECT_EQ(program->sight().windowTitle().remove(QStringLiteral("[*]")), QString::fromUtf8(l->sightTitle));
    EXPECT_EQ(program->morvelf().find(QStringLiteral("cmdDM"))->widget()->property("text").toString(),
              QString::fromUtf8(l->degreesAndMinutes));
    // A calculator's message, English to its code, in the language on screen.
    EXPECT_EQ(toolkit::shown(QStringLiteral("Enter three and only three inputs")) ==
                  QLatin1String("Enter three and only three inputs"),
              system == QLocale::English);
}

}  // namespace
