#include "bench/operations.h"
#include "bench/workbench.h"
#include "model/circuit_file.h"
#include "model/circuit_list.h"
#include "model/description_reader.h"
#include "model/description_store.h"
#include "model/description_writer.h"
#include "model/text_lines.h"
#include "support/circuits.h"

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

// A .cir file of 100 copies of the fullest circuit the tables allow, as New file and Add to
// file write it.
std::string fileOfHundredCircuits() {
    Workbench bench;
    startUp(bench);
    bench.model.tables = test::fullestTables();
    const std::string description = describeCircuit(bench.model, true);
    std::string text = newFileText({"A hundred circuits", "for the benchmark"}, description);
    for (int c = 2; c <= kMaxCircuits; ++c)
        text += addedCircuitText(description);
    return text;
}

// Decoding, the explanation, the circuits into the list.
int loadIntoList(const std::string& bytes, CircuitList& list) {
    const std::string text = decodeFileText(bytes);
    const LineViews lines = splitLines(text);
    const FileExplanation explanation = readExplanation(lines);
    return loadCircuits(list, lines, explanation.dataStart).count;
}

// Loading the file and reading circuit 1 into the tables. Target: < 5 ms.
void BM_LoadHundredCircuitsAndReadOne(benchmark::State& state) {
    const std::string bytes = fileOfHundredCircuits();
    CircuitList list;
    Workbench bench;
    startUp(bench);
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadIntoList(bytes, list));
        const DescriptionReading reading = readDescription(list.chunks[1]);
        storeCircuitData(reading, bench.model.tables, bench.model.markers);
        benchmark::DoNotOptimize(reading.branches.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// The same, with circuit 1 read into the window as "&Yes" does: reset, source, layout, solve
// and paint.
void BM_LoadHundredCircuitsAndShowOne(benchmark::State& state) {
    const std::string bytes = fileOfHundredCircuits();
    Workbench bench;
    startUp(bench);
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadIntoList(bytes, bench.circuits));
        cirbt(bench);
        benchmark::DoNotOptimize(bench.results.totalCurrent);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_LoadHundredCircuitsAndReadOne)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadHundredCircuitsAndShowOne)->Unit(benchmark::kMicrosecond);
