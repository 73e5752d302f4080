// A map made in the editor by clicks, found in the options window and played as a single game.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>

#include "app/program.h"
#include "board/game_pictures.h"
#include "board/main_form.h"
#include "core/game.h"
#include "frontend/options_form.h"
#include "mapeditor/map_form.h"
#include "play/radar.h"
#include "tests/support/test_platform.h"

namespace kvd {
namespace {

TEST(MapRoundTrip, AStoredMapIsListedAndPlaysWithItsLandAndShips) {
    test::TestPlatform t;
    t.UseBuiltInAssets();
    t.CopyData("config");
    t.CopyData("maps");
    t.CopyData("help");
    // A plain sea of the player's own, with no grid of its own.
    QImage sea(1024, 768, QImage::Format_RGB32);
    sea.fill(QColor(20, 40, 90));
    QDir().mkpath(t.Path("pictures"));
    ASSERT_TRUE(sea.save(t.Path("pictures/sea.jpg"), "JPG"));
    Program program(t.Services());
    TMapForm& editor = program.MapEditor();
    program.ShowMapMaker();

    auto press = [&](int column, int row) {
        const QPoint at(TMapForm::kLeft + TMapForm::kCellWidth * column + 30,
                        TMapForm::kTop + TMapForm::kCellHeight * row + 20);
        QMouseEvent event(QEvent::MouseButtonPress, at, editor.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&editor, &event);
    };
    ASSERT_TRUE(editor.LoadPicture(t.Path("pictures/sea.jpg")));
    editor.HomeButton->click();
    editor.HomeMenu->actions()[0]->trigger();  // LEFT
    editor.HomeConfirm->click();
    editor.AddLand->click();
    press(5, 5);
    press(6, 4);
    editor.LandConfirm->click();
    editor.EnableShips->click();
    std::vector<std::pair<int, QPoint>> placed;  // code, cell
    int n = 0;
    for (size_t k = 0; k < kEditorShipKinds.size(); ++k) {
        editor.ListBox1->setCurrentRow(int(k));
        for (int i = 0; i < kEditorShipKinds[k].count; ++i, ++n) {
            const int column = n % 4, row = n / 4;
            press(column, row);
            placed.push_back({kEditorShipKinds[k].codes[size_t(3 - kEditorShipKinds[k].count + i)],
                              QPoint(column, row)});
        }
    }
    ASSERT_TRUE(editor.ShipsConfirm->isEnabled());
    editor.ShipsConfirm->click();
    editor.Edit1->setText(QStringLiteral("GOZO"));
    editor.StoreButton->click();
    editor.CloseButton->click();

    // The options window lists the map at once and takes it.
    TOptions& options = program.Options();
    program.ShowOptions();
    const int index = options.MapList->findText(QStringLiteral("GOZO"));
    ASSERT_GE(index, 0);
    options.MapList->setCurrentIndex(index);
    options.MapListChange();
    options.Label8Click();
    EXPECT_EQ(program.State().settings.MapName, "GOZO");

    program.StartGame();
    Game& game = program.TheGame();
    ASSERT_TRUE(game.GameActive) << t.Boxes().Boxes().size();
    const UnitTable& table = game.scratchpad;
    for (const auto& [code, cell] : placed) {
        const int line = table.FindSide(code, kvd::kFirstSide);
        if (line < 0) continue;  // the single game leaves out the sixth submarine
        EXPECT_EQ(QPoint(table.PosX(line), table.PosY(line)), cell) << "code " << code;
    }
    EXPECT_EQ(Radar(game, 5, 4)[6], 'X') << "the land cell south of (5, 4)";
    EXPECT_EQ(Radar(game, 5, 4)[4], 'X') << "and the one east";
    // The board draws the faint grid over every chart, the user's too, one screen pixel wide on
    // the cells' edges: lighter than the sea on both sides, which look alike.
    const QImage board = program.Pictures().CleanMap.Image();
    for (const int k : {1, 5, 9}) {
        const int x = k * (board.width() / 10);
        SCOPED_TRACE(x);
        const QColor line = board.pixelColor(x, 30), left = board.pixelColor(x - 1, 30),
                     right = board.pixelColor(x + 1, 30);
        EXPECT_GT(line.lightness(), left.lightness() + 10);
        EXPECT_NEAR(left.lightness(), right.lightness(), 4);
    }
}

}  // namespace
}  // namespace kvd
