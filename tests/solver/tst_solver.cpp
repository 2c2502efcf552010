#include "solver/brightness.h"
#include "solver/solver.h"
#include "support/circuits.h"
#include "support/compare.h"
#include "support/test_runner.h"

#include <climits>
#include <functional>
#include <random>

using namespace voltaro;
using namespace voltaro::test;

namespace {

constexpr double kTol = 1e-9;

struct Solved {
    CircuitTables tables;
    SolverResults results;
    const ElementRecord& at(int side, int lane, int block, int branch, int position) const {
        return tables.record(side, lane, block, branch, position);
    }
};

Solved solveWith(const std::function<void(CircuitTables&)>& build, double supply = 3.0) {
    Solved s{defaultTables(), {}};
    build(s.tables);
    solveNetwork(s.tables, supply, s.results);
    return s;
}

// A case of the sentinel rules: how the circuit is built, and what must hold once solved.
struct SentinelCase {
    const char* name;
    std::function<void(CircuitTables&)> build;
    std::function<void(const Solved&)> check;
};

std::vector<SentinelCase> sentinelCases() {
    return {
        {"default circuit has no resistance", [](CircuitTables&) {},
         [](const Solved& s) {
             QCOMPARE(s.results.totalResistance, 0.0);
             QCOMPARE(s.results.totalCurrent, kOpenSideResistance);
             for (int side = 1; side <= kSides; ++side)
                 QCOMPARE(s.results.sideVoltage[side], 0.0);
         }},
        {"open corner link opens the loop",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb2)});
             t.record(kCornerLinkSlot).openFlag = 1;
         },
         [](const Solved& s) {
             QCOMPARE(s.results.sideResistance[kHiddenSide], kOpenSideResistance);
             VOLTARO_COMPARE_NEAR(s.results.sideVoltage[kHiddenSide], 3.0, 1e-5);
             VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 1).current, 3.0 / (kOpenSideResistance + 10),
                                  1e-15);
             QCOMPARE(brightnessOf(s.at(1, 1, 1, 1, 1).voltage, s.at(1, 1, 1, 1, 1).current), 0);
         }},
        {"single resistor takes the supply",
         [](CircuitTables& t) { setBranch(t, kTopSide, 1, 1, 1, {resistor(6.0)}); },
         [](const Solved& s) {
             QCOMPARE(s.results.totalResistance, 6.0);
             QCOMPARE(s.results.totalCurrent, 0.5);
             QCOMPARE(s.at(1, 1, 1, 1, 1).voltage, 3.0);
             QCOMPARE(s.at(1, 1, 1, 1, 1).current, 0.5);
         }},
        {"equal resistors in parallel halve",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {resistor(10.0)});
             setBranch(t, kTopSide, 1, 1, 2, {resistor(10.0)});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.blockResistance[1][1][1], 5.0);
             VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 1).current, 0.3, kTol);
             VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 2, 1).current, 0.3, kTol);
         }},
        {"a wire beside a resistor shorts the block",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {wire()});
             setBranch(t, kTopSide, 1, 1, 2, {resistor(10.0)});
             setBranch(t, kRightSide, 1, 1, 1, {resistor(6.0)});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.blockResistance[1][1][1], 0.0);
             QCOMPARE(s.results.laneCurrent[1][1], 0.5);
             QCOMPARE(s.at(1, 1, 1, 1, 1).current, 0.5);
             QCOMPARE(s.at(1, 1, 1, 2, 1).current, 0.0);
             QCOMPARE(s.at(1, 1, 1, 2, 1).voltage, 0.0);
         }},
        {"an open switch alone opens its side",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {openSwitch()});
             setBranch(t, kRightSide, 1, 1, 1, {bulb(ElementKind::Bulb1)});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.blockResistance[1][1][1], kOpenSentinel);
             QCOMPARE(s.results.sideResistance[kTopSide], kOpenSideResistance);
             VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 1).voltage, 3.0, 1e-5);
             QCOMPARE(s.at(1, 1, 1, 1, 1).current, 0.0);
             VOLTARO_COMPARE_NEAR(s.at(2, 1, 1, 1, 1).current, 3.0e-7, 1e-9);
             QCOMPARE(brightnessOf(s.at(2, 1, 1, 1, 1).voltage, s.at(2, 1, 1, 1, 1).current), 0);
         }},
        {"an open lane beside a conducting lane",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {resistor(6.0)});
             setBranch(t, kTopSide, 2, 1, 1, {openSwitch()});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.sideResistance[kTopSide], 6.0);
             QCOMPARE(s.results.laneCurrent[1][2], 0.0);
             QCOMPARE(s.results.blockVoltage[1][2][1], s.results.sideVoltage[kTopSide]);
             QCOMPARE(s.at(1, 2, 1, 1, 1).voltage, 3.0);
             QCOMPARE(s.at(1, 1, 1, 1, 1).current, 0.5);
         }},
        {"a side without lanes is open", [](CircuitTables& t) { t.blocks(kRightSide, 1) = 0; },
         [](const Solved& s) {
             QCOMPARE(s.results.sideResistance[kRightSide], kOpenSideResistance);
         }},
        {"a block without branches is open",
         [](CircuitTables& t) {
             t.elementCount(kTopSide, 1, 1, 1) = 0;
             setBranch(t, kRightSide, 1, 1, 1, {resistor(6.0)});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.blockResistance[1][1][1], kOpenSentinel);
             QCOMPARE(s.results.sideResistance[kTopSide], kOpenSideResistance);
         }},
        {"a broken end record opens its branch",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1), wire()});
             t.record(kTopSide, 1, 1, 1, 3).openFlag = 1;
             setBranch(t, kTopSide, 1, 1, 2, {resistor(10.0)});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.blockResistance[1][1][1], 10.0);
             QCOMPARE(s.at(1, 1, 1, 1, 1).current, 0.0);
             QCOMPARE(s.at(1, 1, 1, 1, 2).current, 0.0);
             QCOMPARE(s.at(1, 1, 1, 2, 1).current, 0.3);
         }},
        {"a resistor of 0 ohms shorts its branch",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {resistor(0.0)});
             setBranch(t, kTopSide, 1, 1, 2, {resistor(10.0)});
             setBranch(t, kRightSide, 1, 1, 1, {resistor(3.0)});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.blockResistance[1][1][1], 0.0);
             QCOMPARE(s.at(1, 1, 1, 1, 1).current, 1.0);
             QCOMPARE(s.at(1, 1, 1, 1, 1).voltage, 0.0);
         }},
        {"a resistor of exactly -999 ohms is open",
         [](CircuitTables& t) { setBranch(t, kTopSide, 1, 1, 1, {resistor(-999.0)}); },
         [](const Solved& s) {
             QCOMPARE(s.results.blockResistance[1][1][1], kOpenSentinel);
             QCOMPARE(s.results.sideResistance[kTopSide], kOpenSideResistance);
         }},
        {"the sentinel test is exact",
         [](CircuitTables& t) { setBranch(t, kTopSide, 1, 1, 1, {resistor(-999.5)}); },
         [](const Solved& s) { QCOMPARE(s.results.blockResistance[1][1][1], -999.5); }},
        {"an open element ends the series sum",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {openSwitch(), resistor(5.0)});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.blockResistance[1][1][1], kOpenSentinel);
             VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 1).voltage, 3.0, 1e-5);
             QCOMPARE(s.at(1, 1, 1, 1, 2).voltage, 0.0);
         }},
        {"a shorted branch carries the lane current",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {closedSwitch(), wire()});
             setBranch(t, kTopSide, 1, 2, 1, {resistor(6.0)});
         },
         [](const Solved& s) {
             QCOMPARE(s.at(1, 1, 1, 1, 1).current, 0.5);
             QCOMPARE(s.at(1, 1, 1, 1, 2).current, 0.5);
             QCOMPARE(s.at(1, 1, 1, 1, 2).voltage, 0.0);
         }},
        {"conductances that cancel count as open",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {resistor(10.0)});
             setBranch(t, kTopSide, 1, 1, 2, {resistor(-10.0)});
         },
         [](const Solved& s) { QCOMPARE(s.results.blockResistance[1][1][1], kOpenSentinel); }},
        {"a lane under a tenth of a milliohm gets no block voltage",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {resistor(0.00005)});
             setBranch(t, kRightSide, 1, 1, 1, {resistor(6.0)});
         },
         [](const Solved& s) {
             QCOMPARE(s.results.blockVoltage[1][1][1], 0.0);
             QCOMPARE(s.at(1, 1, 1, 1, 1).current, 0.0);
             QVERIFY(s.results.laneCurrent[1][1] > 0.49);
         }},
        {"stray counts stay inside the tables",
         [](CircuitTables& t) {
             setBranch(t, kTopSide, 1, 1, 1, {resistor(2.0)});
             t.blocks(kRightSide, 1) = 7;
             t.elementCount(kTopSide, 1, 1, 2) = -4;
             t.elementCount(kBottomSide, 1, 1, 1) = 9;
         },
         [](const Solved& s) {
             // Right side: three blocks of one default wire; bottom: three wires of the reset.
             QCOMPARE(s.results.sideResistance[kRightSide], 0.0);
             QCOMPARE(s.results.totalResistance, 2.0);
         }},
    };
}

