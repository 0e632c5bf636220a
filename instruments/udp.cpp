#include "instruments/udp.h"

#include "navtext/say.h"

#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

namespace morvel::instruments {

bool readAddress(const std::string& text, int fallback, std::string& host, int& port)
{
    std::string portText;
    host = text;
    port = fallback;
    if (!text.empty() && text.front() == '[') {
        const size_t close = text.find(']');
        if (close == std::string::npos || (close + 1 < text.size() && text[close + 1] != ':'))
            return false;
        host = text.substr(1, close - 1);
        if (close + 1 < text.size() && (portText = text.substr(close + 2)).empty())
            return false;
    } else if (const size_t colon = text.find(':'); colon != std::string::npos && colon == text.rfind(':')) {
        host = text.substr(0, colon);
        if ((portText = text.substr(colon + 1)).empty())
            return false;
    }
    if (host.empty() || host.find_first_of(" \t") != std::string::npos)
        return false;
    if (!portText.empty()) {
        if (portText.size() > 5 || portText.find_first_not_of("0123456789") != std::string::npos)
            return false;
        port = std::stoi(portText);
        if (port < 1 || port > 65535)
            return false;
    }
    return true;
}

UdpSender::~UdpSender()
{
    close();
}

void UdpSender::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::string UdpSender::open(const std::string& host, int port)
{
    close();
    where_ = host + ":" + std::to_string(port);
    if (port < 1 || port > 65535)
        return navtext::say(MORVEL_TR("instruments", "the port %1 is not 1 to 65535"), {std::to_string(port)});
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (const int e = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found); e != 0)
        return where_ + ": " + gai_strerror(e);
    std::string why;
    for (addrinfo* a = found; a && fd_ < 0; a = a->ai_next) {
        const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) {
            why = std::strerror(errno);
            continue;
        }
        const int yes = 1;
        setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &yes, sizeof yes);
        // Connected, so that send() needs no address and a port refusing
        // on this machine can be told.
        if (connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
            why = std::strerror(errno);
            ::close(fd);
            continue;
        }
        fd_ = fd;
    }
    freeaddrinfo(found);
    return fd_ >= 0 ? std::string() : where_ + ": " + why;
}

std::string UdpSender::send(const std::string& text) const
{
    if (fd_ < 0)
        return navtext::say(MORVEL_TR("instruments", "no plotter to send to"));
    const ssize_t sent = ::send(fd_, text.data(), text.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0)
        return where_ + ": " + std::strerror(errno);
    if (size_t(sent) != text.size())
        return navtext::say(MORVEL_TR("instruments", "%1: the datagram was cut short"), {where_});
    return {};
}

}  // namespace morvel::instruments
