// morvel-startup: starts either Morvel's main menu or a bare Qt window of
// the same size, and exits at its first paint, printing the time from the
// start of main to that paint and the peak resident memory.
//   morvel-startup morvel | bare | label
// "label" is the bare window with one line of text, so that it too pays for
// loading the font database (about 9 ms here), which any window with text does.
#include "shell/main_menu.h"
#include "shell/program.h"
#include "toolkit/form.h"
#include "toolkit/services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

/// Exits the program at the first paint of the watched window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            elapsedNs = clock_.nsecsElapsed();
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

public:
    qint64 elapsedNs = 0;

private:
    const QElapsedTimer& clock_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    const char* mode = argc > 1 ? argv[1] : "morvel";
    const bool bare = std::strcmp(mode, "morvel") != 0;

    QApplication app(argc, argv);
    FirstPaint watch(clock);
    std::unique_ptr<QWidget> plain;
    std::unique_ptr<morvel::shell::Program> program;
    morvel::toolkit::QtMessageBox messages;
    if (bare) {
        plain = std::make_unique<QWidget>();
        plain->setWindowTitle(QStringLiteral("Morvel"));
        plain->setFixedSize(419, 283);  // the main menu's client area
        if (std::strcmp(mode, "label") == 0)
            new QLabel(QStringLiteral("Click below for data format"), plain.get());
        plain->installEventFilter(&watch);
        plain->show();
    } else {
        morvel::toolkit::initialise();
        morvel::toolkit::services().messages = &messages;
        program = std::make_unique<morvel::shell::Program>();
        program->morvelf().installEventFilter(&watch);
        program->start();
    }
    app.exec();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s first_paint_ms=%.3f peak_rss_kb=%ld\n", mode, watch.elapsedNs / 1e6,
                usage.ru_maxrss);
    return 0;
}
