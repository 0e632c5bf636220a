/// \file sky_panel.h
/// \brief The sky at a time at the DR: the bodies above the horizon with
/// their Hc, Zn and magnitude (sight::skyAt, brightest first), and the
/// day's four twilights (sight::twilightOf), for choosing what to observe.
///
/// The place in radians, latitude north and longitude east positive; the
/// time UTC. Until a place is set the panel says so and lists nothing.
#pragma once

#include <QDateTime>
#include <QWidget>

#include <optional>
#include <utility>

class QDateTimeEdit;
class QLabel;
class QTableWidget;

namespace morvel::sightwin {

class SkyPanel : public QWidget {
    Q_OBJECT
public:
    explicit SkyPanel(QWidget* parent = nullptr);

    /// The window calls it when the DR changes.
    void setPlace(double lat, double lon);
    /// And this when the user wants another time.
    void setTime(const QDateTime& utc);
    QDateTime time() const;

signals:
    /// Double click or Enter on a body's row: the window adds a sight row
    /// for it at the panel's time.
    void bodyChosen(const QString& body);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void recompute();
    void choose(int row);

    QDateTimeEdit* when_;
    QTableWidget* table_;
    QLabel* message_;
    QLabel* twilight_[4];
    std::optional<std::pair<double, double>> place_;
};

}  // namespace morvel::sightwin
