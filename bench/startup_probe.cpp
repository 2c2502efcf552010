#include "startup_probe.h"

#include "probe_process.h"
#include "qt/tcircuits.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

namespace voltaro::bench {

namespace {

// The steady clock is the system's monotonic clock, the same in the probe as in its parent.
long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

int runStartUpProbe(int argc, char** argv) {
    QApplication app(argc, argv);
    TCircuits window;
    window.show();
    const QImage shown = window.grab().toImage(); // the window, board and all, painted
    std::printf("painted %lld %d\n", nowNs(), shown.width());
    std::printf("VmHWM %ld\n", peakResidentKb());
    return 0;
}

bool measureStartUp(StartUpFigures& figures) {
    const long long started = nowNs();
    const auto lines = runProbe({kStartUpProbeFlag});
    long long painted = 0;
    figures.peakKb = 0;
    if (!lines || lines->size() < 2 ||
        std::sscanf((*lines)[0].c_str(), "painted %lld", &painted) != 1)
        return false;
    std::sscanf((*lines)[1].c_str(), "VmHWM %ld", &figures.peakKb);
    figures.seconds = static_cast<double>(painted - started) / 1e9;
    return figures.peakKb > 0;
}

} // namespace voltaro::bench
