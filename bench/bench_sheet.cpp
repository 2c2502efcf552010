#include "probe_process.h"
#include "sheet_files.h"
#include "sheet_run.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

constexpr int kFiles = 10;

// Files of 100 random circuits each, in a folder of their own for the run.
struct BenchFiles {
    QTemporaryDir folder;
    std::vector<std::string> paths;

    explicit BenchFiles(int count) {
        for (int n = 1; n <= count; ++n) {
            const std::string path =
                folder.filePath(QStringLiteral("random-%1.cir").arg(n)).toStdString();
            if (bench::writeBenchFile(path, bench::randomCircuitFile(static_cast<unsigned>(n))))
                paths.push_back(path);
        }
    }
    bool ready(std::size_t count) const { return folder.isValid() && paths.size() == count; }
};

// The answer key of 100 random circuits as JSON, in this process: the file read, every circuit
// read and solved as the program reads it after a load, the key written out. Target: < 3 ms.
void BM_AnswerKeyHundredCircuitsJson(benchmark::State& state) {
    const BenchFiles files(1);
    if (!files.ready(1)) {
        state.SkipWithError("the circuit file could not be written");
        return;
    }
    sheet::SheetOptions options;
    options.files = {QString::fromStdString(files.paths[0])};
    QFile out(QStringLiteral("/dev/null"));
    out.open(QIODevice::WriteOnly);
    QString messages;
    QTextStream err(&messages);
    for (auto _ : state) {
        if (sheet::runSheet(options, out, err) != sheet::kAllRead) {
            state.SkipWithError("voltaro-sheet failed");
            return;
        }
    }
}

// The whole `voltaro-sheet --json` process over the files, each iteration a new process.
// Targets: < 20 ms for one file of 100 circuits, < 60 ms for ten.
void BM_SheetProcessJson(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const BenchFiles files(count);
    if (!files.ready(static_cast<std::size_t>(count))) {
        state.SkipWithError("the circuit files could not be written");
        return;
    }
    std::vector<std::string> arguments = {"--json"};
    arguments.insert(arguments.end(), files.paths.begin(), files.paths.end());
    for (auto _ : state) {
        const std::optional<double> seconds = bench::timeSiblingProgram("voltaro-sheet", arguments);
        if (!seconds) {
            state.SkipWithError("voltaro-sheet failed");
            return;
        }
        state.SetIterationTime(*seconds);
    }
}

} // namespace

BENCHMARK(BM_AnswerKeyHundredCircuitsJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SheetProcessJson)
    ->Arg(1)
    ->Arg(kFiles)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
