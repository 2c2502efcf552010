#include "model/reset.h"
#include "support/circuits.h"
#include "support/test_runner.h"

using namespace voltaro;

class ResetTest : public QObject {
    Q_OBJECT

private slots:
    void leavesOneWireOnEachEditableSide() {
        CircuitTables tables;
        Markers markers = makeDesignMarkers();
        resetTables(tables, markers);
        for (int side = 1; side <= kSides; ++side) {
            QCOMPARE(tables.blocks(side, 1), 1);
            QCOMPARE(tables.blocks(side, 2), 0);
            QCOMPARE(tables.blocks(side, 3), 0);
            for (int lane = 1; lane <= kLanes; ++lane)
                for (int block = 1; block <= kBlocks; ++block) {
                    QCOMPARE(tables.elementCount(side, lane, block, 1), 1);
                    QCOMPARE(tables.elementCount(side, lane, block, 2), 0);
                    QCOMPARE(tables.elementCount(side, lane, block, 3), 0);
                    QVERIFY2(!markers.branch(side, lane, block).visible,
                             "branch markers are hidden until the paint shows them");
                }
        }
        for (int side : {kTopSide, kRightSide, kBottomSide}) {
            const ElementRecord& r = tables.record(side, 1, 1, 1, 1);
            QVERIFY2(r.switchFlag == 1 && r.openFlag == 0 && r.wireFlag == 1,
                     "the default element is a closed wire");
            QCOMPARE(r.kind, ElementKind::Resistor);
            QCOMPARE(r.resistance, 100.0);
        }
    }

    void showsOnlyTheTwoMarkersOfEachDefaultWire() {
        CircuitTables tables;
        Markers markers = makeDesignMarkers();
        for (int slot = 1; slot <= kSlots; ++slot)
            markers.slot(slot).visible = true;
        resetTables(tables, markers);
        for (int slot = 1; slot <= kSlots; ++slot) {
            const SlotAddress a = *decodeSlot(slot);
            bool expected = a.lane == 1 && a.block == 1 && a.branch == 1 && a.position <= 2;
            if (a.side == kHiddenSide)
                expected = true; // the hidden side's markers are not touched
            QVERIFY2(markers.slot(slot).visible == expected,
                     qPrintable(QStringLiteral("slot marker %1 visibility").arg(slot)));
        }
    }

    void leavesTheHiddenSideButClosesTheCornerLink() {
        CircuitTables tables;
        Markers markers = makeDesignMarkers();
        ElementRecord stale;
        stale.switchFlag = 0;
        stale.resistance = 42.0;
        stale.kind = ElementKind::Bulb2;
        tables.record(218) = stale;
        tables.record(kCornerLinkSlot) = stale;
        tables.record(kCornerLinkSlot).switchFlag = 1;
        tables.record(kCornerLinkSlot).openFlag = 1;
        resetTables(tables, markers);
        QCOMPARE(tables.record(218).resistance, 42.0);
        QCOMPARE(tables.record(218).kind, ElementKind::Bulb2);
        QVERIFY2(tables.record(kCornerLinkSlot).isClosedConductor(),
                 "the corner link is closed by every reset");
        QCOMPARE(tables.record(kCornerLinkSlot).resistance, 42.0);
    }

    void restoresTheDefaultAfterAnyEdit() {
        CircuitTables edited = test::fullestTables();
        Markers markers = makeDesignMarkers();
        resetTables(edited, markers);
        const CircuitTables fresh = test::defaultTables();
        for (int side : {kTopSide, kRightSide, kBottomSide})
            for (int lane = 1; lane <= kLanes; ++lane)
                QCOMPARE(edited.blocks(side, lane), fresh.blocks(side, lane));
        for (int slot = 1; slot <= kSlots; ++slot) {
            if (decodeSlot(slot)->side == kHiddenSide)
                continue;
            QCOMPARE(edited.record(slot).switchFlag, fresh.record(slot).switchFlag);
            QCOMPARE(edited.record(slot).wireFlag, fresh.record(slot).wireFlag);
            QCOMPARE(edited.record(slot).resistance, fresh.record(slot).resistance);
        }
    }
};

VOLTARO_TEST_CLASS(ResetTest)
#include "tst_reset.moc"
