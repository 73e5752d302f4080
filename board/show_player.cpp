#include "board/show_player.h"

#include "board/board_painter.h"
#include "board/game_pictures.h"
#include "board/main_form.h"
#include "board/radar_view.h"
#include "board/repair_view.h"
#include "core/context.h"
#include "core/unit_table.h"
#include "play/end_of_game.h"

namespace kvd {

const Picture* ShowPlayer::PictureFor(PictureOf picture, int code) {
    switch (picture) {
        case PictureOf::FirstSet:
            return SpriteForCode(pictures_.FirstSet, code);
        case PictureOf::SecondSet:
            return SpriteForCode(pictures_.SecondSet, code);
        case PictureOf::JoiningOwn:
            return SpriteForCode(pictures_.FirstSet, code, SpriteBoard::JoiningOwn);
        case PictureOf::FightFirst:
            return FightPicture(pictures_, false, code);
        case PictureOf::FightSecond:
            return FightPicture(pictures_, true, code);
        case PictureOf::Minefield:
            return pictures_.FirstSet.Find(UnitKind::Minefield);
        case PictureOf::EnemyFlag:
            return &pictures_.EnemyFlag;
        case PictureOf::HammerBox:
            return nullptr;
    }
    return nullptr;
}

bool ShowPlayer::Play(const std::vector<ShowStep>& steps, EndOfGame* endOfGame) {
    for (const ShowStep& step : steps)
        if (!PlayStep(step, endOfGame)) return false;
    return true;
}

bool ShowPlayer::PlayStep(const ShowStep& s, EndOfGame* endOfGame) {
    Platform& platform = context_.platform;
    switch (s.kind) {
        case ShowStep::Wait:
            return paint_.Delay(s.a);
        case ShowStep::Sound:
            if (s.b)
                paint_.PlayAlways(s.text, s.a);
            else
                paint_.Play(s.text, s.a);
            break;
        case ShowStep::Report:
            paint_.Report(s.text, s.a, s.b, s.c);
            break;
        case ShowStep::ReportBox:
            paint_.ReportBox(s.a, s.b);
            break;
        case ShowStep::Write:
            paint_.Write(s.a, s.b, s.c ? s.text + paint_.Now() : s.text);
            break;
        case ShowStep::RestoreCell:
            paint_.RestoreCell(s.cell.x(), s.cell.y());
            break;
        case ShowStep::Picture:
            paint_.DrawInCell(PictureFor(PictureOf(s.a), s.b), s.cell.x(), s.cell.y());
            break;
        case ShowStep::TargetFrame:
            paint_.DrawTargetFrame(s.cell.x(), s.cell.y());
            break;
        case ShowStep::Band:
            paint_.DrawBand(BandOf(s.a) == BandOf::Dark ? board_.DarkImage : board_.MenuImage);
            break;
        case ShowStep::TakeSnapshot:
            paint_.TakeSnapshot();
            break;
        case ShowStep::RedrawBoard:
            paint_.RedrawBoard();
            break;
        case ShowStep::Compose: {
            UnitTable table;
            table.SetLines(s.lines);
            board_.ComposeView(table, TurnView(s.a), s.b, s.c, s.d);
            break;
        }
        case ShowStep::Paint:
            board_.PaintView(TurnView(s.a), s.b);
            break;
        case ShowStep::Cursor:
            platform.cursor->Set(&board_, CursorShape(s.a));
            break;
        case ShowStep::HideBoard:
            board_.hide();
            break;
        case ShowStep::AircraftShot:
            return JstarsFlacker(paint_, s.cell, s.a);
        case ShowStep::RepairHammers:
            return AuxFlacker(paint_, *platform.resources, s.cell, s.cell2);
        case ShowStep::CarrierTakesFlag:
            CarrierTakesTheFlag(pictures_, *platform.resources, context_.settings.HomeNavy, s.a,
                                s.b);
            break;
        case ShowStep::Battle:
            board_.ShowBattle(s.battle);
            break;
        case ShowStep::EndOfGame:
            if (endOfGame) endOfGame->ShowEndOfGame();
            break;
    }
    return true;
}

}  // namespace kvd
