#pragma once
#include <QChar>
#include <QString>
#include <array>
#include <bitset>
#include <vector>

#include "core/unit_codes.h"

namespace kvd {

// A unit as the battle log remembers it: it may have left the table by the time the log is read.
struct LoggedUnit {
    int code = 0;
    Side side = kFirstSide;
    QString name;  // the whole name, as the reports give it
    UnitKind kind =
        UnitKind::None;  // what it is (a carrier that took over the flag stays a carrier)
};

// One thing that happened in the battle: a fight with its outcome, a repair, a carrier taking
// over the flag, units identified for the first time, a fight's winner hit by the escorts.
struct LogEntry {
    enum Kind { Fight, Repair, FlagTransfer, Identified, EscortFire };
    Kind kind = Fight;
    int turn = 0;
    int outcome = 0;    // a fight's outcome (see play/combat.h)
    LoggedUnit first;   // a fight's first-side unit; the unit the other kinds are about
    LoggedUnit second;  // a fight's second-side unit
    int more = 0;       // Identified: how many more units were identified with `first`
    std::vector<LoggedUnit> others;  // Identified: those units, in the table's order
};

// The battle so far as the band tells it: the last things that happened, the turn, and the ships
// each side has lost. It belongs to the game, so a game read back from its record has it again.
class BattleLog {
  public:
    static constexpr int kKept = 8;

    // An entry of the turn being played.
    void Add(LogEntry entry);
    // An entry told again as it was (a log sent to a player who comes back), its turn kept.
    void Keep(LogEntry entry);
    int Size() const { return size_; }
    // The k-th newest entry, 0 the newest.
    const LogEntry& Newest(int k) const;

    int turn = 1;                // the turn being played: one first-side move and the answer to it
    int shipsLost[2] = {};       // ships lost by the first side [0] and by the second [1]
    std::bitset<65> identified;  // the unit codes identified so far, each told once

  private:
    std::array<LogEntry, kKept> ring_;
    int next_ = 0;
    int size_ = 0;
};

}  // namespace kvd
