#include "calc/celestial_window.h"

#include "engine/angles.h"
#include "engine/cases.h"
#include "toolkit/language.h"

#include <cmath>

namespace morvel::calc {

using namespace toolkit;

namespace {

/// The five quantities of the celestial triangle, in field order. Ranges are
/// in degrees, inclusive. With decimal degrees there are no minutes: the
/// minutes step never warns and the combined value is the value checked
/// first, so the order below reduces to range, hemisphere, marker.
struct Quantity {
    double lo, hi;
    /// The message for a latitude or declination without its hemisphere.
    const char* hemisphereMessage;
    /// The altitude's sign comes from what is typed; latitude and
    /// declination take theirs from the hemisphere buttons.
    bool signedDegrees;
    std::vector<Check> checks;
};

const Quantity quantities[5] = {
    {0, 90, "Select N or S Latitude", false,
     {Check::range, Check::minutes, Check::hemisphere, Check::combine, Check::marker}},
    // The LHA is marked before its minutes are looked at.
    {0, 360, "", false, {Check::range, Check::marker, Check::minutes, Check::combine}},
    // The declination's hemisphere is asked for before its minutes.
    {0, 90, "Select N or S Declination", false,
     {Check::range, Check::hemisphere, Check::minutes, Check::combine, Check::marker}},
    {-90, 90, "", true, {Check::range, Check::minutes, Check::combine, Check::marker}},
    {0, 360, "", false, {Check::range, Check::minutes, Check::combine, Check::marker}},
};

bool everyRowHasMinutes(int) { return true; }
bool noRowHasMinutes(int) { return false; }

}  // namespace

// ---- Where the controls the two windows share stand ----
// Left, Top, Width, Height in twips, and tab index; one column a window.
namespace layout {
namespace {

using toolkit::Place;
constexpr int decimalColumn = 0, degMinColumn = 1;

/// A hemisphere frame and its North and South buttons' tab indices; the
/// buttons stand at (120, 60) and (120, 300) in the 1035 x 505 frame.
struct HemispherePlace {
    double left, top;
    int frameTab, northTab, southTab;
};
//                                   locddf                  locdmf
const HemispherePlace fraLat[2] = {{2880, 0, 10, 14, 13}, {3420, 0, 16, 21, 20}};
const HemispherePlace fraDec[2] = {{2880, 720, 11, 16, 15}, {3420, 720, 17, 23, 22}};
const HemispherePlace fraLat2[2] = {{6600, 0, 30, 31, 32}, {7800, 0, 37, 38, 39}};
const HemispherePlace fraDec2[2] = {{6600, 720, 27, 28, 29}, {7800, 720, 34, 35, 36}};

//                           locddf                         locdmf
const Place cmdStart[2] = {{720, 2220, 1095, 495, 9}, {720, 2220, 1095, 495, 15}};
const Place Clear[2] = {{1920, 2220, 1095, 495, 43}, {1920, 2220, 1095, 495, 50}};
const Place txtOther[2] = {{240, 3000, 3375, 285, 33}, {240, 3000, 3375, 285, 40}};
const Place Print[2] = {{720, 5400, 1095, 495, 45}, {720, 5400, 1095, 495, 52}};
const Place cmdExit[2] = {{2040, 5400, 1095, 495, 12}, {2040, 5400, 1095, 495, 18}};
const toolkit::VbColor cmdStartColor[2] = {colors::lightYellow, colors::white};

// The diagram's commands and the animation.
const Place cmdDraw1[2] = {{720, 3360, 1095, 495, 41}, {720, 3360, 1095, 495, 48}};
const Place cmdDraw2[2] = {{2040, 3360, 1095, 495, 42}, {2040, 3360, 1095, 495, 49}};
const Place txtMD[2] = {{960, 4080, 1935, 285, 46}, {960, 4080, 1935, 285, 53}};
const Place chkEllipse[2] = {{840, 6120, 900, 195, 48}, {720, 6120, 900, 195, 79}};
const Place txtCircarc[2] = {{0, 6480, 5415, 285, 52}, {0, 6360, 5415, 285, 83}};
const Place Auto[2] = {{720, 4560, 1095, 495, 50}, {720, 4620, 1095, 495, 80}};
const Place Step[2] = {{2040, 4560, 1200, 495, 49}, {2040, 4620, 1215, 495, 81}};
const Place chkContinuous[2] = {{2040, 6120, 1815, 195, 51}, {1920, 6120, 1815, 195, 82}};
const char* const stepCaption[2] = {"Sin&gle Step/ Stop Auto", "Sin&gle Step/  Auto Stop"};
const char* const timerName[2] = {"Timer1", "Timer2"};
const int linHCount[2] = {42, 43};

int column(int index) { return index == 2 ? degMinColumn : decimalColumn; }

diagram::DiagramPlacement placement(int index)
{
    const int c = column(index);
    diagram::DiagramPlacement p;
    p.centreX = 6300;
    p.centreY = 4280;
    p.radius = 2000;
    p.circarcText = QStringLiteral("Plotted values of LHA & Zn may differ from numerical values");
    p.cmdDraw1 = cmdDraw1[c];
    p.cmdDraw2 = cmdDraw2[c];
    p.txtMD = txtMD[c];
    p.chkEllipse = chkEllipse[c];
    p.txtCircarc = txtCircarc[c];
    p.linHCount = linHCount[c];
    // On locdmf "Aut&o Step" marks the inputs as calculated.
    p.animation = diagram::DiagramPlacement::Animation{Auto[c], Step[c], chkContinuous[c],
                                                       QString::fromLatin1(stepCaption[c]),
                                                       QString::fromLatin1(timerName[c]), c == degMinColumn};
    return p;
}

}  // namespace
}  // namespace layout

CelestialWindow::CelestialWindow(int index, const QString& name, const QString& caption, const CelestialTable& table)
    : CalculatorWindow(index, name, caption, 8880, 6795,
                       {.count = 5,
                        .hasMinutes = table.minutes ? everyRowHasMinutes : noRowHasMinutes,
                        .resetBlackensCaptions = table.resetBlackensCaptions,
                        .resetEmptiesSecondMinutes = true},
                       layout::placement(index)),
      table_(table)
{
    // The access key of a caption moves the focus to its row's (degrees)
    // box, whatever the caption's own tab index.
    for (int i = 0; i <= 4; ++i) {
        const Quantity& q = quantities[i];
        const CelestialTable::Row& texts = table.rows[size_t(i)];
        lblDat(i).setCaption(texts.caption);
        lblDat(i).setBuddy(&txtDeg(i));
        rules_[size_t(i)] = {q.lo, q.hi, q.checks, texts.rangeMessage, texts.minutesMessage,
                             QString::fromLatin1(q.hemisphereMessage), q.signedDegrees};
    }
    placeSharedControls(index);
}

void CelestialWindow::placeSharedControls(int index)
{
    const int c = layout::column(index);
    struct Hemi {
        Frame& frame;
        const layout::HemispherePlace& place;
        OptionButton& north;
        OptionButton& south;
    };
    const Hemi hemis[] = {
        {fraLat, layout::fraLat[c], optLatN, optLatS},
        {fraDec, layout::fraDec[c], optDecN, optDecS},
        {fraLat2, layout::fraLat2[c], optLatN2, optLatS2},
        {fraDec2, layout::fraDec2[c], optDecN2, optDecS2},
    };
    for (const Hemi& h : hemis) {
        place(h.frame, h.place.left, h.place.top, 1035, 505, h.place.frameTab);
        place(h.north, 120, 60, 855, 195, h.place.northTab);
        place(h.south, 120, 300, 855, 195, h.place.southTab);
    }
    place(cmdStart, layout::cmdStart[c]);
    cmdStart.setBackColor(layout::cmdStartColor[c]);
    place(Clear, layout::Clear[c]);
    place(txtOther, layout::txtOther[c]);
    place(Print, layout::Print[c]);
    place(cmdExit, layout::cmdExit[c]);
}

// ---- Calculation ----

void CelestialWindow::calculate()
{
    engine::setup(int16_t(registryIndex()));
    reset();
    engine::nout = 1;
    engine::actform = int16_t(registryIndex());

    RowValue lat, lha, dec, alt, zn;
    RowValue* rows[5] = {&lat, &lha, &dec, &alt, &zn};
    for (int i = 0; i <= 4; ++i)
        if (!readRow(i, rules_[size_t(i)], *rows[i]))
            return;

    if (lha.given && zn.given && engine::sidesDisagree(lha.radians, zn.radians))
        return stop(QStringLiteral("LHA and Azimuth\\ Inconsistent. Reenter"), txtDeg(4));

    // No case matches another count, so no solver runs then.
    if (lat.given + lha.given + dec.given + alt.given + zn.given != 3)
        message(QStringLiteral("Enter three and only three inputs"));

    engine::Givens g;
    g.lat = lat.signedRadians();
    g.lha = lha.radians;
    g.dec = dec.signedRadians();
    g.alt = alt.radians;
    g.zn = zn.radians;
    g.t = engine::fold(lha.radians);
    g.Z = engine::fold(zn.radians);
    engine::solvecase(engine::casecode(lat.given, lha.given, dec.given, alt.given, zn.given), g);

    if (table_.calculateSetsCalcflag)
        engine::calcflag = 1;
}

// ---- The animation ----

void CelestialWindow::markStepInputs()
{
    for (int i = 0; i <= 2; ++i) {
        txtIo(i).setText(shown(QStringLiteral("Input")));
        for (TextBox* b : inputs(i))
            b->setBackColor(colors::white);
        txtIo(i).setBackColor(colors::white);
    }
    for (OptionButton* o : {&optLatN, &optLatS, &optDecN, &optDecS})
        o->setBackColor(colors::white);
}

// ---- Housekeeping ----

void CelestialWindow::clearall()
{
    clearRows();
    engine::calcflag = 0;
    // The remark of the window that calculated last; none before the first
    // calculation.
    if (table_.clearHidesCircarc)
        if (auto* surface = dynamic_cast<diagram::DiagramSurface*>(engine::form(engine::actform)))
            surface->diagramControls().txtCircarc.setVisible(false);
}

void CelestialWindow::cmdStart_Click()
{
    engine::calcflag = 0;
    calculate();
}

void CelestialWindow::Clear_Click()
{
    stopAnimation();
    clearall();
}

}  // namespace morvel::calc
