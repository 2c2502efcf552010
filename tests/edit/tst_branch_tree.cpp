#include "app/dispatch.h"
#include "app/shell.h"
#include "edit/meter_mode.h"
#include "support/circuits.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::StartedBench;

Q_DECLARE_METATYPE(voltaro::MenuId)

namespace {

constexpr MarkerId kSquares[] = {MarkerId::p1, MarkerId::p2, MarkerId::p3, MarkerId::p4};

void pressSquare(Workbench& bench, int side) {
    markerMouseDown(bench, MarkerRef::named(kSquares[side - 1]), 3, 3);
}

void pressBranchMarker(Workbench& bench, int side, int lane, int block) {
    markerMouseDown(bench, MarkerRef::branch(side, lane, block), 3, 3);
}

// The entry of a count submenu whose Tag is `count`.
MenuId countEntry(MenuId submenu, int count) {
    for (MenuId id : menuChildren(submenu))
        if (menuDesign(id).tag == count)
            return id;
    return submenu;
}

void chooseLaneBlocks(Workbench& bench, int side, int lane, int count) {
    static const MenuId submenus[] = {MenuId::firstParallel01, MenuId::SecondParallel01,
                                      MenuId::thirdParallel31};
    pressSquare(bench, side);
    triggerMenu(bench, countEntry(submenus[lane - 1], count));
}

void chooseBranchElements(Workbench& bench, int side, int lane, int block, int branch, int count) {
    static const MenuId submenus[] = {MenuId::firstpu1, MenuId::secondpu1, MenuId::thirdpu1};
    pressBranchMarker(bench, side, lane, block);
    triggerMenu(bench, countEntry(submenus[branch - 1], count));
}

QStringList captionsOf(const Workbench& bench, MenuId popup) {
    QStringList captions;
    for (MenuId id : menuChildren(popup))
        captions << QString::fromStdString(bench.menu(id).caption.english());
    return captions;
}

bool markerShown(const Workbench& bench, int side, int lane, int block, int branch, int p) {
    return bench.model.markers.slot(slotNumber(side, lane, block, branch, p)).visible;
}

} // namespace

