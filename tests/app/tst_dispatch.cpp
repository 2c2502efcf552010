#include "app/board_pointer.h"
#include "app/dispatch.h"
#include "app/shell.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "support/test_runner.h"
#include "voltaro/version.h"

#include <climits>
#include <cstdlib>

using namespace voltaro;

class DispatchTest : public QObject {
    Q_OBJECT

private slots:
    void reachesOnlyVisibleEnabledEntries_data() {
        QTest::addColumn<int>("hide");    // an entry made invisible first, or -1
        QTest::addColumn<int>("disable"); // an entry disabled first, or -1
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("reachable");
        const int none = -1;
        const auto id = [](MenuId m) { return static_cast<int>(m); };
        QTest::newRow("plain entry") << none << none << id(MenuId::Exit1) << true;
        QTest::newRow("hidden at start") << none << none << id(MenuId::None1) << false;
        QTest::newRow("disabled at start") << none << none << id(MenuId::Join1) << false;
        QTest::newRow("under a disabled menu")
            << none << id(MenuId::Options1) << id(MenuId::ShowResistance1) << false;
        QTest::newRow("under a hidden submenu")
            << id(MenuId::Bulb1) << none << id(MenuId::Bulb21) << false;
    }
    void reachesOnlyVisibleEnabledEntries() {
        QFETCH(int, hide);
        QFETCH(int, disable);
        QFETCH(int, entry);
        QFETCH(bool, reachable);
        Menus menus = makeDesignMenus();
        if (hide >= 0)
            menus[static_cast<MenuId>(hide)].visible = false;
        if (disable >= 0)
            menus[static_cast<MenuId>(disable)].enabled = false;
        QCOMPARE(isReachable(menus, static_cast<MenuId>(entry)), reachable);
    }

    void runsTheBoundHandlerOnlyWhenReachable() {
        Workbench bench;
        startUp(bench);
        bench.menu(MenuId::File1).enabled = false;
        triggerMenu(bench, MenuId::Exit1);
        QVERIFY2(!bench.ui.closeRequested, "a disabled menu's entry does nothing");
        bench.menu(MenuId::File1).enabled = true;
        triggerMenu(bench, MenuId::Exit1);
        QVERIFY2(bench.ui.closeRequested, "Exit asks the window to close");
    }

    void ignoresEntriesWithoutHandlersAndInvalidMarkers() {
        Workbench bench;
        startUp(bench);
        QVERIFY(!hasMenuHandler(MenuId::File1));
        triggerMenu(bench, MenuId::File1);
        markerMouseDown(bench, MarkerRef::slot(0), 0, 0);
        markerMouseDown(bench, {MarkerFamily::Named, 999}, 0, 0);
        QVERIFY(!bench.ui.closeRequested);
    }

    void widgetEventsReachOnlyUsableWidgets_data() {
        QTest::addColumn<bool>("boxVisible");
        QTest::addColumn<bool>("editEnabled");
        QTest::addColumn<bool>("handled");
        QTest::newRow("usable") << true << true << true;
        QTest::newRow("inside a hidden box") << false << true << false;
        QTest::newRow("disabled") << true << false << false;
    }
    void widgetEventsReachOnlyUsableWidgets() {
        QFETCH(bool, boxVisible);
        QFETCH(bool, editEnabled);
        QFETCH(bool, handled);
        Workbench bench;
        startUp(bench);
        bench.widget(WidgetId::rvgb).tag = 1;
        bench.widget(WidgetId::rvgb).visible = boxVisible;
        bench.widget(WidgetId::rveb).enabled = editEnabled;
        bench.widget(WidgetId::rveb).text = "5";
        QVERIFY(hasWidgetHandler(WidgetId::rveb, WidgetEvent::Enter));
        QVERIFY(!hasWidgetHandler(WidgetId::rveb, WidgetEvent::FocusIn));
        widgetEvent(bench, WidgetId::rveb, WidgetEvent::Enter);
        QCOMPARE(bench.model.tables.record(1).resistance, handled ? 5.0 : 100.0);
    }

