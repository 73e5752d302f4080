#include "opponent/ki_form.h"

#include "core/context.h"
#include "core/game.h"
#include "core/game_pictures.h"
#include "core/main_form.h"
#include "opponent/tactics.h"
#include "platform/platform.h"
#include "play/battle.h"
#include "play/combat.h"
#include "play/radar_view.h"
#include "play/repair_view.h"

namespace kvd {

namespace {
int CountCodes(const Game& game, QChar side, int low, int high) {
    const UnitTable& table = game.scratchpad;
    int n = 0;
    for (int i = 1; i < table.Count(); ++i) {
        const int code = table.Code(i);
        n += table.Side(i) == side && code >= low && code <= high;
    }
    return n;
}
}  // namespace

int EnemyConcern(const Game& g) {
    const int supply = CountCodes(g, QLatin1Char('D'), 26, 26);
    const int subs = CountCodes(g, QLatin1Char('D'), 27, 32);
    const int heavy = CountCodes(g, QLatin1Char('D'), 43, 46);
    return (supply == 0) + (subs < 2) + (subs == 0) + (heavy < 4) + (heavy < 3);
}

int EnemyAggression(const Game& g) {
    auto count = [&](int low, int high) { return CountCodes(g, QLatin1Char('E'), low, high); };
    const int aircraft = count(1, 1), small = count(2, 8), big = count(19, 22), battleship = count(21, 21);
    return (aircraft == 0) + (small < 2) + (small == 0) + (big < 4) + (big < 3) + (battleship == 1);
}

TKIForm::TKIForm(Context& context, Game& game, GamePictures& pictures, TMainForm& board, QWidget* parent)
    : QWidget(parent),
      game_(game),
      context_(context),
      paint_(board, game, pictures, context),
      scene_{game, context, pictures, paint_},
      moves_(scene_, state_) {}

void TKIForm::RunKI() {
    Game& g = game_;
    if (g.GameOver == 1 || g.GameActive == 0) return;
    state_ = OpponentState();
    g.SubRetreat = 0;
    g.EnemyCode = 99;
    g.TurnCount += 1;

    const int able = CountCodes(g, QLatin1Char('D'), 26, 46);
    const int free = moves_.CanMove();
    if (able == 0 || free == 0) {
        EndNotice();
        return;
    }
    if (free == 1) g.LastEnemyCode = 99;
    if (!ShootAtTheAircraft()) return;

    state_.EnemyConcern = EnemyConcern(g);
    state_.EnemyAggression = EnemyAggression(g);
    g.EnemyX = g.EnemyY = g.PlayerX = g.PlayerY = 0;
    g.OldEnemyX = g.OldEnemyY = g.OldPlayerX = g.OldPlayerY = 0;
    g.EnemyName.clear();
    g.EnemyType.clear();
    g.EnemyCode = g.PlayerCode = 99;
    g.SideToMove = QLatin1Char('D');

    BuildEngagements();
    if (state_.EnemyNews.isEmpty()) {
        moves_.RandomSelection();
        if (!moves_.CheckMove()) return;
    } else {
        BattleStations(g, state_, g.dice);
        if (state_.AvoidFlag == 1) {
            if (!moves_.AvoidMove()) return;
        } else {
            if (!Attack() || g.GameOver == 1 || g.GameActive == 0) return;
        }
    }
    if (state_.AvoidFailed == 1) {
        // The unit to step away was boxed in: another one moves instead.
        state_.AvoidFailed = 0;
        moves_.RandomSelection();
        if (!moves_.CheckMove()) return;
    }

    const bool fightSankOrSpent = g.Winner == 1 || g.Winner == 3 || g.Winner == 7;
    if (!fightSankOrSpent && g.Gamestage < 12) {
        const bool sub = g.EnemyCode >= 27 && g.EnemyCode <= 32;
        if (context_.settings.RevealOption == QLatin1Char('N')) {
            if (!sub && g.EnemyCode >= 26) paint_.DrawInCell(&scene_.pictures.EnemyFlag, g.EnemyX, g.EnemyY);
        } else {
            paint_.ShowSingleEnemy();
        }
        // The first two campaign stages redraw nothing here and give the opponent no repairs.
        if (g.GameMode != 1 && g.GameMode != 2) {
            g.SweepAllowed = 0;
            paint_.Board().PreDraw();
            paint_.Board().FormPaint();
            g.SweepAllowed = 1;
            if (!Repair(scene_, 26, 45) || !Repair(scene_, 26, 46)) return;
        }
    }
    g.LastEnemyCode = g.EnemyCode;
}

bool TKIForm::ShootAtTheAircraft() {
    Game& g = game_;
    if (context_.settings.RevealOption == QLatin1Char('N') || g.NetRole != 0 || g.NetGame != 0) return true;
    UnitTable& table = g.scratchpad;
    const int plane = table.Find(1);
    if (plane < 0) return true;
    g.PlayerX = table.PosX(plane);
    g.PlayerY = table.PosY(plane);
    g.PlayerName = CutName(table.UnitName(plane).left(15));
    g.PlayerKindName = CutName(table.KindName(plane));
    g.PlayerCode = 1;
    int hits = 0;
    const int flagship = g.DTransfered == 0 ? 46 : 45;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != QLatin1Char('D') || table.Code(i) != flagship) continue;
        hits = 0;
        g.EnemyX = table.PosX(i);
        g.EnemyY = table.PosY(i);
        g.EnemyName = CutName(table.UnitName(i).left(15));
        g.EnemyType = CutName(table.KindName(i));
        g.EnemyCode = flagship;
        if (g.EnemyX == g.PlayerX && g.EnemyY == g.PlayerY) hits = 1;
        if (AreNeighbours(g.PlayerX, g.PlayerY, g.EnemyX, g.EnemyY)) ++hits;
    }
    if (hits == 0) return true;
    JstarsFlacker(paint_, g, g.PlayerX, g.PlayerY);
    if (!paint_.Delay(100)) return false;
    return Battle(scene_, *this, *endOfGame);
}

