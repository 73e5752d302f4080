#pragma once
#include <QPoint>
#include <QString>

namespace kvd {

class Game;
struct Rules;

// What a repair did: nothing (no repairer, no target, out of reach, repaired twice already,
// or too strong to need it), or the cells of the repairer and of the repaired unit.
struct RepairDone {
    bool repaired = false;
    QPoint repairer;
    QPoint target;
};

// Whether a unit may ask its supply ship for a repair: every ship up to the cruisers; the capital
// ships, the minefields and the convoy go without.
bool MayAskForRepair(int code);

// The supply ship `repairerCode` repairs its neighbour `targetCode`: strength 2 to 7 goes up
// one and a damaged unit is damaged no worse than '1'; strength 0 and 1 stay as they are but the
// repair counts; a unit of 8 or 9 is not repaired. Each unit is repaired twice at most.
RepairDone RepairUnit(Game& game, int repairerCode, int targetCode);
// The same, with its report line, hammers and pause noted for the board. Whether it repaired.
bool Repair(Rules& rules, int repairerCode, int targetCode);

// The repair scan for the selected unit Player.Code at (column, row): when it is damaged and
// never repaired, RepairCellX/Y become the first side's supply ship's cell and each direction
// in which the supply ship is a neighbour reads 'A'; otherwise "12345678".
QString RadarAux(Game& game, int column, int row);
// The joining player's mirror for its selected unit Enemy.Code and its supply ship 26.
QString AxisRepairScan(Game& game, int column, int row);

}  // namespace kvd
