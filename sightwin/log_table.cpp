#include "sightwin/log_table.h"

#include "almanac/bodies.h"
#include "sightwin/log_delegate.h"
#include "sightwin/log_model.h"
#include "sightwin/texts.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace morvel::sightwin {

namespace {

using sightlog::SightColumn;

/// Each column wide enough for the widest text it usually holds and for
/// its caption, once: measuring the cells at every edit would cost as much
/// as the log is long.
void sizeColumns(QTableView& table)
{
    std::string body;
    for (const almanac::Body& b : almanac::bodies())
        body = b.name.size() > body.size() ? std::string(b.name) : body;
    const QString widest[] = {QStringLiteral("19:33:00 (2026-12-08 00:33:00 UT)"), text(body), QStringLiteral("center"),
                              QStringLiteral("00°00.0'"), QStringLiteral("10.5 off"), QStringLiteral("10.5 ft"),
                              QStringLiteral("-10"), QStringLiteral("1013"), QStringLiteral("00°00.0'N"),
                              QStringLiteral("000°00.0'W"), QStringLiteral("-00°00.0'"), QStringLiteral("-00°00.0'"),
                              QStringLiteral("000°00.0'"), QStringLiteral("100.0 A"),
                              QStringLiteral("100.0 A, excluded")};
    const QFontMetrics cell(table.font()), head(table.horizontalHeader()->font());
    const int pad = cell.height() * 2;  // margins, and a list's arrow in the editors
    for (int c = 0; c < table.model()->columnCount() && c < int(std::size(widest)); ++c) {
        const QString caption = table.model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        table.setColumnWidth(c, std::max(cell.horizontalAdvance(widest[c]), head.horizontalAdvance(caption)) + pad);
    }
}

}  // namespace

LogTable::LogTable(LogModel& model, QWidget* parent) : QTableView(parent), model_(model)
{
    setModel(&model);
    auto* delegate = new LogDelegate(this);
    setItemDelegate(delegate);
    connect(delegate, &LogDelegate::entered, this, &LogTable::moveOn);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    sizeColumns(*this);
    setTabKeyNavigation(false);
    setWhatsThis(tr("One sight a row. Enter adds a row, and in a cell keeps what was typed and moves on; "
                    "F2 edits a cell; Escape leaves it as it was."));
}

void LogTable::editCell(int row, int column)
{
    const QModelIndex at = model_.index(row, column);
    setCurrentIndex(at);
    setFocus();
    edit(at);
}

void LogTable::moveOn()
{
    const QModelIndex at = currentIndex();
    if (!at.isValid())
        return;
    const int row = at.row();
    const sightlog::RowResult& r = model_.worked().rows[size_t(row)];
    const sightlog::SightCells& cells = model_.book().rows[size_t(row)];
    const auto body = almanac::findBody(cells[size_t(SightColumn::body)]);
    const bool limbs = body && (body->kind == almanac::BodyKind::sun || body->kind == almanac::BodyKind::moon);
    if (at.column() == int(SightColumn::body) && limbs && cells[size_t(SightColumn::limb)].empty())
        editCell(row, int(SightColumn::limb));
    else if (r.status == sightlog::RowStatus::incomplete)
        editCell(row, int(r.column));
    else if (row + 1 < model_.rowCount())
        editCell(row + 1, at.column());
    else
        emit rowWanted();
}

void LogTable::keyPressEvent(QKeyEvent* key)
{
    // Keys reach the table itself only when no cell is being edited.
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
        emit rowWanted();
        return;
    }
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier && currentIndex().isValid()) {
        model_.setData(currentIndex(), QString(), Qt::EditRole);
        return;
    }
    QTableView::keyPressEvent(key);
}

}  // namespace morvel::sightwin
