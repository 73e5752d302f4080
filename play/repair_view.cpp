#include "play/repair_view.h"

#include "core/context.h"
#include "core/game.h"
#include "core/game_pictures.h"
#include "platform/platform.h"
#include "play/board_painter.h"
#include "play/combat.h"
#include "play/repair.h"
#include "play/scene.h"

namespace kvd {

bool Repair(Scene& s, int repairerCode, int targetCode) {
    const RepairDone done = RepairUnit(s.game, repairerCode, targetCode);
    if (!done.repaired) return true;
    s.paint.Report(s.context.texts.Text(34), 15, 12, 95);
    s.paint.Play(QStringLiteral("hammer"), false);
    if (!AuxFlacker(s, done.repairer, done.target)) return false;
    return s.paint.Delay(500);
}

bool AuxFlacker(Scene& s, QPoint repairer, QPoint target) {
    s.paint.TakeSnapshot();
    Picture hammer;
    LoadSpriteFromRes(*s.context.platform.resources, QStringLiteral("HAMMER"), hammer);
    hammer.SetTransparent(true);
    for (int k = 0; k < 5; ++k) {
        for (QPoint cell : {repairer, target})
            s.paint.DrawInRect(&hammer, QRect(s.paint.Cell(cell.x(), cell.y()).topLeft(), hammer.Image().size()));
        if (!s.paint.Delay(300)) return false;
        s.paint.RedrawBoard();
        if (!s.paint.Delay(300)) return false;
    }
    return true;
}

namespace {
// The flagship picture of a side becomes its carrier's.
void CarrierTakesTheFlag(Scene& s, bool firstSide, bool withFlag) {
    const Resources& resources = *s.context.platform.resources;
    const QChar navy = s.context.settings.HomeNavy;
    if (firstSide) {
        s.pictures.FirstSet.Load(resources, UnitKind::Battleship, QStringLiteral("CARRIER"));
        return;
    }
    const bool own = navy == QLatin1Char('E');
    s.pictures.SecondSet.Load(resources, UnitKind::Battleship, own ? QStringLiteral("DCARRIER") : QStringLiteral("CARRIER"));
    Picture* flagship = s.pictures.SecondSet.Find(UnitKind::Battleship);
    if (withFlag && !own && flagship && !s.pictures.NavyFlag.IsNull())
        flagship->CopyRect(QRect(0, 0, 70, 40), s.pictures.NavyFlag, QRect(0, 0, 70, 40));
}
}  // namespace

bool DoTransfer(Scene& s) {
    Game& g = s.game;
    const LanguageTexts& texts = s.context.texts;
    if (!s.paint.Delay(1000)) return false;
    s.paint.ReportBox();
    QString message;
    if (g.Winner == outcome::kBothLost) {
        // Both units of the fight sank: each side whose flagship went down and may transfer.
        if ((g.Gamestage == 8 || g.Gamestage == 10) && g.FlagTransferSecond == QLatin1Char('Y') && TransferFlag(g, false)) {
            CarrierTakesTheFlag(s, false, false);
            message = texts.Text(g.Gamestage == 10 ? 147 : 66);
        }
        if ((g.Gamestage == 9 || g.Gamestage == 10) && g.FlagTransfer == QLatin1Char('Y') && TransferFlag(g, true)) {
            CarrierTakesTheFlag(s, true, false);
            message = texts.Text(g.Gamestage == 10 ? 147 : 65);
        }
    } else if (g.Looser == 45 || g.Looser == 46) {
        TransferFlag(g, false);
        CarrierTakesTheFlag(s, false, true);
        message = texts.Text(66);
        g.FlagTransferSecond = QLatin1Char('N');
        g.DTransfered = 1;
    } else if (g.Looser == 21 || g.Looser == 22) {
        TransferFlag(g, true);
        CarrierTakesTheFlag(s, true, true);
        message = texts.Text(65);
        g.FlagTransfer = QLatin1Char('N');
        g.ETransfered = 1;
    }
    s.paint.Write(12, 82, message + s.paint.Now());
    g.GameOver = 0;
    s.paint.Play(QStringLiteral("shipshorn"), true);
    return s.paint.Delay(1000);
}

}  // namespace kvd
