#include "support/compare.h"
#include "support/started_bench.h"
#include "support/test_runner.h"
#include "view/marker_hit.h"
#include "view/point.h"
#include "window_driver.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>

using namespace voltaro;
using voltaro::test::sendMouse;
using voltaro::test::WindowDriver;

namespace {

// Pixels that differ between two pictures inside a square around a picture point.
int changedPixelsAround(const QImage& before, const QImage& after, QPoint centre, int radius) {
    int changed = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                ++changed;
    return changed;
}

QPoint anchorOf(const Marker& m) {
    return QPoint(m.anchorX(), m.anchorY());
}

} // namespace

class BuildingTest : public QObject {
    Q_OBJECT

private slots:
    void slotMarkerPlacesABulb() {
        WindowDriver w;
        const Marker& first = w.bench().model.markers.slot(1);
        const QPoint centre = (anchorOf(first) + anchorOf(w.bench().model.markers.slot(2))) / 2;
        const QImage before = w.picture();

        w.clickMarker(MarkerRef::slot(1));
        QVERIFY2(w.openedPopup == w.window.popupMenu(MenuId::secondpu),
                 "the element menu opens on a slot marker");
        QCOMPARE(w.popupPoint, w.panel()->mapToGlobal(QPoint(first.left + 10, first.top + 10)));
        QVERIFY2(w.action("Bulb1")->isVisible(), "the Bulb submenu is offered");
        QCOMPARE(w.action("Switch1")->text(), QStringLiteral("Switch (Closed)"));

        w.choose("Bulb21");
        const ElementRecord& r = w.bench().model.tables.record(1);
        QCOMPARE(r.kind, int(ElementKind::Bulb2));
        QCOMPARE(r.resistance, 10.0);
        QCOMPARE(int(r.switchFlag), 0);
        const int changed = changedPixelsAround(before, w.picture(), centre, 8);
        QVERIFY2(changed > 20, qPrintable(QStringLiteral("the bulb is drawn at its slot: %1 "
                                                         "pixels changed")
                                              .arg(changed)));
    }

    void endNodeOffersNoElements() {
        WindowDriver w;
        w.clickMarker(MarkerRef::slot(2));
        QVERIFY(w.openedPopup == w.window.popupMenu(MenuId::secondpu));
        for (const char* entry : {"Add1", "Bulb1", "Switch1", "Wire2"})
            QVERIFY2(!w.action(entry)->isVisible(), entry);
        QVERIFY2(w.action("Break1")->isVisible() && !w.action("Join1")->isEnabled(),
                 "Break and a disabled Join remain");
    }

    void laneMenuAddsMarkers() {
        WindowDriver w;
        w.clickMarker(MarkerRef::named(MarkerId::p2));
        QVERIFY2(w.openedPopup == w.window.popupMenu(MenuId::firstpu),
                 "the lane menu opens on a red square");
        QCOMPARE(w.action("SecondParallel01")->text(), QStringLiteral("Middle Parallel (0)"));
        QVERIFY2(!w.action("N04")->isVisible(), "no 0 for lane 1");

        w.choose("N12");
        const Markers& markers = w.bench().model.markers;
        const int newSlot = slotNumber(kRightSide, 2, 1, 1, 1);
        for (const MarkerRef& ref : {MarkerRef::slot(newSlot), MarkerRef::slot(newSlot + 1),
                                     MarkerRef::branch(kRightSide, 2, 1)}) {
            const Marker& m = markers.at(ref);
            QVERIFY2(m.visible, "the new block's markers are shown");
            const auto hit = markerAt(markers, m.left + 3, m.top + 3);
            QVERIFY2(hit && *hit == ref, "and the mouse finds them");
        }
        w.clickMarker(MarkerRef::slot(newSlot));
        QVERIFY2(w.openedPopup == w.window.popupMenu(MenuId::secondpu),
                 "a new slot marker opens the element menu");
        QCOMPARE(w.bench().ui.currentSlot, newSlot);
    }

    void branchMenuCaptionsComeFromTheBlock() {
        WindowDriver w;
        w.clickMarker(MarkerRef::branch(kTopSide, 1, 1));
        QVERIFY(w.openedPopup == w.window.popupMenu(MenuId::parpu));
        w.choose("N28");
        w.clickMarker(MarkerRef::branch(kTopSide, 1, 1));
        QCOMPARE(w.action("secondpu1")->text(), QStringLiteral("Middle Parallel (2)"));
        QCOMPARE(w.action("firstpu1")->text(), QStringLiteral("Top Parallel (1)"));
    }

