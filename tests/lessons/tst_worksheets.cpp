#include "bench/operations.h"
#include "lesson_desk.h"
#include "lessons/builtin_circuits.h"
#include "lessons/step_arrows.h"
#include "model/description_reader.h"
#include "support/test_runner.h"

#include <cmath>

using namespace voltaro;
using namespace voltaro::test;

namespace {

using Kind = RecordingCanvas::Kind;

constexpr int kNextX = 60; // x positions over the four cells
constexpr int kLastX = 80;

// The colour of each arrow, first to last ("red", "gray"), or "?" when its lines are not all
// there in one colour.
QString arrowColours(const RecordingCanvas& c) {
    const std::vector<std::vector<std::pair<Point, Point>>> arrows = {
        {{{7, 3}, {7, 22}}, {{22, 3}, {9, 12}}, {{9, 12}, {22, 22}}},
        {{{43, 3}, {30, 12}}, {{30, 12}, {43, 22}}},
        {{{57, 3}, {70, 12}}, {{70, 12}, {57, 22}}},
        {{{93, 3}, {93, 22}}, {{78, 3}, {91, 12}}, {{91, 12}, {78, 22}}},
    };
    QStringList colours;
    for (const auto& lines : arrows) {
        QString colour = "?";
        for (const auto& [name, rgb] : {std::pair{"red", Colour::Red}, {"gray", Colour::Gray}}) {
            bool all = true;
            for (const auto& [from, to] : lines)
                all = all && c.hasLine(from, to, rgb);
            if (all)
                colour = name;
        }
        colours << colour;
    }
    return colours.join(' ');
}

// The cells drawn filled gray, by index.
QList<int> grayCells(const RecordingCanvas& c) {
    QList<int> cells;
    for (const RecordingCanvas::Primitive& p : c.all(Kind::Rectangle))
        if (p.brush == Colour::Gray)
            cells << p.from.x / kArrowCellWidth;
    return cells;
}

void clickArrowsAt(Workbench& bench, int x) {
    pictureMouseMove(bench, WidgetId::cirplayim, x, 12);
    widgetEvent(bench, WidgetId::cirplayim, WidgetEvent::Click);
}

// The circuit that reading circuit `number` of the worksheet builds on a fresh workbench.
std::string freshCircuit(MenuId sheet, int number) {
    LessonDesk d;
    d.open(sheet);
    d.bench.circuits.current = number;
    cirbt(d.bench);
    return circuitInWords(d.bench.model.tables);
}

} // namespace

class WorksheetsTest : public QObject {
    Q_OBJECT

private slots:
    void paintsTheCellsAndArrows_data() {
        QTest::addColumn<int>("hover");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QList<int>>("gray");
        QTest::newRow("first of four, mouse on the board")
            << kNoArrowCell << 1 << 4 << "gray gray red red" << QList<int>{};
        QTest::newRow("between, over the next cell's left edge")
            << 50 << 2 << 4 << "red red red red" << QList<int>{2};
        QTest::newRow("between, over the next cell's right edge")
            << 74 << 3 << 4 << "red red red red" << QList<int>{2};
        QTest::newRow("last of four, over the first cell")
            << 0 << 4 << 4 << "red red gray gray" << QList<int>{0};
        QTest::newRow("one circuit, over the last cell")
            << 99 << 1 << 1 << "gray gray gray gray" << QList<int>{3};
    }
    void paintsTheCellsAndArrows() {
        QFETCH(int, hover);
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(QString, colours);
        QFETCH(QList<int>, gray);
        RecordingCanvas c;
        c.setPenWidth(2);
        paintStepArrows(c, {100, 25, hover, current, count});
        QCOMPARE(arrowColours(c), colours);
        QCOMPARE(grayCells(c), gray);
        const auto boxes = c.all(Kind::Rectangle);
        QCOMPARE(int(boxes.size()), 5);
        const auto spans = [](const RecordingCanvas::Primitive& p, int left, int right) {
            return p.from.x == left && p.from.y == 0 && p.to.x == right && p.to.y == 25;
        };
        QVERIFY2(spans(boxes[0], 0, 100) && boxes[0].pen == Colour::Black,
                 "a black frame round the whole picture first");
        for (int cell = 0; cell < 4; ++cell)
            QVERIFY2(spans(boxes[cell + 1], 25 * cell, 25 * cell + 25),
                     "four cells 25 pixels wide");
        QCOMPARE(int(c.all(Kind::Line).size()), 10);
        for (const auto& p : c.drawn)
            QVERIFY2(p.penWidth == 1, "every line 1 pixel wide");
    }

    void seriesOneStartsOnItsFirstCircuit() {
        LessonDesk d;
        Workbench& b = d.bench;
        triggerMenu(b, MenuId::Series11);
        QCOMPARE(QString::fromStdString(b.widget(WidgetId::Savepl).caption.english()),
                 QString("Circuit Intro"));
        QCOMPARE(int(b.widget(WidgetId::expmem).lines.size()), 3);
        d.arrows.clear();
        widgetEvent(b, WidgetId::okdokeybt, WidgetEvent::Click);
        QCOMPARE(b.circuits.current, 1);
        QCOMPARE(b.circuits.count, 4);
        QVERIFY2(b.widget(WidgetId::cirplayim).visible && b.widget(WidgetId::clb).visible,
                 "four circuits show the step arrows");
        QCOMPARE(QString::fromStdString(b.widget(WidgetId::clb).caption.english()),
                 QString("Circuit #1"));
        QCOMPARE(QString::fromStdString(b.ui.caption.english()),
                 "Circuits: " + QString(worksheetFor(MenuId::Series11)->setName));
        QCOMPARE(arrowColours(d.arrows), QString("gray gray red red"));
        QCOMPARE(circuitInWords(b.model.tables), freshCircuit(MenuId::Series11, 1));
    }

