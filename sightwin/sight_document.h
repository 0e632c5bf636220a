/// \file sight_document.h
/// \brief A day's sights as a document, apart from any window: the log and
/// what it gives (sightlog/logbook.h), the file it came from and whether
/// it has changed since, every edit an undoable command, the recovery file
/// and the settings remembered between runs. Tests drive it without a
/// window; the window shows one.
///
/// Edits go through the undo stack alone: each is a command whose redo and
/// undo change the log and work it again no further than the edit reaches
/// (sightlog::rework). The document is modified while the undo stack stands
/// away from its clean state, the state last opened or saved.
///
/// Nothing is lost. Whenever the undo stack has moved and the log differs
/// from its file, the log goes to the recovery file in the user's data
/// folder, after a first line naming the file it came from; when the log
/// is back at its file's state, or the window is closed cleanly, the
/// recovery file goes. The next opening of the window offers it back.
/// When the recovery file cannot be written (its folder cannot be made or
/// written, the disk is full) the document says so once, by
/// recoveryRefused, and not again at every edit; once it has been written
/// again, a later refusal is said again.
///
/// The log holds every line of its file that is no row (comments, notes,
/// lines that could not be taken in: sightlog/logbook.h), and saves them
/// where they stood. Files are written by files/write.h: a link's target,
/// a FIFO or a device as a stream, a regular file whole or not at all.
///
/// Remembered between runs (QSettings, organisation and application
/// "Morvel"): the last DR given (position, time, course and speed), the height
/// of eye and index correction of the last sight that has a height of eye,
/// the eight files last opened or saved, and the vessel and the navigator
/// the printed page names (apart from any log: one ship, one navigator,
/// whatever log is open). Each is written when it changes, not on every
/// edit.
#pragma once

#include "sightlog/logbook.h"
#include "sightwin/document_files.h"
#include "sightwin/log_document.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <optional>

namespace morvel::sightwin {

class SightDocument : public LogDocument {
    Q_OBJECT
public:
    explicit SightDocument(QObject* parent = nullptr);
    ~SightDocument() override;

    const sightlog::Logbook& book() const { return book_; }
    const sightlog::Worked& worked() const { return worked_; }
    QUndoStack& undoStack() { return undo_; }

    // Edits, each an undoable command; an edit that changes nothing is none.
    void setCell(int row, int column, const QString& text);
    void insertSight(int at, const sightlog::SightCells& cells, const QString& what);
    void removeSight(int at);
    void setDr(const sightlog::DrTrack& dr);

    /// The cells of a new row at the end: the time and the conditions
    /// carried on from the last row; in an empty log the DR's time (or now,
    /// when there is none; in a log kept by the watch, the watch's time
    /// then) and the height of eye and index correction remembered.
    sightlog::SightCells newRow(const QDateTime& now) const;

    QString fileName() const { return file_; }
    bool modified() const;

    using Outcome = sightwin::Outcome;
    /// An empty log from the DR remembered, with no file.
    void newLog();
    /// Opens a sight log; the lines that could not be taken in are named
    /// in the message, the others kept.
    Outcome open(const QString& path);
    /// Saves the log as the path asks (files/write.h: a regular file whole
    /// or not at all); it is then its file's state.
    Outcome saveTo(const QString& path);

    static QString recoveryPath();
    /// Whether a log was kept from a run that did not end cleanly.
    static bool recoveryKept();
    /// Takes the kept log in, with the file it came from, modified until
    /// it is saved; the lines that could not be taken in are named in the
    /// message, as open() names them.
    Outcome restoreRecovery();
    /// Lets the kept log go.
    static void discardRecovery();
    /// The window closed cleanly: nothing is left to recover.
    void closedCleanly();

    /// The last DR given, remembered between runs (the compass book starts
    /// from it too), and a DR given remembered.
    static sightlog::DrTrack rememberedDr();
    static void rememberDr(const sightlog::DrTrack& dr);

    /// The files last opened or saved, the latest first.
    static QStringList recentFiles();

    /// The Sun's altitude in degrees at the last DR given, at utc; nothing
    /// without a DR that can be read or where the almanac refuses the time.
    static std::optional<double> sunAltitudeAtDr(const QDateTime& utc);

    /// The vessel and the navigator named on the printed page, as typed
    /// (blanks trimmed; empty: not given).
    QString vessel() const { return vessel_; }
    QString navigator() const { return navigator_; }
    void setVesselAndNavigator(const QString& vessel, const QString& navigator);

signals:
    // And those of every log's document (log_document.h).
    /// Rows first to last changed, as typed or as shown: a cell, or the
    /// DR the rows follow.
    void rowsChanged(int first, int last);
    void recentChanged();

private:
    class CellEdit;
    class RowEdit;
    class DrEdit;

    // The commands' own changes.
    void applyCell(int row, int column, const std::string& text);
    void applyInsert(int at, const sightlog::SightCells& cells);
    void applyRemove(int at);
    void applyDr(const sightlog::DrTrack& dr);
    void rework(const sightlog::Edit& edit);

    /// The log replaced (a file opened, a log restored), the history gone.
    void replace(const sightlog::Logbook& book, const QString& file);
    void keepRecovery();
    void remember();
    void addRecent(const QString& path);

    sightlog::Logbook book_;
    sightlog::Worked worked_;
    QUndoStack undo_;
    QString file_;
    /// What the settings hold: the DR (position, time, course, speed), eye
    /// and IC.
    QStringList remembered_;
    /// The recovery file could not be written, and that has been said.
    bool recoveryRefused_ = false;
    QString vessel_, navigator_;
};

}  // namespace morvel::sightwin
