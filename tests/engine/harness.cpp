#include "harness.h"

#include <algorithm>

namespace morvel::test {

bool Record::said(const std::string& text) const
{
    return std::find(messages.begin(), messages.end(), text) != messages.end();
}

Angles degrees(double lat, double lha, double dec, double alt, double zn)
{
    return {lat * degree, lha * degree, dec * degree, alt * degree, zn * degree};
}

Record solve(int16_t code, const Angles& a)
{
    return solve(code, engine::Givens{a.lat, a.lha, a.dec, a.alt, a.zn, engine::fold(a.lha), engine::fold(a.zn)});
}

Record solve(int16_t code, engine::Givens g)
{
    static Recorder recorder;
    Record r;
    recorder.into = &r;
    engine::forms = {nullptr, &recorder, nullptr, nullptr};
    engine::messages = &recorder;
    engine::setup(1);
    engine::nout = 1;
    engine::solvecase(code, g);
    r.nout = engine::nout;
    r.sets[0] = {engine::lat1, engine::lha1, engine::dec1, engine::alt1, engine::az1};
    r.sets[1] = {engine::lat2, engine::lha2, engine::dec2, engine::alt2, engine::az2};
    return r;
}

}  // namespace morvel::test
