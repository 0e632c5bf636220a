// morvel-solve: the Morvel engine on the command line (command.h).
#include "cli/command.h"

#ifdef MORVEL_SOLVE_PDF
#include "almanacpage/daily_page_print.h"
#include "cli/almanac.h"
#include "files/write.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#endif

#include <iostream>
#include <string>
#include <vector>

#ifdef MORVEL_SOLVE_PDF
namespace {

/// The daily pages through Qt's PDF writer, on the offscreen platform
/// unless another is asked for: no display is needed.
std::string writeDailyPdf(const std::string& file, int count,
                          const std::function<morvel::almanac::DailyPage(int)>& page)
{
    // Qt's notes on its platform (no runtime directory, ...) are not the
    // answer's; its fatal messages still stop the program.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "morvel-solve: %s\n", qPrintable(message));
    });
    std::unique_ptr<QGuiApplication> app;
    int argc = 1;
    char name[] = "morvel-solve";
    char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    std::string error;
    const QByteArray pdf = morvel::almanacpage::dailyPagesPdf(count, page, error);
    if (pdf.isEmpty())
        return error;
    const std::string why = morvel::files::writeFile(file, std::string_view(pdf.constData(), size_t(pdf.size())));
    return why.empty() ? why : "cannot write " + why;
}

}  // namespace
#endif

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
#ifdef MORVEL_SOLVE_PDF
    morvel::cli::setDailyPdfWriter(writeDailyPdf);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    return morvel::cli::run(args, std::cin, std::cout, std::cerr);
}
