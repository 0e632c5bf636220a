// Morvel in French, German and Spanish on the real windows, headless: the
// translations complete, chosen by the system's locale, every calculator
// text among the translated ones and fitting its control as the English
// one does, and numbers with a point in every language.
// MORVEL_SNAPSHOT_DIR=DIR keeps the main menu, the calculators and the
// sight window in each language there.
#include "calc/decimal_window.h"
#include "calc/dm_window.h"
#include "gcs/gcs_window.h"
#include "shell/form_texts.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "sightwin/sight_window.h"
#include "toolkit/language.h"
#include "toolkit/services.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QRegularExpression>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

using namespace morvel;

namespace {

/// A language, the system locale that names it, and what its main menu's
/// first button and the decimal calculator's title read.
struct Language {
    QLocale::Language language;
    const char* code;
    const char* posix;
    const char* degreesAndMinutes;
    const char* decimalTitle;
    const char* sightTitle;
};
const Language languages[] = {
    {QLocale::English, "en", "C.UTF-8", "Degrees and minutes", "Morvel (Decimal Degrees)", "Morvel (Sight Reduction)"},
    {QLocale::French, "fr", "fr_FR.UTF-8", "Degrés et minutes", "Morvel (degrés décimaux)", "Morvel (droites de hauteur)"},
    {QLocale::German, "de", "de_DE.UTF-8", "Grad und Minuten", "Morvel (Dezimalgrad)", "Morvel (Höhenstandlinien)"},
    {QLocale::Spanish, "es", "es_ES.UTF-8", "Grados y minutos", "Morvel (grados decimales)", "Morvel (rectas de altura)"},
};

const QString qmDir = QStringLiteral(MORVEL_QM_DIR);

/// One message of a .ts file as read.
struct Message {
    QString context, source, translation, type;
};

/// An element's text, its <byte value="xd"/> (a carriage return) included.
QString textOf(QXmlStreamReader& xml)
{
    QString t;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == u"byte") {
        if (xml.isCharacters())
            t += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            t += QChar(xml.attributes().value(QLatin1String("value")).toString().remove(u'x').toUShort(nullptr, 16));
        else if (xml.hasError())
            break;
    }
    return t;
}

