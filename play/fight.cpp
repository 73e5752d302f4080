#include "play/fight.h"

#include "core/game.h"
#include "core/language_texts.h"
#include "core/settings.h"
#include "core/text_ids.h"
#include "play/apply_move.h"
#include "play/battle_notes.h"
#include "play/combat.h"
#include "play/computer_turn.h"
#include "play/game_end.h"
#include "play/rules.h"
#include "play/showing.h"
#include "play/turn.h"

namespace kvd {

namespace {

using namespace outcome;

QString T(const Rules& r, int n) {
    return r.texts.Text(n);
}

// The report line of an outcome.
void ReportOutcome(Rules& r) {
    const Game& g = r.game;
    Showing& s = r.show;
    if (!s.Recording()) return;
    switch (g.Winner) {
        case kFirstWins:
            s.Report(T(r, text::kReportSunk) + g.Enemy.Name + T(r, text::kReportKindOpens) +
                     g.Enemy.KindName + T(r, text::kReportSunkEnd));
            break;
        case kSecondWins:
            s.Report(g.Player.Name + QStringLiteral(" (") + g.Player.KindName +
                     T(r, text::kReportSunkEnd));
            break;
        case kBothLost:
            if (IsMinefield(g.Enemy.Code)) {
                s.Report(T(r, text::kReportOurShipMined) + g.Player.Name +
                             T(r, text::kReportKindOpens) + g.Player.KindName +
                             T(r, text::kReportMinedEnd),
                         15);
                break;
            }
            if (IsMinefield(g.Player.Code))
                s.Report(T(r, text::kReportSunk) + g.Enemy.Name + T(r, text::kReportKindOpens) +
                         g.Enemy.KindName + T(r, text::kReportMinedEnd));
            s.Report(g.Enemy.Name + T(r, text::kReportBothLost) + g.Player.Name +
                     T(r, text::kReportBothLostEnd));
            break;
        case kSecondHit:
            s.Report(T(r, text::kReportOurSubmarineHit));
            break;
        case kMineHitsShip:
            s.Report(T(r, text::kReportMinefield) + g.Player.Name +
                     T(r, text::kReportOurMineHitEnd));
            break;
        case kFirstHit:
            s.Report(T(r, text::kReportEnemySubmarineHit) + g.Player.Name +
                     T(r, text::kReportEnemySubmarineHitEnd));
            break;
        case kShipHitsMine:
            s.Report(T(r, text::kReportMinefield) + g.Enemy.Name + QStringLiteral("\". ") +
                     g.Player.Name + T(r, text::kReportEnemyMineHitEnd));
            break;
        case kBattleshipDuel:
            s.Report(T(r, text::kReportBattleshipsHit) + g.Player.Name + QStringLiteral(" / ") +
                     g.Enemy.Name + T(r, text::kReportBattleshipsHitEnd));
            break;
        default:
            break;
    }
}

// The mover goes back to the cell it came from.
void MoveBack(Game& g, bool firstSide) {
    UnitTable& table = g.scratchpad;
    const Fighter& mover = firstSide ? g.Player : g.Enemy;
    const int i = table.Find(mover.Code);
    if (i >= 0) Relocate(table, i, mover.OldX, mover.OldY);
}

// The player's submarine slips back to its previous cell after damaging a big ship.
void SubmarineSlipsBack(Rules& r) {
    Game& g = r.game;
    UnitTable& table = g.scratchpad;
    const int sub = table.FindSide(g.Player.Code, kFirstSide);
    if (sub >= 0) {
        g.Player.X = table.PrevX(sub);
        g.Player.Y = table.PrevY(sub);
        if (!g.NetGame)
            Relocate(table, sub, g.Player.X, g.Player.Y, 0, 0);
        else
            Relocate(table, sub, g.Player.X, g.Player.Y);
    }
    r.show.MovedUnit(g, g.Player.X, g.Player.Y);
    r.show.Wait(400);
    g.SubRetreat = false;
}

// The two units flash in turn over the fight cell, then the survivor stands there. It shows
// only: the moves the outcome calls for are the rules' (MovesAfterFight).
void ShowFight(Rules& r) {
    Game& g = r.game;
    Showing& s = r.show;
    const int fx = g.Player.X, fy = g.Player.Y;
    // A fight shows the opposing unit as it is, identified or not. The joining board draws the
    // host's units from the second set, its own from the first.
    const bool joining = g.NetRole == net_role::kJoining;
    const PictureOf own = joining ? PictureOf::FightSecond : PictureOf::FightFirst;
    const PictureOf theirs = joining ? PictureOf::FightFirst : PictureOf::FightSecond;
    s.RestoreCell(fx, fy);
    s.RestoreCell(g.Enemy.X, g.Enemy.Y);
    s.Sound(QStringLiteral("explode"), false);
    s.Wait(100);
    for (int k = 0; k < 4 && s.Recording(); ++k) {
        s.RestoreCell(fx, fy);
        s.Picture(own, g.Player.Code, fx, fy);
        s.Wait(200);
        s.RestoreCell(fx, fy);
        s.Wait(100);
        s.Picture(theirs, g.Enemy.Code, fx, fy);
        s.Wait(200);
    }
    s.RestoreCell(fx, fy);

    const int w = g.Winner;
    if (w == kFirstWins || w == kFirstHit || w == kShipHitsMine) s.MovedUnit(g, fx, fy);
    if (w == kSecondWins || w == kSecondHit || w == kMineHitsShip)
        s.EnemyOrMarker(g, r.settings, fx, fy);
}

// The moves back and retreats the outcome of a fight calls for, each shown as it is made.
void MovesAfterFight(Rules& r) {
    Game& g = r.game;
    Showing& s = r.show;
    const int w = g.Winner;
    const bool firstMoved = g.SideToMove == kFirstSide;
    const bool network = g.NetGame;
    if (w == kBattleshipDuel) {
        MoveBack(g, firstMoved);
        if (firstMoved) {
            s.MovedUnit(g, g.Player.OldX, g.Player.OldY);
        } else {
            g.Enemy.X = g.Enemy.OldX;
            g.Enemy.Y = g.Enemy.OldY;
            s.SingleEnemy(g, r.settings);
        }
    } else if (w == kFirstHit && firstMoved && !IsSubmarine(g.Player.Code)) {
        MoveBack(g, true);
    } else if (w == kSecondHit && !firstMoved && !IsSubmarine(g.Enemy.Code)) {
        MoveBack(g, false);
    } else if (w == kSecondHit && firstMoved && IsSubmarine(g.Player.Code)) {
        if (network)
            MoveBack(g, true);
        else
            SubmarineSlipsBack(r);
    } else if (w == kFirstHit && !firstMoved && IsSubmarine(g.Enemy.Code)) {
        if (network)
            MoveBack(g, false);
        else if (r.computer)
            ApplyMove(r, r.computer->SubmarineRetreat(r), Meeting::Never);
    }
    s.TakeSnapshot();
}

// The winner of the fight may lose a point to the escorts around it.
void SupportingFire(Rules& r) {
    Game& g = r.game;
    if (!g.NetGame && g.dice.Next(2) != 0) return;
    r.show.Wait(1500);
    ExtraDamage(g);
    NoteEscortFire(g, g.Winner == kSecondWins);
    r.show.Battle(g);
    const int message = 120 + g.dice.Next(20);
    r.show.ReportBox();
    r.show.Write(12, 82,
                 (g.Winner == kSecondWins ? g.Enemy.Name : g.Player.Name) + QStringLiteral(" - ") +
                     T(r, message));
    r.show.Sound(QStringLiteral("crossfire"), true);
    r.show.Wait(1000);
}

}  // namespace

void Fight(Rules& r) {
    Game& g = r.game;
    UnitTable& table = g.scratchpad;
    Showing& s = r.show;

    g.Winner = g.Loser = g.Gamestage = stage::kOn;
    const int player = table.Find(g.Player.Code), enemy = table.Find(g.Enemy.Code);
    if (player >= 0) g.Player.OldX = table.PrevX(player), g.Player.OldY = table.PrevY(player);
    if (enemy >= 0) g.Enemy.OldX = table.PrevX(enemy), g.Enemy.OldY = table.PrevY(enemy);

    if (g.Player.Code != 1) s.EnemyOrMarker(g, r.settings, g.Enemy.X, g.Enemy.Y);
    FightNames(g, r.settings);

    g.Winner = FightOutcome(g.Player.Code, g.Enemy.Code, g.Player.Strength, g.Enemy.Strength,
                            g.DTransferred, g.NetGame);
    ApplyOutcome(g);
    ReportOutcome(r);
    NoteFight(g);
    s.Battle(g);
    if (g.Winner == kSecondHit && g.NetRole != net_role::kJoining)
        s.Sound(QStringLiteral("sonar"), true);
    if (g.Winner == kFirstHit && g.NetRole != net_role::kHosting)
        s.Sound(QStringLiteral("sonar"), true);

    // The computer's submarine that sank a ship may dive back to where it came from.
    if (!g.NetGame && IsSubmarine(g.Enemy.Code) && g.Winner == kSecondWins && g.OpponentTurn &&
        !g.PlayerTurn && g.dice.Next(2) == 1) {
        const int sub = table.FindSide(g.Enemy.Code, kSecondSide);
        if (sub >= 0) Relocate(table, sub, g.Enemy.OldX, g.Enemy.OldY, g.Enemy.X, g.Enemy.Y);
        g.Enemy.X = g.Enemy.OldX;
        g.Enemy.Y = g.Enemy.OldY;
    }

    // The radar aircraft's loss is not animated; a meeting the table does not know shows nothing.
    if (g.Player.Code == 1)
        s.Wait(1500);
    else if (g.Winner != kNothing) {
        ShowFight(r);
        MovesAfterFight(r);
    }

    if (g.SupportFire && (g.Winner == kFirstWins || g.Winner == kSecondWins)) SupportingFire(r);

    if (g.GameMode == mode::kConvoyStage && ConvoyLost(g)) ConvoySunk(r);

    if (g.Gamestage < stage::kEnded) s.Wait(1500);
    if (g.Gamestage >= stage::kEnded) EndOfFight(r);
    if (g.NetGame && g.GameActive) ComposeBoard(r);
}

}  // namespace kvd
