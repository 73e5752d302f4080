#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "net/lan_announcement.h"
#include "net/lan_settings.h"

class QSocketNotifier;

namespace kvd {

// A game heard on the local network: where to join it, what it is, and when it was last heard.
struct LanGame {
    QString address;  // the sender's IPv4 address
    LanAnnouncement announced;
    qint64 heardMs = 0;  // on the list's own clock
};

// The games a joining program hears: listens on the settings' UDP port (shared, so two programs
// on one machine both hear), takes every sound announcement and ignores anything else, and
// keeps a list of the games, each until it has not been heard for the expiry time. A flood of
// datagrams costs a bounded amount of work each event, and the list holds at most kMostGames.
// When it is full, a new game takes the place of the stalest game of the sender with the most
// games, and one sender holds at most kMostFromOne: a flood of games from one address never
// pushes out another address's game.
class LanGames : public QObject {
  public:
    static constexpr int kExpiry = 6000;
    static constexpr int kMostGames = 32;
    static constexpr int kMostFromOne = 4;
    // The most datagrams read in one event; the notifier raises the next for the rest.
    static constexpr int kMostAtOnce = 64;

    explicit LanGames(int expiryMs = kExpiry);
    ~LanGames() override;

    // Listens on `where.port` (0: a free port, which Port() tells); false when that cannot be.
    bool Start(const LanSettings& where);
    void Stop();
    bool Listening() const { return socket_ != -1; }
    quint16 Port() const { return port_; }
    const std::vector<LanGame>& Games() const { return games_; }

    // The list has changed: a game came, went, or tells something new.
    std::function<void()> OnChange;

  private:
    void Readable();
    void Heard(const QString& address, const LanAnnouncement& game);
    // The game that makes room for a new one from `address`; games_.end() when none need.
    std::vector<LanGame>::iterator RoomFor(const QString& address);
    void Expire();
    void Changed();

    int expiryMs_;
    int socket_ = -1;
    quint16 port_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer sweep_;
    QElapsedTimer clock_;
    std::vector<LanGame> games_;
};

}  // namespace kvd
