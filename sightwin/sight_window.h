/// \file sight_window.h
/// \brief The sight-reduction window: a day's sights logged, reduced and
/// fixed as they are typed, with the plotting sheet, the sky, the files
/// and the printed page.
///
/// The window shows; the log and what it gives are sightlog::Logbook and
/// sightlog::work (through LogModel), the same as morvel-solve --sights reads
/// from the file this window saves.
///
/// Nothing is lost: after every change the log goes to a recovery file in
/// the user's data folder (with the name of the file it came from), which
/// the next start offers back when the window was not closed cleanly.
/// Height of eye, index correction and the last DR are kept in the
/// settings between runs, with the recent files.
#pragma once

#include "sightlog/logbook.h"

#include <QDateTime>
#include <QMainWindow>

#include <functional>

class QAction;
class QCloseEvent;
class QEvent;
class QPagedPaintDevice;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QTableView;
class QTabWidget;

namespace morvel::sightwin {

class LogModel;
class PlottingSheet;
class SkyPanel;

class SightWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SightWindow(QWidget* parent = nullptr);
    ~SightWindow() override;

    enum class Answer { yes, no, cancel };
    /// The dialogs a test replaces: a question (yes, no and, with cancel,
    /// cancel), the file to open, the file to save to (empty: none chosen).
    std::function<Answer(const QString& question, bool cancel)> ask;
    std::function<QString(const QString& caption)> chooseOpen, chooseSave;

    LogModel& model() { return *model_; }
    QTableView& table() { return *table_; }
    PlottingSheet& sheet() { return *sheet_; }
    SkyPanel& sky() { return *sky_; }
    QLineEdit& drPosition() { return *drPosition_; }
    QLineEdit& drTime() { return *drTime_; }
    QLineEdit& drCourse() { return *drCourse_; }
    QLineEdit& drSpeed() { return *drSpeed_; }
    /// The fix and its figures as shown under the log.
    QString resultText() const;
    QString fileName() const { return file_; }
    bool modified() const;

    /// Offers back the log kept in the recovery file, when there is one.
    void offerRecovery();
    bool open(const QString& path);
    bool saveTo(const QString& path);
    /// The printed page: title, date and DR, the log with every correction,
    /// the results and the plotting sheet, drawn on any device.
    bool drawPage(QPagedPaintDevice& device) const;

    /// The recovery file's path.
    static QString recoveryPath();

    // The actions, for menus, keys and tests.
    QAction *actOpen, *actSave, *actSaveAs, *actPrint, *actClose, *actUndo, *actRedo, *actAdd, *actDuplicate,
        *actDelete, *actIdentify;

signals:
    /// The window closed (it then returns to the main menu).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void addRow();
    void duplicateRow();
    void deleteRow();
    void identifyRow();
    void addBody(const QString& body);
    void openChosen();
    bool save();
    bool saveAs();
    void print();
    void showDr();
    void drEdited();
    void changed();
    void showResults();
    void keepRecovery();
    void rememberSettings();
    void addRecent(const QString& path);
    void fillRecent();
    /// Asks to save unsaved changes; false when the user cancels.
    bool settle();
    sightlog::SightCells newRow() const;
    int currentRow() const;

    LogModel* model_;
    QTableView* table_;
    QLineEdit *drPosition_, *drTime_, *drCourse_, *drSpeed_;
    QLabel* results_;
    QTabWidget* tabs_;
    PlottingSheet* sheet_;
    SkyPanel* sky_;
    QMenu* recent_;
    QString file_;
    bool restoring_ = false;
    double skyLat_ = 1e9, skyLon_ = 1e9;  ///< where the sky was last worked out
    QDateTime skyTime_;                   ///< the DR time it was last set to
};

}  // namespace morvel::sightwin
