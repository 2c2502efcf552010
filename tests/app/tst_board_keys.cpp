#include "app/board_keys.h"
#include "app/board_pointer.h"
#include "app/dispatch.h"
#include "bench/focus_order.h"
#include "bench/workbench.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using voltaro::test::StartedBench;

namespace {

using M = MarkerId;

QString nameOf(const BoardControl& c) {
    if (c.isStepArrow())
        return QStringLiteral("arrow%1").arg(c.arrowCell);
    switch (c.marker.family) {
    case MarkerFamily::Slot:
        return QStringLiteral("slot%1").arg(c.marker.index);
    case MarkerFamily::Branch:
        return QStringLiteral("branch%1").arg(c.marker.index);
    case MarkerFamily::Named:
        break;
    }
    return QString::fromLatin1(markerName(static_cast<MarkerId>(c.marker.index)));
}

QStringList namesOf(const std::vector<FocusStop>& stops) {
    QStringList names;
    for (const FocusStop& s : stops)
        names << nameOf(s.control);
    return names;
}

QStringList tabbedThrough(Workbench& bench) {
    QStringList names;
    while (boardKeyPress(bench, BoardKey::Tab, false))
        names << nameOf(*bench.ui.boardFocus.control);
    return names;
}

void focus(Workbench& bench, MarkerRef ref) {
    bench.ui.boardFocus = {BoardControl::of(ref), true};
}

void press(Workbench& bench, BoardKey key, bool shift = false, int times = 1) {
    for (int i = 0; i < times; ++i)
        boardKeyPress(bench, key, shift);
}

// What a key left on the board: the popup it asked for, relative to the focused marker, or the
// places and the supply that keys move.
QString outcome(const Workbench& bench, MarkerRef focused) {
    if (const auto& popup = bench.ui.popup) {
        const Marker& m = bench.model.markers.at(focused);
        return QStringLiteral("%1 at +%2+%3%4")
            .arg(QString::fromLatin1(menuName(popup->menu)))
            .arg(popup->x - m.left)
            .arg(popup->y - m.top)
            .arg(popup->byKeyboard ? QStringLiteral(", first entry") : QString());
    }
    const Marker& bottom = bench.marker(M::botsh);
    const Widget& meter = bench.widget(WidgetId::meterpl);
    return QStringLiteral("botsh %1,%2 topsh %3 meter %4,%5 supply %6")
        .arg(bottom.left)
        .arg(bottom.top)
        .arg(bench.marker(M::topsh).left)
        .arg(meter.left)
        .arg(meter.top)
        .arg(bench.model.source.supplyVoltage, 0, 'f', 1);
}

} // namespace

class BoardKeysTest : public QObject {
    Q_OBJECT

private slots:
    // Tab visits the shown controls in the table's order and then leaves the board; the meter's
    // controls join when it is on.
    void focusOrderFollowsTheTable() {
        StartedBench s;
        const QStringList atStart = {"battneg", "battpos", "cor1", "p1",    "branch1",
                                     "slot1",   "slot2",   "cor2", "p2",    "branch10",
                                     "slot109", "slot110", "cor3", "p4",    "branch28",
                                     "slot325", "slot326", "cor4", "topsh", "botsh"};
        QCOMPARE(namesOf(focusOrder(s.bench)), atStart);
        QCOMPARE(tabbedThrough(s.bench), atStart);
        QVERIFY2(!boardKeyPress(s.bench, BoardKey::Tab, false), "Tab past the last leaves");
        QVERIFY(boardKeyPress(s.bench, BoardKey::Backtab, false));
        QCOMPARE(nameOf(*s.bench.ui.boardFocus.control), QStringLiteral("topsh"));

        triggerMenu(s.bench, MenuId::On1);
        const QStringList meterOn = namesOf(focusOrder(s.bench));
        QCOMPARE(meterOn.mid(meterOn.size() - 4), (QStringList{"botsh", "movesh", "vpos", "vneg"}));
        enterBoardByTab(s.bench, false);
        QCOMPARE(nameOf(*s.bench.ui.boardFocus.control), QStringLiteral("vneg"));
        QVERIFY2(s.bench.ui.boardFocus.ringShown, "a key shows the ring");
        QVERIFY(
            boardPress(s.bench, s.bench.marker(M::cor2).left + 3, s.bench.marker(M::cor2).top + 3));
        QCOMPARE(nameOf(*s.bench.ui.boardFocus.control), QStringLiteral("cor2"));
        QVERIFY2(!s.bench.ui.boardFocus.ringShown, "a click moves the focus without the ring");
    }

