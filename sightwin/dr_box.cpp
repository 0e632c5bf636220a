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
    legs_->setAccessibleName(tr("Legs of the DR"));
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
    describeFields();
    // The field at fault tinted in the new palette.
    connect(&toolkit::Palettes::instance(), &toolkit::Palettes::changed, this, &DrBox::tint);
}

void DrBox::describeFields()
{
    // What each field takes, with one example: the tooltip, and the longer
    // word of What's This (Shift+F1).
    const struct {
        QLineEdit* field;
        QString name, tip, more;
    } fields[] = {
        {position_, tr("DR position"), tr("DR position: latitude and longitude, e.g. 41 10.0N 66 30.0W"),
         tr("The dead-reckoning position at the DR time, as navigators write it: degrees and minutes with N or S "
            "and E or W (41 10.0N 66 30.0W), or signed decimal degrees.")},
        {time_, tr("DR time (UTC)"), tr("DR time in UTC, e.g. 2026-12-07T17:00:00Z"),
         tr("The time at which the DR position holds, in UTC with its Z. Each row's DR is run on from it by the "
            "course and speed.")},
        {course_, tr("Course"), tr("Course: degrees true, e.g. 090"),
         tr("The course made good, in degrees true from 000 to 360.")},
        {speed_, tr("Speed (knots)"), tr("Speed: knots, e.g. 12"),
         tr("The speed made good in knots; 0 for a ship stopped.")},
        {date_, tr("Date on board"), tr("Date on board: the date the watch keeps, e.g. 2026-12-07"),
         tr("The date on board, when the sights are timed by the watch: the rows' times are then the watch's, "
            "turned into UT by the zone and the watch error. Empty: the log is kept in UTC.")},
        {zone_, tr("Zone"), tr("Zone: the hours added to zone time to give UT, e.g. +5, -3 or +9.5"),
         tr("The zone description the watch keeps: the hours added to zone time to give UT (+5 west of "
            "Greenwich, -3 east of it, 0 for a watch kept on UT).")},
        {watchError_, tr("Watch error"), tr("Watch error: fast or slow, e.g. 12 s fast or 1 m 12 s slow"),
         tr("How far the watch is out. Fast: the right time is the watch's less the error; slow: plus it.")},
    };
    for (const auto& f : fields) {
        f.field->setProperty("hint", f.tip);
        f.field->setToolTip(f.tip);
        f.field->setWhatsThis(f.more);
        f.field->setAccessibleName(f.name);
    }
}

sightlog::DrTrack DrBox::track() const
{
    auto typed = [](const QLineEdit* e) { return e->text().trimmed().toStdString(); };
    return {typed(position_), typed(time_),       typed(course_), typed(speed_), typed(date_),
            typed(zone_),     typed(watchError_), keptLegs_,      keptCurrent_};
}

void DrBox::showDr(const sightlog::DrTrack& dr, const sightlog::DrRead& read)
{
    const std::pair<QLineEdit*, const std::string*> typed[] = {
        {position_, &dr.position}, {time_, &dr.time}, {course_, &dr.course}, {speed_, &dr.speed},
        {date_, &dr.date},         {zone_, &dr.zone}, {watchError_, &dr.watchError}};
    for (const auto& [edit, cell] : typed)
        if (edit->text() != text(*cell))
            edit->setText(text(*cell));
    fault_ = read.given && !read.error.empty() ? std::pair{text(read.field), text(read.error)} : std::pair<QString, QString>{};
    clockFault_ = {text(read.clockField), text(read.clockError)};
    keptLegs_ = dr.legs;
    keptCurrent_ = dr.current;
    legs_->setText(dr.legs.empty() ? tr("&Legs...") : tr("&Legs (%1)...").arg(dr.legs.size() + 1));
    tint();
}

QString drFieldName(const std::string& field)
{
    static const std::pair<const char*, const char*> names[] = {
        {"position", QT_TRANSLATE_NOOP("morvel::sightwin::DrBox", "position")},
        {"time", QT_TRANSLATE_NOOP("morvel::sightwin::DrBox", "time")},
        {"course", QT_TRANSLATE_NOOP("morvel::sightwin::DrBox", "course")},
        {"speed", QT_TRANSLATE_NOOP("morvel::sightwin::DrBox", "speed")},
        {"date", QT_TRANSLATE_NOOP("morvel::sightwin::DrBox", "date")},
        {"zone", QT_TRANSLATE_NOOP("morvel::sightwin::DrBox", "zone")},
        {"watch error", QT_TRANSLATE_NOOP("morvel::sightwin::DrBox", "watch error")}};
    for (const auto& [key, name] : names)
        if (field == key)
            return DrBox::tr(name);
    return text(field);
}

void DrBox::tint()
{
    const std::pair<QLineEdit*, const char*> fields[] = {
        {position_, "position"}, {time_, "time"},     {course_, "course"},           {speed_, "speed"},
        {date_, "date"},         {zone_, "zone"},     {watchError_, "watch error"}};
    for (const auto& [edit, field] : fields) {
        const QString name = QLatin1String(field);
        const bool fault = name == fault_.first || name == clockFault_.first;
        const QString style = fault ? QStringLiteral("background: %1").arg(toolkit::ink(QColor(0xff, 0xb0, 0xb0)).name()) : QString();
        if (edit->styleSheet() != style)
            edit->setStyleSheet(style);
        // The fault, or what the field takes.
        edit->setToolTip(!fault ? edit->property("hint").toString()
                         : name == fault_.first ? fault_.second
                                                : clockFault_.second);
    }
    // A leg or the current carried on at fault: Legs... tinted.
    const bool legs = fault_.first == QLatin1String("legs") || fault_.first == QLatin1String("current");
    legs_->setStyleSheet(legs ? QStringLiteral("background: %1").arg(toolkit::ink(QColor(0xff, 0xb0, 0xb0)).name())
                              : QString());
    legs_->setToolTip(legs ? fault_.second : tr("The changes of course and speed after the DR's time"));
}

}  // namespace morvel::sightwin
