// The World Magnetic Model 2025, as converted for GeographicLib, against
// the model's published test values (reference/wmm2025_test_values.csv),
// and the years it holds.
#include "compass/magnetic.h"
#include "reference/reference.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

using namespace morvel;
using namespace morvel::compass;

namespace {

constexpr double deg = std::numbers::pi / 180;

}  // namespace

// Declination and inclination to their two published decimals, the
// intensities within a tenth of a nT, and the zones NOAA draws by H.
TEST(Magnetic, PublishedTestValues)
{
    const auto rows =
        test::referenceLines((std::string(MORVEL_COMPASS_REFERENCE) + "wmm2025_test_values.csv").c_str(), 11);
    ASSERT_EQ(rows.size(), 22u);
    double worst = 0;
    for (const auto& r : rows) {
        const Field f = fieldAt(std::stod(r[2]) * deg, std::stod(r[3]) * deg, std::stod(r[0]), std::stod(r[1]) * 1000);
        ASSERT_TRUE(f.ok()) << f.why;
        const std::string at = r[0] + " " + r[2] + " " + r[3];
        worst = std::max(worst, std::abs(f.variation / deg - std::stod(r[4])));
        EXPECT_NEAR(f.variation / deg, std::stod(r[4]), 0.006) << at;
        EXPECT_NEAR(f.inclination / deg, std::stod(r[5]), 0.006) << at;
        EXPECT_NEAR(f.horizontal, std::stod(r[6]), 0.1) << at;
        EXPECT_NEAR(f.total, std::stod(r[10]), 0.1) << at;
        const double h = std::stod(r[6]);
        EXPECT_EQ(f.zone, h < 2000 ? Field::Zone::blackout : h < 6000 ? Field::Zone::caution : Field::Zone::clear);
    }
    std::printf("variation: worst difference from the test values %.4f deg\n", worst);
}

// From the first instant of 2025 to the first of 2030, and no further.
TEST(Magnetic, TheModelsYears)
{
    const struct {
        sight::UtcTime when;
        bool holds;
    } table[] = {
        {{2024, 12, 31, 86399}, false}, {{2025, 1, 1, 0}, true},     {{2027, 7, 2, 43200}, true},
        {{2029, 12, 31, 86399}, true},  {{2030, 1, 1, 0}, true},     {{2030, 1, 1, 1}, false},
    };
    for (const auto& row : table)
        EXPECT_EQ(fieldAt(50 * deg, -4 * deg, row.when).ok(), row.holds) << row.when.text();
    EXPECT_DOUBLE_EQ(fractionalYear({2027, 7, 2, 43200}), 2027.5);
}
