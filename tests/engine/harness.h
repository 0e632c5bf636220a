// Runs one solve the way a calculator window does and records what the
// engine reports: messages, output / other / transfer calls, the count and
// both solution sets.
#pragma once

#include "engine/angles.h"
#include "engine/cases.h"
#include "engine/state.h"

#include <array>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace morvel::test {

inline constexpr double degree = std::numbers::pi / 180;

struct OutputCall {
    double x1, x2;
    int16_t f, m;
};

/// One solution set in radians.
struct Solution {
    double lat, lha, dec, alt, az;
};

struct Record {
    std::vector<std::string> messages;
    std::vector<OutputCall> outputs;
    int others = 0;
    bool remark = false;  ///< a window would show "Many Other Solutions"
    int transfers = 0;
    int16_t nout = 0;
    std::array<Solution, 2> sets{};

    /// The count shown by the output calls (0 when there were none).
    int16_t shown() const { return outputs.empty() ? 0 : outputs.front().f; }
    bool said(const std::string& text) const;
};

/// A window that records into a Record, and the message service.
class Recorder : public engine::CalcWindow, public engine::MessageService {
public:
    Record* into = nullptr;
    void output(double x1, double x2, int16_t f, int16_t m) override { into->outputs.push_back({x1, x2, f, m}); }
    void other(double z, double t) override
    {
        ++into->others;
        into->remark = into->remark || math::onMeridian(z, t);
    }
    void remark() override { into->remark = true; }
    void transfer() override { ++into->transfers; }
    void show(const std::string& text) override { into->messages.push_back(text); }
};

/// The five quantities in radians; only those of the case are given.
struct Angles {
    double lat = 0, lha = 0, dec = 0, alt = 0, zn = 0;
};

Angles degrees(double lat, double lha, double dec, double alt, double zn);

/// Solves case code from a (radians) as a window does: setup, nout = 1, t and
/// Z folded from lha and zn. The recorder stays installed afterwards.
Record solve(int16_t code, const Angles& a);
/// The same from the solver's givens as they are.
Record solve(int16_t code, engine::Givens g);

}  // namespace morvel::test
