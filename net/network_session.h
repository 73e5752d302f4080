#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/battle_log.h"
#include "core/fleet_file.h"
#include "play/move.h"

#include "play/turn_display.h"

namespace kvd {

class Game;
class GameJournal;
class GameSetup;
struct Context;
struct NetState;
struct Rules;

// A network game once the two programs have found each other, without a window of its own:
// its set-up on both programs, the table sent and taken, the hand-over of the turn after each
// step, the peer's moves and repairs applied, the start of a turn after the peer's (where the
// fight the peer's step caused is fought on this program's own table), and the check that the
// two tables still agree. What it shows goes to the board through the display.
class NetworkSession {
  public:
    NetworkSession(Game& game, Context& context, TurnDisplay& display, GameSetup& setup,
                   NetState& state);

    // Sends one message to the peer and then waits pauseMs. False when the rule must stop.
    std::function<bool(const QString& message, int pauseMs)> send;
    // A line of the exchange's status for the player (a refusal, a drift).
    std::function<void(const QString& text)> status;

    // Sets up the game on the table in hand. The host places both fleets and sends the table
    // and the start; the joining program has received them. False when it could not start (the
    // reason has been shown).
    bool NetGameInit(bool joining);
    // Every line of the table that is one (longer than 50 characters), then "[Stage]=3".
    bool SendTable();

    // The host's table on its way to the joining program: it is taken over once all of it has
    // come and every line is sound; a table that is not stays out, and the one in hand stays.
    void BeginTable();
    void TableLine(const QString& line);
    // "[Stage]=3": the table is complete. Whether it was taken.
    bool TableComplete();
    // Whether a whole, well-formed table has come since the last BeginTable.
    bool TableReady() const { return tableReady_; }

    // A message of the peer during the game: its turn token, move, repair or table checksum
    // (the host receives the joining player's, the joining program the host's). False when it
    // is none of these.
    bool GameMessage(const QString& message, bool host);

    // This player's move is decided: the one place a move leaves for the peer, before anything
    // of it is shown or heard. A repair goes alone; a step goes with this table's checksum and
    // the turn token, the hand-over decided into what the step shows while the game goes on.
    void SendMove(Rules& rules, const Move& move);
    // The step and the hand-over have been shown: the other side's turn is announced.
    void HandedOver();
    // The host sends its whole table again. False when the rule had to stop.
    bool ResendTable();

    // The peer's connection is lost. On the host, a step the joining player sent without its
    // turn token is taken as made: the turn comes to this program, which fights what the step
    // met. Without the host the joining board takes no step: one taken now would be undone when
    // the player rejoins.
    void PeerGone();

    // What the multi-player window's panels ask of the game; the window writes no field of it.
    // A network game is being set up with this program in the given seat (net_role).
    void TakeSeat(int role);
    // The joining panel waits for the host's table: the one in hand is no longer this game's.
    void AwaitHostsTable();
    // The first choice is open again: no seat is taken yet.
    void ClearSeat();
    // The network game is over or abandoned before it began: no seat, no network game.
    void LeaveNetworkGame();
    // The player leaves the window for the menu, the connection kept for coming back.
    void StepAway();
    // The player gives the game up from the window: nothing of it is kept.
    void Abandon();
    // The host's greeting names the edge its fleet starts on.
    void TakeHostsHome(QChar edge);
    // The host's fleet file for its home navy, into the table.
    FleetLoad LoadHostsFleet(QString* error);
    // The host's word to a joining player who comes back: "[Resume]=", whose turn it is ('E' or
    // 'D'), whether each side's flag has passed to its carrier (two digits) and the turn the battle
    // is in.
    QString ResumeMessage() const;
    // The joining program takes the host's word over once its game is set up again on the
    // host's table, with the battle's log that came before it. False when the message is not one.
    bool Resume(const QString& message);
    // The host's words to a joining player who comes back, before "[Resume]=": the battle's log.
    QStringList ResumeLog() const;
    // One of them, kept for the game being taken up again; false when it is none or not sound.
    bool ResumeLogLine(const QString& message);

    // A line in the board's report box.
    void Report(const QString& text) { display_.Report(text); }
    // Where the moves of both sides are kept, when they are.
    GameJournal* journal = nullptr;
    // A message of the peer's that is not taken: said once in the status line.
    void Refused(const QString& message);

  private:
    // Whether the turn is the peer's (the host's peer is the joining player).
    bool PeersTurn(bool host) const;
    // The peer's "[Move]=" or "[Repair]=" record.
    void ApplyPeersRecord(const QString& message, Side senderSide);
    // The peer's turn token has come: this program's turn starts, and the tables are compared.
    void TurnToken(bool host);
    // Whether the tables still agree after the peer's step and this program's fight.
    // False when they have drifted apart (the host then sends its table again).
    bool TablesAgree();
    void Drifted(bool host);
    template <class Fn>
    bool DecideAndShow(Fn fn);
    void Wake(bool joining);

    Game& game_;
    Context& context_;
    TurnDisplay& display_;
    GameSetup& setup_;
    NetState& state_;
    QStringList incoming_;         // the host's table as it arrives, taken over once complete
    bool incomingBroken_ = false;  // a line of the table on its way was refused
    bool tableReady_ = false;
    std::optional<Move> pendingPeerMove_;  // the peer's step until its turn token comes
    BattleLog resumeLog_;                  // the host's log for the game taken up again
    bool resumeLogCame_ = false;
};

}  // namespace kvd