class BranchTreeTest : public QObject {
    Q_OBJECT

private slots:
    void captionsFollowLabelsAndCounts_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QStringList>("captions");
        const QStringList across = {QStringLiteral("Top Parallel (1)"),
                                    QStringLiteral("Middle Parallel (0)"),
                                    QStringLiteral("Bottom Parallel (0)")};
        QTest::newRow("top") << kTopSide << across;
        QTest::newRow("right") << kRightSide
                               << QStringList{QStringLiteral("Left Parallel (1)"),
                                              QStringLiteral("Middle Parallel (0)"),
                                              QStringLiteral("Right Parallel (0)")};
        QTest::newRow("bottom") << kBottomSide << across;
    }
    void captionsFollowLabelsAndCounts() {
        QFETCH(int, side);
        QFETCH(QStringList, captions);
        StartedBench s;
        chooseLaneBlocks(s.bench, side, 2, 3);
        chooseBranchElements(s.bench, side, 1, 1, 3, 2);
        s.platform.confirmAnswers = {true};
        triggerMenu(s.bench, MenuId::Reset1);

        pressSquare(s.bench, side);
        QCOMPARE(captionsOf(s.bench, MenuId::firstpu), captions);
        QCOMPARE(s.bench.ui.currentSlot, side);
        QCOMPARE(s.bench.ui.popup->menu, MenuId::firstpu);
        pressBranchMarker(s.bench, side, 1, 1);
        QCOMPARE(captionsOf(s.bench, MenuId::parpu), captions);
        QCOMPARE(s.bench.ui.currentSlot, slotNumber(side, 1, 1, 1, 1));
        QCOMPARE(s.bench.ui.popup->menu, MenuId::parpu);
    }

    void captionsShowTheCountsOfThePressedPlace() {
        StartedBench s;
        chooseLaneBlocks(s.bench, kRightSide, 3, 2);
        chooseBranchElements(s.bench, kRightSide, 3, 2, 2, 3);
        pressSquare(s.bench, kRightSide);
        QCOMPARE(captionsOf(s.bench, MenuId::firstpu).last(), QStringLiteral("Right Parallel (2)"));
        pressBranchMarker(s.bench, kRightSide, 3, 2);
        QCOMPARE(
            captionsOf(s.bench, MenuId::parpu),
            (QStringList{QStringLiteral("Left Parallel (1)"), QStringLiteral("Middle Parallel (3)"),
                         QStringLiteral("Right Parallel (0)")}));
    }

    void zeroIsNotOfferedForTheFirstLaneOrBranch() {
        StartedBench s;
        chooseLaneBlocks(s.bench, kTopSide, 1, 0);
        chooseBranchElements(s.bench, kTopSide, 1, 1, 1, 0);
        QCOMPARE(s.bench.model.tables.blocks(kTopSide, 1), 1);
        QCOMPARE(s.bench.model.tables.elementCount(kTopSide, 1, 1, 1), 1);
    }

    void firstUseOfALaneAddsOneWire() {
        StartedBench s;
        chooseLaneBlocks(s.bench, kBottomSide, 2, 1);
        const CircuitTables& t = s.bench.model.tables;
        QCOMPARE(t.blocks(kBottomSide, 2), 1);
        QCOMPARE(t.elementCount(kBottomSide, 2, 1, 1), 1);
        const ElementRecord& r = t.record(kBottomSide, 2, 1, 1, 1);
        QVERIFY2(r.isClosedConductor() && r.wireFlag == 1, "the new block holds a wire");
        for (int p = 1; p <= kPositions; ++p)
            QCOMPARE(markerShown(s.bench, kBottomSide, 2, 1, 1, p), p <= 2);
        QVERIFY2(!markerShown(s.bench, kBottomSide, 2, 2, 1, 1), "block 2 is not in use");
        QVERIFY2(s.bench.model.markers.branch(kBottomSide, 2, 1).visible,
                 "the paint shows the new block's branch marker");
    }

    void branchMarkersWaitForTheMeterToBeOff() {
        StartedBench s;
        setMeterMode(s.bench, MeterMode::Voltage);
        chooseLaneBlocks(s.bench, kTopSide, 1, 2);
        for (int block = 1; block <= 2; ++block)
            QVERIFY2(!s.bench.model.markers.branch(kTopSide, 1, block).visible,
                     "hidden while the meter is on");
        setMeterMode(s.bench, MeterMode::Off);
        for (int block = 1; block <= 2; ++block)
            QVERIFY2(s.bench.model.markers.branch(kTopSide, 1, block).visible,
                     "back with the first paint after the meter is off");
    }

    void loweringALaneKeepsItsBlocks() {
        StartedBench s;
        chooseLaneBlocks(s.bench, kTopSide, 1, 3);
        CircuitTables& t = s.bench.model.tables;
        test::setBranch(t, kTopSide, 1, 2, 1,
                        {test::bulb(ElementKind::Bulb2), test::resistor(22.0)});
        test::setBranch(t, kTopSide, 1, 3, 2, {test::openSwitch()});
        const CircuitTables before = t;
        chooseLaneBlocks(s.bench, kTopSide, 1, 1);
        QCOMPARE(t.blocks(kTopSide, 1), 1);
        for (int block = 2; block <= 3; ++block)
            for (int branch = 1; branch <= kBranches; ++branch)
                for (int p = 1; p <= kPositions; ++p)
                    QVERIFY2(!markerShown(s.bench, kTopSide, 1, block, branch, p),
                             "no marker of a block out of use");
        chooseLaneBlocks(s.bench, kTopSide, 1, 3);
        for (int slot = 1; slot <= kSlots; ++slot)
            QVERIFY2(test::sameElement(t.record(slot), before.record(slot)),
                     qPrintable(QStringLiteral("record %1 comes back unchanged").arg(slot)));
        QVERIFY(t.branchElements == before.branchElements);
        QVERIFY2(markerShown(s.bench, kTopSide, 1, 2, 1, 3), "block 2 shows its 3 nodes");
        QVERIFY2(!markerShown(s.bench, kTopSide, 1, 2, 1, 4), "and not a fourth");
        QVERIFY2(markerShown(s.bench, kTopSide, 1, 3, 2, 2), "block 3 shows branch 2");
    }

    void cutOffElementsBecomeClosedConductors_data() {
        QTest::addColumn<int>("branch");
        QTest::addColumn<int>("lowered");
        QTest::newRow("branch 1 to one element") << 1 << 1;
        QTest::newRow("branch 2 to two elements") << 2 << 2;
        QTest::newRow("branch 3 removed") << 3 << 0;
    }
    void cutOffElementsBecomeClosedConductors() {
        QFETCH(int, branch);
        QFETCH(int, lowered);
        StartedBench s;
        const int side = kRightSide;
        chooseBranchElements(s.bench, side, 1, 1, branch, 3);
        CircuitTables& t = s.bench.model.tables;
        const std::vector<ElementRecord> loads = {test::bulb(ElementKind::Bulb1),
                                                  test::resistor(47.0), test::openSwitch()};
        test::setBranch(t, side, 1, 1, branch, loads);
        chooseBranchElements(s.bench, side, 1, 1, branch, lowered);
        QCOMPARE(t.elementCount(side, 1, 1, branch), lowered);
        for (int p = 1; p <= kPositions; ++p) {
            QCOMPARE(markerShown(s.bench, side, 1, 1, branch, p), lowered > 0 && p <= lowered + 1);
            if (p <= lowered)
                continue;
            const ElementRecord& r = t.record(side, 1, 1, branch, p);
            QVERIFY2(r.isClosedConductor(),
                     qPrintable(QStringLiteral("position %1 conducts").arg(p)));
            QCOMPARE(r.resistance, 100.0);
            if (p <= 3)
                QCOMPARE(r.kind, loads[p - 1].kind);
        }
        chooseBranchElements(s.bench, side, 1, 1, branch, 3);
        for (int p = lowered + 1; p <= 3; ++p) {
            const ElementRecord& r = t.record(side, 1, 1, branch, p);
            QVERIFY2(r.isClosedConductor() && r.wireFlag == 0,
                     "a former element returns as a closed switch");
            QCOMPARE(r.resistance, 100.0);
        }
        for (int p = 1; p <= kPositions; ++p)
            QVERIFY(markerShown(s.bench, side, 1, 1, branch, p));
    }

    void lockedCircuitStillChangesCounts() {
        StartedBench s;
        s.bench.menu(MenuId::Options1).enabled = false;
        chooseLaneBlocks(s.bench, kTopSide, 3, 2);
        chooseBranchElements(s.bench, kTopSide, 1, 1, 2, 1);
        QCOMPARE(s.bench.model.tables.blocks(kTopSide, 3), 2);
        QCOMPARE(s.bench.model.tables.elementCount(kTopSide, 1, 1, 2), 1);
    }

    void hiddenSideSquareOpensNothing() {
        StartedBench s;
        pressSquare(s.bench, kHiddenSide);
        QVERIFY2(!s.bench.ui.popup, "the hidden side cannot be edited");
    }
};

VOLTARO_TEST_CLASS(BranchTreeTest)
#include "tst_branch_tree.moc"
