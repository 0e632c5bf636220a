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

#include <array>

namespace morvel::gcs {

/// A column of boxes or captions beside every row but the distance's (3),
/// which has no minutes.
template <class T>
class MinutesColumn {
public:
    T& operator()(int i) const { return *items_.at(size_t(i)); }
    static bool has(int i) { return i != 3; }
    void set(int i, T& c) { items_.at(size_t(i)) = &c; }

private:
    std::array<T*, 8> items_{};
};

class Gcsf : public calc::CalculatorWindow {
public:
    Gcsf();

    /// "&Calculate": reads and checks the rows in their order, forms the
    /// DLo from two longitudes, solves the passage, then fills in the
    /// missing longitude and the final course.
    void cmdStart_Click();
    void calculate() override { cmdStart_Click(); }
    /// The message for a set of inputs that is not a passage; then reset.
    void inmessage();
    /// Shows x1 (and x2 when f is 2) in row m - 1: degrees and minutes to a
    /// tenth, the DLo as at most 180 degrees, the distance in nautical miles
    /// to a tenth; sets the direction buttons of rows 0 to 2.
    void output(double x1, double x2, int16_t f, int16_t m) override;
    /// The longitude not given, from the one given (n1 = 2 the departure's,
    /// 4 the destination's) and the first solution's DLo.
    void longout(int16_t n1, double lo1, double lo2);
    /// The course on arrival, for each solution, in row 7.
    void xout();

    /// Restores the result side: colours, the status and second-solution
    /// columns, the final course row and the diagram's results. The typed
    /// texts and the direction buttons of the input rows stay.
    void reset();
    void Clear_Click();

    toolkit::ControlArray<toolkit::TextBox> txtDeg;  ///< degrees (miles for the distance)
    MinutesColumn<toolkit::TextBox> txtMin;
    toolkit::ControlArray<toolkit::Label> lblDeg;    ///< "Deg" ("nmi")
    MinutesColumn<toolkit::Label> lblMin;            ///< "Min"
    toolkit::ControlArray<toolkit::TextBox> txtIo;
    toolkit::ControlArray<toolkit::TextBox> txtDeg2;
    MinutesColumn<toolkit::TextBox> txtMin2;
    toolkit::ControlArray<toolkit::Label> lblDeg2;
    MinutesColumn<toolkit::Label> lblMin2;

    toolkit::Frame& fraLat;
    toolkit::OptionButton& optLatN;
    toolkit::OptionButton& optLatS;
    toolkit::Frame& fraLoDep;
    toolkit::OptionButton& optLodepE;
    toolkit::OptionButton& optLodepW;
    toolkit::Frame& fraDec;
    toolkit::OptionButton& optDecN;
    toolkit::OptionButton& optDecS;
    toolkit::Frame& fraLodes;
    toolkit::OptionButton& optLodesE;
    toolkit::OptionButton& optLodesW;
    toolkit::Frame& fraDlo;
    toolkit::OptionButton& optDloE;
    toolkit::OptionButton& optDloW;

    toolkit::Frame& fraLat2;
    toolkit::OptionButton& optLatN2;
    toolkit::OptionButton& optLatS2;
    toolkit::Frame& fraLodep2;
    toolkit::OptionButton& optLodepE2;
    toolkit::OptionButton& optLodepW2;
    toolkit::Frame& fraDec2;
    toolkit::OptionButton& optDecN2;
    toolkit::OptionButton& optDecS2;
    toolkit::Frame& fraLodes2;
    toolkit::OptionButton& optLodesE2;
    toolkit::OptionButton& optLodesW2;
    toolkit::Frame& fraDlo2;
    toolkit::OptionButton& optDloE2;
    toolkit::OptionButton& optDloW2;

    toolkit::CommandButton& cmdStart;
    toolkit::CommandButton& Clear;
    toolkit::CommandButton& Print;
    toolkit::CommandButton& cmdExit;

protected:
    void Form_Load() override;

private:
    /// A row typed in degrees and minutes, after its checks.
    struct Angle {
        bool given = false;
        double radians = 0;  ///< degrees and minutes together, not signed
    };
    /// Reads row i and makes its checks in its order; false when one of
    /// them stopped the calculation.
    bool readRow(int i, Angle& a);
    /// Writes the degrees and minutes (or the miles) of x in row i, in the
    /// first column or the second, on cyan.
    void show(int i, double x, bool second);
    /// The DLo formed from two longitudes, with East or West from itself.
    void showFormedDlo(double lha);
    /// lblDat(7), lblDeg(7), lblMin(7), txtDeg(7) and txtMin(7).
    void showFinalCourseRow(bool visible);

    /// The direction buttons of rows 0, 1, 2, 5 and 6: North or East first.
    struct Directions {
        toolkit::OptionButton* first = nullptr;
        toolkit::OptionButton* second = nullptr;
    };
    std::array<Directions, 8> directions_;
};

}  // namespace morvel::gcs
