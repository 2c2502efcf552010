#include "app/dispatch.h"
#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/meter_controls.h"
#include "edit/meter_mode.h"
#include "support/test_runner.h"

using namespace voltaro;

namespace {

void widgetClick(Workbench& bench, WidgetId id) {
    widgetEvent(bench, id, WidgetEvent::Click);
}

QString text(const Workbench& bench, WidgetId id) {
    return QString::fromStdString(bench.widget(id).text);
}

QString caption(const Workbench& bench, WidgetId id) {
    return QString::fromStdString(bench.widget(id).caption.english());
}

} // namespace

class MeterControlsTest : public QObject {
    Q_OBJECT

private slots:
    void onFollowsTheModeButtons_data() {
        QTest::addColumn<bool>("amps");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("firstRange");
        QTest::newRow("Volts selected") << false << int(MeterMode::Voltage) << "V"
                                        << " 200 V";
        QTest::newRow("Amps selected") << true << int(MeterMode::Current) << "A"
                                       << "  20 A";
    }
    void onFollowsTheModeButtons() {
        QFETCH(bool, amps);
        QFETCH(int, mode);
        QFETCH(QString, unit);
        QFETCH(QString, firstRange);
        Workbench bench;
        startUp(bench);
        bench.widget(WidgetId::amprb).checked = amps;
        bench.widget(WidgetId::voltrb).checked = !amps;
        triggerMenu(bench, MenuId::On1);
        QVERIFY2(bench.menu(MenuId::On1).checked, "On carries its check mark");
        QCOMPARE(int(meterMode(bench)), mode);
        QCOMPARE(caption(bench, WidgetId::meterlb), unit);
        QCOMPARE(caption(bench, WidgetId::arb), firstRange);
        QCOMPARE(text(bench, WidgetId::currenteb), QStringLiteral("---"));
        const Widget& panel = bench.widget(WidgetId::meterpl);
        QVERIFY2(panel.visible && bench.marker(MarkerId::movesh).visible,
                 "the panel and its handle are shown");
        for (MarkerId lead : {MarkerId::vpos, MarkerId::vneg}) {
            const Marker& m = bench.marker(lead);
            QVERIFY2(m.visible, "the leads are shown");
            QCOMPARE(m.top, panel.top - 20);
        }
        QCOMPARE(bench.marker(MarkerId::vpos).left, panel.left + panel.width / 2 - 20);
        QCOMPARE(bench.marker(MarkerId::vneg).left, panel.left + panel.width / 2 + 20);

        triggerMenu(bench, MenuId::On1);
        QVERIFY2(!bench.menu(MenuId::On1).checked, "a second On takes the check mark off");
        QCOMPARE(int(meterMode(bench)), int(MeterMode::Off));
        QVERIFY2(bench.menu(MenuId::None1).checked, "Off carries the mode's check mark");
        QVERIFY2(!panel.visible && !bench.marker(MarkerId::vpos).visible &&
                     !bench.marker(MarkerId::vneg).visible,
                 "off hides the panel and the leads");
        QCOMPARE(caption(bench, WidgetId::meterlb), unit); // Off leaves the labels
    }

    void onFollowsAnOffFromElsewhere() {
        Workbench bench;
        startUp(bench);
        triggerMenu(bench, MenuId::On1);
        None1Click(bench, MenuId::None1); // as Reset turns the meter off
        QVERIFY2(!bench.menu(MenuId::On1).checked, "On loses its check mark");
        triggerMenu(bench, MenuId::On1);
        QCOMPARE(int(meterMode(bench)), int(MeterMode::Voltage));
    }

    void modeButtonsSwitchTheMode() {
        Workbench bench;
        startUp(bench);
        triggerMenu(bench, MenuId::On1);
        widgetClick(bench, WidgetId::amprb);
        QCOMPARE(int(meterMode(bench)), int(MeterMode::Current));
        QVERIFY(bench.widget(WidgetId::amprb).checked && !bench.widget(WidgetId::voltrb).checked);
        QCOMPARE(caption(bench, WidgetId::erb), QString::fromUtf8("200 \xC2\xB5"
                                                                  "A"));
        widgetClick(bench, WidgetId::voltrb);
        QCOMPARE(int(meterMode(bench)), int(MeterMode::Voltage));
        QCOMPARE(caption(bench, WidgetId::erb), QStringLiteral(" 20 mV"));
    }

    void rangeButtonsReformatTheSameReading_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("shown");
        QTest::newRow("200 V") << int(WidgetId::arb) << " 3.0";
        QTest::newRow("20 V") << int(WidgetId::brb) << "3.00";
        QTest::newRow("2 V") << int(WidgetId::crb) << "--O--";
        QTest::newRow("200 mV") << int(WidgetId::drb) << "--O--";
    }
    void rangeButtonsReformatTheSameReading() {
        QFETCH(int, button);
        QFETCH(QString, shown);
        Workbench bench;
        startUp(bench);
        triggerMenu(bench, MenuId::On1);
        bench.meter.reading = 3.0;
        widgetClick(bench, static_cast<WidgetId>(button));
        QCOMPARE(text(bench, WidgetId::currenteb), shown);
        QCOMPARE(selectedMeterRange(bench), bench.widget(static_cast<WidgetId>(button)).tag);
        QCOMPARE(bench.meter.reading, 3.0);
        int selected = 0;
        for (WidgetId id : meterRangeButtons())
            selected += bench.widget(id).checked ? 1 : 0;
        QVERIFY2(selected == 1, "exactly one range button is selected");
    }

    void fuseSurvivesModesUntilChanged() {
        Workbench bench;
        startUp(bench);
        QVERIFY2(!fuseBlown(bench), "the fuse starts intact");
        triggerMenu(bench, MenuId::On1);
        blowFuse(bench);
        bench.widget(WidgetId::currenteb).text = "1.23";
        widgetClick(bench, WidgetId::amprb);
        triggerMenu(bench, MenuId::On1);
        triggerMenu(bench, MenuId::On1);
        QVERIFY2(fuseBlown(bench), "no mode change mends the fuse");
        triggerMenu(bench, MenuId::ChangeFuse1);
        QVERIFY2(!fuseBlown(bench), "Change Fuse makes the display white");
        QCOMPARE(text(bench, WidgetId::currenteb), QStringLiteral("---"));
    }

    void secondMeterOnlyToggles() {
        Workbench bench;
        startUp(bench);
        QVERIFY2(!isReachable(bench.model.menus, MenuId::On2), "the second meter's menu is hidden");
        On2Click(bench, MenuId::On2);
        QVERIFY(bench.widget(WidgetId::meterpl2).visible);
        for (MarkerId id : {MarkerId::vpos2, MarkerId::vneg2, MarkerId::movesh2})
            QVERIFY(bench.marker(id).visible);
        QCOMPARE(int(meterMode(bench)), int(MeterMode::Off));
        QVERIFY2(!bench.widget(WidgetId::meterpl).visible, "the first meter stays off");
        On2Click(bench, MenuId::On2);
        QVERIFY(!bench.widget(WidgetId::meterpl2).visible &&
                !bench.marker(MarkerId::vpos2).visible);
    }
};

VOLTARO_TEST_CLASS(MeterControlsTest)
#include "tst_meter_controls.moc"
