#include "solver/meter_display.h"
#include "solver/meter_potential.h"
#include "solver/meter_reading.h"
#include "solver/solver.h"
#include "support/circuits.h"
#include "support/compare.h"
#include "support/test_runner.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace voltaro;
using namespace voltaro::test;

Q_DECLARE_METATYPE(voltaro::MeterMode)

namespace {

constexpr double kTol = 1e-9;

Marker markerAt(int left, int top) {
    Marker m;
    m.left = left;
    m.top = top;
    return m;
}

// Supply 3.0 V, bulb #1 then bulb #2 in the one branch of the top side: 0.2 A, 1.0 V and 2.0 V.
CircuitTables seriesBulbs() {
    CircuitTables t = defaultTables();
    setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1), bulb(ElementKind::Bulb2)});
    return t;
}

} // namespace

class MeterModelTest : public QObject {
    Q_OBJECT

private slots:
    void formatsReadings_data() {
        QTest::addColumn<double>("reading");
        QTest::addColumn<MeterMode>("mode");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("blows");
        const MeterMode V = MeterMode::Voltage, A = MeterMode::Current;
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("3 V on 200 V") << 3.0 << V << 1 << " 3.0" << false;
        QTest::newRow("3 V on 20 V") << 3.0 << V << 2 << "3.00" << false;
        QTest::newRow("3 V beyond 2 V") << 3.0 << V << 3 << "--O--" << false;
        QTest::newRow("-3 V on 20 V") << -3.0 << V << 2 << "-3.00" << false;
        QTest::newRow("12.3 mV on 20 mV") << 0.0123 << V << 5 << "12.30" << false;
        QTest::newRow("12.3 mV on 200 mV") << 0.0123 << V << 4 << "12.3" << false;
        QTest::newRow("1 kV never blows a voltmeter") << 1e9 << V << 5 << "--O--" << false;
        QTest::newRow("0.5 A on 20 A") << 0.5 << A << 1 << "0.50" << false;
        QTest::newRow("0.5 A beyond 200 mA") << 0.5 << A << 2 << "--O--" << false;
        QTest::newRow("0.25 A blows 200 uA") << 0.25 << A << 5 << "--O--" << true;
        QTest::newRow("50 uA beyond the 20 of 200 uA") << 50e-6 << A << 5 << "--O--" << false;
        QTest::newRow("15 uA on 200 uA") << 15e-6 << A << 5 << "15.00" << false;
        QTest::newRow("1.5 mA on 2 mA") << 0.0015 << A << 4 << "1.500" << false;
        QTest::newRow("short circuit on 20 A") << kOpenSideResistance << A << 1 << "--O--" << true;
        QTest::newRow("no reading") << kOpenSentinel << A << 5 << "---" << false;
        QTest::newRow("not a number") << std::nan("") << A << 1 << "---" << false;
        QTest::newRow("infinite current") << inf << A << 1 << "--O--" << true;
        QTest::newRow("infinite voltage") << -inf << V << 1 << "--O--" << false;
        QTest::newRow("range 0 is range 1") << 3.0 << V << 0 << " 3.0" << false;
        QTest::newRow("range 6 is range 1") << 3.0 << V << 6 << " 3.0" << false;
    }
    void formatsReadings() {
        QFETCH(double, reading);
        QFETCH(MeterMode, mode);
        QFETCH(int, range);
        QFETCH(QString, text);
        QFETCH(bool, blows);
        const MeterDisplay display = formatReading(reading, mode, range);
        QCOMPARE(QString::fromStdString(display.text), text);
        QVERIFY2(display.blowsFuse == blows, blows ? "the fuse blows" : "the fuse holds");
    }

    // On every range of both modes the full scale itself still shows, a little more is over
    // the range, and only beyond 10000 times the full scale does an ammeter blow its fuse.
    void fullScaleBoundaries() {
        for (MeterMode mode : {MeterMode::Voltage, MeterMode::Current})
            for (int range = 1; range <= kMeterRanges; ++range) {
                const MeterRange& r = meterRange(mode, range);
                const double fullScale = r.fullScale / r.multiplier;
                const QString where = QStringLiteral("%1 range %2")
                                          .arg(mode == MeterMode::Current ? "current" : "voltage")
                                          .arg(range);
                const MeterDisplay at = formatReading(-fullScale, mode, range);
                QVERIFY2(at.text != "--O--" && !at.blowsFuse,
                         qPrintable(where + " shows its full scale"));
                QVERIFY2(formatReading(fullScale * 1.001, mode, range).text == "--O--",
                         qPrintable(where + " is over the range just above it"));
                QVERIFY2(!formatReading(fullScale * 9999.0, mode, range).blowsFuse,
                         qPrintable(where + " holds at 9999 times the full scale"));
                QVERIFY2(formatReading(fullScale * 10001.0, mode, range).blowsFuse ==
                             (mode == MeterMode::Current),
                         qPrintable(where + " blows beyond 10000 times only as an ammeter"));
            }
    }

