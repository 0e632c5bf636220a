#include "sightwin/sight_window.h"

#include "almanac/bodies.h"
#include "navtext/navtext.h"
#include "engine/angles.h"
#include "sightwin/identify_dialog.h"
#include "sightwin/log_model.h"
#include "sightwin/plotting_sheet.h"
#include "sightwin/sky_panel.h"
#include "sightwin/texts.h"
#include "toolkit/services.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSaveFile>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <fstream>
#include <sstream>

namespace morvel::sightwin {

namespace {

using sightlog::SightColumn;
using math::degree;

/// The body and the limb are chosen from lists; the body's may be typed.
class LogDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() == int(SightColumn::body)) {
            auto* box = new QComboBox(parent);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            for (const almanac::Body& b : almanac::bodies())
                if (b.kind != almanac::BodyKind::aries)
                    box->addItem(QString::fromUtf8(b.name.data(), qsizetype(b.name.size())));
            return box;
        }
        if (index.column() == int(SightColumn::limb)) {
            auto* box = new QComboBox(parent);
            box->addItems({QString(), QStringLiteral("lower"), QStringLiteral("upper"), QStringLiteral("center")});
            return box;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
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
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, box->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

QSettings settings()
{
    return QSettings(QStringLiteral("Morvel"), QStringLiteral("Morvel"));
}

const QString recoveryTag = QStringLiteral("# recovery of: ");

QString nowText()
{
    return toolkit::services().clock().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

}  // namespace

SightWindow::SightWindow(QWidget* parent) : QMainWindow(parent), model_(new LogModel(this))
{
    setObjectName(QStringLiteral("sightf"));
    ask = [this](const QString& question, bool cancel) {
        const auto buttons = QMessageBox::Yes | QMessageBox::No | (cancel ? QMessageBox::Cancel : QMessageBox::NoButton);
        const auto b = QMessageBox::question(this, toolkit::programTitle, question, buttons);
        return b == QMessageBox::Yes ? Answer::yes : b == QMessageBox::No ? Answer::no : Answer::cancel;
    };
    setWindowTitle(tr("Morvel (Sight Reduction)[*]"));

    auto* drBox = new QGroupBox(tr("Dead reckoning"));
    auto* drLayout = new QHBoxLayout(drBox);
    auto field = [&](const QString& caption, const QString& hint, int chars) {
        auto* edit = new QLineEdit;
        edit->setPlaceholderText(hint);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars);
        auto* label = new QLabel(caption);
        label->setBuddy(edit);
        drLayout->addWidget(label);
        drLayout->addWidget(edit, chars);
        connect(edit, &QLineEdit::editingFinished, this, &SightWindow::drEdited);
        return edit;
    };
    drPosition_ = field(tr("&Position"), QStringLiteral("41 10.0N 66 30.0W"), 18);
    drTime_ = field(tr("&Time (UTC)"), QStringLiteral("2026-12-07T17:00:00Z"), 20);
    drCourse_ = field(tr("&Course"), QStringLiteral("090"), 5);
    drSpeed_ = field(tr("Spee&d (kn)"), QStringLiteral("12"), 4);

    table_ = new QTableView;
    table_->setModel(model_);
    table_->setItemDelegate(new LogDelegate(table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setTabKeyNavigation(false);
    table_->installEventFilter(this);
    table_->setWhatsThis(tr("One sight a row. Enter adds a row; F2 edits a cell."));

    results_ = new QLabel;
    results_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    results_->setWordWrap(true);
    results_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    results_->setFrameShape(QFrame::StyledPanel);
    results_->setMargin(6);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(drBox);
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
    setCentralWidget(split);

    buildMenus();
    setTabOrder(drPosition_, drTime_);
    setTabOrder(drTime_, drCourse_);
    setTabOrder(drCourse_, drSpeed_);
    setTabOrder(drSpeed_, table_);
    setTabOrder(table_, tabs_);

    connect(model_, &LogModel::changed, this, &SightWindow::changed);
    connect(&model_->undoStack(), &QUndoStack::cleanChanged, this, [this] { setWindowModified(modified()); });

    // The last DR a navigator gave is where the next day starts.
    QSettings s = settings();
    sightlog::DrTrack dr;
    dr.position = s.value(QStringLiteral("sight/drPosition")).toString().toStdString();
    dr.course = s.value(QStringLiteral("sight/drCourse")).toString().toStdString();
    dr.speed = s.value(QStringLiteral("sight/drSpeed")).toString().toStdString();
    restoring_ = true;
    model_->reset(sightlog::Logbook{dr, {}});
    restoring_ = false;
    showDr();
    fillRecent();
    resize(1200, 720);
}

SightWindow::~SightWindow()
{
    // The log goes with the window's children, after the window has stopped
    // being one: nothing it signals then may reach the window.
    disconnect(model_, nullptr, this, nullptr);
    disconnect(&model_->undoStack(), nullptr, this, nullptr);
}

void SightWindow::buildMenus()
{
    auto action = [this](const QString& text, QKeySequence key, auto slot) {
        auto* a = new QAction(text, this);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    actOpen = action(tr("&Open..."), QKeySequence::Open, &SightWindow::openChosen);
    actSave = action(tr("&Save"), QKeySequence::Save, &SightWindow::save);
    actSaveAs = action(tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &SightWindow::saveAs);
    actPrint = action(tr("&Print..."), QKeySequence::Print, &SightWindow::print);
    actClose = action(tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W), &SightWindow::close);
    file->addAction(actOpen);
    recent_ = file->addMenu(tr("Open &Recent"));
    file->addAction(actSave);
    file->addAction(actSaveAs);
    file->addSeparator();
    file->addAction(actPrint);
    file->addSeparator();
    file->addAction(actClose);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    actUndo = model_->undoStack().createUndoAction(this, tr("&Undo"));
    actUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actRedo = model_->undoStack().createRedoAction(this, tr("&Redo"));
    actRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(actUndo);
    edit->addAction(actRedo);
    edit->addSeparator();
    actAdd = action(tr("&Add Row"), QKeySequence(Qt::CTRL | Qt::Key_Return), &SightWindow::addRow);
    actDuplicate = action(tr("D&uplicate Row"), QKeySequence(Qt::CTRL | Qt::Key_D), &SightWindow::duplicateRow);
    actDelete = action(tr("&Delete Row"), QKeySequence(Qt::CTRL | Qt::Key_Delete), &SightWindow::deleteRow);
    actIdentify = action(tr("&Identify Body..."), QKeySequence(Qt::CTRL | Qt::Key_I), &SightWindow::identifyRow);
    for (QAction* a : {actAdd, actDuplicate, actDelete, actIdentify})
        edit->addAction(a);
}

// ---- rows ----------------------------------------------------------------

int SightWindow::currentRow() const
{
    const QModelIndex at = table_->currentIndex();
    return at.isValid() ? at.row() : -1;
}

sightlog::SightCells SightWindow::newRow() const
{
    sightlog::SightCells cells;
    const auto& rows = model_->book().rows;
    if (!rows.empty()) {
        // The conditions and the time carry on from the row before.
        const sightlog::SightCells& last = rows.back();
        for (SightColumn c : {SightColumn::utc, SightColumn::ic, SightColumn::eye, SightColumn::temp,
                              SightColumn::pressure})
            cells[size_t(c)] = last[size_t(c)];
        return cells;
    }
    const std::string drTime = model_->book().dr.time;
    cells[size_t(SightColumn::utc)] = drTime.empty() ? nowText().toStdString() : drTime;
    QSettings s = settings();
    cells[size_t(SightColumn::eye)] = s.value(QStringLiteral("sight/eye")).toString().toStdString();
    cells[size_t(SightColumn::ic)] = s.value(QStringLiteral("sight/ic")).toString().toStdString();
    return cells;
}

void SightWindow::addRow()
{
    const int at = int(model_->book().rows.size());
    model_->insertSight(at, newRow());
    table_->setCurrentIndex(model_->index(at, int(SightColumn::body)));
    table_->setFocus();
}

void SightWindow::addBody(const QString& body)
{
    sightlog::SightCells cells = newRow();
    cells[size_t(SightColumn::body)] = body.toStdString();
    cells[size_t(SightColumn::utc)] = sky_->time().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toStdString();
    const int at = int(model_->book().rows.size());
    model_->insertSight(at, cells, tr("Add %1").arg(body));
    table_->setCurrentIndex(model_->index(at, int(SightColumn::hs)));
    table_->setFocus();
}

void SightWindow::duplicateRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    model_->insertSight(row + 1, model_->book().rows[size_t(row)], tr("Duplicate row"));
    table_->setCurrentIndex(model_->index(row + 1, table_->currentIndex().column()));
}

void SightWindow::deleteRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int column = table_->currentIndex().column();
    model_->removeSight(row);
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
    sightlog::SightCells cells = sightlog::fileCells(model_->book(), size_t(row), model_->worked().dr);
    cells[size_t(SightColumn::body)] = "Sirius";
    cells[size_t(SightColumn::limb)].clear();
    const sightlog::SightRead read = sightlog::readSight(cells);
    if (!read.sight) {
        if (toolkit::services().messages)
            toolkit::services().messages->show(tr("This sight cannot be identified until its %1 is right: %2")
                                                   .arg(QLatin1String(sightlog::sightColumnNames[size_t(read.column)]),
                                                        text(read.why)));
        return;
    }
    if (const auto body = identifyBody(this, *read.sight))
        model_->setCell(row, int(SightColumn::body), *body);
}

bool SightWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Keys reach the table itself only when no cell is being edited.
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            addRow();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier && table_->currentIndex().isValid()) {
            model_->setCell(table_->currentIndex().row(), table_->currentIndex().column(), QString());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- the DR --------------------------------------------------------------

void SightWindow::showDr()
{
    const sightlog::DrTrack& dr = model_->book().dr;
    drPosition_->setText(text(dr.position));
    drTime_->setText(text(dr.time));
    drCourse_->setText(text(dr.course));
    drSpeed_->setText(text(dr.speed));
}

void SightWindow::drEdited()
{
    sightlog::DrTrack dr;
    dr.position = drPosition_->text().trimmed().toStdString();
    dr.time = drTime_->text().trimmed().toStdString();
    dr.course = drCourse_->text().trimmed().toStdString();
    dr.speed = drSpeed_->text().trimmed().toStdString();
    model_->setDr(dr);
}

// ---- what the log gives --------------------------------------------------

bool SightWindow::modified() const
{
    return !model_->undoStack().isClean();
}

void SightWindow::changed()
{
    if (restoring_)
        return;
    showDr();
    showResults();
    keepRecovery();
    rememberSettings();
    // The file in the title, and a mark while it has changes not saved.
    setWindowTitle(tr("Morvel (Sight Reduction)") +
                   (file_.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + QFileInfo(file_).fileName()) +
                   QStringLiteral("[*]"));
    setWindowModified(modified());
}

QString SightWindow::resultText() const
{
    return results_->text();
}

void SightWindow::showResults()
{
    const sightlog::Worked& w = model_->worked();
    QStringList lines;
    const sightlog::DrRead& dr = w.dr;
    if (dr.given && !dr.error.empty()) {
        lines << tr("DR %1: %2").arg(text(dr.field), text(dr.error));
        for (QLineEdit* e : {drPosition_, drTime_, drCourse_, drSpeed_})
            e->setStyleSheet(QString());
        QLineEdit* bad = dr.field == "position" ? drPosition_
                         : dr.field == "time"   ? drTime_
                         : dr.field == "course" ? drCourse_
                                                : drSpeed_;
        bad->setStyleSheet(QStringLiteral("background: #ffb0b0"));
        bad->setToolTip(text(dr.error));
    } else {
        for (QLineEdit* e : {drPosition_, drTime_, drCourse_, drSpeed_}) {
            e->setStyleSheet(QString());
            e->setToolTip(QString());
        }
    }
    int bad = 0;
    for (const sightlog::RowResult& r : w.rows)
        bad += r.status == sightlog::RowStatus::bad;
    if (bad)
        lines << tr("%n row(s) cannot be read and are left out (their tooltips say why).", nullptr, bad);

    const sight::Fix& fix = w.fix;
    std::vector<QString> times;
    for (const sight::Sight& s : w.sights) {
        const std::string t = model_->book().rows[w.rowOf[size_t(&s - w.sights.data())]][size_t(SightColumn::utc)];
        times.push_back(text(t.size() >= 16 ? t.substr(11, 5) : t));
    }
    if (fix.found()) {
        const std::string time = model_->book().rows[w.rowOf[fix.last]][size_t(SightColumn::utc)];
        lines << tr("<b>Fix %1 %2</b> at %3").arg(text(navtext::navLatitudeText(fix.lat, false)),
                                                  text(navtext::navLongitudeText(fix.lon, false)), text(time));
        lines << tr("From the DR: %1 nm, %2")
                     .arg(text(navtext::nmText(fix.distance)), text(navtext::navCircleText(fix.bearing, false)));
        if (fix.ellipse)
            // The axis to a degree, as morvel-solve gives it: no finer than
            // the ellipse itself.
            lines << tr("95 % ellipse: semi-axes %1 and %2 nm, major axis %3°")
                         .arg(text(navtext::nmText(fix.ellipse->major)), text(navtext::nmText(fix.ellipse->minor)))
                         .arg(std::lround(fix.ellipse->orientation / degree) % 180, 3, 10, QLatin1Char('0'));
        if (fix.weak)
            lines << tr("<b>Weak fix:</b> no two lines cut at 15° or more (widest cut %1°)")
                         .arg(std::lround(fix.cut / degree));
    } else if (w.sights.size() < 2) {
        lines << tr("Two sights or more give a fix.");
    } else {
        lines << tr("<b>No fix:</b> %1").arg(text(fix.why));
    }
    results_->setText(lines.join(QStringLiteral("<br>")));

    SheetContent content = sheetOf(w.sights, fix, times);
    if (!content.hasDr() && dr.ok()) {
        content.drLat = dr.dr.lat;
        content.drLon = dr.dr.lon;
    }
    sheet_->setContent(content);
    // The sky is worked out again only when the DR moves.
    if (dr.ok() && (dr.dr.lat != skyLat_ || dr.dr.lon != skyLon_)) {
        skyLat_ = dr.dr.lat;
        skyLon_ = dr.dr.lon;
        sky_->setPlace(dr.dr.lat, dr.dr.lon);
    }
    // The sky starts at the DR's time; the user may move it from there.
    const QDateTime drTime = QDateTime::fromString(text(model_->book().dr.time), Qt::ISODate);
    if (drTime.isValid() && drTime != skyTime_) {
        skyTime_ = drTime;
        sky_->setTime(drTime.toUTC());
    }
}

// ---- files ---------------------------------------------------------------

QString SightWindow::recoveryPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("sight-recovery.csv"));
}

