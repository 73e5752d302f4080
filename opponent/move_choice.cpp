#include "opponent/move_choice.h"

#include <array>

#include "core/game.h"
#include "core/unit_codes.h"
#include "opponent/opponent_state.h"
#include "opponent/tactics.h"
#include "play/apply_move.h"
#include "play/radar.h"
#include "play/rules.h"
#include "play/showing.h"

namespace kvd {

namespace {

bool Free(const RadarScan& radar, int direction) {
    return direction >= 1 && direction <= 8 && radar[direction - 1] == QChar(u'0' + direction);
}

enum Group { kHeavy, kEscort, kSupport };

// A submarine of the computer's that moves with the sonar's ping: all but its last (code 32),
// which moves as quietly as a surface ship is shown.
bool Pings(int code) {
    return IsSubmarine(code) && code != 32;
}

// The computer's units by group, as it counts them (its own side's codes only).
bool Counted(Group group, int code) {
    switch (group) {
        case kHeavy:
            return IsSubmarine(code) || IsMajorWarship(code);
        case kEscort:
            return IsEscort(code);
        case kSupport:
            return code == kSecondSupplyCode || IsConvoyCode(code);
    }
    return false;
}

// The units a group offers to move. Its last submarine (code 32) is counted but never offered.
bool Offered(Group group, int code) {
    switch (group) {
        case kHeavy:
            return Pings(code) || IsMajorWarship(code);
        case kEscort:
            return IsEscort(code);
        case kSupport:
            return code == kSecondSupplyCode || IsConvoyCode(code);
    }
    return false;
}
}  // namespace

int HeadingToward(int c, int r, int tc, int tr) {
    if (tc == c && tr == r) return 0;
    return DirectionTo(c, r, c + (tc > c) - (tc < c), r + (tr > r) - (tr < r));
}

QString EscapeList(int pc, int pr, int c, int r) {
    if (pr < r)
        return pc < c    ? QStringLiteral("87536")
               : pc == c ? QStringLiteral("76899")
                         : QStringLiteral("64718");
    if (pr == r) return pc < c ? QStringLiteral("58399") : QStringLiteral("46199");
    return pc < c    ? QStringLiteral("32518")
           : pc == c ? QStringLiteral("21399")
                     : QStringLiteral("14263");
}

int HighestFree(const RadarScan& radar) {
    for (int d = 8; d >= 1; --d)
        if (Free(radar, d)) return d;
    return 0;
}

int ThreatResponse(int slot) {
    static constexpr int kResponse[16] = {2, 4, 4, 1, 2, 2, 2, 2, 2, 7, 7, 7, 4, 4, 6, 7};
    return slot >= 1 && slot <= 16 ? kResponse[slot - 1] : 0;
}

int MoveChoice::CanMove(Game& game) {
    UnitTable& table = game.scratchpad;
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i);
        if (table.Side(i) != kSecondSide ||
            !(IsSupply(code) || IsSubmarine(code) || IsWarship(code)))
            continue;
        const bool free = HasOpenWaterBeside(game, table.PosX(i), table.PosY(i));
        table.SetBlocked(i, free ? QLatin1Char('0') : QLatin1Char('X'));
    }
    int count = 0;
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == kSecondSide && IsFleetShip(table.Code(i)) &&
            table.Blocked(i) == QLatin1Char('0'))
            ++count;
    return count;
}

void MoveChoice::RandomSelection(Rules& r) {
    Game& game = r.game;
    const UnitTable& table = game.scratchpad;
    int counts[3] = {0, 0, 0};
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i);
        if (table.Side(i) != kSecondSide || code == game.LastEnemyCode) continue;
        for (Group g : {kHeavy, kEscort, kSupport}) counts[g] += Counted(g, code);
    }
    // Nothing to pick: the turn passes (the caller does not ask then, but never loop on it).
    if (counts[kHeavy] + counts[kEscort] + counts[kSupport] == 0) return;
    static constexpr Group kDraw[5] = {kHeavy, kEscort, kSupport, kHeavy, kEscort};
    Group group;
    do {
        group = kDraw[game.dice.Next(5)];
        r.show.Wait(10);
    } while (counts[group] == 0);
    if (state_.EnemyConcern > 2 && state_.EnemyAggression < 4 && counts[kEscort] > 0)
        group = kEscort;
    if (state_.EnemyAggression > 4 && counts[kHeavy] > 0) group = kHeavy;

    state_.EnemyNews.clear();
    // The units of the group that may move, in table order; the blocked ones still count.
    std::array<int, 100> offered{};
    int n = 0, free = 0;
    for (int i = 0; i < table.Count(); ++i) {
        const int code = table.Code(i);
        if (table.Side(i) != kSecondSide || !Offered(group, code) || code == game.LastEnemyCode)
            continue;
        ++n;
        if (table.Blocked(i) == QLatin1Char('X')) continue;
        if (free < int(offered.size())) offered[size_t(free++)] = code;
    }
    // The first entry is twice as likely as the others, the last is never drawn, and a draw
    // past the list moves nothing: this is how the computer has always chosen.
    int index = n < 2 ? 0 : game.dice.Next(n);
    if (index > 0) --index;
    if (group != kHeavy) r.show.Wait(10);
    if (index < free) game.Enemy.Code = offered[size_t(index)];
}

