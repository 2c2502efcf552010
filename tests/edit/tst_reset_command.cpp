#include "app/dispatch.h"
#include "app/shell.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::StartedBench;

namespace {

// A workbench far from the default: a lesson's caption and list, a break, a locked circuit,
// the meter on, moved handles and an edited circuit.
void leaveTheDefaults(Workbench& bench) {
    bench.ui.caption = Text::verbatim("Circuits: Series #1");
    bench.circuits.count = 3;
    bench.widget(WidgetId::cirplayim).visible = true;
    bench.widget(WidgetId::clb).visible = true;
    bench.meter.breakCount = 1;
    bench.menu(MenuId::Break1).enabled = false;
    bench.menu(MenuId::Join1).enabled = true;
    bench.marker(MarkerId::ampsh).visible = true;
    bench.menu(MenuId::Options1).enabled = false;
    for (MenuId id : {MenuId::Add1, MenuId::Bulb1, MenuId::Wire2})
        bench.menu(id).enabled = false;
    bench.menu(MenuId::None1).checked = false;
    bench.menu(MenuId::Voltage1).checked = true;
    bench.marker(MarkerId::topsh).top = 150;
    bench.marker(MarkerId::botsh).left = 400;
    bench.model.tables.record(kCornerLinkSlot).openFlag = 1;
    bench.model.tables.blocks(kTopSide, 2) = 2;
    bench.model.tables.record(1).kind = ElementKind::Bulb2;
    bench.model.tables.record(1).switchFlag = 0;
}

} // namespace

class ResetCommandTest : public QObject {
    Q_OBJECT

private slots:
    void answeredNoChangesNothing() {
        StartedBench s;
        leaveTheDefaults(s.bench);
        const Workbench before = s.bench;
        triggerMenu(s.bench, MenuId::Reset1);
        QCOMPARE(s.platform.confirmations.size(), std::size_t(1));
        QCOMPARE(s.platform.confirmations.front(),
                 std::string("Resetting the circuit.  Reset now?"));
        const std::string difference = test::firstDifference(before, s.bench);
        QVERIFY2(difference.empty(), difference.c_str());
        QCOMPARE(s.bench.meter.breakCount, 1);
    }

    void answeredYesRestoresTheDefaults() {
        StartedBench fresh;
        StartedBench s;
        leaveTheDefaults(s.bench);
        s.platform.confirmAnswers = {true};
        triggerMenu(s.bench, MenuId::Reset1);
        QCOMPARE(s.bench.ui.caption.english(), std::string("Voltaro"));
        QCOMPARE(s.bench.circuits.count, 1);
        QCOMPARE(s.bench.meter.breakCount, 0);
        QVERIFY2(s.bench.model.menus.meterOff(), "the meter is off");
        QVERIFY2(s.bench.model.menus.optionsEnabled(), "the Options menu is enabled");
        QVERIFY2(s.bench.model.tables.record(kCornerLinkSlot).isClosedConductor(),
                 "the corner link is closed");
        QCOMPARE(s.bench.marker(MarkerId::topsh).left, 560);
        QCOMPARE(s.bench.marker(MarkerId::topsh).top, 112);
        QCOMPARE(s.bench.marker(MarkerId::botsh).left, 560);
        QCOMPARE(s.bench.marker(MarkerId::botsh).top, 464);
        // Nothing of what came before is left: the same as a Reset straight after start-up.
        fresh.platform.confirmAnswers = {true};
        triggerMenu(fresh.bench, MenuId::Reset1);
        const std::string difference = test::firstDifference(fresh.bench, s.bench);
        QVERIFY2(difference.empty(), difference.c_str());
    }
};

VOLTARO_TEST_CLASS(ResetCommandTest)
#include "tst_reset_command.moc"
