#pragma once
#include <gtest/gtest.h>
#include <QFile>

#include "board/board_display.h"
#include "board/game_pictures.h"
#include "board/main_form.h"
#include "core/context.h"
#include "core/fleet_file.h"
#include "core/game.h"
#include "core/game_setup.h"
#include "tests/support/test_platform.h"

namespace kvd::test {

// Counts what the board and set-up ask of the program.
struct CountingFlow : ProgramFlow {
    int backToMenu = 0, ends = 0;
    void BackToMenu() override { ++backToMenu; }
    void EndProgram() override { ++ends; }
    void HideMenu() override {}
};

// Turn rules that count what the board passes on.
struct CountingRules : BoardRules {
    int sweeps = 0, clicks = 0, keys = 0;
    std::function<void()> onClick;
    void RadarFlacker() override { ++sweeps; }
    void FormMouseDown(Qt::MouseButton, QPoint) override {
        ++clicks;
        if (onClick) onClick();
    }
    void FormKeyDown(int) override { ++keys; }
};

// A game with its board window over a program folder holding the shipped fleet files and one
// map written by the test, with the program's own sprites.
struct BoardFixture : ::testing::Test {
    explicit BoardFixture(int width = 1024, int height = 768) : t(width, height) {
        t.UseBuiltInAssets();
        t.CopyData("config");
    }
    TestPlatform t;
    Context context{t.Services()};
    Game game;
    GamePictures pictures;
    CountingFlow flow;
    CountingRules rules;
    std::unique_ptr<TMainForm> board;
    std::unique_ptr<BoardDisplay> display;
    std::unique_ptr<GameSetup> setup;

    // A map file "maps\NAME.map" with a home letter, a region and entries.
    // A user map (no "$") gets a real picture file unless the test names another one.
    void WriteMap(const QString& name, QChar home, const QStringList& entries = {},
                  QString picture = QString()) {
        if (picture.isEmpty()) {
            WritePicture("pictures/sea.jpg");
            picture = t.Path("pictures/sea.jpg");
        }
        QStringList lines{"[ProjName] =" + name, "[Map]      =" + picture,
                          QStringLiteral("[Position] =") + home, "[Location] =E"};
        t.WriteLines("maps/" + name + ".map", lines + entries);
    }
    // A user map's picture: a real JPEG file in the program folder.
    void WritePicture(const QString& relative) {
        QFile jpeg(":/testassets/pictures/TESTMAP.jpg");
        jpeg.open(QIODevice::ReadOnly);
        t.WriteFile(relative, jpeg.readAll());
    }
    void MakeBoard() {
        board = std::make_unique<TMainForm>(context, game, pictures);
        board->flow.Wire(flow);
        board->rules.Wire(rules);
        display = std::make_unique<BoardDisplay>(*board, game, pictures, context);
        setup = std::make_unique<GameSetup>(game, context, *display);
        setup->flow.Wire(flow);
    }
    bool Start(const QString& map, int mode = 0) {
        context.settings.MapName = map;
        game.GameMode = mode;
        if (!board) MakeBoard();
        return setup->GameInit();
    }
    UnitTable& Table() { return game.scratchpad; }
};

}  // namespace kvd::test
