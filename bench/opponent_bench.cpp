// The computer opponent's turn on a full table, and the self-play simulator's pace.
#include <benchmark/benchmark.h>
#include <QCoreApplication>

#include "tools/selfplay/self_play.h"

namespace {

const QString kProgramFolder = QStringLiteral(KORVALD_PROGRAM_DIR);

// One computer turn at a time on a game just set up; the table is set up again every few
// turns so the fleets stay whole.
void BM_ComputerTurn(benchmark::State& state) {
    kvd::SelfPlayOptions options;
    kvd::SelfPlay play(kProgramFolder, options);
    int game = 0, turns = 0;
    if (!play.StartGame(game)) {
        state.SkipWithError("the game could not be set up");
        return;
    }
    for (auto _ : state) {
        play.ComputerTurn();
        if (++turns == 20 || !play.TheGame().GameActive) {
            state.PauseTiming();
            play.StartGame(++game);
            turns = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_ComputerTurn)->Unit(benchmark::kMicrosecond);

// Whole games of the simulator; the counter is games per second.
void BM_SelfPlayGames(benchmark::State& state) {
    kvd::SelfPlayOptions options;
    options.games =
        200;  // enough that the simulator's own start (a copy of the data) hardly counts
    for (auto _ : state) {
        kvd::SelfPlay play(kProgramFolder, options);
        kvd::SelfPlayTally tally;
        play.Run(tally);
        benchmark::DoNotOptimize(tally.games);
    }
    state.counters["games/s"] =
        benchmark::Counter(double(state.iterations()) * options.games, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SelfPlayGames)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
