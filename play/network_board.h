#pragma once
#include <QString>

namespace kvd {

struct Move;
struct Rules;

// What the turn rules ask of the multi-player window in a network game: handing the turn to
// the peer, the last step of a game, the table sent again, the names, and the reset after it.
class NetworkBoard {
  public:
    // The longest line the commanders may send each other.
    static constexpr int kLongestChat = 60;

    virtual ~NetworkBoard() = default;
    // This player's move (a step or a repair) is decided: the peer gets it before any of it is
    // shown or heard. After a step the turn goes to the peer, the hand-over joining what the
    // step shows; a step that ended the game goes too, so the peer fights the deciding fight.
    virtual void SendMove(Rules& rules, const Move& move) = 0;
    // The step and the hand-over have been shown: what follows them on this program.
    virtual void HandedOver() = 0;
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
