#include "app/dispatch.h"
#include "support/test_runner.h"
#include "view/point.h"
#include "window_driver.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>

using namespace voltaro;
using voltaro::test::WindowDriver;

Q_DECLARE_METATYPE(voltaro::MenuId)
Q_DECLARE_METATYPE(voltaro::MarkerRef)

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void everyEntryIsAnActionInItsPlace_data() {
        QTest::addColumn<MenuId>("id");
        for (int i = 0; i < kMenuCount; ++i) {
            const auto id = static_cast<MenuId>(i);
            if (!menuDesign(id).isPopup)
                QTest::newRow(menuName(id)) << id;
        }
    }
    void everyEntryIsAnActionInItsPlace() {
        QFETCH(MenuId, id);
        WindowDriver w;
        QAction* action = w.action(menuName(id));
        QVERIFY2(action, "an action named after the entry");
        const MenuEntry& entry = w.bench().menu(id);
        QCOMPARE(action->isSeparator(), isSeparator(id));
        QCOMPARE(action->text(),
                 isSeparator(id) ? QString() : QString::fromStdString(entry.caption.english()));
        QCOMPARE(action->isVisible(), entry.visible);
        if (entry.visible) // Qt counts a hidden action as disabled
            QCOMPARE(action->isEnabled(), entry.enabled);
        QCOMPARE(action->isCheckable() && action->isChecked(), entry.checked);
        const QString keys = QString::fromLatin1(menuDesign(id).shortcut);
        QCOMPARE(action->shortcuts(),
                 keys.isEmpty() ? QList<QKeySequence>() : QKeySequence::listFromString(keys));
        // It hangs in the menu of its parent entry, or in the menu bar.
        const std::optional<MenuId> parent = menuDesign(id).parent;
        QWidget* holder = parent ? static_cast<QWidget*>(w.window.findChild<QMenu*>(
                                       QString::fromLatin1(menuName(*parent))))
                                 : w.window.menuBar();
        QVERIFY2(holder && holder->actions().contains(action), "in its parent's menu");
    }

    void startUpStateIsShown() {
        WindowDriver w;
        QVERIFY2(w.action("ShowBright1")->isChecked(), "Show Brightness is checked");
        QVERIFY2(w.action("Lightbulb1")->isChecked(), "Light bulb was chosen at start-up");
        QVERIFY2(!w.action("Meter21")->isVisible(), "Meter 2 is hidden");
        QVERIFY2(!w.action("Join1")->isEnabled(), "Join is disabled");
        QCOMPARE(w.action("File1")->text(), QStringLiteral("&File"));
    }

    void checkMarksFollowTheWorkbench() {
        WindowDriver w;
        QAction* showResistance = w.action("ShowResistance1");
        showResistance->trigger(); // Qt flips the mark; the workbench has no handler yet
        QCOMPARE(showResistance->isChecked(), w.bench().model.menus.showResistance());
        w.bench().menu(MenuId::ShowResistance1).checked = true;
        w.window.mirror();
        QVERIFY2(showResistance->isChecked(), "the mark follows the workbench");
    }

    void shortcutsWorkWithoutOpeningTheMenu_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("locked"); // the Options menu disabled, as a locked circuit has it
        QTest::newRow("Ctrl+C copies") << QStringLiteral("Copy1") << int(Qt::Key_C) << false;
        QTest::newRow("Ctrl+P prints") << QStringLiteral("print1") << int(Qt::Key_P) << false;
        QTest::newRow("Ctrl++ zooms in a locked circuit")
            << QStringLiteral("ZoomIn1") << int(Qt::Key_Plus) << true;
    }
    void shortcutsWorkWithoutOpeningTheMenu() {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(bool, locked);
        WindowDriver w;
        w.bench().menu(MenuId::Options1).enabled = !locked;
        w.window.mirror();
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy fired(w.window.findChild<QAction*>(name), &QAction::triggered);
        QTest::keyClick(&w.window, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(fired.count(), 1);
    }

    // A box confirmed with Enter hides the edit that had the focus; the focus goes back to the
    // board, where Ctrl+C copies the board again.
    void ctrlCCopiesTheBoardAfterABoxIsConfirmed_data() {
        QTest::addColumn<MarkerRef>("marker");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("edit");
        QTest::newRow("resistor box") << MarkerRef::slot(109) << "Add1"
                                      << "rveb";
        QTest::newRow("cell value box") << MarkerRef::named(MarkerId::battneg) << "CellValue1"
                                        << "batteb";
    }
    void ctrlCCopiesTheBoardAfterABoxIsConfirmed() {
        QFETCH(MarkerRef, marker);
        QFETCH(QString, entry);
        QFETCH(QString, edit);
        WindowDriver w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.clickMarker(marker);
        w.choose(entry.toLatin1().constData());
        auto* box = w.window.findChild<QLineEdit*>(edit);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, QStringLiteral("2"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY2(!box->isVisible(), "Enter confirms and hides the box");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(w.platform.clipboard.size(), std::size_t(1));
        QCOMPARE(QSize(w.platform.clipboard[0].width, w.platform.clipboard[0].height),
                 QSize(kBoardWidth, kBoardHeight));
    }

    // The same by keys: Tab rings the first control; Enter on a slot marker opens its menu with
    // the first entry selected; after the box the focus and its ring are back on the marker,
    // and Ctrl+C copies the board.
    void keysOpenABoxAndTheFocusComesBackToItsMarker() {
        WindowDriver w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        auto* ring = w.window.findChild<QWidget*>(QStringLiteral("focusring"));
        QTest::keyClick(w.panel(), Qt::Key_Tab);
        const Marker& first = w.bench().marker(MarkerId::battneg);
        QVERIFY2(ring->isVisible() && ring->geometry().contains(first.left, first.top),
                 "Tab rings the battery's terminal");
        w.bench().ui.boardFocus.control = BoardControl::of(MarkerRef::slot(109));
        QTest::keyClick(w.panel(), Qt::Key_Return);
        QVERIFY(w.openedPopup);
        QCOMPARE(w.openedPopup->objectName(), QStringLiteral("secondpu"));
        QCOMPARE(w.openedPopup->activeAction(), w.action("Add1"));
        w.choose("Add1");
        auto* box = w.window.findChild<QLineEdit*>(QStringLiteral("rveb"));
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY2(!ring->isVisible(), "the ring hides while the box has the keyboard");
        w.openedPopup = nullptr;
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY2(!w.openedPopup, "the box's Return does not click the marker it gave the focus to");
        QCOMPARE(QApplication::focusWidget(), w.panel());
        const Marker& slot = w.bench().model.markers.slot(109);
        QVERIFY2(ring->isVisible() && ring->geometry().contains(slot.left, slot.top),
                 "the ring is back on the marker that opened the box");
        QTest::keyClick(w.panel(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(w.platform.clipboard.size(), std::size_t(1));
    }

    // Ctrl+Z undoes a bulb placed, Ctrl+Shift+Z and Ctrl+Y redo it; the board shows each state
    // and Ctrl+C still copies it.
    void undoAndRedoByKeys() {
        WindowDriver w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const QImage empty = w.picture();
        w.clickMarker(MarkerRef::slot(109));
        w.choose("Bulb11");
        const QImage lit = w.picture();
        QCOMPARE(w.action("Undo1")->text(), QStringLiteral("&Undo Bulb #1"));
        const auto key = [&](Qt::KeyboardModifiers modifiers, Qt::Key k) {
            QTest::keyClick(QApplication::focusWidget(), k, modifiers);
        };
        key(Qt::ControlModifier, Qt::Key_Z);
        QVERIFY2(w.picture() == empty, "the bulb is gone");
        QVERIFY2(!w.action("Undo1")->isEnabled(), "nothing more to undo");
        key(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
        QVERIFY2(w.picture() == lit, "Ctrl+Shift+Z puts it back");
        key(Qt::ControlModifier, Qt::Key_Z);
        key(Qt::ControlModifier, Qt::Key_Y);
        QVERIFY2(w.picture() == lit, "Ctrl+Y puts it back");
        key(Qt::ControlModifier, Qt::Key_C);
        QCOMPARE(w.platform.clipboard.size(), std::size_t(1));
    }

    void captionFollowsTheWorkbench() {
        WindowDriver w;
        w.bench().ui.caption = Text::verbatim("Circuits: Series #1");
        w.platform.confirmAnswers = {true};
        w.choose("Reset1");
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Voltaro"));
    }

    void exitClosesTheWindow() {
        WindowDriver w;
        w.choose("Exit1");
        QVERIFY2(!w.window.isVisible(), "Exit closes the main window");
    }

    void aboutGoesToThePlatform() {
        WindowDriver w;
        w.choose("About1");
        QCOMPARE(w.platform.abouts.size(), std::size_t(1));
    }
};

VOLTARO_TEST_CLASS(MenusTest)
#include "tst_menus.moc"
