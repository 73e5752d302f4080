#include "play/showing.h"

#include <algorithm>

#include "play/battle_notes.h"

#include "core/game.h"
#include "core/settings.h"
#include "core/turn_view.h"
#include "core/unit_codes.h"

namespace kvd {

ShowStep& Showing::Add(ShowStep::Kind kind) {
    ShowStep& step = steps_.emplace_back();
    step.kind = kind;
    return step;
}

void Showing::Wait(int ms) {
    if (recording_) Add(ShowStep::Wait).a = ms;
}

void Showing::Sound(const QString& name, bool wait) {
    AddSound(name, wait, false);
}

void Showing::SoundAlways(const QString& name, bool wait) {
    AddSound(name, wait, true);
}

void Showing::AddSound(const QString& name, bool wait, bool always) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::Sound);
    s.text = name;
    s.a = wait;
    s.b = always;
}

void Showing::Report(const QString& text, int xPercent, int leftPercent, int rightPercent) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::Report);
    s.text = text;
    s.a = xPercent;
    s.b = leftPercent;
    s.c = rightPercent;
}

void Showing::ReportBox(int leftPercent, int rightPercent) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::ReportBox);
    s.a = leftPercent;
    s.b = rightPercent;
}

void Showing::Write(int xPercent, int yPercent, const QString& text, bool withTime) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::Write);
    s.a = xPercent;
    s.b = yPercent;
    s.text = text;
    s.c = withTime;
}

void Showing::RestoreCell(int column, int row) {
    if (recording_) Add(ShowStep::RestoreCell).cell = QPoint(column, row);
}

void Showing::Picture(PictureOf picture, int code, int column, int row) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::Picture);
    s.a = int(picture);
    s.b = code;
    s.cell = QPoint(column, row);
}

void Showing::Band(BandOf band) {
    if (recording_) Add(ShowStep::Band).a = int(band);
}

void Showing::TakeSnapshot() {
    if (recording_) Add(ShowStep::TakeSnapshot);
}

void Showing::RedrawBoard() {
    if (recording_) Add(ShowStep::RedrawBoard);
}

void Showing::Compose(const Game& game) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::Compose);
    s.lines = game.scratchpad.Lines();
    s.a = int(ViewOfTurn(game));
    s.b = game.RevealCount;
    s.c = game.SweepAllowed;
    s.d = game.PlaneAllowance != QLatin1Char('0');
}

void Showing::Paint(const Game& game) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::Paint);
    s.a = int(ViewOfTurn(game));
    s.b = game.GameActive;
}

void Showing::Cursor(CursorShape shape) {
    if (recording_) Add(ShowStep::Cursor).a = int(shape);
}

void Showing::HideBoard() {
    if (recording_) Add(ShowStep::HideBoard);
}

void Showing::AircraftShot(const Game& game, int column, int row) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::AircraftShot);
    s.cell = QPoint(column, row);
    s.a = game.scratchpad.CountCellMates(1) > 0;
}

void Showing::TargetFrame(int column, int row) {
    if (recording_) Add(ShowStep::TargetFrame).cell = QPoint(column, row);
}

void Showing::RepairHammers(QPoint repairer, QPoint target) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::RepairHammers);
    s.cell = repairer;
    s.cell2 = target;
}

void Showing::CarrierTakesFlag(const Game& game, bool firstSide) {
    if (!recording_) return;
    ShowStep& s = Add(ShowStep::CarrierTakesFlag);
    s.a = firstSide;
    s.b = game.NetRole == net_role::kJoining;
}

void Showing::EndOfGame() {
    if (recording_) Add(ShowStep::EndOfGame);
}

void Showing::Battle(const Game& game) {
    if (recording_)
        Add(ShowStep::Battle).battle = std::make_shared<const BattleBand>(BattleBandOf(game));
}

void Showing::MovedUnit(const Game& game, int column, int row) {
    if (!recording_) return;
    const int code = game.Player.Code;
    if (game.NetRole == net_role::kJoining) {
        // The joining board shows the host's unit as identified, a minefield as mines.
        if (IsSupply(code) || IsWarship(code))
            Picture(PictureOf::SecondSet, code, column, row);
        else if (IsMinefield(code))
            Picture(PictureOf::Minefield, code, column, row);
        return;
    }
    if (code != 1 && code != 3) Picture(PictureOf::FirstSet, code, column, row);
}

void Showing::JoiningUnit(const Game& game, int column, int row) {
    Picture(PictureOf::JoiningOwn, game.Enemy.Code, column, row);
}

void Showing::SingleEnemy(const Game& game, const Settings& settings) {
    if (!recording_) return;
    const int code = game.Enemy.Code;
    if (game.NetRole == net_role::kJoining) {
        // On the joining board the second side is the player's own.
        Picture(PictureOf::JoiningOwn, code, game.Enemy.X, game.Enemy.Y);
        return;
    }
    if (settings.RevealOption != QLatin1Char('Y')) return;
    const UnitTable& table = game.scratchpad;
    const int i = table.FindSide(code, kSecondSide);
    if (i < 0) return;
    const UnitKind kind = KindOfCode(code);
    if (kind == UnitKind::Submarine || kind == UnitKind::Minefield || kind == UnitKind::None)
        return;
    if (table.IsRevealed(i))
        Picture(PictureOf::SecondSet, code, game.Enemy.X, game.Enemy.Y);
    else if (code != 26)
        Picture(PictureOf::EnemyFlag, code, game.Enemy.X, game.Enemy.Y);
}

void Showing::EnemyOrMarker(const Game& game, const Settings& settings, int column, int row) {
    if (!recording_) return;
    const int code = game.Enemy.Code;
    // Every unit the computer moves but a submarine.
    const bool ship = SideOfCode(code) == kSecondSide && !IsSubmarine(code);
    if (settings.RevealOption == QLatin1Char('N') && game.NetRole != net_role::kJoining) {
        if (ship) Picture(PictureOf::EnemyFlag, code, column, row);
        return;
    }
    SingleEnemy(game, settings);
}

}  // namespace kvd
