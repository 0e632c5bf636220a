/// \file gcs_window.h
/// \brief gcsf, great circle sailing: from two positions the distance and
/// the initial and final courses, from a position, course and distance the
/// landfall. The engine's celestial slots carry the departure (latitude),
/// the DLo measured westward (LHA), the destination (declination), 90
/// degrees less the distance (altitude) and the initial course (azimuth);
/// gcs/sailing.h maps a passage onto them.
///
/// Rows are addressed by one index shared by txtDeg, txtMin, txtIo and the
/// second-solution twins, and the engine's field number is the index + 1:
/// 0 latitude of departure, 1 DLo, 2 latitude of destination, 3 distance in
/// nautical miles (no minutes box), 4 initial course, 5 longitude of
/// departure, 6 longitude of destination, 7 final course (a result only).
/// On the window the rows stand in the order 0, 5, 2, 6, 1, 3, 4, 7, and
/// three captions carry another index than their boxes: lblDat(1) is
/// beside txtDeg(5), lblDat(5) beside txtDeg(6), lblDat(6) beside txtDeg(1)
/// (lblDeg and lblMin alike). Latitudes are north positive, longitudes east
/// positive; txtIo(i) marks a row "Input", "Output" or "2 Outputs".
#pragma once

#include "calc/calculator_window.h"

namespace morvel::gcs {

class Gcsf : public calc::CalculatorWindow {
public:
    Gcsf();

    /// "&Calculate": reads and checks the rows in their order, forms the
    /// DLo from two longitudes, solves the passage, then fills in the
    /// missing longitude and the final course.
    void cmdStart_Click() override;
    void calculate() override { cmdStart_Click(); }
    /// The message for a set of inputs that is not a passage; then reset.
    void inmessage();
    /// Shows x1 (and x2 when f is 2) in row m - 1 as CalculatorWindow does;
    /// the DLo's direction from the courses.
    void output(double x1, double x2, int16_t f, int16_t m) override;
    /// The longitude not given, from the one given (n1 = 2 the departure's,
    /// 4 the destination's) and each solution's DLo.
    void longout(int16_t n1, double lo1, double lo2);
    /// The course on arrival, for each solution, in row 7.
    void xout();

    /// Restores the result side as CalculatorWindow does, and hides the
    /// final course row. The second minutes keep their texts.
    void reset() override;
    void Clear_Click() override;

    // The boxes, the latitudes' direction buttons and the commands are in
    // CalculatorWindow.
    toolkit::ControlArray<toolkit::Label> lblDeg;  ///< "Deg" ("nmi")
    calc::MinutesColumn<toolkit::Label> lblMin;    ///< "Min"
    toolkit::ControlArray<toolkit::Label> lblDeg2;
    calc::MinutesColumn<toolkit::Label> lblMin2;

    toolkit::Frame& fraLoDep;
    toolkit::OptionButton& optLodepE;
    toolkit::OptionButton& optLodepW;
    toolkit::Frame& fraLodes;
    toolkit::OptionButton& optLodesE;
    toolkit::OptionButton& optLodesW;
    toolkit::Frame& fraDlo;
    toolkit::OptionButton& optDloE;
    toolkit::OptionButton& optDloW;

    toolkit::Frame& fraLodep2;
    toolkit::OptionButton& optLodepE2;
    toolkit::OptionButton& optLodepW2;
    toolkit::Frame& fraLodes2;
    toolkit::OptionButton& optLodesE2;
    toolkit::OptionButton& optLodesW2;
    toolkit::Frame& fraDlo2;
    toolkit::OptionButton& optDloE2;
    toolkit::OptionButton& optDloW2;

protected:
    void Form_Load() override;
    /// Degrees and minutes to a tenth, the DLo as at most 180 degrees, the
    /// distance in nautical miles to a tenth.
    navtext::DegMinText resultText(int i, double x) const override;

private:
    /// The DLo formed from two longitudes, with East or West from itself.
    void showFormedDlo(double lha);
    /// lblDat(7), lblDeg(7), lblMin(7), txtDeg(7) and txtMin(7).
    void showFinalCourseRow(bool visible);
};

}  // namespace morvel::gcs
