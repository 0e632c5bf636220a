#include "sightwin/dr_box.h"

#include "sightwin/texts.h"
#include "toolkit/palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace morvel::sightwin {

DrBox::DrBox(QWidget* parent) : QGroupBox(tr("Dead reckoning"), parent)
{
    auto* layout = new QHBoxLayout(this);
    auto field = [&](const QString& caption, const QString& hint, int chars) {
        auto* edit = new QLineEdit;
        edit->setPlaceholderText(hint);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars);
        auto* label = new QLabel(caption);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit, chars);
        connect(edit, &QLineEdit::editingFinished, this, &DrBox::edited);
        return edit;
    };
    position_ = field(tr("&Position"), QStringLiteral("41 10.0N 66 30.0W"), 18);
    time_ = field(tr("&Time (UTC)"), QStringLiteral("2026-12-07T17:00:00Z"), 20);
    course_ = field(tr("&Course"), QStringLiteral("090"), 5);
    speed_ = field(tr("Spee&d (kn)"), QStringLiteral("12"), 4);
    setTabOrder(position_, time_);
    setTabOrder(time_, course_);
    setTabOrder(course_, speed_);
}

sightlog::DrTrack DrBox::track() const
{
    return {position_->text().trimmed().toStdString(), time_->text().trimmed().toStdString(),
            course_->text().trimmed().toStdString(), speed_->text().trimmed().toStdString()};
}

void DrBox::showDr(const sightlog::DrTrack& dr, const sightlog::DrRead& read)
{
    const std::pair<QLineEdit*, const std::string*> fields[] = {
        {position_, &dr.position}, {time_, &dr.time}, {course_, &dr.course}, {speed_, &dr.speed}};
    const bool bad = read.given && !read.error.empty();
    const QString at = text(read.field);
    for (const auto& [edit, typed] : fields) {
        if (edit->text() != text(*typed))
            edit->setText(text(*typed));
        const bool fault = bad && edit == (at == u"position" ? position_
                                           : at == u"time"   ? time_
                                           : at == u"course" ? course_
                                                             : speed_);
        const QString style = fault ? QStringLiteral("background: %1").arg(toolkit::ink(QColor(0xff, 0xb0, 0xb0)).name()) : QString();
        if (edit->styleSheet() != style)
            edit->setStyleSheet(style);
        // The fault, or what the field takes (its "hint").
        edit->setToolTip(fault ? text(read.error) : edit->property("hint").toString());
    }
}

}  // namespace morvel::sightwin
