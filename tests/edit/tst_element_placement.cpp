#include "app/dispatch.h"
#include "support/circuits.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::StartedBench;

Q_DECLARE_METATYPE(voltaro::MenuId)

namespace {

void pressSlot(Workbench& bench, int slot) {
    markerMouseDown(bench, MarkerRef::slot(slot), 3, 3);
}

QString offeredEntries(const Workbench& bench) {
    QStringList offered;
    for (MenuId id : menuChildren(MenuId::secondpu))
        if (bench.menu(id).visible && !isSeparator(id))
            offered << QString::fromStdString(bench.menu(id).caption.english()) +
                           (bench.menu(id).enabled ? QString() : QStringLiteral("(off)"));
    return offered.join(QLatin1Char(','));
}

} // namespace

class ElementPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void menuOffersElementsOnlyBeforeTheBranchEnd_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("offered");
        const QString all = QStringLiteral("Resistor,Bulb,Switch (Closed),Wire,&Break,&Join(off)");
        const QString breakOnly = QStringLiteral("&Break,&Join(off)");
        for (int side : {kTopSide, kRightSide, kBottomSide}) {
            const int first = slotNumber(side, 1, 1, 1, 1);
            QTest::addRow("side %d node 1", side) << first << all;
            QTest::addRow("side %d node 2", side) << first + 1 << breakOnly;
        }
    }
    void menuOffersElementsOnlyBeforeTheBranchEnd() {
        QFETCH(int, slot);
        QFETCH(QString, offered);
        StartedBench s;
        s.bench.model.markers.slot(slot).left = 200;
        s.bench.model.markers.slot(slot).top = 150;
        pressSlot(s.bench, slot);
        QCOMPARE(offeredEntries(s.bench), offered);
        QCOMPARE(s.bench.ui.currentSlot, slot);
        QVERIFY(s.bench.ui.lastClicked == MarkerRef::slot(slot));
        QVERIFY2(s.bench.ui.popup.has_value(), "the element menu opens");
        QCOMPARE(s.bench.ui.popup->menu, MenuId::secondpu);
        QCOMPARE(s.bench.ui.popup->x, 210);
        QCOMPARE(s.bench.ui.popup->y, 160);
    }

    void breakMarkerOffersNoElements() {
        StartedBench s;
        Marker& ampsh = s.bench.marker(MarkerId::ampsh);
        ampsh.tag = 1;
        ampsh.visible = true;
        markerMouseDown(s.bench, MarkerRef::named(MarkerId::ampsh), 2, 2);
        QCOMPARE(offeredEntries(s.bench), QStringLiteral("&Break,&Join(off)"));
        QCOMPARE(s.bench.ui.currentSlot, 1);
        QVERIFY(s.bench.ui.lastClicked == MarkerRef::named(MarkerId::ampsh));
    }

    // Each entry writes some fields of the record and leaves the others; the record starts
    // with values no entry writes, so a field that should stay shows whether it stayed.
    void entryWritesItsFields_data() {
        QTest::addColumn<MenuId>("entry");
        QTest::addColumn<int>("switchFlag");
        QTest::addColumn<int>("openFlag");
        QTest::addColumn<int>("wireFlag");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("resistance");
        QTest::newRow("Resistor") << MenuId::Add1 << 0 << 1 << 0 << 1 << 42.0;
        QTest::newRow("Bulb #1") << MenuId::Bulb11 << 0 << 1 << 0 << 2 << 5.0;
        QTest::newRow("Bulb #2") << MenuId::Bulb21 << 0 << 1 << 0 << 3 << 10.0;
        QTest::newRow("Bulb #3") << MenuId::Bulb31 << 0 << 1 << 0 << 4 << 7.5;
        QTest::newRow("Open") << MenuId::Open3 << 1 << 1 << 0 << 6 << 42.0;
        QTest::newRow("Closed keeps the kind") << MenuId::Closed3 << 1 << 0 << 0 << 5 << 42.0;
        QTest::newRow("Wire") << MenuId::Wire2 << 1 << 0 << 1 << 0 << 42.0;
    }
    void entryWritesItsFields() {
        QFETCH(MenuId, entry);
        QFETCH(int, switchFlag);
        QFETCH(int, openFlag);
        QFETCH(int, wireFlag);
        QFETCH(int, kind);
        QFETCH(double, resistance);
        StartedBench s;
        const int slot = slotNumber(kRightSide, 1, 1, 1, 1);
        ElementRecord& r = s.bench.model.tables.record(slot);
        r.switchFlag = 1;
        r.openFlag = 1;
        r.wireFlag = 1;
        r.kind = static_cast<ElementKind>(5);
        r.resistance = 42.0;
        pressSlot(s.bench, slot);
        triggerMenu(s.bench, entry);
        QCOMPARE(int(r.switchFlag), switchFlag);
        QCOMPARE(int(r.openFlag), openFlag);
        QCOMPARE(int(r.wireFlag), wireFlag);
        QCOMPARE(int(r.kind), kind);
        QCOMPARE(r.resistance, resistance);
    }

    void loadEntriesSetTheSelectedKind() {
        StartedBench s;
        QCOMPARE(s.bench.ui.selectedKind, 2);
        for (MenuId entry : {MenuId::Bulb31, MenuId::Add1, MenuId::Bulb11}) {
            pressSlot(s.bench, 1);
            triggerMenu(s.bench, entry);
            QCOMPARE(s.bench.ui.selectedKind, s.bench.menu(entry).tag);
        }
    }

    void switchCaptionRemembersTheLastChoiceAnywhere() {
        StartedBench s;
        const int a = 1;
        const int b = 109;
        pressSlot(s.bench, a);
        triggerMenu(s.bench, MenuId::Open3);
        pressSlot(s.bench, a);
        QCOMPARE(s.bench.menu(MenuId::Switch1).caption.english(), std::string("Switch (Open)"));
        pressSlot(s.bench, b);
        QCOMPARE(s.bench.menu(MenuId::Switch1).caption.english(), std::string("Switch (Closed)"));
        triggerMenu(s.bench, MenuId::Closed3);
        pressSlot(s.bench, a);
        QVERIFY2(s.bench.model.tables.record(a).isOpen(), "slot A is still open");
        QCOMPARE(s.bench.menu(MenuId::Switch1).caption.english(), std::string("Switch (Closed)"));
        QCOMPARE(s.bench.menu(MenuId::Switch1).tag, 1);
    }

    void wireAndLoadsAlwaysShowClosed() {
        StartedBench s;
        pressSlot(s.bench, 1);
        triggerMenu(s.bench, MenuId::Open3);
        for (MenuId entry : {MenuId::Wire2, MenuId::Bulb21}) {
            pressSlot(s.bench, 1);
            triggerMenu(s.bench, entry);
            pressSlot(s.bench, 1);
            QCOMPARE(s.bench.menu(MenuId::Switch1).caption.english(),
                     std::string("Switch (Closed)"));
        }
    }

    void lockedCircuitSwitchesOnlyLoadedSwitches_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("switchable");
        QTest::newRow("loaded switch") << int(ElementKind::Switch) << true;
        QTest::newRow("wire") << int(ElementKind::Wire) << false;
        QTest::newRow("resistor") << int(ElementKind::Resistor) << false;
        QTest::newRow("bulb") << int(ElementKind::Bulb2) << false;
    }
    void lockedCircuitSwitchesOnlyLoadedSwitches() {
        QFETCH(int, kind);
        QFETCH(bool, switchable);
        StartedBench s;
        s.bench.menu(MenuId::Options1).enabled = false;
        s.bench.model.tables.record(1) = test::closedSwitch();
        s.bench.model.tables.record(1).kind = static_cast<ElementKind>(kind);
        pressSlot(s.bench, 1);
        QCOMPARE(s.bench.menu(MenuId::Switch1).enabled, switchable);
        triggerMenu(s.bench, MenuId::Open3);
        QCOMPARE(s.bench.model.tables.record(1).isOpen(), switchable);
    }

    void lightBulbOptionRanAtStartUp() {
        StartedBench s;
        QVERIFY2(s.bench.menu(MenuId::Lightbulb1).checked, "Light bulb is checked");
        QVERIFY2(!s.bench.menu(MenuId::reisitor1).checked, "Resistor is unchecked");
        QVERIFY2(!isReachable(s.bench.model.menus, MenuId::reisitor1),
                 "neither option is offered to the pupil");
    }
};

VOLTARO_TEST_CLASS(ElementPlacementTest)
#include "tst_element_placement.moc"
