#include <gtest/gtest.h>

#include "campaign/campaign_rules.h"
#include "core/game.h"
#include "play/campaign_tally.h"

// The tally over the three stages, and where each stage leads.
TEST(CampaignRules, TheTallyAndTheStagesOfACampaign) {
    kvd::Game game;
    game.scratchpad.SetLines(
        {"header",
         QStringLiteral("E 5 0    3 5  0  0 Unit              0 Kind      0000 0000          11")});
    game.FirstSideShips = 3;  // two lost
    game.SecondSideShips = 0;
    const struct {
        int mode, stage;
        bool joining;
        int firstWins, secondWins, lossesFirst;
        bool goesOn;
    } games[] = {
        {1, 8, false, 1, 0, 2, true},
        {2, 9, false, 1, 1, 4, true},
        {3, 8, false, 2, 1, 6, false},
        {0, 9, true, 2, 1, 8, false},  // a joining program keeps no tally
    };
    for (const auto& g : games) {
        SCOPED_TRACE(g.mode);
        game.GameMode = g.mode;
        game.Gamestage = g.stage;
        game.NetRole = g.joining ? 2 : 0;
        game.GameActive = true;
        game.GameOver = false;
        kvd::TallyTheGame(game);
        EXPECT_EQ(game.FirstSideWins, g.firstWins);
        EXPECT_EQ(game.SecondSideWins, g.secondWins);
        EXPECT_EQ(game.CampaignLossesFirst, g.lossesFirst)
            << "the first stage starts afresh, then they add up";
        EXPECT_EQ(game.GameOver, !g.goesOn) << "a stage with one to follow is not over for good";
        const int mode = game.GameMode;
        EXPECT_EQ(kvd::GoOnToNextStage(game), g.goesOn);
        EXPECT_EQ(game.GameMode, g.goesOn ? mode + 1 : 0);
    }
}
