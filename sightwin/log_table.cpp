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
void sizeColumns(QTableView& table, const std::vector<QString>& widest)
{
    const QFontMetrics cell(table.font()), head(table.horizontalHeader()->font());
    const int pad = cell.height() * 2;  // margins, and a list's arrow in the editors
    for (int c = 0; c < table.model()->columnCount() && c < int(widest.size()); ++c) {
        const QString caption = table.model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        table.setColumnWidth(c, std::max(cell.horizontalAdvance(widest[size_t(c)]), head.horizontalAdvance(caption)) + pad);
    }
}

/// The longest name of a body.
QString widestBody()
{
    std::string body;
    for (const almanac::Body& b : almanac::bodies())
        body = b.name.size() > body.size() ? std::string(b.name) : body;
    return text(body);
}

/// Where Enter in a sight's cell goes: after a Sun's or a Moon's body to
/// its limb, else to the first cell the row still lacks; -1 from a row that
/// reads whole.
int nextInSight(const LogModel& model, int row, int column)
{
    const sightlog::RowResult& r = model.worked().rows[size_t(row)];
    const sightlog::SightCells& cells = model.book().rows[size_t(row)];
    const auto body = almanac::findBody(cells[size_t(SightColumn::body)]);
    const bool limbs = body && (body->kind == almanac::BodyKind::sun || body->kind == almanac::BodyKind::moon);
    if (column == int(SightColumn::body) && limbs && cells[size_t(SightColumn::limb)].empty())
        return int(SightColumn::limb);
    if (r.status == sightlog::RowStatus::incomplete)
        return int(r.column);
    return -1;
}

}  // namespace

LogTable::LogTable(LogModel& model, QWidget* parent)
    : LogTable(model,
               {QStringLiteral("19:33:00 (2026-12-08 00:33:00 UT)"), widestBody(), QStringLiteral("center"),
                QStringLiteral("00°00.0'"), QStringLiteral("10.5 off"), QStringLiteral("10.5 ft"), QStringLiteral("-10"),
                QStringLiteral("1013"), QStringLiteral("00°00.0'N"), QStringLiteral("000°00.0'W"),
                QStringLiteral("-00°00.0'"), QStringLiteral("-00°00.0'"), QStringLiteral("000°00.0'"),
                QStringLiteral("100.0 A"), QStringLiteral("100.0 A, excluded")},
               [&model](int row, int column) { return nextInSight(model, row, column); }, new LogDelegate, parent)
{
    setWhatsThis(tr("One sight a row. Enter adds a row, and in a cell keeps what was typed and moves on; "
                    "F2 edits a cell; Escape leaves it as it was."));
}

LogTable::LogTable(QAbstractItemModel& model, const std::vector<QString>& widest,
                   std::function<int(int row, int column)> next, LogDelegate* delegate, QWidget* parent)
    : QTableView(parent), model_(model), next_(std::move(next))
{
    setModel(&model);
    delegate->setParent(this);
    setItemDelegate(delegate);
    connect(delegate, &LogDelegate::entered, this, &LogTable::moveOn);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    sizeColumns(*this, widest);
    setTabKeyNavigation(false);
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
    if (const int column = next_(row, at.column()); column >= 0)
        editCell(row, column);
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
