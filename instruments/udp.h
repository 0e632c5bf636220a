/// \file udp.h
/// \brief Sentences sent to a chart plotter as UDP datagrams, as OpenCPN
/// and other plotters listen for NMEA 0183 on a network port (10110 by
/// custom). Plain POSIX sockets, no Qt.
///
/// The host is a name or an address, IPv4 or IPv6, looked up each time a
/// sender is opened; a broadcast address (192.168.1.255) may be given, the
/// socket being allowed to send to it. Sending never waits on the plotter:
/// UDP says nothing of whether anything listens.
#pragma once

#include <string>

namespace morvel::instruments {

/// The usual port of NMEA over UDP.
constexpr int nmeaUdpPort = 10110;

/// A host and a port as typed: HOST, HOST:PORT, an IPv6 address alone, or
/// [IPv6]:PORT; the port 1 to 65535, fallback when none is typed. False
/// when the text is none of these.
bool readAddress(const std::string& text, int fallback, std::string& host, int& port);

class UdpSender {
public:
    UdpSender() = default;
    UdpSender(const UdpSender&) = delete;
    UdpSender& operator=(const UdpSender&) = delete;
    ~UdpSender();

    /// Looks up host and opens a socket to it; the reason when it cannot
    /// (an unknown host, a port outside 1 to 65535), else empty.
    std::string open(const std::string& host, int port);
    bool isOpen() const { return fd_ >= 0; }
    /// Sends text as one datagram; the reason when it is refused, else
    /// empty.
    std::string send(const std::string& text) const;
    void close();

private:
    int fd_ = -1;
    std::string where_;  ///< host:port, for messages
};

}  // namespace morvel::instruments