void SightWindow::keepRecovery()
{
    if (!modified()) {
        QFile::remove(recoveryPath());
        return;
    }
    std::ostringstream out;
    out << recoveryTag.toStdString() << file_.toStdString() << '\n';
    sightlog::writeLogbook(out, model_->book());
    QDir().mkpath(QFileInfo(recoveryPath()).absolutePath());
    QSaveFile f(recoveryPath());
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QByteArray::fromStdString(out.str()));
        f.commit();
    }
}

void SightWindow::offerRecovery()
{
    QFile f(recoveryPath());
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = f.readAll();
    f.close();
    const Answer a = ask ? ask(tr("Sights from a run that did not end cleanly were kept. Restore them?"), false)
                         : Answer::no;
    if (a != Answer::yes) {
        QFile::remove(recoveryPath());
        return;
    }
    std::istringstream in(data.toStdString());
    const sightlog::LogbookFile read = sightlog::readLogbook(in);
    const QString first = QString::fromUtf8(data.left(data.indexOf('\n')));
    restoring_ = true;
    model_->reset(read.book);
    restoring_ = false;
    file_ = first.startsWith(recoveryTag) ? first.mid(recoveryTag.size()).trimmed() : QString();
    // Restored, not saved: the log stays modified until it is.
    model_->undoStack().resetClean();
    setWindowModified(true);
    changed();
}

