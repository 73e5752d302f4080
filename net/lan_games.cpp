#include "net/lan_games.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <map>

namespace kvd {

LanGames::LanGames(int expiryMs) : expiryMs_(expiryMs) {
    // A game is dropped within a fraction of the expiry time after it fell silent.
    sweep_.setInterval(std::max(10, expiryMs / 4));
    connect(&sweep_, &QTimer::timeout, this, [this] { Expire(); });
    clock_.start();
}

LanGames::~LanGames() {
    OnChange = nullptr;  // the list goes quietly with its owner
    Stop();
}

bool LanGames::Start(const LanSettings& where) {
    Stop();
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    setsockopt(fd, SOL_SOCKET, SO_REUSEPORT, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(where.port);
    socklen_t size = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) < 0) {
        ::close(fd);
        return false;
    }
    socket_ = fd;
    port_ = ntohs(address.sin_port);
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Readable(); });
    sweep_.start();
    return true;
}

void LanGames::Stop() {
    sweep_.stop();
    if (socket_ == -1) return;
    notifier_->setEnabled(false);
    notifier_.release()->deleteLater();  // it may be the one whose signal is being handled
    ::close(socket_);
    socket_ = -1;
    port_ = 0;
    if (games_.empty()) return;
    games_.clear();
    Changed();
}

void LanGames::Readable() {
    for (int k = 0; k < kMostAtOnce && socket_ != -1; ++k) {
        char buffer[LanAnnouncement::kLongestDatagram + 1];
        sockaddr_in from{};
        socklen_t size = sizeof from;
        // MSG_TRUNC: the datagram's whole length, so one too long is known and ignored.
        const ssize_t got = recvfrom(socket_, buffer, sizeof buffer, MSG_TRUNC,
                                     reinterpret_cast<sockaddr*>(&from), &size);
        if (got < 0) return;  // nothing more now (or an error the next datagram will not have)
        if (got > LanAnnouncement::kLongestDatagram || from.sin_family != AF_INET) continue;
        const std::optional<LanAnnouncement> game =
            LanAnnouncement::Parse(QByteArray(buffer, int(got)));
        if (!game) continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
        Heard(QString::fromLatin1(text), *game);
    }
}

void LanGames::Heard(const QString& address, const LanAnnouncement& game) {
    const qint64 now = clock_.elapsed();
    // One game to an address and port; it may change its names while it waits.
    for (LanGame& known : games_) {
        if (known.address != address || known.announced.port != game.port) continue;
        known.heardMs = now;
        if (known.announced == game) return;
        known.announced = game;
        Changed();
        return;
    }
    const auto room = RoomFor(address);
    if (room != games_.end()) games_.erase(room);
    if (int(games_.size()) >= kMostGames) return;
    games_.push_back({address, game, now});
    Changed();
}

std::vector<LanGame>::iterator LanGames::RoomFor(const QString& address) {
    std::map<QString, int> counts;
    for (const LanGame& g : games_) ++counts[g.address];
    QString from = address;
    if (counts[address] < kMostFromOne) {
        if (int(games_.size()) < kMostGames) return games_.end();
        // The list is full: the sender that holds the most makes room, if it holds more than
        // the newcomer would.
        for (const auto& [sender, count] : counts)
            if (count > counts[from]) from = sender;
        if (counts[from] <= counts[address] + 1) return games_.end();
    }
    auto stalest = games_.end();
    for (auto it = games_.begin(); it != games_.end(); ++it)
        if (it->address == from && (stalest == games_.end() || it->heardMs < stalest->heardMs))
            stalest = it;
    return stalest;
}

void LanGames::Expire() {
    const qint64 now = clock_.elapsed();
    const auto silent = [&](const LanGame& g) { return now - g.heardMs > expiryMs_; };
    const auto gone = std::remove_if(games_.begin(), games_.end(), silent);
    if (gone == games_.end()) return;
    games_.erase(gone, games_.end());
    Changed();
}

void LanGames::Changed() {
    if (OnChange) OnChange();
}

}  // namespace kvd
