#include "toolkit/services.h"

#include "toolkit/form.h"
#include "toolkit/language.h"
#include "toolkit/palette.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace morvel::toolkit {

Services& services()
{
    static Services s;
    return s;
}

void QtMessageBox::show(const QString& text)
{
    // The calculators' messages in the user's language; the English ones
    // are what the engine and the scenarios know.
    QMessageBox box(QMessageBox::NoIcon, programTitle, shown(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

namespace {

/// Holds back Qt's warnings while it lives: the user is told what happened
/// in a message of ours; the maintainer gets Qt's words on the standard
/// error only when something failed (passOn).
class HeldWarnings {
public:
    HeldWarnings() { previous_ = qInstallMessageHandler(&HeldWarnings::hold); }
    ~HeldWarnings() { qInstallMessageHandler(previous_); held().clear(); }
    HeldWarnings(const HeldWarnings&) = delete;
    HeldWarnings& operator=(const HeldWarnings&) = delete;

    void passOn() const
    {
        const QMessageLogContext context;
        for (const auto& [type, text] : held()) {
            if (previous_)
                previous_(type, context, text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(text));
        }
    }

private:
    static std::vector<std::pair<QtMsgType, QString>>& held()
    {
        static std::vector<std::pair<QtMsgType, QString>> h;
        return h;
    }
    static void hold(QtMsgType type, const QMessageLogContext&, const QString& text) { held().push_back({type, text}); }

    QtMessageHandler previous_ = nullptr;
};

/// "NAME-yyyyMMdd-HHmmss.pdf", then "-2", "-3" ... before ".pdf"; the name
/// has only letters, digits, '.' and '_' between hyphens, so that the file
/// needs no quoting in a shell.
QString pdfName(const QString& name, const QString& stamp, int n)
{
    QString plain;
    for (const QChar c : name)
        if (c.isLetterOrNumber() || c == u'.' || c == u'_')
            plain += c;
        else if (!plain.isEmpty() && !plain.endsWith(u'-'))
            plain += u'-';
    while (plain.endsWith(u'-'))
        plain.chop(1);
    return n == 1 ? QStringLiteral("%1-%2.pdf").arg(plain, stamp)
                  : QStringLiteral("%1-%2-%3.pdf").arg(plain, stamp).arg(n);
}

}  // namespace

bool QtPrinter::render(QWidget& window, const QString& heading, QPagedPaintDevice& device)
{
    const PrintingByDay day;
    device.setPageOrientation(QPageLayout::Landscape);
    device.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&device))
        return false;
    // The heading is laid out in the window's pixels, a line and half a
    // line's gap above it, so that it scales with the window's own texts.
    QFont font = window.font();
    font.setPixelSize(QFontInfo(window.font()).pixelSize());
    const QFontMetricsF metrics(font);
    const double headingHeight = 1.5 * metrics.height();
    // The painter starts at the top left of the printable area.
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double scale = std::min(double(page.width()) / window.width(),
                                  double(page.height()) / (window.height() + headingHeight));
    p.translate((page.width() - window.width() * scale) / 2, 0);
    p.scale(scale, scale);
    p.setFont(font);
    p.drawText(QPointF(0, metrics.ascent()), heading);
    p.translate(0, headingHeight);
    // The style draws some control faces through a bitmap cache whenever the
    // painter only scales; a shear far below a device pixel makes it draw
    // them as shapes, so that they stay sharp at any resolution.
    p.shear(0, 1e-9);
    window.render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return p.end();
}

QStringList QtPrinter::pdfFolders()
{
    QStringList folders;
    // Without HOME there is no documents folder, only a guess at one.
    if (!qEnvironmentVariableIsEmpty("HOME")) {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!documents.isEmpty())
            folders << documents;
    }
    const QString temp = QDir::tempPath();
    if (!folders.contains(temp))
        folders << temp;
    return folders;
}