bool SightWindow::open(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    if (!in) {
        if (toolkit::services().messages)
            toolkit::services().messages->show(tr("%1 could not be opened.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const sightlog::LogbookFile read = sightlog::readLogbook(in);
    if (read.badHeader) {
        if (toolkit::services().messages)
            toolkit::services().messages->show(
                tr("%1 is not a sight log: %2").arg(QDir::toNativeSeparators(path), text(read.errors.front().text())));
        return false;
    }
    restoring_ = true;
    model_->reset(read.book);
    restoring_ = false;
    file_ = path;
    changed();
    addRecent(path);
    if (!read.errors.empty() && toolkit::services().messages) {
        QStringList why;
        for (const sightlog::SightLogError& e : read.errors)
            why << text(e.text());
        toolkit::services().messages->show(tr("These lines could not be taken in:\n%1").arg(why.join(u'\n')));
    }
    return true;
}

bool SightWindow::saveTo(const QString& path)
{
    std::ostringstream out;
    sightlog::writeLogbook(out, model_->book());
    // Written whole or not at all.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray::fromStdString(out.str())) < 0 || !f.commit()) {
        if (toolkit::services().messages)
            toolkit::services().messages->show(
                tr("The sights could not be saved in %1: %2").arg(QDir::toNativeSeparators(path), f.errorString()));
        return false;
    }
    file_ = path;
    model_->undoStack().setClean();
    changed();
    QFile::remove(recoveryPath());
    addRecent(path);
    setWindowModified(false);
    return true;
}

bool SightWindow::save()
{
    return file_.isEmpty() ? saveAs() : saveTo(file_);
}

bool SightWindow::saveAs()
{
    const QString path = chooseSave ? chooseSave(tr("Save the sights"))
                                    : QFileDialog::getSaveFileName(this, tr("Save the sights"), file_,
                                                                   tr("Sight logs (*.csv);;All files (*)"));
    return !path.isEmpty() && saveTo(path);
}

void SightWindow::openChosen()
{
    if (!settle())
        return;
    const QString path = chooseOpen ? chooseOpen(tr("Open sights"))
                                    : QFileDialog::getOpenFileName(this, tr("Open sights"), QFileInfo(file_).path(),
                                                                   tr("Sight logs (*.csv);;All files (*)"));
    if (!path.isEmpty())
        open(path);
}

bool SightWindow::settle()
{
    if (!modified())
        return true;
    const Answer a = ask ? ask(tr("The sights have changes that are not saved. Save them?"), true) : Answer::cancel;
    if (a == Answer::cancel)
        return false;
    return a == Answer::no || save();
}

void SightWindow::addRecent(const QString& path)
{
    QSettings s = settings();
    QStringList recent = s.value(QStringLiteral("sight/recent")).toStringList();
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > 8)
        recent.removeLast();
    s.setValue(QStringLiteral("sight/recent"), recent);
    fillRecent();
}

void SightWindow::fillRecent()
{
    recent_->clear();
    const QStringList recent = settings().value(QStringLiteral("sight/recent")).toStringList();
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

void SightWindow::rememberSettings()
{
    QSettings s = settings();
    const sightlog::Logbook& book = model_->book();
    if (!book.dr.position.empty()) {
        s.setValue(QStringLiteral("sight/drPosition"), text(book.dr.position));
        s.setValue(QStringLiteral("sight/drCourse"), text(book.dr.course));
        s.setValue(QStringLiteral("sight/drSpeed"), text(book.dr.speed));
    }
    for (auto it = book.rows.rbegin(); it != book.rows.rend(); ++it) {
        const std::string& eye = (*it)[size_t(SightColumn::eye)];
        if (!eye.empty()) {
            s.setValue(QStringLiteral("sight/eye"), text(eye));
            s.setValue(QStringLiteral("sight/ic"), text((*it)[size_t(SightColumn::ic)]));
            break;
        }
    }
}

void SightWindow::closeEvent(QCloseEvent* event)
{
    if (!settle()) {
        event->ignore();
        return;
    }
    // Closed cleanly: nothing to recover.
    QFile::remove(recoveryPath());
    event->accept();
    emit closed();
}

// ---- the printed page ----------------------------------------------------

void SightWindow::print()
{
    if (toolkit::PrintService* printer = toolkit::services().printer)
        printer->printPage(windowTitle().remove(QStringLiteral("[*]")),
                           [this](QPagedPaintDevice& d) { return drawPage(d); });
}

bool SightWindow::drawPage(QPagedPaintDevice& device) const
{
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&device))
        return false;
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double pt = device.logicalDpiY() / 72.0;  // device pixels a point
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPixelSize(std::max(1, int(std::lround(7.5 * pt))));
    QFont bold = body;
    bold.setBold(true);
    QFont title = bold;
    title.setPixelSize(std::max(1, int(std::lround(14 * pt))));
    QPen pen(Qt::black);
    pen.setWidthF(0.5 * pt);
    p.setPen(pen);

    double y = 0;
    auto line = [&](const QFont& f, const QString& text, double x = 0) {
        p.setFont(f);
        const QFontMetricsF m(f);
        p.drawText(QPointF(x, y + m.ascent()), text);
        y += m.height() * 1.15;
    };
    const sightlog::Worked& w = model_->worked();
    const sightlog::Logbook& book = model_->book();
    line(title, tr("Sight reduction"));
    QString dr = tr("DR %1").arg(text(book.dr.position.empty() ? std::string("(each sight's own)") : book.dr.position));
    if (!book.dr.time.empty())
        dr += tr(" at %1").arg(text(book.dr.time));
    if (!book.dr.course.empty())
        dr += tr(", course %1, speed %2 kn").arg(text(book.dr.course), text(book.dr.speed));
    line(body, dr);
    line(body, tr("Printed %1 UTC%2")
                   .arg(toolkit::services().clock().toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                        file_.isEmpty() ? QString() : tr(", from %1").arg(QFileInfo(file_).fileName())));
    y += QFontMetricsF(body).height() * 0.5;

    // The log, one row a sight, with every correction.
    const QStringList heads = {tr("Time"), tr("Body"), tr("Hs"),  tr("IC"),  tr("Dip"), tr("Refr."),
                               tr("SD"),   tr("Par."), tr("Ho"),  tr("GHA"), tr("Dec"), tr("LHA"),
                               tr("Hc"),   tr("Zn"),   tr("Int."), tr("Res.")};
    const std::vector<double> widths = {1.1, 1.3, 1.0, 0.6, 0.6, 0.6, 0.6, 0.6, 1.0, 1.1, 1.3, 1.1, 1.0, 1.1, 0.8, 0.6};
    double total = 0;
    for (double x : widths)
        total += x;
    std::vector<double> xs;
    double x = 0;
    for (double wdt : widths) {
        xs.push_back(x);
        x += wdt / total * page.width();
    }
    auto row = [&](const QFont& f, const QStringList& cells) {
        p.setFont(f);
        const QFontMetricsF m(f);
        for (int i = 0; i < cells.size() && i < int(xs.size()); ++i)
            p.drawText(QPointF(xs[size_t(i)], y + m.ascent()), cells[i]);
        y += m.height() * 1.2;
    };
    row(bold, heads);
    p.drawLine(QPointF(0, y - 0.1 * QFontMetricsF(body).height()), QPointF(page.width(), y - 0.1 * QFontMetricsF(body).height()));
    for (size_t i = 0; i < book.rows.size(); ++i) {
        const sightlog::RowResult& r = w.rows[i];
        if (r.status == sightlog::RowStatus::empty)
            continue;
        const sightlog::SightCells& c = book.rows[i];
        const std::string& t = c[size_t(SightColumn::utc)];
        QStringList cells = {text(t.size() >= 19 ? t.substr(11, 8) : t), text(c[size_t(SightColumn::body)]),
                             text(c[size_t(SightColumn::hs)])};
        if (r.status == sightlog::RowStatus::reduced) {
            const sight::Corrections& k = r.reduction.corrections;
            const sight::Reduction& x2 = r.reduction;
            cells = {cells[0], cells[1] + (r.sight.limb == sight::Limb::lower   ? QStringLiteral(" LL")
                                           : r.sight.limb == sight::Limb::upper ? QStringLiteral(" UL")
                                                                                : QString()),
                     text(navtext::navAltitudeText(r.sight.hs, false)), text(navtext::minutesText(k.index, true)),
                     text(navtext::minutesText(k.dip, true)), text(navtext::minutesText(k.refraction, true)),
                     text(navtext::minutesText(k.semiDiameter, true)), text(navtext::minutesText(k.parallax, true)),
                     text(navtext::navAltitudeText(k.ho, false)), text(navtext::navCircleText(x2.place.gha, false)),
                     text(navtext::navLatitudeText(x2.place.dec, false)), text(navtext::navCircleText(x2.lha, false)),
                     text(navtext::navAltitudeText(x2.hc, false)), text(navtext::navCircleText(x2.zn, false)),
                     text(navtext::interceptText(x2.intercept)),
                     r.inFix && *r.inFix < w.fix.residuals.size() ? text(navtext::interceptText(w.fix.residuals[*r.inFix]))
                                                                   : QString()};
            row(body, cells);
        } else {
            cells << tr("left out: %1").arg(text(r.why));
            p.setFont(body);
            const QFontMetricsF m(body);
            p.drawText(QPointF(xs[0], y + m.ascent()), cells[0]);
            p.drawText(QPointF(xs[1], y + m.ascent()), cells[1]);
            p.drawText(QPointF(xs[2], y + m.ascent()), cells[2]);
            p.drawText(QRectF(xs[3], y, page.width() - xs[3], m.height()), Qt::TextSingleLine, cells[3]);
            y += m.height() * 1.2;
        }
    }
    y += QFontMetricsF(body).height() * 0.5;

    // The results, as the window shows them.
    QString plain = results_->text();
    plain.replace(QStringLiteral("<br>"), QStringLiteral("\n"));
    plain.remove(QStringLiteral("<b>"));
    plain.remove(QStringLiteral("</b>"));
    for (const QString& l : plain.split(u'\n'))
        line(l.startsWith(tr("Fix")) ? bold : body, l);
    y += QFontMetricsF(body).height() * 0.5;

    // The plotting sheet fills the rest of the page, square.
    const double side = std::min(page.width(), page.height() - y);
    if (side > page.width() / 4)
        PlottingSheet::paint(p, QRectF((page.width() - side) / 2, y, side, side), sheet_->content());
    return p.end();
}

}  // namespace morvel::sightwin
