// Fuzz target: Calculate on the great-circle window, with any texts in its
// thirteen boxes (degrees and minutes of latitude of departure, DLo,
// latitude of destination, the distance, the initial course and the two
// longitudes), any directions and either drawing mode. Minutes out of range
// only warn; results stay in the boxes for the next round to read.
#include "tests/fuzz/window_driver.h"

namespace {

const morvel::fuzz::WindowUnderTest gcsf = [] {
    morvel::fuzz::WindowUnderTest w;
    w.menuButton = QStringLiteral("cmdGC");
    w.window = QStringLiteral("gcsf");
    w.optionPairs = {{QStringLiteral("optLatN"), QStringLiteral("optLatS")},
                     {QStringLiteral("optDecN"), QStringLiteral("optDecS")},
                     {QStringLiteral("optDloE"), QStringLiteral("optDloW")},
                     {QStringLiteral("optLodepE"), QStringLiteral("optLodepW")},
                     {QStringLiteral("optLodesE"), QStringLiteral("optLodesW")}};
    w.checkBoxes = {QStringLiteral("chkEllipse")};
    // Rows 0 to 6: latitude of departure, DLo (at most 180 when shown),
    // latitude of destination, distance in miles (no minutes), initial
    // course, the two longitudes; row 7, the final course, is only shown.
    const double hi[8] = {90, 180, 90, 10800, 360, 180, 180, 360};
    for (int i = 0; i <= 7; ++i) {
        if (i <= 6)
            w.entries.push_back({QStringLiteral("txtDeg"), i});
        if (i <= 6 && i != 3)
            w.entries.push_back({QStringLiteral("txtMin"), i});
        for (const char* degrees : {"txtDeg", "txtDeg2"})
            w.results.push_back({{QString::fromLatin1(degrees), i}, 0, hi[i]});
        if (i != 3)
            for (const char* minutes : {"txtMin", "txtMin2"})
                w.results.push_back({{QString::fromLatin1(minutes), i}, 0, 59.9});
    }
    w.warnings = {QStringLiteral("Enter a value of latitude minutes from to to 59.9"),
                  QStringLiteral("Enter a value of DLo minutes from to to 59.9 "),
                  QStringLiteral("Enter a value of declination minutes from 0 to 59.9"),
                  QStringLiteral("Enter a value of azimuth minutes from 0 to 59.9"),
                  QStringLiteral("Enter a value of longitude of departure minutes from 0 to 59.9"),
                  QStringLiteral("Enter a value of longitude of destination minutes from 0 to 59.9")};
    return w;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return morvel::fuzz::fuzzWindow(gcsf, data, size);
}
