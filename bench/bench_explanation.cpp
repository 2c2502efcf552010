#include "explanation_probe.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

using namespace voltaro;

namespace {

constexpr long kFileBytes = 50'000'000;

// A proper .cir file whose explanation is 50 MB of short lines, and one small circuit.
bool writeHugeExplanation(const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    long written = 0;
    for (int line = 0; written < kFileBytes; ++line) {
        char text[96];
        const int n = std::snprintf(text, sizeof text,
                                    "Line %07d of a long explanation for the class.\r\n", line);
        file.write(text, n);
        written += n;
    }
    file << "START CIRCUIT DATA\r\n1\r\n259 56 259 256\r\n2\r\n1.5 2 1\r\n4 0 0\r\n"
            "0 0 0 0 0 0 0 0 0 0 0 0\r\n *\r\n";
    return static_cast<bool>(file.flush());
}

// A menu command after loading a file with a 50 MB explanation, in a new process, and the
// memory the load added. Targets: < 5 ms (as after a small file), < 3 times the file's size.
void BM_ClickAfterHugeExplanation(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("huge.cir")).toStdString();
    if (!dir.isValid() || !writeHugeExplanation(path)) {
        state.SkipWithError("cannot write the file");
        return;
    }
    double perFileByte = 0.0;
    for (auto _ : state) {
        bench::ExplanationFigures figures;
        if (!bench::measureExplanation(path, figures)) {
            state.SkipWithError("the explanation probe failed");
            return;
        }
        state.SetIterationTime(figures.clickSeconds);
        perFileByte = static_cast<double>(figures.addedKb) * 1024.0 / kFileBytes;
    }
    state.counters["memory_x_file"] = perFileByte;
}

} // namespace

BENCHMARK(BM_ClickAfterHugeExplanation)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
