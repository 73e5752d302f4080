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
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == QLatin1Char('D') && table.IsRevealed(i)) table.SetRevealed(i, QLatin1Char('0'));
    game.RevealCount = 0;
    for (int e = 1; e < table.Count(); ++e) {
        if (table.Side(e) != QLatin1Char('E') || table.Code(e) >= 23) continue;
        const int ex = table.PosX(e), ey = table.PosY(e), code = table.Code(e);
        for (int d = 1; d < table.Count(); ++d) {
            if (table.Side(d) != QLatin1Char('D') || !CanIdentify(code, table.Code(d))) continue;
            const int dx = table.PosX(d), dy = table.PosY(d);
            if (qAbs(dx - ex) > 1 || qAbs(dy - ey) > 1) continue;  // the same cell counts too
            table.SetRevealed(d, QLatin1Char('1'));
            ++game.RevealCount;
        }
    }
    return game.RevealCount;
}

}  // namespace kvd
