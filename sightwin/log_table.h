/// \file log_table.h
/// \brief The sight log's table: its cells' editors, its columns sized once
/// for the texts they hold, and its keys.
///
/// Keys: Enter on the table (no editor open) asks for a new row; Delete
/// empties the current cell. In an editor (log_delegate.h), Enter keeps
/// what was typed and moves on: after a Sun's or a Moon's body to its limb,
/// else to the first cell the row still lacks, and from a row that reads
/// whole to the next row, or a new one at the end. Escape closes the
/// editor alone; Tab keeps the cell and goes to the next.
#pragma once

#include <QTableView>

namespace morvel::sightwin {

class LogModel;

class LogTable : public QTableView {
    Q_OBJECT
public:
    LogTable(LogModel& model, QWidget* parent = nullptr);

    /// The cell current, focused and open for typing.
    void editCell(int row, int column);

signals:
    /// Enter with no editor open, or Enter on the last row that reads whole.
    void rowWanted();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveOn();

    LogModel& model_;
};

}  // namespace morvel::sightwin
