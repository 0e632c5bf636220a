/// \file sight_window.h
/// \brief The sight-reduction window: a day's sights logged, reduced and
/// fixed as they are typed, with the plotting sheet, the sky, the files
/// and the printed page.
///
/// The window lays out and shows. The log, its file, the undo history, the
/// recovery file and the settings are the SightDocument's; what the log
/// gives is sightlog::Worked, the same as morvel-solve --sights reads from
/// the file this window saves. The results under the log, the sheet and
/// the printed page are drawn from the worked log as it stands.
#pragma once

#include "instruments/gps.h"
#include "sightlog/logbook.h"
#include "sightwin/log_window.h"
#include "sightwin/plotter_link.h"

#include <QDateTime>
#include <QMainWindow>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QCloseEvent;
class QPagedPaintDevice;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTabWidget;

namespace morvel::sightwin {

class DrBox;
class LogModel;
class LogTable;
class PlottingSheet;
class SightDocument;
class SkyPanel;

class SightWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SightWindow(QWidget* parent = nullptr);
    ~SightWindow() override;

    using Answer = sightwin::Answer;
    /// The dialogs a test replaces: a question (yes, no and, with cancel,
    /// cancel), the file to open, the file to save to (empty: none chosen).
    Ask ask;
    std::function<QString(const QString& caption)> chooseOpen, chooseSave;
    /// The plotter's address asked for, showing the current one (empty:
    /// cancelled).
    std::function<QString(const QString& current)> chooseAddress;
    /// The DR's legs asked for, showing the DR's (nothing: cancelled).
    std::function<std::optional<std::vector<sightlog::DrLeg>>(const sightlog::DrTrack& dr)> chooseLegs;
    /// Reads the GPS (gpsd at localhost:2947, 3 s at most), off the
    /// window's thread; a test replaces it.
    std::function<instruments::GpsFix()> readGps;

    SightDocument& document() { return *document_; }
    LogModel& model() { return *model_; }
    QTableView& table();
    PlottingSheet& sheet() { return *sheet_; }
    SkyPanel& sky() { return *sky_; }
    QLineEdit& drPosition();
    QLineEdit& drTime();
    QLineEdit& drCourse();
    QLineEdit& drSpeed();
    /// The DR with the date on board, zone and watch error.
    DrBox& drBox() { return *dr_; }
    /// The fix and its figures as shown under the log.
    QString resultText() const;
    QString fileName() const;
    bool modified() const;

    /// Offers back the log kept in the recovery file, when there is one,
    /// telling the lines it could not take in. (A recovery file that cannot
    /// be written is told as the document says it: once.)
    void offerRecovery();
    /// Open and save, telling the navigator what went wrong.
    bool open(const QString& path);
    bool saveTo(const QString& path);
    /// The printed page (sight_page.h) of the log as it stands.
    bool drawPage(QPagedPaintDevice& device) const;

    /// The recovery file's path.
    static QString recoveryPath();

    /// From GPS: the DR's position, time, course and speed from a reading
    /// (each the receiver gives; the DR edit undoable as any), and the
    /// computer clock's error on the GPS's time in the status bar. A
    /// reading without a fix is told, the DR left as it was.
    void takeGps(const instruments::GpsFix& fix);
    QPushButton& fromGpsButton();
    PlotterLink& plotter() { return plotter_; }
    /// The status bar's message.
    QString status() const;

    // The actions, for menus, keys and tests.
    QAction *actNew, *actOpen, *actSave, *actSaveAs, *actVessel, *actPrint, *actClose, *actUndo, *actRedo, *actAdd,
        *actDuplicate, *actDelete, *actIdentify, *actDailyPages, *actHelp;
    // The plotter: each fix sent (checkable, remembered), its address, the
    // fix sent now, and saved as GPX.
    QAction *actSendFixes, *actPlotterAddress, *actSendFix, *actSaveFixGpx;
    // The DR's legs, and the current the fix gives carried on from the fix
    // (checkable, kept in the log).
    QAction *actLegs, *actCarryCurrent;

signals:
    /// The window closed (it then returns to the main menu).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    /// Tooltips, What's This and accessible names of the fields.
    void describeFields();
    void addRow();
    void newLog();
    void duplicateRow();
    void deleteRow();
    void identifyRow();
    /// Legs...: the DR's legs edited, one undoable edit.
    void editLegs();
    /// The current the fix gives carried on from its time, or no longer.
    void carryCurrent(bool on);
    /// Almanac > Daily Pages...: the page of the clock's UT date, left open beside the log.
    void dailyPages();
    void addBody(const QString& body);
    void openChosen();
    bool save();
    bool saveAs();
    void nameVessel();
    void print();
    void changed();
    void showTitle();
    void fillRecent();
    /// Asks to save unsaved changes; false when the user cancels.
    bool settle();
    int currentRow() const;
    // The GPS and the plotter (sight_window_instruments.cpp).
    void buildPlotterMenu();
    void fromGps();
    void askPlotterAddress();
    void sendFix();
    void saveFixGpx();
    /// Each new fix to the plotter, when sending is on.
    void sendNewFix();
    /// The fix as the plotter takes it; none without a fix.
    std::optional<instruments::FixWaypoint> fixWaypoint() const;

    SightDocument* document_;
    LogModel* model_;
    DrBox* dr_;
    LogTable* table_;
    QLabel* results_;
    QTabWidget* tabs_;
    PlottingSheet* sheet_;
    SkyPanel* sky_;
    QMenu* recent_;
    double skyLat_ = 1e9, skyLon_ = 1e9;  ///< where the sky was last worked out
    QDateTime skyTime_;                   ///< the DR time it was last set to
    PlotterLink plotter_;
};

}  // namespace morvel::sightwin
