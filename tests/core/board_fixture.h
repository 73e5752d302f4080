#pragma once
#include <QFile>
#include <gtest/gtest.h>

#include "core/context.h"
#include "core/fleet_file.h"
#include "core/main_form.h"
#include "tests/support/test_platform.h"

namespace kvd::test {

// A board window over a program folder holding the shipped fleet files and one map written by
// the test, with the program's own sprites.
struct BoardFixture : ::testing::Test {
    explicit BoardFixture(int width = 1024, int height = 768) : t(width, height) {
        t.UseBuiltInAssets();
        t.CopyData("config");
    }
    TestPlatform t;
    Context context{t.Services()};
    std::unique_ptr<TMainForm> board;
    int failed = 0, fatal = 0;

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
        board = std::make_unique<TMainForm>(context);
        board->OnSetupFailed = [this] { ++failed; };
        board->OnFatalFailure = [this] { ++fatal; };
    }
    bool Start(const QString& map, int mode = 0) {
        context.settings.MapName = map;
        context.game.GameMode = mode;
        if (!board) MakeBoard();
        return board->GameInit();
    }
    UnitTable& Table() { return board->scratchpad; }
};

}  // namespace kvd::test
