#pragma once
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMouseEvent>
#include <memory>

#include "app/program.h"
#include "board/main_form.h"
#include "frontend/intro_form.h"
#include "net/mp_form.h"
#include "tests/support/loopback.h"
#include "tests/support/test_platform.h"

namespace kvd::test {

// A whole program over a program folder with the shipped data, started again as often as a test
// likes, and its board clicked as the mouse clicks it.
struct ProgramFixture : ::testing::Test {
    explicit ProgramFixture(int width = 1024, int height = 768) : t(width, height) {
        t.UseBuiltInAssets();
        t.CopyData("config");
        t.CopyData("maps");
        t.CopyData("help");
    }
    Program& Start() {
        program = std::make_unique<Program>(t.Services());
        program->MultiPlayer().Lan() = LoopbackLan();
        program->Intro().FormActivate();
        return *program;
    }
    void Click(int column, int row) {
        TMainForm& board = program->Board();
        const QPoint at = board.Geometry().Cell(column, row).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, board.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&board, &press);
    }
    TestPlatform t;
    std::unique_ptr<Program> program;
};

}  // namespace kvd::test
