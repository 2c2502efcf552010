#include "qt/board_panel.h"
#include "qt/tcircuits.h"
#include "support/test_runner.h"

using namespace voltaro;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensAsTheBoardWindow() {
        TCircuits window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Voltaro"));
        QCOMPARE(window.size(), QSize(800, 600));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(254, 253, 199));
        BoardPanel* panel = window.findChild<BoardPanel*>(QStringLiteral("Panel1"));
        QVERIFY2(panel, "the board panel is called Panel1");
        QCOMPARE(panel->picture().size(), QSize(770, 528));
        const QImage shot = panel->grab().toImage();
        QCOMPARE(QColor(shot.pixel(BoardPanel::kPictureLeft, BoardPanel::kPictureTop)),
                 QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(5, shot.height() / 2)), QColor(169, 150, 109));
    }
};

VOLTARO_TEST_CLASS(WindowTest)
#include "tst_window.moc"
