#include <gtest/gtest.h>

#include "core/context.h"
#include "core/game.h"
#include "play/player_turn.h"
#include "tests/support/test_platform.h"

// On a 1024 x 768 screen a cell is 102 by 61 pixels. A click exactly on a grid line, or past
// the last cell, leaves the column or row as it was.
TEST(PlayerTurn, ClicksOnGridLinesKeepTheLastCell) {
    kvd::test::TestPlatform t(1024, 768);
    kvd::Context context(t.Services());
    kvd::Game game(*t.Services().pacing);
    kvd::PlayerTurn turn(game, context);
    const struct {
        int at, column;  // a coordinate and the cell it gives; -1 keeps the previous one
    } xs[] = {{0, 0}, {101, 0}, {102, -1}, {103, 1}, {509, 4}, {510, -1}, {918, -1}, {919, 9}, {1019, 9}, {1020, -1}, {1023, -1}},
      ys[] = {{0, 0}, {60, 0}, {61, -1}, {62, 1}, {609, 9}, {610, -1}, {700, -1}};
    for (const auto& x : xs) {
        game.ClickColumn = 7;
        turn.FormMouseDown(Qt::LeftButton, QPoint(x.at, 30));
        EXPECT_EQ(game.ClickColumn, x.column < 0 ? 7 : x.column) << "x " << x.at;
    }
    for (const auto& y : ys) {
        game.ClickRow = 7;
        turn.FormMouseDown(Qt::LeftButton, QPoint(30, y.at));
        EXPECT_EQ(game.ClickRow, y.column < 0 ? 7 : y.column) << "y " << y.at;
    }
    game.ClickColumn = game.ClickRow = 7;
    turn.FormMouseDown(Qt::RightButton, QPoint(30, 30));
    EXPECT_EQ(game.ClickColumn, 7) << "only the left button selects and moves";
}
