#include "sightwin/sky_panel.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "sightwin/texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace morvel::sightwin {

namespace {

using math::degree;

enum Column { bodyColumn, hcColumn, znColumn, magColumn };

/// A cell that sorts by a number rather than by its text ("6°06.4'" before
/// "49°01.7'").
class NumberCell : public QTableWidgetItem {
public:
    NumberCell(const QString& s, double key) : QTableWidgetItem(s) { setData(Qt::UserRole, key); }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

sight::UtcTime utcOf(const QDateTime& t)
{
    const QDate d = t.date();
    return {d.year(), d.month(), d.day(), t.time().msecsSinceStartOfDay() / 1000.0};
}

QDateTime dateTimeOf(const sight::UtcTime& t)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(0, 0), Qt::UTC).addMSecs(std::llround(t.seconds * 1000));
}

/// "19:36", or "19:36:20" when it has seconds.
QString timeText(const QDateTime& t)
{
    return t.toString(t.time().second() ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

/// The UTC time of day of a twilight, "06:41:12", or a dash on a day
/// without it.
QString twilightText(const std::optional<sight::UtcTime>& t)
{
    return t ? dateTimeOf(*t).toString(QStringLiteral("HH:mm:ss")) : QStringLiteral("—");
}

QString bodyName(const sight::Visible& b) { return text(std::string(b.body.name)); }

}  // namespace

SkyPanel::SkyPanel(QWidget* parent) : QWidget(parent)
{
    when_ = new QDateTimeEdit(this);
    when_->setTimeSpec(Qt::UTC);
    when_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"));
    when_->setDateTimeRange(QDateTime(QDate(1900, 1, 2), QTime(0, 0), Qt::UTC),
                            QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59), Qt::UTC));
    when_->setDateTime(QDateTime::currentDateTimeUtc());
    when_->setAccessibleName(tr("Time of the sky, UTC"));
    when_->setToolTip(tr("Time of the sky in UTC, e.g. 2026-12-07 22:00:00 UTC"));

    // The twilights, each button setting the time halfway through its
    // morning's or evening's.
    morning_ = new QPushButton(tr("&Morning twilight"), this);
    morning_->setObjectName(QStringLiteral("morning"));
    evening_ = new QPushButton(tr("Eve&ning twilight"), this);
    evening_->setObjectName(QStringLiteral("evening"));
    auto* twilights = new QGridLayout;
    twilights->addWidget(new QLabel(tr("Nautical"), this), 0, 1);
    twilights->addWidget(new QLabel(tr("Civil"), this), 0, 2);
    twilights->addWidget(morning_, 1, 0);
    twilights->addWidget(evening_, 2, 0);
    const std::pair<int, int> cells[4] = {{1, 1}, {1, 2}, {2, 2}, {2, 1}};
    const char* names[4] = {QT_TR_NOOP("Nautical twilight, morning"), QT_TR_NOOP("Civil twilight, morning"),
                            QT_TR_NOOP("Civil twilight, evening"), QT_TR_NOOP("Nautical twilight, evening")};
    for (int i = 0; i < 4; ++i) {
        twilightTimes_[i] = new QLabel(QStringLiteral("—"), this);
        twilightTimes_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        twilightTimes_[i]->setAccessibleName(tr(names[i]));
        twilights->addWidget(twilightTimes_[i], cells[i].first, cells[i].second);
    }
    twilights->setColumnStretch(3, 1);

    place_ = new QLabel(this);
    place_->setObjectName(QStringLiteral("place"));
    place_->setWordWrap(true);
    place_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    lowest_ = new QSpinBox(this);
    lowest_->setObjectName(QStringLiteral("lowest"));
    highest_ = new QSpinBox(this);
    highest_->setObjectName(QStringLiteral("highest"));
    for (QSpinBox* s : {lowest_, highest_}) {
        s->setRange(0, 90);
        s->setSuffix(QStringLiteral("°"));
    }
    lowest_->setValue(15);
    highest_->setValue(70);
    lowest_->setAccessibleName(tr("Lowest altitude"));
    highest_->setAccessibleName(tr("Highest altitude"));
    lowest_->setToolTip(tr("Lowest altitude listed, degrees, e.g. 15"));
    highest_->setToolTip(tr("Highest altitude listed, degrees, e.g. 70"));
    allAbove_ = new QCheckBox(tr("All above the horizon"), this);
    allAbove_->setObjectName(QStringLiteral("allAbove"));
    auto* altitudes = new QHBoxLayout;
    altitudes->addWidget(lowest_);
    altitudes->addWidget(new QLabel(tr("to"), this));
    altitudes->addWidget(highest_);
    altitudes->addWidget(allAbove_);
    altitudes->addStretch();

    count_ = new QComboBox(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->addItem(tr("3 bodies, 120° apart"), 3);
    count_->addItem(tr("4 bodies, 90° apart"), 4);
    count_->setAccessibleName(tr("Bodies suggested"));
    count_->setToolTip(tr("How many bodies to suggest for a fix: 3, 120° apart, or 4, 90° apart"));
    suggestion_ = new QLabel(this);
    suggestion_->setWordWrap(true);
    suggestion_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* top = new QFormLayout;
    top->addRow(tr("T&ime (UTC)"), when_);
    top->addRow(twilights);
    top->addRow(place_);
    auto* altitudeLabel = new QLabel(tr("Altitude fr&om"), this);
    altitudeLabel->setBuddy(lowest_);
    top->addRow(altitudeLabel, altitudes);
    top->addRow(tr("S&uggest"), count_);
    top->addRow(suggestion_);

    chart_ = new SkyChart(this);
    chart_->setObjectName(QStringLiteral("chart"));
    facts_ = new QLabel(this);
    facts_->setWordWrap(true);
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    table_ = new QTableWidget(0, 4, this);
    table_->setHorizontalHeaderLabels({tr("Body"), QStringLiteral("Hc"), QStringLiteral("Zn"),
                                       tr("Mag")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() * 3 / 2);
    table_->horizontalHeader()->setStretchLastSection(true);
    // In skyAt's order, brightest first, until a column's header is clicked.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->setAccessibleName(tr("Bodies within the altitudes"));
    table_->installEventFilter(this);

    message_ = new QLabel(this);
    message_->setWordWrap(true);

    auto* listed = new QWidget(this);
    auto* listedLayout = new QVBoxLayout(listed);
    listedLayout->setContentsMargins(0, 0, 0, 0);
    listedLayout->addWidget(facts_);
    listedLayout->addWidget(table_, 1);
    listedLayout->addWidget(message_);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(chart_);
    split->addWidget(listed);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);

    auto* v = new QVBoxLayout(this);
    v->addLayout(top);
    v->addWidget(split, 1);

    setTabOrder(when_, morning_);
    setTabOrder(morning_, evening_);
    setTabOrder(evening_, lowest_);
    setTabOrder(lowest_, highest_);
    setTabOrder(highest_, allAbove_);
    setTabOrder(allAbove_, count_);
    setTabOrder(count_, chart_);
    setTabOrder(chart_, table_);

    connect(when_, &QDateTimeEdit::dateTimeChanged, this, &SkyPanel::recompute);
    for (QPushButton* b : {morning_, evening_})
        connect(b, &QPushButton::clicked, this, [this, b] {
            const auto middle = b == morning_ ? twilight_.middleOfMorning() : twilight_.middleOfEvening();
            if (middle)
                setTime(dateTimeOf(*middle));
        });
    connect(lowest_, &QSpinBox::valueChanged, this, [this](int v) {
        highest_->setMinimum(v);
        showSky();
    });
    connect(highest_, &QSpinBox::valueChanged, this, [this](int v) {
        lowest_->setMaximum(v);
        showSky();
    });
    connect(allAbove_, &QCheckBox::toggled, this, [this](bool all) {
        lowest_->setEnabled(!all);
        highest_->setEnabled(!all);
        showSky();
    });
    connect(count_, &QComboBox::currentIndexChanged, this, &SkyPanel::showSky);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { choose(row); });
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (const QTableWidgetItem* item = row >= 0 ? table_->item(row, bodyColumn) : nullptr)
            selectBody(item->data(Qt::UserRole).toInt());
    });
    // Sorting moves the rows: the hidden ones are hidden again.
    connect(table_->model(), &QAbstractItemModel::layoutChanged, this, &SkyPanel::filterRows);
    connect(chart_, &SkyChart::selectionChanged, this, &SkyPanel::selectBody);
    connect(chart_, &SkyChart::chosen, this, [this](int body) {
        if (body >= 0 && size_t(body) < sky_.bodies.size())
            emit bodyChosen(bodyName(sky_.bodies[size_t(body)]));
    });
    recompute();
}

