#include "sightwin/sight_document.h"

#include "engine/angles.h"
#include "sight/sky.h"
#include "sightwin/document_files.h"
#include "sightwin/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUndoCommand>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace morvel::sightwin {

namespace {

using sightlog::Edit;
using sightlog::SightColumn;

QSettings settings()
{
    return QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel"));
}

/// The key of the recovery file's line that names the file its log came
/// from.
constexpr const char* recoveryKey = "recovery of";
const QString recentKey = QStringLiteral("sight/recent");
const QString vesselKey = QStringLiteral("sight/vessel"), navigatorKey = QStringLiteral("sight/navigator");

/// The settings' keys of the DR remembered, in the order of a DrTrack's
/// fields: position, time, course, speed.
const QString drKeys[] = {QStringLiteral("sight/drPosition"), QStringLiteral("sight/drTime"),
                          QStringLiteral("sight/drCourse"), QStringLiteral("sight/drSpeed")};

}  // namespace

/// The last DR a navigator gave: where the next day starts.
sightlog::DrTrack SightDocument::rememberedDr()
{
    QSettings s = settings();
    sightlog::DrTrack d;
    std::string* fields[] = {&d.position, &d.time, &d.course, &d.speed};
    for (size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = s.value(drKeys[i]).toString().toStdString();
    return d;
}

void SightDocument::rememberDr(const sightlog::DrTrack& d)
{
    QSettings s = settings();
    const std::string* fields[] = {&d.position, &d.time, &d.course, &d.speed};
    for (size_t i = 0; i < std::size(fields); ++i)
        s.setValue(drKeys[i], text(*fields[i]));
}

namespace {

/// A log's file read through the log's reader a line at a time, never
/// whole (a file of gigabytes that is no log ends at its first long line);
/// nothing when it cannot be opened, errno then saying why.
std::optional<sightlog::LogbookFile> readLogFile(const QString& path)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in)
        return std::nullopt;
    return sightlog::readLogbook(in);
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

std::string fileText(const sightlog::Logbook& book, const std::vector<sightlog::LogKey>& keys = {})
{
    std::ostringstream out;
    sightlog::writeLogbook(out, book, keys);
    return out.str();
}

}  // namespace

// ---- the commands --------------------------------------------------------

class SightDocument::CellEdit : public QUndoCommand {
public:
    CellEdit(SightDocument& d, int row, int column, std::string before, std::string after)
        : QUndoCommand(QObject::tr("Edit %1").arg(QString::fromLatin1(sightlog::sightColumnNames[size_t(column)]))),
          d_(d), row_(row), column_(column), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { d_.applyCell(row_, column_, before_); }
    void redo() override { d_.applyCell(row_, column_, after_); }

private:
    SightDocument& d_;
    int row_, column_;
    std::string before_, after_;
};

/// A row added (insert) or taken away (!insert).
class SightDocument::RowEdit : public QUndoCommand {
public:
    RowEdit(SightDocument& d, int at, sightlog::SightCells cells, bool insert, const QString& what)
        : QUndoCommand(what), d_(d), at_(at), cells_(std::move(cells)), insert_(insert), notes_(d.book_.notes)
    {
    }
    // Undone, the notes stand where they stood before: a row deleted
    // leaves its notes in place, and its return puts them back after it.
    void undo() override
    {
        insert_ ? d_.applyRemove(at_) : d_.applyInsert(at_, cells_);
        d_.book_.notes = notes_;
    }
    void redo() override { insert_ ? d_.applyInsert(at_, cells_) : d_.applyRemove(at_); }

private:
    SightDocument& d_;
    int at_;
    sightlog::SightCells cells_;
    bool insert_;
    std::vector<sightlog::LogNote> notes_;  ///< as they stood before the edit
};

class SightDocument::DrEdit : public QUndoCommand {
public:
    DrEdit(SightDocument& d, sightlog::DrTrack before, sightlog::DrTrack after)
        : QUndoCommand(QObject::tr("Edit DR")), d_(d), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { d_.applyDr(before_); }
    void redo() override { d_.applyDr(after_); }

private:
    SightDocument& d_;
    sightlog::DrTrack before_, after_;
};

// ---- edits ---------------------------------------------------------------

SightDocument::SightDocument(QObject* parent) : LogDocument(parent)
{
    book_.dr = rememberedDr();
    worked_ = sightlog::work(book_);
    const QSettings s = settings();
    vessel_ = s.value(vesselKey).toString();
    navigator_ = s.value(navigatorKey).toString();
    // After the stack has moved, so that the log reads as changed or not.
    connect(&undo_, &QUndoStack::indexChanged, this, &SightDocument::keepRecovery);
    connect(&undo_, &QUndoStack::cleanChanged, this, &SightDocument::fileChanged);
}

