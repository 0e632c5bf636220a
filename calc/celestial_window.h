/// \file celestial_window.h
/// \brief What the two celestial-triangle windows share: the five rows of
/// latitude, LHA, declination, altitude and azimuth, their hemisphere
/// buttons, markers and second-solution boxes, the command buttons, and the
/// procedures over them: calculate, output, reset, clearall, Print, Quit and
/// the marking of an animation step. A window differs from the other only
/// in its CelestialTable (captions, messages, three small rules), in the
/// placement of its rows, and in its AngleEntry: how a row is typed and
/// shown (one box of decimal degrees, or a degrees box and a minutes box).
/// Where the controls both windows have stand is one table of two columns.
///
/// Rows i = 0 to 4 are the engine's field numbers m = i + 1: latitude, LHA,
/// declination, altitude, azimuth. txtIo(i) marks a row "Input", "Output" or
/// "2 Outputs".
#pragma once

#include "calc/calculator_window.h"
#include "calc/degmin.h"

#include <array>
#include <vector>

namespace morvel::calc {

/// How a window's rows take an angle and show one back: one box of decimal
/// degrees (txtDeg), or a degrees box and a minutes box; and the texts of a
/// result. A window without minutes leaves the minutes arrays empty.
struct AngleEntry {
    /// The texts of the angle x (radians) of field m: its degrees, and its
    /// minutes where the window has minutes boxes.
    using Format = DegMinText (*)(double x, double deg, int16_t m);
    Format format = nullptr;
    toolkit::ControlArray<toolkit::TextBox> minutes;   ///< beside txtDeg
    toolkit::ControlArray<toolkit::TextBox> minutes2;  ///< beside txtDeg2
    /// Captions shown with a second value ("Deg", "Min").
    std::vector<toolkit::ControlArray<toolkit::Label>> captions2;
};

/// What one celestial window states about its rows and rules.
struct CelestialTable {
    /// Per row: the caption of lblDat(i), the stop for a value out of range
    /// and the warning for minutes out of range (none with decimal degrees).
    struct Row {
        QString caption, rangeMessage, minutesMessage;
    };
    std::array<Row, 5> rows;

    /// calculate ends with calcflag = 1 (decimal degrees) or leaves it at 0.
    bool calculateSetsCalcflag;
    /// reset turns the captions black again (degrees and minutes).
    bool resetBlackensCaptions;
    /// clearall hides the active window's circle-arc remark (decimal degrees).
    bool clearHidesCircarc;
};

class CelestialWindow : public CalculatorWindow {
public:
    /// index is 1 (locddf) or 2 (locdmf): it picks where the controls the
    /// two windows share stand.
    CelestialWindow(int index, const QString& name, const QString& caption, const CelestialTable& table);

    /// Reads and checks the five rows in their order, forms the case code and
    /// calls its solver, which reports through output, other and transfer.
    void calculate() override;
    /// Shows x1 (and x2 when f is 2) in row m - 1, marks it and sets the
    /// hemisphere buttons of latitude and declination (exactly 0 is South).
    void output(double x1, double x2, int16_t f, int16_t m) override;
    void clearall() override;

    /// Removes all results and markers; leaves the typed texts and the
    /// entry hemispheres alone.
    void reset();

    // Event handlers.
    void cmdStart_Click();
    void Clear_Click();

    toolkit::ControlArray<toolkit::TextBox> txtDeg;   ///< entry and first result (degrees)
    toolkit::Frame& fraLat;
    toolkit::OptionButton& optLatN;
    toolkit::OptionButton& optLatS;
    toolkit::Frame& fraDec;
    toolkit::OptionButton& optDecN;
    toolkit::OptionButton& optDecS;
    toolkit::ControlArray<toolkit::TextBox> txtIo;    ///< "Input", "Output", "2 Outputs"
    toolkit::ControlArray<toolkit::TextBox> txtDeg2;  ///< second result (degrees)
    toolkit::Frame& fraLat2;
    toolkit::OptionButton& optLatN2;
    toolkit::OptionButton& optLatS2;
    toolkit::Frame& fraDec2;
    toolkit::OptionButton& optDecN2;
    toolkit::OptionButton& optDecS2;
    toolkit::CommandButton& cmdStart;
    toolkit::CommandButton& Clear;
    toolkit::CommandButton& Print;
    toolkit::CommandButton& cmdExit;

protected:
    /// The window's way of typing and showing an angle; set by the window's
    /// constructor once its boxes exist.
    void setEntry(AngleEntry entry) { entry_ = std::move(entry); }
    void markStepInputs() override;

    /// Rows are 360 twips apart.
    static constexpr double rowTop(int i) { return 120 + 360 * i; }

private:
    struct Value {
        bool given = false;
        double radians = 0;
    };
    /// Reads row i and makes its checks in its quantity's order; false when
    /// one of them stopped the calculation.
    bool readRow(int i, Value& v);
    void placeSharedControls(int index);

    // Row i through the angle entry.
    AngleReading read(int i, bool signedDegrees) const;
    /// The boxes a user types row i into.
    std::vector<toolkit::TextBox*> inputs(int i) const;
    /// Shows x in row i's first boxes, or its second ones (made visible), on cyan.
    void show(int i, double x, double deg, bool second);
    /// Empties, whitens and hides row i's second value.
    void hideSecond(int i);

    const CelestialTable& table_;
    AngleEntry entry_;
};

}  // namespace morvel::calc
