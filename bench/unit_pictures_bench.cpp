// Loading a game's unit pictures, for each home navy: the borrowed opponents' pictures are
// turned and flagged at set-up, the Kriegsmarine's are flagged only.
#include <benchmark/benchmark.h>

#include <string>

#include "board/game_pictures.h"
#include "core/settings.h"
#include "platform/resources.h"

namespace {

void BM_LoadUnitPictures(benchmark::State& state) {
    const kvd::Resources resources;
    kvd::Settings settings;
    settings.HomeNavy = QLatin1Char(char(state.range(0)));
    state.SetLabel(std::string("home navy ") + char(state.range(0)));
    for (auto _ : state) {
        kvd::GamePictures pictures;
        pictures.LoadUnitPictures(resources, 0, settings);
        benchmark::DoNotOptimize(pictures.SecondSet.Find(kvd::UnitKind::Battleship));
    }
}
BENCHMARK(BM_LoadUnitPictures)
    ->Arg('E')
    ->Arg('D')
    ->Arg('U')
    ->Arg('J')
    ->Unit(benchmark::kMillisecond);

}  // namespace
