#include <gtest/gtest.h>

#include "core/game.h"
#include "core/language_texts.h"
#include "core/settings.h"
#include "play/apply_move.h"
#include "play/game_end.h"
#include "play/move.h"
#include "play/rules.h"
#include "play/showing.h"
#include "tests/support/unit_line.h"

namespace {

// The first side's battleship (strength 9) beside the second side's (strength `flagship`), a
// carrier of each side far away, and whatever the case adds.
struct Ending : ::testing::Test {
    kvd::Game game;
    kvd::Settings settings;
    kvd::LanguageTexts texts;

    void Start(int mode, int flagship = 4) {
        game = kvd::Game();
        game.GameMode = mode;
        game.FirstSideShips = 3, game.SecondSideShips = 2;
        game.FirstSideWins = 1, game.SecondSideWins = 2;
        game.CampaignLossesFirst = game.CampaignLossesSecond = 5;
        game.scratchpad.SetLines(
            {"header", kvd::test::UnitLine('E', 21, 9, 3, 3),
             kvd::test::UnitLine('D', 45, flagship, 4, 3), kvd::test::UnitLine('E', 22, 7, 0, 0),
             kvd::test::UnitLine('D', 46, 7, 9, 9), kvd::test::UnitLine('E', 11, 5, 0, 9)});
        game.GameActive = true;
        game.PlayerTurn = true;
    }
    // The battleship steps onto the opposing one: a fight that decides the game.
    void Sink(kvd::Showing& show) {
        kvd::Rules rules{game, settings, texts, show};
        game.Player.Code = 21, game.Player.Strength = 9;
        game.Enemy.Code = 45, game.Enemy.Strength = 4;
        kvd::ApplyMove(rules, kvd::Move{kvd::kFirstSide, 21, 3, 3, 4, 3, kvd::MoveKind::Step});
    }
};

}  // namespace

// However a game ends, the rules decide it on the spot, flags, stage and tally together, whether
// or not anybody watches; the showing only takes the board away and opens the end window.
TEST_F(Ending, EveryEndIsDecidedAndTalliedByTheRulesAlone) {
    using Way = void (*)(Ending&, kvd::Showing&);
    struct Case {
        const char* name;
        int mode;
        Way way;
        int stage, firstWins, secondWins, secondLost;
    } cases[] = {
        {"the flagship sunk", 0, [](Ending& e, kvd::Showing& s) { e.Sink(s); }, 8, 2, 2, 1},
        {"the flagship sunk in a campaign's first stage", 1,
         [](Ending& e, kvd::Showing& s) { e.Sink(s); }, 8, 2, 2, 1},
        {"the computer gives up", 0,
         [](Ending& e, kvd::Showing& s) {
             kvd::Rules rules{e.game, e.settings, e.texts, s};
             kvd::OpponentGivesUp(rules);
         },
         8, 2, 2, 0},
        {"the convoy boxed in", 2,
         [](Ending& e, kvd::Showing& s) {
             kvd::Rules rules{e.game, e.settings, e.texts, s};
             kvd::ConvoyBoxedIn(rules);
         },
         9, 1, 3, 0},
    };
    for (const Case& c : cases) {
        for (const bool watched : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (watched ? ", watched" : ", unseen"));
            Start(c.mode);
            kvd::Showing show(watched);
            c.way(*this, show);
            EXPECT_EQ(game.Gamestage, c.stage);
            EXPECT_TRUE(game.GameOver);
            EXPECT_FALSE(game.GameActive);
            EXPECT_EQ(game.FirstSideWins, c.firstWins);
            EXPECT_EQ(game.SecondSideWins, c.secondWins);
            // The losses start afresh with a campaign's first stage, else they add up.
            const int lostBefore = c.mode == 1 ? 0 : 5;
            EXPECT_EQ(game.CampaignLossesSecond, lostBefore + c.secondLost);
            EXPECT_EQ(game.CampaignLossesFirst, lostBefore);
            if (!watched) {
                EXPECT_TRUE(show.Steps().empty());
                continue;
            }
            ASSERT_GE(show.Steps().size(), 2u);
            EXPECT_EQ(show.Steps().back().kind, kvd::ShowStep::EndOfGame);
            EXPECT_EQ(show.Steps()[show.Steps().size() - 2].kind, kvd::ShowStep::HideBoard);
        }
    }
}

// The carrier taking the flag decides nothing: no tally, no end window, the game goes on.
TEST_F(Ending, AFlagPassedIsNoEnd) {
    Start(0);
    game.FlagTransferSecond = QLatin1Char('Y');
    kvd::Showing show(true);
    Sink(show);
    EXPECT_TRUE(game.GameActive);
    EXPECT_FALSE(game.GameOver);
    EXPECT_EQ(game.FirstSideWins, 1);
    for (const kvd::ShowStep& step : show.Steps()) EXPECT_NE(step.kind, kvd::ShowStep::EndOfGame);
}
