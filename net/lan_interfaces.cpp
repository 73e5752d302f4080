#include "net/lan_interfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace kvd {

std::vector<LanInterface> MachineInterfaces() {
    std::vector<LanInterface> found;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) return found;
    for (ifaddrs* i = interfaces; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
        LanInterface entry;
        entry.name = QString::fromLocal8Bit(i->ifa_name);
        entry.up = (i->ifa_flags & IFF_UP) && (i->ifa_flags & IFF_RUNNING);
        entry.loopback = i->ifa_flags & IFF_LOOPBACK;
        if ((i->ifa_flags & IFF_BROADCAST) && i->ifa_broadaddr &&
            i->ifa_broadaddr->sa_family == AF_INET)
            entry.broadcast = reinterpret_cast<sockaddr_in*>(i->ifa_broadaddr)->sin_addr.s_addr;
        found.push_back(entry);
    }
    freeifaddrs(interfaces);
    return found;
}

bool LimitedBroadcastRoutes() {
    // Connecting a datagram socket only looks the route up; nothing goes on the wire.
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    to.sin_port = htons(9);
    const bool routed = ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
    ::close(fd);
    return routed;
}

std::vector<quint32> AnnouncementTargets(const std::vector<LanInterface>& interfaces,
                                         bool limitedRoutes) {
    std::vector<quint32> targets;
    const auto add = [&](quint32 address) {
        if (std::find(targets.begin(), targets.end(), address) == targets.end())
            targets.push_back(address);
    };
    for (const LanInterface& i : interfaces)
        if (i.up && !i.loopback && i.broadcast && *i.broadcast != 0) add(*i.broadcast);
    if (limitedRoutes) add(htonl(INADDR_BROADCAST));
    return targets;
}

}  // namespace kvd
