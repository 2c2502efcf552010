#include "current_cpu_probe.h"
#include "explanation_probe.h"
#include "startup_probe.h"
#include "target_table.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstring>

// Text on the board needs a GUI application; the benchmarks run without a display. With the
// probe's flag the program is the probe that BM_StartUpToFirstPaint,
// BM_ClickAfterHugeExplanation or BM_CurrentDotsWindowCpu runs.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], voltaro::bench::kStartUpProbeFlag) == 0)
        return voltaro::bench::runStartUpProbe(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], voltaro::bench::kExplanationProbeFlag) == 0)
        return voltaro::bench::runExplanationProbe(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], voltaro::bench::kCurrentCpuProbeFlag) == 0)
        return voltaro::bench::runCurrentCpuProbe(argc, argv);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    voltaro::bench::TargetTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return table.print(stdout) ? 0 : 1;
}
