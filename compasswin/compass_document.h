/// \file compass_document.h
/// \brief The azimuth book as a document, apart from any window: the book
/// and what it gives (compass/book.h), its file and whether it has changed
/// since, every edit an undoable command, and the recovery file. It keeps
/// them as the sight document keeps a day's sights (sightwin/
/// sight_document.h): edits through the undo stack alone, modified while
/// the stack stands away from its clean state, the book in
/// compass-recovery.csv in the user's data folder whenever it differs from
/// its file (said once when that cannot be written), files written by
/// files/write.h, every line that is no row kept where it stood. The DR is
/// the sight window's, remembered between runs under the same settings.
#pragma once

#include "compass/book.h"
#include "sightwin/document_files.h"
#include "sightwin/log_document.h"

#include <QObject>
#include <QUndoStack>

namespace morvel::compasswin {

class CompassDocument : public sightwin::LogDocument {
    Q_OBJECT
public:
    explicit CompassDocument(QObject* parent = nullptr);
    ~CompassDocument() override;

    const compass::Book& book() const { return book_; }
    const compass::Worked& worked() const { return worked_; }
    QUndoStack& undoStack() { return undo_; }

    // Edits, each an undoable command; an edit that changes nothing is none.
    void setCell(int row, int column, const QString& text);
    void insertRow(int at, const compass::BookCells& cells, const QString& what);
    void removeRow(int at);
    void setDr(const sightlog::DrTrack& dr);

    /// A new row at the end: the time, the compass, the heading and the
    /// variation of the row before; in an empty book the DR's time and a
    /// magnetic compass with the model's variation.
    compass::BookCells newRow() const;

    QString fileName() const { return file_; }
    bool modified() const { return !undo_.isClean(); }

    using Outcome = sightwin::Outcome;
    void newBook();
    Outcome open(const QString& path);
    Outcome saveTo(const QString& path);

    static QString recoveryPath();
    static bool recoveryKept();
    Outcome restoreRecovery();
    static void discardRecovery();

private:
    class Edit;

    /// The book replaced by after, the rows' signals told.
    void apply(const compass::Book& after);
    void replace(const compass::Book& book, const QString& file);
    void keepRecovery();
    Outcome read(const QString& path, const char* failed);

    compass::Book book_;
    compass::Worked worked_;
    QUndoStack undo_;
    QString file_;
    bool recoveryRefused_ = false;
};

}  // namespace morvel::compasswin
