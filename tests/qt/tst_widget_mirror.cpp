#include "support/test_runner.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace voltaro;
using voltaro::test::WindowDriver;

class WidgetMirrorTest : public QObject {
    Q_OBJECT

private slots:
    void widgetsShowAndFeedTheWorkbench() {
        WindowDriver w;
        Widget& panel = w.bench().widget(WidgetId::Savepl);
        panel.visible = true;
        panel.caption = Text::verbatim("Save");
        w.bench().widget(WidgetId::expmem).lines =
            std::vector<std::string>{"first line", "second line"};
        w.window.mirror();

        auto* box = w.window.findChild<QGroupBox*>(QStringLiteral("Savepl"));
        QVERIFY2(box && box->isVisible(), "the panel is shown when the workbench says so");
        QCOMPARE(box->geometry(), QRect(panel.left, panel.top, panel.width, panel.height));
        QCOMPARE(box->title(), QStringLiteral("Save"));

        auto* memo = w.window.findChild<QPlainTextEdit*>(QStringLiteral("expmem"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("first line\nsecond line"));
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral("!"));
        QCOMPARE(w.bench().widget(WidgetId::expmem).lines.back().english(),
                 std::string("second line!"));

        // The text is copied onto the memo only when it changed: an update keeps the selection.
        memo->selectAll();
        w.window.mirror();
        QVERIFY2(memo->textCursor().hasSelection(), "an update leaves the memo's text alone");
        w.bench().widget(WidgetId::expmem).lines = {"new"};
        w.window.mirror();
        QCOMPARE(memo->toPlainText(), QStringLiteral("new"));

        auto* check = w.window.findChild<QCheckBox*>(QStringLiteral("Showvaluecb"));
        QVERIFY(check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY2(!w.bench().widget(WidgetId::Showvaluecb).checked,
                 "a click on a check box reaches the workbench");

        panel.visible = false;
        w.window.mirror();
        QVERIFY2(!box->isVisible(), "and hidden again");
    }

    // Ctrl+C in the read-only explanation copies the selected text; without a selection, the board.
    void ctrlCInATextBoxCopiesItsSelection() {
        WindowDriver w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.bench().widget(WidgetId::Savepl).visible = true;
        w.bench().files.panelMode = FilePanelMode::Load; // the focus keeps the text
        w.bench().widget(WidgetId::expmem).lines = {"first line"};
        w.bench().widget(WidgetId::expmem).readOnly = true;
        w.window.mirror();
        auto* memo = w.window.findChild<QPlainTextEdit*>(QStringLiteral("expmem"));
        memo->setFocus();
        QTextCursor cursor = memo->textCursor();
        cursor.movePosition(QTextCursor::Start);
        cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("first"));
        QVERIFY2(w.platform.clipboard.empty(), "the board is not copied over the selection");

        cursor.clearSelection();
        memo->setTextCursor(cursor);
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(w.platform.clipboard.size(), std::size_t(1));
    }

    void enterOnAFocusedButtonClicksIt_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void enterOnAFocusedButtonClicksIt() {
        QFETCH(int, key);
        WindowDriver w;
        w.bench().widget(WidgetId::Savepl).visible = true;
        w.window.mirror();
        auto* cancel = w.window.findChild<QPushButton*>(QStringLiteral("cancelsavebt"));
        QTest::keyClick(cancel, Qt::Key(key));
        QVERIFY2(!w.bench().widget(WidgetId::Savepl).visible,
                 "Cancel, pressed by the key, hid the panel");
    }
};

VOLTARO_TEST_CLASS(WidgetMirrorTest)
#include "tst_widget_mirror.moc"
