/// \file services.h
/// \brief The platform services behind small interfaces: message box,
/// timers, printing and ending the program. Each has a Qt implementation and
/// a test double; the program installs one set at start.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace morvel::toolkit {

/// The program's title, the caption of every message box.
inline const QString programTitle = QStringLiteral("Morvel");

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    /// A modal box with this text and one OK button; returns when dismissed.
    virtual void show(const QString& text) = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    /// Prints the image of a window; documentName names the job or file.
    virtual void print(const QImage& image, const QString& documentName) = 0;
};

class QuitService {
public:
    virtual ~QuitService() = default;
    /// Ends the program: every window closes and the process exits.
    virtual void quit() = 0;
};

/// The services in force. manualTimers makes timers fire only when told.
struct Services {
    MessageBoxService* messages = nullptr;
    PrintService* printer = nullptr;
    QuitService* quitter = nullptr;
    bool manualTimers = false;
};

Services& services();

// Qt implementations.
class QtMessageBox : public MessageBoxService {
public:
    void show(const QString& text) override;
};

/// Prints on the default printer; where no printer is installed, writes a
/// PDF of the image to the user's documents folder and says where.
class QtPrinter : public PrintService {
public:
    void print(const QImage& image, const QString& documentName) override;
    /// Writes the image as a one-page PDF, scaled to fit an A4 page;
    /// returns false when the file cannot be written.
    static bool writePdf(const QImage& image, const QString& path, const QString& title);
    /// Where the PDF fallback writes: documents folder, name with a time stamp.
    static QString pdfPath(const QString& documentName);
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

class RecordingPrinter : public PrintService {
public:
    void print(const QImage& image, const QString& documentName) override
    {
        jobs.push_back({image, documentName});
    }
    struct Job {
        QImage image;
        QString name;
    };
    std::vector<Job> jobs;
};

class RecordingQuit : public QuitService {
public:
    void quit() override { ++count; }
    int count = 0;
};

}  // namespace morvel::toolkit
