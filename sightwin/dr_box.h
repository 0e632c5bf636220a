/// \file dr_box.h
/// \brief The DR as the navigator types it: position, the time it holds
/// (UTC), course and speed; under them the date on board, the zone
/// description and the watch error of a log kept by the watch (empty: the
/// log is kept in UTC). Each with its access key and a placeholder showing
/// its form, a tooltip with an example and What's This; the field at fault
/// tinted (in the palette in force) with the reason in its tooltip; From
/// GPS beside them, and Legs... (the changes of course and speed, which the
/// box keeps as it last showed them, with the current carried on: the
/// fields never drop them).
#pragma once

#include "sightlog/logbook.h"

#include <QGroupBox>

#include <utility>

class QLineEdit;
class QPushButton;

namespace morvel::sightwin {

/// A DR field's name as the reader reads it, from the key a DR read
/// names its field by ("position", "watch error").
QString drFieldName(const std::string& field);

class DrBox : public QGroupBox {
    Q_OBJECT
public:
    /// Without watchTime the date, zone and watch error are not shown (a
    /// book timed in UTC alone: the compass window's).
    explicit DrBox(QWidget* parent = nullptr, bool watchTime = true);

    QLineEdit& position() { return *position_; }
    QLineEdit& time() { return *time_; }
    QLineEdit& course() { return *course_; }
    QLineEdit& speed() { return *speed_; }
    QLineEdit& date() { return *date_; }
    QLineEdit& zone() { return *zone_; }
    QLineEdit& watchError() { return *watchError_; }
    QPushButton& fromGps() { return *fromGps_; }
    QPushButton& legs() { return *legs_; }

    /// The fields as typed, blanks about them dropped.
    sightlog::DrTrack track() const;
    /// Shows a DR and what is wrong with it, if anything.
    void showDr(const sightlog::DrTrack& dr, const sightlog::DrRead& read);

signals:
    /// A field was left or Enter pressed in it.
    void edited();
    /// From GPS pressed.
    void gpsWanted();
    /// Legs... pressed.
    void legsWanted();

private:
    void describeFields();
    /// The field at fault tinted, the others' tooltips what they take.
    void tint();

    /// The field at fault and why; the date, zone or watch error at fault
    /// and why.
    std::pair<QString, QString> fault_, clockFault_;
    QLineEdit *position_, *time_, *course_, *speed_;
    QLineEdit *date_, *zone_, *watchError_;
    QPushButton *fromGps_, *legs_;
    /// The legs and the current carried on, as last shown.
    std::vector<sightlog::DrLeg> keptLegs_;
    std::string keptCurrent_;
};

}  // namespace morvel::sightwin
