#include "sightwin/log_delegate.h"

#include "almanac/bodies.h"
#include "sightlog/sight_log.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>

namespace morvel::sightwin {

using sightlog::SightColumn;

LogDelegate::LogDelegate(QObject* parent)
    : LogDelegate(int(SightColumn::body),
                  {{int(SightColumn::limb),
                    {QString(), QStringLiteral("lower"), QStringLiteral("upper"), QStringLiteral("center")}}},
                  parent)
{
}

LogDelegate::LogDelegate(int bodyColumn, QMap<int, QStringList> lists, QObject* parent)
    : QStyledItemDelegate(parent), bodyColumn_(bodyColumn), lists_(std::move(lists))
{
}

QWidget* LogDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    if (index.column() == bodyColumn_) {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        for (const almanac::Body& b : almanac::bodies())
            if (b.kind != almanac::BodyKind::aries)
                box->addItem(QString::fromUtf8(b.name.data(), qsizetype(b.name.size())));
        return box;
    }
    if (const auto words = lists_.find(index.column()); words != lists_.end()) {
        auto* box = new QComboBox(parent);
        box->addItems(*words);
        return box;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void LogDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const QString t = index.data(Qt::EditRole).toString();
        const int at = box->findText(t, Qt::MatchFixedString);
        if (at >= 0)
            box->setCurrentIndex(at);
        else if (box->isEditable())
            box->setEditText(t);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void LogDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool LogDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            // At once, not queued as Qt does: the window moves on from the
            // row as it stands with what was typed.
            emit commitData(editor);
            emit closeEditor(editor, NoHint);
            emit entered();
            return true;
        }
        if (plain && key->key() == Qt::Key_Escape) {
            // A list's open popup closes first; the editor with the next.
            if (auto* box = qobject_cast<QComboBox*>(editor); box && box->view()->isVisible())
                return QStyledItemDelegate::eventFilter(object, event);
            emit closeEditor(editor, RevertModelCache);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace morvel::sightwin
