// Fuzz target: Calculate on the decimal-degrees window, with any texts in
// the five boxes, any hemispheres and either drawing mode.
#include "tests/fuzz/window_driver.h"

namespace {

using morvel::fuzz::ControlName;

ControlName txtDeg(int i) { return {QStringLiteral("txtDeg"), i}; }
ControlName txtDeg2(int i) { return {QStringLiteral("txtDeg2"), i}; }

const morvel::fuzz::WindowUnderTest locddf = [] {
    morvel::fuzz::WindowUnderTest w;
    w.menuButton = QStringLiteral("cmdDD");
    w.window = QStringLiteral("locddf");
    w.entries = {txtDeg(0), txtDeg(1), txtDeg(2), txtDeg(3), txtDeg(4)};
    w.optionPairs = {{QStringLiteral("optLatN"), QStringLiteral("optLatS")},
                     {QStringLiteral("optDecN"), QStringLiteral("optDecS")}};
    w.checkBoxes = {QStringLiteral("chkEllipse")};
    // Latitude, LHA, declination, altitude, azimuth.
    const double lo[5] = {0, 0, 0, -90, 0}, hi[5] = {90, 360, 90, 90, 360};
    for (int i = 0; i <= 4; ++i) {
        w.results.push_back({txtDeg(i), lo[i], hi[i]});
        w.results.push_back({txtDeg2(i), lo[i], hi[i]});
    }
    return w;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return morvel::fuzz::fuzzWindow(locddf, data, size);
}
