/// \file sky_panel.h
/// \brief The sky at a time at the DR, for choosing what to observe: the
/// bodies above the horizon on a chart (sky_chart.h) and in a table of
/// their Hc, Zn and magnitude (sight::skyAt), the bodies best spread in
/// azimuth for a fix (sight::wellSpread) within the altitudes chosen, and
/// the day's four twilights (sight::twilightOf), with a button for each of
/// the morning's and the evening's time for star sights.
///
/// The place in radians, latitude north and longitude east positive; the
/// time UTC. The panel says which position and time it works from. The
/// table lists only the bodies within the altitudes chosen (15 to 70
/// degrees until changed, or all above the horizon) and sorts by any
/// column; the chart shows every body and greys those outside. Until a
/// place is set the panel says so and shows nothing.
#pragma once

#include "sight/sky.h"
#include "sightwin/sky_chart.h"

#include <QDateTime>
#include <QWidget>

#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace morvel::sightwin {

class SkyPanel : public QWidget {
    Q_OBJECT
public:
    explicit SkyPanel(QWidget* parent = nullptr);

    /// The window calls it when the DR changes: its position and the time
    /// it holds (invalid when it holds none).
    void setPlace(double lat, double lon, const QDateTime& held = {});
    /// And this when the user wants another time.
    void setTime(const QDateTime& utc);
    QDateTime time() const;

    /// "At 40°05.0'N 035°45.0'W (the DR at 19:30), 2026-12-07 19:36 UTC",
    /// or why there is no sky.
    QString placeText() const;

signals:
    /// Double click or Enter on a body, in the table or on the chart: the
    /// window adds a sight row for it at the panel's time.
    void bodyChosen(const QString& body);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    /// The sky worked out again for the time and place.
    void recompute();
    /// What the sky shows within the altitudes and the count chosen.
    void showSky();
    /// The table's rows outside the altitudes hidden.
    void filterRows();
    sight::AltitudeBand band() const;
    void choose(int row);
    /// The table and the chart kept on the same body.
    void selectBody(int body);

    QDateTimeEdit* when_;
    QPushButton *morning_, *evening_;
    QLabel* twilightTimes_[4];
    QLabel* place_;
    QSpinBox *lowest_, *highest_;
    QCheckBox* allAbove_;
    QComboBox* count_;
    QLabel* suggestion_;
    SkyChart* chart_;
    QLabel* facts_;
    QTableWidget* table_;
    QLabel* message_;

    std::optional<std::pair<double, double>> at_;
    QDateTime held_;
    sight::SkyView sky_;
    sight::Twilight twilight_;
    QDate twilightDate_;  ///< the day twilight_ is of, at at_
    bool syncing_ = false;
};

}  // namespace morvel::sightwin