// An independent solve of a circuit without opens or shorts, written as a recursion over the
// tree, to check the walk order and indexing of the real one.
struct Reference {
    const CircuitTables& t;
    double branchR(int s, int l, int b, int r) const {
        double sum = 0;
        for (int p = 1; p <= t.elementCount(s, l, b, r); ++p)
            sum += t.record(s, l, b, r, p).resistance;
        return sum;
    }
    double blockR(int s, int l, int b) const {
        double g = 0;
        for (int r = 1; r <= 3; ++r)
            if (t.elementCount(s, l, b, r) > 0)
                g += 1 / branchR(s, l, b, r);
        return 1 / g;
    }
    double laneR(int s, int l) const {
        double sum = 0;
        for (int b = 1; b <= t.blocks(s, l); ++b)
            sum += blockR(s, l, b);
        return sum;
    }
    double sideR(int s) const {
        double g = 0;
        for (int l = 1; l <= 3; ++l)
            if (t.blocks(s, l) > 0)
                g += 1 / laneR(s, l);
        return 1 / g;
    }
};

void fillRandomSide(CircuitTables& t, std::mt19937& rng, int side) {
    std::uniform_int_distribution<int> lanes(1, 3), count(1, 3), absent(0, 1);
    std::uniform_real_distribution<double> ohms(1.0, 100.0);
    for (int lane = 1; lane <= 3; ++lane) {
        const int blocks = lane == 1 ? count(rng) : absent(rng) * count(rng);
        t.blocks(side, lane) = blocks;
        for (int block = 1; block <= blocks; ++block)
            for (int branch = 1; branch <= 3; ++branch) {
                const int n = branch == 1 ? count(rng) : absent(rng) * count(rng);
                std::vector<ElementRecord> elements;
                for (int i = 0; i < n; ++i)
                    elements.push_back(resistor(ohms(rng)));
                setBranch(t, side, lane, block, branch, elements);
            }
    }
    (void)lanes;
}

} // namespace

class SolverTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheSentinelRules_data() {
        QTest::addColumn<int>("index");
        const auto cases = sentinelCases();
        for (std::size_t i = 0; i < cases.size(); ++i)
            QTest::newRow(cases[i].name) << static_cast<int>(i);
    }
    void followsTheSentinelRules() {
        QFETCH(int, index);
        const SentinelCase c = sentinelCases()[static_cast<std::size_t>(index)];
        c.check(solveWith(c.build));
    }

    void bulbsInSeries() {
        const Solved s = solveWith([](CircuitTables& t) {
            setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1), bulb(ElementKind::Bulb2)});
        });
        QCOMPARE(s.results.totalResistance, 15.0);
        VOLTARO_COMPARE_NEAR(s.results.totalCurrent, 0.2, kTol);
        VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 1).voltage, 1.0, kTol);
        VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 2).voltage, 2.0, kTol);
        QCOMPARE(brightnessOf(s.at(1, 1, 1, 1, 1).voltage, s.at(1, 1, 1, 1, 1).current), 89);
        QCOMPARE(brightnessOf(s.at(1, 1, 1, 1, 2).voltage, s.at(1, 1, 1, 1, 2).current), 126);
    }

    void bulbsInParallel() {
        const Solved s = solveWith([](CircuitTables& t) {
            setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1)});
            setBranch(t, kTopSide, 1, 1, 2, {bulb(ElementKind::Bulb2)});
        });
        VOLTARO_COMPARE_NEAR(s.results.blockResistance[1][1][1], 10.0 / 3.0, kTol);
        VOLTARO_COMPARE_NEAR(s.results.totalCurrent, 0.9, kTol);
        VOLTARO_COMPARE_NEAR(s.results.blockVoltage[1][1][1], 3.0, kTol);
        VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 1).current, 0.6, kTol);
        VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 2, 1).current, 0.3, kTol);
        QCOMPARE(brightnessOf(s.at(1, 1, 1, 1, 1).voltage, s.at(1, 1, 1, 1, 1).current), 268);
        QCOMPARE(brightnessOf(s.at(1, 1, 1, 2, 1).voltage, s.at(1, 1, 1, 2, 1).current), 189);
    }

    void bulbTwoAtATenthOfAnAmpere() {
        const Solved s = solveWith(
            [](CircuitTables& t) { setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb2)}); },
            1.0);
        VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 1).current, 0.1, kTol);
        VOLTARO_COMPARE_NEAR(s.at(1, 1, 1, 1, 1).voltage, 1.0, kTol);
        QCOMPARE(brightnessOf(s.at(1, 1, 1, 1, 1).voltage, s.at(1, 1, 1, 1, 1).current), 63);
    }

    void endRecordTakesPartButGetsNoValues() {
        Solved s = solveWith([](CircuitTables& t) {
            setBranch(t, kTopSide, 1, 1, 1, {resistor(6.0)});
            t.record(kTopSide, 1, 1, 1, 2).voltage = 77.0;
        });
        QCOMPARE(s.at(1, 1, 1, 1, 2).voltage, 77.0);
        s.tables.record(kTopSide, 1, 1, 1, 2).switchFlag = 0; // an end record that is a load
        s.tables.record(kTopSide, 1, 1, 1, 2).resistance = 4.0;
        solveNetwork(s.tables, 3.0, s.results);
        QCOMPARE(s.results.totalResistance, 10.0);
    }

    void bottomLeftCornerFollowsTheBottomSide_data() {
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("elements");
        QTest::addColumn<int>("slot");
        QTest::newRow("one block, one element") << 1 << 1 << 326;
        QTest::newRow("two blocks, three in the last") << 2 << 3 << 340;
        QTest::newRow("three blocks, two in the last") << 3 << 2 << 351;
        QTest::newRow("no block at all") << 0 << 1 << 326;
    }
    void bottomLeftCornerFollowsTheBottomSide() {
        QFETCH(int, blocks);
        QFETCH(int, elements);
        QFETCH(int, slot);
        CircuitTables t = defaultTables();
        t.blocks(kBottomSide, 1) = blocks;
        for (int b = 1; b <= 3; ++b)
            t.elementCount(kBottomSide, 1, b, 1) = b == blocks ? elements : 1;
        Markers markers = makeDesignMarkers();
        stampMeasurementTags(t, markers);
        QCOMPARE(markers[MarkerId::cor4].tag, slot);
        QCOMPARE(markers[MarkerId::battpos].tag, slot);
        QCOMPARE(markers[MarkerId::cor1].tag, 1);
        QCOMPARE(markers[MarkerId::battneg].tag, 1);
        QCOMPARE(markers[MarkerId::cor2].tag, 109);
        QCOMPARE(markers[MarkerId::cor3].tag, 217);
    }

    void randomCircuitsMatchAnIndependentSolve() {
        std::mt19937 rng(20261208);
        for (int round = 0; round < 200; ++round) {
            CircuitTables t = defaultTables();
            for (int side : {kTopSide, kRightSide, kBottomSide})
                fillRandomSide(t, rng, side);
            SolverResults results;
            const double supply = 9.0;
            solveNetwork(t, supply, results);
            const Reference ref{t};
            const double total = ref.sideR(1) + ref.sideR(2) + ref.sideR(4);
            VOLTARO_COMPARE_NEAR(results.totalResistance, total, 1e-9 * total);
            const double current = supply / total;
            for (int s : {kTopSide, kRightSide, kBottomSide})
                for (int l = 1; l <= 3; ++l)
                    for (int b = 1; b <= t.blocks(s, l); ++b)
                        for (int r = 1; r <= 3; ++r)
                            for (int p = 1; p <= t.elementCount(s, l, b, r); ++p) {
                                const double blockV =
                                    current * ref.sideR(s) / ref.laneR(s, l) * ref.blockR(s, l, b);
                                const double i = blockV / ref.branchR(s, l, b, r);
                                const ElementRecord& e = t.record(s, l, b, r, p);
                                VOLTARO_COMPARE_NEAR(e.current, i, 1e-9 * i);
                                VOLTARO_COMPARE_NEAR(e.voltage, i * e.resistance,
                                                     1e-9 * i * e.resistance);
                            }
        }
    }

    void brightnessOfHostileValues_data() {
        QTest::addColumn<double>("voltage");
        QTest::addColumn<double>("current");
        QTest::addColumn<int>("brightness");
        QTest::newRow("dark") << 0.0 << 0.0 << 0;
        QTest::newRow("negative power") << -1.0 << 1.0 << 0;
        QTest::newRow("infinite") << 1e308 << 1e308 << INT_MAX;
        QTest::newRow("nan") << std::nan("") << 1.0 << INT_MAX;
        QTest::newRow("negative and infinite") << -1e308 << 1e308 << 0;
        QTest::newRow("beyond the int range") << 1e150 << 1e150 << INT_MAX;
        QTest::newRow("full") << 3.0 << 0.6 << 268;
    }
    void brightnessOfHostileValues() {
        QFETCH(double, voltage);
        QFETCH(double, current);
        QFETCH(int, brightness);
        QCOMPARE(brightnessOf(voltage, current), brightness);
    }
};

VOLTARO_TEST_CLASS(SolverTest)
#include "tst_solver.moc"
