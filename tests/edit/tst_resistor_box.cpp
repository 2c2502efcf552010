#include "app/dispatch.h"
#include "model/numbers.h"
#include "support/compare.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::StartedBench;

namespace {

constexpr int kSlot = 1;

void openBoxOn(Workbench& bench, int slot) {
    markerMouseDown(bench, MarkerRef::slot(slot), 3, 3);
    triggerMenu(bench, MenuId::Add1);
}

void typeAndConfirm(Workbench& bench, const QString& text, bool withEnter) {
    bench.widget(WidgetId::rveb).text = text.toStdString();
    if (withEnter)
        widgetEvent(bench, WidgetId::rveb, WidgetEvent::Enter);
    else
        widgetEvent(bench, WidgetId::okbt, WidgetEvent::Click);
}

// Every row twice: confirmed with the Ok button and with Enter in the edit.
template <typename AddRow> void withBothConfirmations(AddRow addRow) {
    for (bool enter : {false, true})
        addRow(enter, enter ? "Enter" : "Ok");
}

} // namespace

class ResistorBoxTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithThePresentValue() {
        StartedBench s;
        openBoxOn(s.bench, kSlot);
        const Widget& box = s.bench.widget(WidgetId::rvgb);
        QVERIFY2(box.visible, "the value box opens");
        QCOMPARE(box.tag, kSlot);
        QCOMPARE(s.bench.widget(WidgetId::rveb).text, std::string("100.00"));
        QVERIFY2(s.bench.ui.focus == WidgetId::rveb, "the edit takes the focus");