Move MoveChoice::SteerStep(Rules& r) {
    Game& g = r.game;
    UnitTable& table = g.scratchpad;
    Showing& s = r.show;
    state_.AvoidFlag = false;
    g.SideToMove = kSecondSide;
    const int unit = table.FindSide(g.Enemy.Code, kSecondSide);
    if (unit < 0) return Move{kSecondSide};  // no unit picked: the table stays as it is
    const int code = g.Enemy.Code;
    g.Enemy.OldX = g.Enemy.X = table.PosX(unit);
    g.Enemy.OldY = g.Enemy.Y = table.PosY(unit);
    g.Enemy.Name = table.ShownName(unit);
    g.Enemy.KindName = table.ShownKindName(unit);
    g.Enemy.Strength = table.Strength(unit);
    HeadForGoal(g, unit);
    state_.EnemyHeading = table.Heading(unit);

    if (g.SubRetreat) s.Wait(1000);
    if (Pings(code)) s.Sound(QStringLiteral("sonar"), true);
    if (!IsSubmarine(code)) {
        s.TargetFrame(g.Enemy.OldX, g.Enemy.OldY);
        s.Wait(600);
    }
    const RadarScan radar = Radar(g, g.Enemy.X, g.Enemy.Y);
    const int h = state_.EnemyHeading;
    if (h >= 1 && h <= 8 && !Free(radar, h)) NextBestMove(g);
    if (state_.EnemyHeading >= 1 && state_.EnemyHeading <= 8) {
        const Offset o = DirectionOffset(state_.EnemyHeading);
        g.Enemy.X += o.dc;
        g.Enemy.Y += o.dr;
    }
    if (!g.SubRetreat) {
        TurnFromThreats(g, code);
    } else if (UbootRetract(g).contains(QLatin1Char('H'))) {
        // Escorts near the unit it damaged send the submarine back where it came from.
        const int line = table.FindSide(code, kSecondSide);
        g.Enemy.X = table.PrevX(line);
        g.Enemy.Y = table.PrevY(line);
    }
    return Move{kSecondSide, code,      g.Enemy.OldX,  g.Enemy.OldY,
                g.Enemy.X,   g.Enemy.Y, MoveKind::Step};
}

void MoveChoice::HeadForGoal(Game& g, int unit) {
    UnitTable& table = g.scratchpad;
    const int code = table.Code(unit);
    // The first side's battleship is the goal where no other is found.
    int tc = 0, tr = 0;
    for (int i = 1; i < table.Count(); ++i)
        if (table.Side(i) == kFirstSide && table.Code(i) == 21)
            tc = table.PosX(i), tr = table.PosY(i);

    // The last first-side unit in table order whose code fits, as a goal.
    auto lastFirstSide = [&](auto fits) {
        for (int i = 1; i < table.Count(); ++i)
            if (table.Side(i) == kFirstSide && fits(table.Code(i)))
                tc = table.PosX(i), tr = table.PosY(i);
    };
    auto steer = [&] {
        const int heading = HeadingToward(g.Enemy.X, g.Enemy.Y, tc, tr);
        if (heading > 0) table.SetHeading(unit, heading);
    };
    if (IsWarship(code)) steer();
    // The first two submarines hunt the carrier (the flagship once it carries the flag), or the
    // convoy; the others the flagship.
    if ((code == 27 || code == 28) && g.GameMode != mode::kConvoyStage) {
        const int flagship = !g.ETransferred ? kFirstCarrierCode : kFirstFlagshipCode;
        lastFirstSide([&](int c) { return c == flagship; });
        steer();
    }
    if ((code == 27 || code == 28) && g.GameMode == mode::kConvoyStage) {
        lastFirstSide([](int c) { return IsConvoyCode(c); });
        steer();
    }
    if (IsSubmarine(code) && code != 27 && code != 28) {
        lastFirstSide([](int c) { return c == kFirstFlagshipCode; });
        steer();
    }
    // Destroyers and frigates hunt submarines (but the first side's first, code 3).
    if (IsKind(code, UnitKind::Destroyer) || IsKind(code, UnitKind::Frigate)) {
        lastFirstSide([](int c) { return IsSubmarine(c) && c != 3; });
        steer();
    }
    // The supply ship, the corvettes, the last frigate (code 39) and the convoy keep to the
    // flagship.
    if (IsSupply(code) || IsKind(code, UnitKind::Corvette) || code == 39 || IsConvoyCode(code)) {
        const int own = table.FindSide(45, kSecondSide);
        if (own >= 0) tc = table.PosX(own), tr = table.PosY(own);
        steer();
    }
}

