#include "app/dispatch.h"
#include "bench/operations.h"
#include "lessons/builtin_circuits.h"
#include "model/description_reader.h"
#include "model/description_writer.h"
#include "model/numbers.h"
#include "support/compare.h"
#include "support/descriptions.h"
#include "support/file_desk.h"
#include "support/test_runner.h"

using namespace voltaro;
using namespace voltaro::test;

namespace {

const std::string kFile = "/pupil/circuits.cir";
constexpr double kVolts = 1e-9;

CircuitChunks inChunk1(const std::string& description) {
    CircuitChunks chunks{};
    chunks[1] = description;
    return chunks;
}

// A description with the header given and the default circuit's tables: one wire in lane 1 of
// every side.
std::string withHeader(const std::string& header) {
    return header + " 1 0 0 1 0 0 1 0 0 1 0 0 " +
           "1 1 0 1 1.00 0 0 0 1 1 0 1 1.00 0 0 0 1 1 0 1 1.00 0 0 0 1 1 0 1 1.00 0 0 0 *";
}

std::string asOneLine(const std::string& fileForm) {
    std::string text;
    for (char c : fileForm)
        if (c != '\r')
            text += c == '\n' ? ' ' : c;
    return text;
}

// The save panel as the other bench left it, so that only the circuit is compared.
void copySavePanel(const Workbench& from, Workbench& to) {
    for (WidgetId id : {WidgetId::Savepl, WidgetId::expmem, WidgetId::Showvaluecb, WidgetId::nextbt,
                        WidgetId::yngb})
        to.widget(id) = from.widget(id);
}

} // namespace

class ReadCircuitTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheWorkedExampleIntoTheWindow() {
        FileDesk d;
        d.readCircuit(inChunk1(lessonFor(MenuId::Basic1)->description()), "Bulb and switch");
        const Workbench& b = d.bench;
        VOLTARO_COMPARE_NEAR(b.model.source.supplyVoltage, 3.0, kVolts);
        QCOMPARE(b.model.menus.cellsInSeries(), 2);
        QCOMPARE(b.model.menus.cellsInParallel(), 1);
        QCOMPARE(b.model.menus.sourceKind(), SourceKind::Cells);
        QCOMPARE(QString::fromStdString(b.widget(WidgetId::batteb).text), QString("1.5"));
        QVERIFY2(b.model.menus.showBrightness() && !b.model.menus.showResistance() &&
                     !b.model.menus.labelLoads(),
                 "only Show Brightness is checked");
        QVERIFY2(b.model.tables.record(1).isOpen(), "side 1 holds an open switch");
        QCOMPARE(b.model.tables.record(109).kind, ElementKind::Bulb1);
        QCOMPARE(b.model.tables.record(109).resistance, 5.0);
        QVERIFY2(b.model.tables.record(217).wireFlag == 1, "the hidden side holds a wire");
        QCOMPARE(b.marker(MarkerId::topsh).left, 259);
        QCOMPARE(b.marker(MarkerId::botsh).top, 256);
        QCOMPARE(b.marker(MarkerId::cor3).left, 252);
        QCOMPARE(b.marker(MarkerId::cor3).top, 249);
        QCOMPARE(QString::fromStdString(b.ui.caption.english()),
                 QString("Circuits: Bulb and switch"));
        QVERIFY2(!b.widget(WidgetId::cirplayim).visible && !b.widget(WidgetId::clb).visible,
                 "one circuit shows no step arrows");
        QVERIFY2(b.model.menus.optionsEnabled() && b.menu(MenuId::Add1).enabled &&
                     b.menu(MenuId::Bulb1).enabled && b.menu(MenuId::Wire2).enabled,
                 "an unlocked circuit");
        QVERIFY(!b.widget(WidgetId::Savepl).visible);
        QCOMPARE(d.platform.messageCount(), std::size_t(0));
        VOLTARO_COMPARE_NEAR(b.results.totalCurrent, 0.0, 1e-6);
    }

    // Every built-in circuit reads to a window that writes the circuit it was read from, and
    // the written file loads back to the same window.
    void everyBuiltinCircuitReadsWritesAndReadsBack() {
        for (const NamedCircuit& c : builtinCircuits()) {
            FileDesk first;
            first.readCircuit(c.chunks, c.name);
            QVERIFY2(first.platform.messageCount() == 0, c.name.c_str());
            const std::string written = describeCircuit(first.bench.model, true);
            const std::string d =
                readingDifference(readDescription(asOneLine(written)), readDescription(c.chunks));
            QVERIFY2(d.empty(), (c.name + " writes what it was read from: " + d).c_str());

            first.saveNewFile(kFile, {"Saved"});
            FileDesk second;
            second.platform.files = first.platform.files;
            second.loadAndAccept(kFile);
            copySavePanel(first.bench, second.bench);
            second.bench.ui.caption = first.bench.ui.caption; // a load's caption names the file
            const std::string diff = firstDifference(second.bench, first.bench);
            QVERIFY2(diff.empty(), (c.name + " loads back: " + diff).c_str());
            QCOMPARE(QString::fromStdString(describeCircuit(second.bench.model, true)),
                     QString::fromStdString(written));
        }
    }

    void showsTheStepArrowsForASet_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("shown");
        QTest::newRow("one circuit") << 1 << 1 << false;
        QTest::newRow("first of three") << 3 << 1 << true;
        QTest::newRow("second of three") << 3 << 2 << true;
    }
    void showsTheStepArrowsForASet() {
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(bool, shown);
        FileDesk d;
        for (int c = 1; c <= count; ++c)
            d.bench.circuits.chunks[c] = inChunk1(lessonFor(MenuId::Series1)->description());
        d.bench.circuits.count = count;
        d.bench.circuits.current = current;
        cirbt(d.bench);
        QCOMPARE(d.widget(WidgetId::cirplayim).visible, shown);
        QCOMPARE(d.widget(WidgetId::clb).visible, shown);
        QCOMPARE(QString::fromStdString(d.widget(WidgetId::clb).caption.english()),
                 "Circuit #" + QString::number(current));
    }

    void choosesTheSourceThroughItsMenus_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("parallel");
        QTest::addColumn<double>("supply");
        QTest::addColumn<QString>("cellBox");
        QTest::newRow("variable supply") << "1 300 80 300 400 1 7.25 4 0 0"
                                         << int(SourceKind::Variable) << 2 << 1 << 7.25 << "1.5";
        QTest::newRow("four cells in series, three in parallel")
            << "1 300 80 300 400 2 1.5 4 3 4 0 0" << int(SourceKind::Cells) << 4 << 3 << 6.0
            << "1.5";
        QTest::newRow("cell value in a wide field")
            << "1 300 80 300 400 2    3.0 2 2 4 0 0" << int(SourceKind::Cells) << 2 << 2 << 6.0
            << "3";
        QTest::newRow("counts outside 1..4 choose nothing")
            << "1 300 80 300 400 2 2 7 0 4 0 0" << int(SourceKind::Cells) << 1 << 1 << 2.0 << "2";
        QTest::newRow("any other kind is cells")
            << "1 300 80 300 400 5 1.5 3 1 4 0 0" << int(SourceKind::Cells) << 3 << 1 << 4.5
            << "1.5";
    }
    void choosesTheSourceThroughItsMenus() {
        QFETCH(QString, header);
        QFETCH(int, kind);
        QFETCH(int, series);
        QFETCH(int, parallel);
        QFETCH(double, supply);
        QFETCH(QString, cellBox);
        FileDesk d;
        d.readCircuit(inChunk1(withHeader(header.toStdString())));
        QCOMPARE(d.platform.messageCount(), std::size_t(0));
        const Workbench& b = d.bench;
        QCOMPARE(int(b.model.menus.sourceKind()), kind);
        QCOMPARE(b.model.menus.cellsInSeries(), series);
        QCOMPARE(b.model.menus.cellsInParallel(), parallel);
        VOLTARO_COMPARE_NEAR(b.model.source.supplyVoltage, supply, kVolts);
        QCOMPARE(QString::fromStdString(b.widget(WidgetId::batteb).text), cellBox);
        QCOMPARE(QString::fromStdString(b.menu(MenuId::Numser1).caption.english()),
                 "Number in &Series (" + QString::number(series) + ")");
    }

    void aLockedCircuitDisablesTheOptions_data() {
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("unlocked");
        QTest::newRow("flag 1") << 1 << true;
        QTest::newRow("flag 0") << 0 << false;
        QTest::newRow("flag 2") << 2 << false;
    }
    void aLockedCircuitDisablesTheOptions() {
        QFETCH(int, flag);
        QFETCH(bool, unlocked);
        FileDesk d;
        d.readCircuit(inChunk1(withHeader("0 300 80 300 400 2 1.5 2 1 4 0 0")));
        d.readCircuit(
            inChunk1(withHeader(std::to_string(flag) + " 300 80 300 400 2 1.5 2 1 4 0 0")));
        for (MenuId entry : {MenuId::Options1, MenuId::Add1, MenuId::Bulb1, MenuId::Wire2})
            QVERIFY2(d.bench.menu(entry).enabled == unlocked, menuName(entry));
    }

    void aMalformedDescriptionIsReportedAndReadingStops() {
        FileDesk d;
        d.widget(WidgetId::Savepl).visible = true;
        d.readCircuit(inChunk1("0 300 80 300 400 2 1.5 3 1 4 0 0 1 0 0 1 0 0 1 0 0 1 0 0 "
                               "1 0 0 0 nan 1"));
        QCOMPARE(d.platform.errors.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(d.platform.errors[0]),
                 QString::fromStdString(invalidRealMessage("nan").english()));
        const Workbench& b = d.bench;
        QVERIFY2(!b.model.menus.optionsEnabled(), "what was read before the error holds");
        QCOMPARE(b.marker(MarkerId::topsh).left, 300);
        QCOMPARE(b.model.menus.cellsInSeries(), 3);
        QVERIFY2(b.menu(MenuId::Add1).enabled, "the steps after the element data do not run");
        QVERIFY2(b.widget(WidgetId::Savepl).visible, "the panel stays as it was");
    }

    // Found by fuzzing: handles read from a file put the loop thousands of pixels off the board,
    // and a handle at the end of the int range overflowed placing the corners. A file now puts
    // them where a drag could.
    void handlesReadAreKeptOnTheBoardAndApart_data() {
        QTest::addColumn<QString>("handles");
        QTest::addColumn<QPoint>("topsh");
        QTest::addColumn<QPoint>("botsh");
        QTest::newRow("on the board") << "300 80 300 400" << QPoint(300, 80) << QPoint(300, 400);
        QTest::newRow("below the board")
            << "27 4121 274 355" << QPoint(200, 508) << QPoint(274, 708);
        QTest::newRow("int range") << "2147483647 -2147483648 -2147483648 2147483647"
                                   << QPoint(750, 20) << QPoint(200, 508);
        QTest::newRow("too close") << "300 300 300 350" << QPoint(300, 300) << QPoint(300, 500);
    }

    void handlesReadAreKeptOnTheBoardAndApart() {
        QFETCH(QString, handles);
        QFETCH(QPoint, topsh);
        QFETCH(QPoint, botsh);
        FileDesk d;
        d.readCircuit(inChunk1(withHeader("1 " + handles.toStdString() + " 2 1.5 2 1 4 0 0")));
        QVERIFY(d.platform.errors.empty());
        const Marker& top = d.bench.marker(MarkerId::topsh);
        const Marker& bottom = d.bench.marker(MarkerId::botsh);
        QCOMPARE(QPoint(top.left, top.top), topsh);
        QCOMPARE(QPoint(bottom.left, bottom.top), botsh);
    }

    void aSavedFileLoadsBackWithItsExplanation() {
        FileDesk d;
        d.readCircuit(inChunk1(lessonFor(MenuId::combo1)->description()), "Parallel and Series");
        d.saveNewFile(kFile, {"Measure the current", "through each bulb."});
        d.loadFile(kFile);
        QCOMPARE(d.explanation().english(),
                 (std::vector<std::string>{"Measure the current", "through each bulb."}));
        QVERIFY2(d.widget(WidgetId::yngb).visible, "\"Is this the right Circuit?\" is asked");
        widgetEvent(d.bench, WidgetId::ybt, WidgetEvent::Click);
        QCOMPARE(d.bench.circuits.count, 1);
        QVERIFY2(!d.widget(WidgetId::Savepl).visible && !d.widget(WidgetId::cirplayim).visible,
                 "one circuit, no step arrows, the panel closed");
        QCOMPARE(QString::fromStdString(d.bench.ui.caption.english()),
                 QString("Circuits: circuits.cir"));
    }

    void threeCircuitsTwoAddedLoadAsASet() {
        FileDesk d;
        d.readCircuit(inChunk1(lessonFor(MenuId::Basic1)->description()));
        d.saveNewFile(kFile, {"Three circuits"});
        d.readCircuit(inChunk1(lessonFor(MenuId::Series1)->description()));
        d.addToFile(kFile);
        d.readCircuit(inChunk1(lessonFor(MenuId::Parallel2)->description()));
        d.addToFile(kFile);
        d.loadAndAccept(kFile);
        QCOMPARE(d.platform.messageCount(), std::size_t(0));
        QCOMPARE(d.bench.circuits.count, 3);
        QVERIFY2(d.widget(WidgetId::cirplayim).visible && d.widget(WidgetId::clb).visible,
                 "the step arrows are shown");
        QCOMPARE(QString::fromStdString(d.widget(WidgetId::clb).caption.english()),
                 QString("Circuit #1"));
        QVERIFY2(d.bench.model.tables.record(1).isOpen(), "circuit 1 is on the board");
        d.bench.circuits.current = 3;
        cirbt(d.bench);
        QCOMPARE(d.bench.marker(MarkerId::topsh).left, 274);
        QCOMPARE(d.bench.model.tables.elementCount(kRightSide, 1, 1, 2), 1);
    }

    void anUncheckedOptionsBoxLoadsLocked() {
        FileDesk d;
        d.readCircuit(inChunk1(lessonFor(MenuId::Basic1)->description()));
        d.saveNewFile(kFile, {"Locked"}, false);
        d.loadAndAccept(kFile);
        QVERIFY2(!d.bench.model.menus.optionsEnabled() && !d.bench.menu(MenuId::Add1).enabled,
                 "the circuit is locked");
    }

    void yesReadsTheFileAgain() {
        FileDesk d;
        d.platform.files[kFile] = "START CIRCUIT DATA\r\n" + describeCircuit(d.bench.model, true);
        d.loadFile(kFile);
        d.platform.files.erase(kFile);
        d.bench.model.tables.blocks(kTopSide, 2) = 2;
        widgetEvent(d.bench, WidgetId::ybt, WidgetEvent::Click);
        QCOMPARE(d.platform.errors.size(), std::size_t(1));
        QVERIFY2(
            QString::fromStdString(d.platform.errors[0]).contains(QString::fromStdString(kFile)),
            "the error names the file");
        QCOMPARE(d.bench.model.tables.blocks(kTopSide, 2), 2);
    }

    void yesWithAMalformedCircuitLeavesThePanelOpen() {
        FileDesk d;
        d.platform.files[kFile] = "Broken\r\nSTART CIRCUIT DATA\r\n1 300 80 x *\r\n";
        d.loadAndAccept(kFile);
        QCOMPARE(d.platform.errors.size(), std::size_t(1));
        QCOMPARE(d.platform.errors[0],
                 invalidIntegerMessage("x").english() + "\nin circuit 1 of circuits.cir");
        QVERIFY2(d.widget(WidgetId::Savepl).visible && d.widget(WidgetId::yngb).visible,
                 "the reading stopped before the panel closed");
    }

    void loadsFilesOfEveryLineEndAndEncoding_data() {
        QTest::addColumn<QByteArray>("explanation");
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<QString>("expected");
        QTest::newRow("utf-8, CR LF") << QByteArray("Tension mesur\xC3\xA9"
                                                    "e")
                                      << QByteArray("\r\n") << QString::fromUtf8("Tension mesurée");
        QTest::newRow("windows-1252, CR LF")
            << QByteArray("Tension mesur\xE9"
                          "e")
            << QByteArray("\r\n") << QString::fromUtf8("Tension mesurée");
        QTest::newRow("ascii, LF") << QByteArray("Plain") << QByteArray("\n") << "Plain";
    }
    void loadsFilesOfEveryLineEndAndEncoding() {
        QFETCH(QByteArray, explanation);
        QFETCH(QByteArray, lineEnd);
        QFETCH(QString, expected);
        FileDesk d;
        d.readCircuit(inChunk1(lessonFor(MenuId::Shortcircuit1)->description()));
        QByteArray circuit = QByteArray::fromStdString(describeCircuit(d.bench.model, true));
        circuit.replace("\r\n", lineEnd);
        d.platform.files[kFile] =
            (explanation + lineEnd + "START CIRCUIT DATA" + lineEnd + circuit).toStdString();
        resistrestbt(d.bench);
        d.loadFile(kFile);
        QCOMPARE(d.explanation().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(d.explanation()[0].english()), expected);
        widgetEvent(d.bench, WidgetId::ybt, WidgetEvent::Click);
        QCOMPARE(d.platform.messageCount(), std::size_t(0));
        QCOMPARE(d.bench.model.tables.record(113).kind, ElementKind::Bulb1);
        QCOMPARE(d.bench.model.tables.elementCount(kRightSide, 1, 1, 2), 1);
    }

    void aFileOfLongLinesKeepsEachCircuitWhole() {
        FileDesk d;
        std::string one = lessonFor(MenuId::Basic1)->description();
        one.insert(one.find(" *"), 150, ' ');
        std::string two = lessonFor(MenuId::Series1)->description();
        d.platform.files[kFile] = "START CIRCUIT DATA\r\n" + one + "\r\n\r\n" + two + "\r\n";
        d.loadAndAccept(kFile);
        QCOMPARE(d.bench.circuits.count, 2);
        d.bench.circuits.current = 2;
        cirbt(d.bench);
        QCOMPARE(d.platform.messageCount(), std::size_t(0));
        QCOMPARE(d.bench.model.tables.record(325).kind, ElementKind::Switch);
    }

    void aFileOfMoreThanAHundredCircuitsLoadsTheFirstHundred() {
        FileDesk d;
        std::string text = "Many\r\nSTART CIRCUIT DATA\r\n";
        for (int c = 1; c <= 120; ++c)
            text += (c > 1 ? "\r\n" : "") + describeCircuit(d.bench.model, true);
        d.platform.files[kFile] = text;
        d.loadAndAccept(kFile);
        QCOMPARE(d.bench.circuits.count, kMaxCircuits);
        QCOMPARE(d.platform.warnings.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(d.platform.warnings[0]).contains("100"),
                 "the warning says how many were loaded");
    }

    void okReadsTheLessonCircuit() {
        FileDesk d;
        d.bench.circuits.chunks[1] = inChunk1(lessonFor(MenuId::Parallel2)->description());
        d.bench.circuits.count = 1;
        d.widget(WidgetId::Savepl).visible = true;
        d.widget(WidgetId::Panel3).visible = true;
        widgetEvent(d.bench, WidgetId::okdokeybt, WidgetEvent::Click);
        QVERIFY(!d.widget(WidgetId::Savepl).visible);
        QVERIFY(!d.widget(WidgetId::Panel3).visible);
        QCOMPARE(d.bench.marker(MarkerId::topsh).left, 274);
    }
};

VOLTARO_TEST_CLASS(ReadCircuitTest)
#include "tst_read_circuit.moc"
