/// \file plotter_link.h
/// \brief The fix sent to the chart plotter as NMEA 0183 over UDP
/// (instruments/udp.h): to the host and port the navigator sets
/// (127.0.0.1:10110, OpenCPN's usual, until set), off until switched on.
/// Both remembered between runs (QSettings "plotter/address" and
/// "plotter/sending"). No widget.
///
/// A fix goes as its $GPWPL waypoint ("FIX 1941Z") alone: a $GPGLL would
/// move the plotter's own ship, which on a boat with a working GPS is the
/// GPS's to say.
#pragma once

#include "instruments/fix_waypoint.h"
#include "instruments/udp.h"

#include <QString>

namespace morvel::sightwin {

class PlotterLink {
public:
    /// The address and the switch as remembered.
    PlotterLink();

    QString address() const { return address_; }
    bool sending() const { return sending_; }
    /// A new address (HOST, HOST:PORT, [IPv6]:PORT; the port 10110 when
    /// none is typed), remembered; the reason when it cannot be read.
    QString setAddress(const QString& address);
    void setSending(bool on);

    /// Sends the fix; the reason when it could not be sent, else empty.
    QString send(const instruments::FixWaypoint& fix);
    /// Sends the fix when sending is on and it is not the one last sent
    /// (the same position and time); true when it was sent, reason set
    /// when it could not be.
    bool sendNew(const instruments::FixWaypoint& fix, QString& reason);

private:
    QString address_;
    bool sending_ = false;
    instruments::UdpSender sender_;
    QString opened_;  ///< the address sender_ was opened to
    std::string last_;  ///< the sentence last sent
};

}  // namespace morvel::sightwin
