// morvel-scenario FILE...: replays scenario files against the real windows,
// headless; the last line is "N passed, N failed".
#include "tests/runner/scenario.h"
#include "toolkit/form.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
    morvel::toolkit::initialise();

    if (argc < 2) {
        std::fprintf(stderr, "usage: morvel-scenario FILE...\n");
        return 2;
    }
    QTextStream out(stdout);
    int passed = 0, failed = 0;
    for (int i = 1; i < argc; ++i)
        (morvel::scenario::runFile(QString::fromLocal8Bit(argv[i]), out) ? passed : failed)++;
    out << passed << " passed, " << failed << " failed" << Qt::endl;
    return failed == 0 ? 0 : 1;
}
