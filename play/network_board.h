#pragma once
#include <QString>

namespace kvd {

struct Rules;

// What the turn rules ask of the multi-player window in a network game: handing the turn to
// the peer, the last step of a game, the table sent again, the names, and the reset after it.
class NetworkBoard {
  public:
    // The longest line the commanders may send each other.
    static constexpr int kLongestChat = 60;

    virtual ~NetworkBoard() = default;
    // The hosting player's step is decided: the hand-over joins what the step shows, and the
    // move record and the turn go to the joining player before any of it is shown or heard.
    virtual void PlayerSleep(Rules& rules) = 0;
    // The joining player's step is decided: the same, the turn going back to the host.
    virtual void ClientSleep(Rules& rules) = 0;
    // The step and the hand-over have been shown: what follows them on this program.
    virtual void HandedOver() = 0;
    // A fight has ended the game: the peer gets the step and the turn, so it fights it too.
    virtual void SendLastMove() = 0;
    // A supply ship was asked for a repair (which the peer's table must see too).
    virtual void SendRepair(int repairerCode, int targetCode) = 0;
    // A line of the player's to the other commander.
    virtual void SendChat(const QString& text) = 0;
    // The hosting player asks for the whole table to be sent to the joining player again.
    virtual void ResendTable() = 0;
    // The name of the commander of a side (the first side is the hosting player's).
    virtual QString Commander(bool firstSide) const = 0;
    // The game is over or left: the connection is closed and the window made ready again.
    virtual void ResetConnection() = 0;
};

}  // namespace kvd
