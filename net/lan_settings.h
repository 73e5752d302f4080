#pragma once
#include <QString>

namespace kvd {

// Where games on the local network are announced and heard: the whole network by default; a
// test (or a player on an unusual network) names another address and port.
struct LanSettings {
    static constexpr quint16 kDefaultPort = 47319;
    QString address = QStringLiteral("255.255.255.255");
    quint16 port = kDefaultPort;
};

}  // namespace kvd
