/// \file plotting_sheet.h
/// \brief The plotting sheet of the sight-reduction window: the DR, the
/// lines of position, the fix and its error ellipse on a small Mercator
/// sheet with its latitude and longitude grid and a scale of miles.
///
/// Radians: latitudes north and longitudes east positive, azimuths and the
/// ellipse's orientation true from north through east. The sheet keeps one
/// minute of latitude a nautical mile and shortens the minute of longitude
/// by the cosine of its middle latitude; north is up.
#pragma once

#include "sight/fix.h"
#include "sightlog/logbook.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <limits>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace morvel::sightwin {

/// One line of position as drawn: through (lat, lon) at right angles to zn.
struct SheetLine {
    double lat = 0, lon = 0, zn = 0;
    bool carried = false;  ///< advanced or retired from another DR: dashed
    QString label;         ///< beside one end: "Vega 17:32"
    QString tooltip;       ///< the sight: body, time, Hs, Ho, Hc, Zn, intercept
};

struct SheetContent {
    /// The DR the sheet is laid around; not a number while there is none
    /// (the sheet then says "No DR").
    double drLat = std::numeric_limits<double>::quiet_NaN(), drLon = std::numeric_limits<double>::quiet_NaN();
    std::vector<SheetLine> lines;
    std::optional<std::pair<double, double>> fix;  ///< lat, lon
    QString fixLabel = QStringLiteral("Fix");      ///< "Fix 17:40"
    std::optional<sight::Ellipse> ellipse;         ///< around the fix
    bool hasDr() const;
};

/// The sheet of the sights and their fix: the DR is the last sight's, each
/// reduced sight's line (sight::linesOfPosition) is labelled with its body
/// and times[i] when given, and its tooltip gives the reduction's figures.
/// reductions, when given, are the sights' own at their DRs, already
/// worked; otherwise each sight is reduced here.
SheetContent sheetOf(const std::vector<sight::Sight>& sights, const sight::Fix& fix,
                     const std::vector<QString>& times = {},
                     const std::vector<const sight::Reduction*>& reductions = {});

/// The sheet of a worked log, from its reductions as they stand: the lines
/// labelled with the time of day of their rows, and the DR itself while no
/// sight is reduced.
SheetContent sheetOf(const sightlog::Logbook& book, const sightlog::Worked& worked);

class PlottingSheet : public QWidget {
    Q_OBJECT
public:
    explicit PlottingSheet(QWidget* parent = nullptr);

    void setContent(SheetContent c);
    const SheetContent& content() const { return content_; }

    /// Draws the sheet in `area` on any painter (the window, a printer, a
    /// PDF): vectors only, line widths and marks scaled to the area.
    static void paint(QPainter& p, const QRectF& area, const SheetContent& c);
    /// Where (lat, lon) falls when the sheet is drawn in `area`.
    static QPointF pointOf(const QRectF& area, const SheetContent& c, double lat, double lon);

    /// The tooltip of the line nearest `at` within a few pixels, or empty.
    QString lineAt(QPointF at) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    SheetContent content_;
};

}  // namespace morvel::sightwin
