#include "app/dispatch.h"
#include "bench/operations.h"
#include "output/print_layout.h"
#include "support/recording_canvas.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::RecordingCanvas;
using voltaro::test::StartedBench;

namespace {

// A drawing of two lines on the board.
BoardDrawing board() {
    RecordingCanvas canvas;
    DrawingRecorder recorder(canvas);
    recorder.line({0, 0}, {770, 528});
    recorder.line({770, 0}, {0, 528});
    return recorder.drawing();
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void pageLayout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("printableWidth");
        QTest::addColumn<int>("printableHeight");
        QTest::addColumn<int>("scale");
        const int tall = 100000;
        QTest::newRow("4800 pixels: scale 5") << QStringLiteral("Ann") << 4800 << tall << 5;
        QTest::newRow("just wide enough for scale 1") << QStringLiteral("Ann") << 1070 << tall << 1;
        QTest::newRow("one pixel short of scale 1") << QStringLiteral("Ann") << 1069 << tall << 0;
        QTest::newRow("one pixel short of scale 2") << QStringLiteral("Ann") << 1839 << tall << 1;
        QTest::newRow("narrower than the reserve") << QStringLiteral("Ann") << 200 << tall << 0;
        QTest::newRow("no width at all") << QStringLiteral("Ann") << 0 << tall << 0;
        QTest::newRow("empty name") << QString() << 4800 << tall << 5;
        QTest::newRow("empty name, scale 0") << QString() << 800 << tall << 0;
        // At 1200 dpi: the width would allow 12 and 26; the height allows 26 and 24.
        QTest::newRow("A4 portrait, the width decides") << QString() << 9921 << 14031 << 12;
        QTest::newRow("Tabloid landscape, the height decides") << QString() << 20400 << 13200 << 24;
        QTest::newRow("lower than the board's top") << QString() << 4800 << 299 << 0;
    }
    void pageLayout() {
        QFETCH(QString, name);
        QFETCH(int, printableWidth);
        QFETCH(int, printableHeight);
        QFETCH(int, scale);
        const PrintableArea area{printableWidth, printableHeight};
        QCOMPARE(printScale(area, kBoardWidth, kBoardHeight), scale);
        const PrintedPage page =
            layoutPage(Text::verbatim("Circuits: Series"), name.toStdString(), board(), area);
        QCOMPARE(page.title.english(), std::string("Circuits: Series"));

        QCOMPARE(page.texts.size(), std::size_t(name.isEmpty() ? 0 : 1));
        if (!name.isEmpty()) {
            QCOMPARE(page.texts[0].text.english(), "Printed for " + name.toStdString());
            QCOMPARE(page.texts[0].x, 0);
            QCOMPARE(page.texts[0].y, 150);
        }
        QVERIFY2(page.board.has_value() == (scale > 0), "the board is printed unless scale is 0");
        if (scale > 0) {
            QCOMPARE(page.board->x, 0);
            QCOMPARE(page.board->y, 300);
            QCOMPARE(page.board->width, 770 * scale);
            QCOMPARE(page.board->height, 528 * scale);
            QVERIFY2(page.board->y + page.board->height <= printableHeight, "the board fits");
            QCOMPARE(page.board->drawing.primitives.size(), std::size_t(2));
        }
    }

    // Each dialog can be closed; only the last one's answer prints.
    void printCommand_data() {
        QTest::addColumn<bool>("nameGiven");
        QTest::addColumn<bool>("printerChosen");
        QTest::addColumn<bool>("printerFails");
        QTest::newRow("printed") << true << true << false;
        QTest::newRow("name dialog closed") << false << true << false;
        QTest::newRow("print dialog cancelled") << true << false << false;
        QTest::newRow("printer fails") << true << true << true;
    }
    void printCommand() {
        QFETCH(bool, nameGiven);
        QFETCH(bool, printerChosen);
        QFETCH(bool, printerFails);
        StartedBench s;
        RecordingCanvas canvas;
        s.bench.canvas = &canvas;
        s.bench.output.name = "Bea";
        if (nameGiven)
            s.platform.nameAnswers = {std::string("Ann")};
        if (printerChosen)
            s.platform.printerAnswers = {PrintableArea{4800, 6000}};
        if (printerFails)
            s.platform.printFailure = "out of paper";

        placeRbt(s.bench);
        const std::vector<RecordingCanvas::Primitive> painted = canvas.drawn;
        canvas.clear();
        triggerMenu(s.bench, MenuId::print1);
        QVERIFY2(canvas.drawn.empty(), "printing leaves the board as it was painted");

        QCOMPARE(s.platform.nameDialogs, std::vector<std::string>{"Bea"});
        QCOMPARE(s.bench.output.name, std::string(nameGiven ? "Ann" : "Bea"));
        QCOMPARE(s.platform.printDialogs, nameGiven ? 1 : 0);
        const bool printed = nameGiven && printerChosen && !printerFails;
        QCOMPARE(s.platform.printedPages.size(), std::size_t(printed ? 1 : 0));
        QCOMPARE(s.platform.errors, printerFails ? std::vector<std::string>{"out of paper"}
                                                 : std::vector<std::string>{});
        if (printed) {
            const PrintedPage& page = s.platform.printedPages[0];
            QCOMPARE(page.texts.at(0).text.english(), std::string("Printed for Ann"));
            QCOMPARE(page.title.english(), std::string("Voltaro"));
            QVERIFY2(page.board, "the board is printed");
            const std::vector<DrawnPrimitive>& drawn = page.board->drawing.primitives;
            QCOMPARE(drawn.size(), painted.size());
            for (std::size_t i = 0; i < drawn.size(); ++i)
                QVERIFY2(int(drawn[i].kind) == int(painted[i].kind) &&
                             drawn[i].from == painted[i].from && drawn[i].pen == painted[i].pen,
                         qPrintable(QStringLiteral("primitive %1 as the board painted it").arg(i)));
        }
    }

    void nameIsOfferedAgainAsLeft() {
        StartedBench s;
        s.platform.nameAnswers = {std::string("Ann"), std::string("")};
        s.platform.printerAnswers = {PrintableArea{4800, 6000}, PrintableArea{4800, 6000}};
        triggerMenu(s.bench, MenuId::print1);
        triggerMenu(s.bench, MenuId::print1);
        QCOMPARE(s.platform.nameDialogs, (std::vector<std::string>{"", "Ann"}));
        QVERIFY2(s.platform.printedPages.at(1).texts.empty(), "a name cleared prints no line");
    }
};

VOLTARO_TEST_CLASS(PrintTest)
#include "tst_print.moc"