void SkyPanel::setPlace(double lat, double lon, const QDateTime& held)
{
    if (std::isfinite(lat) && std::isfinite(lon))
        at_ = std::pair(lat, lon);
    else
        at_.reset();
    held_ = held.isValid() ? held.toUTC() : QDateTime();
    twilightDate_ = {};
    recompute();
}

void SkyPanel::setTime(const QDateTime& utc)
{
    if (utc.isValid())
        when_->setDateTime(utc.toUTC());
}

QDateTime SkyPanel::time() const { return when_->dateTime().toUTC(); }

QString SkyPanel::placeText() const { return place_->text(); }

sight::AltitudeBand SkyPanel::band() const
{
    if (allAbove_->isChecked())
        return {0, 90 * degree};
    return {lowest_->value() * degree, highest_->value() * degree};
}

void SkyPanel::recompute()
{
    sky_ = {};
    if (!at_) {
        place_->setText(tr("No DR: the sky needs a position."));
        twilight_ = {};
        twilightDate_ = {};
        showSky();
        return;
    }
    const QDateTime t = time();
    const auto [lat, lon] = *at_;
    // "At 40°05.0'N 035°45.0'W (the DR at 19:30), 2026-12-07 19:36 UTC".
    const QString dr = !held_.isValid()           ? tr("the DR")
                       : held_.date() == t.date() ? tr("the DR at %1").arg(timeText(held_))
                                                  : tr("the DR at %1").arg(held_.toString(QStringLiteral("yyyy-MM-dd ")) +
                                                                           timeText(held_));
    place_->setText(tr("At %1 (%2), %3 %4 UTC")
                        .arg(text(navtext::navPositionText(lat, lon, false)), dr,
                             t.toString(QStringLiteral("yyyy-MM-dd")), timeText(t)));
    sky_ = sight::skyAt(utcOf(t).instant(), lat, lon);
    // The twilights change with the day, not with the time of day.
    if (twilightDate_ != t.date()) {
        twilight_ = sight::twilightOf(utcOf(t), lat, lon);
        twilightDate_ = t.date();
    }
    showSky();
}

