#include "net/game_announcer.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kvd {

bool IsBroadcast(quint32 address) {
    if (address == htonl(INADDR_BROADCAST)) return true;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) return false;
    bool found = false;
    for (ifaddrs* i = interfaces; i && !found; i = i->ifa_next)
        found = (i->ifa_flags & IFF_BROADCAST) && i->ifa_broadaddr &&
                i->ifa_broadaddr->sa_family == AF_INET &&
                reinterpret_cast<sockaddr_in*>(i->ifa_broadaddr)->sin_addr.s_addr == address;
    freeifaddrs(interfaces);
    return found;
}

GameAnnouncer::GameAnnouncer(int intervalMs) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Announce(); });
}

GameAnnouncer::~GameAnnouncer() {
    Stop();
}

void GameAnnouncer::Start(const LanSettings& where, const LanAnnouncement& game) {
    Stop();
    in_addr address{};
    if (inet_pton(AF_INET, where.address.toLatin1().constData(), &address) != 1 || where.port == 0)
        return;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (IsBroadcast(address.s_addr)) {
        const int on = 1;
        setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    }
    socket_ = fd;
    address_ = address.s_addr;
    port_ = where.port;
    datagram_ = game.Encode();
    Announce();
    timer_.start();
}

void GameAnnouncer::Stop() {
    timer_.stop();
    if (socket_ == -1) return;
    ::close(socket_);
    socket_ = -1;
}

void GameAnnouncer::Announce() {
    if (socket_ == -1) return;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = address_;
    to.sin_port = htons(port_);
    if (::sendto(socket_, datagram_.constData(), size_t(datagram_.size()), 0,
                 reinterpret_cast<sockaddr*>(&to), sizeof to) == datagram_.size())
        ++sent_;
}

}  // namespace kvd
