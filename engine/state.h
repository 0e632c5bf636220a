/// \file state.h
/// \brief The engine's constants, solution sets, flags and window registry.
///
/// The engine is one module of free procedures over the variables below. All
/// angles are radians in doubles: latitude and declination signed, north
/// positive; altitude in -pi/2..pi/2; LHA and true azimuth in 0..2pi, azimuth
/// counted from north through east. The windows fold LHA and azimuth into the
/// meridian angle t and the azimuth angle Z (0..pi) before calling a solver.
///
/// A solution set is lat, lha, dec, alt, az with the same suffix (1 or 2).
/// Every solver writes set 1 completely and set 2 when there are two
/// solutions; nout says how many there are (0, 1 or 2).
#pragma once

#include "engine/angles.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace morvel::engine {

/// What the engine and the meridian diagram call on a calculator window.
/// Every calculator implements output and other; the decimal-degrees window
/// (forms[1]) also carries transfer and the diagram methods for all of them.
class CalcWindow {
public:
    virtual ~CalcWindow() = default;
    /// Shows x1 (and x2 when f is 2) in row m: 1 latitude, 2 LHA,
    /// 3 declination, 4 altitude, 5 azimuth. f = 0 shows nothing.
    virtual void output(double x1, double x2, int16_t f, int16_t m) = 0;
    /// Flags "Many Other Solutions" when the body is on the meridian.
    virtual void other(double z, double t) = 0;
    /// Shows "Many Other Solutions": the givens leave a whole arc of triangles.
    virtual void remark() {}
    virtual void transfer() {}
    virtual void calculate() {}
    virtual void clearall() {}
    virtual void drawmd(int16_t /*mmm*/) {}
    virtual void increment() {}
    virtual void mdchoose() {}
};

/// Shows a modal message with one OK button; returns when it is dismissed.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void show(const std::string& text) = 0;
};

// The half turn and radians per degree, from angles.h; setup sets them again.
inline double pi = math::pi;
inline double deg = math::degree;

// Count and solution sets of the last solve.
inline int16_t nout = 0;
inline double lat1 = 0, lat2 = 0;
inline double lha1 = 0, lha2 = 0;
inline double dec1 = 0, dec2 = 0;
inline double alt1 = 0, alt2 = 0;
inline double az1 = 0, az2 = 0;

inline int16_t mdset = 0;     ///< set the meridian diagram shows: 0 none, 1, 2
inline int16_t calcflag = 0;  ///< 1 once a calculation has run to its end
inline int16_t ticks = 0;     ///< animation tick count

/// The window registry: forms[1] decimal degrees, [2] degrees and minutes,
/// [3] great circle; forms[0] is never set. actform is the window that
/// started the current calculation.
inline std::array<CalcWindow*, 4> forms{};
inline int16_t actform = 0;

/// Creates (or returns) the global window with a registry index, without
/// showing it. Installed by the shell; absent in engine-only tests, where
/// forms is filled directly.
inline std::function<CalcWindow*(int)> windowFactory;

/// The message service; installed by the shell or by a test.
inline MessageService* messages = nullptr;

/// Shows text through the message service (nothing when none is installed).
void msgbox(const std::string& text);

/// First call of every calculation: constants, registry, active window and
/// flags. nout and the solution sets keep their values.
void setup(int16_t form);

/// forms[i], or null when i is out of range or that window is not registered.
CalcWindow* form(int i);

}  // namespace morvel::engine
