/// \file log_delegate.h
/// \brief The editors of the sight log's cells: the body chosen from the
/// almanac's bodies (or typed), the limb from its three words; every other
/// cell a line of text.
#pragma once

#include <QStyledItemDelegate>

namespace morvel::sightwin {

class LogDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace morvel::sightwin
