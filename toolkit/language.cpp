#include "toolkit/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "navtext/say.h"

#include <clocale>
#include <memory>

namespace morvel::toolkit {

namespace {

/// Where the package puts the .qm files, and the same place beside a
/// program run from its build tree (bin/../share/morvel/translations).
QStringList folders(const QString& given)
{
    if (!given.isEmpty())
        return {given};
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/../share/morvel/translations"),
            QStringLiteral(MORVEL_TRANSLATIONS_INSTALLED)};
}

QString loadedLanguage;

/// The plain libraries' messages looked up where the windows' are.
std::string libraryPhrase(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

}  // namespace

bool loadTranslations(const QLocale& locale, const QString& folder)
{
    // One language at a time: the one loaded before goes.
    static std::unique_ptr<QTranslator> own, qt;
    for (auto* t : {&own, &qt})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    const bool english = locale.language() == QLocale::English || locale.language() == QLocale::C;
    auto mine = std::make_unique<QTranslator>();
    for (const QString& dir : folders(folder))
        if (mine->load(english ? QLocale(QLocale::English) : locale, QStringLiteral("morvel"), QStringLiteral("_"),
                       dir)) {
            own = std::move(mine);
            QCoreApplication::installTranslator(own.get());
            break;
        }
    // English holds only the plurals; the libraries say their own English.
    navtext::setTranslator(own && !english ? &libraryPhrase : nullptr);
    loadedLanguage = own && !english ? QLocale::languageToCode(locale.language()) : QString();
    if (english)
        return false;
    // Qt's own dialogs (file, print, the message box's buttons) in the same
    // language, from the system's Qt translations.
    auto theirs = std::make_unique<QTranslator>();
    if (theirs->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt = std::move(theirs);
        QCoreApplication::installTranslator(qt.get());
    }
    return own != nullptr;
}

QString languageCode()
{
    return loadedLanguage;
}

void keepDecimalPoint()
{
    // Qt's formatting follows the default locale; the libraries' printf and
    // strtod the C library's, which QApplication set from the environment.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
}

QString shown(const QString& english)
{
    if (english.isEmpty())
        return english;
    return QCoreApplication::translate(formContext, english.toUtf8().constData());
}

}  // namespace morvel::toolkit
