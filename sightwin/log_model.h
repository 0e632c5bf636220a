/// \file log_model.h
/// \brief The sight log of a SightDocument as a table: the rows as typed
/// with what they give beside them, for the window's table view. Edits
/// typed into a cell go to the document as undoable commands.
///
/// Columns: the ten of the file (time, body, limb, Hs, IC, eye, temperature,
/// pressure, DR latitude and longitude), then the results Ho, Hc, Zn, the
/// intercept and the residual at the fix, read-only. Every row shows its
/// time in one form with the UT beside it, "19:33:00 (2026-12-08 00:33:00
/// UT)" in a log kept by the watch (its column "Watch time"), "2026-12-07
/// 19:33:00 UT" in one kept in UTC; the cell is edited as typed. The UT stays in
/// the cell of the time it comes from rather than a column of its own: the
/// navigator reads the two together, and the columns stay the file's. A
/// row that follows the DR shows the DR worked out for it in grey; typing
/// a DR there overrides it. A bad row is tinted, and its tooltip says what
/// is wrong.
#pragma once

#include "sightlog/logbook.h"

#include <QAbstractTableModel>

namespace morvel::sightwin {

class SightDocument;

class LogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Result { ho = int(sightlog::sightColumns), hc, zn, intercept, residual, resultEnd };

    explicit LogModel(SightDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// An edit of a cell, pushed on the document's undo stack.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    const sightlog::Logbook& book() const;
    const sightlog::Worked& worked() const;

private:
    SightDocument& document_;
    bool watchTime_ = false;  ///< the caption shown for the time
};

}  // namespace morvel::sightwin
