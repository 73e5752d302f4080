#include "play/player_turn.h"

#include "core/board_geometry.h"
#include "core/context.h"
#include "core/game.h"
#include "core/game_pictures.h"
#include "core/main_form.h"
#include "platform/platform.h"
#include "play/battle.h"
#include "play/combat.h"
#include "play/patrol.h"
#include "play/radar.h"
#include "play/radar_view.h"
#include "play/repair.h"
#include "play/repair_view.h"
#include "play/unit_panel.h"

namespace kvd {

namespace {
// The cell index of a coordinate along one axis: 0 before the first line, k strictly between
// lines k and k + 1; -1 on a line or past the last cell.
int CellIndex(int coordinate, int cellSize) {
    if (coordinate < cellSize) return 0;
    for (int k = 1; k <= 9; ++k)
        if (coordinate > k * cellSize && coordinate < (k + 1) * cellSize) return k;
    return -1;
}

QString CellText(int column, int row) { return TwoDigits(column) + TwoDigits(row); }
}  // namespace

PlayerTurn::PlayerTurn(Game& game, Context& context, GamePictures& pictures, TMainForm& board)
    : game_(game),
      context_(context),
      pictures_(pictures),
      board_(board),
      paint_(board, game, pictures, context),
      scene_{game, context, pictures, paint_},
      joining_(scene_, board) {}

int PlayerTurn::RevealEnemy() { return game_.NetRole == 2 ? RevealAllied(game_) : kvd::RevealEnemy(game_); }

void PlayerTurn::RadarFlacker() { kvd::RadarFlacker(paint_); }

void PlayerTurn::ClickToCell(QPoint position) {
    const BoardGeometry& geometry = board_.Geometry();
    const int column = CellIndex(position.x(), geometry.cellWidth);
    const int row = CellIndex(position.y(), geometry.cellHeight);
    if (column >= 0) game_.ClickColumn = column;
    if (row >= 0) game_.ClickRow = row;
}

bool PlayerTurn::OnBoard(QPoint position) const { return position.y() < 10 * board_.Geometry().cellHeight; }

void PlayerTurn::FormMouseDown(Qt::MouseButton button, QPoint position) {
    ClickToCell(position);
    if (button != Qt::LeftButton) return;
    Game& g = game_;
    if (g.NetRole != 2 && g.PlayerTurn == 1 && g.GameActive == 1 && OnBoard(position)) {
        if (g.RepairReady == 1 && g.ClickColumn == g.RepairCellX && g.ClickRow == g.RepairCellY) {
            RepairClick();
        } else if (g.UnitSelected == 1 && g.MoveTargets.contains(CellText(g.ClickColumn, g.ClickRow))) {
            MoveSelectedUnit(g.ClickColumn, g.ClickRow);
        } else {
            SelectUnit();
        }
    }
    // The joining player's program keeps the turn flags from the host's point of view.
    if (g.NetRole == 2 && g.OpponentTurn == 1 && g.GameActive == 1 && OnBoard(position)) {
        if (g.RepairReady == 1 && g.ClickColumn == g.RepairCellX && g.ClickRow == g.RepairCellY) {
            joining_.RepairClick(*network);
        } else if (g.UnitSelected == 1 && g.MoveTargets.contains(CellText(g.ClickColumn, g.ClickRow))) {
            joining_.MoveEnemy(g.ClickColumn, g.ClickRow, *computer, *endOfGame, *network);
        } else {
            joining_.CheckBox();
        }
    }
    if (board_.Geometry().InQuitCorner(position) && g.GameActive == 1) QuitCorner();
}

bool PlayerTurn::RepairClick() {
    // Asking the supply ship ends the move, whether or not it could repair.
    paint_.RedrawBoard();
    const int target = game_.PlayerCode;
    if (!Repair(scene_, 2, target)) return false;
    game_.RepairReady = 0;
    if (game_.NetGame == 1) network->SendRepair(2, target);
    if (game_.NetGame != 1) EndPlayerMove();
    return true;
}

void PlayerTurn::SelectUnit() {
    Game& g = game_;
    UnitTable& table = g.scratchpad;
    g.MoveTargets = Game::kNoMoveTargets;
    paint_.RedrawBoard();
    board_.FormPaint();

    int unit = -1;
    for (int i = 1; i < table.Count() && unit < 0; ++i)
        if (table.Side(i) == QLatin1Char('E') && table.Code(i) != 1 && table.PosX(i) == g.ClickColumn &&
            table.PosY(i) == g.ClickRow)
            unit = i;
    Cursor& cursor = *context_.platform.cursor;
    if (unit < 0) {
        g.UnitSelected = 0;
        g.RepairReady = 0;
        paint_.DrawBand(board_.MenuImage);
        cursor.Set(&board_, CursorShape::Arrow);
        return;
    }

    const int code = table.Code(unit);
    g.UnitSelected = 1;
    g.PlayerCode = code;
    g.PlayerName = CutName(table.UnitName(unit).left(16));
    g.PlayerKindName = CutName(table.KindName(unit));
    g.PlayerX = g.OldPlayerX = table.PosX(unit);
    g.PlayerY = g.OldPlayerY = table.PosY(unit);
    g.PlayerStrength = table.Strength(unit);
    DrawUnitPanel(scene_, unit);

    const int damage = table.DamageState(unit);
    g.RepairReady = code <= 20 && (damage == 1 || damage == 2) ? 1 : 0;
    if (code >= 23 && code <= 25) {
        // A minefield shows its panel but cannot move.
        paint_.Play(QStringLiteral("Click"), true);
        g.UnitSelected = 0;
        cursor.Set(&board_, CursorShape::Arrow);
        return;
    }
    paint_.Play(QStringLiteral("Click"), true);
    MarkTargets();
    if (g.RepairReady == 1) {
        const QString aux = RadarAux(g, g.PlayerX, g.PlayerY);
        // The supply ship's cell shows the repair marker when it can be asked.
        if (aux.contains(QLatin1Char('A'))) {
            Picture hammer;
            if (LoadSpriteFromRes(*context_.platform.resources, QStringLiteral("HAMMERBOX"), hammer)) {
                hammer.SetTransparent(true);
                paint_.DrawInCell(&hammer, g.RepairCellX, g.RepairCellY);
            }
        }
    }
    cursor.Set(&board_, CursorShape::Arrow);
}

void PlayerTurn::MarkTargets() {
    Game& g = game_;
    const QString radar = Radar(g, g.PlayerX, g.PlayerY);
    for (int k = 1; k <= 8; ++k) {
        const QChar c = radar[k - 1];
        if (c != QChar(u'0' + k) && c != QLatin1Char('D')) continue;
        const Offset o = DirectionOffset(k);
        const int column = g.PlayerX + o.dc, row = g.PlayerY + o.dr;
        // An opposing unit that shares a cell with one of the player's own (a fight that
        // came to nothing) is out of reach: stepping in would stack two own units.
        if (c == QLatin1Char('D') && HoldsUnitOf(g, QLatin1Char('E'), column, row)) continue;
        paint_.DrawInCell(&pictures_.GreenBox, column, row);
        g.MoveTargets.replace(5 * k - 5, 4, CellText(column, row));
    }
}

void PlayerTurn::MoveSelectedUnit(int column, int row) {
    Game& g = game_;
    UnitTable& table = g.scratchpad;
    Cursor& cursor = *context_.platform.cursor;
    paint_.Play(QStringLiteral("Click"), true);
    cursor.Set(&board_, CursorShape::Hidden);
    g.SideToMove = QLatin1Char('E');
    g.OldPlayerX = g.PlayerX;
    g.OldPlayerY = g.PlayerY;

    const int unit = table.FindSide(g.PlayerCode, QLatin1Char('E'));
    g.PlayerX = column;
    g.PlayerY = row;
    if (unit >= 0) {
        table.SetPos(unit, column, row);
        table.SetPrev(unit, g.OldPlayerX, g.OldPlayerY);
    }
    paint_.RedrawBoard();
    paint_.RestoreCell(g.OldPlayerX, g.OldPlayerY);
    paint_.DrawMovedUnit(g.PlayerX, g.PlayerY);

    g.SubRetreat = 0;
    const int enemy = LastUnitOn(table, QLatin1Char('D'), column, row);
    if (enemy >= 0) {
        TakeFighter(g, enemy);
        if (context_.settings.AdditionalDamage == QLatin1Char('Y')) MultiCombat(g);
        if (!Battle(scene_, *computer, *endOfGame, g.NetGame == 1 ? &*network : nullptr)) return;
    }
    if (g.GameOver == 1 || g.GameActive == 0) return;

    if (g.NetRole != 1) {
        board_.PreDraw();
        board_.FormPaint();
    }
    if (!Repair(scene_, 2, 21) || !Repair(scene_, 2, 22)) return;
    if (g.NetGame == 0 && g.GameMode == 2 && !ConvoyStep()) return;
    cursor.Set(&board_, CursorShape::Arrow);
    if (g.NetRole == 1) network->PlayerSleep();
    if (g.NetRole == 0) EndPlayerMove();
}

void PlayerTurn::EndPlayerMove() {
    Game& g = game_;
    Cursor& cursor = *context_.platform.cursor;
    cursor.Set(&board_, CursorShape::Hidden);
    g.PlayerTurn = 0;
    g.OpponentTurn = 1;
    paint_.DrawBand(board_.DarkImage);
    paint_.Play(QStringLiteral("Enemy"), true);
    if (!paint_.Delay(1000)) return;

    computer->RunKI();
    if (g.GameOver == 1 || g.GameActive == 0) return;

    g.PlayerTurn = 1;
    g.OpponentTurn = 0;
    if (g.NetGame == 0) RadarPlanePatrol(g);
    g.SweepAllowed = 1;
    board_.PreDraw();
    board_.FormPaint();
    g.UnitSelected = 0;
    g.RepairReady = 0;  // the selection it belonged to is gone with the turn
    g.Winner = 99;
    paint_.Play(QStringLiteral("click"), false);
    cursor.Set(&board_, CursorShape::Arrow);
}

bool PlayerTurn::ConvoyStep() {
    Game& g = game_;
    UnitTable& table = g.scratchpad;
    std::vector<int> candidates;
    for (int i = 1; i < table.Count(); ++i) {
        if (table.Side(i) != QLatin1Char('E') || table.Code(i) < 50) continue;
        const QString radar = Radar(g, table.PosX(i), table.PosY(i));
        for (QChar c : radar)
            if (c.isDigit()) {
                candidates.push_back(table.Code(i));
                break;
            }
    }
    if (candidates.empty()) {
        // Every convoy ship is gone or boxed in: the stage is lost.
        paint_.Report(context_.texts.Text(146), 15, 12, 95);
        paint_.Play(QStringLiteral("click"), true);
        if (!paint_.Delay(2000)) return false;
        g.Gamestage = 9;
        g.Winner = outcome::kSecondWins;
        g.GameActive = 0;
        board_.hide();
        endOfGame->ShowEndOfGame();
        return false;
    }
    int pick = 0;
    if (candidates.size() > 1) {
        pick = g.dice.Next(int(candidates.size()));
        if (!paint_.Delay(10)) return false;
    }
    g.PlayerCode = candidates[size_t(pick)];

    const int guide = table.FindSide(21, QLatin1Char('E'));
    const int gx = guide >= 0 ? table.PosX(guide) : 0, gy = guide >= 0 ? table.PosY(guide) : 0;
    const int ship = table.Find(g.PlayerCode);
    g.OldPlayerX = g.PlayerX = table.PosX(ship);
    g.OldPlayerY = g.PlayerY = table.PosY(ship);
    g.PlayerName = CutName(table.UnitName(ship).left(16));
    g.PlayerKindName = CutName(table.KindName(ship));
    const int heading = DirectionTo(g.PlayerX, g.PlayerY, g.PlayerX + (gx > g.PlayerX) - (gx < g.PlayerX),
                                    g.PlayerY + (gy > g.PlayerY) - (gy < g.PlayerY));
    if (heading > 0) table.SetHeading(ship, heading);
    const int course = table.Heading(ship);

    const QString radar = Radar(g, g.PlayerX, g.PlayerY);
    if (course < 1 || course > 8 || !radar[course - 1].isDigit()) return true;  // it stays
    paint_.DrawInCell(&pictures_.GreenBox, g.PlayerX, g.PlayerY);
    if (!paint_.Delay(600)) return false;
    const Offset o = DirectionOffset(course);
    g.PlayerX += o.dc;
    g.PlayerY += o.dr;
    const int line = table.FindSide(g.PlayerCode, QLatin1Char('E'));
    if (line >= 0) {
        table.SetPos(line, g.PlayerX, g.PlayerY);
        table.SetPrev(line, g.OldPlayerX, g.OldPlayerY);
    }
    g.SideToMove = QLatin1Char('E');
    paint_.RestoreCell(g.OldPlayerX, g.OldPlayerY);
    paint_.DrawMovedUnit(g.PlayerX, g.PlayerY);
    return true;
}

void PlayerTurn::QuitCorner() {
    paint_.Play(QStringLiteral("Click"), true);
    const QString question = QStringLiteral("  ") + context_.texts.Text(22) + QStringLiteral("   ");
    if (context_.platform.boxes->Show(BoxKind::Confirmation, question, BoxButtons::YesNo) != BoxAnswer::Yes) return;
    Game& g = game_;
    endOfGame->Closedown();
    g.GameOver = 1;
    g.UnitSelected = 0;
    g.CampaignRegion = 0;
    g.Winner = 0;
    if (g.NetGame == 1) network->ResetConnection();
    g.NetRole = 0;
    g.NetGame = 0;
    g.GameActive = 0;
    // A fight or a turn waiting underneath stops where it is.
    context_.guard.Interrupt();
    board_.hide();
    flow->BackToMenu();
}

void PlayerTurn::SaveShipLines() {
    context_.platform.files->SaveLines(QStringLiteral("ShipLines.txt"), game_.scratchpad.Lines());
}

void PlayerTurn::FormKeyDown(int key) {
    switch (key) {
        case Qt::Key_F1:
            // The game vanishes from the screen until F2.
            flow->HideMenu();
            board_.showNormal();
            board_.setGeometry(0, 0, 3, 3);
            break;
        case Qt::Key_F2: {
            const BoardGeometry& geometry = board_.Geometry();
            board_.setGeometry(0, 0, geometry.width, geometry.height);
            board_.showFullScreen();
            break;
        }
        case Qt::Key_F3: SaveShipLines(); break;
        case Qt::Key_F12:
            // The host sends the whole table again, between its own steps.
            if (game_.NetRole == 1 && game_.PlayerTurn == 1 && game_.OpponentTurn == 0) network->ResendTable();
            break;
        default: break;
    }
}

}  // namespace kvd
