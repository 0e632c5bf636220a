/// \file reckoning.h
/// \brief Dead reckoning and the estimated position: a track of legs, the
/// DR at any time, the EP with the current, the set and drift a fix gives,
/// and current sailing (the course to steer across a current). No Qt.
///
/// Units and signs. Latitudes north and longitudes east positive, radians,
/// longitudes in -pi..pi; courses, sets and tracks true, from north
/// through east, 0..2pi; distances in nautical miles (a minute of arc);
/// speeds and drifts in knots; times in hours on one clock of the caller's
/// choosing (the sight log counts them from its DR's Julian day).
///
/// The current. Its set is the direction it flows toward, degrees true (a
/// current setting 090 carries the ship east), its drift its rate in
/// knots. The ship's motion over the ground is its motion through the
/// water (the DR) plus the current's.
///
/// Sailing. Within a leg the ship runs by plane sailing at the middle
/// latitude: the difference of latitude is the distance times cos course,
/// the departure the distance times sin course, and the difference of
/// longitude the departure over the cosine of the mean of the two
/// latitudes. Over the day's runs a navigator works this is the rhumb line
/// within a fraction of a cable; it is not for ocean passages (gcs/rhumb.h
/// and gcs/sailing.h are). A run that would cross a pole stops there, with
/// its longitude unchanged.
///
/// The track. A track starts at a position known at one time (the last
/// fix, or the DR the navigator took), steering a course at a speed from
/// then. Later legs change course and speed from their times on; a leg
/// given for the time of an earlier one replaces it. The leg in force at a
/// time is the latest one from that time or before; before the first leg's
/// time the first holds. The DR at any time, before the start or after it,
/// is run leg by leg from the start.
///
/// The EP is the DR at its time moved by the current over the hours since
/// the track's start. The set and drift from a fix are the course and
/// distance from the DR to the fix at the same time, over the hours since
/// the last fix (the track's start).
///
/// Current sailing. To make good a track T at a speed S through the water
/// across a current (set A, drift D), the ship steers the course C whose
/// water motion and the current's add up to motion along T:
/// S sin(C - T) = -D sin(A - T), and makes good S cos(C - T) + D cos(A - T)
/// along T. Where D > S two courses may do it; the one with the greater
/// speed made good is given first. None does where D sin(A - T) exceeds S
/// (the current sweeps the ship off the track faster than it can stem it),
/// or where the speed made good would be nothing or astern (the current
/// runs against the track faster than the ship).
#pragma once

#include "gcs/rhumb.h"

#include <optional>
#include <string>
#include <vector>

namespace morvel::reckoning {

using gcs::Place;

/// Where a run of miles on course leads from from, by mid-latitude sailing
/// (negative miles run the reciprocal).
Place run(const Place& from, double course, double miles);

/// The course and distance from a to b by mid-latitude sailing, the short
/// way round in longitude; course 0 between the same places. run(a,
/// between(a, b)) is b.
gcs::Leg between(const Place& a, const Place& b);

/// One leg of a track: from a time, a course at a speed.
struct Leg {
    double from = 0;  ///< hours
    double course = 0;
    double speed = 0;  ///< knots
};

class Track {
public:
    /// At start at time, steering course at speed.
    Track(const Place& start, double time, double course, double speed);

    /// Course and speed changed from time on (a leg at an existing leg's
    /// time replaces it).
    void change(double time, double course, double speed);

    /// The DR at time.
    Place at(double time) const;

    const Place& start() const { return start_; }
    double time() const { return time_; }
    /// The legs in order of their times, the first the start's.
    const std::vector<Leg>& legs() const { return legs_; }

private:
    /// The leg in force at time.
    const Leg& legAt(double time) const;

    Place start_;
    double time_ = 0;
    std::vector<Leg> legs_;
};

struct Current {
    double set = 0;    ///< the direction it flows toward
    double drift = 0;  ///< knots
};

/// The EP at time: the DR moved by the current over the hours since the
/// track's start.
Place estimated(const Track& track, const Current& current, double time);

/// The current a fix gives against the DR for the same time, hours after
/// the last fix.
struct CurrentFound {
    Current current;
    double miles = 0;  ///< from the DR to the fix
    std::string error;
    bool ok() const { return error.empty(); }
};
CurrentFound currentFrom(const Place& dr, const Place& fix, double hours);

/// A course to steer and the speed it makes good along the track.
struct Steering {
    double course = 0;
    double speedMadeGood = 0;  ///< knots
};

struct CurrentSailing {
    Steering steer;                ///< the greater speed made good
    std::optional<Steering> other;  ///< the second course, where the current outruns the ship
    std::string error;              ///< why no course makes good the track
    bool ok() const { return error.empty(); }
};

/// The course to steer at speed (knots through the water, above 0) to make
/// good track in current.
CurrentSailing courseToSteer(double track, double speed, const Current& current);

}  // namespace morvel::reckoning
