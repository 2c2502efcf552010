#include "target_table.h"

#include <cstdio>

namespace voltaro::bench {

namespace {

struct Target {
    const char* benchmark;
    const char* figure;
    const char* counter; // empty: the time of one iteration
    double limit;        // in `unit`
    const char* unit;
    double perUnit; // how many `unit` a second (or a counter's own unit) holds
};

const Target kTargets[] = {
    {"BM_SolveFullestCircuit", "solve, fullest circuit", "", 5.0, "us", 1e6},
    {"BM_PaintFullestCircuit", "paint, fullest circuit", "", 2.0, "ms", 1e3},
    {"BM_PaintFullestBulbsZoomed/100", "paint, lit bulbs, 100 %", "", 1.0, "ms", 1e3},
    {"BM_PaintFullestBulbsZoomed/200", "paint, lit bulbs, 200 %", "", 4.0, "ms", 1e3},
    {"BM_HandleDragStep", "handle drag step", "", 3.0, "ms", 1e3},
    {"BM_LoadHundredCircuitsAndReadOne", "load of 100 circuits", "", 5.0, "ms", 1e3},
    {"BM_StartUpToFirstPaint/iterations:10/manual_time", "start-up to first paint", "", 300.0, "ms",
     1e3},
    {"BM_StartUpToFirstPaint/iterations:10/manual_time", "peak memory after start-up", "peak_MB",
     80.0, "MB", 1.0},
    {"BM_ClickAfterHugeExplanation/iterations:1/manual_time", "click after 50 MB explanation", "",
     5.0, "ms", 1e3},
    {"BM_ClickAfterHugeExplanation/iterations:1/manual_time", "memory of it, x file size",
     "memory_x_file", 3.0, "x", 1.0},
    {"BM_CurrentDotsFrame", "current dots frame, fullest", "", 0.5, "ms", 1e3},
    {"BM_CurrentDotsWindowCpu/iterations:1/manual_time", "window CPU, current shown", "cpu_percent",
     5.0, "%", 1.0},
    {"BM_AnswerKeyHundredCircuitsJson", "answer key, 100 circuits", "", 3.0, "ms", 1e3},
    {"BM_SheetProcessJson/1/iterations:10/manual_time", "sheet process, 100 circuits", "", 20.0,
     "ms", 1e3},
    {"BM_SheetProcessJson/10/iterations:10/manual_time", "sheet process, 1000 circuits", "", 60.0,
     "ms", 1e3},
};

} // namespace

void TargetTable::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        Figure& f = m_figures[run.benchmark_name()];
        f.seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        for (const auto& [name, counter] : run.counters)
            f.counters[name] = counter.value;
    }
}

bool TargetTable::print(std::FILE* out) const {
    bool allMet = true;
    std::fprintf(out, "\n%-30s %12s %10s  %s\n", "figure", "measured", "target", "");
    for (const Target& t : kTargets) {
        char target[32];
        std::snprintf(target, sizeof target, "< %g %s", t.limit, t.unit);
        const auto it = m_figures.find(t.benchmark);
        if (it == m_figures.end()) {
            std::fprintf(out, "%-30s %12s %10s  not measured\n", t.figure, "-", target);
            continue;
        }
        const auto counter = it->second.counters.find(t.counter);
        const double value = *t.counter == '\0'                     ? it->second.seconds * t.perUnit
                             : counter == it->second.counters.end() ? -1.0
                                                                    : counter->second;
        const bool met = value >= 0.0 && value < t.limit;
        allMet = allMet && met;
        char measured[32];
        std::snprintf(measured, sizeof measured, "%.2f %s", value, t.unit);
        std::fprintf(out, "%-30s %12s %10s  %s\n", t.figure, measured, target,
                     met ? "met" : "MISSED");
    }
    return allMet;
}

} // namespace voltaro::bench
