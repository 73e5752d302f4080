#pragma once
#include <QChar>
#include <QString>

#include "core/side.h"

namespace kvd {

// What a side does in one move.
enum class MoveKind {
    Step,    // one cell, meeting what stands there
    Attack,  // a step onto an opposing unit
    Repair,  // the unit asks its side's supply ship beside it for a repair
    Shot,    // the second side's flagship fires at the radar aircraft over or beside it
    Pass,    // nothing
};

// One move of one unit, whoever made it: the player's clicks, the joining player's, the
// computer, the peer's record, a self-play player. For a repair the unit is the one repaired
// and the target cell is its supply ship's; for a shot, the target cell is the aircraft's.
struct Move {
    Side side = kFirstSide;
    int code = 0;
    int fromColumn = 0, fromRow = 0;
    int toColumn = 0, toRow = 0;
    MoveKind kind = MoveKind::Pass;

    bool Stays() const { return fromColumn == toColumn && fromRow == toRow; }
};

// The supply ship of a side.
int SupplyShipOf(Side side);

// A move's unit and cells as every record writes them: the code, the cell it goes to and the
// cell it comes from, two digits each; and read back from a 0-based position of a text (false
// unless all ten are digits; the kind and side are left as they are).
QString MoveDigits(const Move& move);
bool ReadMoveDigits(const QString& text, int at, Move& move);

// The records the network peer gets: "[Move]=" with the code, the cell and the cell it came
// from, two digits each; "[Repair]=" with the supply ship's and the repaired unit's codes.
// PeerRecord writes the one a move needs; MoveOfPeerRecord reads either back as a move of the
// sending side, unchecked against the game (IsLegal decides that): kind Pass when the record is
// neither, or names another side's supply ship.
QString MoveRecord(const Move& move);
QString RepairRecord(const Move& move);
QString PeerRecord(const Move& move);
Move MoveOfPeerRecord(const QString& record, Side side);

}  // namespace kvd
