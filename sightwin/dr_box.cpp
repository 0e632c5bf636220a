#include "sightwin/dr_box.h"

#include "sightwin/texts.h"
#include "toolkit/palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QPushButton>

namespace morvel::sightwin {

DrBox::DrBox(QWidget* parent, bool watchTime) : QGroupBox(tr("Dead reckoning"), parent)
{
    auto* rows = new QVBoxLayout(this);
    auto* dr = new QHBoxLayout;
    auto* watch = new QHBoxLayout;
    rows->addLayout(dr);
    rows->addLayout(watch);
    // The DR's fields share the width; the watch's keep to theirs.
    auto field = [&](QHBoxLayout* layout, const QString& caption, const QString& hint, int chars) {
        auto* edit = new QLineEdit;
        edit->setPlaceholderText(hint);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars);
        if (layout == watch)
            edit->setMaximumWidth(edit->minimumWidth() * 3 / 2);
        auto* label = new QLabel(caption);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit, layout == watch ? 0 : chars);
        connect(edit, &QLineEdit::editingFinished, this, &DrBox::edited);
        return edit;
    };
    // Wide enough for the sight form From GPS writes, 41°30.0'N 037°12.0'W.
    position_ = field(dr, tr("&Position"), QStringLiteral("41 10.0N 66 30.0W"), 21);
    time_ = field(dr, tr("&Time (UTC)"), QStringLiteral("2026-12-07T17:00:00Z"), 20);
    course_ = field(dr, tr("&Course"), QStringLiteral("090"), 5);
    speed_ = field(dr, tr("Spee&d (kn)"), QStringLiteral("12"), 4);
    date_ = field(watch, tr("Date on &board"), QStringLiteral("2026-12-07"), 11);
    zone_ = field(watch, tr("&Zone"), QStringLiteral("+5, -3, +9.5, 0"), 15);
    watchError_ = field(watch, tr("&Watch error"), tr("12 s fast, 12 s slow"), 19);
    // From GPS ends the DR's row (shown where a window reads the GPS).
    fromGps_ = new QPushButton(tr("From &GPS"));
    fromGps_->setToolTip(tr("The position, time, course and speed from gpsd (localhost:2947)"));
    dr->addWidget(fromGps_);
    connect(fromGps_, &QPushButton::clicked, this, &DrBox::gpsWanted);
    legs_ = new QPushButton(tr("&Legs..."));
    legs_->setToolTip(tr("The changes of course and speed after the DR's time"));
    dr->addWidget(legs_);
    connect(legs_, &QPushButton::clicked, this, &DrBox::legsWanted);
    watch->addStretch(1);
    for (int i = 0; !watchTime && i < watch->count(); ++i)
        if (QWidget* w = watch->itemAt(i)->widget())
            w->hide();
    setTabOrder(position_, time_);
    setTabOrder(time_, course_);
    setTabOrder(course_, speed_);
    setTabOrder(speed_, date_);
    setTabOrder(date_, zone_);
    setTabOrder(zone_, watchError_);
}

sightlog::DrTrack DrBox::track() const
{
    auto typed = [](const QLineEdit* e) { return e->text().trimmed().toStdString(); };
    return {typed(position_), typed(time_),       typed(course_), typed(speed_), typed(date_),
            typed(zone_),     typed(watchError_), keptLegs_,      keptCurrent_};
}

void DrBox::showDr(const sightlog::DrTrack& dr, const sightlog::DrRead& read)
{
    // Each field, what it holds, and what it is when nothing is wrong.
    const struct {
        QLineEdit* edit;
        const std::string* typed;
        const char* field;
        QString about;
    } fields[] = {
        {position_, &dr.position, "position", {}},
        {time_, &dr.time, "time", {}},
        {course_, &dr.course, "course", {}},
        {speed_, &dr.speed, "speed", {}},
        {date_, &dr.date, "date", tr("The date on board, when the sights are timed by the watch.")},
        {zone_, &dr.zone, "zone",
         tr("The zone description the watch keeps: the hours added to zone time to give UT (0 for a watch kept "
            "on UT).")},
        {watchError_, &dr.watchError, "watch error",
         tr("Fast: the right time is the watch's less the error; slow: plus it.")},
    };
    keptLegs_ = dr.legs;
    keptCurrent_ = dr.current;
    legs_->setText(dr.legs.empty() ? tr("&Legs...") : tr("&Legs (%1)...").arg(dr.legs.size() + 1));
    const bool legsAtFault = read.given && (read.field == "legs" || read.field == "current");
    legs_->setStyleSheet(legsAtFault ? QStringLiteral("background: %1").arg(toolkit::ink(QColor(0xff, 0xb0, 0xb0)).name())
                                     : QString());
    legs_->setToolTip(legsAtFault ? text(read.error) : tr("The changes of course and speed after the DR's time"));
    const QString at = read.given && !read.error.empty() ? text(read.field) : QString();
    const QString clockAt = text(read.clockField);
    for (const auto& f : fields) {
        if (f.edit->text() != text(*f.typed))
            f.edit->setText(text(*f.typed));
        const QString name = QLatin1String(f.field);
        const bool fault = name == at || name == clockAt;
        const QString style = fault ? QStringLiteral("background: %1").arg(toolkit::ink(QColor(0xff, 0xb0, 0xb0)).name()) : QString();
        if (f.edit->styleSheet() != style)
            f.edit->setStyleSheet(style);
        // The fault, or what the field takes (the sight window's "hint").
        f.edit->setToolTip(fault                ? text(name == at ? read.error : read.clockError)
                           : f.about.isEmpty() ? f.edit->property("hint").toString()
                                               : f.about);
    }
}

}  // namespace morvel::sightwin
