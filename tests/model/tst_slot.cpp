#include "model/slot.h"
#include "support/test_runner.h"

using namespace voltaro;

Q_DECLARE_METATYPE(voltaro::SlotAddress)

class SlotTest : public QObject {
    Q_OBJECT

private slots:
    void decodesKnownSlots_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<SlotAddress>("address");
        QTest::newRow("first") << 1 << SlotAddress{1, 1, 1, 1, 1};
        QTest::newRow("last") << 432 << SlotAddress{4, 3, 3, 3, 4};
        QTest::newRow("right side start") << 109 << SlotAddress{2, 1, 1, 1, 1};
        QTest::newRow("bottom side start") << 325 << SlotAddress{4, 1, 1, 1, 1};
        QTest::newRow("corner link") << 217 << SlotAddress{3, 1, 1, 1, 1};
        QTest::newRow("end node of a 3-element branch") << 4 << SlotAddress{1, 1, 1, 1, 4};
        QTest::newRow("branch 2") << 5 << SlotAddress{1, 1, 1, 2, 1};
        QTest::newRow("block 2") << 13 << SlotAddress{1, 1, 2, 1, 1};
        QTest::newRow("lane 2") << 37 << SlotAddress{1, 2, 1, 1, 1};
        QTest::newRow("bottom-left end, 2 blocks, 3 elements") << 340 << SlotAddress{4, 1, 2, 1, 4};
    }
    void decodesKnownSlots() {
        QFETCH(int, slot);
        QFETCH(SlotAddress, address);
        const auto decoded = decodeSlot(slot);
        QVERIFY2(decoded.has_value(), "a slot in 1..432 decodes");
        QVERIFY2(*decoded == address, qPrintable(QStringLiteral("slot %1 decoded to %2,%3,%4,%5,%6")
                                                     .arg(slot)
                                                     .arg(decoded->side)
                                                     .arg(decoded->lane)
                                                     .arg(decoded->block)
                                                     .arg(decoded->branch)
                                                     .arg(decoded->position)));
        QCOMPARE(slotNumber(address), slot);
    }

    void everySlotRoundTrips() {
        for (int slot = 1; slot <= kSlots; ++slot) {
            const auto a = decodeSlot(slot);
            QVERIFY(a.has_value());
            QVERIFY2(a->side >= 1 && a->side <= kSides && a->lane >= 1 && a->lane <= kLanes &&
                         a->block >= 1 && a->block <= kBlocks && a->branch >= 1 &&
                         a->branch <= kBranches && a->position >= 1 && a->position <= kPositions,
                     qPrintable(QStringLiteral("slot %1 decodes inside the tables").arg(slot)));
            QCOMPARE(slotNumber(*a), slot);
        }
    }

    void refusesSlotsOutsideTheTables_data() {
        QTest::addColumn<int>("slot");
        QTest::newRow("zero, the meter's own side of a break") << 0;
        QTest::newRow("negative") << -999;
        QTest::newRow("one past the end") << 433;
        QTest::newRow("huge") << (1 << 30);
    }
    void refusesSlotsOutsideTheTables() {
        QFETCH(int, slot);
        QVERIFY2(!decodeSlot(slot).has_value(), "a slot outside 1..432 has no address");
    }

    void boundsCounts_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("bounded");
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("three") << 3 << 3;
        QTest::newRow("four") << 4 << 3;
        QTest::newRow("huge") << 1000000 << 3;
    }
    void boundsCounts() {
        QFETCH(int, count);
        QFETCH(int, bounded);
        QCOMPARE(boundedCount(count), bounded);
    }
};

VOLTARO_TEST_CLASS(SlotTest)
#include "tst_slot.moc"
