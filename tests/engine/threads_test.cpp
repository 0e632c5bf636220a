// The solved triangle is a value: four threads solving the same random
// triangles of all ten cases at once get what one thread gets, bit for bit.
#include "engine/triangle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <thread>
#include <vector>

namespace morvel::test {
namespace {

constexpr int16_t codes[] = {28, 19, 22, 25, 26, 21, 14, 7, 13, 11};

std::vector<engine::Solved> solveAll(const std::vector<engine::Givens>& all)
{
    std::vector<engine::Solved> out;
    out.reserve(all.size() * std::size(codes));
    for (const engine::Givens& g : all)
        for (int16_t code : codes)
            out.push_back(engine::solveTriangle(code, g));
    return out;
}

bool same(const engine::Solved& a, const engine::Solved& b)
{
    return a.code == b.code && a.count == b.count && a.manyOther == b.manyOther &&
           std::memcmp(&a.sets, &b.sets, sizeof a.sets) == 0 && a.messages.joined() == b.messages.joined();
}

TEST(Threads, FourAtOnceSolveAsOneDoes)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> half(-1.6, 1.6), turn(0, 6.3);
    std::vector<engine::Givens> all(2000);
    for (engine::Givens& g : all)
        g = engine::givens(half(rng), turn(rng), half(rng), half(rng), turn(rng));
    const std::vector<engine::Solved> alone = solveAll(all);

    std::vector<std::vector<engine::Solved>> results(4);
    std::vector<std::thread> threads;
    for (auto& r : results)
        threads.emplace_back([&r, &all] { r = solveAll(all); });
    for (std::thread& t : threads)
        t.join();
    for (const auto& r : results) {
        ASSERT_EQ(r.size(), alone.size());
        for (size_t i = 0; i < r.size(); ++i)
            ASSERT_TRUE(same(r[i], alone[i])) << "problem " << i / std::size(codes) << ", code " << alone[i].code;
    }
}

}  // namespace
}  // namespace morvel::test
