#include "play/convoy.h"

#include <vector>

#include "core/game.h"
#include "play/apply_move.h"
#include "play/game_end.h"
#include "play/radar.h"
#include "play/rules.h"
#include "play/showing.h"

namespace kvd {

bool ConvoyStep(Rules& r) {
    Game& g = r.game;
    UnitTable& table = g.scratchpad;
    std::vector<int> candidates;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != kFirstSide || !IsConvoyCode(table.Code(i))) continue;
        const RadarScan radar = Radar(g, table.PosX(i), table.PosY(i));
        for (QChar c : radar)
            if (c.isDigit()) {
                candidates.push_back(table.Code(i));
                break;
            }
    }
    if (candidates.empty()) {
        // Every convoy ship is gone or boxed in: the stage is lost.
        ConvoyBoxedIn(r);
        return false;
    }
    int pick = 0;
    if (candidates.size() > 1) {
        pick = g.dice.Next(int(candidates.size()));
        r.show.Wait(10);
    }
    g.Player.Code = candidates[size_t(pick)];

    const int guide = table.FindSide(21, kFirstSide);
    const int gx = guide >= 0 ? table.PosX(guide) : 0, gy = guide >= 0 ? table.PosY(guide) : 0;
    const int ship = table.Find(g.Player.Code);
    g.Player.OldX = g.Player.X = table.PosX(ship);
    g.Player.OldY = g.Player.Y = table.PosY(ship);
    g.Player.Name = table.ShownName(ship);
    g.Player.KindName = table.ShownKindName(ship);
    const int heading =
        DirectionTo(g.Player.X, g.Player.Y, g.Player.X + (gx > g.Player.X) - (gx < g.Player.X),
                    g.Player.Y + (gy > g.Player.Y) - (gy < g.Player.Y));
    if (heading > 0) table.SetHeading(ship, heading);
    const int course = table.Heading(ship);

    const RadarScan radar = Radar(g, g.Player.X, g.Player.Y);
    if (course < 1 || course > 8 || !radar[course - 1].isDigit()) return true;  // it stays
    r.show.TargetFrame(g.Player.X, g.Player.Y);
    r.show.Wait(600);
    const Offset o = DirectionOffset(course);
    const Move move{kFirstSide,        g.Player.Code,     g.Player.X,    g.Player.Y,
                    g.Player.X + o.dc, g.Player.Y + o.dr, MoveKind::Step};
    ApplyMove(r, move, Meeting::Now, [&] {
        r.show.RestoreCell(move.fromColumn, move.fromRow);
        r.show.MovedUnit(g, move.toColumn, move.toRow);
    });
    return true;
}

}  // namespace kvd
