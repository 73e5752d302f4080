#include "play/battle.h"

#include "core/context.h"
#include "core/game.h"
#include "core/game_pictures.h"
#include "core/main_form.h"
#include "platform/platform.h"
#include "play/board_painter.h"
#include "play/combat.h"
#include "play/computer_turn.h"
#include "play/end_of_game.h"
#include "play/network_board.h"
#include "play/repair_view.h"
#include "play/scene.h"

namespace kvd {

namespace {

using namespace outcome;

QString T(const Scene& s, int n) { return s.context.texts.Text(n); }

// The report line of an outcome.
void ReportOutcome(Scene& s) {
    const Game& g = s.game;
    BoardPainter& p = s.paint;
    switch (g.Winner) {
        case kFirstWins: p.Report(T(s, 35) + g.EnemyName + T(s, 36) + g.EnemyType + T(s, 37)); break;
        case kSecondWins: p.Report(g.PlayerName + QStringLiteral(" (") + g.PlayerKindName + T(s, 37)); break;
        case kBothLost:
            if (g.EnemyCode >= 47 && g.EnemyCode <= 49) {
                p.Report(T(s, 148) + g.PlayerName + T(s, 36) + g.PlayerKindName + T(s, 38), 15);
                break;
            }
            if (g.PlayerCode >= 23 && g.PlayerCode <= 25)
                p.Report(T(s, 35) + g.EnemyName + T(s, 36) + g.EnemyType + T(s, 38));
            p.Report(g.EnemyName + T(s, 32) + g.PlayerName + T(s, 39));
            break;
        case kSecondHit: p.Report(T(s, 23)); break;
        case kMineHitsShip: p.Report(T(s, 40) + g.PlayerName + T(s, 41)); break;
        case kFirstHit: p.Report(T(s, 42) + g.PlayerName + T(s, 43)); break;
        case kShipHitsMine:
            p.Report(T(s, 40) + g.EnemyName + QStringLiteral("\". ") + g.PlayerName + T(s, 44));
            break;
        case kBattleshipDuel:
            p.Report(T(s, 45) + g.PlayerName + QStringLiteral(" / ") + g.EnemyName + T(s, 46));
            break;
        default: break;
    }
}

// The mover goes back to the cell it came from.
void MoveBack(Game& g, bool firstSide) {
    UnitTable& table = g.scratchpad;
    const int i = table.Find(firstSide ? g.PlayerCode : g.EnemyCode);
    if (i < 0) return;
    if (firstSide) table.SetPos(i, g.OldPlayerX, g.OldPlayerY);
    else table.SetPos(i, g.OldEnemyX, g.OldEnemyY);
}

// The two units flash in turn over the fight cell, then the survivor stands there.
bool Animate(Scene& s, ComputerTurn& computer) {
    Game& g = s.game;
    BoardPainter& p = s.paint;
    const int fx = g.PlayerX, fy = g.PlayerY;
    // A fight shows the opposing unit as it is, identified or not.
    // The joining board draws the host's units from the second set, its own from the first.
    const bool joining = g.NetRole == 2;
    const Picture* own = FightPicture(s.pictures, joining, g.PlayerCode);
    const Picture* theirs = FightPicture(s.pictures, !joining, g.EnemyCode);
    p.RestoreCell(fx, fy);
    p.RestoreCell(g.EnemyX, g.EnemyY);
    p.Play(QStringLiteral("explode"), false);
    if (!p.Delay(100)) return false;
    for (int k = 0; k < 4; ++k) {
        p.RestoreCell(fx, fy);
        p.DrawInCell(own, fx, fy);
        if (!p.Delay(200)) return false;
        p.RestoreCell(fx, fy);
        if (!p.Delay(100)) return false;
        p.DrawInCell(theirs, fx, fy);
        if (!p.Delay(200)) return false;
    }
    p.RestoreCell(fx, fy);

    const int w = g.Winner;
    if (w == kFirstWins || w == kFirstHit || w == kShipHitsMine) p.DrawMovedUnit(fx, fy);
    if (w == kSecondWins || w == kSecondHit || w == kMineHitsShip) p.ShowEnemyOrMarker(fx, fy);

    const bool firstMoved = g.SideToMove == QLatin1Char('E');
    const bool network = g.NetGame == 1;
    if (w == kBattleshipDuel) {
        MoveBack(g, firstMoved);
        if (firstMoved) {
            p.DrawMovedUnit(g.OldPlayerX, g.OldPlayerY);
        } else {
            g.EnemyX = g.OldEnemyX;
            g.EnemyY = g.OldEnemyY;
            p.ShowSingleEnemy();
        }
    } else if (w == kFirstHit && firstMoved && g.PlayerCode > 8) {
        MoveBack(g, true);
    } else if (w == kSecondHit && !firstMoved && g.EnemyCode > 32) {
        MoveBack(g, false);
    } else if (w == kSecondHit && firstMoved && g.PlayerCode <= 8) {
        if (network) MoveBack(g, true);
        else if (!RNRetract(s)) return false;
    } else if (w == kFirstHit && !firstMoved && g.EnemyCode <= 32) {
        if (network) MoveBack(g, false);
        else computer.SubmarineRetreat();
    }
    p.TakeSnapshot();
    return true;
}

// The winner of the fight may lose a point to the escorts around it.
bool SupportingFire(Scene& s) {
    Game& g = s.game;
    if (g.NetGame == 0) {
        const int draw = g.dice.Next(2);
        if (draw != 0) return true;
    }
    if (!s.paint.Delay(1500)) return false;
    ExtraDamage(g);
    const int message = 120 + g.dice.Next(20);
    s.paint.ReportBox();
    s.paint.Write(12, 82, (g.Winner == kSecondWins ? g.EnemyName : g.PlayerName) + QStringLiteral(" - ") + T(s, message));
    s.paint.Play(QStringLiteral("crossfire"), true);
    return s.paint.Delay(1000);
}

// The flagship is lost: the carriers take over where they may, else the game is over.
bool EndOfFight(Scene& s, EndOfGame& endOfGame, NetworkBoard* network) {
    Game& g = s.game;
    g.GameOver = 1;
    if (g.Winner == kBothLost && g.Gamestage == 8 && g.EnemyCode == 45 && g.FlagTransferSecond == QLatin1Char('Y')) {
        if (!DoTransfer(s)) return false;
        g.FlagTransferSecond = QLatin1Char('N');
        g.DTransfered = 1;
    }
    if (g.Winner == kBothLost && g.Gamestage == 9 && g.PlayerCode == 21 && g.FlagTransfer == QLatin1Char('Y')) {
        if (!DoTransfer(s)) return false;
        g.FlagTransfer = QLatin1Char('N');
        g.ETransfered = 1;
    }
    if (g.Winner == kBothLost && g.Gamestage == 10) {
        const bool first = g.FlagTransfer == QLatin1Char('Y'), second = g.FlagTransferSecond == QLatin1Char('Y');
        if ((first || second) && !DoTransfer(s)) return false;
        g.FlagTransfer = g.FlagTransferSecond = QLatin1Char('N');
        g.ETransfered = g.DTransfered = 1;
        if (second && !first) g.Winner = kSecondWins, g.Gamestage = 9, g.GameOver = 1;
        if (first && !second) g.Winner = kFirstWins, g.Gamestage = 8, g.GameOver = 1;
        if (!first && !second) g.Winner = kBothLost, g.Gamestage = 10, g.GameOver = 1;
    }
    if (g.Winner != kBothLost && g.Gamestage != 10 && g.Looser == 21 && g.FlagTransfer == QLatin1Char('Y')) {
        if (!DoTransfer(s)) return false;
    }
    if (g.Looser == 45 && g.FlagTransferSecond == QLatin1Char('Y')) {
        if (!DoTransfer(s)) return false;
    }
    // The peer fights the deciding fight itself: it gets the step and the turn.
    if (g.NetGame == 1 && g.GameOver == 1) {
        if (network) network->SendLastMove();
        s.paint.Board().PreDraw();
        s.paint.Board().FormPaint();
    }
    if (!s.paint.Delay(1000)) return false;
    if (g.GameOver == 1) {
        g.GameActive = 0;
        s.context.platform.cursor->Set(&s.paint.Board(), CursorShape::Arrow);
        s.paint.Board().hide();
        endOfGame.ShowEndOfGame();
    }
    return true;
}

}  // namespace

bool Battle(Scene& s, ComputerTurn& computer, EndOfGame& endOfGame, NetworkBoard* network) {
    Game& g = s.game;
    UnitTable& table = g.scratchpad;
    BoardPainter& p = s.paint;

    g.Winner = g.Looser = g.Gamestage = 0;
    const int player = table.Find(g.PlayerCode), enemy = table.Find(g.EnemyCode);
    if (player >= 0) g.OldPlayerX = table.PrevX(player), g.OldPlayerY = table.PrevY(player);
    if (enemy >= 0) g.OldEnemyX = table.PrevX(enemy), g.OldEnemyY = table.PrevY(enemy);

    // A network fight sends the step that caused it; the step routines leave the record alone.
    if (g.NetGame == 1) {
        const bool host = g.NetRole == 1;
        g.MoveMessage = host ? MoveRecord(g.PlayerCode, g.PlayerX, g.PlayerY, g.OldPlayerX, g.OldPlayerY)
                             : MoveRecord(g.EnemyCode, g.EnemyX, g.EnemyY, g.OldEnemyX, g.OldEnemyY);
        g.MoveMessageLocked = 1;
    }

    if (g.PlayerCode != 1) p.ShowEnemyOrMarker(g.EnemyX, g.EnemyY);
    FightNames(g, s.context.settings);

    g.Winner = FightOutcome(g.PlayerCode, g.EnemyCode, g.PlayerStrength, g.EnemyStrength, g.DTransfered, g.NetGame);
    ApplyOutcome(g, s.context.settings);
    ReportOutcome(s);
    if (g.Winner == kSecondHit && g.NetRole != 2) p.Play(QStringLiteral("sonar"), true);
    if (g.Winner == kFirstHit && g.NetRole != 1) p.Play(QStringLiteral("sonar"), true);

    // The computer's submarine that sank a ship may dive back to where it came from.
    if (g.NetGame == 0 && g.EnemyCode >= 27 && g.EnemyCode <= 32 && g.Winner == kSecondWins && g.OpponentTurn == 1 &&
        g.PlayerTurn == 0 && g.dice.Next(2) == 1) {
        const int sub = table.FindSide(g.EnemyCode, QLatin1Char('D'));
        if (sub >= 0) {
            table.SetPos(sub, g.OldEnemyX, g.OldEnemyY);
            table.SetPrev(sub, g.EnemyX, g.EnemyY);
        }
        g.EnemyX = g.OldEnemyX;
        g.EnemyY = g.OldEnemyY;
    }

    // The radar aircraft's loss is not animated; a meeting the table does not know shows nothing.
    if (g.PlayerCode == 1) {
        if (!p.Delay(1500)) return false;
    } else if (g.Winner != kNothing) {
        if (!Animate(s, computer)) return false;
    }

    if (g.SupportFire == 1 && (g.Winner == kFirstWins || g.Winner == kSecondWins) && !SupportingFire(s)) return false;

    if (g.GameMode == 2 && ConvoyLost(g)) {
        p.Report(T(s, 145), 15);
        p.Play(QStringLiteral("click"), true);
        if (!p.Delay(1000)) return false;
        g.Gamestage = 9;
        g.Winner = kSecondWins;
    }

    g.MoveMessageLocked = 0;
    if (g.Gamestage < 7 && !p.Delay(1500)) return false;
    if (g.Gamestage > 7 && !EndOfFight(s, endOfGame, network)) return false;
    if (g.NetGame == 1 && g.GameActive == 1) {
        p.Board().PreDraw();
        p.Board().FormPaint();
    }
    return true;
}

bool RNRetract(Scene& s) {
    Game& g = s.game;
    UnitTable& table = g.scratchpad;
    const int sub = table.FindSide(g.PlayerCode, QLatin1Char('E'));
    if (sub >= 0) {
        g.PlayerX = table.PrevX(sub);
        g.PlayerY = table.PrevY(sub);
        table.SetPos(sub, g.PlayerX, g.PlayerY);
        if (g.NetGame == 0) table.SetPrev(sub, 0, 0);
    }
    s.paint.DrawMovedUnit(g.PlayerX, g.PlayerY);
    if (!s.paint.Delay(400)) return false;
    g.SubRetreat = 0;
    return true;
}

}  // namespace kvd
