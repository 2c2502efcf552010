#include "app/dispatch.h"
#include "model/numbers.h"
#include "support/compare.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::StartedBench;

Q_DECLARE_METATYPE(voltaro::MenuId)

namespace {

constexpr double kVolts = 1e-9;

void pressTerminal(Workbench& bench, MarkerId terminal) {
    markerMouseDown(bench, MarkerRef::named(terminal), 3, 3);
}

// Chooses an entry of the battery menu as the pupil does: through the terminal's popup.
void chooseFromBattery(Workbench& bench, MenuId entry) {
    pressTerminal(bench, MarkerId::battneg);
    triggerMenu(bench, entry);
}

// A drag over the board from the dial's middle height, X relative to the Left of `battneg`.
void dragAt(Workbench& bench, int dx, int dy = 0) {
    const Marker& negative = bench.marker(MarkerId::battneg);
    const Marker& positive = bench.marker(MarkerId::battpos);
    const int y = (negative.top + positive.top) / 2 - 20 + dy;
    circuitMouseDown(bench, negative.left, y);
    circuitMouseMove(bench, negative.left + dx, y);
    circuitMouseUp(bench, negative.left + dx, y);
}

std::string caption(const Workbench& bench, MenuId id) {
    return bench.menu(id).caption.english();
}

} // namespace

class SourceConfigTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTwoCellsOfThreeVolts() {
        StartedBench s;
        QCOMPARE(s.bench.model.menus.sourceKind(), SourceKind::Cells);
        QCOMPARE(s.bench.model.menus.cellsInSeries(), 2);
        QCOMPARE(s.bench.model.menus.cellsInParallel(), 1);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, 3.0, kVolts);
    }

    void seriesSetsTheSupplyAndParallelKeepsIt() {
        StartedBench s;
        chooseFromBattery(s.bench, MenuId::N41);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, 6.0, kVolts);
        QCOMPARE(caption(s.bench, MenuId::Numser1), std::string("Number in &Series (4)"));
        chooseFromBattery(s.bench, MenuId::N311);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, 6.0, kVolts);
        QCOMPARE(s.bench.model.menus.cellsInParallel(), 3);
        QCOMPARE(caption(s.bench, MenuId::NumPar1), std::string("Number in &Parallel (3)"));
    }

    void variableThenCells() {
        StartedBench s;
        chooseFromBattery(s.bench, MenuId::N41);
        triggerMenu(s.bench, MenuId::Variable1);
        QCOMPARE(s.bench.model.menus.sourceKind(), SourceKind::Variable);
        QCOMPARE(caption(s.bench, MenuId::Source1), std::string("Source (Variable)"));
        QCOMPARE(caption(s.bench, MenuId::Numser1), std::string("Number in &Series (2)"));
        QCOMPARE(s.bench.model.menus.cellsInParallel(), 1);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, 5.0, kVolts);

        triggerMenu(s.bench, MenuId::Cells1);
        QCOMPARE(caption(s.bench, MenuId::Source1), std::string("Source (Cells)"));
        QCOMPARE(s.bench.model.menus.cellsInSeries(), 1);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, 1.5, kVolts);
    }

    void batteryMenuOnlyForCellsInAnUnlockedCircuit_data() {
        QTest::addColumn<bool>("variable");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("opens");
        QTest::newRow("cells") << false << false << true;
        QTest::newRow("variable supply") << true << false << false;
        QTest::newRow("locked cells") << false << true << false;
    }
    void batteryMenuOnlyForCellsInAnUnlockedCircuit() {
        QFETCH(bool, variable);
        QFETCH(bool, locked);
        QFETCH(bool, opens);
        StartedBench s;
        if (variable)
            triggerMenu(s.bench, MenuId::Variable1);
        s.bench.menu(MenuId::Options1).enabled = !locked;
        for (MarkerId terminal : {MarkerId::battneg, MarkerId::battpos}) {
            s.bench.ui.popup.reset();
            pressTerminal(s.bench, terminal);
            QCOMPARE(s.bench.ui.popup.has_value(), opens);
            if (opens) {
                const Marker& m = s.bench.marker(terminal);
                QCOMPARE(s.bench.ui.popup->menu, MenuId::battpu);
                QCOMPARE(s.bench.ui.popup->x, m.left + 10);
                QCOMPARE(s.bench.ui.popup->y, m.top + 10);
            }
        }
    }

    void cellValueBoxShowsSixCharacters_data() {
        QTest::addColumn<double>("cellValue");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.5") << 1.5 << QStringLiteral("   1.5");
        QTest::newRow("12.5") << 12.5 << QStringLiteral("  12.5");
        QTest::newRow("zero") << 0.0 << QStringLiteral("   0.0");
        QTest::newRow("negative") << -3.0 << QStringLiteral("  -3.0");
        QTest::newRow("0.07 as stored") << 0.07 << QStringLiteral("  0.07");
        QTest::newRow("1.25 as stored") << 1.25 << QStringLiteral("  1.25");
    }
    void cellValueBoxShowsSixCharacters() {
        QFETCH(double, cellValue);
        QFETCH(QString, text);
        StartedBench s;
        s.bench.model.source.cellValue = cellValue;
        chooseFromBattery(s.bench, MenuId::CellValue1);
        QVERIFY2(s.bench.widget(WidgetId::battgb).visible, "the cell value box opens");
        QCOMPARE(QString::fromStdString(s.bench.widget(WidgetId::batteb).text), text);
        QVERIFY2(s.bench.ui.focus == WidgetId::batteb, "the edit takes the focus");
    }

    void acceptsCellValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<double>("cell");
        const struct {
            const char* name;
            const char* text;
            double cell;
        } rows[] = {
            {"two volts", "2", 2.0},    {"as shown", "   1.5", 1.5}, {"empty is zero", "", 0.0},
            {"negative", "-1.5", -1.5}, {"large", "1e6", 1e6},
        };
        for (bool enter : {false, true})
            for (const auto& row : rows)
                QTest::addRow("%s (%s)", row.name, enter ? "Enter" : "Ok")
                    << QString::fromLatin1(row.text) << enter << row.cell;
    }
    void acceptsCellValues() {
        QFETCH(QString, text);
        QFETCH(bool, enter);
        QFETCH(double, cell);
        StartedBench s;
        chooseFromBattery(s.bench, MenuId::CellValue1);
        s.bench.widget(WidgetId::batteb).text = text.toStdString();
        widgetEvent(s.bench, enter ? WidgetId::batteb : WidgetId::battokbt,
                    enter ? WidgetEvent::Enter : WidgetEvent::Click);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.cellValue, cell, kVolts);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, 2 * cell, kVolts);
        QVERIFY2(!s.bench.widget(WidgetId::battgb).visible, "the box closes");
        QVERIFY2(s.platform.errors.empty(), "no message for a number");
    }

    void refusesCellValuesThatAreNoNumber_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"abc", "nan", "inf", "1,5", "   ", "2V"})
            QTest::addRow("'%s'", text) << QString::fromLatin1(text);
    }
    void refusesCellValuesThatAreNoNumber() {
        QFETCH(QString, text);
        StartedBench s;
        chooseFromBattery(s.bench, MenuId::CellValue1);
        s.bench.widget(WidgetId::batteb).text = text.toStdString();
        widgetEvent(s.bench, WidgetId::batteb, WidgetEvent::Enter);
        QCOMPARE(s.platform.errors.size(), std::size_t(1));
        QCOMPARE(s.platform.errors.front(), invalidRealMessage(text.toStdString()).english());
        QCOMPARE(s.bench.model.source.cellValue, 1.5);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, 3.0, kVolts);
        QVERIFY2(s.bench.widget(WidgetId::battgb).visible, "the box stays open");
    }

    void needleFollowsTheDragOnTheDial_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<double>("volts"); // -1: the move is ignored
        QTest::newRow("left end") << 0 << 0 << 0.0;
        QTest::newRow("L + 30") << 30 << 0 << 6.0;
        QTest::newRow("right end") << 50 << 0 << 10.0;
        QTest::newRow("past the right end") << 51 << 0 << -1.0;
        QTest::newRow("before the left end") << -1 << 0 << -1.0;
        QTest::newRow("19 above the middle") << 30 << -19 << 6.0;
        QTest::newRow("20 above the middle") << 30 << -20 << -1.0;
        QTest::newRow("20 below the middle") << 30 << 20 << -1.0;
    }
    void needleFollowsTheDragOnTheDial() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(double, volts);
        StartedBench s;
        triggerMenu(s.bench, MenuId::Variable1);
        dragAt(s.bench, dx, dy);
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, volts < 0 ? 5.0 : volts, kVolts);
        QCOMPARE(s.bench.model.source.variableSetting, 5.0);
        QVERIFY2(!s.bench.ui.mouseHeld, "the release ends the drag");
    }

    void needleMovesOnlyWhileHeldForAVariableSupply_data() {
        QTest::addColumn<bool>("variable");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("copySelect");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("moves");
        QTest::newRow("held") << true << true << false << false << true;
        QTest::newRow("locked circuit") << true << true << false << true << true;
        QTest::newRow("not held") << true << false << false << false << false;
        QTest::newRow("copy selection") << true << true << true << false << false;
        QTest::newRow("cells") << false << true << false << false << false;
    }
    void needleMovesOnlyWhileHeldForAVariableSupply() {
        QFETCH(bool, variable);
        QFETCH(bool, held);
        QFETCH(bool, copySelect);
        QFETCH(bool, locked);
        QFETCH(bool, moves);
        StartedBench s;
        if (variable)
            triggerMenu(s.bench, MenuId::Variable1);
        s.bench.menu(MenuId::CopySelect1).checked = copySelect;
        s.bench.menu(MenuId::Options1).enabled = !locked;
        const double before = s.bench.model.source.supplyVoltage;
        const Marker& negative = s.bench.marker(MarkerId::battneg);
        const int y = (negative.top + s.bench.marker(MarkerId::battpos).top) / 2 - 20;
        if (held)
            circuitMouseDown(s.bench, 0, 0);
        circuitMouseMove(s.bench, negative.left + 40, y);
        const double expected = moves ? 8.0 : before;
        VOLTARO_COMPARE_NEAR(s.bench.model.source.supplyVoltage, expected, kVolts);
    }
};

VOLTARO_TEST_CLASS(SourceConfigTest)
#include "tst_source_config.moc"
