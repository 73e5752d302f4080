#pragma once
#include <QString>
#include "core/side.h"
#include "core/unit_codes.h"

namespace kvd {

class Game;

// The radar scan of a cell: one character per neighbour in direction order (1 north-west to
// 8 south-east): the direction's digit for free water, 'D' or 'E' for a unit of that side
// (never the radar aircraft), 'X' for land or off the board. Land and the edge override units.
// A plain value: the rules scan often.
class RadarScan {
  public:
    QChar operator[](int index) const { return cells_[index]; }
    QChar& operator[](int index) { return cells_[index]; }
    const QChar* begin() const { return cells_; }
    const QChar* end() const { return cells_ + 8; }
    bool contains(QChar c) const;
    QString Text() const { return QString(cells_, 8); }

  private:
    QChar cells_[8];
};
RadarScan Radar(const Game& game, int column, int row);
// Whether the radar scan of a cell shows any free water (a direction's digit): it stops at the
// first, as most cells have some.
bool HasOpenWaterBeside(const Game& game, int column, int row);

// Whether a unit of this side (never the radar aircraft) stands on a cell.
bool HoldsUnitOf(const Game& game, Side side, int column, int row);

// What a first-side lookout identifies of the second side's units: an escort every ship,
// submarines included, but no minefield; every other lookout the supply ship and everything
// from code 32 on (the last submarine slot and the minefields too, as the reveal has always
// been), but the other submarines.
constexpr bool EscortIdentifies(int secondSideCode) {
    return IsShipCode(secondSideCode) && SideOfCode(secondSideCode) == kSecondSide;
}
constexpr bool LookoutIdentifies(int secondSideCode) {
    return secondSideCode == kSecondSupplyCode || secondSideCode >= 32;
}
constexpr bool CanIdentify(int firstSideCode, int secondSideCode) {
    return IsEscort(firstSideCode) ? EscortIdentifies(secondSideCode)
                                   : LookoutIdentifies(secondSideCode);
}

// Marks anew which second-side units are identified: those on or next to the cell of a
// first-side unit (not a minefield or convoy ship) that can identify them. Returns RevealCount,
// the identifications made (a unit seen by two counts twice).
int RevealEnemy(Game& game);

// The joining player's mirror: which first-side units its own units (not minefields) have
// identified. Escorts (33 to 39) see codes 2 to 22, submarines included; every other unit
// sees the supply ship and codes 9 and above. Returns RevealCount.
int RevealAllied(Game& game);

// The reveal pass of the side this program's player plays: the joining player's mirror in a
// network game's joining program, the first side's everywhere else. The rules run it whenever
// they change what can be seen (a step, a fight, a new or resumed game, a table from the host);
// the board only draws what it marked.
int RevealSeen(Game& game);

}  // namespace kvd
