/// \file plotting_sheet.h
/// \brief The plotting sheet of the sight-reduction window: the DR and its
/// track, the lines of position, the fix and its error ellipse on a small
/// Mercator sheet with its latitude and longitude grid, the scales along
/// its edges, a compass rose and a scale of miles.
///
/// Radians: latitudes north and longitudes east positive, azimuths, courses
/// and the ellipse's orientation true from north through east. The sheet
/// keeps one minute of latitude a nautical mile and shortens the minute of
/// longitude by the cosine of its mid latitude, as a universal plotting
/// sheet does; north is up. The plotting area is square, centred in the
/// space the sheet is given (or, for a printed page, all of that space:
/// SheetView::filled), with the grid's labels and the scale of miles in the
/// margins about it.
///
/// A running fix reads as the navigator plots one: each line carried from
/// another DR is drawn faint where it was taken, an arrow gives the run
/// that carried it, and the line advanced to the time of the fix is dashed
/// and labelled with that run; the DR's track joins the DRs of the sights.
///
/// What is shown (SheetView) is the widget's and apart from what the sheet
/// holds (SheetContent): fitted to the DR, the lines and the fix until the
/// user zooms or pans, then kept while the log changes, until fitted again.
/// The printed page is always fitted.
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

class QAction;
class QPainter;

namespace morvel::sightwin {

inline constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

/// One line of position as drawn: through (lat, lon) at right angles to zn.
struct SheetLine {
    double lat = 0, lon = 0, zn = 0;
    bool carried = false;  ///< advanced or retired from another DR: dashed
    QString label;         ///< beside it: "Vega 17:32", "Sun 14:30 advanced 18.4 nm 270°"
    QString tooltip;       ///< the sight: body, time, Hs, Ho, Hc, Zn, intercept
    /// A carried line as taken, through this point at its own DR: drawn
    /// faint, with the run from it to (lat, lon), and labelled takenLabel
    /// ("Sun 14:30"). Not a number otherwise.
    double takenLat = notANumber, takenLon = notANumber;
    QString takenLabel = {};
};

/// A DR marked on the sheet with its time: "DR 14:30", or where the
/// course was altered: "DR 16:00, 135° 10.0 kn".
struct SheetMark {
    double lat = 0, lon = 0;
    QString label;
    double jd = notANumber;  ///< its instant (TT Julian day), ordering the track
    bool alteration = false;  ///< where the course was altered
};

struct SheetContent {
    /// The DR at the time of the fix (the last sight's), which the sheet is
    /// laid around; not a number while there is none (the sheet then says
    /// "No DR").
    double drLat = notANumber, drLon = notANumber;
    QString drLabel = QStringLiteral("DR");  ///< "DR 19:36"
    /// The DRs of the carried lines' sights and of the legs' changes of
    /// course between them, earliest first: the track runs through them to
    /// the DR.
    std::vector<SheetMark> track;
    /// The course the DR is run on at its time (the leg then in force),
    /// drawn on across the sheet through the DR; not a number when the
    /// ship is stopped or there is no DR.
    double course = notANumber;
    QString courseLabel;  ///< "Course 090°, 12.0 kn"
    std::vector<SheetLine> lines;
    std::optional<std::pair<double, double>> fix;  ///< lat, lon
    QString fixLabel = QStringLiteral("Fix");      ///< "Fix 17:40", "Running fix 19:36"
    std::optional<sight::Ellipse> ellipse;         ///< around the fix
    bool hasDr() const;
};

/// The part of the sheet shown: fitted to what the sheet holds, or a centre
/// and a scale the user zoomed and panned to.
struct SheetView {
    bool fitted = true;
    double lat = 0, lon = 0;  ///< the centre of the plotting area
    double midLat = 0;        ///< the latitude whose cosine shortens the minute of longitude
    double halfMiles = 5;     ///< from the centre to each side of the plotting area (the nearer sides when filled)
    /// The plotting area takes the whole space the sheet is given, margins
    /// aside, not the largest square in it: the printed page's sheet.
    bool filled = false;
};

/// Where paint put the sheet's texts in an area, all inside the plotting
/// area and none over another: the boxes kept clear (the compass rose, the
/// scale of miles; empty when left out), then each label drawn.
struct SheetLabels {
    QRectF rose, scale;
    std::vector<std::pair<QRectF, QString>> labels;
};

/// The sheet of the sights and their fix: the DR is the last sight's, each
/// reduced sight's line (sight::linesOfPosition) is labelled with its body
/// and times[i] when given, a carried line with its run too, and its
/// tooltip gives the reduction's figures. The fix is a running fix when any
/// line was carried. reductions, when given, are the sights' own at their
/// DRs, already worked; otherwise each sight is reduced here.
SheetContent sheetOf(const std::vector<sight::Sight>& sights, const sight::Fix& fix,
                     const std::vector<QString>& times = {},
                     const std::vector<const sight::Reduction*>& reductions = {});

/// The sheet of a worked log, from its reductions as they stand: the lines
/// labelled with the time of day of their rows, the DR's course and speed
/// on its track, and the DR itself while no sight is reduced.
SheetContent sheetOf(const sightlog::Logbook& book, const sightlog::Worked& worked);

class PlottingSheet : public QWidget {
    Q_OBJECT
public:
    explicit PlottingSheet(QWidget* parent = nullptr);

    /// What the sheet holds; the view stays where the user put it.
    void setContent(SheetContent c);
    const SheetContent& content() const { return content_; }
    const SheetView& view() const { return view_; }

    /// Draws the sheet in `area` on any painter (the window, a printer, a
    /// PDF): vectors only, line widths and marks scaled to the area.
    static void paint(QPainter& p, const QRectF& area, const SheetContent& c, const SheetView& view = {});
    /// Where (lat, lon) falls when the sheet is drawn in `area`.
    static QPointF pointOf(const QRectF& area, const SheetContent& c, double lat, double lon,
                           const SheetView& view = {});
    /// Where paint puts its texts in `area` with `font`.
    static SheetLabels labelsOf(const QRectF& area, const SheetContent& c, const SheetView& view = {},
                                const QFont& font = {});

    /// The tooltip of the line nearest `at` within a few pixels, or empty.
    QString lineAt(QPointF at) const;

    /// Zooms in and out about the pointer (the centre from the keys) and
    /// fits the view to the DR, the lines and the fix again.
    QAction* actZoomIn;
    QAction* actZoomOut;
    QAction* actFit;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void fitView();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    /// Zooms by factor about `at` in the widget (the plotting area's
    /// centre when none); pans by `by` pixels.
    void zoomBy(double factor, std::optional<QPointF> at = std::nullopt);
    void panBy(QPointF by);

    SheetContent content_;
    SheetView view_;
    std::optional<QPointF> dragFrom_;
};

}  // namespace morvel::sightwin
