#pragma once
#include <QString>
#include <functional>

#include "play/turn_display.h"

namespace kvd {

class Game;
struct Rules;
class GameSetup;
struct Context;
struct NetState;

// A network game once the two programs have found each other: its set-up on both, the
// hand-over of the turn after each step, and the start of a turn after the peer's, where the
// fight the peer's step caused is fought on this program's own table.
class NetworkGame {
public:
    NetworkGame(Game& game, Context& context, TurnDisplay& display, GameSetup& setup, NetState& state);

    // Sends one message to the peer and then waits pauseMs. False when the rule must stop.
    std::function<bool(const QString& message, int pauseMs)> send;

    // Sets up the game on the table in hand. The host places both fleets and sends the table
    // and the start; the joining program has received them. False when it could not start (the
    // reason has been shown).
    bool NetGameInit(bool joining);
    // Every line of the table that is one (longer than 50 characters), then "[Stage]=3".
    bool SendTable();

    // The hand-overs: the move record, the checksum of this table, the turn token.
    void PlayerSleep();
    void ClientSleep();
    // A fight ended the game: the peer gets the step and the turn, so it fights it too.
    void SendLastMove();

    // The peer's turn token has come: this program's turn starts.
    void ClientWake();
    void PlayerWake();
    // The peer's "[Move]=" record, checked already: the unit steps; its fight waits for the turn.
    void ApplyPeersMove(const QString& record, QChar senderSide);

    // A line in the board's report box.
    void Report(const QString& text) { display_.Report(text); }

    // Whether the tables still agree after the peer's step and this program's fight.
    // False when they have drifted apart (the host then sends its table again).
    bool TablesAgree();


private:
    bool SendMove(const QString& token);
    template <class Fn>
    bool DecideAndShow(Fn fn);
    // The fight the peer's step caused: its unit against what stands on the cell it stepped to.
    void MeetPeersStep(Rules& rules);
    void HandOver(bool host);
    void Wake(bool joining);

    Game& game_;
    Context& context_;
    TurnDisplay& display_;
    GameSetup& setup_;
    NetState& state_;
};

}  // namespace kvd
