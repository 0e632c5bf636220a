#include "gcs/gcs_window.h"

#include "engine/angles.h"
#include "engine/cases.h"
#include "gcs/sailing.h"
#include "navtext/numtext.h"

#include <cmath>
#include <numbers>

namespace morvel::gcs {

using namespace toolkit;
using calc::Check;
using calc::RowRule;

namespace {

using math::degree;

// The wording is the window's own: "from to to", the missing blank in
// "longitudeof", the two blanks before "degrees" and the blank that ends
// the DLo's minutes message. The distance (3) and the final course (7) are
// not read as angles.
const RowRule rules[8] = {
    {0, 90, {Check::range, Check::minutes, Check::hemisphere, Check::combine, Check::marker},
     QStringLiteral("Enter a value of latitude degrees from 0 to 90"),
     QStringLiteral("Enter a value of latitude minutes from to to 59.9"),
     QStringLiteral("Select N or S Latitude of Departure")},
    // The DLo is marked before its direction and minutes are looked at.
    {0, 360, {Check::range, Check::marker, Check::hemisphere, Check::minutes, Check::combine},
     QStringLiteral("Enter a Value of DLo degrees from 0 to 360"),
     QStringLiteral("Enter a value of DLo minutes from to to 59.9 "), QStringLiteral("Select E or W DLo")},
    // The destination's hemisphere is asked for before its minutes.
    {0, 90, {Check::range, Check::hemisphere, Check::minutes, Check::combine, Check::marker},
     QStringLiteral("Enter a value of declination degrees from 0 to 90"),
     QStringLiteral("Enter a value of declination minutes from 0 to 59.9"),
     QStringLiteral("Select N or S Latitude of destination")},
    {},
    {0, 360, {Check::range, Check::minutes, Check::combine, Check::marker},
     QStringLiteral("Enter a value of azimuth degrees from 0 to 360"),
     QStringLiteral("Enter a value of azimuth minutes from 0 to 59.9"), QString()},
    // A longitude is marked before its direction is asked for.
    {0, 180, {Check::range, Check::minutes, Check::combine, Check::marker, Check::hemisphere},
     QStringLiteral("Enter a value of longitudeof departure  degrees from 0 to 180"),
     QStringLiteral("Enter a value of longitude of departure minutes from 0 to 59.9"),
     QStringLiteral("Select E or W Longitude of Departure")},
    {0, 180, {Check::range, Check::minutes, Check::combine, Check::marker, Check::hemisphere},
     QStringLiteral("Enter a value of longitude of destination degrees from 0 to 180"),
     QStringLiteral("Enter a value of longitude of destination minutes from 0 to 59.9"),
     QStringLiteral("Select E or W Longitude of Destination")},
    {},
};

const QString distanceMessage = QStringLiteral("Enter a value of distancefrom 0 to 10800 nm");
constexpr double halfCircleMiles = 10800;

// ---- Layout: Left, Top, Width, Height in twips ----

/// The rows from the top, 420 twips apart: the box index of each and the
/// index of its caption, "Deg" and "Min" labels.
struct ScreenRow {
    int box, caption;
};
constexpr ScreenRow screenRows[8] = {{0, 0}, {5, 1}, {2, 2}, {6, 5}, {1, 6}, {3, 3}, {4, 4}, {7, 7}};
constexpr double rowTop(int k) { return 120 + 420 * k; }

const char* const captions[8] = {
    "&Latitude of Departure", "Longitude of Departure", "Latitude of &Destination", "Dist&ance",
    "Initial Course (Cn)",    "Longitude of Destination", "DLo",                    "Final Course",
};

/// Tab order: the five triangle rows (caption, degrees, minutes), then
/// "&Calculate", "Cl&ear", the direction buttons of those rows, the two
/// longitude rows with theirs, "&Print", "&Quit", the final course row;
/// the diagram's commands and the result columns after them.
constexpr int rowTab(int box) { return box <= 4 ? 3 * box : box == 5 ? 26 : box == 6 ? 32 : 41; }
constexpr int cmdStartTab = 15, ClearTab = 16, PrintTab = 38, cmdExitTab = 39, txtOtherTab = 40;
constexpr int txtIoTab = 51, secondColumnTab = 70, unitLabelTab = 130;

diagram::DiagramPlacement placement()
{
    diagram::DiagramPlacement p;
    p.centreX = 7800;
    p.centreY = 4940;
    p.radius = 1380;
    p.cmdDraw1 = {720, 4560, 1095, 495, 45};
    p.cmdDraw2 = {2040, 4560, 1095, 495, 46};
    p.txtMD = {960, 5160, 1935, 285, 50};
    p.chkEllipse = {1440, 6240, 900, 195, 69};
    p.txtCircarc = {0, 6540, 5265, 285, 123};
    p.circarcText = QStringLiteral("Plotted values of DLo & Cn may differ from numerical values");
    p.linHCount = 43;
    p.departureMarker = true;
    return p;
}

/// Every row has minutes but the distance's.
bool hasMinutes(int row) { return row != 3; }

}  // namespace

Gcsf::Gcsf()
    : CalculatorWindow(3, QStringLiteral("gcsf"), QStringLiteral("Great Circle Sailing"), 10380, 6795,
                       {.count = 8,
                        .hasMinutes = hasMinutes,
                        .resetBlackensCaptions = true,
                        .resetEmptiesSecondMinutes = false},
                       placement()),
      lblDeg(addArray<Label>(QStringLiteral("lblDeg"), 0, 7)),
      lblMin(addMinutesColumn<Label>(QStringLiteral("lblMin"), hasMinutes)),
      lblDeg2(addArray<Label>(QStringLiteral("lblDeg2"), 0, 7)),
      lblMin2(addMinutesColumn<Label>(QStringLiteral("lblMin2"), hasMinutes)),
      fraLoDep(add<Frame>(QStringLiteral("fraLoDep"))),
      optLodepE(add<OptionButton>(QStringLiteral("optLodepE"), -1, &fraLoDep)),
      optLodepW(add<OptionButton>(QStringLiteral("optLodepW"), -1, &fraLoDep)),
      fraLodes(add<Frame>(QStringLiteral("fraLodes"))),
      optLodesE(add<OptionButton>(QStringLiteral("optLodesE"), -1, &fraLodes)),
      optLodesW(add<OptionButton>(QStringLiteral("optLodesW"), -1, &fraLodes)),
      fraDlo(add<Frame>(QStringLiteral("fraDlo"))),
      optDloE(add<OptionButton>(QStringLiteral("optDloE"), -1, &fraDlo)),
      optDloW(add<OptionButton>(QStringLiteral("optDloW"), -1, &fraDlo)),
      fraLodep2(add<Frame>(QStringLiteral("fraLodep2"))),
      optLodepE2(add<OptionButton>(QStringLiteral("optLodepE2"), -1, &fraLodep2)),
      optLodepW2(add<OptionButton>(QStringLiteral("optLodepW2"), -1, &fraLodep2)),
      fraLodes2(add<Frame>(QStringLiteral("fraLodes2"))),
      optLodesE2(add<OptionButton>(QStringLiteral("optLodesE2"), -1, &fraLodes2)),
      optLodesW2(add<OptionButton>(QStringLiteral("optLodesW2"), -1, &fraLodes2)),
      fraDlo2(add<Frame>(QStringLiteral("fraDlo2"))),
      optDloE2(add<OptionButton>(QStringLiteral("optDloE2"), -1, &fraDlo2)),
      optDloW2(add<OptionButton>(QStringLiteral("optDloW2"), -1, &fraDlo2))
{
    move(165 / 15, 450 / 15);
    setDirections(1, {fraDlo, optDloE, optDloW}, {fraDlo2, optDloE2, optDloW2});
    setDirections(5, {fraLoDep, optLodepE, optLodepW}, {fraLodep2, optLodepE2, optLodepW2});
    setDirections(6, {fraLodes, optLodesE, optLodesW}, {fraLodes2, optLodesE2, optLodesW2});
    for (OptionButton* o : {&optDloE, &optLodepE, &optLodesE, &optDloE2, &optLodepE2, &optLodesE2})
        o->setCaption(QStringLiteral("East"));
    for (OptionButton* o : {&optDloW, &optLodepW, &optLodesW, &optDloW2, &optLodepW2, &optLodesW2})
        o->setCaption(QStringLiteral("West"));

    // The rows. Each second-solution control stands in the row of the
    // first-solution control with its index.
    for (int k = 0; k <= 7; ++k) {
        const auto [i, c] = screenRows[k];
        const double top = rowTop(k);
        const bool miles = i == 3;
        lblDat(c).setCaption(QString::fromLatin1(captions[c]));
        place(lblDat(c), 120, top, 2160, 195, rowTab(i));
        // The access key of a caption moves the focus to its row's box.
        lblDat(c).setBuddy(&txtDeg(i));
        place(txtDeg(i), 2400, top, miles ? 975 : 600, 285, rowTab(i) + 1);
        place(lblDeg(c), miles ? 3480 : 3030, top, 375, 255, unitLabelTab + c);
        place(txtIo(i), 5640, top, 975, 285, txtIoTab + i);
        place(txtDeg2(i), 6720, top, miles ? 975 : 600, 285, secondColumnTab + 2 * i);
        // The second distance is as wide as the first: its "nmi" stands
        // where a minutes box would, as in the first column, clear of it.
        place(lblDeg2(i), miles ? 7920 : 7440, top, 375, 255, unitLabelTab + 8 + i);
        for (Label* l : {&lblDeg(c), &lblDeg2(i)}) {
            l->setCaption(miles ? QStringLiteral("nmi") : QStringLiteral("Deg"));
            l->setBackColor(colors::lightYellow);
        }
        addSecondCaption(i, lblDeg2(i));
        if (miles)
            continue;
        place(txtMin(i), 3480, top, 600, 285, rowTab(i) + 2);
        place(lblMin(c), 4200, top, 375, 255, unitLabelTab + 16 + c);
        place(txtMin2(i), 7920, top, 600, 285, secondColumnTab + 2 * i + 1);
        place(lblMin2(i), 8700, top, 375, 255, unitLabelTab + 24 + i);
        for (Label* l : {&lblMin(c), &lblMin2(i)}) {
            l->setCaption(QStringLiteral("Min"));
            l->setBackColor(colors::lightYellow);
        }
        addSecondCaption(i, lblMin2(i));
    }
    // The final course row waits for a result.
    showFinalCourseRow(false);

    // The direction frames: the first column's beside the minutes, the
    // second's at the right; two buttons one above the other, a pixel
    // inside the frame's border and as tall as their circles. screenRow
    // counts from the top; tab is the frame's tab index, its buttons'
    // follow.
    struct Pair {
        int screenRow, tab;
        Frame& frame;
        OptionButton& first;
        OptionButton& second;
        Frame& frame2;
        OptionButton& first2;
        OptionButton& second2;
    };
    const Pair pairs[] = {
        {0, 17, fraLat, optLatN, optLatS, fraLat2, optLatN2, optLatS2},
        {1, 29, fraLoDep, optLodepE, optLodepW, fraLodep2, optLodepE2, optLodepW2},
        {2, 20, fraDec, optDecN, optDecS, fraDec2, optDecN2, optDecS2},
        {3, 35, fraLodes, optLodesE, optLodesW, fraLodes2, optLodesE2, optLodesW2},
        {4, 23, fraDlo, optDloE, optDloW, fraDlo2, optDloE2, optDloW2},
    };
    for (const Pair& p : pairs) {
        const double top = rowTop(p.screenRow);
        const bool dlo = &p.frame == &fraDlo;
        const int tab = p.tab;
        const int tab2 = secondColumnTab + 16 + 3 * p.screenRow;
        place(p.frame, dlo ? 4560 : 4620, top, dlo ? 855 : 915, 390, tab);
        place(p.frame2, 9120, top, 1035, 390, tab2);
        const double inner = (dlo ? 855 : 915) - 120;
        place(p.first, 90, 15, inner, 180, tab + 1);
        place(p.second, 90, 195, inner, 180, tab + 2);
        place(p.first2, 90, 15, 1035 - 120, 180, tab2 + 1);
        place(p.second2, 90, 195, 1035 - 120, 180, tab2 + 2);
    }

    place(cmdStart, 720, 3660, 1095, 495, cmdStartTab);
    place(Clear, 2040, 3660, 1095, 495, ClearTab);
    place(Print, 720, 5520, 1095, 495, PrintTab);
    place(cmdExit, 2040, 5520, 1095, 495, cmdExitTab);
    place(txtOther, 240, 4200, 3375, 285, txtOtherTab);
}

void Gcsf::Form_Load()
{
    deselectHemispheres();
    for (int i = 1; i <= 3; ++i)
        engine::forms[size_t(i)] = calc::registered(i);
}

// ---- Calculation ----

void Gcsf::cmdStart_Click()
{
    engine::setup(3);
    reset();
    engine::nout = 1;
    engine::actform = 3;

    // South and West are negative; the DLo is measured westward.
    calc::RowValue latDep, dlo, latDes, course, lonDep, lonDes;
    if (!readRow(0, rules[0], latDep) || !readRow(1, rules[1], dlo) || !readRow(2, rules[2], latDes))
        return;
    const double lat = latDep.signedRadians();
    double lha = westward(dlo.radians, optDloE.value());
    const double dec = latDes.signedRadians();

    // No two places are more than half a great circle apart: a distance
    // beyond it (or below 0) has no passage, and solving it anyway would
    // show latitudes beyond 90 degrees. A distance typed as no number stops
    // the same way.
    const std::string milesText = txtDeg(3).text().toStdString();
    const std::optional<navtext::TextNumber> typed = navtext::typedNumber(milesText);
    const navtext::TextNumber miles = typed.value_or(navtext::TextNumber{});
    const bool distance = navtext::isGiven(milesText);
    if ((distance && !typed) || miles.overflow || miles.value < 0 || miles.value > halfCircleMiles)
        return stop(distanceMessage, txtDeg(3));
    const double alt = altitudeOf(miles.value);
    if (distance)
        markInput(3);

    if (!readRow(4, rules[4], course))
        return;
    const double zn = course.radians;
    const QString inconsistent = QStringLiteral("DLo and Initial Course Inconsistent. Reenter");
    if (dlo.given && course.given && courseDisagrees(lha, zn))
        return stop(inconsistent, txtDeg(4));

    if (!readRow(5, rules[5], lonDep) || !readRow(6, rules[6], lonDes))
        return;
    const double lo1 = lonDep.signedRadians(), lo2 = lonDes.signedRadians();
    const int16_t loncode = int16_t(2 * lonDep.given + 4 * lonDes.given);

    const int given = latDep.given + dlo.given + latDes.given + distance + course.given;
    const InputSet set = inputSet(given, dlo.given, lonDep.given, lonDes.given);
    if (set == InputSet::rejected)
        return inmessage();
    const bool formed = set == InputSet::dloFromLongitudes;
    if (formed) {
        lha = dloBetween(lo1, lo2);
        // A course away from the destination would be solved as its mirror
        // image, the passage on the other side of the meridian.
        if (course.given && courseDisagrees(lha, zn))
            return stop(inconsistent, txtDeg(4));
    }

    engine::Givens g = givens(lat, lha, dec, alt, zn);
    engine::solvecase(engine::casecode(latDep.given, dlo.given || formed, latDes.given, distance, course.given), g);
    // The DLo between the longitudes is shown with the passage it belongs
    // to; without one the engine's message stands alone.
    if (formed && engine::nout > 0)
        showFormedDlo(lha);
    if (loncode == 2 || loncode == 4)
        longout(loncode, lo1, lo2);
    xout();
}

void Gcsf::inmessage()
{
    message(QStringLiteral("Enter one or no longitude and 2 other inputs\r\nor 2 longitudes and 2 other inputs, no DLo"));
    reset();
}

// ---- Results ----

navtext::DegMinText Gcsf::resultText(int i, double x) const
{
    if (i == 3)
        return {navtext::numberText(shownMiles(x)), {}};
    // Latitudes and longitudes by their buttons, the DLo as at most 180.
    const double magnitude = i == 1 ? shownDlo(x) : std::abs(x);
    return navtext::degMinText(magnitude / degree, false);
}

void Gcsf::output(double x1, double x2, int16_t f, int16_t m)
{
    CalculatorWindow::output(x1, x2, f, m);
    if (f != 0 && m == 2) {
        // A destination to the west is reached on a westerly course.
        (dloShownEast(x1, engine::az1, false) ? optDloE : optDloW).setValue(true);
        if (f == 2)
            fraDlo2.setVisible(true);
        (dloShownEast(x2, engine::az2, false) ? optDloE2 : optDloW2).setValue(true);
    }
}

void Gcsf::showFormedDlo(double lha)
{
    output(lha, 0, 1, 2);
    (dloShownEast(lha, 0, true) ? optDloE : optDloW).setValue(true);
}

void Gcsf::longout(int16_t n1, double lo1, double lo2)
{
    // Without a passage there is no far end.
    if (engine::nout == 0 || (n1 != 2 && n1 != 4))
        return;
    const bool destination = n1 == 2;
    auto farEnd = [&](double lha) {
        return destination ? longitudeOfDestination(lo1, lha) : longitudeOfDeparture(lo2, lha);
    };
    // Each passage has its own far end, in the row's two columns; exactly 0
    // is West.
    const int16_t n = engine::nout;
    const double L1 = farEnd(engine::lha1), L2 = n == 2 ? farEnd(engine::lha2) : 0;
    const int16_t m = destination ? 7 : 6;
    output(std::abs(L1), std::abs(L2), n, m);
    showHemispheres(m - 1, L1, L2, n, false);
}

void Gcsf::xout()
{
    // Without a passage there is no course on arrival: the row stays hidden.
    const int16_t n = engine::nout;
    if (n == 0)
        return;
    using engine::lat1, engine::lha1, engine::dec1, engine::az1;
    using engine::lat2, engine::lha2, engine::dec2, engine::az2;
    const double fc1 = finalCourse(lat1, lha1, dec1, az1);
    const double fc2 = n == 2 ? finalCourse(lat2, lha2, dec2, az2) : 0;
    showFinalCourseRow(true);
    output(fc1, fc2, n, 8);
}

// ---- Housekeeping ----

void Gcsf::showFinalCourseRow(bool visible)
{
    for (Control* c : {static_cast<Control*>(&lblDat(7)), static_cast<Control*>(&lblDeg(7)),
                       static_cast<Control*>(&lblMin(7)), static_cast<Control*>(&txtDeg(7)),
                       static_cast<Control*>(&txtMin(7))})
        c->setVisible(visible);
}

void Gcsf::reset()
{
    CalculatorWindow::reset();
    showFinalCourseRow(false);
}

void Gcsf::Clear_Click()
{
    clearRows();
}

}  // namespace morvel::gcs
