#include "explanation_probe.h"

#include "probe_process.h"
#include "qt/qt_platform.h"
#include "qt/tcircuits.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>

namespace voltaro::bench {

namespace {

// The platform of a pupil who picks the one file; a message would stop the probe.
class PickingPlatform : public QtPlatform {
public:
    explicit PickingPlatform(std::string path) : QtPlatform(nullptr), m_path(std::move(path)) {}
    std::optional<std::string> openFileName(const FileDialogOptions&) override { return m_path; }
    void error(const Text&) override { failed = true; }
    void warning(const Text&) override { failed = true; }
    bool failed = false;

private:
    std::string m_path;
};

template <typename T> void click(TCircuits& window, const char* name) {
    if (auto* widget = window.findChild<T*>(QString::fromLatin1(name))) {
        if constexpr (std::is_same_v<T, QAction>)
            widget->trigger();
        else
            widget->click();
    }
    QApplication::processEvents();
}

} // namespace

int runExplanationProbe(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    PickingPlatform platform(argv[2]);
    TCircuits window(&platform);
    window.show();
    QApplication::processEvents();
    const long before = residentKb();
    click<QAction>(window, "LoadCircuit1");
    click<QPushButton>(window, "nextbt");
    click<QPushButton>(window, "ybt");
    const long after = residentKb();
    constexpr int kClicks = 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kClicks; ++i)
        click<QAction>(window, "ShowResistance1");
    const long long ns = timer.nsecsElapsed() / kClicks;
    if (platform.failed)
        return 1;
    std::printf("loaded %ld %ld %lld\n", before, after, ns);
    return 0;
}

bool measureExplanation(const std::string& path, ExplanationFigures& figures) {
    const auto lines = runProbe({kExplanationProbeFlag, path});
    long before = 0;
    long after = 0;
    long long ns = 0;
    if (!lines || lines->empty() ||
        std::sscanf(lines->front().c_str(), "loaded %ld %ld %lld", &before, &after, &ns) != 3)
        return false;
    figures.clickSeconds = static_cast<double>(ns) / 1e9;
    figures.addedKb = after - before;
    return true;
}

} // namespace voltaro::bench
