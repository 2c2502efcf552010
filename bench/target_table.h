#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace voltaro::bench {

// The console report, and the figures kept to print them next to their targets at the end.
class TargetTable : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints the table; false when a figure measured misses its target.
    bool print(std::FILE* out) const;

private:
    struct Figure {
        double seconds = 0.0; // real time of one iteration
        std::map<std::string, double> counters;
    };
    std::map<std::string, Figure> m_figures;
};

} // namespace voltaro::bench
