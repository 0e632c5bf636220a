/// \file palette.h
/// \brief The day, dusk and night palettes, and the one in force for every
/// window, its dialogs and everything the windows paint.
///
/// Windows keep and report their colours as the day palette has them
/// (BackColor 0x0080FFFF is the calculators' light yellow in any palette);
/// what reaches the screen is that colour as the palette in force shows
/// it (ink()). By day a colour is shown as it is. By dusk the window is
/// dark and its colours muted: light and dark change places, hues keep
/// half their saturation. By night everything is red on black, to keep the
/// eyes used to the dark: a colour becomes a red as bright as the day
/// colour is dark (white paper is black, black ink full red), with no
/// green and no blue, scaled by the brightness step. The selection and the
/// text cursor are red too, and so is the mouse pointer over the windows.
///
/// The choice (day, dusk, night or automatic) and the brightness step are
/// remembered between runs. Automatic follows the Sun: night while its
/// centre is more than 6 degrees below the horizon of the sight log's DR,
/// dusk up to 6 degrees above it, day above that; without a DR, or while
/// the almanac cannot say, day.
///
/// Printing is always by day: a PrintingByDay held while a page is drawn
/// makes ink() the identity and gives the window's controls their day
/// colours until it goes.
#pragma once

#include "toolkit/color.h"

#include <QColor>
#include <QObject>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QTimer;

namespace morvel::toolkit {

/// A palette.
enum class Scheme { day, dusk, night };

/// What the navigator chose: a palette, or the one the Sun gives.
enum class PaletteChoice { day, dusk, night, automatic };

/// The palette the Sun's altitude (degrees, at the DR) gives: night below
/// -6, dusk from -6 to +6, day above.
Scheme schemeForSun(double altitudeDegrees);

/// The palette in force and what was chosen. One for the program.
class Palettes : public QObject {
    Q_OBJECT
public:
    static Palettes& instance();

    PaletteChoice choice() const { return choice_; }
    /// Puts the choice in force, remembers it and repaints every window.
    void choose(PaletteChoice c);
    /// Day, dusk, night, automatic, and round again (Ctrl+Shift+N).
    void cycle();
    /// The palette in force (the automatic choice resolved).
    Scheme scheme() const { return scheme_; }

    /// Brightness steps of the dusk and night palettes, 0 the brightest.
    static constexpr int steps = 5;
    int dimming() const { return dimming_; }
    void dim();
    void brighten();

    /// The Sun's altitude in degrees where the navigator is, for the
    /// automatic choice; nothing when there is no DR. The program installs
    /// it; without it automatic is day.
    std::function<std::optional<double>()> sunAltitude;
    /// Works the automatic choice out again (the DR moved, time passed).
    void follow();

    /// Reads the choice remembered from the last run and puts it in force.
    void restore();

    /// The choice's name in the settings and the View menu's order.
    static QString key(PaletteChoice c);

signals:
    /// Another palette or brightness is in force.
    void changed();

private:
    Palettes();
    /// The palette the choice gives now; true when it is another.
    bool resolve();
    void apply();
    void remember() const;

    PaletteChoice choice_ = PaletteChoice::day;
    Scheme scheme_ = Scheme::day;
    int dimming_ = 0;
    bool printing_ = false;
    QTimer* clock_;
    friend class PrintingByDay;
    friend QColor ink(const QColor& day);
    friend QPalette widgetPalette();
    friend void drawInPalette(QPainter*, const QRect&, const std::function<void(QPainter*)>&);
};

/// A day colour as the palette in force shows it (alpha kept).
QColor ink(const QColor& day);
/// A window's stored colour as the palette in force shows it.
inline QColor shown(VbColor day) { return ink(toQColor(day)); }
/// The palette of Qt's widgets (menus, dialogs, tables, tooltips) in force.
QPalette widgetPalette();

/// What draw paints over rect, as the palette in force has it: by night
/// drawn on a layer whose every pixel is then made red, so that the
/// style's own shades (a white sheen on a button, a grey shadow) keep to
/// the night's rule; otherwise drawn as it is. The windows' style draws
/// through it.
void drawInPalette(QPainter* p, const QRect& rect, const std::function<void(QPainter*)>& draw);

/// While one is held, everything is drawn by day: for printing.
class PrintingByDay {
public:
    PrintingByDay();
    ~PrintingByDay();
    PrintingByDay(const PrintingByDay&) = delete;
    PrintingByDay& operator=(const PrintingByDay&) = delete;

private:
    bool was_;
};

}  // namespace morvel::toolkit
