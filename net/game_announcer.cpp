#include "net/game_announcer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kvd {

bool IsBroadcast(quint32 address) {
    if (address == htonl(INADDR_BROADCAST)) return true;
    for (const LanInterface& i : MachineInterfaces())
        if (i.broadcast == address) return true;
    return false;
}

GameAnnouncer::GameAnnouncer(int intervalMs) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Announce(); });
}

GameAnnouncer::~GameAnnouncer() {
    OnCarriedChange = nullptr;  // it goes quietly with its owner
    Stop();
}

void GameAnnouncer::Start(const LanSettings& where, const LanAnnouncement& game) {
    Stop();
    in_addr address{};
    if (inet_pton(AF_INET, where.address.toLatin1().constData(), &address) != 1 || where.port == 0)
        return;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (where.address == LanSettings::kWholeNetwork || IsBroadcast(address.s_addr)) {
        const int on = 1;
        setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    }
    socket_ = fd;
    where_ = where;
    port_ = where.port;
    datagram_ = game.Encode();
    carried_ = true;  // until a round finds nothing to carry it
    Announce();
    timer_.start();
}

void GameAnnouncer::Stop() {
    timer_.stop();
    if (socket_ == -1) return;
    ::close(socket_);
    socket_ = -1;
}

std::vector<quint32> GameAnnouncer::Targets() const {
    if (where_.address != LanSettings::kWholeNetwork) {
        in_addr address{};
        inet_pton(AF_INET, where_.address.toLatin1().constData(), &address);
        return {address.s_addr};
    }
    return AnnouncementTargets(where_.interfaces ? where_.interfaces() : MachineInterfaces(),
                               where_.limitedRoutes && where_.limitedRoutes());
}

void GameAnnouncer::Announce() {
    if (socket_ == -1) return;
    bool carried = false;
    for (const quint32 target : Targets()) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = target;
        to.sin_port = htons(port_);
        if (::sendto(socket_, datagram_.constData(), size_t(datagram_.size()), 0,
                     reinterpret_cast<sockaddr*>(&to), sizeof to) != datagram_.size())
            continue;
        ++sent_;
        carried = true;
    }
    if (carried == carried_) return;
    carried_ = carried;
    if (OnCarriedChange) OnCarriedChange(carried);
}

}  // namespace kvd
