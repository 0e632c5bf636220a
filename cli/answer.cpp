#include "cli/answer.h"

#include "cli/texts.h"

namespace morvel::cli {

using namespace navtext;

int Answer::count() const
{
    return std::visit([](const auto& r) { return r.count; }, result);
}

Answer answerOf(const Problem& p, double spacing, std::optional<double> limit)
{
    if (const auto* c = std::get_if<CelestialProblem>(&p))
        return {solve(*c), std::nullopt, {}};
    Answer a{solve(std::get<PassageProblem>(p)), std::nullopt, {}};
    const auto& r = std::get<PassageResult>(a.result);
    if (limit && r.longitudes)
        for (int k = 0; k < r.count; ++k) {
            const Passage& s = r.sets[size_t(k)];
            a.composites.push_back(gcs::composite(s.fromLat, s.fromLon, s.toLat, s.toLon, s.course, *limit));
        }
    if (spacing > 0 && r.longitudes)
        a.routes = routesOf(r, spacing, a.composites);
    return a;
}

std::string compositeRefused(const Answer& a)
{
    using O = gcs::Composite::Outcome;
    for (size_t k = 0; k < a.composites.size(); ++k) {
        const gcs::Composite& c = a.composites[k];
        if (c.outcome != O::departurePoleward && c.outcome != O::destinationPoleward)
            continue;
        const Passage& s = std::get<PassageResult>(a.result).sets[k];
        const bool departure = c.outcome == O::departurePoleward;
        return std::string(departure ? "the departure" : "the destination") + " (" +
               latitudeText(departure ? s.fromLat : s.toLat, false) + ") lies beyond the limit " +
               latitudeText(c.limit, false) + ": no route keeps within it (--limit-lat)";
    }
    return {};
}

}  // namespace morvel::cli
