#include "app/dispatch.h"
#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/branch_tree.h"
#include "edit/meter_controls.h"
#include "edit/meter_mode.h"
#include "solver/brightness.h"
#include "support/circuits.h"
#include "support/compare.h"
#include "support/scripted_platform.h"
#include "support/test_runner.h"

#include <functional>
#include <string>
#include <utility>

using namespace voltaro;
using namespace voltaro::test;

namespace {

const MarkerRef kBlack = MarkerRef::named(MarkerId::vpos);
const MarkerRef kRed = MarkerRef::named(MarkerId::vneg);

// A started workbench with a circuit built into its tables, laid out and painted, and the meter
// on in the given mode.
struct Bench {
    Workbench bench;
    explicit Bench(const std::function<void(CircuitTables&)>& build, bool amps = false) {
        startUp(bench);
        build(bench.model.tables);
        getsizebt(bench);
        bench.widget(WidgetId::amprb).checked = amps;
        bench.widget(WidgetId::voltrb).checked = !amps;
        triggerMenu(bench, MenuId::On1);
    }
    Marker& at(MarkerRef ref) { return bench.model.markers.at(ref); }
    QString display() const {
        return QString::fromStdString(bench.widget(WidgetId::currenteb).text);
    }
};

// Bulb #1 then bulb #2 in the one branch of the top side: 0.2 A from 3.0 V; bulb #2 lies
// between the nodes of slots 2 and 3.
void seriesBulbs(CircuitTables& t) {
    setBranch(t, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1), bulb(ElementKind::Bulb2)});
}

// Drags a lead so that, before any snap, its top-left corner lies (dx, dy) from the target's.
void dropLead(Workbench& bench, MarkerRef lead, const Marker& target, int dx = 0, int dy = 0) {
    const Marker& m = bench.model.markers.at(lead);
    markerMouseDown(bench, lead, 3, 3);
    markerMouseMove(bench, lead, target.left + dx - m.left + 3, target.top + dy - m.top + 3);
    markerMouseUp(bench, lead, 3, 3);
}

void dropLead(Bench& b, MarkerRef lead, MarkerRef target, int dx = 0, int dy = 0) {
    dropLead(b.bench, lead, b.at(target), dx, dy);
}

// Presses a marker, which opens its menu.
void pressForMenu(Workbench& bench, MarkerRef ref) {
    markerMouseDown(bench, ref, 3, 3);
    QVERIFY2(bench.ui.popup.has_value(), "the press opens a menu");
}

void chooseRange(Workbench& bench, int range) {
    widgetEvent(bench, meterRangeButtons()[static_cast<std::size_t>(range - 1)],
                WidgetEvent::Click);
}

} // namespace

class MeterProbesTest : public QObject {
    Q_OBJECT

private slots:
    void voltmeterReadings_data() {
        QTest::addColumn<int>("black");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("shown");
        const auto named = [](MarkerId id) { return int(id); };
        const int neg = named(MarkerId::battneg), pos = named(MarkerId::battpos);
        QTest::newRow("battery on 20 V") << neg << pos << 2 << "3.00";
        QTest::newRow("battery on 2 V") << neg << pos << 3 << "--O--";
        QTest::newRow("battery on 200 V") << neg << pos << 1 << " 3.0";
        QTest::newRow("battery swapped") << pos << neg << 2 << "-3.00";
        QTest::newRow("corners across the loop")
            << named(MarkerId::cor1) << named(MarkerId::cor4) << 2 << "3.00";
    }
    void voltmeterReadings() {
        QFETCH(int, black);
        QFETCH(int, red);
        QFETCH(int, range);
        QFETCH(QString, shown);
        Bench b(seriesBulbs);
        chooseRange(b.bench, range);
        dropLead(b, kBlack, MarkerRef::named(static_cast<MarkerId>(black)));
        dropLead(b, kRed, MarkerRef::named(static_cast<MarkerId>(red)));
        QCOMPARE(b.display(), shown);
        QVERIFY2(!fuseBlown(b.bench), "a voltmeter never blows the fuse");
    }