QtPrinter::SavedPdf QtPrinter::savePdf(QWidget& window, const QString& heading, const QString& name,
                                       const QStringList& folders, const QDateTime& when)
{
    return savePdf([&](QPagedPaintDevice& d) { return render(window, heading, d); }, name, folders, when);
}

QtPrinter::SavedPdf QtPrinter::savePdf(const PageDrawer& draw, const QString& name, const QStringList& folders,
                                       const QDateTime& when)
{
    SavedPdf saved;
    const QString stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (const QString& folder : folders) {
        auto refuse = [&](const QString& why) {
            saved.refused << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(folder), why);
        };
        if (!QDir().mkpath(folder)) {
            refuse(QCoreApplication::translate("Printing", "the folder could not be created"));
            continue;
        }
        // Opening only a new file keeps every earlier print.
        QFile file;
        for (int n = 1; n <= 1000; ++n) {
            file.setFileName(QDir(folder).filePath(pdfName(name, stamp, n)));
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !file.exists())
                break;
        }
        if (!file.isOpen()) {
            refuse(file.errorString());
            continue;
        }
        bool drawn;
        {
            QPdfWriter writer(&file);
            writer.setTitle(name);
            writer.setCreator(programTitle);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(1200);
            const PrintingByDay day;
            drawn = draw(writer);
        }
        file.close();
        if (drawn && file.error() == QFileDevice::NoError && file.size() > 0) {
            saved.path = file.fileName();
            return saved;
        }
        refuse(drawn ? file.errorString() : QCoreApplication::translate("Printing", "the page could not be drawn"));
        file.remove();
    }
    return saved;
}

void QtPrinter::print(Form& window, const QString& heading)
{
    printOrSave(window.caption(), [&](QPagedPaintDevice& d) { return render(window, heading, d); },
                QCoreApplication::translate("Printing", "window"));
}

void QtPrinter::printPage(const QString& name, const PageDrawer& draw)
{
    printOrSave(name, draw, QCoreApplication::translate("Printing", "page"));
}

void QtPrinter::printOrSave(const QString& name, const PageDrawer& draw, const QString& what)
{
    MessageBoxService* box = services().messages;
    HeldWarnings warnings;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(name);
        bool drawn;
        {
            const PrintingByDay day;
            drawn = draw(printer);
        }
        if (drawn)
            return;
        warnings.passOn();
        if (box)
            box->show(QCoreApplication::translate("Printing", "The %1 could not be printed on %2.").arg(what, info.printerName()));
        return;
    }
    const SavedPdf saved = savePdf(draw, name, pdfFolders());
    if (saved.path.isEmpty())
        warnings.passOn();
    if (!box)
        return;
    const QString why = saved.refused.join(u'\n');
    if (!saved.path.isEmpty()) {
        QString text = QCoreApplication::translate("Printing", "No printer is installed. The %1 was saved as %2").arg(what, QDir::toNativeSeparators(saved.path));
        if (!why.isEmpty())
            text += QCoreApplication::translate("Printing", "\n\nIt could not be saved in\n%1").arg(why);
        box->show(text);
    } else {
        box->show(QCoreApplication::translate("Printing", "No printer is installed, and the %1 could not be saved as a PDF:\n%2").arg(what, why));
    }
}

void RecordingPrinter::print(Form& window, const QString& heading)
{
    const PrintingByDay day;
    jobs.push_back({window.image(), window.caption(), heading, {}});
}

void RecordingPrinter::printPage(const QString& name, const PageDrawer& draw)
{
    Job job;
    job.name = name;
    QBuffer buffer(&job.pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(1200);
        const PrintingByDay day;
        if (!draw(writer))
            job.pdf.clear();
    }
    jobs.push_back(job);
}

void QtQuit::quit()
{
    // Closing a calculator asks to quit again; once is enough.
    if (quitting_)
        return;
    quitting_ = true;
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
    quitting_ = false;
}

}  // namespace morvel::toolkit
