#include "board_setup.h"
#include "support/test_runner.h"
#include "view/geometry.h"

using namespace voltaro;
using namespace voltaro::test;

namespace {

Markers startUpMarkers() {
    Markers markers = makeDesignMarkers();
    placeAtStartUp(markers);
    return markers;
}

void setHandles(Markers& markers, int topLeft, int topTop, int botLeft, int botTop) {
    markers[MarkerId::topsh].left = topLeft;
    markers[MarkerId::topsh].top = topTop;
    markers[MarkerId::botsh].left = botLeft;
    markers[MarkerId::botsh].top = botTop;
}

} // namespace

class GeometryTest : public QObject {
    Q_OBJECT

private slots:
    void startUpPlacesCornersAndBattery() {
        const Markers m = startUpMarkers();
        const struct {
            MarkerId id;
            int left, top;
        } expected[] = {
            {MarkerId::cor1, 34, 125}, {MarkerId::cor2, 554, 125},   {MarkerId::cor3, 554, 456},
            {MarkerId::cor4, 34, 456}, {MarkerId::battneg, 34, 236}, {MarkerId::battpos, 34, 340},
        };
        for (const auto& e : expected) {
            const Marker& marker = m[e.id];
            QVERIFY2(marker.left == e.left && marker.top == e.top,
                     qPrintable(QStringLiteral("%1 at (%2, %3), expected (%4, %5)")
                                    .arg(markerName(e.id))
                                    .arg(marker.left)
                                    .arg(marker.top)
                                    .arg(e.left)
                                    .arg(e.top)));
        }
    }