    void voltmeterAcrossBulbTwo_data() {
        QTest::addColumn<int>("black");
        QTest::addColumn<int>("red");
        QTest::addColumn<QString>("shown");
        QTest::newRow("left node black") << 2 << 3 << "2.00";
        QTest::newRow("leads swapped") << 3 << 2 << "-2.00";
        QTest::newRow("across bulb one") << 1 << 2 << "1.00";
    }
    void voltmeterAcrossBulbTwo() {
        QFETCH(int, black);
        QFETCH(int, red);
        QFETCH(QString, shown);
        Bench b(seriesBulbs);
        chooseRange(b.bench, 2);
        dropLead(b, kBlack, MarkerRef::slot(black));
        dropLead(b, kRed, MarkerRef::slot(red));
        QCOMPARE(b.display(), shown);
        QCOMPARE(b.bench.meter.leadSlot[1], black);
        QCOMPARE(b.bench.meter.leadSlot[2], red);
    }

    // After a handle drag or a file loaded the leads stay on the markers of their slots; a lead
    // whose point is gone is parked and reads nothing. A file loaded also ends a break.
    void leadsStayOnTheirPointsWhenTheLayoutChanges_data() {
        QTest::addColumn<QString>("read"); // the circuit of a file loaded after the leads are put
        QTest::addColumn<bool>("broken");  // ammeter, black lead on the break marker of slot 3
        QTest::addColumn<QString>("shown");
        const QString header = "1 400 112 400 400 2 1.5 2 1 4 0 0 1 0 0 1 0 0 1 0 0 1 0 0 ";
        const QString rest = "0 0 1 1 0 1 1.00 0 0 0 1 1 0 0 0.00 0 0 0 1 1 0 1 1.00 0 0 0 *";
        QTest::newRow("handle drag") << QString() << false << "2.00";
        QTest::newRow("two bulbs #1 loaded")
            << header + "2 0 0 0 5.00 2 0 0 0 5.00 2 0 " + rest << false << "1.50";
        QTest::newRow("one bulb loaded over a break: both points gone")
            << header + "1 0 0 0 5.00 2 0 " + rest << true << "---";
    }
    void leadsStayOnTheirPointsWhenTheLayoutChanges() {
        QFETCH(QString, read);
        QFETCH(bool, broken);
        QFETCH(QString, shown);
        Bench b(seriesBulbs, broken);
        chooseRange(b.bench, 2);
        if (broken) {
            pressForMenu(b.bench, MarkerRef::slot(3));
            triggerMenu(b.bench, MenuId::Break1);
        }
        dropLead(b, kBlack, broken ? MarkerRef::named(MarkerId::ampsh) : MarkerRef::slot(2));
        dropLead(b, kRed, MarkerRef::slot(3));
        const int oldLeft = b.at(MarkerRef::slot(2)).left;
        if (read.isEmpty()) {
            const MarkerRef handle = MarkerRef::named(MarkerId::botsh);
            markerMouseDown(b.bench, handle, 3, 3);
            markerMouseMove(b.bench, handle, -100, -60);
            markerMouseUp(b.bench, handle, 3, 3);
        } else {
            ScriptedPlatform platform;
            b.bench.platform = &platform;
            platform.files["/pupil/next.cir"] = "START CIRCUIT DATA\n" + read.toStdString() + "\n";
            platform.openAnswers.push_back("/pupil/next.cir");
            triggerMenu(b.bench, MenuId::LoadCircuit1);
            widgetEvent(b.bench, WidgetId::nextbt, WidgetEvent::Click);
            widgetEvent(b.bench, WidgetId::ybt, WidgetEvent::Click);
            QVERIFY(platform.errors.empty() && platform.warnings.empty());
        }
        QVERIFY2(b.at(MarkerRef::slot(2)).left != oldLeft, "the layout moved");
        const Widget& panel = b.bench.widget(WidgetId::meterpl);
        const int centre = panel.left + panel.width / 2;
        const Marker black =
            broken ? Marker{centre - 20, panel.top - 20} : b.at(MarkerRef::slot(2));
        const Marker red = broken ? Marker{centre + 20, panel.top - 20} : b.at(MarkerRef::slot(3));
        QCOMPARE(QPoint(b.at(kBlack).left, b.at(kBlack).top), QPoint(black.left, black.top));
        QCOMPARE(QPoint(b.at(kRed).left, b.at(kRed).top), QPoint(red.left, red.top));
        QCOMPARE(b.display(), shown);
        QVERIFY2(!b.bench.marker(MarkerId::ampsh).visible && b.bench.menu(MenuId::Break1).enabled,
                 "no break is left");
    }

