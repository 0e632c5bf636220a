#include "calc/decimal_window.h"

#include "engine/angles.h"
#include "navtext/numtext.h"

#include <cmath>

namespace morvel::calc {

using namespace toolkit;

namespace {

const CelestialTable table = {
    .rows = {{
        {QStringLiteral("&Latitude, deg"), QStringLiteral("Enter a Latitude Value from 0 to 90 deg."), {}},
        {QStringLiteral("L&HA, deg"), QStringLiteral("Enter an LHA Value from 0 to 360 deg."), {}},
        {QStringLiteral("&Declination, deg"), QStringLiteral("Enter a Declination Value from 0 to 90 deg."), {}},
        {QStringLiteral("&Altitude, deg"), QStringLiteral("Enter an Altitude Value from -90 to 90 deg."), {}},
        {QStringLiteral("A&zimuth, deg"), QStringLiteral("Enter an Azimuth Value from 0 to 360 deg."), {}},
    }},
    .minutes = false,
    .calculateSetsCalcflag = true,
    .resetBlackensCaptions = false,
    .clearHidesCircarc = true,
};

}  // namespace

Locddf::Locddf()
    : CelestialWindow(1, QStringLiteral("locddf"), QStringLiteral("Morvel (Decimal Degrees)"), table)
{
    const int labelTabs[5] = {47, 1, 3, 5, 7};
    for (int i = 0; i <= 4; ++i) {
        place(lblDat(i), 120, rowTop(i), i == 2 ? 1455 : 1215, 195, labelTabs[i]);
        place(txtDeg(i), 1680, rowTop(i), 1200, 285, 2 * i);
        place(txtIo(i), 4140, rowTop(i), 975, 285, 17 + i);
        place(txtDeg2(i), 5220, rowTop(i), 1200, 285, 22 + i);
    }
}

navtext::DegMinText Locddf::resultText(int i, double x) const
{
    // Rounded to five decimals and padded to five (" 12.50000"); latitude
    // and declination without sign.
    const bool magnitude = i == 0 || i == 2;
    return {navtext::addzeros(navtext::round3(magnitude ? std::abs(x) : x, math::degree)), {}};
}

void Locddf::Form_Load()
{
    engine::forms[1] = registered(1);
    engine::forms[3] = registered(3);
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

}  // namespace morvel::calc
