#include <benchmark/benchmark.h>

#include "core/unit_table.h"

namespace {

// A full table: 127 unit lines, as many as a table holds.
kvd::UnitTable FullTable() {
    kvd::UnitTable table;
    for (int i = 0; i < kvd::kMaxUnitLines; ++i) {
        QString line = QStringLiteral(
            "E 5 0    3 5  0  0 Unit              0 Kind      0000 0000          00");
        const int code = 1 + i % 64;
        table.Append(line);
        const int index = table.Last();
        table.SetPos(index, i % 10, (i / 10) % 10);
        table.SetPrev(index, i % 10, (i / 10) % 10);
        kvd::WriteNumber(line, kvd::col::kCode, 2, code);
        table.SetChar(index, kvd::col::kCode, line[kvd::col::kCode - 1]);
        table.SetChar(index, kvd::col::kCode + 1, line[kvd::col::kCode]);
    }
    return table;
}

void BM_FindByCode(benchmark::State& state) {
    const kvd::UnitTable table = FullTable();
    int code = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Find(1 + code % 64));
        ++code;
    }
}
BENCHMARK(BM_FindByCode);

void BM_CountCellMates(benchmark::State& state) {
    const kvd::UnitTable table = FullTable();
    for (auto _ : state) benchmark::DoNotOptimize(table.CountCellMates(21));
}
BENCHMARK(BM_CountCellMates);

// A whole-table pass reading every field a rule reads.
void BM_ScanAllFields(benchmark::State& state) {
    const kvd::UnitTable table = FullTable();
    for (auto _ : state) {
        int sum = 0;
        for (int i = 1; i < table.Count(); ++i)
            sum += table.Code(i) + table.PosX(i) + table.PosY(i) + table.Strength(i);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ScanAllFields);

void BM_RewritePosition(benchmark::State& state) {
    kvd::UnitTable table = FullTable();
    int step = 0;
    for (auto _ : state) {
        table.SetPos(1 + step % kvd::kMaxUnitLines, step % 10, (step / 10) % 10);
        ++step;
    }
}
BENCHMARK(BM_RewritePosition);

}  // namespace