    void switchingTheMeterOffAndOnTakesTheLeadsOffTheirPoints() {
        Bench b(seriesBulbs);
        dropLead(b, kBlack, MarkerRef::slot(2));
        dropLead(b, kRed, MarkerRef::slot(3));
        triggerMenu(b.bench, MenuId::On1);
        triggerMenu(b.bench, MenuId::On1);
        QCOMPARE(b.display(), QStringLiteral("---"));
        QCOMPARE(b.bench.meter.leadSlot[2], kNoLeadSlot);
    }

    void openSwitchTakesAlmostTheWholeSupply() {
        Bench b([](CircuitTables& t) {
            setBranch(t, kTopSide, 1, 1, 1, {openSwitch()});
            setBranch(t, kRightSide, 1, 1, 1, {bulb(ElementKind::Bulb2)});
        });
        dropLead(b, kBlack, MarkerRef::slot(1));
        dropLead(b, kRed, MarkerRef::slot(2));
        VOLTARO_COMPARE_NEAR(b.bench.meter.reading, 3.0, 1e-5);
        QVERIFY2(b.bench.meter.reading < 3.0, "the rest of the loop keeps a tiny share");
    }

    void leadsMeasureTheSlotsOfTheirPoints_data() {
        QTest::addColumn<int>("point");
        QTest::addColumn<int>("slot");
        QTest::newRow("top-right corner") << int(MarkerId::cor2) << 109;
        QTest::newRow("bottom-right corner") << int(MarkerId::cor3) << 217;
        QTest::newRow("battery negative") << int(MarkerId::battneg) << 1;
        QTest::newRow("battery positive") << int(MarkerId::battpos) << 326;
    }
    void leadsMeasureTheSlotsOfTheirPoints() {
        QFETCH(int, point);
        QFETCH(int, slot);
        Bench b(seriesBulbs);
        dropLead(b, kRed, MarkerRef::named(static_cast<MarkerId>(point)));
        QCOMPARE(b.bench.meter.leadSlot[2], slot);
    }

