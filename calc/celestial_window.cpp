#include "calc/celestial_window.h"

#include "engine/angles.h"
#include "engine/cases.h"

#include <cmath>

namespace morvel::calc {

using namespace toolkit;

namespace {

enum class Hemisphere { none, latitude, declination };

/// The five quantities of the celestial triangle, in field order. Ranges are
/// in degrees, inclusive. With decimal degrees there are no minutes: the
/// minutes step never warns and the combined value is the value checked
/// first, so the order below reduces to range, hemisphere, marker.
struct Quantity {
    double lo, hi;
    Hemisphere hemisphere;
    /// The altitude's sign comes from what is typed; latitude and
    /// declination take theirs from the hemisphere buttons.
    bool signedDegrees;
    std::vector<Check> checks;
};

const Quantity quantities[5] = {
    {0, 90, Hemisphere::latitude, false, {Check::range, Check::minutes, Check::hemisphere, Check::combine, Check::marker}},
    // The LHA is marked before its minutes are looked at.
    {0, 360, Hemisphere::none, false, {Check::range, Check::marker, Check::minutes, Check::combine}},
    // The declination's hemisphere is asked for before its minutes.
    {0, 90, Hemisphere::declination, false, {Check::range, Check::hemisphere, Check::minutes, Check::combine, Check::marker}},
    {-90, 90, Hemisphere::none, true, {Check::range, Check::minutes, Check::combine, Check::marker}},
    {0, 360, Hemisphere::none, false, {Check::range, Check::minutes, Check::combine, Check::marker}},
};

const QString input = QStringLiteral("Input");

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
const Place txtOther[2] = {{240, 3000, 3375, 195, 33}, {240, 3000, 3375, 195, 40}};
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
    : CalculatorWindow(index, name, caption, 8880, 6795, 5, layout::placement(index)),
      txtDeg(addArray<TextBox>(QStringLiteral("txtDeg"), 0, 4)),
      fraLat(add<Frame>(QStringLiteral("fraLat"))),
      optLatN(add<OptionButton>(QStringLiteral("optLatN"), -1, &fraLat)),
      optLatS(add<OptionButton>(QStringLiteral("optLatS"), -1, &fraLat)),
      fraDec(add<Frame>(QStringLiteral("fraDec"))),
      optDecN(add<OptionButton>(QStringLiteral("optDecN"), -1, &fraDec)),
      optDecS(add<OptionButton>(QStringLiteral("optDecS"), -1, &fraDec)),
      txtIo(addArray<TextBox>(QStringLiteral("txtIo"), 0, 4)),
      txtDeg2(addArray<TextBox>(QStringLiteral("txtDeg2"), 0, 4)),
      fraLat2(add<Frame>(QStringLiteral("fraLat2"))),
      optLatN2(add<OptionButton>(QStringLiteral("optLatN2"), -1, &fraLat2)),
      optLatS2(add<OptionButton>(QStringLiteral("optLatS2"), -1, &fraLat2)),
      fraDec2(add<Frame>(QStringLiteral("fraDec2"))),
      optDecN2(add<OptionButton>(QStringLiteral("optDecN2"), -1, &fraDec2)),
      optDecS2(add<OptionButton>(QStringLiteral("optDecS2"), -1, &fraDec2)),
      cmdStart(add<CommandButton>(QStringLiteral("cmdStart"))),
      Clear(add<CommandButton>(QStringLiteral("Clear"))),
      Print(add<CommandButton>(QStringLiteral("Print"))),
      cmdExit(add<CommandButton>(QStringLiteral("cmdExit"))),
      table_(table)
{
    // The access key of a caption moves the focus to its row's (degrees)
    // box, whatever the caption's own tab index.
    for (int i = 0; i <= 4; ++i) {
        lblDat(i).setCaption(table.rows[size_t(i)].caption);
        lblDat(i).setBackColor(colors::lightYellow);
        lblDat(i).setBuddy(&txtDeg(i));
        txtDeg(i).setBackColor(colors::white);
        for (TextBox* b : {&txtIo(i), &txtDeg2(i)}) {
            b->setBackColor(colors::white);
            b->setVisible(false);
        }
    }
    placeSharedControls(index);
    cmdStart.setCaption(QStringLiteral("&Calculate"));
    setDefaultButton(&cmdStart);
    Clear.setCaption(QStringLiteral("Cl&ear"));
    Clear.setBackColor(colors::white);
    Print.setCaption(QStringLiteral("&Print"));
    Print.setBackColor(colors::buttonFace);
    cmdExit.setCaption(QStringLiteral("&Quit"));
    cmdExit.setBackColor(colors::white);

    cmdStart.onClick = [this] { cmdStart_Click(); };
    Clear.onClick = [this] { Clear_Click(); };
    Print.onClick = [this] { Print_Click(); };
    cmdExit.onClick = [this] { cmdExit_Click(); };
}

void CelestialWindow::placeSharedControls(int index)
{
    const int c = layout::column(index);
    struct Hemi {
        Frame& frame;
        const layout::HemispherePlace& place;
        bool visible;
        OptionButton& north;
        const char* northCaption;
        OptionButton& south;
        const char* southCaption;
    };
    const Hemi hemis[] = {
        {fraLat, layout::fraLat[c], true, optLatN, "&North", optLatS, "&South"},
        {fraDec, layout::fraDec[c], true, optDecN, "Nor&th", optDecS, "So&uth"},
        {fraLat2, layout::fraLat2[c], false, optLatN2, "North", optLatS2, "South"},
        {fraDec2, layout::fraDec2[c], false, optDecN2, "North", optDecS2, "South"},
    };
    for (const Hemi& h : hemis) {
        place(h.frame, h.place.left, h.place.top, 1035, 505, h.place.frameTab);
        h.frame.setBackColor(colors::white);
        h.frame.setVisible(h.visible);
        h.north.setCaption(QString::fromLatin1(h.northCaption));
        place(h.north, 120, 60, 855, 195, h.place.northTab);
        h.south.setCaption(QString::fromLatin1(h.southCaption));
        place(h.south, 120, 300, 855, 195, h.place.southTab);
        for (OptionButton* o : {&h.north, &h.south}) {
            o->setBackColor(colors::white);
            o->setValue(false);
        }
    }
    place(cmdStart, layout::cmdStart[c]);
    cmdStart.setBackColor(layout::cmdStartColor[c]);
    place(Clear, layout::Clear[c]);
    place(txtOther, layout::txtOther[c]);
    place(Print, layout::Print[c]);
    place(cmdExit, layout::cmdExit[c]);
}

// ---- Calculation ----

bool CelestialWindow::readRow(int i, Value& v)
{
    const Quantity& q = quantities[i];
    const CelestialTable::Row& texts = table_.rows[size_t(i)];
    const AngleReading a = read(i, q.signedDegrees);
    OptionButton* north = q.hemisphere == Hemisphere::latitude ? &optLatN
                          : q.hemisphere == Hemisphere::declination ? &optDecN : nullptr;
    OptionButton* south = q.hemisphere == Hemisphere::latitude ? &optLatS
                          : q.hemisphere == Hemisphere::declination ? &optDecS : nullptr;
    const QString hemisphereMessage = q.hemisphere == Hemisphere::latitude ? QStringLiteral("Select N or S Latitude")
                                                                           : QStringLiteral("Select N or S Declination");
    if (!checkRow(a, {q.lo, q.hi, q.checks, texts.rangeMessage, texts.minutesMessage, hemisphereMessage, north, south,
                      txtIo(i)}))
        return false;
    v.given = a.given;
    v.radians = a.combined * math::degree;
    // South is negative, whether the row is given or not.
    if (south && south->value())
        v.radians = -v.radians;
    return true;
}

void CelestialWindow::calculate()
{
    engine::setup(int16_t(registryIndex()));
    reset();
    engine::nout = 1;
    engine::actform = int16_t(registryIndex());

    Value lat, lha, dec, alt, zn;
    Value* rows[5] = {&lat, &lha, &dec, &alt, &zn};
    for (int i = 0; i <= 4; ++i)
        if (!readRow(i, *rows[i]))
            return;

    // West of the meridian (LHA below 180) the body bears west (azimuth above
    // 180), and the reverse; exactly 180 in either is never inconsistent.
    constexpr double pi = math::pi;
    if (lha.given && zn.given &&
        ((zn.radians > pi && lha.radians > pi) || (zn.radians < pi && lha.radians < pi)))
        return message(QStringLiteral("LHA and Azimuth\\ Inconsistent. Reenter"));

    // No case matches another count, so no solver runs then.
    if (lat.given + lha.given + dec.given + alt.given + zn.given != 3)
        message(QStringLiteral("Enter three and only three inputs"));

    engine::Givens g;
    g.lat = lat.radians;
    g.lha = lha.radians;
    g.dec = dec.radians;
    g.alt = alt.radians;
    g.zn = zn.radians;
    g.t = engine::fold(lha.radians);
    g.Z = engine::fold(zn.radians);
    engine::solvecase(engine::casecode(lat.given, lha.given, dec.given, alt.given, zn.given), g);

    if (table_.calculateSetsCalcflag)
        engine::calcflag = 1;
}

// ---- The angle entry ----

AngleReading CelestialWindow::read(int i, bool signedDegrees) const
{
    const QString minutes = entry_.minutes.count() ? entry_.minutes(i).text() : QString();
    return readAngle(txtDeg(i).text().toStdString(), minutes.toStdString(), signedDegrees);
}

std::vector<TextBox*> CelestialWindow::inputs(int i) const
{
    if (entry_.minutes.count())
        return {&txtDeg(i), &entry_.minutes(i)};
    return {&txtDeg(i)};
}

void CelestialWindow::show(int i, double x, double deg, bool second)
{
    const DegMinText t = entry_.format(x, deg, int16_t(i + 1));
    TextBox& degrees = second ? txtDeg2(i) : txtDeg(i);
    degrees.setText(QString::fromStdString(t.degrees));
    degrees.setBackColor(colors::cyan);
    degrees.setVisible(true);
    const auto& minuteBoxes = second ? entry_.minutes2 : entry_.minutes;
    if (minuteBoxes.count()) {
        minuteBoxes(i).setText(QString::fromStdString(t.minutes));
        minuteBoxes(i).setBackColor(colors::cyan);
        minuteBoxes(i).setVisible(true);
    }
    if (second)
        for (const auto& captions : entry_.captions2)
            captions(i).setVisible(true);
}

void CelestialWindow::hideSecond(int i)
{
    std::vector<TextBox*> boxes{&txtDeg2(i)};
    if (entry_.minutes2.count())
        boxes.push_back(&entry_.minutes2(i));
    for (TextBox* b : boxes) {
        b->setText(QString());
        b->setBackColor(colors::white);
        b->setVisible(false);
    }
    for (const auto& captions : entry_.captions2)
        captions(i).setVisible(false);
}

// ---- Results ----

void CelestialWindow::output(double x1, double x2, int16_t f, int16_t m)
{
    if (f == 0 || m < 1 || m > 5)
        return;
    constexpr double deg = math::degree;
    const int i = m - 1;

    show(i, x1, deg, false);
    txtIo(i).setVisible(true);
    txtIo(i).setBackColor(colors::cyan);
    if (f == 1) {
        txtIo(i).setText(QStringLiteral("Output"));
    } else {
        show(i, x2, deg, true);
        txtIo(i).setText(QStringLiteral("2 Outputs"));
    }

    if (m == 1)
        showHemispheres(x1, x2, f, {optLatN, optLatS, fraLat2, optLatN2, optLatS2});
    else if (m == 3)
        showHemispheres(x1, x2, f, {optDecN, optDecS, fraDec2, optDecN2, optDecS2});
}

void CelestialWindow::markStepInputs()
{
    for (int i = 0; i <= 2; ++i) {
        txtIo(i).setText(input);
        for (TextBox* b : inputs(i))
            b->setBackColor(colors::white);
        txtIo(i).setBackColor(colors::white);
    }
    for (OptionButton* o : {&optLatN, &optLatS, &optDecN, &optDecS})
        o->setBackColor(colors::white);
}

// ---- Housekeeping ----

void CelestialWindow::reset()
{
    for (OptionButton* o : {&optLatN2, &optLatS2, &optDecN2, &optDecS2})
        o->setValue(false);
    for (OptionButton* o : {&optLatN, &optLatS, &optDecN, &optDecS})
        o->setBackColor(colors::white);
    for (int i = 0; i <= 4; ++i) {
        for (TextBox* b : inputs(i))
            b->setBackColor(colors::white);
        txtIo(i).setText(QString());
        txtIo(i).setVisible(false);
        // Without this a row that was a result and is now an input shows its
        // "Input" marker cyan after the next calculation.
        txtIo(i).setBackColor(colors::white);
        hideSecond(i);
        if (table_.resetBlackensCaptions)
            lblDat(i).setForeColor(colors::black);
    }
    fraDec2.setVisible(false);
    fraLat2.setVisible(false);
    for (OptionButton* o : {&optLatN2, &optLatS2, &optDecN2, &optDecS2})
        o->setBackColor(colors::white);
    hideDiagramResults();
}

void CelestialWindow::clearall()
{
    for (OptionButton* o : {&optLatN, &optLatS, &optDecN, &optDecS})
        o->setValue(false);
    reset();
    for (int i = 0; i <= 4; ++i) {
        for (TextBox* b : inputs(i)) {
            b->setText(QString());
            b->setBackColor(colors::white);
        }
        txtIo(i).setBackColor(colors::white);
    }
    txtDeg(0).setFocus();
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
