#include "app/dispatch.h"
#include "board_setup.h"
#include "support/compare.h"
#include "support/test_runner.h"
#include "view/current_flow.h"

#include <functional>
#include <optional>

using namespace voltaro;
using namespace voltaro::test;

// Changes a started workbench and the default circuit's tables before they are painted.
using Build = std::function<void(Workbench&, CircuitTables&)>;
Q_DECLARE_METATYPE(Build)
Q_DECLARE_METATYPE(voltaro::PathPiece)

namespace {

PathPiece branchPiece(int side, int block, int branch, int lane = 1) {
    return {PathKind::Branch, side, lane, block, branch};
}
PathPiece leadPiece(int side, int lane, int afterBlock) {
    return {PathKind::LaneLead, side, lane, afterBlock, 0};
}
PathPiece sourcePiece(PathKind kind, int index) {
    return {kind, 0, 0, 0, index};
}

// The board painted with Show Current on, over the default circuit as `build` changes it.
struct FlowBoard : StartedBoard {
    NullCanvas canvas;

    explicit FlowBoard(const Build& build, bool electronFlow = false) {
        start(canvas);
        bench.menu(MenuId::ShowCurrent1).checked = true;
        bench.menu(MenuId::ElectronFlow1).checked = electronFlow;
        CircuitTables tables = defaultTables();
        build(bench, tables);
        paint(tables);
    }

    std::vector<CurrentPath> paths() const { return currentPaths(bench.model, bench.results); }
    std::optional<CurrentPath> path(const PathPiece& piece) const {
        for (const CurrentPath& p : paths())
            if (p.piece == piece)
                return p;
        return std::nullopt;
    }
    const DotPath* dots(const PathPiece& piece) const {
        for (const DotPath& d : bench.flow.paths)
            if (d.piece == piece)
                return &d;
        return nullptr;
    }
};

// Bulbs #1 and #2 in series on the top side: 0.2 A all round.
void seriesBulbs(Workbench&, CircuitTables& t) {
    setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1), bulb(ElementKind::Bulb2)});
}

// Two cells in parallel, bulbs #1 and #2 side by side on the top side, two lanes of resistors on
// the right side.
void parallelParts(Workbench& bench, CircuitTables& t) {
    bench.menu(MenuId::NumPar1).tag = 2;
    setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1)});
    setBranch(t, kTopSide, 1, 1, 2, {bulb(ElementKind::Bulb2)});
    setBranch(t, kRightSide, 1, 1, 1, {resistor(10.0)});
    setBranch(t, kRightSide, 2, 1, 1, {resistor(20.0)});
}

// Which way the dots of a path go, from where they enter it to where they leave; (0, 0) when
// the path has none.
Point travel(const FlowBoard& board, const PathPiece& piece) {
    const DotPath* d = board.dots(piece);
    if (!d)
        return {};
    const Point span = d->points.back() - d->points.front();
    return d->velocity > 0.0 ? span : Point{-span.x, -span.y};
}

} // namespace

class CurrentFlowTest : public QObject {
    Q_OBJECT

private slots:
    // Round a series loop every path carries the loop's current at one speed: down through the
    // battery, along the bottom, up the right side and back along the top; electron flow the
    // other way.
    void seriesLoopHasOneSpeedAllRound_data() {
        QTest::addColumn<bool>("electronFlow");
        QTest::newRow("conventional current") << false;
        QTest::newRow("electron flow") << true;
    }
    void seriesLoopHasOneSpeedAllRound() {
        QFETCH(bool, electronFlow);
        const FlowBoard board(seriesBulbs, electronFlow);
        VOLTARO_COMPARE_NEAR(board.bench.results.totalCurrent, 0.2, 1e-12);
        QCOMPARE(board.bench.flow.paths.size(), board.paths().size());
        QCOMPARE(board.bench.flow.paths.size(), std::size_t(1 + 4 + 3 * 3));
        for (const DotPath& d : board.bench.flow.paths)
            VOLTARO_COMPARE_NEAR(std::abs(d.velocity), dotSpeed(0.2), 1e-12);
        const int sense = electronFlow ? -1 : 1;
        const Point down = travel(board, sourcePiece(PathKind::SourceColumn, 1));
        QVERIFY2(sense * down.y > 0 && down.x == 0, "through the battery from - to +");
        QVERIFY2(sense * travel(board, branchPiece(kBottomSide, 1, 1)).x > 0,
                 "left to right along the bottom");
        QVERIFY2(sense * travel(board, branchPiece(kRightSide, 1, 1)).y < 0, "up the right side");
        QVERIFY2(sense * travel(board, branchPiece(kTopSide, 1, 1)).x < 0,
                 "right to left along the top");
    }

    // The branch path runs along its glyphs' axis, through every slot marker of the branch.
    void branchPathRunsThroughItsSlotMarkers() {
        const FlowBoard board(parallelParts);
        const CurrentPath branch = *board.path(branchPiece(kTopSide, 1, 2));
        const Point marker = board.anchor(slotNumber(kTopSide, 1, 1, 2, 1));
        const Point end = board.anchor(slotNumber(kTopSide, 1, 1, 2, 2));
        QCOMPARE(branch.points.size(), std::size_t(4));
        QCOMPARE(branch.points[1].y, marker.y);
        QVERIFY2(branch.points[1].x < marker.x && end.x <= branch.points[2].x,
                 "the rail holds both markers");
    }