    void snapsWithinThreePixels_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("snaps");
        for (int d : {-4, -3, 3, 4}) {
            const bool near = d > -4 && d < 4;
            QTest::newRow(qPrintable(QStringLiteral("%1 across").arg(d))) << d << 0 << near;
            QTest::newRow(qPrintable(QStringLiteral("%1 down").arg(d))) << 0 << d << near;
            QTest::newRow(qPrintable(QStringLiteral("%1 both ways").arg(d))) << d << d << near;
        }
        QTest::newRow("3 across, 4 down") << 3 << 4 << false;
    }
    void snapsWithinThreePixels() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, snaps);
        Bench b(seriesBulbs);
        const Marker& node = b.at(MarkerRef::slot(2));
        dropLead(b, kRed, MarkerRef::slot(2), dx, dy);
        const Marker& lead = b.at(kRed);
        if (snaps) {
            QVERIFY2(lead.left == node.left && lead.top == node.top, "the lead lies on the node");
            QCOMPARE(b.bench.meter.leadSlot[2], 2);
            VOLTARO_COMPARE_NEAR(b.bench.meter.leadPotential[2], 1.0, 1e-9);
        } else {
            QCOMPARE(lead.left, node.left + dx);
            QCOMPARE(lead.top, node.top + dy);
            QCOMPARE(b.bench.meter.leadSlot[2], kNoLeadSlot);
            QCOMPARE(b.bench.meter.leadPotential[2], kOpenSentinel);
        }
    }

    // The search goes on after a hit, comparing the later points with the snapped place.
    void snapSearchDoesNotStopAtTheFirstHit() {
        Bench b(seriesBulbs);
        Marker& negative = b.at(MarkerRef::named(MarkerId::battneg));
        Marker& corner = b.at(MarkerRef::named(MarkerId::cor1));
        negative.left = 600;
        negative.top = 60;
        corner.left = 603;
        corner.top = 63;
        dropLead(b.bench, kBlack, negative, -3, -3);
        QCOMPARE(b.at(kBlack).left, 603);
        QCOMPARE(b.at(kBlack).top, 63);
    }

    void hiddenBreakMarkerStillCatchesALead() {
        Bench b(seriesBulbs);
        QVERIFY(!b.at(MarkerRef::named(MarkerId::ampsh)).visible);
        dropLead(b, kBlack, MarkerRef::named(MarkerId::ampsh), 2, -2);
        QCOMPARE(b.bench.meter.leadSlot[1], 0);
        QCOMPARE(b.bench.meter.leadPotential[1], 0.0);
    }

    void leadReleasedOverThePanelIsParked_data() {
        QTest::addColumn<int>("dx"); // from the panel's top-left corner
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("parked");
        QTest::newRow("inside") << 50 << 50 << true;
        QTest::newRow("14 above") << 50 << -14 << true;
        QTest::newRow("15 above") << 50 << -15 << false;
        QTest::newRow("14 left") << -14 << 50 << true;
        QTest::newRow("15 left") << -15 << 50 << false;
        QTest::newRow("14 below") << 50 << 145 + 14 << true;
        QTest::newRow("15 below") << 50 << 145 + 15 << false;
        QTest::newRow("15 right") << 193 + 15 << 50 << false;
    }
    void leadReleasedOverThePanelIsParked() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, parked);
        Bench b(seriesBulbs);
        dropLead(b, kRed, MarkerRef::slot(2));
        const Widget& panel = b.bench.widget(WidgetId::meterpl);
        Marker target;
        target.left = panel.left + dx;
        target.top = panel.top + dy;
        dropLead(b.bench, kRed, target);
        const Marker& lead = b.at(kRed);
        if (parked) {
            QCOMPARE(lead.top, panel.top - 20);
            QCOMPARE(lead.left, panel.left + 2 * (193 / 3));
        } else {
            QCOMPARE(lead.left, target.left);
            QCOMPARE(lead.top, target.top);
        }
        QCOMPARE(b.display(), QStringLiteral("---"));
    }

    void leadsStayPutWhileTheMeterIsOff() {
        Bench b(seriesBulbs);
        triggerMenu(b.bench, MenuId::On1);
        const int left = b.at(kBlack).left;
        dropLead(b, kBlack, MarkerRef::slot(2));
        QCOMPARE(b.at(kBlack).left, left);
        QCOMPARE(b.bench.meter.leadSlot[1], kNoLeadSlot);
    }

    void ammeterWithoutABreakBlowsTheFuse() {
        Bench b(seriesBulbs, true);
        QCOMPARE(b.bench.marker(MarkerId::ampsh).tag, 0);
        dropLead(b, kBlack, MarkerRef::slot(1));
        QVERIFY2(!fuseBlown(b.bench), "one lead alone does no harm");
        dropLead(b, kRed, MarkerRef::slot(3));
        QVERIFY2(fuseBlown(b.bench), "across two points of an unbroken circuit the fuse blows");
        QCOMPARE(b.display(), QStringLiteral("---")); // no break: the reading refers to nothing
        triggerMenu(b.bench, MenuId::ChangeFuse1);
        QVERIFY2(!fuseBlown(b.bench), "Change Fuse mends it");
        QCOMPARE(b.display(), QStringLiteral("---"));
        dropLead(b, kRed, MarkerRef::slot(2));
        QVERIFY2(fuseBlown(b.bench), "the next reading blows it again");
    }

    void ammeterInSeriesAcrossABreakAtTheEndNode() {
        Bench b(seriesBulbs, true);
        const Marker& end = b.at(MarkerRef::slot(3));
        pressForMenu(b.bench, MarkerRef::slot(3));
        triggerMenu(b.bench, MenuId::Break1);
        const Marker& breakMarker = b.at(MarkerRef::named(MarkerId::ampsh));
        QVERIFY2(breakMarker.visible, "the break marker appears");
        QCOMPARE(breakMarker.left, end.left - 15);
        QCOMPARE(breakMarker.top, end.top);
        QCOMPARE(breakMarker.tag, 3);
        for (int slot : {1, 2})
            QCOMPARE(b.bench.model.tables.record(slot).current, 0.0);
        QVERIFY(!b.bench.menu(MenuId::Break1).enabled && b.bench.menu(MenuId::Join1).enabled);

        dropLead(b, kBlack, MarkerRef::named(MarkerId::ampsh));
        dropLead(b, kRed, MarkerRef::slot(3));
        QCOMPARE(b.display(), QStringLiteral("0.20"));
        QVERIFY2(!fuseBlown(b.bench), "in series the fuse holds");
        QVERIFY2(b.bench.model.tables.record(3).isClosedConductor(), "the meter closes the gap");
        VOLTARO_COMPARE_NEAR(b.bench.model.tables.record(1).current, 0.2, 1e-9);

        Marker away;
        away.left = 700;
        away.top = 500;
        dropLead(b.bench, kBlack, away);
        QCOMPARE(b.display(), QStringLiteral("---"));
        QVERIFY2(b.bench.model.tables.record(3).isOpen(), "the branch is open again");
        QVERIFY(!fuseBlown(b.bench));
        dropLead(b, kBlack, MarkerRef::slot(1));
        QVERIFY2(fuseBlown(b.bench), "both leads on points but not across the gap");
    }

    void breakMarkerPlacement_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        // One resistor on each side: positions 1 and the end node 2.
        QTest::newRow("top, first node") << 1 << 15 << 0;
        QTest::newRow("top, end node") << 2 << -15 << 0;
        QTest::newRow("right, first node") << 109 << 0 << 15;
        QTest::newRow("right, end node") << 110 << 0 << -15;
        QTest::newRow("bottom, first node") << 325 << -15 << 0;
        QTest::newRow("bottom, end node") << 326 << 15 << 0;
    }
    void breakMarkerPlacement() {
        QFETCH(int, slot);
        QFETCH(int, dx);
        QFETCH(int, dy);
        Bench b([](CircuitTables& t) {
            for (int side : {kTopSide, kRightSide, kBottomSide})
                setBranch(t, side, 1, 1, 1, {resistor(5.0)});
        });
        const Marker& node = b.at(MarkerRef::slot(slot));
        pressForMenu(b.bench, MarkerRef::slot(slot));
        triggerMenu(b.bench, MenuId::Break1);
        const Marker& breakMarker = b.at(MarkerRef::named(MarkerId::ampsh));
        QCOMPARE(breakMarker.left, node.left + dx);
        QCOMPARE(breakMarker.top, node.top + dy);
        const int endRecord = slot + slot % 2; // each branch has one resistor: nodes 1 and 2
        QVERIFY2(b.bench.model.tables.record(endRecord).isOpen(), "the branch's end record opens");
        QCOMPARE(b.bench.results.totalCurrent, 3.0 / (kOpenSideResistance + 10.0));
    }

    // The break lives in the branch's end record; changing the branch's element count while
    // broken moves it to the new end, and "&Join" then closes the whole branch again.
    void breakFollowsElementCount_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("more elements") << 3;
        QTest::newRow("fewer elements") << 1;
    }
    void breakFollowsElementCount() {
        QFETCH(int, count);
        Bench b(seriesBulbs, true);
        pressForMenu(b.bench, MarkerRef::slot(1));
        triggerMenu(b.bench, MenuId::Break1);
        setBranchElements(b.bench, kTopSide, 1, 1, 1, count);
        const CircuitTables& t = b.bench.model.tables;
        for (int slot = 1; slot <= 4; ++slot)
            QCOMPARE(t.record(slot).isOpen(), slot == count + 1);

        pressForMenu(b.bench, MarkerRef::named(MarkerId::ampsh));
        triggerMenu(b.bench, MenuId::Join1);
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY2(!t.record(slot).isOpen(), "no record of the branch stays open");
        QVERIFY2(brightnessOf(t.record(1).voltage, t.record(1).current) > 0, "the bulb lights");
    }

    void cornerBreak_data() {
        QTest::addColumn<int>("corner");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("cor1") << int(MarkerId::cor1) << 0 << 15;
        QTest::newRow("cor2") << int(MarkerId::cor2) << -15 << 0;
        QTest::newRow("cor3") << int(MarkerId::cor3) << 0 << -15;
        QTest::newRow("cor4") << int(MarkerId::cor4) << 0 << -15;
    }
    void cornerBreak() {
        QFETCH(int, corner);
        QFETCH(int, dx);
        QFETCH(int, dy);
        Bench b(seriesBulbs, true);
        const MarkerRef ref = MarkerRef::named(static_cast<MarkerId>(corner));
        pressForMenu(b.bench, ref);
        triggerMenu(b.bench, MenuId::Break1);
        const Marker& breakMarker = b.at(MarkerRef::named(MarkerId::ampsh));
        QCOMPARE(breakMarker.left, b.at(ref).left + dx);
        QCOMPARE(breakMarker.top, b.at(ref).top + dy);
        const CircuitTables& t = b.bench.model.tables;
        QVERIFY2(t.record(kCornerLinkSlot).isOpen(), "the corner link opens");
        for (int slot : {1, 2})
            QVERIFY2(brightnessOf(t.record(slot).voltage, t.record(slot).current) == 0,
                     "every bulb goes dark");

        dropLead(b, kBlack, ref);
        dropLead(b, kRed, MarkerRef::named(MarkerId::ampsh));
        QVERIFY2(t.record(kCornerLinkSlot).isClosedConductor(), "the meter closes the link");
        VOLTARO_COMPARE_NEAR(std::fabs(b.bench.meter.reading), 0.2, 1e-9);
        QVERIFY2(!fuseBlown(b.bench), "in series across the corner the fuse holds");
        QVERIFY2(brightnessOf(t.record(2).voltage, t.record(2).current) > 0, "the bulbs light");

        // Join from the break marker's menu restores everything.
        pressForMenu(b.bench, MarkerRef::named(MarkerId::ampsh));
        triggerMenu(b.bench, MenuId::Join1);
        QVERIFY(!breakMarker.visible);
        QVERIFY2(t.record(kCornerLinkSlot).isClosedConductor(), "the loop is closed");
        QVERIFY(b.bench.menu(MenuId::Break1).enabled && !b.bench.menu(MenuId::Join1).enabled);
        QCOMPARE(b.bench.meter.breakCount, 0);
        QCOMPARE(b.display(), QStringLiteral("---"));
        QVERIFY2(!fuseBlown(b.bench), "joining does not blow the fuse");
        const Widget& panel = b.bench.widget(WidgetId::meterpl);
        QCOMPARE(b.at(kBlack).left, panel.left + panel.width / 2 - 20);
        QCOMPARE(b.at(kRed).top, panel.top - 20);
        VOLTARO_COMPARE_NEAR(t.record(2).current, 0.2, 1e-9);
    }

    void cornerAmmeterSign_data() {
        QTest::addColumn<int>("corner");
        QTest::addColumn<bool>("redOnBreakMarker");
        QTest::addColumn<double>("sign");
        // The current crosses the gap from the corner to its break marker, except at cor4,
        // where it comes down the left edge from the battery through the break marker.
        const std::pair<MarkerId, double> signWithRedOnBreakMarker[] = {{MarkerId::cor1, -1.0},
                                                                        {MarkerId::cor2, -1.0},
                                                                        {MarkerId::cor3, -1.0},
                                                                        {MarkerId::cor4, 1.0}};
        for (const auto& [corner, sign] : signWithRedOnBreakMarker) {
            const std::string name = markerName(corner);
            QTest::newRow((name + ", red on the break marker").c_str())
                << int(corner) << true << sign;
            QTest::newRow((name + ", black on the break marker").c_str())
                << int(corner) << false << -sign;
        }
    }
    void cornerAmmeterSign() {
        QFETCH(int, corner);
        QFETCH(bool, redOnBreakMarker);
        QFETCH(double, sign);
        Bench b(seriesBulbs, true);
        const MarkerRef ref = MarkerRef::named(static_cast<MarkerId>(corner));
        const MarkerRef gap = MarkerRef::named(MarkerId::ampsh);
        pressForMenu(b.bench, ref);
        triggerMenu(b.bench, MenuId::Break1);
        dropLead(b, redOnBreakMarker ? kBlack : kRed, ref);
        dropLead(b, redOnBreakMarker ? kRed : kBlack, gap);
        VOLTARO_COMPARE_NEAR(b.bench.meter.reading, sign * 0.2, 1e-9);
    }

    void joinNeedsTheBreaksOwnMarker() {
        Bench b(seriesBulbs, true);
        pressForMenu(b.bench, MarkerRef::slot(3));
        triggerMenu(b.bench, MenuId::Break1);
        pressForMenu(b.bench, MarkerRef::slot(1));
        triggerMenu(b.bench, MenuId::Join1);
        QVERIFY2(b.bench.marker(MarkerId::ampsh).visible, "another marker's Join keeps the break");
        QVERIFY(b.bench.model.tables.record(3).isOpen());
        pressForMenu(b.bench, MarkerRef::slot(3));
        triggerMenu(b.bench, MenuId::Join1);
        QVERIFY(!b.bench.marker(MarkerId::ampsh).visible);
        QVERIFY2(b.bench.model.tables.record(3).isClosedConductor(), "the branch conducts again");
        VOLTARO_COMPARE_NEAR(b.bench.model.tables.record(1).current, 0.2, 1e-9);
    }
};

VOLTARO_TEST_CLASS(MeterProbesTest)
#include "tst_meter_probes.moc"
