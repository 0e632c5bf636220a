/// \file log_delegate.h
/// \brief The editors of a log's cells: the body chosen from the
/// almanac's bodies (or typed), the limb from its three words (a compass
/// from its two); every other cell a line of text.
///
/// Keys in an editor: Enter keeps what was typed and says so (entered: the
/// window moves on from there); Escape drops it and closes the editor
/// alone, the table keeping the focus; Tab keeps it and moves to the next
/// cell, as the view does.
#pragma once

#include <QMap>
#include <QStringList>
#include <QStyledItemDelegate>

namespace morvel::sightwin {

class LogDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// The sight log's editors: the body and the limb in their columns.
    explicit LogDelegate(QObject* parent = nullptr);
    /// Another table's: the body's list in bodyColumn (-1: none), and a
    /// fixed list of words in each column of lists.
    LogDelegate(int bodyColumn, QMap<int, QStringList> lists, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

signals:
    /// Enter in an editor: its text is in the model and the editor closed.
    void entered();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    int bodyColumn_;
    QMap<int, QStringList> lists_;
};

}  // namespace morvel::sightwin
