// Fuzz target: Calculate on the degrees-and-minutes window, with any texts
// in the ten boxes (degrees and minutes of each row, row by row), any
// hemispheres and either drawing mode. Minutes out of range only warn.
#include "tests/fuzz/window_driver.h"

namespace {

using morvel::fuzz::ControlName;

const morvel::fuzz::WindowUnderTest locdmf = [] {
    morvel::fuzz::WindowUnderTest w;
    w.menuButton = QStringLiteral("cmdDM");
    w.window = QStringLiteral("locdmf");
    w.optionPairs = {{QStringLiteral("optLatN"), QStringLiteral("optLatS")},
                     {QStringLiteral("optDecN"), QStringLiteral("optDecS")}};
    w.checkBoxes = {QStringLiteral("chkEllipse")};
    // Latitude, LHA, declination, altitude, azimuth: whole degrees, and
    // minutes to a tenth.
    const double lo[5] = {0, 0, 0, -90, 0}, hi[5] = {90, 360, 90, 90, 360};
    for (int i = 0; i <= 4; ++i) {
        w.entries.push_back({QStringLiteral("txtDeg"), i});
        w.entries.push_back({QStringLiteral("txtMin"), i});
        for (const char* degrees : {"txtDeg", "txtDeg2"})
            w.results.push_back({{QString::fromLatin1(degrees), i}, lo[i], hi[i]});
        for (const char* minutes : {"txtMin", "txtMin2"})
            w.results.push_back({{QString::fromLatin1(minutes), i}, 0, 59.9});
    }
    w.warnings = {QStringLiteral("Enter a value of latitude minutes from to to 59.9"),
                  QStringLiteral("Enter a value of LHA minutes from to to 59.9 "),
                  QStringLiteral("Enter a value of declination minutes from 0 to 59.9"),
                  QStringLiteral("Enter a value of altitude minutes from 0 to 59.9"),
                  QStringLiteral("Enter a value of azimuth minutes from 0 to 59.9")};
    return w;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return morvel::fuzz::fuzzWindow(locdmf, data, size);
}
