#include "play/battle_notes.h"

#include "core/game.h"
#include "core/unit_codes.h"
#include "play/combat.h"

namespace kvd {

namespace {

using namespace outcome;

// A flagship code on a side whose carrier has taken over the flag is that carrier.
LoggedUnit Unit(const Game& g, int code, const QString& name) {
    UnitKind kind = KindOfCode(code);
    if ((code == 21 && g.ETransferred) || (code == 45 && g.DTransferred)) kind = UnitKind::Carrier;
    return LoggedUnit{code, SideOfCode(code).value_or(kFirstSide), name, kind};
}

LoggedUnit UnitOfLine(const Game& g, int line) {
    return Unit(g, g.scratchpad.Code(line), g.scratchpad.ShownName(line));
}

void Lost(Game& g, int code) {
    if (IsShipCode(code)) ++g.battleLog.shipsLost[SideOfCode(code) == kFirstSide ? 0 : 1];
}

}  // namespace

void NoteFight(Game& g) {
    if (g.Winner == kNothing) return;
    LogEntry entry;
    entry.kind = LogEntry::Fight;
    entry.outcome = g.Winner;
    entry.first = Unit(g, g.Player.Code, g.Player.Name);
    entry.second = Unit(g, g.Enemy.Code, g.Enemy.Name);
    g.battleLog.Add(std::move(entry));
    if (g.Winner == kFirstWins || g.Winner == kBothLost) Lost(g, g.Enemy.Code);
    if (g.Winner == kSecondWins || g.Winner == kBothLost) Lost(g, g.Player.Code);
    // A fight identifies the opposing ship as well as a radar would.
    for (int code : {g.Player.Code, g.Enemy.Code})
        if (IsValidCode(code)) g.battleLog.identified.set(code);
}

void NoteRepair(Game& g, int code) {
    const int line = g.scratchpad.Find(code);
    if (line < 0) return;
    LogEntry entry;
    entry.kind = LogEntry::Repair;
    entry.first = UnitOfLine(g, line);
    g.battleLog.Add(std::move(entry));
}

void NoteFlagTransfer(Game& g, int line) {
    if (line < 0) return;
    LogEntry entry;
    entry.kind = LogEntry::FlagTransfer;
    entry.first = UnitOfLine(g, line);
    entry.first.kind = UnitKind::Carrier;  // its line has the flagship's code already
    g.battleLog.Add(std::move(entry));
}

void NoteEscortFire(Game& g, bool secondSideWon) {
    LogEntry entry;
    entry.kind = LogEntry::EscortFire;
    entry.first =
        secondSideWon ? Unit(g, g.Enemy.Code, g.Enemy.Name) : Unit(g, g.Player.Code, g.Player.Name);
    g.battleLog.Add(std::move(entry));
}

void NoteIdentified(Game& g, Side seer) {
    const UnitTable& table = g.scratchpad;
    BattleLog& log = g.battleLog;
    LogEntry entry;
    entry.kind = LogEntry::Identified;
    int found = 0;
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i);
        if (table.Side(i) == seer || !table.IsRevealed(i) || !IsValidCode(code) ||
            log.identified.test(code))
            continue;
        if (!DrawnToOpponent(code)) continue;
        log.identified.set(code);
        if (found++ == 0)
            entry.first = UnitOfLine(g, i);
        else
            entry.others.push_back(UnitOfLine(g, i));
    }
    if (found == 0) return;
    entry.more = found - 1;
    log.Add(std::move(entry));
}

void NoteTurnOver(Game& g) {
    ++g.battleLog.turn;
}

Side ViewerSide(const Game& g) {
    return g.NetRole == net_role::kJoining ? kSecondSide : kFirstSide;
}

BattleBand BattleBandOf(const Game& g) {
    BattleBand band;
    band.log = g.battleLog;
    band.viewer = ViewerSide(g);
    const Side other = OtherSide(band.viewer);
    band.ownShips = ShipsOf(g, band.viewer);
    band.enemyContacts = ContactsOf(g, other);
    return band;
}

int ShipsOf(const Game& g, Side side) {
    return CountUnits(g.scratchpad, side, IsShipCode);
}

int ContactsOf(const Game& g, Side side) {
    return CountUnits(g.scratchpad, side,
                      [](int code) { return IsShipCode(code) && DrawnToOpponent(code); });
}

}  // namespace kvd
