#include "app/dispatch.h"
#include "bench/null_platform.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "support/scripted_platform.h"
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
        QCOMPARE(QString::fromStdString(bench.ui.caption.english()), QStringLiteral("Voltaro"));
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

    // Without a platform put in, the workbench's own declines every question, shows nothing and
    // holds no file; putting none back in returns to it.
    void aWorkbenchAloneTalksToItsNullPlatform() {
        Workbench bench;
        test::ScriptedPlatform scripted;
        bench.platform = &scripted;
        bench.platform = nullptr;
        Platform& platform = *bench.platform;
        QVERIFY(dynamic_cast<NullPlatform*>(&platform));
        QVERIFY(!platform.confirm(Text()));
        QVERIFY(!platform.openFileName({}) && !platform.saveFileName({}));
        QVERIFY(!platform.askName("Ann") && !platform.choosePrinter());
        QVERIFY(platform.currentDirectory().empty());
        QVERIFY(!platform.readFile("/pupil/set.cir"));
        QVERIFY(platform.replaceFile("/pupil/set.cir", "x") && platform.appendFile("/x", "x"));
        QVERIFY(platform.printPage({}));

        startUp(bench);
        bench.model.tables.record(1).kind = ElementKind::Resistor;
        triggerMenu(bench, MenuId::Reset1);
        QCOMPARE(bench.model.tables.record(1).kind, ElementKind::Resistor); // No to the question
        QVERIFY2(scripted.messageCount() == 0, "the platform taken out hears nothing");
    }
};

VOLTARO_TEST_CLASS(StartUpTest)
#include "tst_startup.moc"
