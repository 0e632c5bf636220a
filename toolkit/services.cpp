#include "toolkit/services.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace morvel::toolkit {

Services& services()
{
    static Services s;
    return s;
}

void QtMessageBox::show(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, programTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

namespace {

/// Draws the image as large as it fits on the page, keeping its proportions,
/// centred at the top.
bool paintFitted(QPaintDevice& device, const QRect& page, const QImage& image)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    QRect target(page.left() + (page.width() - size.width()) / 2, page.top(), size.width(), size.height());
    p.drawImage(target, image);
    return p.end();
}

}  // namespace

bool QtPrinter::writePdf(const QImage& image, const QString& path, const QString& title)
{
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator(programTitle);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    writer.setResolution(300);
    const QRect page(QPoint(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    return paintFitted(writer, page, image) && QFileInfo(path).size() > 0;
}

QString QtPrinter::pdfPath(const QString& documentName)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    QDir().mkpath(dir);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QDir(dir).filePath(QStringLiteral("%1 %2.pdf").arg(documentName, stamp));
}

void QtPrinter::print(const QImage& image, const QString& documentName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(documentName);
        printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
        if (paintFitted(printer, page, image))
            return;
        if (services().messages)
            services().messages->show(QStringLiteral("The window could not be printed on %1.").arg(info.printerName()));
        return;
    }
    const QString path = pdfPath(documentName);
    MessageBoxService* box = services().messages;
    if (writePdf(image, path, documentName)) {
        if (box)
            box->show(QStringLiteral("No printer is installed. The window was saved as %1").arg(QDir::toNativeSeparators(path)));
    } else if (box) {
        box->show(QStringLiteral("No printer is installed, and %1 could not be written.").arg(QDir::toNativeSeparators(path)));
    }
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
