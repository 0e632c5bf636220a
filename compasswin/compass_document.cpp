#include "compasswin/compass_document.h"

#include "sightwin/document_files.h"
#include "sightwin/sight_document.h"
#include "sightwin/texts.h"

#include <QDir>
#include <QFile>
#include <QUndoCommand>

#include <fstream>
#include <sstream>

namespace morvel::compasswin {

namespace {

using compass::BookColumn;
using sightwin::text;

/// The key of the recovery file's line naming the file its book came from.
constexpr const char* recoveryKey = "recovery of";

std::string fileText(const compass::Book& book, const std::vector<sightlog::LogKey>& keys = {})
{
    std::ostringstream out;
    compass::writeBook(out, book, keys);
    return out.str();
}

}  // namespace

/// An edit of the book: the book before and after it, and which rows it
/// touched (a row inserted or removed is told as such to the table).
class CompassDocument::Edit : public QUndoCommand {
public:
    enum class Kind { cell, insert, remove, dr };
    Edit(CompassDocument& d, Kind kind, int row, compass::Book after, const QString& what)
        : QUndoCommand(what), d_(d), kind_(kind), row_(row), before_(d.book_), after_(std::move(after))
    {
    }
    void undo() override { step(before_, kind_ == Kind::insert ? Kind::remove : kind_ == Kind::remove ? Kind::insert : kind_); }
    void redo() override { step(after_, kind_); }

private:
    void step(const compass::Book& to, Kind kind)
    {
        if (kind == Kind::insert)
            emit d_.rowInserting(row_);
        if (kind == Kind::remove)
            emit d_.rowRemoving(row_);
        d_.apply(to);
        if (kind == Kind::insert)
            emit d_.rowInserted(row_);
        if (kind == Kind::remove)
            emit d_.rowRemoved(row_);
        emit d_.changed();
    }

