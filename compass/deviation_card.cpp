#include "compass/deviation_card.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "navtext/say.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace morvel::compass {

namespace {

using math::degree;

constexpr int terms = 5;

/// The five terms of the card on heading theta.
std::array<double, terms> termsOn(double theta)
{
    return {1, std::sin(theta), std::cos(theta), std::sin(2 * theta), std::cos(2 * theta)};
}

/// Whole degrees of a heading, 0..359.
int wholeDegrees(double heading)
{
    return int(std::lround(math::wrap(heading) / degree)) % 360;
}

/// The least-squares solution of rows x = y, rows n by 5 (n >= 5, of full
/// rank), by Householder reflections: each column below its diagonal
/// reflected away, the same reflections applied to y, then the triangle
/// solved back.
std::array<double, terms> leastSquares(std::vector<std::array<double, terms>> rows, std::vector<double> y)
{
    const size_t n = rows.size();
    for (int k = 0; k < terms; ++k) {
        double norm = 0;
        for (size_t i = k; i < n; ++i)
            norm += rows[i][k] * rows[i][k];
        norm = std::sqrt(norm);
        const double alpha = rows[k][k] > 0 ? -norm : norm;
        // v = x - alpha e_k, kept in column k from row k down.
        rows[k][k] -= alpha;
        double vv = 0;
        for (size_t i = k; i < n; ++i)
            vv += rows[i][k] * rows[i][k];
        if (vv > 0) {
            for (int j = k + 1; j < terms; ++j) {
                double s = 0;
                for (size_t i = k; i < n; ++i)
                    s += rows[i][k] * rows[i][j];
                s = 2 * s / vv;
                for (size_t i = k; i < n; ++i)
                    rows[i][j] -= s * rows[i][k];
            }
            double s = 0;
            for (size_t i = k; i < n; ++i)
                s += rows[i][k] * y[i];
            s = 2 * s / vv;
            for (size_t i = k; i < n; ++i)
                y[i] -= s * rows[i][k];
        }
        rows[k][k] = alpha;
    }
    std::array<double, terms> x{};
    for (int k = terms - 1; k >= 0; --k) {
        double s = y[k];
        for (int j = k + 1; j < terms; ++j)
            s -= rows[k][j] * x[j];
        x[k] = s / rows[k][k];
    }
    return x;
}

}  // namespace

double DeviationCard::deviationOn(double theta) const
{
    const std::array<double, terms> t = termsOn(theta);
    return A * t[0] + B * t[1] + C * t[2] + D * t[3] + E * t[4];
}

DeviationCard deviationCard(const std::vector<Swung>& observations)
{
    DeviationCard card;
    std::vector<int> headings;
    for (const Swung& s : observations)
        headings.push_back(wholeDegrees(s.heading));
    std::sort(headings.begin(), headings.end());
    headings.erase(std::unique(headings.begin(), headings.end()), headings.end());
    card.headings = int(headings.size());
    if (card.headings < terms) {
        const navtext::Phrase few =
            card.headings == 0 ? MORVEL_TR("compass", "the five coefficients need deviations on five distinct headings "
                                                      "or more (a degree or more apart); none is given")
            : card.headings == 1
                ? MORVEL_TR("compass", "the five coefficients need deviations on five distinct headings or more (a "
                                       "degree or more apart); %1 is given")
                : MORVEL_TR("compass", "the five coefficients need deviations on five distinct headings or more (a "
                                       "degree or more apart); %1 are given");
        card.why = navtext::say(few, {std::to_string(card.headings)});
        return card;
    }

    std::vector<std::array<double, terms>> rows;
    std::vector<double> y;
    for (const Swung& s : observations) {
        rows.push_back(termsOn(s.heading));
        y.push_back(s.deviation);
    }
    const std::array<double, terms> x = leastSquares(rows, y);
    card.A = x[0], card.B = x[1], card.C = x[2], card.D = x[3], card.E = x[4];
    for (int h = 0; h < 360; ++h)
        if (const double d = card.deviationOn(h * degree); !(std::abs(d) <= cardReach)) {
            card.why = navtext::say(MORVEL_TR("compass", "the fit reaches %1 on %2, over the %3 a compass may "
                                                         "deviate: observe on headings spread round the compass (or "
                                                         "is a deviation mistyped?)"),
                                    {navtext::eastWestText(d), navtext::navCourseText(h * degree),
                                     navtext::degreesText(cardReach)});
            return card;
        }
    for (const Swung& s : observations)
        card.residuals.push_back(s.deviation - card.deviationOn(s.heading));

    if (card.headings == terms)
        card.advice = navtext::say(MORVEL_TR("compass", "five headings give a card through every observation with "
                                                        "nothing to check it: eight or more headings spread round the "
                                                        "compass are advised"));
    for (size_t i = 0; i < headings.size(); ++i) {
        const int from = headings[i], to = headings[(i + 1) % headings.size()];
        const int arc = (to - from + 360) % 360;
        if (arc > 180)
            card.gaps.push_back({from * degree, to * degree});
    }
    return card;
}

std::string gapText(const Gap& g)
{
    const double arc = math::wrap(g.to - g.from);
    return navtext::say(MORVEL_TR("compass", "no heading from %1 to %2 (%3°): the card is extrapolated there"),
                        {navtext::navCourseText(g.from), navtext::navCourseText(g.to),
                         std::to_string(std::lround(arc / degree))});
}

}  // namespace morvel::compass
