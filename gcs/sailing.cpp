#include "gcs/sailing.h"

#include "engine/angles.h"
#include "engine/primitives.h"

#include <cmath>
#include <numbers>

namespace morvel::gcs {

namespace {

using math::pi, math::degree;

/// x moved into -pi..pi by one turn, when it lies beyond.
double withinHalfTurn(double x)
{
    return std::abs(x) > pi ? x - std::copysign(engine::twoPi, x) : x;
}

}  // namespace

double altitudeOf(double miles)
{
    return (90 - miles / 60) * degree;
}

double milesOf(double alt)
{
    return (90 - alt / degree) * 60;
}

double shownMiles(double alt)
{
    return std::floor(milesOf(alt) * 10 + 0.5) / 10;
}

double shownDlo(double lha)
{
    return engine::fold(std::abs(lha));
}

double westward(double dlo, bool east)
{
    return east ? engine::twoPi - dlo : dlo;
}

double dloBetween(double lonDep, double lonDes)
{
    const double lha = lonDep - lonDes;
    return lha < 0 ? lha + engine::twoPi : lha;
}

bool courseDisagrees(double lha, double course)
{
    return engine::sidesDisagree(lha, course);
}

bool dloShownEast(double lha, double course, bool fromLongitudes)
{
    return fromLongitudes ? !(lha < pi) : !(course > pi);
}

InputSet inputSet(int given, bool dlo, bool lonDep, bool lonDes)
{
    if (lonDep && lonDes)
        return given == 2 && !dlo ? InputSet::dloFromLongitudes : InputSet::rejected;
    return given == 3 ? InputSet::three : InputSet::rejected;
}

engine::Givens givens(double latDep, double lha, double latDes, double alt, double course)
{
    return {latDep, lha, latDes, alt, course, engine::fold(lha), engine::fold(course)};
}

double longitudeOfDestination(double lonDep, double lha)
{
    return withinHalfTurn(lonDep - lha);
}

double longitudeOfDeparture(double lonDes, double lha)
{
    return withinHalfTurn(lonDes + lha);
}

double finalCourse(double lat, double lha, double dec, double course)
{
    // B, the angle at the destination between its meridian (towards the
    // north) and the great circle back to the departure.
    const engine::SideAngle s = engine::sas(dec, lat, engine::fold(lha));
    constexpr double slack = 1e-12;
    if (s.side > engine::halfPi - slack)  // no distance: no turn
        return course;
    if (std::abs(dec) > engine::halfPi - slack)  // along a meridian into the pole
        return dec > 0 ? 0 : pi;
    if (s.side < -engine::halfPi + slack) {  // the antipode
        const double c = pi - course;
        return c < 0 ? c + engine::twoPi : c;
    }
    // A westerly course arrives on 180 + B, any other on 180 - B. Due north
    // or due south the way back runs along a meridian, B is 0 or 180, and
    // the passage arrives on 000 or 180 as it crosses a pole or not.
    return course > pi ? pi + s.angle : pi - s.angle;
}

Leg rhumbBeside(double lat, double lha, double dec, double course)
{
    double dlon = std::remainder(-lha, engine::twoPi);  // east positive
    if (std::abs(dlon) == pi)
        dlon = course > pi ? -pi : pi;
    return rhumb(lat, dec, dlon);
}

}  // namespace morvel::gcs
