#include "bench/operations.h"
#include "support/circuits.h"
#include "support/test_runner.h"
#include "window_driver.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace voltaro;
using voltaro::test::WindowDriver;

namespace {

// Bulb #1 then bulb #2 in the top side's one branch, 3.0 V: bulb #2 takes 2.0 V between the
// nodes of slots 2 and 3.
void buildSeriesBulbs(WindowDriver& w) {
    test::setBranch(w.bench().model.tables, kTopSide, 1, 1, 1,
                    {test::bulb(ElementKind::Bulb1), test::bulb(ElementKind::Bulb2)});
    getsizebt(w.bench());
    w.window.mirror();
}

QWidget* probe(WindowDriver& w, const char* name) {
    return w.window.findChild<QWidget*>(QString::fromLatin1(name));
}

// Drags a lead by its own widget, as the pointer does, so that it ends over a board point.
void dragLeadTo(QWidget* lead, QPoint boardPoint, bool release = true) {
    const QPoint grip(3, 3);
    QTest::mousePress(lead, Qt::LeftButton, {}, grip);
    QTest::mouseMove(lead, boardPoint - lead->pos());
    if (release)
        QTest::mouseRelease(lead, Qt::LeftButton, {}, boardPoint - lead->pos());
}

QPoint middleOf(const Marker& m) {
    return QPoint(m.left + 3, m.top + 3);
}

QString display(WindowDriver& w) {
    return w.window.findChild<QLineEdit*>(QStringLiteral("currenteb"))->text();
}

} // namespace

class MeterWindowTest : public QObject {
    Q_OBJECT

private slots:
    void voltmeterReadsAcrossABulb() {
        WindowDriver w;
        QVERIFY(w.exposed);
        buildSeriesBulbs(w);
        w.choose("On1");
        QVERIFY2(probe(w, "vpos")->isVisible() && probe(w, "vneg")->isVisible(),
                 "the leads appear with the meter");
        auto* range = w.window.findChild<QRadioButton*>(QStringLiteral("brb"));
        QTest::mouseClick(range, Qt::LeftButton);
        QCOMPARE(range->text(), QStringLiteral("  20 V"));

        const Markers& m = w.bench().model.markers;
        dragLeadTo(probe(w, "vpos"), middleOf(m.slot(2)));
        QCOMPARE(display(w), QStringLiteral("---"));
        dragLeadTo(probe(w, "vneg"), middleOf(m.slot(3)) + QPoint(2, -2));
        QCOMPARE(display(w), QStringLiteral("2.00"));
        QCOMPARE(probe(w, "vneg")->pos(), QPoint(m.slot(3).left, m.slot(3).top));
    }

    void leadStaysAboveTheMeterPanel() {
        WindowDriver w;
        w.choose("On1");
        QWidget* lead = probe(w, "vneg");
        const Widget& panel = w.bench().widget(WidgetId::meterpl);
        const QPoint overPanel(panel.left + 100, panel.top + 60);
        dragLeadTo(lead, overPanel, false);
        QVERIFY2(w.panel()->childAt(overPanel) == lead, "the lead lies over the meter panel");
        QTest::mouseRelease(lead, Qt::LeftButton, {}, overPanel - lead->pos());
        QCOMPARE(lead->pos(), QPoint(panel.left + 2 * (panel.width / 3), panel.top - 20));

        // A lesson's panel over the meter covers the meter and the lead at rest above it.
        w.bench().widget(WidgetId::Savepl).visible = true;
        w.window.mirror();
        auto* lesson = w.window.findChild<QWidget*>(QStringLiteral("Savepl"));
        for (const QPoint at : {overPanel, lead->geometry().center()})
            QVERIFY2(lesson->isAncestorOf(w.panel()->childAt(at)), "the panel lies on top");
    }

    void misusedAmmeterTurnsTheDisplayBlack() {
        WindowDriver w;
        buildSeriesBulbs(w);
        w.bench().widget(WidgetId::amprb).checked = true;
        w.bench().widget(WidgetId::voltrb).checked = false;
        w.choose("On1");
        const Markers& m = w.bench().model.markers;
        dragLeadTo(probe(w, "vpos"), middleOf(m.slot(1)));
        dragLeadTo(probe(w, "vneg"), middleOf(m.slot(3)));
        auto* edit = w.window.findChild<QLineEdit*>(QStringLiteral("currenteb"));
        QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::black));
        w.choose("ChangeFuse1");
        QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::white));
    }
};

VOLTARO_TEST_CLASS(MeterWindowTest)
#include "tst_meter_window.moc"
