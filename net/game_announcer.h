#pragma once
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

#include "net/lan_announcement.h"
#include "net/lan_settings.h"

namespace kvd {

// A hosting program's voice on the local network: while on, it sends its game's announcement
// at once and then every interval. To the whole network (the settings' default) it goes to the
// broadcast address of every interface that is up, asked anew each time so a network that comes
// later is reached too; to another address, there alone. A send that fails is tried again at
// the next interval; whether any of them can go out is told as it changes.
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
    // Whether the last round reached at least one network.
    bool Carried() const { return carried_; }

    // The announcement could go out before and cannot now, or the other way round.
    std::function<void(bool carried)> OnCarriedChange;

  private:
    void Announce();
    std::vector<quint32> Targets() const;

    QTimer timer_;
    int socket_ = -1;
    QByteArray datagram_;
    LanSettings where_;
    quint16 port_ = 0;
    int sent_ = 0;
    bool carried_ = false;
};

// Whether an IPv4 address (network order) is a broadcast address: the whole network's, or one
// of this machine's interfaces'.
bool IsBroadcast(quint32 address);

}  // namespace kvd