void TKIForm::BuildEngagements() {
    const UnitTable& table = game_.scratchpad;
    const std::vector<UnitPlace> first = UnitsOf(table, QLatin1Char('E'));
    const std::vector<UnitPlace> second = UnitsOf(table, QLatin1Char('D'));
    // A player's unit that already shares its cell with one of the opponent's (a submarine
    // that attacked it and could not get away) is not met again: an attacker moving in would
    // put two of the opponent's units on one cell.
    auto shared = [&](const UnitPlace& e) {
        for (const UnitPlace& d : second)
            if (d.column == e.column && d.row == e.row) return true;
        return false;
    };
    for (const UnitPlace& d : second) {
        if (d.code >= 47 || d.code <= 25) continue;
        for (const UnitPlace& e : first) {
            if (e.code < 2 || !AreNeighbours(d.column, d.row, e.column, e.row) || shared(e)) continue;
            QString line = table.Line(e.line);
            WriteNumber(line, col::kAttackerCode, 2, d.code);
            state_.EnemyNews << line;
        }
    }
}

bool TKIForm::Attack() {
    Game& g = game_;
    const bool marked = g.EnemyCode == 26 || g.EnemyCode > 32;
    if (marked) {
        paint_.DrawInCell(&scene_.pictures.GreenBox, g.OldEnemyX, g.OldEnemyY);
        if (!paint_.Delay(200)) return false;
    }
    if (context_.settings.RevealOption == QLatin1Char('N')) {
        if (marked) paint_.DrawInCell(&scene_.pictures.EnemyFlag, g.OldEnemyX, g.OldEnemyY);
    } else {
        paint_.ShowSingleEnemy();
    }
    if (!paint_.Delay(500)) return false;
    if (marked) {
        paint_.RestoreCell(g.OldEnemyX, g.OldEnemyY);
        g.CurrentBand = 80;
    }
    const int met = LastUnitOn(g.scratchpad, QLatin1Char('E'), g.EnemyX, g.EnemyY);
    if (met >= 0) TakeFighter(g, met);
    if (context_.settings.AdditionalDamage == QLatin1Char('Y')) MultiCombat(g);
    g.SideToMove = QLatin1Char('D');
    return Battle(scene_, *this, *endOfGame);
}

void TKIForm::SubmarineRetreat() { moves_.CheckMove(); }

void TKIForm::EndNotice() {
    // The opponent has nothing left that can act: it gives up.
    paint_.Report(context_.texts.Text(82));
    paint_.Play(QStringLiteral("click"), true);
    if (!paint_.Delay(4000)) return;
    game_.Gamestage = 8;
    game_.GameOver = 1;
    game_.GameActive = 0;
    paint_.Board().hide();
    endOfGame->ShowEndOfGame();
}

}  // namespace kvd