void SkyPanel::showSky()
{
    const sight::AltitudeBand within = band();
    const int count = count_->currentData().toInt();
    const sight::Suggestion suggestion = sight::wellSpread(sky_, within, count);
    const std::vector<size_t>& suggested = suggestion.bodies;
    const QString altitudes = allAbove_->isChecked()
                                  ? tr("above the horizon")
                                  : tr("between %1° and %2°").arg(lowest_->value()).arg(highest_->value());

    // The table, its order kept while the rows are put in.
    const int keep = chart_->selected();
    syncing_ = true;
    table_->setSortingEnabled(false);
    table_->setRowCount(0);
    table_->setRowCount(int(sky_.bodies.size()));
    for (int i = 0; i < int(sky_.bodies.size()); ++i) {
        const sight::Visible& b = sky_.bodies[size_t(i)];
        QTableWidgetItem* cells[] = {
            readOnlyCell(bodyName(b), false),
            readOnlyCell(new NumberCell(text(navtext::navAltitudeText(b.hc, false)), b.hc), true),
            readOnlyCell(new NumberCell(text(navtext::navCircleText(b.zn, false)), math::wrap(b.zn)), true),
            readOnlyCell(new NumberCell(magnitudeText(b), sight::brightnessOrder(b)), true)};
        cells[bodyColumn]->setData(Qt::UserRole, i);
        const bool chosen = std::find(suggested.begin(), suggested.end(), size_t(i)) != suggested.end();
        for (int c = 0; c < 4; ++c) {
            if (chosen) {
                QFont bold = table_->font();
                bold.setBold(true);
                cells[c]->setFont(bold);
                cells[c]->setToolTip(tr("Suggested: well spread in azimuth"));
            }
            table_->setItem(i, c, cells[c]);
        }
    }
    table_->setSortingEnabled(true);
    filterRows();
    table_->resizeColumnsToContents();
    syncing_ = false;

    chart_->setContent({sky_.bodies, within, suggested, {}});
    selectBody(keep >= 0 ? chart_->selected() : -1);
    if (sky_.bodies.empty())
        facts_->clear();

    int shown = 0;
    for (const sight::Visible& b : sky_.bodies)
        shown += within.holds(b.hc);
    if (!at_)
        message_->clear();
    else if (!sky_.ok())
        message_->setText(text(sky_.error));
    else if (sky_.bodies.empty())
        message_->setText(tr("No body above the horizon."));
    else if (allAbove_->isChecked())
        message_->setText(tr("%n bodies above the horizon.", nullptr, int(sky_.bodies.size())));
    else
        message_->setText(
            tr("%1 of the %n bodies above the horizon are %2.", nullptr, int(sky_.bodies.size())).arg(shown).arg(altitudes));

    if (!at_ || !sky_.ok()) {
        suggestion_->clear();
    } else if (suggested.empty() && suggestion.byDay) {
        suggestion_->setText(tr("The Sun is up: by day only the Sun, the Moon and Venus can be taken, "
                                            "and fewer than %1 of them are %2.")
                                 .arg(count)
                                 .arg(altitudes));
    } else if (suggested.empty()) {
        suggestion_->setText(tr("Fewer than %1 bodies %2: none to suggest.").arg(count).arg(altitudes));
    } else {
        QStringList names;
        for (size_t i : suggested)
            names << QStringLiteral("%1 %2").arg(bodyName(sky_.bodies[i]),
                                                 text(navtext::navCircleText(sky_.bodies[i].zn, false)));
        suggestion_->setText(tr("Well spread: ") + names.join(QStringLiteral(", ")));
    }

    const std::optional<sight::UtcTime> times[4] = {twilight_.nauticalMorning, twilight_.civilMorning,
                                                    twilight_.civilEvening, twilight_.nauticalEvening};
    for (int i = 0; i < 4; ++i)
        twilightTimes_[i]->setText(twilightText(times[i]));
    if (!twilight_.ok())
        message_->setText(text(twilight_.error));
    const std::pair<QPushButton*, std::optional<sight::UtcTime>> buttons[] = {
        {morning_, twilight_.middleOfMorning()}, {evening_, twilight_.middleOfEvening()}};
    for (const auto& [button, middle] : buttons) {
        button->setEnabled(middle.has_value());
        button->setToolTip(middle ? tr("The sky at %1, halfway between the nautical and the civil "
                                                   "twilight: the time for star sights")
                                        .arg(twilightText(middle))
                                  : tr("No such twilight on this day here"));
    }
}

