#include <gtest/gtest.h>

#include "opponent/opponent_choice.h"
#include "play/rules.h"
#include "play/showing.h"
#include "tests/board/play_fixture.h"

using kvd::test::PlayFixture;

namespace {

struct Choice : PlayFixture {
    kvd::OpponentChoice choice{7, kvd::ThinkBudget{2, 5000}};
    // The same small battle each time: a battleship against a battleship and a destroyer.
    void NewGame() {
        StartGame();
        turn->computer.Wire(choice);
        Only({{21, 0, 0}, {45, 9, 9}, {35, 9, 5}});
    }
    void ComputerTurn() {
        game.PlayerTurn = false;
        game.OpponentTurn = true;
        kvd::Showing show;
        kvd::Rules rules{game, context.settings, context.texts, show, &choice};
        choice.RunKI(rules);
    }
};

}  // namespace

TEST_F(Choice, TheGamesOpponentSettingDecidesWhoAnswersAndTheRecordKeepsTheAdmiralsMove) {
    NewGame();
    context.settings.Opponent = 'S';
    const QStringList before = Table().Lines();
    ComputerTurn();
    EXPECT_NE(Table().Lines(), before) << "the standard opponent moved";
    EXPECT_EQ(choice.Admiral().Moves(), 0);
    EXPECT_FALSE(choice.TakeAnswer()) << "its turns follow from the dice";

    NewGame();
    context.settings.Opponent = 'A';
    ComputerTurn();
    EXPECT_EQ(choice.Admiral().Moves(), 1);
    EXPECT_GT(choice.Admiral().LastThought().worlds, 0);
    const std::optional<kvd::Move> answer = choice.TakeAnswer();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->side, kvd::kSecondSide);
    EXPECT_EQ(Table().PosX(Line(answer->code)), answer->toColumn);
    EXPECT_FALSE(choice.TakeAnswer()) << "handed over once";
    const QStringList after = Table().Lines();

    // The same turn played again from a record: the kept move, without thinking.
    NewGame();
    choice.FollowAnswer(answer);
    ComputerTurn();
    EXPECT_EQ(choice.Admiral().LastThought().worlds, 0);
    EXPECT_EQ(Table().Lines(), after);
}