    // Where a current splits, the currents behind the parts add up to the joined one, and the
    // parts' dots move slower (the speed grows with the logarithm of the current, so the speeds
    // themselves do not add up).
    void partsOfASplitAddUpToTheJoin_data() {
        QTest::addColumn<PathPiece>("first");
        QTest::addColumn<PathPiece>("second");
        QTest::addColumn<PathPiece>("joined");
        QTest::newRow("branches of a block")
            << branchPiece(kTopSide, 1, 1) << branchPiece(kTopSide, 1, 2)
            << leadPiece(kTopSide, 1, 1);
        QTest::newRow("lanes of a side")
            << leadPiece(kRightSide, 1, 0) << leadPiece(kRightSide, 2, 0)
            << sourcePiece(PathKind::LoopWire, 3);
        QTest::newRow("cells in parallel")
            << sourcePiece(PathKind::SourceColumn, 1) << sourcePiece(PathKind::SourceColumn, 2)
            << sourcePiece(PathKind::LoopWire, 2);
    }
    void partsOfASplitAddUpToTheJoin() {
        QFETCH(PathPiece, first);
        QFETCH(PathPiece, second);
        QFETCH(PathPiece, joined);
        const FlowBoard board(parallelParts);
        const double a = board.path(first)->current;
        const double b = board.path(second)->current;
        const double sum = board.path(joined)->current;
        VOLTARO_COMPARE_NEAR(a + b, sum, 1e-9 * std::abs(sum));
        for (const PathPiece& part : {first, second})
            QVERIFY2(std::abs(board.dots(part)->velocity) < std::abs(board.dots(joined)->velocity),
                     "a part's dots are slower than the joined ones");
    }

    // Nothing is drawn where the solve gives no current, nor below a microampere.
    void noDotsWhereNoCurrentFlows_data() {
        QTest::addColumn<Build>("build");
        QTest::addColumn<PathPiece>("still"); // kind LoopWire, index 0: no path at all
        QTest::newRow("an open switch beside a bulb") << Build([](Workbench&, CircuitTables& t) {
            setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1)});
            setBranch(t, kTopSide, 1, 1, 2, {openSwitch()});
        }) << branchPiece(kTopSide, 1, 2);
        QTest::newRow("a bulb shorted by a wire beside it")
            << Build([](Workbench&, CircuitTables& t) {
                   setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1)});
                   setBranch(t, kTopSide, 1, 1, 2, {wire()});
               })
            << branchPiece(kTopSide, 1, 1);
        QTest::newRow("a lane below the short threshold")
            << Build([](Workbench&, CircuitTables& t) {
                   setBranch(t, kTopSide, 1, 1, 1, {resistor(1e-5)});
               })
            << branchPiece(kTopSide, 1, 1);
        QTest::newRow("an open side leaking 0.4 A at 4 MV")
            << Build([](Workbench& bench, CircuitTables& t) {
                   bench.model.source.supplyVoltage = 4e6;
                   setBranch(t, kTopSide, 1, 1, 1, {openSwitch()});
               })
            << PathPiece{};
    }
    void noDotsWhereNoCurrentFlows() {
        QFETCH(Build, build);
        QFETCH(PathPiece, still);
        const FlowBoard board(build);
        QVERIFY2(!board.path(still) && !board.dots(still), "the piece without current has none");
        QCOMPARE(board.bench.flow.paths.empty(), still.index == 0);
        for (const DotPath& d : board.bench.flow.paths)
            QVERIFY2(std::abs(d.velocity) >= dotSpeed(kLeastShownCurrent), "every path moves");
    }

    // A new solve keeps the dots of every path that stays, also when only its direction changes.
    void newSolveKeepsTheDotsWhereTheyWere() {
        FlowBoard board(seriesBulbs);
        advanceFlow(board.bench.flow, 0.1);
        const DotPath before = *board.dots(branchPiece(kTopSide, 1, 1));
        VOLTARO_COMPARE_NEAR(before.phase, std::fmod(before.velocity * 0.1 + 12.0, 12.0), 1e-9);
        board.bench.model.tables.record(1) = resistor(100.0);
        triggerMenu(board.bench, MenuId::ElectronFlow1);
        const DotPath after = *board.dots(branchPiece(kTopSide, 1, 1));
        QCOMPARE(after.phase, before.phase);
        QVERIFY2(after.velocity * before.velocity < 0.0 &&
                     std::abs(after.velocity) < std::abs(before.velocity),
                 "slower, the other way");
    }

    void dotsLieEveryTwelvePixelsWithinThePicture() {
        CurrentFlow flow;
        flow.paths.push_back({{}, {{-50, 5}, {30, 5}, {30, 800}}, 60.0, 4.0});
        std::vector<Point> centres;
        dotCentres(flow, 100, 40, centres);
        // 4, 16, ... pixels along; those left of the picture and below it are left out.
        const std::vector<Point> expected = {{2, 5},   {14, 5},  {26, 5},
                                             {30, 13}, {30, 25}, {30, 37}};
        QCOMPARE(centres, expected);
        QCOMPARE(dotSpeed(0.3), 25.0 * std::log10(301.0));
        QCOMPARE(dotSpeed(1e7), 120.0);
    }
};

VOLTARO_TEST_CLASS(CurrentFlowTest)
#include "tst_current_flow.moc"
