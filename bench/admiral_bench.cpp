// The Admiral's time to choose a move, at a fixed count of worlds.
#include <benchmark/benchmark.h>

#include "core/settings.h"
#include "opponent/admiral.h"
#include "opponent/side_view.h"
#include "tools/selfplay/self_play.h"

namespace {

// The first side's move on positions of real games: each game's opening (the widest choice
// of moves), then the positions after some of the computer's turns. The position changes
// between iterations outside the timing.
void BM_AdmiralMove(benchmark::State& state) {
    kvd::SelfPlayOptions options;
    options.worlds = int(state.range(0));
    kvd::SelfPlay play(QStringLiteral(KORVALD_PROGRAM_DIR), options);
    const kvd::ThinkBudget budget = kvd::AdmiralBudget(options);
    const kvd::Settings settings;
    int game = 0, turns = 0;
    if (!play.StartGame(game)) {
        state.SkipWithError("the game could not be set up");
        return;
    }
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const kvd::Thought thought = kvd::Admiral().Choose(
            kvd::ViewOf(play.TheGame(), settings, kvd::kFirstSide), ++seed, budget);
        benchmark::DoNotOptimize(thought.move.code);
        state.PauseTiming();
        play.ComputerTurn();
        if (++turns == 15 || !play.TheGame().GameActive) {
            play.StartGame(++game);
            turns = 0;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AdmiralMove)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(60);

}  // namespace