SightDocument::~SightDocument()
{
    // The stack empties itself as it goes. That is no change of the log, and
    // must not take the recovery file away: a window destroyed without
    // being closed leaves its log to be offered back.
    disconnect(&undo_, nullptr, this, nullptr);
}

void SightDocument::setCell(int row, int column, const QString& value)
{
    if (row < 0 || size_t(row) >= book_.rows.size() || column < 0 || size_t(column) >= sightlog::sightColumns)
        return;
    std::string after = value.trimmed().toStdString();
    const std::string& before = book_.rows[size_t(row)][size_t(column)];
    if (after != before)
        undo_.push(new CellEdit(*this, row, column, before, std::move(after)));
}

void SightDocument::insertSight(int at, const sightlog::SightCells& cells, const QString& what)
{
    if (at >= 0 && size_t(at) <= book_.rows.size())
        undo_.push(new RowEdit(*this, at, cells, true, what));
}

void SightDocument::removeSight(int at)
{
    if (at >= 0 && size_t(at) < book_.rows.size())
        undo_.push(new RowEdit(*this, at, book_.rows[size_t(at)], false, tr("Delete row")));
}

void SightDocument::setDr(const sightlog::DrTrack& dr)
{
    if (!(dr == book_.dr))
        undo_.push(new DrEdit(*this, book_.dr, dr));
}

void SightDocument::applyCell(int row, int column, const std::string& value)
{
    book_.rows[size_t(row)][size_t(column)] = value;
    rework({Edit::Kind::cell, size_t(row)});
    emit rowsChanged(row, row);
    emit changed();
}

void SightDocument::applyInsert(int at, const sightlog::SightCells& cells)
{
    emit rowInserting(at);
    sightlog::insertRow(book_, size_t(at), cells);
    rework({Edit::Kind::insert, size_t(at)});
    emit rowInserted(at);
    emit changed();
}

void SightDocument::applyRemove(int at)
{
    emit rowRemoving(at);
    sightlog::removeRow(book_, size_t(at));
    rework({Edit::Kind::remove, size_t(at)});
    emit rowRemoved(at);
    emit changed();
}

void SightDocument::applyDr(const sightlog::DrTrack& dr)
{
    book_.dr = dr;
    rework({Edit::Kind::dr, 0});
    if (!book_.rows.empty())
        emit rowsChanged(0, int(book_.rows.size()) - 1);
    emit changed();
}

void SightDocument::rework(const sightlog::Edit& edit)
{
    sightlog::rework(worked_, book_, edit);
    remember();
}

sightlog::SightCells SightDocument::newRow(const QDateTime& now) const
{
    sightlog::SightCells cells;
    if (!book_.rows.empty()) {
        // The conditions and the time carry on from the row before.
        const sightlog::SightCells& last = book_.rows.back();
        for (SightColumn c :
             {SightColumn::utc, SightColumn::ic, SightColumn::eye, SightColumn::temp, SightColumn::pressure})
            cells[size_t(c)] = last[size_t(c)];
        return cells;
    }
    // In a log kept by the watch, the watch's time then.
    const std::string& drTime = book_.dr.time;
    cells[size_t(SightColumn::utc)] = sightlog::timeCell(
        book_, worked_.dr,
        drTime.empty() ? now.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toStdString() : drTime);
    QSettings s = settings();
    cells[size_t(SightColumn::eye)] = s.value(QStringLiteral("sight/eye")).toString().toStdString();
    cells[size_t(SightColumn::ic)] = s.value(QStringLiteral("sight/ic")).toString().toStdString();
    return cells;
}

// ---- the file ------------------------------------------------------------

bool SightDocument::modified() const
{
    return !undo_.isClean();
}

void SightDocument::replace(const sightlog::Logbook& book, const QString& file)
{
    emit resetting();
    book_ = book;
    worked_ = sightlog::work(book_);
    file_ = file;
    undo_.clear();
    remember();
    emit resetDone();
    emit changed();
    emit fileChanged();
}

void SightDocument::newLog()
{
    sightlog::Logbook empty;
    empty.dr = rememberedDr();
    replace(empty, {});
}

SightDocument::Outcome SightDocument::open(const QString& path)
{
    const std::optional<sightlog::LogbookFile> file = readLogFile(path);
    if (!file)
        return {false, tr("%1 could not be opened.").arg(native(path))};
    const sightlog::LogbookFile& read = *file;
    if (read.badHeader)
        return {false, tr("%1 is not a sight log: %2").arg(native(path), text(read.errors.front().text()))};
    replace(read.book, path);
    addRecent(path);
    return {true, notTakenIn(read.errors, tr("sights"))};
}

