#include "bench_board.h"
#include "support/circuits.h"

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

// One full paint onto the board picture, the solve included, as every change ends with.
void paintCircuit(benchmark::State& state, const CircuitTables& tables,
                  const std::vector<MenuId>& checked) {
    bench::BenchBoard board(tables, checked);
    for (auto _ : state) {
        placeRbt(board.bench);
        benchmark::DoNotOptimize(board.picture.constBits());
    }
}

void BM_PaintDefaultCircuit(benchmark::State& state) {
    paintCircuit(state, test::defaultTables(), {});
}

// Sides 1, 2 and 4 each with 3 lanes x 3 blocks x 3 branches x 3 resistors, every label
// shown. Target: < 2 ms.
void BM_PaintFullestCircuit(benchmark::State& state) {
    paintCircuit(state, test::fullestTables(), {MenuId::ShowResistance1, MenuId::Labelloads1});
}

// The fullest circuit of bulbs, lit, with their rays.
void BM_PaintFullestBulbs(benchmark::State& state) {
    CircuitTables tables = test::fullestTables();
    for (ElementRecord& r : tables.elements)
        if (r.switchFlag == 0)
            r = test::bulb(ElementKind::Bulb1);
    paintCircuit(state, tables, {});
}

} // namespace

BENCHMARK(BM_PaintDefaultCircuit);
BENCHMARK(BM_PaintFullestCircuit);
BENCHMARK(BM_PaintFullestBulbs);
