#include "board/game_pictures.h"
#include "tests/app/network_players.h"

// The joining program plays the second side: on its board its own units are the player's
// ships, and the host's identified units are the enemy's, turned and flying the host's flag.

using kvd::test::NetworkGameTest;

namespace {

// How many pixels of the board differ from the clean map with one picture drawn into a cell.
int DifferingFromDrawn(const kvd::GamePictures& pictures, const kvd::Picture& sprite,
                       const QRect& cell) {
    QImage expected = pictures.CleanMap.Image();
    sprite.StretchDraw(expected, cell);
    const QImage& board = pictures.Snapshot.Image();
    int n = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            n += board.pixel(x, y) != expected.pixel(x, y);
    return n;
}

}  // namespace

TEST_F(NetworkGameTest, TheJoiningBoardDrawsTheHostsShipsAsEnemies) {
    Connect();
    Start();
    EXPECT_EQ(joining.program->State().settings.HomeNavy, QLatin1Char('D'))
        << "the joining player sails the other navy";
    kvd::GamePictures& pictures = joining.program->Pictures();
    kvd::Picture ensign, ownDestroyer;
    ASSERT_TRUE(kvd::LoadSpriteFromRes(*joining.t.Services().resources, "EFLAG", ensign));
    ASSERT_TRUE(kvd::LoadSpriteFromRes(*joining.t.Services().resources, "DESTROYER", ownDestroyer));
    ownDestroyer.SetTransparent(true);
    kvd::Picture turned = ownDestroyer;
    turned.Mirror();
    turned.Tint(kvd::kEnemyTone, kvd::kEnemyTint);
    turned.CopyRect(kvd::kFlagCorner, ensign, kvd::kFlagCorner);

    // The host's destroyer, identified, beside the joining player's destroyer; the rest far off.
    kvd::UnitTable table = joining.game().scratchpad;
    const int host = table.FindSide(11, kvd::kFirstSide),
              own = table.FindSide(35, kvd::kSecondSide);
    ASSERT_GE(host, 0);
    ASSERT_GE(own, 0);
    for (int i = 1; i < table.Count(); ++i) table.SetPos(i, 9, 9);
    table.SetPos(host, 4, 4);
    table.SetRevealed(host, '1');
    table.SetPos(own, 5, 4);
    joining.board().GetPositions(table, false);
    const auto& geometry = joining.board().Geometry();
    EXPECT_EQ(DifferingFromDrawn(pictures, turned, geometry.Cell(4, 4)), 0);
    EXPECT_EQ(DifferingFromDrawn(pictures, ownDestroyer, geometry.Cell(5, 4)), 0);
    EXPECT_GT(DifferingFromDrawn(pictures, ownDestroyer, geometry.Cell(4, 4)), 500);
}
