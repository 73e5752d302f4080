#pragma once
#include <QStringList>
#include <vector>

#include "core/game.h"
#include "tests/support/unit_line.h"

namespace kvd::test {

struct Unit {
    QChar side;  // the table's letter
    int code, strength, column, row;
    bool identified = false;
};

// A game in play on open water: the given units, nothing else.
inline Game GameOf(const std::vector<Unit>& units, QChar flagTransfer = QLatin1Char('N')) {
    Game g;
    QStringList lines{QStringLiteral("ScratchPad........")};
    // The first side's lines first, as every table has them.
    for (Side side : {kFirstSide, kSecondSide})
        for (const Unit& u : units) {
            if (u.side != SideLetter(side)) continue;
            QString line = UnitLine(u.side, u.code, u.strength, u.column, u.row);
            line[col::kRevealed - 1] = u.identified ? QLatin1Char('1') : QLatin1Char('0');
            lines << line;
        }
    g.scratchpad.SetLines(lines);
    g.GameActive = true;
    g.Winner = 99;
    g.FlagTransfer = flagTransfer;
    g.FlagTransferSecond = flagTransfer;
    return g;
}

}  // namespace kvd::test
