#include "qt/picture_widget.h"
#include "support/test_runner.h"
#include "window_driver.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace voltaro;
using voltaro::test::WindowDriver;

namespace {

const QColor kRed(255, 0, 0);
const QColor kGray(128, 128, 128);
const QColor kWhite(255, 255, 255);

void moveOver(QWidget* to, QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, to->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

} // namespace

// The step arrows of a worksheet as the pupil sees and uses them in the window.
class StepArrowsTest : public QObject {
    Q_OBJECT

private slots:
    void worksheetStepsThroughTheWindow() {
        WindowDriver w;
        QVERIFY(w.exposed);
        auto* arrows = w.window.findChild<PictureWidget*>(QStringLiteral("cirplayim"));
        auto* label = w.window.findChild<QLabel*>(QStringLiteral("clb"));
        QVERIFY2(arrows && label, "the step arrows are a picture, their number a label");
        QVERIFY2(!arrows->isVisible() && !label->isVisible(), "hidden at start");

        w.choose("Series11");
        QTest::mouseClick(w.window.findChild<QPushButton*>(QStringLiteral("okdokeybt")),
                          Qt::LeftButton);
        QVERIFY2(arrows->isVisible() && label->isVisible(), "shown for a set of four");
        QCOMPARE(arrows->geometry(), QRect(8, 8, 100, 25));
        QCOMPARE(label->pos(), QPoint(112, 13));
        QVERIFY2(!label->autoFillBackground(), "the label lets the board show through");
        QCOMPARE(label->text(), QStringLiteral("Circuit #1"));
        QImage shown = arrows->picture();
        QCOMPARE(QColor(shown.pixel(43, 3)), kGray); // previous
        QCOMPARE(QColor(shown.pixel(57, 3)), kRed);  // next
        QCOMPARE(QColor(shown.pixel(93, 10)), kRed); // last

        moveOver(arrows, QPoint(60, 12));
        shown = arrows->picture();
        QCOMPARE(QColor(shown.pixel(52, 20)), kGray);
        QCOMPARE(QColor(shown.pixel(12, 20)), kWhite);
        QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(60, 12));
        QCOMPARE(label->text(), QStringLiteral("Circuit #2"));
        QCOMPARE(QColor(arrows->picture().pixel(43, 3)), kRed);

        moveOver(w.panel(), QPoint(400, 400));
        QCOMPARE(w.bench().widget(WidgetId::cirplayim).tag, 125);
        QCOMPARE(QColor(arrows->picture().pixel(52, 20)), kWhite);
    }
};

VOLTARO_TEST_CLASS(StepArrowsTest)
#include "tst_step_arrows.moc"
