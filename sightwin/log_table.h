/// \file log_table.h
/// \brief The sight log's table (and the compass book's): its cells'
/// editors, its columns sized once for the texts they hold, and its keys.
///
/// Keys: Enter on the table (no editor open) asks for a new row; Delete
/// empties the current cell. In an editor (log_delegate.h), Enter keeps
/// what was typed and moves on: after a Sun's or a Moon's body to its limb,
/// else to the first cell the row still lacks, and from a row that reads
/// whole to the next row, or a new one at the end. Escape closes the
/// editor alone; Tab keeps the cell and goes to the next.
#pragma once

#include <QTableView>

#include <functional>
#include <vector>

namespace morvel::sightwin {

class LogDelegate;
class LogModel;

class LogTable : public QTableView {
    Q_OBJECT
public:
    LogTable(LogModel& model, QWidget* parent = nullptr);
    /// Another log's table (the compass book's): each column as wide as
    /// its widest usual text; Enter in a cell moves to the column next
    /// gives for the row (-1: on to the row below, or a new row). The
    /// delegate is the table's.
    LogTable(QAbstractItemModel& model, const std::vector<QString>& widest, std::function<int(int row, int column)> next,
             LogDelegate* delegate, QWidget* parent = nullptr);

    /// The cell current, focused and open for typing.
    void editCell(int row, int column);

signals:
    /// Enter with no editor open, or Enter on the last row that reads whole.
    void rowWanted();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveOn();

    QAbstractItemModel& model_;
    std::function<int(int row, int column)> next_;
};

}  // namespace morvel::sightwin
