#include "play/radar.h"

#include "core/game.h"
#include "core/unit_codes.h"

namespace kvd {

bool RadarScan::contains(QChar c) const {
    for (QChar cell : cells_)
        if (cell == c) return true;
    return false;
}

RadarScan Radar(const Game& game, int column, int row) {
    RadarScan radar;
    const UnitTable& table = game.scratchpad;
    for (int k = 1; k <= 8; ++k) {
        const Offset o = DirectionOffset(k);
        const int c = column + o.dc, r = row + o.dr;
        // The aircraft never blocks; land and the edge override units.
        if (!OnBoard(c, r) || game.MemoPad.IsLand(c, r))
            radar[k - 1] = QLatin1Char('X');
        else if (const std::optional<Side> side = table.OccupantSide(c, r))
            radar[k - 1] = SideLetter(*side);
        else
            radar[k - 1] = QChar(u'0' + k);
    }
    return radar;
}

bool HoldsUnitOf(const Game& game, Side side, int column, int row) {
    return game.scratchpad.Holds(side, column, row);
}

bool CanIdentify(int firstSideCode, int secondSideCode) {
    if (IsEscort(firstSideCode))
        return IsShipCode(secondSideCode) && SideOfCode(secondSideCode) == kSecondSide;
    // Every code from 32 on: the last submarine slot and the minefields are seen too, as the
    // reveal has always been.
    return secondSideCode == kSecondSupplyCode || secondSideCode >= 32;
}

namespace {
// One side's units mark which units of the other side they have identified: those on or next
// to their cell that they can see. Returns the identifications made (a unit seen by two
// counts twice).
template <class Sees>
int RevealPass(Game& game, Side seer, Sees sees) {
    UnitTable& table = game.scratchpad;
    const Side seenSide = OtherSide(seer);
    const std::vector<UnitPlace> seers = UnitsOf(table, seer);
    const std::vector<UnitPlace> seen = UnitsOf(table, seenSide);
    for (const UnitPlace& u : seen)
        if (table.IsRevealed(u.line)) table.SetRevealed(u.line, QLatin1Char('0'));
    game.RevealCount = 0;
    for (const UnitPlace& s : seers)
        for (const UnitPlace& u : seen) {
            if (!sees(s.code, u.code)) continue;
            if (qAbs(u.column - s.column) > 1 || qAbs(u.row - s.row) > 1)
                continue;  // the same cell counts too
            table.SetRevealed(u.line, QLatin1Char('1'));
            ++game.RevealCount;
        }
    return game.RevealCount;
}
}  // namespace

int RevealEnemy(Game& game) {
    // Minefields and convoy ships look out for nobody.
    return RevealPass(game, kFirstSide, [](int e, int d) {
        return !IsMinefield(e) && !IsConvoyCode(e) && CanIdentify(e, d);
    });
}

int RevealAllied(Game& game) {
    return RevealPass(game, kSecondSide, [](int d, int e) {
        if (IsMinefield(d) || IsConvoyCode(d)) return false;
        // Escorts make out every ship and submarine; the others every surface unit.
        return IsEscort(d) ? IsSupply(e) || IsSubmarine(e) || IsWarship(e)
                           : IsSupply(e) || IsWarship(e) || IsMinefield(e) || IsConvoyCode(e);
    });
}

}  // namespace kvd
