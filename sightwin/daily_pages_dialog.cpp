#include "sightwin/daily_pages_dialog.h"

#include "almanacpage/daily_page_print.h"
#include "toolkit/palette.h"
#include "toolkit/services.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvel::sightwin {

namespace {

// An A4 page within margins of 12 mm, in tenths of a point.
constexpr double tenth = 10;
const QSizeF area((595.0 - 2 * 34.0) * tenth, (842.0 - 2 * 34.0) * tenth);

}  // namespace

DailyPreview::DailyPreview(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(560, 420);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DailyPreview::setPage(almanac::DailyPage page)
{
    page_ = std::move(page);
    update();
}

void DailyPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Mid));
    if (!page_.ok() || page_.hours.empty()) {
        p.drawText(rect(), Qt::AlignCenter, QString::fromStdString(page_.error));
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Two sheets side by side, a gap between and around them.
    const double gap = 8;
    const double sheetW = 595 * tenth, sheetH = 842 * tenth;
    const double scale = std::min((width() - 3 * gap) / (2 * sheetW), (height() - 2 * gap) / sheetH);
    const double points = almanacpage::fittingPoints(page_, area.width(), tenth, this);
    for (int side = 0; side < 2; ++side) {
        p.save();
        p.translate(gap + side * (sheetW * scale + gap), gap);
        p.scale(scale, scale);
        // The sheet as the palette shows paper: black on white by day,
        // red on black at night.
        p.fillRect(QRectF(0, 0, sheetW, sheetH), toolkit::ink(Qt::white));
        p.setPen(toolkit::ink(Qt::black));
        p.translate(34 * tenth, 34 * tenth);
        almanacpage::paintSide(p, area, tenth, page_, side, points);
        p.restore();
    }
}

DailyPagesDialog::DailyPagesDialog(QDate date, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Daily Pages"));
    date_ = new QDateEdit(date, this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date_->setDateRange(QDate(1900, 1, 2), QDate(2100, 12, 30));
    date_->setCalendarPopup(true);
    auto* dateLabel = new QLabel(tr("&Date (UT):"), this);
    dateLabel->setBuddy(date_);
    preview_ = new DailyPreview(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    print_ = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    print_->setObjectName(QStringLiteral("print"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(print_, &QPushButton::clicked, this, &DailyPagesDialog::printPages);
    connect(date_, &QDateEdit::dateChanged, this, &DailyPagesDialog::showDate);

    auto* top = new QHBoxLayout;
    top->addWidget(dateLabel);
    top->addWidget(date_);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(preview_, 1);
    layout->addWidget(buttons);
    resize(980, 720);
    showDate();
}

void DailyPagesDialog::showDate()
{
    const QDate d = date_->date();
    preview_->setPage(almanac::dailyPage({d.year(), d.month(), d.day()}));
}

void DailyPagesDialog::printPages()
{
    toolkit::PrintService* printer = toolkit::services().printer;
    if (!printer || !preview_->page().ok())
        return;
    const almanac::DailyPage page = preview_->page();
    printer->printPage(tr("Morvel daily page %1").arg(date_->date().toString(Qt::ISODate)),
                       [page](QPagedPaintDevice& device) {
                           return almanacpage::drawDailyPages(device, 1, [&](int) { return page; });
                       });
}

}  // namespace morvel::sightwin
