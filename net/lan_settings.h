#pragma once
#include <QString>
#include <functional>
#include <vector>

#include "net/lan_interfaces.h"

namespace kvd {

// Where games on the local network are announced and heard: the whole network by default,
// which is every local network this machine's interfaces reach; a test (or a player on an
// unusual network) names another address and port. What the machine has to reach them with is
// asked through the two functions, which a test replaces.
struct LanSettings {
    static constexpr quint16 kDefaultPort = 47319;
    static inline const QString kWholeNetwork = QStringLiteral("255.255.255.255");
    QString address = kWholeNetwork;
    quint16 port = kDefaultPort;
    std::function<std::vector<LanInterface>()> interfaces = MachineInterfaces;
    std::function<bool()> limitedRoutes = LimitedBroadcastRoutes;
};

}  // namespace kvd