    void boardPressHoldsTheMouseUntilRelease() {
        Workbench bench;
        startUp(bench);
        circuitMouseDown(bench, 10, 10);
        QVERIFY2(bench.ui.mouseHeld, "a press on the board holds the mouse");
        circuitMouseMove(bench, 20, 20);
        QVERIFY(bench.ui.mouseHeld);
        circuitMouseUp(bench, 20, 20);
        QVERIFY2(!bench.ui.mouseHeld, "the release lets it go");
    }

    // The marker a press reaches keeps the mouse wherever the pointer goes, until the release;
    // a press beside the picture reaches nothing, and a move without a button ends a capture
    // whose release went elsewhere.
    void aPressedMarkerKeepsTheMouse() {
        Workbench bench;
        startUp(bench);
        const Marker& handle = bench.marker(MarkerId::botsh);
        const int top = handle.top;
        QVERIFY(boardPress(bench, handle.left + 4, handle.top + 4));
        QVERIFY(boardMove(bench, handle.left + 4, handle.top + 54, true));
        QVERIFY2(handle.top > top + 40, "the move reached the handle, though it lay below it");
        QVERIFY2(bench.ui.captured.held &&
                     bench.ui.captured.target == PointerTarget(MarkerRef::named(MarkerId::botsh)),
                 "the handle holds the mouse");
        QVERIFY(boardRelease(bench, 300, 300));
        QVERIFY2(!bench.ui.captured.held && !bench.ui.mouseHeld, "the release lets it go");
        QVERIFY2(!boardRelease(bench, 300, 300), "a second release reaches nothing");

        QVERIFY2(!boardPress(bench, 2, 2), "beside the picture is nothing to press");
        QVERIFY(boardPress(bench, 300, 300));
        QVERIFY2(bench.ui.captured.held && !bench.ui.captured.target,
                 "the bare picture holds the mouse");
        boardMove(bench, 310, 310, false);
        QVERIFY2(!bench.ui.captured.held, "a move without a button ends the capture");
        QCOMPARE(boardCursorAt(bench, handle.left + 4, handle.top + 4), handle.cursor);
    }

    // Found by fuzzing: moves far beyond any screen overflowed the lead's and the handles'
    // positions. Every mouse event is held within the pointer's reach.
    void dragsStayWithinThePointersReach_data() {
        QTest::addColumn<int>("marker");
        QTest::addColumn<int>("far");
        const auto id = [](MarkerId m) { return static_cast<int>(m); };
        for (int far : {INT_MAX, INT_MIN}) {
            const char* way = far > 0 ? "far out" : "far back";
            QTest::addRow("black lead, %s", way) << id(MarkerId::vpos) << far;
            QTest::addRow("bottom handle, %s", way) << id(MarkerId::botsh) << far;
            QTest::addRow("corner, %s", way) << id(MarkerId::cor3) << far;
            QTest::addRow("meter handle, %s", way) << id(MarkerId::movesh) << far;
        }
    }

    void dragsStayWithinThePointersReach() {
        QFETCH(int, marker);
        QFETCH(int, far);
        Workbench bench;
        startUp(bench);
        triggerMenu(bench, MenuId::On1);
        const MarkerRef ref = MarkerRef::named(static_cast<MarkerId>(marker));
        markerMouseDown(bench, MarkerRef::named(MarkerId::botsh), 4, 4); // holds the mouse
        for (int step = 0; step < 3; ++step)
            markerMouseMove(bench, ref, far, far);
        const Marker& m = bench.model.markers.at(ref);
        QVERIFY2(std::abs(m.left) <= kPointerReach + 10 && std::abs(m.top) <= kPointerReach + 10,
                 qPrintable(QStringLiteral("at (%1, %2)").arg(m.left).arg(m.top)));
        circuitMouseDown(bench, far, far);
        circuitMouseMove(bench, far, far);
        circuitMouseUp(bench, far, far);
    }

    void aboutNamesTheProductAndVersion() {
        const QString text = QString::fromStdString(aboutText().english());
        QVERIFY(text.contains(QStringLiteral("Product Name:Voltaro")));
        QVERIFY(text.contains(QStringLiteral("Version ") + QLatin1String(kVoltaroVersion)));
    }
};

VOLTARO_TEST_CLASS(DispatchTest)
#include "tst_dispatch.moc"
