#include "engine/state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace e = morvel::engine;

namespace {

struct NullWindow : e::CalcWindow {
    void output(double, double, int16_t, int16_t) override {}
    void other(double, double) override {}
};

TEST(Setup, SetsConstantsRegistryAndFlagsButKeepsTheLastSolution)
{
    static NullWindow w1, w2, w3;
    e::windowFactory = [](int i) -> e::CalcWindow* {
        return i == 1 ? &w1 : i == 2 ? &w2 : &w3;
    };
    e::nout = 2;
    e::lat1 = 0.5;
    e::calcflag = e::ticks = e::mdset = 1;

    e::setup(3);

    EXPECT_DOUBLE_EQ(e::pi, M_PI);
    EXPECT_DOUBLE_EQ(e::deg * 180, M_PI);
    EXPECT_EQ(e::forms[0], nullptr);
    EXPECT_EQ(e::forms[1], &w1);
    EXPECT_EQ(e::forms[2], &w2);
    EXPECT_EQ(e::forms[3], &w3);
    EXPECT_EQ(e::actform, 3);
    EXPECT_EQ(e::calcflag, 0);
    EXPECT_EQ(e::ticks, 0);
    EXPECT_EQ(e::mdset, 0);
    EXPECT_EQ(e::nout, 2);
    EXPECT_EQ(e::lat1, 0.5);
    EXPECT_EQ(e::form(0), nullptr);
    EXPECT_EQ(e::form(4), nullptr);
    e::windowFactory = nullptr;
}

}  // namespace
