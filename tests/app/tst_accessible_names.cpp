#include "app/dispatch.h"
#include "bench/accessible_names.h"
#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/meter_mode.h"
#include "support/circuits.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::StartedBench;

Q_DECLARE_METATYPE(voltaro::BoardControl)

namespace {

// The top side a bulb and a resistor in series; the right side a bulb beside a wire, which
// shorts it.
void buildCircuit(Workbench& bench) {
    using namespace voltaro::test;
    setBranch(bench.model.tables, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1), resistor(10)});
    setBranch(bench.model.tables, kRightSide, 1, 1, 1, {bulb(ElementKind::Bulb2)});
    setBranch(bench.model.tables, kRightSide, 1, 1, 2, {wire()});
    getsizebt(bench);
}

QString english(const Text& text) {
    return QString::fromStdString(text.english());
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void namesTheControlsOfABuiltCircuit_data() {
        QTest::addColumn<BoardControl>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const auto named = [](MarkerId id) { return BoardControl::of(MarkerRef::named(id)); };
        const auto slot = [](int s) { return BoardControl::of(MarkerRef::slot(s)); };
        QTest::newRow("bulb") << slot(1) << "Top side, lane 1, point 1"
                              << "Bulb #1, 1.00 V, 0.200 A, glowing";
        QTest::newRow("resistor") << slot(2) << "Top side, lane 1, point 2"
                                  << "Resistor of 10 ohms, 2.00 V, 0.200 A";
        QTest::newRow("branch end") << slot(3) << "Top side, lane 1, point 3"
                                    << "End of the branch";
        QTest::newRow("shorted bulb")
            << slot(109) << "Right side, lane 1, block 1, branch 1, point 1"
            << "Bulb #2, 0.00 V, 0.000 A, dark";
        QTest::newRow("wire beside it")
            << slot(113) << "Right side, lane 1, block 1, branch 2, point 1"
            << "Wire, 0.00 V, 0.200 A";
        QTest::newRow("green square") << BoardControl::of(MarkerRef::branch(kRightSide, 1, 1))
                                      << "Right side, lane 1, block 1, branches"
                                      << "Parts in series: branch 1 1, branch 2 1, branch 3 0";
        QTest::newRow("red square") << named(MarkerId::p4) << "Bottom side, lanes"
                                    << "Blocks in series: lane 1 1, lane 2 0, lane 3 0";
        QTest::newRow("battery") << named(MarkerId::battpos) << "Battery, positive terminal"
                                 << "2 cells of 1.5 V in series, 1 in parallel: 3.00 V";
        QTest::newRow("corner") << named(MarkerId::cor2) << "Top-right corner"
                                << "A measuring point; its menu breaks the loop here for the "
                                   "ammeter";
        QTest::newRow("lead") << named(MarkerId::vpos) << "Black lead"
                              << "On no point. The meter reads meter off";
        QTest::newRow("step arrow") << BoardControl::stepArrow(3) << "Next circuit"
                                    << "Circuit 1 of 1";
    }
    void namesTheControlsOfABuiltCircuit() {
        QFETCH(BoardControl, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        StartedBench s;
        buildCircuit(s.bench);
        QCOMPARE(english(accessibleName(s.bench, control)), name);
        QCOMPARE(english(accessibleDescription(s.bench, control)), description);
    }

    // The display in words, with the unit of the range and the range itself.
    void speaksTheMetersReading() {
        StartedBench s;
        triggerMenu(s.bench, MenuId::On1);
        QCOMPARE(english(spokenReading(s.bench)), QStringLiteral("no reading, 200 volt range"));
        selectMeterRange(s.bench, 2);
        s.bench.widget(WidgetId::currenteb).text = "1.80";
        QCOMPARE(english(spokenReading(s.bench)), QStringLiteral("1.80 volts, 20 volt range"));
        current1Click(s.bench, MenuId::current1);
        selectMeterRange(s.bench, 5);
        s.bench.widget(WidgetId::currenteb).text = "--O--";
        QCOMPARE(english(spokenReading(s.bench)),
                 QStringLiteral("over range, 200 microampere range"));
        s.bench.widget(WidgetId::currenteb).text = "12.5";
        QCOMPARE(english(spokenReading(s.bench)),
                 QStringLiteral("12.5 microamperes, 200 microampere range"));
        blowFuse(s.bench);
        QCOMPARE(english(spokenReading(s.bench)), QStringLiteral("fuse blown"));
    }
};

VOLTARO_TEST_CLASS(AccessibleNamesTest)
#include "tst_accessible_names.moc"