std::vector<Message> readTs(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&f);
    std::vector<Message> all;
    QString context;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            all.push_back({context, {}, {}, {}});
        else if (xml.name() == u"source")
            all.back().source = textOf(xml);
        else if (xml.name() == u"translation") {
            all.back().type = xml.attributes().value(QLatin1String("type")).toString();
            all.back().translation = textOf(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return all;
}

int count(const QString& s, QChar c) { return int(s.count(c)) - 2 * int(s.count(QString(2, c))); }

struct LanguageTest : ::testing::Test {
    toolkit::RecordingMessageBox box;
    std::unique_ptr<shell::Program> program;

    void SetUp() override
    {
        QFile::remove(sightwin::SightWindow::recoveryPath());
        toolkit::services().messages = &box;
    }
    void TearDown() override
    {
        program.reset();
        toolkit::loadTranslations(QLocale(QLocale::English), qmDir);
    }
    /// A fresh program in this language, its calculators shown and a
    /// triangle worked on each.
    shell::Program& start(QLocale::Language language)
    {
        program.reset();
        toolkit::loadTranslations(QLocale(language), qmDir);
        program = std::make_unique<shell::Program>();
        program->morvelf().showForm();
        for (toolkit::Form* f : forms())
            f->showForm();
        return *program;
    }
    std::vector<toolkit::Form*> forms()
    {
        return {&program->morvelf(), &program->locddf(), &program->locdmf(), &program->gcsf()};
    }
    void type(toolkit::Form& f, const char* name, int i, const char* text)
    {
        dynamic_cast<toolkit::TextBox&>(*f.find(QLatin1String(name), i)).setText(QLatin1String(text));
    }
    void click(toolkit::Form& f, const char* name)
    {
        dynamic_cast<toolkit::ButtonControl&>(*f.find(QLatin1String(name))).click();
    }
};

TEST_F(LanguageTest, EveryTranslationIsCompleteAndKeepsItsPlaceholders)
{
    const QSet<QString> listed = [] {
        QSet<QString> s;
        for (const char* t : shell::formTexts())
            s.insert(QString::fromUtf8(t));
        return s;
    }();
    for (const Language& l : languages) {
        if (l.language == QLocale::English)
            continue;
        const QString path = QStringLiteral(MORVEL_TS_DIR "/morvel_%1.ts").arg(QLatin1String(l.code));
        QSet<QString> calculator;
        for (const Message& m : readTs(path)) {
            const std::string where = path.toStdString() + ": " + m.source.toStdString();
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
            // The values the window puts in, and one access key at most.
            for (const QString& p : {QStringLiteral("%1"), QStringLiteral("%2")})
                EXPECT_EQ(m.source.contains(p), m.translation.contains(p)) << where << " / " << p.toStdString();
            EXPECT_EQ(m.source.contains(u'\n'), m.translation.contains(u'\n')) << where;
            EXPECT_LE(count(m.translation, u'&'), std::max(1, count(m.source, u'&'))) << where;
            // The navigators' abbreviations stay as they are.
            for (const char* a : {"LHA", "DLo", "Zn", "Cn"})
                EXPECT_EQ(m.source.contains(QLatin1String(a)), m.translation.contains(QLatin1String(a))) << where << a;
            if (m.context == QLatin1String(toolkit::formContext))
                calculator.insert(m.source);
        }
        for (const QString& t : listed - calculator)
            ADD_FAILURE() << path.toStdString() << " lacks \"" << t.toStdString() << "\"";
        for (const QString& t : calculator - listed)
            ADD_FAILURE() << path.toStdString() << " has \"" << t.toStdString() << "\", which no calculator shows";
        EXPECT_TRUE(QFile::exists(QStringLiteral("%1/morvel_%2.qm").arg(qmDir, QLatin1String(l.code))));
    }
}

TEST_F(LanguageTest, EveryTextTheCalculatorsShowIsTranslatedAndFits)
{
    QSet<QString> listed;
    for (const char* t : shell::formTexts())
        listed.insert(QString::fromUtf8(t));
    // The meridian diagram's letters are the navigators' in every language.
    const QSet<QString> letters = {"Z", "Na", "N", "S", "Pn", "Ps", "Q", "Q'"};
    for (const Language& l : languages) {
        shell::Program& p = start(l.language);
        // What the user makes them show: results, remarks and messages.
        type(p.locddf(), "txtDeg", 1, "50");
        type(p.locddf(), "txtDeg", 2, "15");
        click(p.locddf(), "optDecN");
        type(p.locddf(), "txtDeg", 3, "30");
        click(p.locddf(), "cmdStart");
        click(p.locdmf(), "cmdStart");
        click(p.gcsf(), "cmdStart");
        for (toolkit::Form* f : forms()) {
            const std::string where = std::string(l.code) + " " + f->name().toStdString();
            for (const auto& c : f->controls()) {
                // The words the window puts in its boxes on one line.
                if (auto* box = dynamic_cast<toolkit::TextBox*>(c.get()); box && box->visible()) {
                    const QString t = box->text();
                    if (t.contains(QRegularExpression(QStringLiteral("[a-z]{3}"))))
                        EXPECT_LE(box->widget()->fontMetrics().horizontalAdvance(t) + 6, box->widget()->width())
                            << where << "." << c->name().toStdString() << " \"" << t.toStdString() << "\"";
                }
                auto* captioned = dynamic_cast<toolkit::CaptionedControl*>(c.get());
                if (!captioned || captioned->caption().isEmpty())
                    continue;
                const QString english = captioned->caption();
                const std::string what = where + "." + c->name().toStdString() + " \"" + english.toStdString() + "\"";
                EXPECT_TRUE(listed.contains(english) || letters.contains(english)) << what << " is not translated";
                // Shown in full where the English is: a button's text on
                // one line, a label's lines within its height.
                QWidget* w = c->widget();
                const QString shown = captioned->shownCaption().remove(QRegularExpression(QStringLiteral("&(?!&)")));
                const QString plain = QString(english).remove(QRegularExpression(QStringLiteral("&(?!&)")));
                const auto needs = [w](const QString& text) {
                    if (auto* label = qobject_cast<QLabel*>(w)) {
                        QLabel probe(text);
                        probe.setFont(label->font());
                        probe.setWordWrap(true);
                        return QSize(w->width(), probe.heightForWidth(w->width()));
                    }
                    // A button's frame, or an option's or check box's mark.
                    const QStyle& s = *w->style();
                    const int mark = qobject_cast<QPushButton*>(w) ? 2 * s.pixelMetric(QStyle::PM_ButtonMargin)
                                     : qobject_cast<QRadioButton*>(w)
                                         ? s.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                               s.pixelMetric(QStyle::PM_RadioButtonLabelSpacing)
                                         : s.pixelMetric(QStyle::PM_IndicatorWidth) +
                                               s.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
                    return QSize(w->fontMetrics().horizontalAdvance(text) + mark, 0);
                };
                const QSize own = needs(plain), translated = needs(shown);
                if (own.width() <= w->width() && own.height() <= w->height()) {
                    EXPECT_LE(translated.width(), w->width()) << what << " as \"" << shown.toStdString() << "\"";
                    EXPECT_LE(translated.height(), std::max(w->height(), own.height()))
                        << what << " as \"" << shown.toStdString() << "\"";
                }
            }
        }
        EXPECT_EQ(p.morvelf().find(QStringLiteral("cmdDM"))->widget()->property("text").toString(),
                  QString::fromUtf8(l.degreesAndMinutes));
        if (const QString dir = qEnvironmentVariable("MORVEL_SNAPSHOT_DIR"); !dir.isEmpty()) {
            for (toolkit::Form* f : forms())
                f->image().save(QStringLiteral("%1/%2-%3.png").arg(dir, f->name(), QLatin1String(l.code)));
            sightwin::SightWindow& s = p.sight();
            s.show();
            s.grab().toImage().save(QStringLiteral("%1/sight-%2.png").arg(dir, QLatin1String(l.code)));
        }
        box.texts.clear();
    }
}

TEST_F(LanguageTest, MessagesAreShownInTheLanguage)
{
    // The calculators say what they say in English (their scenarios read
    // it); the box shows it translated.
    const std::pair<QLocale::Language, const char*> rows[] = {
        {QLocale::English, "Enter three and only three inputs"},
        {QLocale::French, "Entrez trois données, ni plus ni moins"},
        {QLocale::German, "Geben Sie genau drei Werte ein"},
        {QLocale::Spanish, "Introduzca tres datos, ni más ni menos"},
    };
    for (const auto& [language, text] : rows) {
        toolkit::loadTranslations(QLocale(language), qmDir);
        EXPECT_EQ(toolkit::shown(QStringLiteral("Enter three and only three inputs")), QString::fromUtf8(text));
    }
}

TEST_F(LanguageTest, NumbersKeepTheirPointInEveryLanguage)
{
    for (const Language& l : languages) {
        // As QApplication leaves the C library when the system speaks it.
        const bool have = std::setlocale(LC_ALL, l.posix) != nullptr;
        toolkit::keepDecimalPoint();
        shell::Program& p = start(l.language);
        type(p.locddf(), "txtDeg", 0, "12.5");
        click(p.locddf(), "optLatN");
        type(p.locddf(), "txtDeg", 1, "30.25");
        type(p.locddf(), "txtDeg", 2, "10.5");
        click(p.locddf(), "optDecN");
        click(p.locddf(), "cmdStart");
        const QString alt = dynamic_cast<toolkit::TextBox&>(*p.locddf().find(QStringLiteral("txtDeg"), 3)).text();
        EXPECT_TRUE(alt.contains(u'.') && !alt.contains(u',')) << l.code << ": " << alt.toStdString();
        EXPECT_TRUE(box.texts.empty()) << l.code << ": " << box.texts.front().toStdString();
        EXPECT_EQ(QLocale().toString(12.5), QStringLiteral("12.5")) << l.code;
        char printed[16];
        std::snprintf(printed, sizeof printed, "%.1f", 12.5);
        EXPECT_STREQ(printed, "12.5") << l.code << (have ? "" : " (locale not installed)");
    }
    std::setlocale(LC_ALL, "C");
}

TEST_F(LanguageTest, TheSystemLocaleChoosesTheLanguage)
{
    // Run under LANG=fr_FR.UTF-8 and the like by ctest.
    const bool loaded = toolkit::loadTranslations(QLocale::system(), qmDir);
    program = std::make_unique<shell::Program>();
    for (const Language& l : languages)
        if (l.language == QLocale::system().language() ||
            (l.language == QLocale::English && QLocale::system().language() == QLocale::C)) {
            EXPECT_EQ(loaded, l.language != QLocale::English);
            EXPECT_EQ(program->locddf().windowTitle(), QString::fromUtf8(l.decimalTitle));
            EXPECT_EQ(program->sight().windowTitle().remove(QStringLiteral("[*]")), QString::fromUtf8(l.sightTitle));
            EXPECT_EQ(program->morvelf().find(QStringLiteral("cmdDM"))->widget()->property("text").toString(),
                      QString::fromUtf8(l.degreesAndMinutes));
            return;
        }
    ADD_FAILURE() << "no row for " << QLocale::system().name().toStdString();
}

}  // namespace