    void steppingClampsAndAlwaysReloads_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("expected");
        QTest::newRow("previous on the first") << 1 << 30 << 1;
        QTest::newRow("next on the last") << 4 << kNextX << 4;
        QTest::newRow("next") << 2 << kNextX << 3;
        QTest::newRow("previous") << 3 << 49 << 2;
        QTest::newRow("last from the first") << 1 << kLastX << 4;
        QTest::newRow("first from the last") << 4 << 24 << 1;
        QTest::newRow("no cell") << 2 << kNoArrowCell << 2;
    }
    void steppingClampsAndAlwaysReloads() {
        QFETCH(int, start);
        QFETCH(int, x);
        QFETCH(int, expected);
        LessonDesk d;
        Workbench& b = d.bench;
        d.open(MenuId::Series11);
        b.circuits.current = start;
        cirbt(b);
        markerMouseDown(b, MarkerRef::slot(1), 3, 3);
        triggerMenu(b, MenuId::Open3);
        QVERIFY2(b.model.tables.record(1).isOpen(), "the pupil's edit: an open switch on top");
        clickArrowsAt(b, x);
        QCOMPARE(b.circuits.current, expected);
        QCOMPARE(QString::fromStdString(b.widget(WidgetId::clb).caption.english()),
                 QString("Circuit #%1").arg(expected));
        QCOMPARE(circuitInWords(b.model.tables), freshCircuit(MenuId::Series11, expected));
    }

    void aCircuitOfThreeChunksReadsWhole() {
        LessonDesk d;
        Workbench& b = d.bench;
        d.open(MenuId::Parallel11);
        clickArrowsAt(b, kNextX);
        clickArrowsAt(b, kNextX);
        QCOMPARE(b.circuits.current, 3);
        const DescriptionReading reading = readDescription(b.circuits.chunks[3]);
        QVERIFY2(reading.complete() && reading.chunksUsed >= 3, "the third chunk is read");

        std::string joined;
        for (const char* chunk : worksheetFor(MenuId::Parallel11)->circuits[2])
            joined += std::string(joined.empty() ? "" : " ") + chunk;
        LessonDesk whole;
        whole.bench.circuits.chunks[1] = CircuitChunks{};
        whole.bench.circuits.chunk(1, 1) = joined;
        cirbt(whole.bench);
        QCOMPARE(circuitInWords(b.model.tables), circuitInWords(whole.bench.model.tables));
        QVERIFY2(d.started.platform.errors.empty(), "no conversion error");
    }

    void resetEndsTheWorksheet() {
        LessonDesk d;
        Workbench& b = d.bench;
        d.open(MenuId::Combo11);
        d.started.platform.confirmAnswers = {true};
        triggerMenu(b, MenuId::Reset1);
        QVERIFY2(!b.widget(WidgetId::cirplayim).visible && !b.widget(WidgetId::clb).visible,
                 "Reset hides the step arrows and their label");
        QCOMPARE(b.circuits.count, 1);
    }

    void hoverFollowsTheMouse() {
        LessonDesk d;
        Workbench& b = d.bench;
        d.open(MenuId::Series11);
        pictureMouseMove(b, WidgetId::cirplayim, 50, 12);
        QCOMPARE(grayCells(d.arrows).back(), 2);
        d.arrows.clear();
        circuitMouseMove(b, 300, 300);
        QCOMPARE(b.widget(WidgetId::cirplayim).tag, kNoArrowCell);
        QVERIFY2(!d.arrows.drawn.empty() && grayCells(d.arrows).isEmpty(),
                 "the board redraws the arrows with no gray cell");
        d.arrows.clear();
        circuitMouseMove(b, 310, 300);
        QVERIFY2(d.arrows.drawn.empty(), "no redraw while the mouse stays off the arrows");
    }

    // Each redraw replaces elements by their equivalent, so the whole network keeps its
    // resistance from one circuit of the set to the next.
    void redrawsKeepTheTotalResistance_data() {
        QTest::addColumn<int>("entry");
        for (const Worksheet& sheet : builtinWorksheets())
            if (menuDesign(sheet.entry).parent == MenuId::Solving1)
                QTest::newRow(sheet.caption) << int(sheet.entry);
    }
    void redrawsKeepTheTotalResistance() {
        QFETCH(int, entry);
        LessonDesk d;
        Workbench& b = d.bench;
        d.open(MenuId(entry));
        const double first = b.results.totalResistance;
        QVERIFY2(first > 0.0 && first < kOpenSideResistance, "a closed network");
        for (int circuit = 2; circuit <= b.circuits.count; ++circuit) {
            clickArrowsAt(b, kNextX);
            QCOMPARE(b.circuits.current, circuit);
            QVERIFY2(std::fabs(b.results.totalResistance - first) <= 1e-9 * first,
                     qPrintable(QString("circuit %1 has %2 ohms, expected %3 as circuit 1")
                                    .arg(circuit)
                                    .arg(b.results.totalResistance, 0, 'g', 17)
                                    .arg(first, 0, 'g', 17)));
        }
        QVERIFY2(d.started.platform.errors.empty(), "every circuit reads");
    }
};

VOLTARO_TEST_CLASS(WorksheetsTest)
#include "tst_worksheets.moc"
