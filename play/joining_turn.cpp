#include "play/joining_turn.h"

#include "core/context.h"
#include "core/game.h"
#include "core/game_pictures.h"
#include "core/main_form.h"
#include "platform/platform.h"
#include "play/battle.h"
#include "play/board_painter.h"
#include "play/combat.h"
#include "play/network_board.h"
#include "play/radar.h"
#include "play/repair.h"
#include "play/repair_view.h"
#include "play/scene.h"
#include "play/unit_panel.h"

namespace kvd {

JoiningTurn::JoiningTurn(Scene& scene, TMainForm& board) : scene_(scene), board_(board) {}

void JoiningTurn::CheckBox() {
    Game& g = scene_.game;
    BoardPainter& paint = scene_.paint;
    const UnitTable& table = g.scratchpad;
    g.MoveTargets = Game::kNoMoveTargets;
    paint.RedrawBoard();
    board_.FormPaint();

    int unit = -1;
    for (int i = 1; i < table.Count() && unit < 0; ++i)
        if (table.Side(i) == QLatin1Char('D') && table.PosX(i) == g.ClickColumn && table.PosY(i) == g.ClickRow) unit = i;
    if (unit < 0) {
        g.UnitSelected = 0;
        g.RepairReady = 0;
        paint.DrawBand(board_.MenuImage);
        return;
    }

    const int code = table.Code(unit);
    g.UnitSelected = 1;
    g.EnemyCode = code;
    g.EnemyName = CutName(table.UnitName(unit).left(16));
    g.EnemyType = CutName(table.KindName(unit));
    g.EnemyX = g.OldEnemyX = table.PosX(unit);
    g.EnemyY = g.OldEnemyY = table.PosY(unit);
    g.EnemyStrength = table.Strength(unit);
    DrawUnitPanel(scene_, unit);

    const int damage = table.DamageState(unit);
    g.RepairReady = code <= 44 && (damage == 1 || damage == 2) ? 1 : 0;
    paint.Play(QStringLiteral("Click"), true);
    if (CodeIn(code, 47, 49)) {
        // A minefield shows its panel but cannot move.
        g.UnitSelected = 0;
        return;
    }
    const QString radar = Radar(g, g.EnemyX, g.EnemyY);
    for (int k = 1; k <= 8; ++k) {
        const QChar c = radar[k - 1];
        if (c != QChar(u'0' + k) && c != QLatin1Char('E')) continue;
        const Offset o = DirectionOffset(k);
        const int column = g.EnemyX + o.dc, row = g.EnemyY + o.dr;
        // A host unit sharing a cell with one of the player's own is out of reach, as on the
        // host's board.
        if (c == QLatin1Char('E') && HoldsUnitOf(g, QLatin1Char('D'), column, row)) continue;
        paint.DrawInCell(&scene_.pictures.GreenBox, column, row);
        g.MoveTargets.replace(5 * k - 5, 4, TwoDigits(column) + TwoDigits(row));
    }
    if (g.RepairReady == 1 && AxisRepairScan(g, g.EnemyX, g.EnemyY).contains(QLatin1Char('A'))) {
        Picture hammer;
        if (LoadSpriteFromRes(*scene_.context.platform.resources, QStringLiteral("HAMMERBOX"), hammer)) {
            hammer.SetTransparent(true);
            paint.DrawInCell(&hammer, g.RepairCellX, g.RepairCellY);
        }
    }
}

void JoiningTurn::RepairClick(NetworkBoard& network) {
    Game& g = scene_.game;
    const int target = g.EnemyCode;
    scene_.paint.RedrawBoard();
    if (!Repair(scene_, 26, target)) return;
    g.RepairReady = 0;
    network.SendRepair(26, target);
}

void JoiningTurn::MoveEnemy(int column, int row, ComputerTurn& computer, EndOfGame& endOfGame, NetworkBoard& network) {
    Game& g = scene_.game;
    BoardPainter& paint = scene_.paint;
    UnitTable& table = g.scratchpad;
    paint.Play(QStringLiteral("Click"), true);
    scene_.context.platform.cursor->Set(&board_, CursorShape::Hidden);
    g.SideToMove = QLatin1Char('D');
    g.OldEnemyX = g.EnemyX;
    g.OldEnemyY = g.EnemyY;

    const int unit = table.FindSide(g.EnemyCode, QLatin1Char('D'));
    g.EnemyX = column;
    g.EnemyY = row;
    if (unit >= 0) {
        table.SetPos(unit, column, row);
        table.SetPrev(unit, g.OldEnemyX, g.OldEnemyY);
    }
    paint.RedrawBoard();
    paint.RestoreCell(g.OldEnemyX, g.OldEnemyY);
    paint.SingleMove(g.EnemyX, g.EnemyY);

    g.SubRetreat = 0;
    const int host = LastUnitOn(table, QLatin1Char('E'), column, row);
    if (host >= 0) {
        TakeFighter(g, host);
        if (scene_.context.settings.AdditionalDamage == QLatin1Char('Y')) MultiCombat(g);
        if (!Battle(scene_, computer, endOfGame, &network)) return;
    }
    if (g.GameOver == 1 || g.GameActive == 0) return;
    if (!Repair(scene_, 26, 45) || !Repair(scene_, 26, 46)) return;
    network.ClientSleep();
}

}  // namespace kvd
