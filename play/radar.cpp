#include "play/radar.h"

#include "core/game.h"

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

int RevealEnemy(Game& game) {
    UnitTable& table = game.scratchpad;
    const std::vector<UnitPlace> first = UnitsOf(table, QLatin1Char('E'));
    const std::vector<UnitPlace> second = UnitsOf(table, QLatin1Char('D'));
    for (const UnitPlace& d : second)
        if (table.IsRevealed(d.line)) table.SetRevealed(d.line, QLatin1Char('0'));
    game.RevealCount = 0;
    for (const UnitPlace& e : first) {
        if (e.code >= 23) continue;
        for (const UnitPlace& d : second) {
            if (!CanIdentify(e.code, d.code)) continue;
            if (qAbs(d.column - e.column) > 1 || qAbs(d.row - e.row) > 1) continue;  // the same cell counts too
            table.SetRevealed(d.line, QLatin1Char('1'));
            ++game.RevealCount;
        }
    }
    return game.RevealCount;
}

int RevealAllied(Game& game) {
    UnitTable& table = game.scratchpad;
    const std::vector<UnitPlace> first = UnitsOf(table, QLatin1Char('E'));
    const std::vector<UnitPlace> second = UnitsOf(table, QLatin1Char('D'));
    for (const UnitPlace& e : first)
        if (table.IsRevealed(e.line)) table.SetRevealed(e.line, QLatin1Char('0'));
    game.RevealCount = 0;
    for (const UnitPlace& d : second) {
        if (d.code >= 47) continue;
        const bool escort = d.code >= 33 && d.code <= 39;
        for (const UnitPlace& e : first) {
            const bool seen = escort ? e.code >= 2 && e.code <= 22 : e.code == 2 || e.code >= 9;
            if (!seen || qAbs(d.column - e.column) > 1 || qAbs(d.row - e.row) > 1) continue;
            table.SetRevealed(e.line, QLatin1Char('1'));
            ++game.RevealCount;
        }
    }
    return game.RevealCount;
}

}  // namespace kvd
