#include "sightwin/sky_panel.h"

#include "navtext/navtext.h"
#include "sight/sky.h"
#include "sightwin/texts.h"

#include <QDateTimeEdit>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace morvel::sightwin {

namespace {

/// The UTC time of day of a twilight, "06:41:12", or a dash on a day
/// without it.
QString twilightText(const std::optional<sight::UtcTime>& t)
{
    if (!t)
        return QStringLiteral("—");
    // UtcTime::text() is "2026-12-07T06:41:12Z".
    return text(t->text()).mid(11, 8);
}

}  // namespace

SkyPanel::SkyPanel(QWidget* parent) : QWidget(parent)
{
    when_ = new QDateTimeEdit(this);
    when_->setTimeSpec(Qt::UTC);
    when_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"));
    when_->setDateTimeRange(QDateTime(QDate(1900, 1, 2), QTime(0, 0), Qt::UTC),
                            QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59), Qt::UTC));
    when_->setDateTime(QDateTime::currentDateTimeUtc());
    when_->setAccessibleName(QStringLiteral("Time of the sky, UTC"));

    table_ = new QTableWidget(0, 4, this);
    table_->setHorizontalHeaderLabels({QStringLiteral("Body"), QStringLiteral("Hc"), QStringLiteral("Zn"),
                                       QStringLiteral("Mag")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setAccessibleName(QStringLiteral("Bodies above the horizon"));
    table_->installEventFilter(this);

    message_ = new QLabel(this);
    message_->setWordWrap(true);

    auto* twilights = new QFormLayout;
    const char* names[4] = {"Nautical twilight, morning", "Civil twilight, morning", "Civil twilight, evening",
                            "Nautical twilight, evening"};
    for (int i = 0; i < 4; ++i) {
        twilight_[i] = new QLabel(QStringLiteral("—"), this);
        twilight_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        twilights->addRow(QString::fromLatin1(names[i]), twilight_[i]);
    }

    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("T&ime (UTC)"), when_);
    auto* v = new QVBoxLayout(this);
    v->addLayout(top);
    v->addWidget(table_, 1);
    v->addWidget(message_);
    v->addLayout(twilights);

    connect(when_, &QDateTimeEdit::dateTimeChanged, this, &SkyPanel::recompute);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { choose(row); });
    recompute();
}

void SkyPanel::setPlace(double lat, double lon)
{
    if (std::isfinite(lat) && std::isfinite(lon))
        place_ = std::pair(lat, lon);
    else
        place_.reset();
    recompute();
}

void SkyPanel::setTime(const QDateTime& utc)
{
    if (utc.isValid())
        when_->setDateTime(utc.toUTC());
}

QDateTime SkyPanel::time() const { return when_->dateTime().toUTC(); }

void SkyPanel::recompute()
{
    table_->setRowCount(0);
    for (QLabel* l : twilight_)
        l->setText(QStringLiteral("—"));
    if (!place_) {
        message_->setText(QStringLiteral("No DR: the sky needs a position."));
        return;
    }
    const QDateTime t = time();
    const QDate d = t.date();
    const QTime h = t.time();
    const sight::UtcTime utc{d.year(), d.month(), d.day(), h.msecsSinceStartOfDay() / 1000.0};
    const auto [lat, lon] = *place_;
    const sight::SkyView sky = sight::skyAt(utc.instant(), lat, lon);
    if (!sky.ok()) {
        message_->setText(text(sky.error));
        return;
    }
    table_->setRowCount(int(sky.bodies.size()));
    for (int i = 0; i < int(sky.bodies.size()); ++i) {
        const sight::Visible& b = sky.bodies[size_t(i)];
        table_->setItem(i, 0, readOnlyCell(text(std::string(b.body.name)), false));
        table_->setItem(i, 1, readOnlyCell(text(navtext::navAltitudeText(b.hc, false)), true));
        table_->setItem(i, 2, readOnlyCell(text(navtext::navCircleText(b.zn, false)), true));
        table_->setItem(i, 3, readOnlyCell(b.mag ? QString::number(*b.mag, 'f', 1) : QString(), true));
    }
    table_->resizeColumnsToContents();
    message_->setText(sky.bodies.empty() ? QStringLiteral("No body above the horizon.") : QString());

    const sight::Twilight tw = sight::twilightOf(utc, lat, lon);
    if (!tw.ok()) {
        message_->setText(text(tw.error));
        return;
    }
    twilight_[0]->setText(twilightText(tw.nauticalMorning));
    twilight_[1]->setText(twilightText(tw.civilMorning));
    twilight_[2]->setText(twilightText(tw.civilEvening));
    twilight_[3]->setText(twilightText(tw.nauticalEvening));
}

void SkyPanel::choose(int row)
{
    if (const QTableWidgetItem* item = table_->item(row, 0))
        emit bodyChosen(item->text());
}

bool SkyPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == table_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && table_->currentRow() >= 0) {
            choose(table_->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace morvel::sightwin
