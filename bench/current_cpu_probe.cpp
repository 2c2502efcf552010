#include "current_cpu_probe.h"

#include "bench/operations.h"
#include "probe_process.h"
#include "qt/board_panel.h"
#include "qt/tcircuits.h"
#include "support/circuits.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

namespace voltaro::bench {

namespace {

constexpr int kMeasuredMilliseconds = 10'000;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void runEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int runCurrentCpuProbe(int argc, char** argv) {
    QApplication app(argc, argv);
    TCircuits window;
    window.bench().model.tables = test::fullestTables();
    getsizebt(window.bench());
    window.findChild<QAction*>(QStringLiteral("ShowCurrent1"))->trigger();
    window.show();
    runEventsFor(1000); // shown, painted and animating
    PaintCounter counter;
    window.boardPanel()->installEventFilter(&counter);
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = cpuSeconds();
    runEventsFor(kMeasuredMilliseconds);
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("current %f %f %d\n", static_cast<double>(clock.nsecsElapsed()) / 1e9, cpu,
                counter.paints);
    return 0;
}

bool measureCurrentCpu(CurrentCpuFigures& figures) {
    const auto lines = runProbe({kCurrentCpuProbeFlag});
    double cpu = 0.0;
    int paints = 0;
    if (!lines || lines->empty() ||
        std::sscanf((*lines)[0].c_str(), "current %lf %lf %d", &figures.seconds, &cpu, &paints) !=
            3 ||
        figures.seconds <= 0.0)
        return false;
    figures.cpuPercent = 100.0 * cpu / figures.seconds;
    figures.framesPerSecond = paints / figures.seconds;
    return figures.framesPerSecond > 20.0;
}

} // namespace voltaro::bench