SightDocument::Outcome SightDocument::saveTo(const QString& path)
{
    // A regular file whole or not at all; a link's target, a FIFO or a
    // device as the path asks.
    if (const QString why = writtenTo(path, fileText(book_)); !why.isEmpty())
        return {false, tr("The sights could not be saved in %1.").arg(why)};
    file_ = path;
    undo_.setClean();
    QFile::remove(recoveryPath());
    addRecent(path);
    emit fileChanged();
    return {true, {}};
}

// ---- recovery ------------------------------------------------------------

QString SightDocument::recoveryPath()
{
    return recoveryPathOf(QStringLiteral("sight-recovery.csv"));
}

bool SightDocument::recoveryKept()
{
    return QFile::exists(recoveryPath());
}

void SightDocument::keepRecovery()
{
    const QString refused = sightwin::keepRecovery(
        recoveryPath(), modified(), [this] { return fileText(book_, {{recoveryKey, file_.toStdString()}}); },
        recoveryRefused_, tr("Changes cannot be kept for recovery in %1. Save the sights to keep them."));
    if (!refused.isEmpty())
        emit recoveryRefused(refused);
}

SightDocument::Outcome SightDocument::restoreRecovery()
{
    const QString path = recoveryPath();
    const std::optional<sightlog::LogbookFile> file = readLogFile(path);
    if (!file)
        return {false, tr("The sights kept in %1 could not be read: %2").arg(native(path), text(std::strerror(errno)))};
    const sightlog::LogbookFile& read = *file;
    if (read.badHeader)
        return {false, tr("The sights kept in %1 could not be read: %2")
                           .arg(native(path), text(read.errors.front().text()))};
    // The first line names the file the log came from; it is no part of
    // the log.
    sightlog::Logbook book = read.book;
    const std::optional<std::string> came = sightlog::takeKey(book, recoveryKey);
    replace(book, came ? text(*came) : QString());
    // Restored, not saved: the log stays modified until it is.
    undo_.resetClean();
    keepRecovery();
    emit fileChanged();
    return {true, notTakenIn(read.errors, tr("sights"))};
}

void SightDocument::discardRecovery()
{
    QFile::remove(recoveryPath());
}

void SightDocument::closedCleanly()
{
    discardRecovery();
}

// ---- settings ------------------------------------------------------------

void SightDocument::remember()
{
    const sightlog::DrTrack& d = book_.dr;
    QStringList now = {text(d.position), text(d.time), text(d.course), text(d.speed), {}, {}};
    for (auto it = book_.rows.rbegin(); it != book_.rows.rend(); ++it)
        if (!(*it)[size_t(SightColumn::eye)].empty()) {
            now[4] = text((*it)[size_t(SightColumn::eye)]);
            now[5] = text((*it)[size_t(SightColumn::ic)]);
            break;
        }
    // Without a DR or a height of eye the last ones given stand.
    if (now[0].isEmpty())
        now[1] = now[2] = now[3] = QString();
    if (now == remembered_)
        return;
    QSettings s = settings();
    if (!now[0].isEmpty())
        for (int i = 0; i < 4; ++i)
            s.setValue(drKeys[i], now[i]);
    if (!now[4].isEmpty()) {
        s.setValue(QStringLiteral("sight/eye"), now[4]);
        s.setValue(QStringLiteral("sight/ic"), now[5]);
    }
    remembered_ = now;
}

void SightDocument::setVesselAndNavigator(const QString& vessel, const QString& navigator)
{
    QSettings s = settings();
    auto keep = [&](QString& now, const QString& typed, const QString& key) {
        if (now != typed.trimmed())
            s.setValue(key, now = typed.trimmed());
    };
    keep(vessel_, vessel, vesselKey);
    keep(navigator_, navigator, navigatorKey);
}

std::optional<double> SightDocument::sunAltitudeAtDr(const QDateTime& utc)
{
    const sightlog::DrRead dr = sightlog::readDr(rememberedDr());
    if (!dr.ok())
        return std::nullopt;
    const QDateTime t = utc.toUTC();
    const almanac::Instant when = almanac::Instant::fromUtc(t.date().year(), t.date().month(), t.date().day(),
                                                            t.time().hour(), t.time().minute(), t.time().second());
    const std::optional<double> hc = sight::sunAltitude(when, dr.dr.lat, dr.dr.lon);
    return hc ? std::optional<double>(*hc / math::degree) : std::nullopt;
}

QStringList SightDocument::recentFiles()
{
    return settings().value(recentKey).toStringList();
}

void SightDocument::addRecent(const QString& path)
{
    QSettings s = settings();
    QStringList recent = s.value(recentKey).toStringList();
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > 8)
        recent.removeLast();
    s.setValue(recentKey, recent);
    emit recentChanged();
}

}  // namespace morvel::sightwin