void SkyPanel::filterRows()
{
    const sight::AltitudeBand within = band();
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QTableWidgetItem* item = table_->item(row, bodyColumn);
        const int body = item ? item->data(Qt::UserRole).toInt() : -1;
        table_->setRowHidden(row, body < 0 || size_t(body) >= sky_.bodies.size() ||
                                      !within.holds(sky_.bodies[size_t(body)].hc));
    }
}

void SkyPanel::selectBody(int body)
{
    if (body < 0 || size_t(body) >= sky_.bodies.size()) {
        facts_->setText(tr("Point at a body on the chart for its Hc, Zn and magnitude; a click, or "
                                       "the arrow keys, select it; double click or Enter adds a sight of it."));
        return;
    }
    facts_->setText(bodyFacts(sky_.bodies[size_t(body)]));
    if (syncing_)
        return;
    syncing_ = true;
    chart_->select(body);
    int row = -1;
    for (int r = 0; r < table_->rowCount(); ++r)
        if (table_->item(r, bodyColumn)->data(Qt::UserRole).toInt() == body && !table_->isRowHidden(r))
            row = r;
    if (row >= 0)
        table_->setCurrentCell(row, bodyColumn);
    else
        table_->setCurrentItem(nullptr);
    syncing_ = false;
}

void SkyPanel::choose(int row)
{
    if (const QTableWidgetItem* item = table_->item(row, bodyColumn))
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
