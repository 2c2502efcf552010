#include "app/dispatch.h"
#include "bench/operations.h"
#include "support/circuits.h"
#include "support/recording_canvas.h"
#include "support/started_bench.h"
#include "support/test_runner.h"

using namespace voltaro;
using namespace voltaro::test;

namespace {

bool drewText(const RecordingCanvas& canvas, const std::string& text) {
    for (const auto& p : canvas.all(RecordingCanvas::Kind::Text))
        if (p.text == text)
            return true;
    return false;
}

} // namespace

class ViewOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void eachOptionTogglesItsMarkAndRepaints_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("shownText"); // drawn only while the option is on
        QTest::newRow("Show Resistance") << static_cast<int>(MenuId::ShowResistance1) << "= 47";
        QTest::newRow("Label loads") << static_cast<int>(MenuId::Labelloads1) << "R1";
    }
    void eachOptionTogglesItsMarkAndRepaints() {
        QFETCH(int, entry);
        QFETCH(QString, shownText);
        StartedBench s;
        RecordingCanvas canvas;
        s.bench.canvas = &canvas;
        setBranch(s.bench.model.tables, kTopSide, 1, 1, 1, {resistor(47.0)});
        const auto id = static_cast<MenuId>(entry);
        for (bool on : {true, false}) {
            canvas.clear();
            triggerMenu(s.bench, id);
            QCOMPARE(s.bench.menu(id).checked, on);
            QVERIFY2(drewText(canvas, shownText.toStdString()) == on,
                     qPrintable(shownText + (on ? " is drawn" : " is not drawn")));
        }
    }

    void brightnessTagFollowsItsMark() {
        StartedBench s;
        triggerMenu(s.bench, MenuId::ShowBright1);
        QVERIFY(!s.bench.menu(MenuId::ShowBright1).checked);
        QCOMPARE(s.bench.menu(MenuId::ShowBright1).tag, 1);
        triggerMenu(s.bench, MenuId::ShowBright1);
        QCOMPARE(s.bench.menu(MenuId::ShowBright1).tag, 0);
    }
};

VOLTARO_TEST_CLASS(ViewOptionsTest)
#include "tst_view_options.moc"