void MoveChoice::TurnFromThreats(Game& g, int code) {
    // What the two rings around the cell it leaves hold that this kind of unit fears.
    const QString ring = RadarPlus(g, g.Enemy.OldX, g.Enemy.OldY);
    int threats = 0;
    for (QChar c : ring) {
        if (IsMajorWarship(code)) threats += c == QLatin1Char('A');
        if (IsSubmarine(code)) threats += c == QLatin1Char('B');
        if (code == kSecondSupplyCode) threats += c != QLatin1Char('0');
        if (IsEscort(code)) threats += c == QLatin1Char('C');
    }
    if (threats == 0) return;
    state_.ThreatMode = true;
    NextBestMove(g);
    state_.ThreatMode = false;
}

void MoveChoice::AvoidMove(Rules& r) {
    Game& g = r.game;
    Showing& s = r.show;
    state_.AvoidFlag = true;
    const int code = g.Enemy.Code;
    if (!IsSubmarine(code)) {
        s.TargetFrame(g.Enemy.OldX, g.Enemy.OldY);
        s.Wait(700);
    }
    const RadarScan radar = Radar(g, g.Enemy.OldX, g.Enemy.OldY);
    if (HighestFree(radar) == 0) {
        state_.AvoidFlag = false;
        state_.EnemyNews.clear();
        g.Enemy.Code = kNoUnit;
        state_.AvoidFailed = true;
        return;
    }
    state_.EnemyHeading = 0;
    for (QChar d : EscapeList(g.Player.X, g.Player.Y, g.Enemy.OldX, g.Enemy.OldY)) {
        if (Free(radar, d.digitValue())) {
            state_.EnemyHeading = d.digitValue();
            break;
        }
    }
    if (state_.EnemyHeading == 0) NextBestMove(g);
    const Offset o = DirectionOffset(state_.EnemyHeading);
    const Move move{
        kSecondSide,         code,          g.Enemy.OldX, g.Enemy.OldY, g.Enemy.OldX + o.dc,
        g.Enemy.OldY + o.dr, MoveKind::Step};
    ApplyMove(r, move, Meeting::Now, [&] {
        s.RestoreCell(move.fromColumn, move.fromRow);
        s.Wait(200);
    });
    if (Pings(code)) {
        s.Sound(QStringLiteral("sonar"), true);
        return;
    }
    s.EnemyOrMarker(g, r.settings, g.Enemy.X, g.Enemy.Y);
}

void MoveChoice::NextBestMove(Game& g) {
    const bool avoiding = state_.AvoidFlag;
    const RadarScan radar =
        Radar(g, avoiding ? g.Enemy.OldX : g.Enemy.X, avoiding ? g.Enemy.OldY : g.Enemy.Y);
    int& heading = state_.EnemyHeading;
    if (heading < 0 || heading > 8) {
        if (HighestFree(radar) > 0) heading = HighestFree(radar);
    } else {
        heading = 0;
        if (state_.ThreatMode) {
            const QString ring = RadarPlus(g, g.Enemy.OldX, g.Enemy.OldY);
            for (int slot = 1; slot <= 16; ++slot)
                if (ring[slot - 1] != QLatin1Char('0')) heading = ThreatResponse(slot);
        }
        if (heading == 0) heading = HighestFree(radar);
    }
    UnitTable& table = g.scratchpad;
    const int line = table.FindSide(g.Enemy.Code, kSecondSide);
    if (line >= 0) table.SetChar(line, col::kHeading, QString::number(heading).at(0));
}

}  // namespace kvd
