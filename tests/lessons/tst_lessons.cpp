#include "lesson_desk.h"
#include "lessons/builtin_circuits.h"
#include "support/compare.h"
#include "support/test_runner.h"

using namespace voltaro;
using namespace voltaro::test;

namespace {

constexpr double kAmps = 1e-9;

QStringList memoLines(const Workbench& bench) {
    QStringList lines;
    for (const Text& line : bench.widget(WidgetId::expmem).lines)
        lines << QString::fromStdString(line.english());
    return lines;
}

QStringList lessonLines(const Lesson& lesson) {
    QStringList lines;
    for (const char* line : lesson.lines)
        lines << QString::fromUtf8(line);
    return lines;
}

} // namespace

class LessonsTest : public QObject {
    Q_OBJECT

private slots:
    void eachLessonBuildsItsCircuit_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QList<int>>("handles");
        QTest::addColumn<QString>("circuit");
        const QList<int> small = {259, 56, 259, 256};
        const QString oneLight = "open switch | bulb #1 | wire | wire";
        const QString combo = "bulb #1 | bulb #1; bulb #1 bulb #1 | wire | open switch";
        const auto row = [](MenuId entry, QList<int> handles, QString circuit) {
            QTest::newRow(menuName(entry)) << int(entry) << handles << circuit;
        };
        row(MenuId::Firststeps1, small, oneLight);
        row(MenuId::Largercircuits1, small, oneLight);
        row(MenuId::Meters1, {270, 121, 270, 427}, combo);
        row(MenuId::Basic1, small, oneLight);
        row(MenuId::Series1, small, "bulb #1 | bulb #1 | wire | open switch");
        row(MenuId::Parallel2, {274, 121, 274, 355},
            "wire | bulb #1; bulb #1 | wire | open switch");
        row(MenuId::combo1, {270, 121, 270, 427}, combo);
        row(MenuId::Shortcircuit1, small, "bulb #1 | open switch; bulb #1 | wire | wire");
    }
    // A worksheet opened before the lesson leaves nothing behind: the lesson is one circuit.
    void eachLessonBuildsItsCircuit() {
        QFETCH(int, entry);
        QFETCH(QList<int>, handles);
        QFETCH(QString, circuit);
        const Lesson& lesson = *lessonFor(MenuId(entry));
        LessonDesk d;
        Workbench& b = d.bench;
        d.open(MenuId::Parallel11);
        const CircuitTables before = b.model.tables;
        triggerMenu(b, MenuId(entry));

        QVERIFY2(b.widget(WidgetId::Savepl).visible && b.widget(WidgetId::Panel3).visible,
                 "the intro panel is up with its Ok button");
        QCOMPARE(QString::fromStdString(b.widget(WidgetId::Savepl).caption.english()),
                 QString(lesson.panelCaption));
        QCOMPARE(memoLines(b), lessonLines(lesson));
        QVERIFY2(b.widget(WidgetId::expmem).readOnly, "the explanation cannot be edited");
        QVERIFY2(b.ui.focus == WidgetId::okdokeybt, "the focus is on Ok");
        QVERIFY2(circuitInWords(b.model.tables) == circuitInWords(before),
                 "the board stays as it was until Ok");

        widgetEvent(b, WidgetId::okdokeybt, WidgetEvent::Click);
        QVERIFY2(!b.widget(WidgetId::Savepl).visible && !b.widget(WidgetId::Panel3).visible,
                 "Ok closes the panel");
        QCOMPARE(QString::fromStdString(circuitInWords(b.model.tables)), circuit);
        const QList<int> placed = {b.marker(MarkerId::topsh).left, b.marker(MarkerId::topsh).top,
                                   b.marker(MarkerId::botsh).left, b.marker(MarkerId::botsh).top};
        QCOMPARE(placed, handles);
        QCOMPARE(QString::fromStdString(b.ui.caption.english()),
                 "Circuits: " + QString(lesson.setName));
        QCOMPARE(b.circuits.count, 1);
        QVERIFY2(!b.widget(WidgetId::cirplayim).visible && !b.widget(WidgetId::clb).visible,
                 "one circuit has no step arrows");
        VOLTARO_COMPARE_NEAR(b.model.source.supplyVoltage, 3.0, 1e-12);
        QVERIFY2(b.model.menus.showBrightness() && !b.model.menus.showResistance() &&
                     !b.model.menus.labelLoads() && b.model.menus.optionsEnabled(),
                 "Show Brightness only, and the circuit is not locked");
        QVERIFY2(d.started.platform.errors.empty(), "the description reads without an error");
    }

    // Closing the switch shorts the bulb beside it; the top bulb then takes the whole 3 V.
    void shortCircuitTakesTheCurrentOffOneBulb() {
        LessonDesk d;
        Workbench& b = d.bench;
        d.open(MenuId::Shortcircuit1);
        const int topBulb = slotNumber(kTopSide, 1, 1, 1, 1);
        const int theSwitch = slotNumber(kRightSide, 1, 1, 1, 1);
        const int shortedBulb = slotNumber(kRightSide, 1, 1, 2, 1);
        VOLTARO_COMPARE_NEAR(b.model.tables.record(topBulb).current, 0.3, kAmps);
        VOLTARO_COMPARE_NEAR(b.model.tables.record(shortedBulb).current, 0.3, kAmps);
        markerMouseDown(b, MarkerRef::slot(theSwitch), 3, 3);
        triggerMenu(b, MenuId::Closed3);
        QVERIFY2(!b.model.tables.record(theSwitch).isOpen(), "the switch is closed");
        VOLTARO_COMPARE_NEAR(b.model.tables.record(shortedBulb).current, 0.0, kAmps);
        VOLTARO_COMPARE_NEAR(b.model.tables.record(topBulb).current, 0.6, kAmps);
    }
};

VOLTARO_TEST_CLASS(LessonsTest)
#include "tst_lessons.moc"