        triggerMenu(s.bench, MenuId::Bulb21);
        openBoxOn(s.bench, kSlot);
        QCOMPARE(s.bench.widget(WidgetId::rveb).text, std::string(" 10.00"));
        QCOMPARE(s.bench.model.tables.record(kSlot).kind, int(ElementKind::Resistor));
        QCOMPARE(s.bench.model.tables.record(kSlot).resistance, 10.0);
    }

    void liesBesideTheMarkerTowardsTheCentre_data() {
        QTest::addColumn<int>("markerLeft");
        QTest::addColumn<int>("markerTop");
        QTest::addColumn<int>("boxLeft");
        QTest::addColumn<int>("boxTop");
        // Board 770 x 528: halves at 385 and 264; the box is 121 x 89.
        QTest::newRow("upper left") << 100 << 100 << 100 << 100;
        QTest::newRow("upper right") << 600 << 100 << 479 << 100;
        QTest::newRow("lower left") << 100 << 400 << 100 << 311;
        QTest::newRow("lower right") << 600 << 400 << 479 << 311;
        QTest::newRow("just left of the middle") << 384 << 263 << 384 << 263;
        QTest::newRow("on the middle") << 385 << 264 << 264 << 175;
    }
    void liesBesideTheMarkerTowardsTheCentre() {
        QFETCH(int, markerLeft);
        QFETCH(int, markerTop);
        QFETCH(int, boxLeft);
        QFETCH(int, boxTop);
        StartedBench s;
        Marker& marker = s.bench.model.markers.slot(kSlot);
        marker.left = markerLeft;
        marker.top = markerTop;
        openBoxOn(s.bench, kSlot);
        QCOMPARE(s.bench.widget(WidgetId::rvgb).left, boxLeft);
        QCOMPARE(s.bench.widget(WidgetId::rvgb).top, boxTop);
    }

    void storesTypedNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<double>("ohms");
        QTest::addColumn<bool>("conductor");
        const struct {
            const char* name;
            const char* text;
            double ohms;
            bool conductor;
        } rows[] = {
            {"whole number", "25", 25.0, false},       {"padded as written", " 10.00", 10.0, false},
            {"blanks after", "3.5  ", 3.5, false},     {"exponent", "1e3", 1000.0, false},
            {"negative kept", "-5", -5.0, false},      {"zero makes a conductor", "0", 0.0, true},
            {"zero with decimals", "0.00", 0.0, true},
        };
        withBothConfirmations([&](bool enter, const char* how) {
            for (const auto& row : rows)
                QTest::addRow("%s (%s)", row.name, how)
                    << QString::fromLatin1(row.text) << enter << row.ohms << row.conductor;
        });
    }
    void storesTypedNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, enter);
        QFETCH(double, ohms);
        QFETCH(bool, conductor);
        StartedBench s;
        openBoxOn(s.bench, kSlot);
        typeAndConfirm(s.bench, text, enter);
        const ElementRecord& r = s.bench.model.tables.record(kSlot);
        VOLTARO_COMPARE_NEAR(r.resistance, ohms, 1e-12);
        QCOMPARE(r.isClosedConductor(), conductor);
        QCOMPARE(r.kind, int(ElementKind::Resistor));
        QCOMPARE(int(r.wireFlag), 0);
        QVERIFY2(!s.bench.widget(WidgetId::rvgb).visible, "the box closes");
        QVERIFY2(s.platform.errors.empty(), "a number is accepted without a message");
    }

    void refusesTextThatIsNoNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enter");
        const char* const rows[] = {"abc", "nan", "inf",   "-inf", "",
                                    "   ", "1,5", "12ohm", "1e999"};
        withBothConfirmations([&](bool enter, const char* how) {
            for (const char* text : rows)
                QTest::addRow("'%s' (%s)", text, how) << QString::fromLatin1(text) << enter;
        });
    }
    void refusesTextThatIsNoNumber() {
        QFETCH(QString, text);
        QFETCH(bool, enter);
        StartedBench s;
        openBoxOn(s.bench, kSlot);
        const ElementRecord before = s.bench.model.tables.record(kSlot);
        typeAndConfirm(s.bench, text, enter);
        QCOMPARE(s.platform.errors.size(), std::size_t(1));
        QCOMPARE(s.platform.errors.front(), invalidRealMessage(text.toStdString()).english());
        QVERIFY2(test::sameElement(s.bench.model.tables.record(kSlot), before),
                 "the record is unchanged");
        QVERIFY2(s.bench.widget(WidgetId::rvgb).visible, "the box stays open");
        QCOMPARE(s.bench.widget(WidgetId::rveb).text, text.toStdString());
    }

    void confirmsTheSlotItWasOpenedFor() {
        StartedBench s;
        const int other = 109;
        openBoxOn(s.bench, kSlot);
        markerMouseDown(s.bench, MarkerRef::slot(other), 3, 3);
        typeAndConfirm(s.bench, QStringLiteral("33"), false);
        QCOMPARE(s.bench.model.tables.record(kSlot).resistance, 33.0);
        QCOMPARE(s.bench.model.tables.record(other).resistance, 100.0);
    }

    void secondResistorRetargetsTheOpenBox() {
        StartedBench s;
        const int other = 109;
        openBoxOn(s.bench, kSlot);
        openBoxOn(s.bench, other);
        QCOMPARE(s.bench.widget(WidgetId::rvgb).tag, other);
        typeAndConfirm(s.bench, QStringLiteral("47"), true);
        QCOMPARE(s.bench.model.tables.record(other).resistance, 47.0);
        QCOMPARE(s.bench.model.tables.record(kSlot).resistance, 100.0);
    }

    void hiddenBoxIgnoresEnter() {
        StartedBench s;
        s.bench.widget(WidgetId::rvgb).tag = kSlot;
        s.bench.widget(WidgetId::rveb).text = "5";
        widgetEvent(s.bench, WidgetId::rveb, WidgetEvent::Enter);
        QCOMPARE(s.bench.model.tables.record(kSlot).resistance, 100.0);
    }
};

VOLTARO_TEST_CLASS(ResistorBoxTest)
#include "tst_resistor_box.moc"
