#include "calc/dm_window.h"

#include "engine/angles.h"

namespace morvel::calc {

using namespace toolkit;

namespace {

// The LHA's minutes message ends with a blank; "from to to" is the
// window's own wording.
const CelestialTable table = {
    .rows = {{
        {QStringLiteral("&Latitude"), QStringLiteral("Enter a value of latitude degrees from 0 to 90"),
         QStringLiteral("Enter a value of latitude minutes from to to 59.9")},
        {QStringLiteral("L&HA"), QStringLiteral("Enter a Value of LHA degrees from 0 to 360"),
         QStringLiteral("Enter a value of LHA minutes from to to 59.9 ")},
        {QStringLiteral("&Declination"), QStringLiteral("Enter a value of declination degrees from 0 to 90"),
         QStringLiteral("Enter a value of declination minutes from 0 to 59.9")},
        {QStringLiteral("&Altitude"), QStringLiteral("Enter a value of altitude degrees from -90 to 90"),
         QStringLiteral("Enter a value of altitude minutes from 0 to 59.9")},
        {QStringLiteral("A&zimuth"), QStringLiteral("Enter a value of azimuth degrees from 0 to 360"),
         QStringLiteral("Enter a value of azimuth minutes from 0 to 59.9")},
    }},
    .minutes = true,
    .calculateSetsCalcflag = false,
    .resetBlackensCaptions = true,
    .clearHidesCircarc = false,
};

}  // namespace

Locdmf::Locdmf()
    : CelestialWindow(2, QStringLiteral("locdmf"), QStringLiteral("Morvel (Degrees and Minutes)"), table),
      lblDeg(addArray<Label>(QStringLiteral("lblDeg"), 0, 4)),
      lblMin(addArray<Label>(QStringLiteral("lblMin"), 0, 4)),
      lblDeg2(addArray<Label>(QStringLiteral("lblDeg2"), 0, 4)),
      lblmin2(addArray<Label>(QStringLiteral("lblmin2"), 0, 4))
{
    for (int i = 0; i <= 4; ++i) {
        const double top = rowTop(i);
        place(lblDat(i), 120, top, 1080, 195, 3 * i);
        place(txtDeg(i), 1200, top, 600, 285, 3 * i + 1);
        place(lblDeg(i), 1830, top, 375, 255, 54 + i);
        place(txtMin(i), 2280, top, 600, 285, 3 * i + 2);
        place(lblMin(i), 3000, top, 300, 255, 74 + i);
        place(txtIo(i), 4560, top, 975, 285, 24 + i);
        place(txtDeg2(i), 5640, top, 600, 285, 69 + i);
        place(lblDeg2(i), 6270, top, 375, 255, 64 + i);
        place(txtMin2(i), 6720, top, 600, 285, 29 + i);
        place(lblmin2(i), 7380, top, 300, 255, 59 + i);

        for (Label* l : {&lblDeg(i), &lblDeg2(i)})
            l->setCaption(QStringLiteral("Deg"));
        for (Label* l : {&lblMin(i), &lblmin2(i)})
            l->setCaption(QStringLiteral("Min"));
        for (Label* l : {&lblDeg(i), &lblMin(i), &lblDeg2(i), &lblmin2(i)})
            l->setBackColor(colors::lightYellow);
        addSecondCaption(i, lblDeg2(i));
        addSecondCaption(i, lblmin2(i));
    }
}

navtext::DegMinText Locdmf::resultText(int i, double x) const
{
    // Whole degrees and minutes to a tenth; only the altitude shows a sign.
    return navtext::degMinText(x / math::degree, i == 3);
}

void Locdmf::Form_Load()
{
    deselectHemispheres();
}

}  // namespace morvel::calc