    void rangeTable_data() {
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("voltageLabel");
        QTest::addColumn<QString>("currentLabel");
        QTest::addColumn<double>("currentFullScale");
        QTest::newRow("1") << 1 << " 200 V"
                           << "  20 A" << 20.0;
        QTest::newRow("2") << 2 << "  20 V"
                           << "200 mA" << 200.0;
        QTest::newRow("3") << 3 << "   2 V"
                           << " 20 mA" << 20.0;
        QTest::newRow("4") << 4 << "200 mV"
                           << "  2 mA" << 2.0;
        QTest::newRow("5") << 5 << " 20 mV"
                           << QString::fromUtf8("200 \xC2\xB5"
                                                "A")
                           << 20.0;
    }
    void rangeTable() {
        QFETCH(int, range);
        QFETCH(QString, voltageLabel);
        QFETCH(QString, currentLabel);
        QFETCH(double, currentFullScale);
        QCOMPARE(QString::fromUtf8(meterRange(MeterMode::Voltage, range).label.english),
                 voltageLabel);
        QCOMPARE(QString::fromUtf8(meterRange(MeterMode::Current, range).label.english),
                 currentLabel);
        QCOMPARE(meterRange(MeterMode::Current, range).fullScale, currentFullScale);
    }

    void potentialsAlongTheSeriesExample_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<double>("volts");
        QTest::newRow("battery negative") << 1 << 0.0;
        QTest::newRow("between the bulbs") << 2 << 1.0;
        QTest::newRow("end node of the top side") << 3 << 3.0;
        QTest::newRow("top-right corner") << 109 << 3.0;
        QTest::newRow("bottom-right corner") << 217 << 3.0;
        QTest::newRow("bottom-left end node") << 326 << 3.0;
    }
    void potentialsAlongTheSeriesExample() {
        QFETCH(int, slot);
        QFETCH(double, volts);
        CircuitTables t = seriesBulbs();
        SolverResults r;
        solveNetwork(t, 3.0, r);
        const std::optional<double> potential = nodePotential(t, r, slot);
        QVERIFY2(potential.has_value(), "a slot has a potential");
        VOLTARO_COMPARE_NEAR(*potential, volts, kTol);
    }

    void noPotentialOutsideTheSlots_data() {
        QTest::addColumn<int>("slot");
        for (int slot : {0, -1, -999, 433, 100000})
            QTest::newRow(qPrintable(QString::number(slot))) << slot;
    }
    void noPotentialOutsideTheSlots() {
        QFETCH(int, slot);
        CircuitTables t = seriesBulbs();
        SolverResults r;
        solveNetwork(t, 3.0, r);
        QVERIFY2(!nodePotential(t, r, slot).has_value(), "a number that is no slot has none");
    }

    // Across every element of the fullest circuit the two node potentials differ by exactly the
    // element's voltage, and the loop returns to the supply at the bottom-left end node.
    void potentialsAddUpToElementVoltages() {
        CircuitTables t = fullestTables();
        SolverResults r;
        solveNetwork(t, 3.0, r);
        for (int side : {kTopSide, kRightSide, kBottomSide})
            for (int lane = 1; lane <= kLanes; ++lane)
                for (int block = 1; block <= kBlocks; ++block)
                    for (int branch = 1; branch <= kBranches; ++branch)
                        for (int p = 1; p <= kElementsPerBranch; ++p) {
                            const int slot = slotNumber(side, lane, block, branch, p);
                            const double drop =
                                *nodePotential(t, r, slot + 1) - *nodePotential(t, r, slot);
                            VOLTARO_COMPARE_NEAR(drop, t.record(slot).voltage, kTol);
                        }
        VOLTARO_COMPARE_NEAR(*nodePotential(t, r, bottomLeftEndSlot(t)), 3.0, kTol);
    }

    // A side whose lane 1 is absent still passes on its drop through the lane that is in use.
    void sideWithoutLaneOneKeepsItsDrop() {
        CircuitTables t = defaultTables();
        t.blocks(kTopSide, 1) = 0;
        setBranch(t, kTopSide, 2, 1, 1, {resistor(10.0)});
        SolverResults r;
        solveNetwork(t, 3.0, r);
        VOLTARO_COMPARE_NEAR(*nodePotential(t, r, 109), 3.0, kTol);
    }

    void leadsAcrossTheBreak_data() {
        QTest::addColumn<int>("blackLeft");
        QTest::addColumn<int>("redLeft");
        QTest::addColumn<bool>("across");
        // The break marker at left 100, the break point at left 115, both at top 50.
        QTest::newRow("red on the break marker") << 115 << 100 << true;
        QTest::newRow("black on the break marker") << 100 << 115 << true;
        QTest::newRow("both on the break point") << 115 << 115 << false;
        QTest::newRow("one pixel off") << 116 << 100 << false;
        QTest::newRow("neither") << 30 << 60 << false;
    }
    void leadsAcrossTheBreak() {
        QFETCH(int, blackLeft);
        QFETCH(int, redLeft);
        QFETCH(bool, across);
        QCOMPARE(leadsAcrossBreak(markerAt(blackLeft, 50), markerAt(redLeft, 50), markerAt(100, 50),
                                  markerAt(115, 50)),
                 across);
    }

    void breakOpensAndCloses() {
        CircuitTables t = seriesBulbs();
        setBreakConducting(t, 3, false, false); // the end node of the two bulbs
        QVERIFY2(t.record(3).isOpen(), "the branch's end record opens");
        SolverResults r;
        solveNetwork(t, 3.0, r);
        QCOMPARE(t.record(1).current, 0.0);
        setBreakConducting(t, 1, false, true); // any node of the branch closes the same record
        QVERIFY2(t.record(3).isClosedConductor(), "the end record conducts again");
        setBreakConducting(t, 109, true, false);
        QVERIFY2(t.record(kCornerLinkSlot).isOpen(), "a corner break opens the corner link");
        const CircuitTables before = t;
        for (int slot : {0, -999, 433})
            setBreakConducting(t, slot, false, false);
        QVERIFY2(std::memcmp(&before.elements, &t.elements, sizeof t.elements) == 0,
                 "a number that is no slot changes no record");
    }

    void currentSignFollowsTheLeads_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("blackLeft");
        QTest::addColumn<int>("blackTop");
        QTest::addColumn<int>("redLeft");
        QTest::addColumn<int>("redTop");
        QTest::addColumn<double>("sign");
        const int top = 1, right = 109, bottom = 325;
        QTest::newRow("top, red right") << top << 100 << 50 << 115 << 50 << 1.0;
        QTest::newRow("top, red left") << top << 115 << 50 << 100 << 50 << -1.0;
        QTest::newRow("right, red below") << right << 50 << 100 << 50 << 115 << 1.0;
        QTest::newRow("right, red above") << right << 50 << 115 << 50 << 100 << -1.0;
        QTest::newRow("bottom, red left") << bottom << 115 << 50 << 100 << 50 << 1.0;
        QTest::newRow("bottom, red right") << bottom << 100 << 50 << 115 << 50 << -1.0;
        QTest::newRow("end node uses the element before")
            << top + 1 << 100 << 50 << 115 << 50 << 1.0;
    }
    void currentSignFollowsTheLeads() {
        QFETCH(int, slot);
        QFETCH(int, blackLeft);
        QFETCH(int, blackTop);
        QFETCH(int, redLeft);
        QFETCH(int, redTop);
        QFETCH(double, sign);
        CircuitTables t = defaultTables();
        for (int side : {kTopSide, kRightSide, kBottomSide})
            setBranch(t, side, 1, 1, 1, {resistor(5.0)});
        SolverResults r;
        solveNetwork(t, 3.0, r);
        VOLTARO_COMPARE_NEAR(
            nodeCurrent(t, slot, markerAt(blackLeft, blackTop), markerAt(redLeft, redTop)),
            sign * 0.2, kTol);
    }

    void noCurrentWithoutAnElement_data() {
        QTest::addColumn<int>("slot");
        QTest::newRow("the break marker's own slot") << 0;
        QTest::newRow("no slot") << -999;
        QTest::newRow("beyond the slots") << 433;
        QTest::newRow("a branch not in use") << 5;
    }
    void noCurrentWithoutAnElement() {
        QFETCH(int, slot);
        const CircuitTables t = defaultTables();
        QCOMPARE(nodeCurrent(t, slot, markerAt(0, 0), markerAt(10, 0)), kOpenSentinel);
    }

    void cornerCurrentSign_data() {
        QTest::addColumn<int>("corner");
        QTest::addColumn<int>("redLeft");
        QTest::addColumn<int>("redTop");
        QTest::addColumn<double>("sign");
        // Black lead at (100, 100); red beside it along the corner's gap.
        QTest::newRow("cor2, red right") << int(MarkerId::cor2) << 115 << 100 << 1.0;
        QTest::newRow("cor2, red left") << int(MarkerId::cor2) << 85 << 100 << -1.0;
        QTest::newRow("cor1, red below") << int(MarkerId::cor1) << 100 << 115 << -1.0;
        QTest::newRow("cor3, red below") << int(MarkerId::cor3) << 100 << 115 << 1.0;
    }
    void cornerCurrentSign() {
        QFETCH(int, corner);
        QFETCH(int, redLeft);
        QFETCH(int, redTop);
        QFETCH(double, sign);
        SolverResults r;
        r.totalCurrent = 0.4;
        QCOMPARE(cornerBreakCurrent(r, static_cast<MarkerId>(corner), markerAt(100, 100),
                                    markerAt(redLeft, redTop)),
                 sign * 0.4);
    }
};

VOLTARO_TEST_CLASS(MeterModelTest)
#include "tst_meter_model.moc"
