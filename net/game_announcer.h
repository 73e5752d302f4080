#pragma once
#include <QObject>
#include <QTimer>

#include "net/lan_announcement.h"
#include "net/lan_settings.h"

namespace kvd {

// A hosting program's voice on the local network: while on, it sends its game's announcement
// to the settings' address and port, at once and then every interval, so joining programs can
// list it. A send that fails (no network) is simply tried again at the next interval.
class GameAnnouncer : public QObject {
  public:
    static constexpr int kInterval = 2000;

    explicit GameAnnouncer(int intervalMs = kInterval);
    ~GameAnnouncer() override;

    // Announces `game` to `where` from now on (again, with the new values, when already on).
    void Start(const LanSettings& where, const LanAnnouncement& game);
    void Stop();
    bool Running() const { return socket_ != -1; }
    int Sent() const { return sent_; }

  private:
    void Announce();

    QTimer timer_;
    int socket_ = -1;
    QByteArray datagram_;
    quint32 address_ = 0;  // network order
    quint16 port_ = 0;
    int sent_ = 0;
};

// Whether an IPv4 address (network order) is a broadcast address: the whole network's, or one
// of this machine's interfaces'.
bool IsBroadcast(quint32 address);

}  // namespace kvd
