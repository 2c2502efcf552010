#include "solver/solver.h"
#include "support/circuits.h"

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

void solveCircuit(benchmark::State& state, CircuitTables tables) {
    SolverResults results;
    for (auto _ : state) {
        solveNetwork(tables, 3.0, results);
        benchmark::DoNotOptimize(results.totalCurrent);
        benchmark::ClobberMemory();
    }
}

void BM_SolveDefaultCircuit(benchmark::State& state) {
    solveCircuit(state, test::defaultTables());
}

// Sides 1, 2 and 4 each with 3 lanes x 3 blocks x 3 branches x 3 resistors. Target: < 5 us.
void BM_SolveFullestCircuit(benchmark::State& state) {
    solveCircuit(state, test::fullestTables());
}

} // namespace

BENCHMARK(BM_SolveDefaultCircuit);
BENCHMARK(BM_SolveFullestCircuit);
