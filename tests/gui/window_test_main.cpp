// The main of the tests on the real windows: headless unless told
// otherwise, settings and recovery files in a folder of their own, the
// toolkit set up as the program sets it up.
#include "toolkit/form.h"
#include "toolkit/language.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The magnetic model's files as the build tree holds them.
    if (qEnvironmentVariableIsEmpty("MORVEL_MAGNETIC_PATH"))
        qputenv("MORVEL_MAGNETIC_PATH", MORVEL_MAGNETIC_BUILD);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and the recovery file in a folder of the test's own.
    QTemporaryDir home;
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        qputenv(v, home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvel"));
    morvel::toolkit::initialise();
    // English as the program speaks it, its plurals included; another
    // language to look at the windows in it (MORVEL_TEST_LANGUAGE=fr with
    // MORVEL_SNAPSHOT_DIR), where texts in English are not expected.
    const QString language = qEnvironmentVariable("MORVEL_TEST_LANGUAGE", QStringLiteral("en"));
    morvel::toolkit::loadTranslations(QLocale(language), QStringLiteral(MORVEL_QM_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
