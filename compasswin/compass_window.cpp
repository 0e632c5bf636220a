#include "compasswin/compass_window.h"

#include "almanac/bodies.h"
#include "compasswin/book_model.h"
#include "compasswin/card_panel.h"
#include "compasswin/compass_document.h"
#include "compasswin/compass_page.h"
#include "sightwin/dr_box.h"
#include "sightwin/log_delegate.h"
#include "sightwin/log_table.h"
#include "sightwin/texts.h"
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
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace morvel::compasswin {

using compass::BookColumn;
using sightwin::tell;
using sightwin::text;

namespace {

const char* const filter =
    QT_TRANSLATE_NOOP("morvel::compasswin::CompassWindow", "Azimuth books (*.csv);;All files (*)");

/// Where Enter in a cell goes: to the first cell the row still lacks, or
/// on (-1) from a row that reads.
int nextInBook(const BookModel& model, int row, int)
{
    const compass::RowResult& r = model.worked().rows[size_t(row)];
    return r.status == compass::RowStatus::incomplete ? int(r.column) : -1;
}

}  // namespace

CompassWindow::CompassWindow(QWidget* parent)
    : QMainWindow(parent), document_(new CompassDocument(this)), model_(new BookModel(*document_, this))
{
    setObjectName(QStringLiteral("compassf"));
    ask = [this](const QString& question, bool cancel) { return sightwin::askIn(this, question, cancel); };

    dr_ = new sightwin::DrBox(nullptr, false);
    connect(dr_, &sightwin::DrBox::edited, this, [this] { document_->setDr(dr_->track()); });
    dr_->fromGps().hide();  // the book takes its DR as typed
    dr_->legs().hide();     // on one course and speed

    auto* delegate = new sightwin::LogDelegate(int(BookColumn::body),
                                               {{int(BookColumn::compass), {QStringLiteral("magnetic"), QStringLiteral("gyro")}}});
    table_ = new sightwin::LogTable(
        *model_,
        {QStringLiteral("2026-12-07T19:33:00Z"), QStringLiteral("Kaus Australis"), QStringLiteral("000°00.0'"),
         QStringLiteral("magnetic"), QStringLiteral("000°00.0'"), QStringLiteral("auto (00.0° W)"),
         QStringLiteral("000°00.0'"), QStringLiteral("00.0° high"), QStringLiteral("00.0° W")},
        [this](int row, int column) { return nextInBook(*model_, row, column); }, delegate);
    connect(table_, &sightwin::LogTable::rowWanted, this, &CompassWindow::addRow);

    problems_ = new QLabel;
    problems_->setWordWrap(true);
    problems_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problems_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    problems_->setFrameShape(QFrame::StyledPanel);
    problems_->setMargin(6);

    auto* book = new QWidget;
    auto* bookLayout = new QVBoxLayout(book);
    bookLayout->addWidget(table_, 4);
    bookLayout->addWidget(problems_, 1);
    card_ = new CardPanel;
    tabs_ = new QTabWidget;
    tabs_->addTab(book, tr("&Azimuth book"));
    tabs_->addTab(card_, tr("Deviation ca&rd"));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(dr_);
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    buildMenus();
    describeFields();
    setTabOrder(&dr_->speed(), table_);

    connect(document_, &CompassDocument::changed, this, &CompassWindow::changed);
    connect(document_, &CompassDocument::fileChanged, this, &CompassWindow::showTitle);
    connect(document_, &CompassDocument::recoveryRefused, this, &sightwin::tell);
    changed();
    showTitle();
    sightwin::fitToScreen(*this, QSize(1100, 640));
}

CompassWindow::~CompassWindow()
{
    disconnect(document_, nullptr, this, nullptr);
}

QTableView& CompassWindow::table() { return *table_; }
QLineEdit& CompassWindow::drPosition() { return dr_->position(); }
QLineEdit& CompassWindow::drTime() { return dr_->time(); }

void CompassWindow::buildMenus()
{
    auto action = [this](const QString& text, const QKeySequence& key, auto slot) {
        return sightwin::menuAction(this, text, key, slot);
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    actNew = action(tr("&New"), QKeySequence::New, [this] {
        if (settle())
            document_->newBook();
    });
    actOpen = action(tr("&Open..."), QKeySequence::Open, &CompassWindow::openChosen);
    actSave = action(tr("&Save"), QKeySequence::Save, &CompassWindow::save);
    actSaveAs = action(tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &CompassWindow::saveAs);
    actPrint = action(tr("&Print..."), QKeySequence::Print, &CompassWindow::print);
    actClose = action(tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W), &CompassWindow::close);
    for (QAction* a : {actNew, actOpen, actSave, actSaveAs})
        file->addAction(a);
    file->addSeparator();
    file->addAction(actPrint);
    file->addSeparator();
    file->addAction(actClose);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    std::tie(actUndo, actRedo) = sightwin::undoActions(document_->undoStack(), this);
    actAdd = action(tr("&Add Row"), QKeySequence(Qt::CTRL | Qt::Key_Return), &CompassWindow::addRow);
    actDelete = action(tr("&Delete Row"), QKeySequence(Qt::CTRL | Qt::Key_Delete), &CompassWindow::deleteRow);
    for (QAction* a : {actUndo, actRedo, actAdd, actDelete})
        edit->addAction(a);
    actHelp = sightwin::addViewAndHelpMenus(*this, tr("Compass Error &Help"));
}

void CompassWindow::describeFields()
{
    // The DR's fields say what they take themselves (DrBox); the book's
    // columns in their headings' tooltips.
    table_->setAccessibleName(tr("Azimuth book"));
    table_->setWhatsThis(tr("The azimuth book, one bearing of a body a row: its time in UTC, the body, the bearing "
                            "and the compass it was taken by, the ship's head and the variation. Each column's "
                            "heading says what it takes. Enter adds a row, and in a cell keeps what was typed and "
                            "moves on; F2 edits a cell; Escape leaves it as it was. A complete row shows the true "
                            "azimuth, the compass error and the deviation; a row that cannot be read is tinted, its "
                            "tooltip saying why."));
    problems_->setAccessibleName(tr("Rows that cannot be read"));
    problems_->setWhatsThis(tr("Each row of the book that cannot be read, with its column and why, and what is "
                               "doubtful about the others."));
    card_->setAccessibleName(tr("Deviation card"));
    card_->setWhatsThis(tr("The deviation card fitted to the magnetic rows that give a ship's head and a "
                           "variation: the coefficients A to E, the deviation every 15 degrees of compass heading, "
                           "each observation with its residual, and the curve with the observations as dots."));
}

void CompassWindow::addRow()
{
    const int at = model_->rowCount();
    document_->insertRow(at, document_->newRow(), tr("Add row"));
    tabs_->setCurrentIndex(0);
    table_->editCell(at, int(BookColumn::body));
}

void CompassWindow::deleteRow()
{
    const QModelIndex at = table_->currentIndex();
    if (!at.isValid())
        return;
    document_->removeRow(at.row());
    if (const int rows = model_->rowCount(); rows > 0)
        table_->setCurrentIndex(model_->index(std::min(at.row(), rows - 1), at.column()));
}

QString CompassWindow::problemText() const
{
    return problems_->text();
}

void CompassWindow::changed()
{
    const compass::Book& book = document_->book();
    const compass::Worked& w = document_->worked();
    dr_->showDr(book.dr, w.dr);
    // Each row that cannot be read, with its cell and why; the model's
    // warnings.
    QStringList lines;
    for (size_t i = 0; i < w.rows.size(); ++i) {
        const compass::RowResult& r = w.rows[i];
        const QString body = text(book.rows[i][size_t(BookColumn::body)]);
        const QString row = body.isEmpty() ? tr("Row %1").arg(i + 1) : tr("Row %1 (%2)").arg(i + 1).arg(body);
        if (r.status == compass::RowStatus::bad)
            lines << tr("%1, %2: %3").arg(row, QLatin1String(compass::bookColumnNames[size_t(r.column)]), text(r.why));
        else if (!r.warning.empty())
            lines << tr("%1: %2").arg(row, text(r.warning));
    }
    if (w.dr.given && !w.dr.ok())
        lines.prepend(tr("DR, %1: %2").arg(sightwin::drFieldName(w.dr.field), text(w.dr.error)));
    problems_->setText(lines.isEmpty() ? tr("Each complete row gives its true azimuth, error and deviation.")
                                       : lines.join(u'\n'));
    card_->showCard(w);
}

void CompassWindow::showTitle()
{
    sightwin::showTitle(*this, tr("Morvel (Compass Error)"), document_->fileName(), document_->modified());
}

// ---- files -----------------------------------------------------------------

void CompassWindow::offerRecovery()
{
    sightwin::offerKept(
        CompassDocument::recoveryKept(), ask, tr("Bearings from a run that did not end cleanly were kept. Restore them?"),
        [this] { return document_->restoreRecovery().message; }, [] { CompassDocument::discardRecovery(); });
}

bool CompassWindow::open(const QString& path)
{
    const CompassDocument::Outcome o = document_->open(path);
    tell(o.message);
    return o.ok;
}

bool CompassWindow::saveTo(const QString& path)
{
    const CompassDocument::Outcome o = document_->saveTo(path);
    tell(o.message);
    return o.ok;
}

void CompassWindow::openChosen()
{
    if (!settle())
        return;
    const QString path = chooseOpen ? chooseOpen(tr("Open an azimuth book"))
                                    : QFileDialog::getOpenFileName(this, tr("Open an azimuth book"),
                                                                   QFileInfo(document_->fileName()).path(), tr(filter));
    if (!path.isEmpty())
        open(path);
}

bool CompassWindow::save()
{
    return document_->fileName().isEmpty() ? saveAs() : saveTo(document_->fileName());
}

bool CompassWindow::saveAs()
{
    const QString path =
        sightwin::fileToSave(this, chooseSave, tr("Save the azimuth book"), document_->fileName(), tr(filter));
    return !path.isEmpty() && saveTo(path);
}

bool CompassWindow::settle()
{
    return sightwin::settled(document_->modified(), ask, tr("The bearings have changes that are not saved. Save them?"),
                             [this] { return save(); });
}

void CompassWindow::closeEvent(QCloseEvent* event)
{
    if (!settle()) {
        event->ignore();
        return;
    }
    CompassDocument::discardRecovery();
    event->accept();
    emit closed();
}

// ---- the printed pages -----------------------------------------------------

void CompassWindow::print()
{
    const QString name = document_->fileName();
    if (toolkit::PrintService* printer = toolkit::services().printer)
        printer->printPage(name.isEmpty() ? tr("Morvel azimuth book")
                                          : tr("Morvel azimuth book %1").arg(QFileInfo(name).completeBaseName()),
                           [this](QPagedPaintDevice& d) { return drawPages(d); });
}

bool CompassWindow::drawPages(QPagedPaintDevice& device) const
{
    const toolkit::PrintingByDay day;
    return drawCompassPages(device, document_->book(), document_->worked(),
                            {document_->fileName(), toolkit::services().clock()});
}

}  // namespace morvel::compasswin
