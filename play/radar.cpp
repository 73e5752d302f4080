#include "play/radar.h"

#include <functional>

#include "core/game.h"
#include "core/unit_codes.h"

namespace kvd {

QString Radar(const Game& game, int column, int row) {
    QString radar = QStringLiteral("12345678");
    const UnitTable& table = game.scratchpad;
    for (int i = 1; i < table.Count(); ++i) {
        const QChar side = table.Side(i);
        if (side != QLatin1Char('D') && side != QLatin1Char('E')) continue;
        const int k = DirectionTo(column, row, table.PosX(i), table.PosY(i));
        if (k == 0) continue;
        if (side == QLatin1Char('E') && table.Code(i) == 1) continue;  // the aircraft never blocks
        radar[k - 1] = side;
    }
    for (int k = 1; k <= 8; ++k) {
        const Offset o = DirectionOffset(k);
        const int c = column + o.dc, r = row + o.dr;
        if (!OnBoard(c, r) || game.MemoPad.IsLand(c, r)) radar[k - 1] = QLatin1Char('X');
    }
    return radar;
}

bool HoldsUnitOf(const Game& game, QChar side, int column, int row) {
    const UnitTable& table = game.scratchpad;
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == side && table.Code(i) != 1 && table.PosX(i) == column && table.PosY(i) == row) return true;
    return false;
}

bool CanIdentify(int firstSideCode, int secondSideCode) {
    const bool escort = firstSideCode >= 9 && firstSideCode <= 15;
    if (escort) return (secondSideCode >= 26 && secondSideCode <= 46) || (secondSideCode >= 60 && secondSideCode <= 64);
    return secondSideCode == 26 || secondSideCode >= 32;
}

namespace {
// One side's units mark which units of the other side they have identified: those on or next
// to their cell that they can see. Returns the identifications made (a unit seen by two
// counts twice).
int RevealPass(Game& game, QChar seer, const std::function<bool(int seerCode, int seenCode)>& sees) {
    UnitTable& table = game.scratchpad;
    const QChar seenSide = seer == QLatin1Char('E') ? QLatin1Char('D') : QLatin1Char('E');
    const std::vector<UnitPlace> seers = UnitsOf(table, seer);
    const std::vector<UnitPlace> seen = UnitsOf(table, seenSide);
    for (const UnitPlace& u : seen)
        if (table.IsRevealed(u.line)) table.SetRevealed(u.line, QLatin1Char('0'));
    game.RevealCount = 0;
    for (const UnitPlace& s : seers)
        for (const UnitPlace& u : seen) {
            if (!sees(s.code, u.code)) continue;
            if (qAbs(u.column - s.column) > 1 || qAbs(u.row - s.row) > 1) continue;  // the same cell counts too
            table.SetRevealed(u.line, QLatin1Char('1'));
            ++game.RevealCount;
        }
    return game.RevealCount;
}
}  // namespace

int RevealEnemy(Game& game) {
    // Minefields and convoy ships look out for nobody.
    return RevealPass(game, QLatin1Char('E'), [](int e, int d) { return e < 23 && CanIdentify(e, d); });
}

int RevealAllied(Game& game) {
    return RevealPass(game, QLatin1Char('D'), [](int d, int e) {
        if (d >= 47) return false;
        return CodeIn(d, 33, 39) ? CodeIn(e, 2, 22) : e == 2 || e >= 9;
    });
}

}  // namespace kvd
