#include "qt/board_panel.h"
#include "qt/qt_colours.h"
#include "qt/tcircuits.h"
#include "support/test_runner.h"
#include "window_driver.h"

using namespace voltaro;
using voltaro::test::WindowDriver;

class BoardPanelTest : public QObject {
    Q_OBJECT

private slots:
    // Board coordinates: the picture lies at (7, 7) in them.
    void showsTheDefaultCircuitWithItsMarkers_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("the top wire under the picture") << 7 + 300 << 7 + 121 << QColor(Qt::red);
        QTest::newRow("the battery's long plate") << 7 + 10 << 7 + 298 << QColor(Qt::red);
        QTest::newRow("inside the board") << 7 + 300 << 7 + 300 << QColor(Qt::white);
        QTest::newRow("a white slot marker over the wire") << 81 << 128 << QColor(Qt::white);
        QTest::newRow("its black outline") << 78 << 128 << QColor(Qt::black);
        QTest::newRow("the red side square p1") << 51 << 128 << QColor(Qt::red);
        QTest::newRow("the green branch marker") << 61 << 128 << QColor(0, 128, 0);
        QTest::newRow("the gray handle topsh") << 564 << 116 << QColor(128, 128, 128);
        QTest::newRow("the black terminal") << 37 << 239 << QColor(Qt::black);
        QTest::newRow("the red terminal") << 37 << 343 << QColor(Qt::red);
    }
    void showsTheDefaultCircuitWithItsMarkers() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QColor, colour);
        TCircuits window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        BoardPanel* panel = window.boardPanel();
        const QImage shot = panel->grab().toImage();
        QCOMPARE(QColor(shot.pixel(x, y)), colour);
    }

    void hiddenMarkersAreNotDrawn() {
        TCircuits window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The hidden side's square p3 at (686, 24), white, hidden: the picture shows there.
        window.bench().marker(MarkerId::p3).brush = Colour::Green;
        const QImage shot = window.boardPanel()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(689, 27)), QColor(Qt::white));
    }

    // At a view scale the pointer is read in board pixels: a click on a marker as the window
    // shows it opens the marker's popup where it opens at 100 %, scaled; the board picture for
    // copies stays 770 x 528 and the panel shows the marker where the click went.
    void zoomedClicksHitTheMarkerShown_data() {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("popup");
        for (const char* scale : {"Zoom125", "Zoom150", "Zoom200"}) {
            QTest::addRow("slot marker, %s", scale) << scale << static_cast<int>(MenuId::secondpu);
            QTest::addRow("side square, %s", scale) << scale << static_cast<int>(MenuId::firstpu);
        }
    }
    void zoomedClicksHitTheMarkerShown() {
        QFETCH(QString, scale);
        QFETCH(int, popup);
        WindowDriver w;
        w.choose(scale.toLatin1().constData());
        const MarkerRef ref = popup == static_cast<int>(MenuId::secondpu)
                                  ? MarkerRef::slot(1)
                                  : MarkerRef::named(MarkerId::p2);
        const Marker& m = w.bench().model.markers.at(ref);
        const QRect shown = w.panel()->toView(QRect(m.left, m.top, m.width, m.height));
        // The last window pixel of the marker, where rounding would first miss it.
        const QPoint inside = shown.bottomRight();
        QCOMPARE(QColor(w.panel()->grab().toImage().pixel(shown.center())),
                 QColor(toQColor(m.brush)));
        QTest::mouseClick(w.panel(), Qt::LeftButton, {}, inside);
        QVERIFY(w.openedPopup == w.window.popupMenu(static_cast<MenuId>(popup)));
        QCOMPARE(w.picture().size(), QSize(kBoardWidth, kBoardHeight));
        const QPoint below = shown.bottomLeft() + QPoint(0, 1);
        w.openedPopup = nullptr;
        QTest::mouseClick(w.panel(), Qt::LeftButton, {}, below);
        QVERIFY(w.openedPopup != w.window.popupMenu(static_cast<MenuId>(popup)));
    }
};

VOLTARO_TEST_CLASS(BoardPanelTest)
#include "tst_board_panel.moc"
