/// \file compass_window.h
/// \brief The compass window: the azimuth book, one bearing of a body a
/// row, each row's true azimuth, compass error and deviation as soon as it
/// is complete; the DR the rows are worked at; the deviation card of the
/// book's magnetic rows; the files, undo, recovery and the printed pages.
///
/// The window lays out and shows: the book, its file, the undo history and
/// the recovery file are the CompassDocument's, every figure comes from
/// the compass library (compass/book.h), every text from navtext.
///
/// Keys as in the sight log (sightwin/log_table.h): Enter on the table adds
/// a row (so does Ctrl+Return), and in a cell keeps what was typed and
/// moves on to the first cell the row lacks, or to the next row; Escape
/// leaves the cell as it was, the table keeping the focus; Ctrl+Z and
/// Ctrl+Shift+Z undo and redo; Ctrl+Delete deletes a row. Alt+P, Alt+T,
/// Alt+C, Alt+D reach the DR; Alt+A the book, Alt+R the card. The View
/// and Help menus are the sight window's (F1 opens the window's page of
/// the manual).
#pragma once

#include "sightwin/log_window.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QTabWidget;
class QTableView;

namespace morvel::sightwin {
class DrBox;
class LogTable;
}  // namespace morvel::sightwin

namespace morvel::compasswin {

class BookModel;
class CardPanel;
class CompassDocument;

class CompassWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CompassWindow(QWidget* parent = nullptr);
    ~CompassWindow() override;

    using Answer = sightwin::Answer;
    /// The dialogs a test replaces: a question, the file to open, the file
    /// to save to (empty: none chosen).
    sightwin::Ask ask;
    std::function<QString(const QString& caption)> chooseOpen, chooseSave;

    CompassDocument& document() { return *document_; }
    BookModel& model() { return *model_; }
    QTableView& table();
    CardPanel& card() { return *card_; }
    QTabWidget& tabs() { return *tabs_; }
    QLineEdit& drPosition();
    QLineEdit& drTime();
    /// The rows that cannot be read, as shown under the book.
    QString problemText() const;

    void offerRecovery();
    bool open(const QString& path);
    bool saveTo(const QString& path);
    /// The printed pages: the azimuth book, then the card.
    bool drawPages(QPagedPaintDevice& device) const;

    QAction *actNew, *actOpen, *actSave, *actSaveAs, *actPrint, *actClose, *actUndo, *actRedo, *actAdd, *actDelete, *actHelp;

signals:
    /// The window closed (it then returns to the main menu).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void describeFields();
    void addRow();
    void deleteRow();
    void openChosen();
    bool save();
    bool saveAs();
    void print();
    void changed();
    void showTitle();
    bool settle();

    CompassDocument* document_;
    BookModel* model_;
    sightwin::DrBox* dr_;
    sightwin::LogTable* table_;
    QLabel* problems_;
    QTabWidget* tabs_;
    CardPanel* card_;
};

}  // namespace morvel::compasswin
