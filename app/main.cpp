// Morvel: the celestial triangle and great-circle sailing for navigators.
#include "shell/program.h"
#include "toolkit/form.h"
#include "toolkit/language.h"
#include "toolkit/palette.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Morvel"));
    // The desktop entry and the icon the package installs.
    QApplication::setDesktopFileName(QStringLiteral("org.morvel.Morvel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.morvel.Morvel")));
    morvel::toolkit::initialise();
    // The windows in the system's language; numbers keep their point.
    morvel::toolkit::loadTranslations();

    morvel::toolkit::QtMessageBox messages;
    morvel::toolkit::QtPrinter printer;
    morvel::toolkit::QtQuit quitter;
    auto& s = morvel::toolkit::services();
    s.messages = &messages;
    s.printer = &printer;
    s.quitter = &quitter;

    morvel::shell::Program program;
    // The palette of the last run (the scenarios' windows stay by day).
    morvel::toolkit::Palettes::instance().restore();
    program.start();
    return app.exec();
}
