/// \file log_model.h
/// \brief The sight log of the sight-reduction window as a table model:
/// the rows as typed (sightlog::Logbook) with what they give beside them
/// (sightlog::work), every edit an undoable command.
///
/// Columns: the ten of the file (time, body, limb, Hs, IC, eye, temperature,
/// pressure, DR latitude and longitude), then the results Ho, Hc, Zn, the
/// intercept and the residual at the fix, read-only. A row that follows the
/// DR shows the DR worked out for it in grey; typing a DR there overrides
/// it. A bad row is tinted, and its tooltip says what is wrong.
#pragma once

#include "sightlog/logbook.h"

#include <QAbstractTableModel>
#include <QUndoStack>

namespace morvel::sightwin {

class LogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Result { ho = int(sightlog::sightColumns), hc, zn, intercept, residual, resultEnd };

    explicit LogModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// An edit of a cell, pushed on the undo stack.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    QUndoStack& undoStack() { return undo_; }
    const sightlog::Logbook& book() const { return book_; }
    const sightlog::Worked& worked() const { return worked_; }

    // Edits, each undoable.
    void setCell(int row, int column, const QString& text);
    void insertSight(int at, const sightlog::SightCells& cells, const QString& what = tr("Add row"));
    void removeSight(int at);
    void setDr(const sightlog::DrTrack& dr);

    /// Replaces the whole log (a file opened): not undoable, the undo
    /// history cleared.
    void reset(const sightlog::Logbook& book);

    // The commands' own changes, without the undo stack.
    void applyCell(int row, int column, const std::string& text);
    void applyInsert(int at, const sightlog::SightCells& cells);
    void applyRemove(int at);
    void applyDr(const sightlog::DrTrack& dr);

signals:
    /// The log or what it gives changed (after every edit, undo and redo).
    void changed();

private:
    void rework();

    sightlog::Logbook book_;
    sightlog::Worked worked_;
    QUndoStack undo_;
};

}  // namespace morvel::sightwin
