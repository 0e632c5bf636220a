/// \file log_delegate.h
/// \brief The editors of the sight log's cells: the body chosen from the
/// almanac's bodies (or typed), the limb from its three words; every other
/// cell a line of text.
///
/// Keys in an editor: Enter keeps what was typed and says so (entered: the
/// window moves on from there); Escape drops it and closes the editor
/// alone, the table keeping the focus; Tab keeps it and moves to the next
/// cell, as the view does.
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

signals:
    /// Enter in an editor: its text is in the model and the editor closed.
    void entered();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace morvel::sightwin