    void resetAnsweredNoChangesNothing() {
        WindowDriver w;
        w.clickMarker(MarkerRef::slot(1));
        w.choose("Bulb11");
        const Workbench before = w.bench();
        const QImage pictureBefore = w.picture();
        w.platform.confirmAnswers = {false};
        w.choose("Reset1");
        QCOMPARE(w.platform.confirmations.size(), std::size_t(1));
        const std::string difference = test::firstDifference(before, w.bench());
        QVERIFY2(difference.empty(), difference.c_str());
        QVERIFY2(w.picture() == pictureBefore, "the board is unchanged");
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Voltaro"));
    }

    void resistorValueIsTypedInTheBox() {
        WindowDriver w;
        w.clickMarker(MarkerRef::slot(109));
        w.choose("Add1");
        auto* box = w.window.findChild<QGroupBox*>(QStringLiteral("rvgb"));
        auto* edit = w.window.findChild<QLineEdit*>(QStringLiteral("rveb"));
        QVERIFY(box && edit);
        QVERIFY2(box->isVisible(), "the value box is shown");
        const Widget& state = w.bench().widget(WidgetId::rvgb);
        QCOMPARE(box->geometry(), QRect(state.left, state.top, state.width, state.height));
        QCOMPARE(edit->text(), QStringLiteral("100.00"));

        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(w.platform.errors.size(), std::size_t(1));
        QCOMPARE(w.platform.errors.front(),
                 std::string("'abc' is not a valid floating point value"));
        QVERIFY2(box->isVisible(), "the box stays open for correction");

        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("47"));
        QTest::keyClick(edit, Qt::Key_Enter);
        QCOMPARE(w.bench().model.tables.record(109).resistance, 47.0);
        QVERIFY2(!box->isVisible(), "Enter closes the box");
    }

    void needleDragNeedsAPressOnThePicture_data() {
        QTest::addColumn<bool>("pressOnMarker");
        QTest::addColumn<double>("volts");
        QTest::newRow("press on the picture") << false << 6.0;
        QTest::newRow("press on a marker") << true << 5.0;
    }
    void needleDragNeedsAPressOnThePicture() {
        QFETCH(bool, pressOnMarker);
        QFETCH(double, volts);
        WindowDriver w;
        w.choose("Variable1");
        const Marker& negative = w.bench().marker(MarkerId::battneg);
        const int dialY = (negative.top + w.bench().marker(MarkerId::battpos).top) / 2 - 20;
        // In picture pixels; the panel lies 7 pixels further out.
        const QPoint onDial(kBoardOriginX + negative.left + 30, kBoardOriginY + dialY);
        const Marker& slot = w.bench().model.markers.slot(1);
        const QPoint start = pressOnMarker ? QPoint(slot.left + 3, slot.top + 3)
                                           : QPoint(kBoardOriginX + negative.left + 5, onDial.y());
        sendMouse(w.panel(), QEvent::MouseButtonPress, start, Qt::LeftButton);
        sendMouse(w.panel(), QEvent::MouseMove, onDial, Qt::LeftButton);
        sendMouse(w.panel(), QEvent::MouseButtonRelease, onDial, Qt::NoButton);
        VOLTARO_COMPARE_NEAR(w.bench().model.source.supplyVoltage, volts, 1e-9);
        QVERIFY2(!w.bench().ui.mouseHeld, "the release lets go");
    }

    void batteryMenuSetsTheCells() {
        WindowDriver w;
        w.clickMarker(MarkerRef::named(MarkerId::battpos));
        QVERIFY2(w.openedPopup == w.window.popupMenu(MenuId::battpu),
                 "the battery menu opens on a terminal");
        w.choose("N41");
        QCOMPARE(w.action("Numser1")->text(), QStringLiteral("Number in &Series (4)"));
        VOLTARO_COMPARE_NEAR(w.bench().model.source.supplyVoltage, 6.0, 1e-9);
    }

    void cursorFollowsTheMarkerUnderThePointer() {
        WindowDriver w;
        const Marker& handle = w.bench().marker(MarkerId::botsh);
        sendMouse(w.panel(), QEvent::MouseMove, QPoint(handle.left + 4, handle.top + 4),
                  Qt::NoButton);
        QCOMPARE(w.panel()->cursor().shape(), Qt::SizeFDiagCursor);
        const Marker& slot = w.bench().model.markers.slot(1);
        sendMouse(w.panel(), QEvent::MouseMove, QPoint(slot.left + 3, slot.top + 3), Qt::NoButton);
        QCOMPARE(w.panel()->cursor().shape(), Qt::PointingHandCursor);
        sendMouse(w.panel(), QEvent::MouseMove, QPoint(400, 300), Qt::NoButton);
        QCOMPARE(w.panel()->cursor().shape(), Qt::ArrowCursor);
    }
};

VOLTARO_TEST_CLASS(BuildingTest)
#include "tst_building.moc"