    void keysReachTheMouseHandlers_data() {
        QTest::addColumn<int>("marker");
        QTest::addColumn<bool>("setUp"); // the meter on and the variable supply chosen first
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("expected");
        const auto id = [](MarkerId m) { return static_cast<int>(m); };
        const int enter = int(BoardKey::Enter), up = int(BoardKey::Up);
        const int left = int(BoardKey::Left), right = int(BoardKey::Right);
        const int down = int(BoardKey::Down);
        const QString start = QStringLiteral("botsh 560,464 topsh 560 meter 288,248 supply ");
        QTest::newRow("corner, Enter")
            << id(M::cor1) << false << enter << false << 1 << "secondpu at +10+10, first entry";
        QTest::newRow("side square, Space") << id(M::p1) << false << int(BoardKey::Space) << false
                                            << 1 << "firstpu at +10+10, first entry";
        QTest::newRow("battery, menu key") << id(M::battpos) << false << int(BoardKey::Menu)
                                           << false << 1 << "battpu at +10+10, first entry";
        QTest::newRow("variable supply, Enter")
            << id(M::battneg) << true << enter << false << 1 << start + "5.0";
        QTest::newRow("bottom handle, Up") << id(M::botsh) << false << up << false << 1
                                           << "botsh 560,459 topsh 560 meter 288,248 supply 3.0";
        QTest::newRow("bottom handle, Shift+Left")
            << id(M::botsh) << false << left << true << 1
            << "botsh 559,464 topsh 559 meter 288,248 supply 3.0";
        QTest::newRow("bottom handle, Left to its clamp")
            << id(M::botsh) << false << left << false << 100
            << "botsh 200,464 topsh 200 meter 288,248 supply 3.0";
        QTest::newRow("bottom handle, Up to the top handle")
            << id(M::botsh) << false << up << false << 100
            << "botsh 560,312 topsh 560 meter 288,248 supply 3.0";
        QTest::newRow("meter square, Right") << id(M::movesh) << true << right << false << 1
                                             << "botsh 560,464 topsh 560 meter 293,248 supply 5.0";
        QTest::newRow("meter square, Up off the board")
            << id(M::movesh) << true << up << false << 100
            << "botsh 560,464 topsh 560 meter 288,27 supply 5.0";
        QTest::newRow("variable supply, Up")
            << id(M::battneg) << true << up << false << 1 << start + "5.1";
        QTest::newRow("variable supply, Shift+Up")
            << id(M::battpos) << true << up << true << 3 << start + "8.0";
        QTest::newRow("variable supply, Down to nought")
            << id(M::battneg) << true << down << true << 20 << start + "0.0";
    }

    // A key on a focused control gives what the mouse gives: a click's popup at the same place,
    // a drag through the drag's handlers and clamps; the supply steps by tenths of a volt.
    void keysReachTheMouseHandlers() {
        QFETCH(int, marker);
        QFETCH(bool, setUp);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(int, times);
        QFETCH(QString, expected);
        StartedBench byKey, byMouse;
        for (Workbench* bench : {&byKey.bench, &byMouse.bench})
            if (setUp) {
                triggerMenu(*bench, MenuId::Variable1);
                triggerMenu(*bench, MenuId::On1);
            }
        const MarkerRef ref = MarkerRef::named(static_cast<MarkerId>(marker));
        focus(byKey.bench, ref);
        press(byKey.bench, static_cast<BoardKey>(key), shift, times);
        QCOMPARE(outcome(byKey.bench, ref), expected);
        if (!byKey.bench.ui.popup)
            return;
        const Marker& m = byMouse.bench.model.markers.at(ref);
        boardPress(byMouse.bench, m.left + 3, m.top + 3);
        boardRelease(byMouse.bench, m.left + 3, m.top + 3);
        QCOMPARE(test::firstDifference(byKey.bench, byMouse.bench), std::string());
        QCOMPARE(byKey.bench.ui.popup->menu, byMouse.bench.ui.popup->menu);
        QCOMPARE(byKey.bench.ui.popup->x, byMouse.bench.ui.popup->x);
        QCOMPARE(byKey.bench.ui.popup->y, byMouse.bench.ui.popup->y);
    }

    // A bulb put in by keys, then the voltmeter's leads walked by the arrows onto the battery's
    // terminals: the meter reads the supply; Escape parks a lead and the reading is gone.
    void aLeadWalksAcrossPoints() {
        StartedBench s;
        Workbench& bench = s.bench;
        focus(bench, MarkerRef::slot(1));
        press(bench, BoardKey::Enter);
        QVERIFY(bench.ui.popup && bench.ui.popup->menu == MenuId::secondpu);
        triggerMenu(bench, MenuId::Bulb11);
        triggerMenu(bench, MenuId::On1);
        triggerMenu(bench, MenuId::Voltage1);

        focus(bench, MarkerRef::named(M::vpos));
        press(bench, BoardKey::Left);
        QCOMPARE(bench.meter.leadPoint[1], std::optional(MarkerRef::named(M::battneg)));
        focus(bench, MarkerRef::named(M::vneg));
        for (int i = 0; i < 20 && bench.meter.leadPoint[2] != MarkerRef::named(M::battneg); ++i)
            press(bench, BoardKey::Left);
        press(bench, BoardKey::Down);
        QCOMPARE(bench.meter.leadPoint[2], std::optional(MarkerRef::named(M::battpos)));
        QCOMPARE(bench.marker(M::vneg).top, bench.marker(M::battpos).top);
        QCOMPARE(bench.meter.reading, 3.0);
        QCOMPARE(bench.widget(WidgetId::currenteb).text, std::string(" 3.0"));

        press(bench, BoardKey::Escape);
        QVERIFY2(!bench.meter.leadPoint[2], "Escape parks the lead on no point");
        QCOMPARE(bench.widget(WidgetId::currenteb).text, std::string("---"));
    }
};

VOLTARO_TEST_CLASS(BoardKeysTest)
#include "tst_board_keys.moc"
