#include "sightwin/plotter_link.h"

#include <QSettings>

namespace morvel::sightwin {

namespace {

const QString addressKey = QStringLiteral("plotter/address");
const QString sendingKey = QStringLiteral("plotter/sending");

}  // namespace

PlotterLink::PlotterLink()
{
    QSettings settings;
    address_ = settings.value(addressKey, QStringLiteral("127.0.0.1:%1").arg(instruments::nmeaUdpPort)).toString();
    sending_ = settings.value(sendingKey, false).toBool();
}

QString PlotterLink::setAddress(const QString& address)
{
    std::string host;
    int port = 0;
    if (!instruments::readAddress(address.trimmed().toStdString(), instruments::nmeaUdpPort, host, port))
        return QObject::tr("'%1' is no host and port: 127.0.0.1:10110, plotter.local, [::1]:10110").arg(address);
    address_ = address.trimmed();
    QSettings().setValue(addressKey, address_);
    return {};
}

void PlotterLink::setSending(bool on)
{
    sending_ = on;
    QSettings().setValue(sendingKey, on);
}

QString PlotterLink::send(const instruments::FixWaypoint& fix)
{
    if (!sender_.isOpen() || opened_ != address_) {
        std::string host;
        int port = 0;
        instruments::readAddress(address_.toStdString(), instruments::nmeaUdpPort, host, port);
        if (const std::string why = sender_.open(host, port); !why.empty())
            return QString::fromStdString(why);
        opened_ = address_;
    }
    const std::string sentence = fix.nmea(false);
    if (const std::string why = sender_.send(sentence); !why.empty())
        return QString::fromStdString(why);
    last_ = sentence;
    return {};
}

bool PlotterLink::sendNew(const instruments::FixWaypoint& fix, QString& reason)
{
    reason.clear();
    if (!sending_ || fix.nmea(false) == last_)
        return false;
    reason = send(fix);
    return reason.isEmpty();
}

}  // namespace morvel::sightwin
