#include "opponent/computer_opponent.h"

#include <array>

#include "core/game.h"
#include "core/settings.h"
#include "core/unit_codes.h"
#include "opponent/tactics.h"
#include "play/apply_move.h"
#include "play/combat.h"
#include "play/game_end.h"
#include "play/repair.h"
#include "play/rules.h"
#include "play/showing.h"
#include "play/turn.h"

namespace kvd {

namespace {
// Heavy cruisers and the capital ships.
bool IsHeavyShip(int code) {
    return IsKind(code, UnitKind::HeavyCruiser) || IsCapitalShip(code);
}
// The small ships of the first side: its supply ship and submarines.
bool IsSupplyOrSubmarine(int code) {
    return IsSupply(code) || IsSubmarine(code);
}
}  // namespace

int EnemyConcern(const Game& g) {
    const auto [supply, subs, heavy] =
        CountUnitsBy(g.scratchpad, kSecondSide, IsSupply, IsSubmarine, IsHeavyShip);
    return (supply == 0) + (subs < 2) + (subs == 0) + (heavy < 4) + (heavy < 3);
}

int EnemyAggression(const Game& g) {
    const auto [aircraft, small, big, battleship] = CountUnitsBy(
        g.scratchpad, kFirstSide, [](int c) { return c == kReconPlaneCode; }, IsSupplyOrSubmarine,
        IsHeavyShip, [](int c) { return IsKind(c, UnitKind::Battleship); });
    return (aircraft == 0) + (small < 2) + (small == 0) + (big < 4) + (big < 3) + (battleship == 1);
}

void ComputerOpponent::RunKI(Rules& r) {
    Game& g = r.game;
    if (g.GameOver || !g.GameActive) return;
    state_ = OpponentState();
    g.SubRetreat = false;
    g.Enemy.Code = kNoUnit;
    g.TurnCount += 1;

    const int able = CountUnits(g.scratchpad, kSecondSide, IsFleetShip);
    const int free = moves_.CanMove(g);
    if (able == 0 || free == 0) {
        OpponentGivesUp(r);
        return;
    }
    if (free == 1) g.LastEnemyCode = kNoUnit;
    ShootAtTheAircraft(r);

    state_.EnemyConcern = EnemyConcern(g);
    state_.EnemyAggression = EnemyAggression(g);
    g.Enemy.X = g.Enemy.Y = g.Player.X = g.Player.Y = 0;
    g.Enemy.OldX = g.Enemy.OldY = g.Player.OldX = g.Player.OldY = 0;
    g.Enemy.Name.clear();
    g.Enemy.KindName.clear();
    g.Enemy.Code = g.Player.Code = kNoUnit;
    g.SideToMove = kSecondSide;

    BuildEngagements(g);
    if (state_.EnemyNews.isEmpty()) {
        if (!quiet_) {
            moves_.RandomSelection(r);
            ApplyMove(r, moves_.SteerStep(r));
        }
    } else {
        BattleStations(g, state_, g.dice);
        if (state_.AvoidFlag) {
            moves_.AvoidMove(r);
        } else {
            Attack(r);
            if (g.GameOver || !g.GameActive) return;
        }
    }
    if (state_.AvoidFailed && !quiet_) {
        // The unit to step away was boxed in: another one moves instead.
        state_.AvoidFailed = false;
        moves_.RandomSelection(r);
        ApplyMove(r, moves_.SteerStep(r));
    }

    FinishSecondSideMove(r);
    g.LastEnemyCode = g.Enemy.Code;
}

void FinishSecondSideMove(Rules& r) {
    Game& g = r.game;
    using namespace outcome;
    const bool fightSankOrSpent =
        g.Winner == kFirstWins || g.Winner == kBothLost || g.Winner == kShipHitsMine;
    // (Every stage the game sets is below 12: the mark is made after the last fight too.)
    if (!fightSankOrSpent && g.Gamestage < 12) {
        const bool sub = IsSubmarine(g.Enemy.Code);
        if (r.settings.RevealOption == QLatin1Char('N')) {
            // Any code from the second side's first on, also kNoUnit: the marker goes where
            // the last unit stood, as it always has.
            if (!sub && g.Enemy.Code >= kSecondSupplyCode)
                r.show.Picture(PictureOf::EnemyFlag, g.Enemy.Code, g.Enemy.X, g.Enemy.Y);
        } else {
            r.show.SingleEnemy(g, r.settings);
        }
        // The first two campaign stages compose nothing here and give the opponent no repairs.
        if (g.GameMode != mode::kFirstStage && g.GameMode != mode::kConvoyStage) {
            g.SweepAllowed = false;
            ComposeBoard(r);
            g.SweepAllowed = true;
            Repair(r, 26, 45);
            Repair(r, 26, 46);
        }
    }
}

void ComputerOpponent::ShootAtTheAircraft(Rules& r) {
    Game& g = r.game;
    if (r.settings.RevealOption == QLatin1Char('N') || g.NetRole != net_role::kNone || g.NetGame)
        return;
    UnitTable& table = g.scratchpad;
    const int plane = table.Find(1);
    if (plane < 0) return;
    g.Player.X = table.PosX(plane);
    g.Player.Y = table.PosY(plane);
    g.Player.Name = table.ShownName(plane);
    g.Player.KindName = table.ShownKindName(plane);
    g.Player.Code = 1;
    int hits = 0;
    int shooterX = 0, shooterY = 0;
    const int flagship = !g.DTransferred ? 46 : 45;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != kSecondSide || table.Code(i) != flagship) continue;
        hits = 0;
        g.Enemy.X = shooterX = table.PosX(i);
        g.Enemy.Y = shooterY = table.PosY(i);
        g.Enemy.Name = table.ShownName(i);
        g.Enemy.KindName = table.ShownKindName(i);
        g.Enemy.Code = flagship;
        if (g.Enemy.X == g.Player.X && g.Enemy.Y == g.Player.Y) hits = 1;
        if (AreNeighbours(g.Player.X, g.Player.Y, g.Enemy.X, g.Enemy.Y)) ++hits;
    }
    if (hits == 0) return;
    r.show.AircraftShot(g, g.Player.X, g.Player.Y);
    r.show.Wait(100);
    ApplyMove(
        r, Move{kSecondSide, flagship, shooterX, shooterY, g.Player.X, g.Player.Y, MoveKind::Shot});
}

