#include "app/dispatch.h"
#include "support/recording_canvas.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::RecordingCanvas;
using voltaro::test::StartedBench;

namespace {

struct CopyBench : StartedBench {
    RecordingCanvas canvas;
    explicit CopyBench(bool selecting) {
        bench.canvas = &canvas;
        if (selecting)
            triggerMenu(bench, MenuId::CopySelect1);
    }
    const Widget& frame() const { return bench.widget(WidgetId::copyshape); }
    void drag(QPoint from, QPoint to) {
        circuitMouseDown(bench, from.x(), from.y());
        circuitMouseMove(bench, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
        circuitMouseMove(bench, to.x(), to.y());
    }
};

} // namespace

class BoardCopyTest : public QObject {
    Q_OBJECT

private slots:
    void copyPutsTheWholeBoardOnTheClipboard() {
        CopyBench s(false);
        triggerMenu(s.bench, MenuId::Copy1);
        QCOMPARE(s.platform.clipboard.size(), std::size_t(1));
        const Picture& copied = s.platform.clipboard[0];
        QCOMPARE(copied.width, 770);
        QCOMPARE(copied.height, 528);
        QCOMPARE(RecordingCanvas::differenceFromPattern(copied, 0, 0), std::string());
    }

    void copySelectTogglesItsCheckMark() {
        CopyBench s(false);
        triggerMenu(s.bench, MenuId::CopySelect1);
        QVERIFY2(s.bench.menu(MenuId::CopySelect1).checked, "on after one click");
        triggerMenu(s.bench, MenuId::CopySelect1);
        QVERIFY2(!s.bench.menu(MenuId::CopySelect1).checked, "off after the second");
    }

    // The rectangle from (100, 50) to (340, 210), dragged from each of its corners.
    void dragFromAnyCornerSelectsTheSameRectangle_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        const QPoint topLeft(100, 50), bottomRight(340, 210);
        const QPoint topRight(340, 50), bottomLeft(100, 210);
        QTest::newRow("left to right, downwards") << topLeft << bottomRight;
        QTest::newRow("right to left, upwards") << bottomRight << topLeft;
        QTest::newRow("right to left, downwards") << topRight << bottomLeft;
        QTest::newRow("left to right, upwards") << bottomLeft << topRight;
    }
    void dragFromAnyCornerSelectsTheSameRectangle() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        CopyBench s(true);
        s.drag(from, to);
        const Widget& frame = s.frame();
        QVERIFY2(frame.visible, "the frame shows while dragging");
        QCOMPARE(QRect(frame.left, frame.top, frame.width, frame.height),
                 QRect(7 + 100, 7 + 50, 240, 160));

        circuitMouseUp(s.bench, to.x(), to.y());
        QVERIFY2(!s.frame().visible, "the release hides the frame");
        QCOMPARE(s.platform.clipboard.size(), std::size_t(1));
        const Picture& copied = s.platform.clipboard[0];
        QCOMPARE(QSize(copied.width, copied.height), QSize(240, 160));
        QCOMPARE(RecordingCanvas::differenceFromPattern(copied, 100, 50), std::string());
        QCOMPARE(RecordingCanvas::differenceFromPattern(s.bench.output.Image1, 100, 50),
                 std::string());
    }

    void releaseWithoutMovementCopiesNothingButAnEmptyPicture() {
        CopyBench s(true);
        circuitMouseDown(s.bench, 200, 100);
        QVERIFY2(s.frame().visible, "the press shows the frame");
        circuitMouseUp(s.bench, 200, 100);
        QCOMPARE(s.platform.clipboard.size(), std::size_t(1));
        QCOMPARE(QSize(s.platform.clipboard[0].width, s.platform.clipboard[0].height), QSize(0, 0));
    }

    void aDragOffTheBoardStopsAtItsEdge() {
        CopyBench s(true);
        s.drag({700, 500}, {900, -40});
        circuitMouseUp(s.bench, 900, -40);
        const Picture& copied = s.platform.clipboard.at(0);
        QCOMPARE(QSize(copied.width, copied.height), QSize(70, 500));
        QCOMPARE(RecordingCanvas::differenceFromPattern(copied, 700, 0), std::string());
    }

    // Found by fuzzing: a press far off the board started the frame there, and the release
    // asked for a picture of gigabytes. The press is held on the picture as the drag is.
    void aPressOffTheBoardStartsAtItsEdge() {
        CopyBench s(true);
        s.drag({-30000, 30000}, {100, 50});
        circuitMouseUp(s.bench, 100, 50);
        const Picture& copied = s.platform.clipboard.at(0);
        QCOMPARE(QSize(copied.width, copied.height), QSize(100, kBoardHeight - 50));
        QCOMPARE(RecordingCanvas::differenceFromPattern(copied, 0, 50), std::string());
    }

    void withoutSelectionModeThePressShowsNoFrameAndCopiesNothing() {
        CopyBench s(false);
        s.drag({100, 50}, {340, 210});
        QVERIFY2(!s.frame().visible, "no frame outside selection mode");
        QVERIFY2(s.bench.ui.mouseHeld, "the press holds the mouse all the same");
        circuitMouseUp(s.bench, 340, 210);
        QVERIFY2(s.platform.clipboard.empty(), "nothing copied");
        QVERIFY2(!s.bench.ui.mouseHeld, "the release lets go");
    }
};

VOLTARO_TEST_CLASS(BoardCopyTest)
#include "tst_board_copy.moc"
