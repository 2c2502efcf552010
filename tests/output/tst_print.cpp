#include "app/dispatch.h"
#include "output/print_layout.h"
#include "support/recording_canvas.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::RecordingCanvas;
using voltaro::test::StartedBench;

namespace {

Picture board() {
    RecordingCanvas canvas;
    return canvas.copyRect(0, 0, kBoardWidth, kBoardHeight);
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void pageLayout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("printableWidth");
        QTest::addColumn<int>("scale");
        QTest::newRow("4800 pixels: scale 5") << QStringLiteral("Ann") << 4800 << 5;
        QTest::newRow("just wide enough for scale 1") << QStringLiteral("Ann") << 1070 << 1;
        QTest::newRow("one pixel short of scale 1") << QStringLiteral("Ann") << 1069 << 0;
        QTest::newRow("one pixel short of scale 2") << QStringLiteral("Ann") << 1839 << 1;
        QTest::newRow("narrower than the reserve") << QStringLiteral("Ann") << 200 << 0;
        QTest::newRow("no width at all") << QStringLiteral("Ann") << 0 << 0;
        QTest::newRow("empty name") << QString() << 4800 << 5;
        QTest::newRow("empty name, scale 0") << QString() << 800 << 0;
    }
    void pageLayout() {
        QFETCH(QString, name);
        QFETCH(int, printableWidth);
        QFETCH(int, scale);
        QCOMPARE(printScale(printableWidth, kBoardWidth), scale);
        const PrintedPage page = layoutPage(name.toStdString(), board(), printableWidth);

        QCOMPARE(page.texts.size(), std::size_t(name.isEmpty() ? 0 : 1));
        if (!name.isEmpty()) {
            QCOMPARE(page.texts[0].text.english(), "Printed for " + name.toStdString());
            QCOMPARE(page.texts[0].x, 0);
            QCOMPARE(page.texts[0].y, 150);
        }
        QVERIFY2(page.image.has_value() == (scale > 0), "the board is printed unless scale is 0");
        if (scale > 0) {
            QCOMPARE(page.image->x, 0);
            QCOMPARE(page.image->y, 300);
            QCOMPARE(page.image->width, 770 * scale);
            QCOMPARE(page.image->height, 528 * scale);
            QCOMPARE(RecordingCanvas::differenceFromPattern(page.image->picture, 0, 0),
                     std::string());
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
            s.platform.printerAnswers = {4800};
        if (printerFails)
            s.platform.printFailure = "out of paper";

        triggerMenu(s.bench, MenuId::print1);

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
            QVERIFY2(page.image, "the board is printed");
            QCOMPARE(RecordingCanvas::differenceFromPattern(page.image->picture, 0, 0),
                     std::string());
        }
    }

    void nameIsOfferedAgainAsLeft() {
        StartedBench s;
        s.platform.nameAnswers = {std::string("Ann"), std::string("")};
        s.platform.printerAnswers = {4800, 4800};
        triggerMenu(s.bench, MenuId::print1);
        triggerMenu(s.bench, MenuId::print1);
        QCOMPARE(s.platform.nameDialogs, (std::vector<std::string>{"", "Ann"}));
        QVERIFY2(s.platform.printedPages.at(1).texts.empty(), "a name cleared prints no line");
    }
};

VOLTARO_TEST_CLASS(PrintTest)
#include "tst_print.moc"
