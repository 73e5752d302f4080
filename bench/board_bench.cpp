// Composing the board at the largest logical screen, next to a plain copy of a frame of the
// same size, so one run shows the ratio.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "board/board_display.h"
#include "board/game_pictures.h"
#include "board/main_form.h"
#include "board/player_turn.h"
#include "core/context.h"
#include "core/game.h"
#include "core/game_setup.h"
#include "platform/platform.h"

namespace {

// Set-up reports here when the game cannot start; the benchmark then measures nothing real.
struct NoMenu : kvd::ProgramFlow {
    void BackToMenu() override { qFatal("the benchmark game could not start"); }
    void EndProgram() override { qFatal("the benchmark game could not start"); }
    void HideMenu() override {}
};

// A board with a real game set up on it, in a temporary program folder.
struct BenchBoard {
    QTemporaryDir dir;
    kvd::Platform platform;
    NoMenu flow;
    std::unique_ptr<kvd::Context> context;
    std::unique_ptr<kvd::Game> game;
    kvd::GamePictures pictures;
    std::unique_ptr<kvd::PlayerTurn> rules;
    std::unique_ptr<kvd::TMainForm> board;
    std::unique_ptr<kvd::BoardDisplay> display;

    BenchBoard() {
        platform.screen = std::make_unique<kvd::FixedScreen>(1280, 1024);
        platform.pacing = std::make_unique<kvd::VirtualPacing>();
        platform.random = std::make_unique<kvd::ScriptedRandom>();
        platform.boxes = std::make_unique<kvd::ScriptedMessageBoxes>();
        platform.files = std::make_unique<kvd::Files>(dir.path());
        platform.resources = std::make_unique<kvd::Resources>();
        platform.sound =
            std::make_unique<kvd::RecordingSound>(*platform.resources, *platform.pacing);
        platform.shell = std::make_unique<kvd::RecordingShell>();
        platform.cursor = std::make_unique<kvd::RecordingCursor>();
        platform.fonts = std::make_unique<kvd::Fonts>();
        QDir().mkpath(dir.path() + "/config");
        QDir().mkpath(dir.path() + "/maps");
        QFile::copy(QStringLiteral(KORVALD_SOURCE_DIR "/data/config/Eships.cfg"),
                    dir.path() + "/config/Eships.cfg");
        QFile::copy(QStringLiteral(KORVALD_SOURCE_DIR "/data/maps/$ICELAND.map"),
                    dir.path() + "/maps/$ICELAND.map");
        context = std::make_unique<kvd::Context>(platform);
        context->settings.MapName = "$ICELAND";
        context->settings.ReconPlanes = '2';
        game = std::make_unique<kvd::Game>();
        board = std::make_unique<kvd::TMainForm>(*context, *game, pictures);
        display = std::make_unique<kvd::BoardDisplay>(*board, *game, pictures, *context);
        rules = std::make_unique<kvd::PlayerTurn>(*game, *context, pictures, *board, *display);
        board->rules.Wire(*rules);
        board->flow.Wire(flow);
        kvd::GameSetup setup(*game, *context, *display);
        setup.flow.Wire(flow);
        setup.GameInit();
        // Half the opposing fleet identified, as in the middle of a game.
        kvd::UnitTable& table = game->scratchpad;
        for (int i = 1; i < table.Count(); i += 2)
            if (table.Side(i) == kvd::kSecondSide) table.SetRevealed(i, '1');
    }
};

// Made on first use and gone before the application is: a board window must not outlive it.
std::unique_ptr<BenchBoard> theBoard;
BenchBoard& Board() {
    if (!theBoard) theBoard = std::make_unique<BenchBoard>();
    return *theBoard;
}

void BM_ComposeBoard(benchmark::State& state) {
    kvd::TMainForm& board = *Board().board;
    for (auto _ : state) {
        board.GetPositions(Board().game->scratchpad, true);
        benchmark::DoNotOptimize(Board().pictures.Snapshot.Image().constBits());
    }
}
BENCHMARK(BM_ComposeBoard)->Unit(benchmark::kMicrosecond);

// Compose and put on the window, as every turn does.
void BM_PreDrawAndPaint(benchmark::State& state) {
    kvd::TMainForm& board = *Board().board;
    for (auto _ : state) {
        board.PreDraw();
        board.FormPaint();
        benchmark::DoNotOptimize(board.Canvas().constBits());
    }
}
BENCHMARK(BM_PreDrawAndPaint)->Unit(benchmark::kMicrosecond);

// A step and its picture: one unit moves to the next cell and back, and the board is composed
// and put on the window, as every step of a game does.
void BM_StepAndPaint(benchmark::State& state) {
    kvd::TMainForm& board = *Board().board;
    kvd::UnitTable& table = Board().game->scratchpad;
    const int unit = table.Find(11);
    const int column = table.PosX(unit), row = table.PosY(unit);
    int steps = 0;
    for (auto _ : state) {
        table.SetPos(unit, column + (++steps % 2 == 0 ? 0 : (column < 9 ? 1 : -1)), row);
        board.PreDraw();
        board.FormPaint();
        benchmark::DoNotOptimize(board.Canvas().constBits());
    }
    table.SetPos(unit, column, row);
}
BENCHMARK(BM_StepAndPaint)->Unit(benchmark::kMicrosecond);

// The yardstick: one plain copy of a frame of the board's size.
void BM_PlainFrameCopy(benchmark::State& state) {
    const QImage& clean = Board().pictures.CleanMap.Image();
    QImage target(clean.size(), clean.format());
    for (auto _ : state) {
        memcpy(target.bits(), clean.constBits(), size_t(clean.sizeInBytes()));
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PlainFrameCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theBoard.reset();
    return 0;
}
