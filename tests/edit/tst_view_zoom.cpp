#include "app/dispatch.h"
#include "support/recording_canvas.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using namespace voltaro::test;

class ViewZoomTest : public QObject {
    Q_OBJECT

private slots:
    void eachZoomEntryStepsAmongTheOfferedScales_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("locked"); // the Options menu disabled, as a locked circuit has it
        QTest::newRow("in from 100") << 100 << static_cast<int>(MenuId::ZoomIn1) << 125 << true;
        QTest::newRow("in from 150") << 150 << static_cast<int>(MenuId::ZoomIn1) << 200 << true;
        QTest::newRow("in at 200 stays") << 200 << static_cast<int>(MenuId::ZoomIn1) << 200 << true;
        QTest::newRow("out from 125") << 125 << static_cast<int>(MenuId::ZoomOut1) << 100 << true;
        QTest::newRow("out at 100 stays")
            << 100 << static_cast<int>(MenuId::ZoomOut1) << 100 << true;
        QTest::newRow("actual size") << 200 << static_cast<int>(MenuId::ActualSize1) << 100 << true;
        QTest::newRow("a scale's entry")
            << 100 << static_cast<int>(MenuId::Zoom150) << 150 << false;
        QTest::newRow("a scale's entry, locked")
            << 100 << static_cast<int>(MenuId::Zoom150) << 100 << true;
    }
    void eachZoomEntryStepsAmongTheOfferedScales() {
        QFETCH(int, from);
        QFETCH(int, entry);
        QFETCH(int, to);
        QFETCH(bool, locked);
        StartedBench s;
        RecordingCanvas canvas;
        s.bench.canvas = &canvas;
        const MenuId scaleEntries[] = {MenuId::Zoom100, MenuId::Zoom125, MenuId::Zoom150,
                                       MenuId::Zoom200};
        for (MenuId e : scaleEntries)
            if (s.bench.menu(e).tag == from)
                triggerMenu(s.bench, e);
        canvas.clear();
        // In a locked circuit the keys still zoom; the menu's own entries cannot be reached.
        s.bench.menu(MenuId::Options1).enabled = !locked;
        triggerMenu(s.bench, static_cast<MenuId>(entry));
        QCOMPARE(s.bench.model.menus.viewScalePercent(), to);
        for (MenuId e : scaleEntries)
            QCOMPARE(s.bench.menu(e).checked, s.bench.menu(e).tag == to);
        QCOMPARE(s.bench.menu(MenuId::ZoomIn1).enabled, to < 200);
        QCOMPARE(s.bench.menu(MenuId::ZoomOut1).enabled, to > 100);
        // A new scale paints the board again, for the window to draw it at that size.
        QCOMPARE(!canvas.drawn.empty(), from != to);
    }
};

VOLTARO_TEST_CLASS(ViewZoomTest)
#include "tst_view_zoom.moc"
