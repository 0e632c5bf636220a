#include "cli/answer.h"

namespace morvel::cli {

int Answer::count() const
{
    return std::visit([](const auto& r) { return r.count; }, result);
}

Answer answerOf(const Problem& p, double spacing)
{
    if (const auto* c = std::get_if<CelestialProblem>(&p))
        return {solve(*c), std::nullopt};
    Answer a{solve(std::get<PassageProblem>(p)), std::nullopt};
    const auto& r = std::get<PassageResult>(a.result);
    if (spacing > 0 && r.longitudes)
        a.routes = routesOf(r, spacing);
    return a;
}

}  // namespace morvel::cli
