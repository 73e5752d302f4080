#include "play/game_end.h"

#include "core/game.h"
#include "core/language_texts.h"
#include "core/text_ids.h"
#include "play/campaign_tally.h"
#include "play/combat.h"
#include "play/rules.h"
#include "play/showing.h"
#include "play/turn.h"

namespace kvd {

namespace {

using namespace outcome;

// The one place a game is decided: its result, the flags every door checks, the campaign's
// tally, all in the rules' order; the board is then taken away and the end-of-game window shows
// what was decided, whether or not the showing runs to its end.
void GameEnds(Rules& r, int gamestage) {
    Game& g = r.game;
    g.Gamestage = gamestage;
    g.GameOver = true;
    g.GameActive = false;
    TallyTheGame(g);
    r.show.HideBoard();
    r.show.EndOfGame();
}

// The carrier takes over the flag after the fight that sank the flagship: its code, its
// picture and the report; the game goes on (GameOver back to 0).
void DoTransfer(Rules& r) {
    Game& g = r.game;
    Showing& s = r.show;
    s.Wait(1000);
    s.ReportBox();
    QString message;
    if (g.Winner == kBothLost) {
        // Both units of the fight sank: each side whose flagship went down and may transfer.
        if ((g.Gamestage == stage::kFirstSideWon || g.Gamestage == stage::kBothFlagshipsLost) &&
            g.FlagTransferSecond == QLatin1Char('Y') && TransferFlag(g, false)) {
            s.CarrierTakesFlag(g, false);
            message = r.texts.Text(g.Gamestage == stage::kBothFlagshipsLost ? 147 : 66);
        }
        if ((g.Gamestage == stage::kSecondSideWon || g.Gamestage == stage::kBothFlagshipsLost) &&
            g.FlagTransfer == QLatin1Char('Y') && TransferFlag(g, true)) {
            s.CarrierTakesFlag(g, true);
            message = r.texts.Text(g.Gamestage == stage::kBothFlagshipsLost ? 147 : 65);
        }
    } else if (g.Loser == 45 || g.Loser == 46) {
        TransferFlag(g, false);
        s.CarrierTakesFlag(g, false);
        message = r.texts.Text(text::kEnemyFlagPassed);
        g.FlagTransferSecond = QLatin1Char('N');
        g.DTransferred = true;
    } else if (g.Loser == 21 || g.Loser == 22) {
        TransferFlag(g, true);
        s.CarrierTakesFlag(g, true);
        message = r.texts.Text(text::kOurFlagPassed);
        g.FlagTransfer = QLatin1Char('N');
        g.ETransferred = true;
    }
    s.Write(12, 82, message, true);
    g.GameOver = false;
    s.Battle(g);
    s.Sound(QStringLiteral("shipshorn"), true);
    s.Wait(1000);
}

}  // namespace

void EndOfFight(Rules& r) {
    Game& g = r.game;
    g.GameOver = true;
    if (g.Winner == kBothLost && g.Gamestage == stage::kFirstSideWon && g.Enemy.Code == 45 &&
        g.FlagTransferSecond == QLatin1Char('Y')) {
        DoTransfer(r);
        g.FlagTransferSecond = QLatin1Char('N');
        g.DTransferred = true;
    }
    if (g.Winner == kBothLost && g.Gamestage == stage::kSecondSideWon && g.Player.Code == 21 &&
        g.FlagTransfer == QLatin1Char('Y')) {
        DoTransfer(r);
        g.FlagTransfer = QLatin1Char('N');
        g.ETransferred = true;
    }
    if (g.Winner == kBothLost && g.Gamestage == stage::kBothFlagshipsLost) {
        const bool first = g.FlagTransfer == QLatin1Char('Y'),
                   second = g.FlagTransferSecond == QLatin1Char('Y');
        if (first || second) DoTransfer(r);
        g.FlagTransfer = g.FlagTransferSecond = QLatin1Char('N');
        g.ETransferred = g.DTransferred = true;
        if (second && !first)
            g.Winner = kSecondWins, g.Gamestage = stage::kSecondSideWon, g.GameOver = true;
        if (first && !second)
            g.Winner = kFirstWins, g.Gamestage = stage::kFirstSideWon, g.GameOver = true;
        if (!first && !second)
            g.Winner = kBothLost, g.Gamestage = stage::kBothFlagshipsLost, g.GameOver = true;
    }
    if (g.Winner != kBothLost && g.Gamestage != stage::kBothFlagshipsLost && g.Loser == 21 &&
        g.FlagTransfer == QLatin1Char('Y'))
        DoTransfer(r);
    if (g.Loser == 45 && g.FlagTransferSecond == QLatin1Char('Y')) DoTransfer(r);
    // The peer fights the deciding fight itself: the player's turn sends it the step.
    if (g.NetGame && g.GameOver) ComposeBoard(r);
    r.show.Wait(1000);
    if (g.GameOver) {
        r.show.Cursor(CursorShape::Arrow);
        GameEnds(r, g.Gamestage);
    }
}

void ConvoySunk(Rules& r) {
    r.show.Report(r.texts.Text(text::kConvoySunk), 15);
    r.show.Sound(QStringLiteral("click"), true);
    r.show.Wait(1000);
    r.game.Gamestage = stage::kSecondSideWon;
    r.game.Winner = kSecondWins;
}

void ConvoyBoxedIn(Rules& r) {
    r.show.Report(r.texts.Text(text::kConvoyBoxedIn), 15, 12, 95);
    r.show.Sound(QStringLiteral("click"), true);
    r.show.Wait(2000);
    r.game.Winner = kSecondWins;
    GameEnds(r, stage::kSecondSideWon);
}

void OpponentGivesUp(Rules& r) {
    r.show.Report(r.texts.Text(text::kEnemyFleetBeaten));
    r.show.Sound(QStringLiteral("click"), true);
    r.show.Wait(4000);
    GameEnds(r, stage::kFirstSideWon);
}

}  // namespace kvd
