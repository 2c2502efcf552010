#include "board_setup.h"
#include "support/test_runner.h"
#include "view/geometry.h"
#include "view/side_paint.h"

using namespace voltaro;
using namespace voltaro::test;
using Kind = RecordingCanvas::Kind;

namespace {

// The "&Combo" lesson's loop: handles at (270, 121) and (270, 427); a bulb on the top side, a
// bulb beside two bulbs in series on the right side, an open switch on the bottom side.
void paintCombo(RecordedBoard& board) {
    Workbench& bench = board.bench;
    recordAnchorOffsets(bench.model.markers, bench.model.layout);
    bench.marker(MarkerId::topsh).left = 270;
    bench.marker(MarkerId::topsh).top = 121;
    bench.marker(MarkerId::botsh).left = 270;
    bench.marker(MarkerId::botsh).top = 427;
    resizebt(bench);
    reanchorSides(bench);
    CircuitTables tables = defaultTables();
    const ElementRecord lamp = bulb(ElementKind::Bulb1);
    setBranch(tables, kTopSide, 1, 1, 1, {lamp});
    setBranch(tables, kRightSide, 1, 1, 1, {lamp});
    setBranch(tables, kRightSide, 1, 1, 2, {lamp, lamp});
    setBranch(tables, kBottomSide, 1, 1, 1, {openSwitch()});
    board.paint(tables);
}

Point markerAnchor(const Marker& m) {
    return {m.anchorX(), m.anchorY()};
}

int indexOf(const RecordingCanvas& c, Point from, Point to, Rgb colour) {
    for (std::size_t i = 0; i < c.drawn.size(); ++i) {
        const auto& p = c.drawn[i];
        if (p.kind == Kind::Line && p.from == from && p.to == to && p.pen == colour)
            return int(i);
    }
    return -1;
}

} // namespace

class PaintLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void paintStartsByClearingTheWholeBoard() {
        RecordedBoard board;
        board.paint(defaultTables());
        const auto& first = board.canvas.drawn.front();
        QVERIFY(first.kind == Kind::Rectangle);
        QCOMPARE(first.from, Point({0, 0}));
        QCOMPARE(first.to, Point({kBoardWidth, kBoardHeight}));
        QVERIFY2(first.pen == Colour::White && first.brush == Colour::White,
                 "the board is cleared white");
    }

    void twoCellsInSeriesStackOnTheLeftEdge() {
        RecordedBoard board;
        board.paint(defaultTables());
        const RecordingCanvas& c = board.canvas;
        for (int y : {298, 278})
            QVERIFY2(c.hasLine({5, y}, {55, y}, Colour::Red),
                     qPrintable(QStringLiteral("a long plate at y = %1").arg(y)));
        for (int y : {288, 268})
            QVERIFY2(c.hasLine({20, y}, {40, y}, Colour::Red),
                     qPrintable(QStringLiteral("a short plate at y = %1").arg(y)));
        QVERIFY2(c.hasLine({30, 258}, {30, 268}, Colour::Red), "the top rail runs 258 to 268");
        QVERIFY2(c.hasLine({30, 308}, {30, 298}, Colour::Red), "the bottom rail runs 308 to 298");
    }

    void cellsInParallelStandInColumnsSixtyApart() {
        RecordedBoard board;
        board.bench.menu(MenuId::NumPar1).tag = 2;
        board.paint(defaultTables());
        const RecordingCanvas& c = board.canvas;
        QVERIFY2(c.hasLine({30, 258}, {90, 258}, Colour::Red), "top rail joins x = 90");
        QVERIFY2(c.hasLine({30, 308}, {90, 308}, Colour::Red), "bottom rail joins x = 90");
        QVERIFY2(c.hasLine({65, 298}, {115, 298}, Colour::Red), "second column's long plate");
        QVERIFY2(c.hasLine({80, 268}, {100, 268}, Colour::Red), "second column's short plate");
    }

    void everyCellCountDrawsItsPlates_data() {
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("parallel");
        for (int s = 1; s <= 4; ++s)
            for (int p = 1; p <= 4; ++p)
                QTest::newRow(qPrintable(QStringLiteral("%1 x %2").arg(s).arg(p))) << s << p;
    }
    void everyCellCountDrawsItsPlates() {
        QFETCH(int, series);
        QFETCH(int, parallel);
        RecordedBoard board;
        board.bench.menu(MenuId::Numser1).tag = series;
        board.bench.menu(MenuId::NumPar1).tag = parallel;
        board.paint(defaultTables());
        const int top = 236 + 52 - 15 * series;
        int longPlates = 0;
        for (const auto& l : board.canvas.lines(Colour::Red))
            if (l.to.x - l.from.x == 50 && l.from.y == l.to.y)
                ++longPlates;
        QCOMPARE(longPlates, series * parallel);
        // The loop leaves the left edge where the top rail comes down, and runs to p1.
        QVERIFY2(board.canvas.hasLine({30, top + 10}, {30, 121}, Colour::Red),
                 "the loop wire starts at the top rail");
    }

    void sourceThenLoopWiresThenSides() {
        RecordedBoard board;
        board.paint(defaultTables());
        const RecordingCanvas& c = board.canvas;
        const int cell = indexOf(c, {5, 298}, {55, 298}, Colour::Red);
        const int loop = indexOf(c, {30, 268}, {30, 121}, Colour::Red);
        const int side = indexOf(c, {44, 121}, {54, 121}, Colour::Red); // the top lead-in
        QVERIFY2(cell >= 0 && loop > cell && side > loop,
                 "the cells, then the loop wires, then the sides");
    }

    void defaultCircuitLaysOneWireOnEachSide() {
        RecordedBoard board;
        board.paint(defaultTables());
        QCOMPARE(board.anchor(1), Point({74, 121}));
        QCOMPARE(board.anchor(2), Point({529, 121}));
        QCOMPARE(board.anchor(109), Point({550, 164}));
        QCOMPARE(board.anchor(110), Point({550, 429}));
        QCOMPARE(board.anchor(325), Point({490, 452}));
        QCOMPARE(board.anchor(326), Point({35, 452}));
        const RecordingCanvas& c = board.canvas;
        QVERIFY2(c.hasLine({534, 121}, {550, 121}, Colour::Red), "top side's end to the corner");
        QVERIFY2(c.hasLine({550, 434}, {550, 452}, Colour::Red), "right side's end down");
        QVERIFY2(c.hasLine({550, 452}, {520, 452}, Colour::Red), "into the bottom side");
        QVERIFY2(c.hasLine({30, 452}, {50, 452}, Colour::Red), "bottom side to the battery");
    }

    void comboLessonLayout() {
        RecordedBoard board;
        paintCombo(board);
        const Model& m = board.bench.model;
        QCOMPARE(markerAnchor(m.markers[MarkerId::p1]), Point({44, 124}));
        QCOMPARE(markerAnchor(m.markers[MarkerId::p2]), Point({259, 142}));
        QCOMPARE(markerAnchor(m.markers[MarkerId::p4]), Point({209, 416}));
        QCOMPARE(m.layout.sideLength[kTopSide], 179);
        QCOMPARE(m.layout.sideLength[kRightSide], 254);
        QCOMPARE(m.layout.sideLength[kBottomSide], 179);

        // Top side: pitch 144, block start (54, 124), the bulb centred at (146, 124).
        QCOMPARE(markerAnchor(m.markers.branch(kTopSide, 1, 1)), Point({54, 124}));
        QCOMPARE(board.anchor(1), Point({74, 124}));
        QCOMPARE(board.anchor(2), Point({218, 124}));
        const RecordingCanvas& c = board.canvas;
        const auto globes = c.all(Kind::Ellipse);
        QVERIFY(!globes.empty());
        QCOMPARE(globes[0].from, Point({146 - 12, 124 - 12}));

        // Right side: pitch 109, block start (259, 152); one bulb 22 left, two bulbs 23 right.
        QCOMPARE(markerAnchor(m.markers.branch(kRightSide, 1, 1)), Point({259, 152}));
        QCOMPARE(board.anchor(slotNumber(2, 1, 1, 1, 1)), Point({237, 226}));
        QCOMPARE(board.anchor(slotNumber(2, 1, 1, 1, 2)), Point({237, 335}));
        QCOMPARE(board.anchor(slotNumber(2, 1, 1, 2, 1)), Point({282, 172}));
        QCOMPARE(board.anchor(slotNumber(2, 1, 1, 2, 2)), Point({282, 281}));
        QCOMPARE(board.anchor(slotNumber(2, 1, 1, 2, 3)), Point({282, 390}));
        QVERIFY2(c.hasLine({259, 415}, {259, 405}, Colour::Red), "the right side's lead-out");
        QVERIFY2(c.hasLine({259, 152}, {237, 152}, Colour::Red) &&
                     c.hasLine({237, 152}, {237, 390}, Colour::Red) &&
                     c.hasLine({237, 390}, {259, 390}, Colour::Red) &&
                     c.hasLine({259, 390}, {259, 405}, Colour::Red),
                 "branch 1's rails leave the side line and come back to it");

        // Bottom side: pitch 144, block start (199, 416), the switch between its markers.
        QCOMPARE(markerAnchor(m.markers.branch(kBottomSide, 1, 1)), Point({199, 416}));
        QCOMPARE(board.anchor(325), Point({179, 416}));
        QCOMPARE(board.anchor(326), Point({35, 416}));
    }

    void laneOffsetsSpreadFromTheNegativeSide_data() {
        QTest::addColumn<QVector<int>>("depths"); // 0: lane not in use
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QVector<int>>("offsets");
        QTest::newRow("one lane") << QVector<int>{3, 0, 0} << 45 << QVector<int>{0, 0, 0};
        QTest::newRow("two of depth 1") << QVector<int>{1, 1, 0} << 45 << QVector<int>{-22, 22, 0};
        QTest::newRow("two by their own depths")
            << QVector<int>{2, 0, 3} << 45 << QVector<int>{-45, 0, 67};
        QTest::newRow("lanes 2 and 3") << QVector<int>{0, 1, 1} << 45 << QVector<int>{0, -22, 22};
        QTest::newRow("three of depth 1")
            << QVector<int>{1, 1, 1} << 45 << QVector<int>{-45, 0, 45};
        QTest::newRow("three, outer ones deep")
            << QVector<int>{2, 1, 3} << 45 << QVector<int>{-67, 0, 90};
        QTest::newRow("three, middle one deep")
            << QVector<int>{1, 3, 1} << 45 << QVector<int>{-90, 0, 90};
        QTest::newRow("two at the narrow spacing")
            << QVector<int>{1, 1, 0} << 35 << QVector<int>{-17, 17, 0};
    }
    void laneOffsetsSpreadFromTheNegativeSide() {
        QFETCH(QVector<int>, depths);
        QFETCH(int, spacing);
        QFETCH(QVector<int>, offsets);
        CircuitTables tables = defaultTables();
        LayoutState layout;
        for (int lane = 1; lane <= kLanes; ++lane) {
            tables.blocks(kTopSide, lane) = depths[lane - 1] > 0 ? 1 : 0;
            layout.lanes[kTopSide][lane].depth = depths[lane - 1];
        }
        const auto got = laneOffsets(tables, layout, kTopSide, spacing);
        QCOMPARE(QVector<int>({got[1], got[2], got[3]}), offsets);
    }

    void lanesAndBranchesLieAcrossTheSide_data() {
        QTest::addColumn<int>("lanes");
        QTest::addColumn<int>("branches");
        QTest::addColumn<QVector<int>>("across"); // of each branch's first marker, lane by lane
        QTest::newRow("two lanes") << 2 << 1 << QVector<int>{-22, 22};
        QTest::newRow("three lanes") << 3 << 1 << QVector<int>{-45, 0, 45};
        QTest::newRow("two branches") << 1 << 2 << QVector<int>{-22, 23};
        QTest::newRow("three branches") << 1 << 3 << QVector<int>{-45, 0, 45};
    }
    void lanesAndBranchesLieAcrossTheSide() {
        QFETCH(int, lanes);
        QFETCH(int, branches);
        QFETCH(QVector<int>, across);
        CircuitTables tables = defaultTables();
        for (int lane = 1; lane <= lanes; ++lane)
            for (int branch = 1; branch <= branches; ++branch)
                setBranch(tables, kTopSide, lane, 1, branch, {wire()});
        RecordedBoard board;
        board.paint(tables);
        QVector<int> got;
        for (int lane = 1; lane <= lanes; ++lane)
            for (int branch = 1; branch <= branches; ++branch)
                got << board.anchor(slotNumber(kTopSide, lane, 1, branch, 1)).y - 121;
        QCOMPARE(got, across);
    }

    void aShorterBranchIsCentredInItsBlock() {
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {wire(), wire(), wire()});
        setBranch(tables, kTopSide, 1, 1, 2, {wire()});
        RecordedBoard board;
        board.paint(tables);
        const int u = (490 - 35) / 3;
        QCOMPARE(board.anchor(slotNumber(1, 1, 1, 2, 1)).x, 54 + 20 + u);
        QCOMPARE(board.anchor(slotNumber(1, 1, 1, 2, 2)).x, 54 + 20 + 2 * u);
        QCOMPARE(board.anchor(slotNumber(1, 1, 1, 1, 4)).x, 54 + 20 + 3 * u);
    }

    void blocksFollowOneAnotherAlongTheSide() {
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {wire()});
        setBranch(tables, kTopSide, 1, 2, 1, {wire(), wire()});
        RecordedBoard board;
        board.paint(tables);
        const int u = (490 - 70) / 3;
        const Model& m = board.bench.model;
        QCOMPARE(markerAnchor(m.markers.branch(kTopSide, 1, 1)).x, 54);
        QCOMPARE(markerAnchor(m.markers.branch(kTopSide, 1, 2)).x, 54 + u + 35);
        QVERIFY2(board.canvas.hasLine({54 + 3 * u + 70, 121}, {54 + 3 * u + 70, 121}, Colour::Red),
                 "the lead-out of the last block");
    }

    void anOffsetLaneHangsOnTheSideLine() {
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 2, 1, 1, {wire()});
        RecordedBoard board;
        board.paint(tables);
        const RecordingCanvas& c = board.canvas;
        // Lane 1 above at -22, lane 2 below at +22; the lead-in leaves the origin (44, 121).
        QVERIFY2(c.hasLine({44, 121}, {44, 99}, Colour::Red), "lane 1's lead-in goes up");
        QVERIFY2(c.hasLine({44, 121}, {44, 143}, Colour::Red), "lane 2's lead-in goes down");
        QVERIFY2(c.hasLine({544, 121}, {544, 143}, Colour::Red), "lane 2's lead-out comes back");
    }

    void branchMarkersOfBlocksInUseShowWhileTheMeterIsOff() {
        RecordedBoard board;
        board.paint(defaultTables());
        const Markers& m = board.bench.model.markers;
        for (int side : {kTopSide, kRightSide, kBottomSide})
            for (int lane = 1; lane <= kLanes; ++lane)
                for (int block = 1; block <= kBlocks; ++block)
                    QVERIFY2(m.branch(side, lane, block).visible == (lane == 1 && block == 1),
                             "only the branch markers of blocks in use are shown");
    }

    void theMeterOnLeavesBranchMarkersAsTheyWere() {
        RecordedBoard board;
        Workbench& bench = board.bench;
        bench.menu(MenuId::None1).checked = false;
        bench.menu(MenuId::Voltage1).checked = true;
        bench.model.markers.branch(kTopSide, 1, 1).visible = true;
        bench.model.markers.branch(kRightSide, 1, 1).visible = false;
        board.paint(defaultTables());
        QVERIFY2(bench.model.markers.branch(kTopSide, 1, 1).visible, "not hidden by the paint");
        QVERIFY2(!bench.model.markers.branch(kRightSide, 1, 1).visible, "not shown either");
    }

    void aSideWithoutLanesShowsOnlyTheLoopWires() {
        CircuitTables tables = defaultTables();
        tables.blocks(kRightSide, 1) = 0;
        RecordedBoard board;
        const Marker before = board.bench.model.markers.slot(110);
        board.paint(tables);
        const Marker& after = board.bench.model.markers.slot(110);
        QVERIFY2(before.left == after.left && before.top == after.top,
                 "the right side's markers stay where they were");
        const RecordingCanvas& c = board.canvas;
        QVERIFY2(c.hasLine({550, 434}, {550, 452}, Colour::Red), "the loop wire still ends there");
        for (const auto& l : c.lines(Colour::Red))
            QVERIFY2(!(l.from.x == 550 && l.from.y > 134 && l.to.y < 434 && l.to.x == 550),
                     "nothing is drawn along the right side");
    }

    void aLaneWithoutElementPlacesDrawsTheRest() {
        CircuitTables tables = defaultTables();
        tables.blocks(kTopSide, 1) = 2;
        for (int block = 1; block <= 2; ++block)
            for (int branch = 1; branch <= kBranches; ++branch)
                tables.elementCount(kTopSide, 1, block, branch) = 0;
        setBranch(tables, kRightSide, 1, 1, 1, {resistor(10)});
        RecordedBoard board;
        board.paint(tables);
        const Model& m = board.bench.model;
        QCOMPARE(m.layout.lanes[kTopSide][1].length, 0);
        QCOMPARE(markerAnchor(m.markers.branch(kTopSide, 1, 1)), Point({54, 121}));
        QCOMPARE(markerAnchor(m.markers.branch(kTopSide, 1, 2)), Point({89, 121}));
        QVERIFY2(m.markers.branch(kTopSide, 1, 2).visible, "its branch markers can be reached");
        QCOMPARE(board.anchor(110), Point({550, 429}));
        QVERIFY2(board.canvas.lines(Colour::Red).size() > 20, "the right side is drawn");
    }

    void theNarrowSpacingWhileResistorIsChecked() {
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 2, {wire()});
        RecordedBoard board;
        board.bench.menu(MenuId::reisitor1).checked = true;
        board.paint(tables);
        QCOMPARE(board.anchor(slotNumber(1, 1, 1, 1, 1)).y, 121 - 17);
        QCOMPARE(board.anchor(slotNumber(1, 1, 1, 2, 1)).y, 121 + 18);
    }

    void withoutABoardThePaintStillPlacesTheMarkers() {
        Workbench bench;
        startUp(bench);
        QCOMPARE(bench.model.markers.slot(2).anchorX(), 529);
        QCOMPARE(bench.model.markers.slot(326).anchorX(), 35);
    }
};

VOLTARO_TEST_CLASS(PaintLayoutTest)
#include "tst_paint_layout.moc"
