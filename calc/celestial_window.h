/// \file celestial_window.h
/// \brief What the two celestial-triangle windows share: the five rows of
/// latitude, LHA, declination, altitude and azimuth with their checks, the
/// calculation over them, the marking of an animation step and "Cl&ear". A
/// window differs from the other only in its CelestialTable (captions,
/// messages, minutes or not, three small rules), in the placement of its
/// rows, and in how it writes a result (resultText). Where the controls
/// both windows have stand is one table of two columns.
///
/// Rows i = 0 to 4 are the engine's field numbers m = i + 1: latitude, LHA,
/// declination, altitude, azimuth (calculator_window.h describes a row).
#pragma once

#include "calc/calculator_window.h"

#include <array>

namespace morvel::calc {

/// What one celestial window states about its rows and rules.
struct CelestialTable {
    /// Per row: the caption of lblDat(i), the stop for a value out of range
    /// and the warning for minutes out of range (none with decimal degrees).
    struct Row {
        QString caption, rangeMessage, minutesMessage;
    };
    std::array<Row, 5> rows;

    /// Each angle is typed as degrees and minutes (else decimal degrees).
    bool minutes;
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
    /// Clear, then calcflag = 0 (and the remark, see CelestialTable).
    void clearall() override;

    // Event handlers.
    void cmdStart_Click() override;
    void Clear_Click() override;

protected:
    void markStepInputs() override;

    /// Rows are 360 twips apart.
    static constexpr double rowTop(int i) { return 120 + 360 * i; }

private:
    void placeSharedControls(int index);

    const CelestialTable& table_;
    std::array<RowRule, 5> rules_;
};

}  // namespace morvel::calc
