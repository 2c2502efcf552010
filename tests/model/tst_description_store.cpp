#include "lessons/builtin_circuits.h"
#include "model/description_reader.h"
#include "model/description_store.h"
#include "model/reset.h"
#include "support/descriptions.h"
#include "support/test_runner.h"

using namespace voltaro;
using namespace voltaro::test;

namespace {

struct Board {
    CircuitTables tables;
    Markers markers = makeDesignMarkers();

    Board() {
        tables.record(kCornerLinkSlot).makeClosedConductor();
        resetTables(tables, markers);
    }
    void read(const CircuitChunks& chunks) {
        resetTables(tables, markers);
        storeCircuitData(readDescription(chunks), tables, markers);
    }
};

bool sameRecord(const ElementRecord& a, const ElementRecord& b) {
    return a.switchFlag == b.switchFlag && a.openFlag == b.openFlag && a.wireFlag == b.wireFlag &&
           a.resistance == b.resistance && a.kind == b.kind;
}

// What the solver takes from a record: open, closed, or a load of its resistance.
bool sameRole(const ElementRecord& a, const ElementRecord& b) {
    if (a.switchFlag != b.switchFlag)
        return false;
    return a.switchFlag != 0 ? a.openFlag == b.openFlag : a.resistance == b.resistance;
}

// The first record the solver would see differently, counts included, or "".
std::string solverDifference(const CircuitTables& a, const CircuitTables& b) {
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane) {
            if (a.blocks(side, lane) != b.blocks(side, lane))
                return "lane counts differ";
            for (int block = 1; block <= a.blocksInUse(side, lane); ++block)
                for (int branch = 1; branch <= kBranches; ++branch) {
                    const int n = a.elementCount(side, lane, block, branch);
                    if (n != b.elementCount(side, lane, block, branch))
                        return "element counts differ";
                    for (int position = 1; position <= n + 1; ++position) {
                        const int slot = slotNumber(side, lane, block, branch, position);
                        const bool same = position <= n ? sameRecord(a.record(slot), b.record(slot))
                                                        : sameRole(a.record(slot), b.record(slot));
                        if (!same)
                            return "record of slot " + std::to_string(slot) + " differs";
                    }
                }
        }
    return "";
}

} // namespace

class DescriptionStoreTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever was read before, a circuit reads to the tables it gives on a fresh board.
    void noCircuitDependsOnTheOneBefore() {
        const std::vector<NamedCircuit> circuits = builtinCircuits();
        for (const NamedCircuit& before : circuits)
            for (const NamedCircuit& after : circuits) {
                Board fresh;
                fresh.read(after.chunks);
                Board used;
                used.read(before.chunks);
                for (int slot = 1; slot <= kSlots; ++slot) // as breaks and edits may leave them
                    used.tables.record(slot) =
                        ElementRecord{1, 1, 0.0, 0, 0.0, 0.0, ElementKind::Switch};
                used.read(after.chunks);
                const std::string d = solverDifference(used.tables, fresh.tables);
                QVERIFY2(d.empty(), (after.name + " after " + before.name + ": " + d).c_str());
            }
    }

    void leavesEveryEndRecordClosed() {
        for (const NamedCircuit& c : builtinCircuits()) {
            Board board;
            for (int slot = 1; slot <= kSlots; ++slot)
                board.tables.record(slot) =
                    ElementRecord{1, 1, 0.0, 0, 0.0, 0.0, ElementKind::Switch};
            storeCircuitData(readDescription(c.chunks), board.tables, board.markers);
            for (const BranchReading& b : readDescription(c.chunks).branches) {
                SlotAddress end = b.branch;
                end.position = b.count + 1;
                QVERIFY2(
                    board.tables.record(slotNumber(end)).isClosedConductor(),
                    (c.name + ": the end record of every branch is a closed conductor").c_str());
            }
        }
    }

    void showsTheNodesOfEveryBranchButOnTheHiddenSide() {
        Board board;
        board.read(CircuitChunks{"", lessonFor(MenuId::combo1)->description()});
        for (int position = 1; position <= 3; ++position)
            QVERIFY2(board.markers.slot(slotNumber(kRightSide, 1, 1, 2, position)).visible,
                     "two elements in series show three nodes");
        QVERIFY2(!board.markers.slot(slotNumber(kRightSide, 1, 1, 2, 4)).visible,
                 "no node beyond the end node");
        for (int slot = 217; slot <= 324; ++slot)
            QVERIFY2(!board.markers.slot(slot).visible, "the hidden side shows no marker");
        QCOMPARE(board.tables.elementCount(kRightSide, 1, 1, 2), 2);
    }

    void storesAPartialReadingAsFarAsItGot() {
        Board board;
        const std::string d = "1 259 56 259 256 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 "
                              "2 0 0 0 12.00 1 1 0 0 x";
        const DescriptionReading r = readDescription(d);
        QVERIFY(r.error.has_value());
        storeCircuitData(r, board.tables, board.markers);
        QCOMPARE(board.tables.elementCount(kTopSide, 1, 1, 1), 2);
        QCOMPARE(board.tables.record(1).resistance, 12.0);
        QCOMPARE(board.tables.record(1).kind, 1);
        const ElementRecord& second = board.tables.record(2);
        QVERIFY2(second.switchFlag == 1 && second.openFlag == 0 && second.wireFlag == 0,
                 "the flags read before the bad token are stored, the rest stays");
        QCOMPARE(second.resistance, 100.0);
        QVERIFY2(board.tables.record(3).wireFlag == 1 && board.tables.record(3).kind == 1,
                 "the end record of an unfinished branch is left alone");
    }

    // Found by fuzzing: a lane left without blocks kept the markers of the circuit before, so a
    // marker on no branch could be pressed.
    void hidesTheMarkersOfALaneLeftOut() {
        Board board;
        QVERIFY(board.markers.slot(1).visible);
        const DescriptionReading r = readDescription("1 259 56 259 256 2 1.5 2 1 4 0 0 0 x");
        QVERIFY(r.error.has_value());
        storeCircuitData(r, board.tables, board.markers);
        QCOMPARE(board.tables.blocks(kTopSide, 1), 0);
        for (int slot = 1; slot <= 108; ++slot)
            QVERIFY2(!board.markers.slot(slot).visible, "the top side shows no marker");
        QVERIFY2(board.markers.slot(109).visible, "the right side keeps its own");
    }
};

VOLTARO_TEST_CLASS(DescriptionStoreTest)
#include "tst_description_store.moc"
