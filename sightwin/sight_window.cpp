#include "sightwin/sight_window.h"

#include "almanac/bodies.h"
#include "sightwin/dr_box.h"
#include "sightwin/legs_dialog.h"
#include "sightwin/daily_pages_dialog.h"
#include "sightwin/identify_dialog.h"
#include "sightwin/log_model.h"
#include "sightwin/log_table.h"
#include "sightwin/plotting_sheet.h"
#include "sightwin/results.h"
#include "sightwin/sight_document.h"
#include "sightwin/sight_page.h"
#include "sightwin/sky_panel.h"
#include "sightwin/texts.h"
#include "sightwin/vessel_dialog.h"
#include "toolkit/palette.h"
#include "toolkit/services.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace morvel::sightwin {

using sightlog::SightColumn;

SightWindow::SightWindow(QWidget* parent)
    : QMainWindow(parent), document_(new SightDocument(this)), model_(new LogModel(*document_, this))
{
    setObjectName(QStringLiteral("sightf"));
    ask = [this](const QString& question, bool cancel) { return askIn(this, question, cancel); };

    dr_ = new DrBox;
    connect(dr_, &DrBox::edited, this, [this] { document_->setDr(dr_->track()); });
    connect(dr_, &DrBox::gpsWanted, this, &SightWindow::fromGps);
    connect(dr_, &DrBox::legsWanted, this, &SightWindow::editLegs);
    chooseLegs = [this](const sightlog::DrTrack& dr) { return askLegs(this, dr); };

    table_ = new LogTable(*model_);
    connect(table_, &LogTable::rowWanted, this, &SightWindow::addRow);

    results_ = new QLabel;
    results_->setObjectName(QStringLiteral("results"));
    results_->setTextFormat(Qt::RichText);
    results_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    results_->setWordWrap(true);
    results_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    results_->setFrameShape(QFrame::StyledPanel);
    results_->setMargin(6);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(dr_);
    leftLayout->addWidget(table_, 3);
    leftLayout->addWidget(results_, 1);

    sheet_ = new PlottingSheet;
    sky_ = new SkyPanel;
    tabs_ = new QTabWidget;
    tabs_->addTab(sheet_, tr("Plotting &sheet"));
    tabs_->addTab(sky_, tr("S&ky"));
    connect(sky_, &SkyPanel::bodyChosen, this, &SightWindow::addBody);

    auto* split = new QSplitter;
    split->addWidget(left);
    split->addWidget(tabs_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    // The log and the sheet three to two at first, whatever the log's
    // columns would ask for.
    split->setSizes({3000, 2000});
    setCentralWidget(split);

    buildMenus();
    describeFields();
    setTabOrder(&dr_->watchError(), table_);
    setTabOrder(table_, tabs_);

    connect(document_, &SightDocument::changed, this, &SightWindow::changed);
    connect(document_, &SightDocument::fileChanged, this, &SightWindow::showTitle);
    connect(document_, &SightDocument::recentChanged, this, &SightWindow::fillRecent);
    connect(document_, &SightDocument::recoveryRefused, this, &sightwin::tell);
    changed();
    showTitle();
    fillRecent();
    // Never larger than the screen, whatever its scale.
    fitToScreen(*this, QSize(1200, 720));
}

SightWindow::~SightWindow()
{
    // The document goes with the window's children, after the window has
    // stopped being one: nothing it signals then may reach the window.
    disconnect(document_, nullptr, this, nullptr);
}

QTableView& SightWindow::table() { return *table_; }
QLineEdit& SightWindow::drPosition() { return dr_->position(); }
QLineEdit& SightWindow::drTime() { return dr_->time(); }
QLineEdit& SightWindow::drCourse() { return dr_->course(); }
QLineEdit& SightWindow::drSpeed() { return dr_->speed(); }

void SightWindow::buildMenus()
{
    auto action = [this](const QString& text, const QKeySequence& key, auto slot) {
        return menuAction(this, text, key, slot);
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    actNew = action(tr("&New"), QKeySequence::New, &SightWindow::newLog);
    file->addAction(actNew);
    actOpen = action(tr("&Open..."), QKeySequence::Open, &SightWindow::openChosen);
    actSave = action(tr("&Save"), QKeySequence::Save, &SightWindow::save);
    actSaveAs = action(tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &SightWindow::saveAs);
    actVessel = action(tr("&Vessel and Navigator..."), QKeySequence(), &SightWindow::nameVessel);
    actPrint = action(tr("&Print..."), QKeySequence::Print, &SightWindow::print);
    actClose = action(tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W), &SightWindow::close);
    file->addAction(actOpen);
    recent_ = file->addMenu(tr("Open &Recent"));
    file->addAction(actSave);
    file->addAction(actSaveAs);
    file->addSeparator();
    file->addAction(actVessel);
    file->addAction(actPrint);
    file->addSeparator();
    file->addAction(actClose);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    std::tie(actUndo, actRedo) = undoActions(document_->undoStack(), this);
    edit->addAction(actUndo);
    edit->addAction(actRedo);
    edit->addSeparator();
    actAdd = action(tr("&Add Row"), QKeySequence(Qt::CTRL | Qt::Key_Return), &SightWindow::addRow);
    actDuplicate = action(tr("D&uplicate Row"), QKeySequence(Qt::CTRL | Qt::Key_D), &SightWindow::duplicateRow);
    actDelete = action(tr("&Delete Row"), QKeySequence(Qt::CTRL | Qt::Key_Delete), &SightWindow::deleteRow);
    actIdentify = action(tr("&Identify Body..."), QKeySequence(Qt::CTRL | Qt::Key_I), &SightWindow::identifyRow);
    for (QAction* a : {actAdd, actDuplicate, actDelete, actIdentify})
        edit->addAction(a);
    edit->addSeparator();
    actLegs = action(tr("DR &Legs..."), QKeySequence(Qt::CTRL | Qt::Key_L), &SightWindow::editLegs);
    edit->addAction(actLegs);
    actCarryCurrent = edit->addAction(tr("&Carry the Current On"));
    actCarryCurrent->setCheckable(true);
    actCarryCurrent->setToolTip(tr("The DRs of the sights after the fix run with the set and drift it gives"));
    connect(actCarryCurrent, &QAction::triggered, this, &SightWindow::carryCurrent);
    buildPlotterMenu();

    QMenu* almanac = menuBar()->addMenu(tr("&Almanac"));
    actDailyPages = action(tr("&Daily Pages..."), QKeySequence(), &SightWindow::dailyPages);
    almanac->addAction(actDailyPages);

    actHelp = addViewAndHelpMenus(*this, tr("Sight Reduction &Help"));
}

void SightWindow::editLegs()
{
    const sightlog::DrTrack& now = document_->book().dr;
    if (const auto legs = chooseLegs(now); legs && *legs != now.legs) {
        sightlog::DrTrack dr = now;
        dr.legs = *legs;
        document_->setDr(dr);
    }
}

void SightWindow::carryCurrent(bool on)
{
    sightlog::DrTrack dr = document_->book().dr;
    const std::optional<sightlog::SetDrift> sd = sightlog::setAndDrift(document_->worked());
    if (on && sd && sd->found.ok() && !sd->from.empty())
        dr.current = sightlog::carriedCurrentText(sd->found.current, sd->from);
    else
        dr.current.clear();
    document_->setDr(dr);
    actCarryCurrent->setChecked(!document_->book().dr.current.empty());
}

void SightWindow::describeFields()
{
    // The DR's fields say what they take themselves (DrBox).
    table_->setAccessibleName(tr("Sight log"));
    table_->setWhatsThis(tr("The sight log, one sight a row. Enter adds a row; F2 or typing edits a cell. Each "
                            "column's heading says what it takes. A complete row shows Ho, Hc, Zn and the "
                            "intercept; a row that cannot be read is tinted, its tooltip saying why."));
    results_->setAccessibleName(tr("What the log gives"));
    results_->setWhatsThis(tr("The fix from the sights, with its error ellipse, and each row that could not be "
                              "read or is doubtful."));
    sheet_->setAccessibleName(tr("Plotting sheet"));
    sheet_->setWhatsThis(tr("The plotting sheet around the DR and the fix. The wheel or + and - zoom, dragging "
                            "or the arrows pan, Home or 0 fits it again."));
}

void SightWindow::dailyPages()
{
    auto* dialog = new DailyPagesDialog(toolkit::services().clock().toUTC().date(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

// ---- rows ----------------------------------------------------------------

int SightWindow::currentRow() const
{
    const QModelIndex at = table_->currentIndex();
    return at.isValid() ? at.row() : -1;
}

void SightWindow::addRow()
{
    const int at = model_->rowCount();
    document_->insertSight(at, document_->newRow(toolkit::services().clock()), tr("Add row"));
    table_->editCell(at, int(SightColumn::body));
}

void SightWindow::addBody(const QString& body)
{
    sightlog::SightCells cells = document_->newRow(toolkit::services().clock());
    cells[size_t(SightColumn::body)] = body.toStdString();
    cells[size_t(SightColumn::utc)] = sightlog::timeCell(
        document_->book(), document_->worked().dr,
        sky_->time().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toStdString());
    const int at = model_->rowCount();
    document_->insertSight(at, cells, tr("Add %1").arg(body));
    table_->setCurrentIndex(model_->index(at, int(SightColumn::hs)));
    table_->setFocus();
}

void SightWindow::duplicateRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    document_->insertSight(row + 1, document_->book().rows[size_t(row)], tr("Duplicate row"));
    table_->setCurrentIndex(model_->index(row + 1, table_->currentIndex().column()));
}

void SightWindow::deleteRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int column = table_->currentIndex().column();
    document_->removeSight(row);
    const int rows = model_->rowCount();
    if (rows > 0)
        table_->setCurrentIndex(model_->index(std::min(row, rows - 1), column));
}

void SightWindow::identifyRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    // The row read as if it were of some star, to find its instant, DR,
    // altitude and conditions; the body is what is asked.
    const sightlog::DrRead& dr = document_->worked().dr;
    sightlog::SightCells cells = sightlog::fileCells(document_->book(), size_t(row), dr);
    cells[size_t(SightColumn::body)] = "Sirius";
    cells[size_t(SightColumn::limb)].clear();
    const auto clock = sightlog::rowClock(document_->book(), size_t(row), dr);
    const sightlog::SightRead read = sightlog::readSight(cells, {}, clock ? &*clock : nullptr);
    if (!read.sight) {
        const bool watch = clock && read.column == SightColumn::utc;
        tell(tr("This sight cannot be identified until its %1 is right: %2")
                 .arg(QLatin1String(watch ? sightlog::watchColumnName : sightlog::sightColumnNames[size_t(read.column)]),
                      text(read.why)));
        return;
    }
    if (const auto body = identifyBody(this, *read.sight))
        document_->setCell(row, int(SightColumn::body), *body);
}

// ---- what the log gives --------------------------------------------------

QString SightWindow::resultText() const
{
    return results_->text();
}

void SightWindow::changed()
{
    const sightlog::Logbook& book = document_->book();
    const sightlog::Worked& w = document_->worked();
    dr_->showDr(book.dr, w.dr);
    results_->setText(richText(resultLines(book, w)));
    // Carried: the log holds a current; it may be carried once a fix gives one.
    const std::optional<sightlog::SetDrift> sd = sightlog::setAndDrift(w);
    actCarryCurrent->setChecked(!book.dr.current.empty());
    actCarryCurrent->setEnabled(!book.dr.current.empty() || (sd && sd->found.ok() && !sd->from.empty()));
    sheet_->setContent(sheetOf(book, w));
    // The sky is worked out again only when the DR moves. It starts at the
    // DR's time, when the almanac takes it (in UTC, with its Z); the user
    // may move it from there.
    const sightlog::DrRead& dr = w.dr;
    const QDateTime drTime =
        dr.given && dr.at.ok() ? QDateTime::fromString(text(book.dr.time), Qt::ISODate) : QDateTime();
    if (dr.ok() && (dr.dr.lat != skyLat_ || dr.dr.lon != skyLon_ || drTime != skyTime_)) {
        skyLat_ = dr.dr.lat;
        skyLon_ = dr.dr.lon;
        sky_->setPlace(dr.dr.lat, dr.dr.lon, drTime);
    }
    if (drTime.isValid() && drTime != skyTime_) {
        skyTime_ = drTime;
        sky_->setTime(drTime.toUTC());
    }
    sendNewFix();
    // Automatic palettes follow the Sun at the DR.
    toolkit::Palettes::instance().follow();
}

void SightWindow::showTitle()
{
    sightwin::showTitle(*this, tr("Morvel (Sight Reduction)"), document_->fileName(), document_->modified());
}

// ---- files ---------------------------------------------------------------

QString SightWindow::fileName() const
{
    return document_->fileName();
}

bool SightWindow::modified() const
{
    return document_->modified();
}

QString SightWindow::recoveryPath()
{
    return SightDocument::recoveryPath();
}

void SightWindow::offerRecovery()
{
    sightwin::offerKept(
        SightDocument::recoveryKept(), ask, tr("Sights from a run that did not end cleanly were kept. Restore them?"),
        [this] { return document_->restoreRecovery().message; }, [] { SightDocument::discardRecovery(); });
}

bool SightWindow::open(const QString& path)
{
    const SightDocument::Outcome o = document_->open(path);
    tell(o.message);
    // Another log: the sheet fitted to it, wherever the last one was.
    if (o.ok)
        sheet_->fitView();
    return o.ok;
}

bool SightWindow::saveTo(const QString& path)
{
    const SightDocument::Outcome o = document_->saveTo(path);
    tell(o.message);
    return o.ok;
}

bool SightWindow::save()
{
    return fileName().isEmpty() ? saveAs() : saveTo(fileName());
}

bool SightWindow::saveAs()
{
    const QString path = fileToSave(this, chooseSave, tr("Save the sights"), fileName(),
                                    tr("Sight logs (*.csv);;All files (*)"));
    return !path.isEmpty() && saveTo(path);
}

void SightWindow::newLog()
{
    if (settle())
        document_->newLog();
}

void SightWindow::openChosen()
{
    if (!settle())
        return;
    const QString path = chooseOpen ? chooseOpen(tr("Open sights"))
                                    : QFileDialog::getOpenFileName(this, tr("Open sights"), QFileInfo(fileName()).path(),
                                                                   tr("Sight logs (*.csv);;All files (*)"));
    if (!path.isEmpty())
        open(path);
}

bool SightWindow::settle()
{
    return settled(modified(), ask, tr("The sights have changes that are not saved. Save them?"), [this] { return save(); });
}

void SightWindow::fillRecent()
{
    recent_->clear();
    const QStringList recent = SightDocument::recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* a = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(a, &QAction::triggered, this, [this, path] {
            if (settle())
                open(path);
        });
    }
    recent_->setEnabled(!recent.isEmpty());
}

void SightWindow::closeEvent(QCloseEvent* event)
{
    if (!settle()) {
        event->ignore();
        return;
    }
    document_->closedCleanly();
    event->accept();
    emit closed();
}

// ---- the printed page ----------------------------------------------------

void SightWindow::nameVessel()
{
    if (const auto named = askVesselAndNavigator(this, document_->vessel(), document_->navigator()))
        document_->setVesselAndNavigator(named->first, named->second);
}

void SightWindow::print()
{
    if (toolkit::PrintService* printer = toolkit::services().printer)
        printer->printPage(fileName().isEmpty() ? tr("Morvel sights")
                                                : tr("Morvel sights %1").arg(QFileInfo(fileName()).completeBaseName()),
                           [this](QPagedPaintDevice& d) { return drawPage(d); });
}

bool SightWindow::drawPage(QPagedPaintDevice& device) const
{
    const toolkit::PrintingByDay day;
    return drawSightPage(device, document_->book(), document_->worked(), sheet_->content(),
                         {document_->vessel(), document_->navigator(), fileName(), toolkit::services().clock()});
}

}  // namespace morvel::sightwin
