/// \file services.h
/// \brief The platform services behind small interfaces: message box,
/// printing and ending the program, each with a Qt implementation and a
/// test double, and the clock; the program installs one set at start.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace morvel::toolkit {

class Form;

/// The program's title, the caption of every message box.
inline const QString programTitle = QStringLiteral("Morvel");

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    /// A modal box with this text and one OK button; returns when dismissed.
    virtual void show(const QString& text) = 0;
};

/// Draws pages on a device (a printer, a PDF); false when it could not.
using PageDrawer = std::function<bool(QPagedPaintDevice&)>;

class PrintService {
public:
    virtual ~PrintService() = default;
    /// Prints the window as it stands under one line of text, heading; its
    /// caption names the job or file.
    virtual void print(Form& window, const QString& heading) = 0;
    /// Prints what draw draws (a window's own page layout); name names the
    /// job or file.
    virtual void printPage(const QString& name, const PageDrawer& draw) = 0;
};

class QuitService {
public:
    virtual ~QuitService() = default;
    /// Ends the program: every window closes and the process exits.
    virtual void quit() = 0;
};

/// The services in force.
struct Services {
    MessageBoxService* messages = nullptr;
    PrintService* printer = nullptr;
    QuitService* quitter = nullptr;
    /// The time now; tests set a fixed one.
    std::function<QDateTime()> clock = &QDateTime::currentDateTimeUtc;
};

Services& services();

// Qt implementations.
class QtMessageBox : public MessageBoxService {
public:
    void show(const QString& text) override;
};

/// Prints on the default printer; where no printer is installed, saves the
/// page as a PDF and says where it went, or why nothing could be written.
/// The page is landscape: the heading in the window's font, and below it the
/// window's controls and painted items drawn at the device's resolution (as
/// vectors in a PDF), both as large as the printable area allows. Qt's
/// warnings while printing are held back from the standard error unless
/// printing fails.
class QtPrinter : public PrintService {
public:
    void print(Form& window, const QString& heading) override;
    void printPage(const QString& name, const PageDrawer& draw) override;

    /// Draws the window under its heading on one landscape page of the device.
    static bool render(QWidget& window, const QString& heading, QPagedPaintDevice& device);

    /// The folders a PDF may go to, in order: the documents folder (none
    /// when HOME is unset), then the temporary folder.
    static QStringList pdfFolders();

    /// Where a PDF went (path), or, when it went nowhere, why: one
    /// "FOLDER: reason" for each folder that did not take it.
    struct SavedPdf {
        QString path;
        QStringList refused;
    };
    /// Saves the window under its heading as a PDF in the first folder that
    /// takes it (created when missing), named "NAME-yyyyMMdd-HHmmss.pdf"
    /// after `when`, or "NAME-yyyyMMdd-HHmmss-2.pdf" and so on when that
    /// name is taken: a save never overwrites a file. The name keeps its
    /// letters, digits, '.' and '_', anything else a hyphen ("Morvel
    /// (Decimal Degrees)" is "Morvel-Decimal-Degrees"), so no blank, slash
    /// or bracket reaches the file's name.
    static SavedPdf savePdf(QWidget& window, const QString& heading, const QString& name,
                            const QStringList& folders, const QDateTime& when = QDateTime::currentDateTime());
    /// The same for pages drawn by draw on an A4 PDF at 1200 dpi.
    static SavedPdf savePdf(const PageDrawer& draw, const QString& name, const QStringList& folders,
                            const QDateTime& when = QDateTime::currentDateTime());

private:
    /// On the default printer, or as a PDF; what names the thing printed in
    /// the messages ("window", "page").
    static void printOrSave(const QString& name, const PageDrawer& draw, const QString& what);
};

class QtQuit : public QuitService {
public:
    void quit() override;

private:
    bool quitting_ = false;
};

// Test doubles.
class RecordingMessageBox : public MessageBoxService {
public:
    void show(const QString& text) override { texts.push_back(text); }
    std::vector<QString> texts;  ///< every message shown, oldest first
};

/// Keeps the image, caption and heading of every window printed, and the
/// PDF of every page printed.
class RecordingPrinter : public PrintService {
public:
    void print(Form& window, const QString& heading) override;
    void printPage(const QString& name, const PageDrawer& draw) override;
    struct Job {
        QImage image;
        QString name;
        QString heading;
        QByteArray pdf;  ///< a page's, A4
    };
    std::vector<Job> jobs;
};

class RecordingQuit : public QuitService {
public:
    void quit() override { ++count; }
    int count = 0;
};

}  // namespace morvel::toolkit
