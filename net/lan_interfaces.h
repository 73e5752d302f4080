#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace kvd {

// A network interface of this machine, as far as announcing a game on it goes.
struct LanInterface {
    QString name;
    bool up = false;
    bool loopback = false;
    std::optional<quint32> broadcast;  // its IPv4 broadcast address (network order), if it has one
};

// The IPv4 interfaces of this machine, one entry an address.
std::vector<LanInterface> MachineInterfaces();
// Whether this machine has a route for the limited broadcast 255.255.255.255 (asked without
// sending anything).
bool LimitedBroadcastRoutes();

// Where a game is announced to reach every local network: the broadcast address of each
// interface that is up and has one, loopback aside, and 255.255.255.255 when a route allows it;
// each once, in the order found.
std::vector<quint32> AnnouncementTargets(const std::vector<LanInterface>& interfaces,
                                         bool limitedRoutes);

}  // namespace kvd
