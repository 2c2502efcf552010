#include "app/board_pointer.h"
#include "app/dispatch.h"
#include "bench/workbench.h"
#include "output/circuit_words.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;

class CircuitWordsTest : public QObject {
    Q_OBJECT

private slots:
    // The lesson "One light" with its switch closed, described: the source, each side down to
    // its parts with their labels and values, the bulb that glows, the meter.
    void describesALesson() {
        test::StartedBench s;
        triggerMenu(s.bench, MenuId::Basic1);
        widgetEvent(s.bench, WidgetId::okdokeybt, WidgetEvent::Click);
        const Marker& slot = s.bench.model.markers.slot(1);
        boardPress(s.bench, slot.left + 3, slot.top + 3);
        triggerMenu(s.bench, MenuId::Closed3);
        triggerMenu(s.bench, MenuId::On1);
        DescribeCircuit1Click(s.bench, MenuId::DescribeCircuit1);
        const std::vector<std::string> expected = {
            "The circuit in words",
            "Source: 2 cells of 1.5 V in series, 1 in parallel, 3.00 V in all.",
            "Current from the source: 0.600 A.",
            "Top side: one lane.",
            "  Lane 1: one block.",
            "    Block 1: S1: Switch, closed, 0.00 V, 0.600 A.",
            "Right side: one lane.",
            "  Lane 1: one block.",
            "    Block 1: L1: Bulb #1, 3.00 V, 0.600 A, glowing.",
            "Bottom side: one lane.",
            "  Lane 1: one block.",
            "    Block 1: Wire, 0.00 V, 0.600 A.",
            "Bulbs that glow: L1.",
            "Meter: no reading, 200 volt range. Black lead: on no point. Red lead: on no point.",
        };
        QCOMPARE(s.platform.pages.size(), std::size_t(1));
        QCOMPARE(s.platform.pages[0], expected);
    }
};

VOLTARO_TEST_CLASS(CircuitWordsTest)
#include "tst_circuit_words.moc"