    CompassDocument& d_;
    Kind kind_;
    int row_;
    compass::Book before_, after_;
};

CompassDocument::CompassDocument(QObject* parent) : LogDocument(parent)
{
    book_.dr = sightwin::SightDocument::rememberedDr();
    worked_ = compass::work(book_);
    connect(&undo_, &QUndoStack::indexChanged, this, &CompassDocument::keepRecovery);
    connect(&undo_, &QUndoStack::cleanChanged, this, &CompassDocument::fileChanged);
}

CompassDocument::~CompassDocument()
{
    // The stack empties itself as it goes: no change of the book, and the
    // recovery file stays for a window destroyed without being closed.
    disconnect(&undo_, nullptr, this, nullptr);
}

void CompassDocument::apply(const compass::Book& after)
{
    const bool drMoved = !(after.dr == book_.dr);
    book_ = after;
    worked_ = compass::work(book_);
    if (drMoved && worked_.dr.ok())
        sightwin::SightDocument::rememberDr(book_.dr);
}

void CompassDocument::setCell(int row, int column, const QString& value)
{
    if (row < 0 || size_t(row) >= book_.rows.size() || column < 0 || size_t(column) >= compass::bookColumns)
        return;
    compass::Book after = book_;
    after.rows[size_t(row)][size_t(column)] = value.trimmed().toStdString();
    if (!(after == book_))
        undo_.push(new Edit(*this, Edit::Kind::cell, row, std::move(after),
                            tr("Edit %1").arg(QString::fromLatin1(compass::bookColumnNames[size_t(column)]))));
}

void CompassDocument::insertRow(int at, const compass::BookCells& cells, const QString& what)
{
    if (at < 0 || size_t(at) > book_.rows.size())
        return;
    compass::Book after = book_;
    compass::insertRow(after, size_t(at), cells);
    undo_.push(new Edit(*this, Edit::Kind::insert, at, std::move(after), what));
}

void CompassDocument::removeRow(int at)
{
    if (at < 0 || size_t(at) >= book_.rows.size())
        return;
    compass::Book after = book_;
    compass::removeRow(after, size_t(at));
    undo_.push(new Edit(*this, Edit::Kind::remove, at, std::move(after), tr("Delete row")));
}

void CompassDocument::setDr(const sightlog::DrTrack& typed)
{
    // Bearings are timed in UTC: no date, zone or watch error.
    sightlog::DrTrack dr = typed;
    dr.date = dr.zone = dr.watchError = {};
    if (dr == book_.dr)
        return;
    compass::Book after = book_;
    after.dr = dr;
    undo_.push(new Edit(*this, Edit::Kind::dr, 0, std::move(after), tr("Edit DR")));
}

compass::BookCells CompassDocument::newRow() const
{
    compass::BookCells cells;
    if (!book_.rows.empty()) {
        const compass::BookCells& last = book_.rows.back();
        for (BookColumn c : {BookColumn::utc, BookColumn::compass, BookColumn::heading, BookColumn::variation})
            cells[size_t(c)] = last[size_t(c)];
        return cells;
    }
    cells[size_t(BookColumn::utc)] = book_.dr.time;
    cells[size_t(BookColumn::compass)] = "magnetic";
    cells[size_t(BookColumn::variation)] = "auto";
    return cells;
}

// ---- the file --------------------------------------------------------------

void CompassDocument::replace(const compass::Book& book, const QString& file)
{
    emit resetting();
    book_ = book;
    worked_ = compass::work(book_);
    file_ = file;
    undo_.clear();
    emit resetDone();
    emit changed();
    emit fileChanged();
}

void CompassDocument::newBook()
{
    compass::Book empty;
    empty.dr = sightwin::SightDocument::rememberedDr();
    replace(empty, {});
}

CompassDocument::Outcome CompassDocument::read(const QString& path, const char* failed)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in)
        return {false, tr(failed).arg(QDir::toNativeSeparators(path), tr("it cannot be opened"))};
    compass::BookFile file = compass::readBook(in);
    if (file.badHeader)
        return {false, tr(failed).arg(QDir::toNativeSeparators(path), text(file.errors.front().text()))};
    QString came;
    if (!file.book.head.empty()) {
        // A recovery file's first line names the file its book came from.
        const std::optional<sightlog::LogKey> k = sightlog::keyOf(file.book.head.front());
        if (k && k->key == recoveryKey && path == recoveryPath()) {
            came = text(k->value);
            file.book.head.erase(file.book.head.begin());
            file.book.drAt -= file.book.drAt > 0;
        }
    }
    replace(file.book, path == recoveryPath() ? came : path);
    return {true, sightwin::notTakenIn(file.errors, tr("bearings"))};
}

CompassDocument::Outcome CompassDocument::open(const QString& path)
{
    return read(path, QT_TR_NOOP("%1 is not an azimuth book: %2"));
}

CompassDocument::Outcome CompassDocument::saveTo(const QString& path)
{
    if (const QString why = sightwin::writtenTo(path, fileText(book_)); !why.isEmpty())
        return {false, tr("The bearings could not be saved in %1.").arg(why)};
    file_ = path;
    undo_.setClean();
    discardRecovery();
    emit fileChanged();
    return {true, {}};
}

// ---- recovery --------------------------------------------------------------

QString CompassDocument::recoveryPath()
{
    return sightwin::recoveryPathOf(QStringLiteral("compass-recovery.csv"));
}

bool CompassDocument::recoveryKept()
{
    return QFile::exists(recoveryPath());
}

void CompassDocument::discardRecovery()
{
    QFile::remove(recoveryPath());
}

CompassDocument::Outcome CompassDocument::restoreRecovery()
{
    Outcome o = read(recoveryPath(), QT_TR_NOOP("The bearings kept in %1 could not be read: %2"));
    if (o.ok) {
        // Restored, not saved: modified until it is.
        undo_.resetClean();
        keepRecovery();
        emit fileChanged();
    }
    return o;
}

void CompassDocument::keepRecovery()
{
    const QString refused = sightwin::keepRecovery(
        recoveryPath(), modified(), [this] { return fileText(book_, {{recoveryKey, file_.toStdString()}}); },
        recoveryRefused_, tr("Changes cannot be kept for recovery in %1. Save the bearings to keep them."));
    if (!refused.isEmpty())
        emit recoveryRefused(refused);
}

}  // namespace morvel::compasswin