    void startUpSpreadsTheSlotMarkers_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        // p1 (48, 125), p2 (554, 138), p3 (686, 24), p4 (448, 456) at their design places.
        QTest::newRow("top, first node") << slotNumber(1, 1, 1, 1, 1) << 68 << 125;
        QTest::newRow("top, lane 2 above") << slotNumber(1, 2, 1, 1, 1) << 68 << 45;
        QTest::newRow("top, lane 3 below") << slotNumber(1, 3, 1, 1, 1) << 68 << 205;
        QTest::newRow("top, branch 2 above") << slotNumber(1, 1, 1, 2, 1) << 68 << 105;
        QTest::newRow("top, branch 3 below") << slotNumber(1, 1, 1, 3, 1) << 68 << 145;
        QTest::newRow("top, block 3 node 4") << slotNumber(1, 1, 3, 1, 4) << 388 << 125;
        QTest::newRow("right, lane 3 branch 3") << slotNumber(2, 3, 2, 3, 2) << 654 << 298;
        QTest::newRow("right, lane 2 branch 2") << slotNumber(2, 2, 1, 2, 1) << 454 << 158;
        QTest::newRow("hidden side") << slotNumber(3, 1, 1, 1, 1) << 686 << 44;
        QTest::newRow("bottom, runs leftwards") << slotNumber(4, 1, 1, 1, 2) << 388 << 456;
        QTest::newRow("bottom, lane 2 below") << slotNumber(4, 2, 2, 1, 1) << 328 << 536;
        QTest::newRow("bottom, branch 3 above") << slotNumber(4, 1, 1, 3, 1) << 428 << 436;
    }
    void startUpSpreadsTheSlotMarkers() {
        QFETCH(int, slot);
        QFETCH(int, left);
        QFETCH(int, top);
        const Markers markers = startUpMarkers();
        const Marker& m = markers.slot(slot);
        QVERIFY2(m.left == left && m.top == top,
                 qPrintable(QStringLiteral("slot %1 at (%2, %3), expected (%4, %5)")
                                .arg(slot)
                                .arg(m.left)
                                .arg(m.top)
                                .arg(left)
                                .arg(top)));
    }

    void startUpShowsOnlyTheFirstNodeOfTheDrawnSides() {
        const Markers m = startUpMarkers();
        for (int slot = 1; slot <= kSlots; ++slot) {
            const bool expected = slot == 1 || slot == 109 || slot == 325;
            QVERIFY2(m.slot(slot).visible == expected,
                     qPrintable(QStringLiteral("slot marker %1 %2")
                                    .arg(slot)
                                    .arg(expected ? "shown" : "hidden")));
        }
    }

    void cornersFollowTheHandles_data() {
        QTest::addColumn<int>("topLeft");
        QTest::addColumn<int>("topTop");
        QTest::addColumn<int>("botLeft");
        QTest::addColumn<int>("botTop");
        QTest::addColumn<int>("cornerRight");
        QTest::addColumn<int>("cornerTop");
        QTest::addColumn<int>("cornerBottom");
        QTest::addColumn<int>("batteryTop");
        QTest::newRow("reset handles") << 560 << 112 << 560 << 464 << 553 << 119 << 457 << 236;
        QTest::newRow("right edge from botsh alone")
            << 600 << 112 << 560 << 464 << 553 << 119 << 457 << 236;
        // (457 - 119 - 104) / 2 = 117; (330 - 100 - 104) / 2 = 63.
        QTest::newRow("small loop") << 300 << 93 << 300 << 337 << 293 << 100 << 330 << 163;
        // The gap exceeds the height: the division truncates toward zero, (-71) / 2 = -35.
        QTest::newRow("loop lower than the battery")
            << 300 << 93 << 300 << 140 << 293 << 100 << 133 << 65;
    }
    void cornersFollowTheHandles() {
        QFETCH(int, topLeft);
        QFETCH(int, topTop);
        QFETCH(int, botLeft);
        QFETCH(int, botTop);
        QFETCH(int, cornerRight);
        QFETCH(int, cornerTop);
        QFETCH(int, cornerBottom);
        QFETCH(int, batteryTop);
        Markers m = startUpMarkers();
        setHandles(m, topLeft, topTop, botLeft, botTop);
        placeCornersFromHandles(m);
        QCOMPARE(m[MarkerId::cor1].top, cornerTop);
        QCOMPARE(m[MarkerId::cor2].top, cornerTop);
        QCOMPARE(m[MarkerId::cor2].left, cornerRight);
        QCOMPARE(m[MarkerId::cor3].left, cornerRight);
        QCOMPARE(m[MarkerId::cor3].top, cornerBottom);
        QCOMPARE(m[MarkerId::cor4].top, cornerBottom);
        QCOMPARE(m[MarkerId::cor1].left, 34);
        QCOMPARE(m[MarkerId::cor4].left, 34);
        QCOMPARE(m[MarkerId::p2].top, cornerTop + 18);
        QCOMPARE(m[MarkerId::battneg].top, batteryTop);
        QCOMPARE(m[MarkerId::battpos].top, batteryTop + 104);
    }

    void reanchoringKeepsTheRecordedOffsets() {
        Markers m = startUpMarkers();
        LayoutState layout;
        layout.sideLength = {0, 490, 300, 7, 490};
        m[MarkerId::p4].left = 524;
        recordAnchorOffsets(m, layout);
        QCOMPARE(layout.bottomAnchorOffset, 524 - 554);
        QCOMPARE(layout.topAnchorOffset, 48 + 490 - 554);

        setHandles(m, 400, 150, 400, 400);
        placeCornersFromHandles(m);
        reanchorSideSquares(m, layout);
        QCOMPARE(m[MarkerId::p1].top, 157);
        QCOMPARE(m[MarkerId::p2].left, 393);
        QCOMPARE(m[MarkerId::p4].left, 393 - 30);
        QCOMPARE(m[MarkerId::p4].top, 393);
        QCOMPARE(layout.sideLength[kTopSide], 393 - 16 - 48);
        QCOMPARE(layout.sideLength[kRightSide], 393 - 175 - 20);
        QCOMPARE(layout.sideLength[kHiddenSide], 0);
        QCOMPARE(layout.sideLength[kBottomSide], 363 - 34 - 20);
    }

    // Corners at lefts 34 and 553; the right side's lanes of the given depths.
    void lanesOfTheRightSideNarrowTheTopAndBottom_data() {
        QTest::addColumn<QVector<int>>("branchesPerLane"); // 0: lane not in use
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("p4Left");
        QTest::newRow("one lane, depth 1") << QVector<int>{1, 0, 0} << 489 << 523;
        QTest::newRow("one lane, depth 2") << QVector<int>{2, 0, 0} << 469 << 503;
        QTest::newRow("two lanes") << QVector<int>{3, 1, 0} << 389 << 443;
        QTest::newRow("three lanes") << QVector<int>{3, 2, 1} << 369 << 423;
        QTest::newRow("no lane") << QVector<int>{0, 0, 0} << 529 << 583;
    }
    void lanesOfTheRightSideNarrowTheTopAndBottom() {
        QFETCH(QVector<int>, branchesPerLane);
        QFETCH(int, width);
        QFETCH(int, p4Left);
        CircuitTables tables = defaultTables();
        for (int lane = 1; lane <= kLanes; ++lane) {
            tables.blocks(kRightSide, lane) = 0;
            for (int branch = 1; branch <= branchesPerLane[lane - 1]; ++branch)
                setBranch(tables, kRightSide, lane, 1, branch, {wire()});
        }
        Markers m = startUpMarkers();
        m[MarkerId::cor2].left = 553;
        LayoutState layout;
        sizeLanes(tables, m, layout);
        QCOMPARE(layout.sideLength[kTopSide], width);
        QCOMPARE(layout.sideLength[kBottomSide], width);
        QCOMPARE(m[MarkerId::p4].left, p4Left);
    }

    void laneSizesSumTheLongestBranchesOfTheBlocksInUse() {
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {wire(), wire()});
        setBranch(tables, kTopSide, 1, 1, 2, {wire(), wire(), wire()});
        setBranch(tables, kTopSide, 1, 2, 3, {wire()});
        // Block 3 beyond the count: its branches still count towards the depth, its elements
        // not towards the length.
        for (int branch = 1; branch <= kBranches; ++branch)
            tables.elementCount(kTopSide, 1, 3, branch) = 2;
        Markers m = startUpMarkers();
        LayoutState layout;
        sizeLanes(tables, m, layout);
        QCOMPARE(tables.blocks(kTopSide, 1), 2);
        QCOMPARE(layout.lanes[kTopSide][1].length, 4);
        QCOMPARE(layout.lanes[kTopSide][1].depth, 3);
        QCOMPARE(layout.blocks[kTopSide][1][1].longest, 3);
        QCOMPARE(layout.blocks[kTopSide][1][1].branches, 2);
        QCOMPARE(layout.blocks[kTopSide][1][3].longest, 0);
        QCOMPARE(layout.blocks[kTopSide][1][3].branches, 3);
        QCOMPARE(layout.lanes[kTopSide][2].length, 0);
        QCOMPARE(layout.lanes[kTopSide][2].depth, 0);
    }

    void strayCountsStayWithinTheTables() {
        CircuitTables tables = defaultTables();
        tables.blocks(kTopSide, 1) = 9;
        tables.blocks(kTopSide, 2) = -4;
        for (int block = 1; block <= kBlocks; ++block)
            for (int branch = 1; branch <= kBranches; ++branch)
                tables.elementCount(kTopSide, 1, block, branch) = 7;
        Markers m = startUpMarkers();
        LayoutState layout;
        sizeLanes(tables, m, layout);
        QCOMPARE(layout.lanes[kTopSide][1].length, 9);
        QCOMPARE(layout.lanes[kTopSide][1].depth, 3);
        QCOMPARE(layout.lanes[kTopSide][2].length, 0);
    }
};

VOLTARO_TEST_CLASS(GeometryTest)
#include "tst_geometry.moc"
