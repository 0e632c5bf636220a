#include "calc/decimal_window.h"

#include "calc/numtext.h"
#include "engine/cases.h"
#include "toolkit/services.h"

#include <cmath>

namespace morvel::calc {

using namespace toolkit;

namespace {

diagram::DiagramPlacement placement()
{
    diagram::DiagramPlacement p = celestialPlacement();
    p.cmdDraw1 = {720, 3360, 1095, 495, 41};
    p.cmdDraw2 = {2040, 3360, 1095, 495, 42};
    p.txtMD = {960, 4080, 1935, 285, 46};
    p.chkEllipse = {840, 6120, 900, 195, 48};
    p.txtCircarc = {0, 6480, 5415, 285, 52};
    p.animation = diagram::DiagramPlacement::Animation{
        {720, 4560, 1095, 495, 50}, {2040, 4560, 1200, 495, 49}, {2040, 6120, 1815, 195, 51},
        QStringLiteral("Sin&gle Step/ Stop Auto"), QStringLiteral("Timer1")};
    return p;
}

/// Rows i = 0 to 4 are 360 twips apart.
constexpr double top(int i) { return 120 + 360 * i; }

/// Option buttons inside a 1035 x 505 frame: at (120, 60) and (120, 300).
constexpr double optionWidth = 855;
constexpr double optionHeight = 195;

const QString input = QStringLiteral("Input");

/// One entry box read by the text-to-number rule: the given flag and the
/// value in radians (always finite; overflow means beyond any range).
struct Field {
    bool given;
    double value;
    bool overflow;
};

Field readField(const TextBox& box, double deg)
{
    const std::string text = box.text().toStdString();
    const TextNumber n = textToNumber(text);
    return {isGiven(text), n.value * deg, n.overflow};
}

/// The field passes its range test: a given field must read as a finite
/// number within lo..hi (radians); a field not given always passes.
bool inRange(const Field& f, double v, double lo, double hi)
{
    return !f.given || (!f.overflow && lo <= v && v <= hi);
}

}  // namespace

Locddf::Locddf()
    : CalculatorWindow(1, QStringLiteral("locddf"), QStringLiteral("Morvel (Decimal Degrees)"), 8880, 6795, 5,
                       placement()),
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
      cmdExit(add<CommandButton>(QStringLiteral("cmdExit")))
{
    // Captions of the five rows; the access key of a caption moves the focus
    // to its box (lblDat(0) has tab index 47, so the buddy is named).
    const QString captions[5] = {QStringLiteral("&Latitude, deg"), QStringLiteral("L&HA, deg"),
                                 QStringLiteral("&Declination, deg"), QStringLiteral("&Altitude, deg"),
                                 QStringLiteral("A&zimuth, deg")};
    const int labelTabs[5] = {47, 1, 3, 5, 7};
    for (int i = 0; i <= 4; ++i) {
        lblDat(i).setCaption(captions[i]);
        place(lblDat(i), 120, top(i), i == 2 ? 1455 : 1215, 195, labelTabs[i]);
        lblDat(i).setBackColor(colors::lightYellow);
        lblDat(i).setBuddy(&txtDeg(i));

        place(txtDeg(i), 1680, top(i), 1200, 285, 2 * i);
        txtDeg(i).setBackColor(colors::white);

        place(txtIo(i), 4140, top(i), 975, 285, 17 + i);
        txtIo(i).setBackColor(colors::white);
        txtIo(i).setVisible(false);

        place(txtDeg2(i), 5220, top(i), 1200, 285, 22 + i);
        txtDeg2(i).setBackColor(colors::white);
        txtDeg2(i).setVisible(false);
    }

    // Hemispheres of the entry (and first result) and of the second result.
    struct Hemi {
        Frame& frame;
        double left, top;
        int frameTab;
        bool visible;
        OptionButton& north;
        const char* northCaption;
        int northTab;
        OptionButton& south;
        const char* southCaption;
        int southTab;
    };
    const Hemi hemis[] = {
        {fraLat, 2880, 0, 10, true, optLatN, "&North", 14, optLatS, "&South", 13},
        {fraDec, 2880, 720, 11, true, optDecN, "Nor&th", 16, optDecS, "So&uth", 15},
        {fraLat2, 6600, 0, 30, false, optLatN2, "North", 31, optLatS2, "South", 32},
        {fraDec2, 6600, 720, 27, false, optDecN2, "North", 28, optDecS2, "South", 29},
    };
    for (const Hemi& h : hemis) {
        place(h.frame, h.left, h.top, 1035, 505, h.frameTab);
        h.frame.setBackColor(colors::white);
        h.frame.setVisible(h.visible);
        h.north.setCaption(QString::fromLatin1(h.northCaption));
        place(h.north, 120, 60, optionWidth, optionHeight, h.northTab);
        h.south.setCaption(QString::fromLatin1(h.southCaption));
        place(h.south, 120, 300, optionWidth, optionHeight, h.southTab);
        for (OptionButton* o : {&h.north, &h.south}) {
            o->setBackColor(colors::white);
            o->setValue(false);
        }
    }

    cmdStart.setCaption(QStringLiteral("&Calculate"));
    place(cmdStart, 720, 2220, 1095, 495, 9);
    cmdStart.setBackColor(colors::lightYellow);
    setDefaultButton(&cmdStart);

    Clear.setCaption(QStringLiteral("Cl&ear"));
    place(Clear, 1920, 2220, 1095, 495, 43);
    Clear.setBackColor(colors::white);

    place(txtOther, 240, 3000, 3375, 195, 33);

    Print.setCaption(QStringLiteral("&Print"));
    place(Print, 720, 5400, 1095, 495, 45);
    Print.setBackColor(colors::buttonFace);

    cmdExit.setCaption(QStringLiteral("&Quit"));
    place(cmdExit, 2040, 5400, 1095, 495, 12);
    cmdExit.setBackColor(colors::white);

    cmdStart.onClick = [this] { cmdStart_Click(); };
    Clear.onClick = [this] { Clear_Click(); };
    Print.onClick = [this] { Print_Click(); };
    cmdExit.onClick = [this] { cmdExit_Click(); };
}

void Locddf::Form_Load()
{
    engine::forms[1] = registered(1);
    engine::forms[3] = registered(3);
}

// ---- Calculation ----

void Locddf::calculate()
{
    engine::setup(1);
    reset();
    engine::nout = 1;
    const double pi = engine::pi;
    const double deg = engine::deg;

    // Latitude.
    const Field fLat = readField(txtDeg(0), deg);
    double lat = fLat.value;
    if (!inRange(fLat, lat, 0, pi / 2))
        return message(QStringLiteral("Enter a Latitude Value from 0 to 90 deg."));
    if (fLat.given && !optLatN.value() && !optLatS.value())
        return message(QStringLiteral("Select N or S Latitude"));
    if (optLatS.value())
        lat = -lat;
    if (fLat.given) {
        txtIo(0).setVisible(true);
        txtIo(0).setText(input);
    }

    // LHA: the range test is made on the folded t (negative above 360).
    const Field fLha = readField(txtDeg(1), deg);
    const double lha = fLha.value;
    const double t = engine::fold(lha);
    if (!inRange(fLha, t, 0, 2 * pi))
        return message(QStringLiteral("Enter an LHA Value from 0 to 360 deg."));
    if (fLha.given) {
        txtIo(1).setText(input);
        txtIo(1).setVisible(true);
    }

    // Declination.
    const Field fDec = readField(txtDeg(2), deg);
    double dec = fDec.value;
    if (!inRange(fDec, dec, 0, pi / 2))
        return message(QStringLiteral("Enter a Declination Value from 0 to 90 deg."));
    if (fDec.given && !optDecN.value() && !optDecS.value())
        return message(QStringLiteral("Select N or S Declination"));
    if (optDecS.value())
        dec = -dec;
    if (fDec.given) {
        txtIo(2).setText(input);
        txtIo(2).setVisible(true);
    }

    // Altitude, signed by the number itself.
    const Field fAlt = readField(txtDeg(3), deg);
    const double alt = fAlt.value;
    if (!inRange(fAlt, alt, -pi / 2, pi / 2))
        return message(QStringLiteral("Enter an Altitude Value from -90 to 90 deg."));
    if (fAlt.given) {
        txtIo(3).setText(input);
        txtIo(3).setVisible(true);
    }

    // Azimuth.
    const Field fAz = readField(txtDeg(4), deg);
    const double zn = fAz.value;
    if (!inRange(fAz, zn, 0, 2 * pi))
        return message(QStringLiteral("Enter an Azimuth Value from 0 to 360 deg."));
    if (fAz.given) {
        txtIo(4).setText(input);
        txtIo(4).setVisible(true);
    }
    const double Z = engine::fold(zn);

    // West of the meridian (LHA below 180) the body bears west (azimuth above
    // 180), and the reverse; exactly 180 in either is never inconsistent.
    if (fLha.given && fAz.given && ((zn > pi && lha > pi) || (zn < pi && lha < pi)))
        return message(QStringLiteral("LHA and Azimuth\\ Inconsistent. Reenter"));

    const int16_t count = int16_t(fLat.given + fLha.given + fDec.given + fAlt.given + fAz.given);
    if (count != 3)
        message(QStringLiteral("Enter three and only three inputs"));

    engine::Givens g;
    g.lat = lat;
    g.lha = lha;
    g.dec = dec;
    g.alt = alt;
    g.zn = zn;
    g.t = t;
    g.Z = Z;
    engine::solvecase(engine::casecode(fLat.given, fLha.given, fDec.given, fAlt.given, fAz.given), g);

    engine::calcflag = 1;
}

// ---- Results ----

void Locddf::output(double x1, double x2, int16_t f, int16_t m)
{
    if (f == 0 || m < 1 || m > 5)
        return;
    const double deg = engine::deg != 0 ? engine::deg : std::atan(1.0) * 4 / 180;
    const bool magnitude = m == 1 || m == 3;
    const double d1 = round3(magnitude ? std::abs(x1) : x1, deg);
    const int i = m - 1;

    txtDeg(i).setText(QString::fromStdString(addzeros(d1)));
    txtDeg(i).setBackColor(colors::cyan);
    txtIo(i).setVisible(true);
    txtIo(i).setBackColor(colors::cyan);
    if (f == 1) {
        txtIo(i).setText(QStringLiteral("Output"));
    } else {
        const double d2 = round3(magnitude ? std::abs(x2) : x2, deg);
        txtDeg2(i).setText(QString::fromStdString(addzeros(d2)));
        txtDeg2(i).setBackColor(colors::cyan);
        txtDeg2(i).setVisible(true);
        txtIo(i).setText(QStringLiteral("2 Outputs"));
    }

    // Hemispheres: exactly 0 counts as South.
    auto hemisphere = [](double x, OptionButton& north, OptionButton& south) {
        OptionButton& chosen = x > 0 ? north : south;
        chosen.setValue(true);
        chosen.setBackColor(colors::cyan);
    };
    if (m == 1) {
        hemisphere(x1, optLatN, optLatS);
        if (f == 2) {
            fraLat2.setVisible(true);
            hemisphere(x2, optLatN2, optLatS2);
        }
    } else if (m == 3) {
        hemisphere(x1, optDecN, optDecS);
        if (f == 2) {
            fraDec2.setVisible(true);
            hemisphere(x2, optDecN2, optDecS2);
        }
    }
}

// ---- Housekeeping ----

void Locddf::reset()
{
    for (OptionButton* o : {&optLatN2, &optLatS2, &optDecN2, &optDecS2})
        o->setValue(false);
    for (OptionButton* o : {&optLatN, &optLatS, &optDecN, &optDecS})
        o->setBackColor(colors::white);
    for (int i = 0; i <= 4; ++i) {
        txtDeg(i).setBackColor(colors::white);
        txtIo(i).setText(QString());
        txtIo(i).setVisible(false);
        // Without this a row that was a result and
        // is now an input shows its "Input" marker cyan after the next
        // calculation, against "a second Calculate leaves nothing of the first".
        txtIo(i).setBackColor(colors::white);
        txtDeg2(i).setText(QString());
        txtDeg2(i).setBackColor(colors::white);
        txtDeg2(i).setVisible(false);
    }
    fraDec2.setVisible(false);
    fraLat2.setVisible(false);
    for (OptionButton* o : {&optLatN2, &optLatS2, &optDecN2, &optDecS2})
        o->setBackColor(colors::white);
    hideDiagramResults();
}

void Locddf::clearall()
{
    for (OptionButton* o : {&optLatN, &optLatS, &optDecN, &optDecS})
        o->setValue(false);
    reset();
    for (int i = 0; i <= 4; ++i) {
        txtDeg(i).setText(QString());
        txtDeg(i).setBackColor(colors::white);
        txtIo(i).setBackColor(colors::white);
    }
    txtDeg(0).setFocus();
    engine::calcflag = 0;
    // The remark of the window that calculated last; none before the first
    // calculation.
    if (auto* surface = dynamic_cast<diagram::DiagramSurface*>(engine::form(engine::actform)))
        surface->diagramControls().txtCircarc.setVisible(false);
}

void Locddf::transfer()
{
    engine::CalcWindow* drawing = engine::form(1);
    if (engine::nout == 2) {
        if (drawing)
            drawing->mdchoose();
    } else {
        if (drawing)
            drawing->drawmd(1);
        engine::mdset = 1;
    }
}

void Locddf::cmdStart_Click()
{
    engine::calcflag = 0;
    calculate();
}

void Locddf::Clear_Click()
{
    stopAnimation();
    clearall();
}

void Locddf::Print_Click() { printForm(1); }

void Locddf::cmdExit_Click()
{
    if (QuitService* q = services().quitter)
        q->quit();
}

}  // namespace morvel::calc
