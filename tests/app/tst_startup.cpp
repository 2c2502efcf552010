#include "bench/operations.h"
#include "bench/workbench.h"
#include "support/test_runner.h"

using namespace voltaro;

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheDefaultCircuitSolved() {
        Workbench bench;
        startUp(bench);
        const Model& m = bench.model;
        QCOMPARE(m.source.supplyVoltage, 3.0);
        QCOMPARE(m.source.cellValue, 1.5);
        QCOMPARE(m.source.variableSetting, 5.0);
        QCOMPARE(m.menus.cellsInSeries(), 2);
        QCOMPARE(bench.results.totalResistance, 0.0);
        QCOMPARE(bench.results.totalCurrent, kOpenSideResistance);
        QCOMPARE(m.markers[MarkerId::cor4].tag, 326);
        QCOMPARE(QString::fromStdString(bench.ui.caption), QStringLiteral("Voltaro"));
        for (int slot : {1, 2, 109, 110, 325, 326})
            QVERIFY2(m.markers.slot(slot).visible,
                     qPrintable(QStringLiteral("slot marker %1 shown").arg(slot)));
        QVERIFY2(!m.markers.slot(217).visible, "the hidden side shows no marker");
    }

    void resetEndsACornerBreakAndClearsTheLeads() {
        Workbench bench;
        startUp(bench);
        bench.model.tables.record(kCornerLinkSlot).openFlag = 1;
        bench.meter.leadSlot[1] = 5;
        bench.meter.leadPotential[2] = 1.0;
        resistrestbt(bench);
        QVERIFY(bench.model.tables.record(kCornerLinkSlot).isClosedConductor());
        QCOMPARE(bench.meter.leadSlot[1], kNoLeadSlot);
        QCOMPARE(bench.meter.leadPotential[2], kOpenSentinel);
    }
};

VOLTARO_TEST_CLASS(StartUpTest)
#include "tst_startup.moc"
