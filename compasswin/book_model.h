/// \file book_model.h
/// \brief The azimuth book of a CompassDocument as a table: the rows as
/// typed with what they give beside them (the true azimuth, the compass or
/// gyro error and the deviation), read-only. Edits typed into a cell go to
/// the document as undoable commands. A variation left to the model shows
/// the model's figure beside "auto". A row that cannot be read is tinted,
/// the cell at fault darker, and its tooltip says why.
#pragma once

#include "compass/book.h"

#include <QAbstractTableModel>

namespace morvel::compasswin {

class CompassDocument;

class BookModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Result { azimuth = int(compass::bookColumns), error, deviation, resultEnd };

    explicit BookModel(CompassDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    const compass::Book& book() const;
    const compass::Worked& worked() const;

private:
    CompassDocument& document_;
};

/// A row's results as the window and the page write them: the true
/// azimuth, the error ("2.3° E", a gyro's "1.5° high") and the deviation;
/// empty where the row gives none.
struct RowTexts {
    QString azimuth, error, deviation, variation;
};
RowTexts rowTexts(const compass::RowResult& r);

}  // namespace morvel::compasswin