void ComputerOpponent::BuildEngagements(const Game& game) {
    const UnitTable& table = game.scratchpad;
    const std::vector<UnitPlace> first = UnitsOf(table, kFirstSide);
    // Most of the computer's units have none of the player's beside them: a board with a margin
    // of one cell all round marks the cells next to the player's units, so those units are
    // passed over with one look.
    constexpr int kWide = kBoardSize + 2;
    std::array<bool, kWide * kWide> beside{};
    for (const UnitPlace& e : first) {
        if (e.code == kReconPlaneCode || !OnBoard(e.column, e.row)) continue;
        for (int k = 1; k <= 8; ++k) {
            const Offset o = DirectionOffset(k);
            beside[size_t((e.row + o.dr + 1) * kWide + e.column + o.dc + 1)] = true;
        }
    }
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i), column = table.PosX(i), row = table.PosY(i);
        if (table.Side(i) != kSecondSide || IsMinefield(code) || IsConvoyCode(code) ||
            (OnBoard(column, row) && !beside[size_t((row + 1) * kWide + column + 1)]))
            continue;
        for (const UnitPlace& e : first) {
            // A player's unit that already shares its cell with one of the opponent's (a
            // submarine that attacked it and could not get away) is not met again: an attacker
            // moving in would put two of the opponent's units on one cell.
            if (e.code == kReconPlaneCode || !AreNeighbours(column, row, e.column, e.row) ||
                table.Holds(kSecondSide, e.column, e.row))
                continue;
            QString line = table.Line(e.line);
            WriteNumber(line, col::kAttackerCode, 2, code);
            state_.EnemyNews << line;
        }
    }
}

void ComputerOpponent::Attack(Rules& r) {
    Game& g = r.game;
    Showing& s = r.show;
    const bool marked = !IsSubmarine(g.Enemy.Code);
    if (marked) {
        s.TargetFrame(g.Enemy.OldX, g.Enemy.OldY);
        s.Wait(200);
    }
    if (r.settings.RevealOption == QLatin1Char('N')) {
        if (marked) s.Picture(PictureOf::EnemyFlag, g.Enemy.Code, g.Enemy.OldX, g.Enemy.OldY);
    } else {
        s.SingleEnemy(g, r.settings);
    }
    s.Wait(500);
    if (marked) s.RestoreCell(g.Enemy.OldX, g.Enemy.OldY);
    ApplyMove(r, Move{kSecondSide, g.Enemy.Code, g.Enemy.OldX, g.Enemy.OldY, g.Enemy.X, g.Enemy.Y,
                      MoveKind::Attack});
}

Move ComputerOpponent::SubmarineRetreat(Rules& r) {
    return moves_.SteerStep(r);
}

}  // namespace kvd
