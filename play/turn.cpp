#include "play/turn.h"

#include "core/game.h"
#include "core/settings.h"
#include "core/turn_view.h"
#include "core/unit_codes.h"
#include "play/apply_move.h"
#include "play/battle_notes.h"
#include "play/combat.h"
#include "play/computer_turn.h"
#include "play/convoy.h"
#include "play/patrol.h"
#include "play/radar.h"
#include "play/repair.h"
#include "play/rules.h"
#include "play/selection.h"
#include "play/showing.h"

namespace kvd {

void ComposeBoard(Rules& r) {
    Game& g = r.game;
    if (ViewOfTurn(g) != TurnView::None) {
        RevealSeen(g);
        // The identifications are news only where the board shows them.
        if (r.settings.RevealOption == QLatin1Char('Y')) NoteIdentified(g, ViewerSide(g));
    }
    r.show.Compose(g);
    r.show.Paint(g);
    r.show.Battle(g);
}

bool SideStep(Rules& r, Side side, int column, int row) {
    Game& g = r.game;
    Showing& s = r.show;
    const bool first = side == kFirstSide;
    Move move = SelectedUnitTo(g, side, column, row, MoveKind::Step);
    const Side other = first ? kSecondSide : kFirstSide;
    move.kind =
        LastUnitOn(g.scratchpad, other, column, row) >= 0 ? MoveKind::Attack : MoveKind::Step;

    s.Sound(QStringLiteral("Click"), true);
    s.Cursor(CursorShape::Hidden);
    ApplyMove(r, move, Meeting::Now, [&] {
        s.RedrawBoard();
        s.RestoreCell(move.fromColumn, move.fromRow);
        if (first)
            s.MovedUnit(g, column, row);
        else
            s.JoiningUnit(g, column, row);
    });
    if (g.GameOver || !g.GameActive) return false;

    if (g.NetRole == net_role::kNone) ComposeBoard(r);
    const int supply = SupplyShipOf(side), flagship = first ? 21 : 45;
    Repair(r, supply, flagship);
    Repair(r, supply, flagship + 1);
    if (first && !g.NetGame && g.GameMode == mode::kConvoyStage && !ConvoyStep(r)) return false;
    if (first) s.Cursor(CursorShape::Arrow);
    return true;
}

void RepairRequest(Rules& r, Side side) {
    Game& g = r.game;
    const Move move = SelectedUnitTo(g, side, g.RepairCellX, g.RepairCellY, MoveKind::Repair);
    // Asking the supply ship ends the selection, whether or not it could repair.
    r.show.RedrawBoard();
    ApplyMove(r, move);
    g.RepairReady = false;
}

void HandOverToPeer(Rules& r, bool host) {
    Game& g = r.game;
    g.SupportFire = false;
    if (!host) NoteTurnOver(g);
    r.show.Cursor(CursorShape::Hidden);
    g.PlayerTurn = !host;
    g.OpponentTurn = host;
    g.UnitSelected = false;
    g.RepairReady = false;
    ComposeBoard(r);
}

void ApplyPeersStep(Rules& r, const Move& move) {
    if (move.side == kFirstSide)
        r.game.Player.Code = move.code;
    else
        r.game.Enemy.Code = move.code;
    ApplyMove(r, move, Meeting::Later);
}

namespace {
// The fight the peer's step caused is fought on the cell that unit stepped onto, against the
// opposing unit the peer's own step met there. (Taking the last pair of opposing units that
// share any cell would fight an old, undecided meeting instead, and the two tables would part.)
void MeetPeersStep(Rules& r, int movedCode) {
    Game& g = r.game;
    const UnitTable& table = g.scratchpad;
    const std::optional<Side> side = SideOfCode(movedCode);
    const int moved = side ? table.FindSide(movedCode, *side) : -1;
    if (moved < 0) return;
    const int column = table.PosX(moved), row = table.PosY(moved);
    if (LastUnitOn(table, OtherSide(*side), column, row) < 0) return;
    TakeFighter(g, moved);
    Meet(r, *side, column, row);
}
}  // namespace

void TurnAfterPeer(Rules& r, bool joining, int peerMovedCode) {
    Game& g = r.game;
    Showing& show = r.show;
    g.Winner = outcome::kTurnOver;
    g.SubRetreat = false;
    g.Enemy.Code = kNoUnit;
    g.Player.Code = kNoUnit;
    g.UnitSelected = false;
    g.RepairReady = false;
    // The joining player's turn is the opponent's.
    g.PlayerTurn = !joining;
    g.OpponentTurn = joining;
    ComposeBoard(r);
    // The peer's submarine moved: the sonar pings, whatever the sound setting says.
    const int firstSub = joining ? 3 : 27;
    if (peerMovedCode >= firstSub && peerMovedCode <= firstSub + 5) {
        show.SoundAlways(QStringLiteral("sonar"), false);
        show.Wait(2500);
    }
    if (joining) show.Sound(QStringLiteral("click"), false);
    MeetPeersStep(r, peerMovedCode);
    // The joining player's step and its fight close the turn, on the host as on its own board.
    if (!joining) NoteTurnOver(g);
    if (g.GameOver || !g.GameActive) return;
    // The peer's supply ship repairs its flagships, as the peer's own step did.
    const int supply = SupplyShipOf(joining ? kFirstSide : kSecondSide);
    Repair(r, supply, joining ? kFirstFlagshipCode : kSecondFlagshipCode);
    Repair(r, supply, joining ? kFirstCarrierCode : kSecondCarrierCode);
    show.Paint(g);
    show.Cursor(CursorShape::Arrow);
    if (!joining) show.Sound(QStringLiteral("click"), false);
    g.SideToMove = joining ? kSecondSide : kFirstSide;
}

void EndFirstSideMove(Rules& r) {
    Game& g = r.game;
    Showing& s = r.show;
    s.Cursor(CursorShape::Hidden);
    g.PlayerTurn = false;
    g.OpponentTurn = true;
    s.Band(BandOf::Dark);
    s.Sound(QStringLiteral("Enemy"), true);
    s.Wait(1000);

    if (r.computer) r.computer->RunKI(r);
    if (g.GameOver || !g.GameActive) return;
    NoteTurnOver(g);

    g.PlayerTurn = true;
    g.OpponentTurn = false;
    if (!g.NetGame) ApplyMove(r, PatrolStep(g));
    g.SweepAllowed = true;
    ComposeBoard(r);
    g.UnitSelected = false;
    g.RepairReady = false;  // the selection it belonged to is gone with the turn
    g.Winner = outcome::kTurnOver;
    s.Sound(QStringLiteral("click"), false);
    s.Cursor(CursorShape::Arrow);
}

}  // namespace kvd
