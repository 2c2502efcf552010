#include "app/dispatch.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "support/test_runner.h"

using namespace voltaro;

namespace {

// Drags a handle so that its top-left corner would land at (left, top) before any clamp: a
// resize handle ends half its width beyond the pointer.
void dragHandleTo(Workbench& bench, MarkerId id, int left, int top) {
    const MarkerRef ref = MarkerRef::named(id);
    const Marker& m = bench.marker(id);
    markerMouseDown(bench, ref, 4, 4);
    markerMouseMove(bench, ref, left - m.left - m.width / 2, top - m.top - m.width / 2);
    markerMouseUp(bench, ref, 4, 4);
}

} // namespace

class HandlesTest : public QObject {
    Q_OBJECT

private slots:
    void resizeHandlesAreClamped_data() {
        QTest::addColumn<int>("handle");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("topshTop");
        QTest::addColumn<int>("botshTop");
        QTest::addColumn<int>("bothLeft");
        const int top = int(MarkerId::topsh), bottom = int(MarkerId::botsh);
        // The handles start at (560, 112) and (560, 464); the board is 770 x 528.
        QTest::newRow("top handle within bounds") << top << 500 << 150 << 150 << 464 << 500;
        QTest::newRow("top handle 150 above the bottom one")
            << top << 560 << 314 << 264 << 464 << 560;
        QTest::newRow("bottom handle against the top one")
            << bottom << 560 << 250 << 112 << 312 << 560;
        QTest::newRow("left of 200") << top << 150 << 112 << 112 << 464 << 200;
        QTest::newRow("bottom handle left of 200") << bottom << 20 << 464 << 112 << 464 << 200;
        QTest::newRow("beyond the right edge") << bottom << 771 << 464 << 112 << 464 << 750;
        QTest::newRow("at the right edge") << bottom << 770 << 464 << 112 << 464 << 770;
        QTest::newRow("above 20") << top << 560 << 5 << 20 << 464 << 560;
        QTest::newRow("beyond the bottom edge") << bottom << 560 << 600 << 112 << 508 << 560;
        QTest::newRow("at the bottom edge") << bottom << 560 << 528 << 112 << 528 << 560;
    }
    void resizeHandlesAreClamped() {
        QFETCH(int, handle);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, topshTop);
        QFETCH(int, botshTop);
        QFETCH(int, bothLeft);
        Workbench bench;
        startUp(bench);
        dragHandleTo(bench, static_cast<MarkerId>(handle), left, top);
        QCOMPARE(bench.marker(MarkerId::topsh).top, topshTop);
        QCOMPARE(bench.marker(MarkerId::botsh).top, botshTop);
        QCOMPARE(bench.marker(MarkerId::topsh).left, bothLeft);
        QCOMPARE(bench.marker(MarkerId::botsh).left, bothLeft);
    }

    void dragStepPlacesCornersAndSides() {
        Workbench bench;
        startUp(bench);
        dragHandleTo(bench, MarkerId::topsh, 560, 112);
        const Markers& m = bench.model.markers;
        QCOMPARE(m[MarkerId::cor3].left, 553);
        QCOMPARE(m[MarkerId::cor3].top, 457);
        QCOMPARE(m[MarkerId::cor2].left, 553);
        QCOMPARE(m[MarkerId::cor2].top, 119);
        QCOMPARE(m[MarkerId::p2].top, 137);
        QCOMPARE(bench.model.layout.sideLength[kRightSide], 300);
        QCOMPARE(m[MarkerId::battneg].top, 236);
        QCOMPARE(m[MarkerId::battpos].top, 340);
        // The side squares keep their distance from the corners they hang on.
        QCOMPARE(m[MarkerId::p4].left - m[MarkerId::cor3].left,
                 bench.model.layout.bottomAnchorOffset);
        QCOMPARE(m[MarkerId::p1].top, m[MarkerId::cor1].top);
    }

    void handlesFollowOnlyWhileHeld() {
        Workbench bench;
        startUp(bench);
        const MarkerRef topsh = MarkerRef::named(MarkerId::topsh);
        markerMouseMove(bench, topsh, 30, 30);
        QCOMPARE(bench.marker(MarkerId::topsh).top, 112);
        markerMouseDown(bench, topsh, 4, 4);
        QVERIFY2(bench.ui.mouseHeld, "a press on a handle starts a drag");
        markerMouseMove(bench, topsh, 0, 0);
        QCOMPARE(bench.marker(MarkerId::topsh).top, 116);
        markerMouseUp(bench, topsh, 0, 0);
        QVERIFY2(!bench.ui.mouseHeld, "the release ends it");
        markerMouseMove(bench, topsh, 30, 30);
        QCOMPARE(bench.marker(MarkerId::topsh).top, 116);
    }

    void dragRecordsTheOffsetsBeforeMoving() {
        Workbench bench;
        startUp(bench);
        const int bottomOffset =
            bench.marker(MarkerId::p4).left - bench.marker(MarkerId::cor3).left;
        const int topOffset = bench.marker(MarkerId::p1).left +
                              bench.model.layout.sideLength[kTopSide] -
                              bench.marker(MarkerId::cor2).left;
        dragHandleTo(bench, MarkerId::botsh, 500, 400);
        QCOMPARE(bench.model.layout.bottomAnchorOffset, bottomOffset);
        QCOMPARE(bench.model.layout.topAnchorOffset, topOffset);
    }

    void cornerDragStretchesTheLoop() {
        Workbench bench;
        startUp(bench);
        Markers& m = bench.model.markers;
        const int cor3Left = m[MarkerId::cor3].left, cor3Top = m[MarkerId::cor3].top;
        const int p4Left = m[MarkerId::p4].left;
        const int topLength = bench.model.layout.sideLength[kTopSide];
        const MarkerRef cor3 = MarkerRef::named(MarkerId::cor3);
        markerMouseMove(bench, cor3, 30, 0);
        QCOMPARE(m[MarkerId::cor3].left, cor3Left); // a corner press holds no drag
        bench.ui.mouseHeld = true;
        markerMouseMove(bench, cor3, 30 - 3, -3); // half its width beyond the pointer
        QCOMPARE(m[MarkerId::cor3].left, cor3Left + 30);
        QCOMPARE(m[MarkerId::cor3].top, cor3Top);
        QCOMPARE(m[MarkerId::cor2].left, cor3Left + 30);
        QCOMPARE(m[MarkerId::p2].left, cor3Left + 30);
        QCOMPARE(m[MarkerId::p4].left, p4Left + 30);
        QCOMPARE(bench.model.layout.sideLength[kTopSide], topLength + 30);
        QCOMPARE(bench.model.layout.sideLength[kBottomSide],
                 m[MarkerId::p4].left - m[MarkerId::cor4].left - 20);
        QCOMPARE(bench.model.layout.sideLength[kRightSide],
                 m[MarkerId::cor3].top - m[MarkerId::p2].top - 20);
        QCOMPARE(m[MarkerId::battpos].top - m[MarkerId::battneg].top, 104);

        markerMouseMove(bench, cor3, -1000, -1000);
        QCOMPARE(m[MarkerId::cor3].left, 200);
        QCOMPARE(m[MarkerId::cor3].top, 275);
        QCOMPARE(m[MarkerId::cor4].top, 275);
    }

    void cornerPressOffersOnlyBreakAndJoin_data() {
        QTest::addColumn<int>("corner");
        for (MarkerId id : {MarkerId::cor1, MarkerId::cor2, MarkerId::cor3, MarkerId::cor4})
            QTest::newRow(markerName(id)) << int(id);
    }
    void cornerPressOffersOnlyBreakAndJoin() {
        QFETCH(int, corner);
        Workbench bench;
        startUp(bench);
        const MarkerRef ref = MarkerRef::named(static_cast<MarkerId>(corner));
        const Marker& m = bench.model.markers.at(ref);
        markerMouseDown(bench, ref, 3, 3);
        QVERIFY2(!bench.ui.mouseHeld, "a corner press holds no drag");
        QVERIFY(bench.ui.lastClicked == ref);
        QCOMPARE(bench.ui.currentSlot, m.tag);
        QVERIFY2(bench.ui.popup.has_value(), "the element menu opens");
        QCOMPARE(int(bench.ui.popup->menu), int(MenuId::secondpu));
        QCOMPARE(bench.ui.popup->x, m.left + 10);
        QCOMPARE(bench.ui.popup->y, m.top + 10);
        for (MenuId entry : menuChildren(MenuId::secondpu)) {
            const bool offered =
                entry == MenuId::N5 || entry == MenuId::Break1 || entry == MenuId::Join1;
            QVERIFY2(bench.menu(entry).visible == offered,
                     qPrintable(QStringLiteral("%1 %2")
                                    .arg(menuName(entry))
                                    .arg(offered ? "is offered" : "is hidden")));
        }
    }

    void moveHandlePlacesThePanel_data() {
        QTest::addColumn<int>("handle");
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("handleLeft");
        QTest::addColumn<int>("handleTop");
        const int first = int(MarkerId::movesh), second = int(MarkerId::movesh2);
        const int pl = int(WidgetId::meterpl), pl2 = int(WidgetId::meterpl2);
        QTest::newRow("design place") << first << pl << 280 << 240 << 280 << 240;
        QTest::newRow("second meter") << second << pl2 << 100 << 50 << 100 << 50;
        // The panel of 193 x 145 hangs 8 pixels right of and below the handle; it and the
        // leads resting 20 pixels above it stay on the picture, from (7, 7) to (777, 535).
        QTest::newRow("above the board") << first << pl << 300 << -1 << 300 << 19;
        QTest::newRow("left of the board") << first << pl << -1 << 300 << 10 << 300;
        QTest::newRow("below the board") << first << pl << 300 << 529 << 300 << 382;
        QTest::newRow("right of the board") << first << pl << 771 << 300 << 576 << 300;
    }
    void moveHandlePlacesThePanel() {
        QFETCH(int, handle);
        QFETCH(int, panel);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, handleLeft);
        QFETCH(int, handleTop);
        Workbench bench;
        startUp(bench);
        const MarkerRef ref = MarkerRef::named(static_cast<MarkerId>(handle));
        const Marker& m = bench.model.markers.at(ref);
        const Widget& w = bench.widget(static_cast<WidgetId>(panel));
        const int panelLeft = w.left;
        markerMouseDown(bench, ref, 4, 4);
        // The handle's centre follows the pointer.
        markerMouseMove(bench, ref, left - m.left + 4, top - m.top + 4);
        QCOMPARE(m.left, handleLeft);
        QCOMPARE(m.top, handleTop);
        QCOMPARE(w.left, panelLeft); // the panel waits for the release
        markerMouseUp(bench, ref, 4, 4);
        QCOMPARE(w.left, handleLeft + 8);
        QCOMPARE(w.top, handleTop + 8);
    }
};

VOLTARO_TEST_CLASS(HandlesTest)
#include "tst_handles.moc"
