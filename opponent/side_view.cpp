#include "opponent/side_view.h"

#include <algorithm>
#include <optional>

#include "core/game.h"
#include "core/unit_codes.h"
#include "play/radar.h"

namespace kvd {

bool SideView::ContactOn(int column, int row) const {
    for (const Contact& c : contacts)
        if (c.column == column && c.row == row && c.code != 1) return true;
    return false;
}

bool SideView::OwnOn(int column, int row) const {
    for (const QString& line : own)
        if (ReadNumber(line, col::kCode, 2) != 1 && ReadNumber(line, col::kPosX, 2) == column &&
            ReadNumber(line, col::kPosY, 2) == row)
            return true;
    return false;
}

SideView ViewOf(const Game& game, const Settings& settings, Side side) {
    // The second side's board identifies as the joining player's does, by its own units'
    // radar, whether or not anybody looks at it: in a game against the computer nothing else
    // marks the first side's units identified. The first side's marks are its board's own.
    std::optional<Game> identified;
    if (side == kSecondSide) {
        identified = game;
        RevealAllied(*identified);
    }
    const Game& g = identified ? *identified : game;
    SideView v;
    v.side = side;
    v.settings = settings;
    const UnitTable& t = g.scratchpad;
    if (t.Count() > 0) v.header = t.Line(0);
    const bool shown = settings.RevealOption == QLatin1Char('Y');
    for (int i = 1; i < t.Count(); ++i) {
        if (!t.IsUnit(i)) continue;
        if (t.Side(i) == side) {
            v.own << t.Line(i);
            continue;
        }
        const int code = t.Code(i);
        if (!DrawnToOpponent(code)) {
            // Never drawn: only how many there are is known, not which.
            if (IsSubmarine(code)) ++v.hiddenSubmarines;
            if (IsMinefield(code)) ++v.hiddenMinefields;
            continue;
        }
        v.enemyAfloat.push_back(code);
        Contact c;
        c.column = t.PosX(i);
        c.row = t.PosY(i);
        // The radar aircraft is told by its own picture; ships by their identification.
        if (code == 1 || (shown && t.IsRevealed(i))) {
            c.code = code;
            c.strength = t.Strength(i);
        }
        v.contacts.push_back(c);
    }
    std::sort(v.enemyAfloat.begin(), v.enemyAfloat.end());
    std::sort(v.contacts.begin(), v.contacts.end(), [](const Contact& a, const Contact& b) {
        return a.row != b.row         ? a.row < b.row
               : a.column != b.column ? a.column < b.column
                                      : a.code < b.code;
    });
    v.map = g.MemoPad;
    v.gameMode = g.GameMode;
    v.hasPresets = g.HasPresets;
    v.homePosition = g.HomePosition;
    v.firstSideShips = g.FirstSideShips;
    v.secondSideShips = g.SecondSideShips;
    v.planeLaunches = g.PlaneLaunches;
    v.planeAllowance = g.PlaneAllowance;
    v.patrolWaypoint = g.PatrolWaypoint;
    v.turnCount = g.TurnCount;
    v.flagTransfer = g.FlagTransfer;
    v.flagTransferSecond = g.FlagTransferSecond;
    v.eTransferred = g.ETransferred;
    v.dTransferred = g.DTransferred;
    return v;
}

}  // namespace kvd
