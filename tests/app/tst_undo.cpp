#include "app/dispatch.h"
#include "app/undo_commands.h"
#include "bench/workbench.h"
#include "support/file_desk.h"
#include "support/test_runner.h"

#include <functional>

using namespace voltaro;
using namespace voltaro::test;

namespace {

using Action = std::function<void(FileDesk&)>;

void press(Workbench& bench, MarkerRef marker) {
    markerMouseDown(bench, marker, 3, 3);
}

void choose(Workbench& bench, MenuId id) {
    triggerMenu(bench, id);
}

void click(Workbench& bench, WidgetId id) {
    widgetEvent(bench, id, WidgetEvent::Click);
}

void drag(Workbench& bench, MarkerId handle, int dx, int dy) {
    const MarkerRef ref = MarkerRef::named(handle);
    markerMouseDown(bench, ref, 4, 4);
    markerMouseMove(bench, ref, dx / 2, dy / 2);
    markerMouseMove(bench, ref, dx, dy);
    markerMouseUp(bench, ref, dx, dy);
}

void dragNeedleBy(Workbench& bench, int dx) {
    const Marker& negative = bench.marker(MarkerId::battneg);
    const int y = (negative.top + bench.marker(MarkerId::battpos).top) / 2 - 20;
    circuitMouseDown(bench, negative.left, y);
    circuitMouseMove(bench, negative.left + dx / 2, y);
    circuitMouseMove(bench, negative.left + dx, y);
    circuitMouseUp(bench, negative.left + dx, y);
}

void placeBulb(FileDesk& d) {
    press(d.bench, MarkerRef::slot(109));
    choose(d.bench, MenuId::Bulb21);
}

void openSheet(FileDesk& d, MenuId sheet) {
    choose(d.bench, sheet);
    click(d.bench, WidgetId::okdokeybt);
}

const std::string kSetFile = "/pupil/set.cir";

// A file of two circuits: an open switch on the right side, then a bulb there. The first is
// locked (saved with the options box unticked) or not. The board is reset afterwards.
void writeSetFile(FileDesk& d, bool locked) {
    press(d.bench, MarkerRef::slot(109));
    choose(d.bench, MenuId::Open3);
    d.saveNewFile(kSetFile, {"Two circuits"}, !locked);
    placeBulb(d);
    d.addToFile(kSetFile);
    d.platform.confirmAnswers = {true};
    choose(d.bench, MenuId::Reset1);
}

// One step of the pupil's: what comes before it, the step, and the Edit menu's caption after.
struct StepCase {
    const char* name;
    Action before;
    Action step;
    const char* caption;
};

const std::vector<StepCase>& stepCases() {
    static const std::vector<StepCase> cases = {
        {"bulb placed", [](FileDesk&) {}, placeBulb, "&Undo Bulb #2"},
        {"resistor placed", [](FileDesk& d) { press(d.bench, MarkerRef::slot(109)); },
         [](FileDesk& d) { choose(d.bench, MenuId::Add1); }, "&Undo Resistor"},
        {"resistor value typed",
         [](FileDesk& d) {
             press(d.bench, MarkerRef::slot(109));
             choose(d.bench, MenuId::Add1);
             d.widget(WidgetId::rveb).text = "47";
         },
         [](FileDesk& d) { widgetEvent(d.bench, WidgetId::rveb, WidgetEvent::Enter); },
         "&Undo Resistor Value"},
        {"switch flipped",
         [](FileDesk& d) {
             press(d.bench, MarkerRef::slot(109));
             choose(d.bench, MenuId::Open3);
             press(d.bench, MarkerRef::slot(109));
         },
         [](FileDesk& d) { choose(d.bench, MenuId::Closed3); }, "&Undo Switch (Closed)"},
        {"blocks of a lane", [](FileDesk& d) { press(d.bench, MarkerRef::named(MarkerId::p1)); },
         [](FileDesk& d) { choose(d.bench, MenuId::N33); }, "&Undo Blocks in Series"},
        {"parts of a branch", [](FileDesk& d) { press(d.bench, MarkerRef::branch(1, 1, 1)); },
         [](FileDesk& d) { choose(d.bench, MenuId::N38); }, "&Undo Parts in Series"},
        {"source kind", [](FileDesk&) {}, [](FileDesk& d) { choose(d.bench, MenuId::Variable1); },
         "&Undo Source (Variable)"},
        {"cells in series", [](FileDesk&) {}, [](FileDesk& d) { choose(d.bench, MenuId::N310); },
         "&Undo Number in Series"},
        {"cells in parallel", [](FileDesk&) {}, [](FileDesk& d) { choose(d.bench, MenuId::N311); },
         "&Undo Number in Parallel"},
        {"cell value typed",
         [](FileDesk& d) {
             choose(d.bench, MenuId::CellValue1);
             d.widget(WidgetId::batteb).text = "2.5";
         },
         [](FileDesk& d) { click(d.bench, WidgetId::battokbt); }, "&Undo Cell Value"},
        {"variable supply dragged", [](FileDesk& d) { choose(d.bench, MenuId::Variable1); },
         [](FileDesk& d) { dragNeedleBy(d.bench, 30); }, "&Undo Variable Supply"},
        {"handle dragged", [](FileDesk&) {},
         [](FileDesk& d) { drag(d.bench, MarkerId::botsh, 60, 40); }, "&Undo Resize"},
        {"break made", [](FileDesk& d) { press(d.bench, MarkerRef::slot(109)); },
         [](FileDesk& d) { choose(d.bench, MenuId::Break1); }, "&Undo Break"},
        {"reset", placeBulb,
         [](FileDesk& d) {
             d.platform.confirmAnswers = {true};
             choose(d.bench, MenuId::Reset1);
         },
         "&Undo Reset"},
        // The lesson's list goes back too: the worksheet's arrows still step through its set.
        {"lesson over a worksheet", [](FileDesk& d) { openSheet(d, MenuId::Series11); },
         [](FileDesk& d) { openSheet(d, MenuId::Basic1); }, "&Undo Bulb and switch"},
        {"step arrow", [](FileDesk& d) { openSheet(d, MenuId::Series11); },
         [](FileDesk& d) {
             pictureMouseMove(d.bench, WidgetId::cirplayim, 60, 12);
             click(d.bench, WidgetId::cirplayim);
         },
         "&Undo Circuit #2"},
        {"file loaded", [](FileDesk& d) { writeSetFile(d, false); },
         [](FileDesk& d) { d.loadAndAccept(kSetFile); }, "&Undo set.cir"},
    };
    return cases;
}

// What an undo does not put back, taken from `actual`: the boxes and panels, the hover over the
// step arrows (whose visibility and label are the circuit's), the meter's leads, the view
// flags and the switch entry's memory of the state chosen last. Then the first difference in
// what the pupil sees, the circuit list included.
std::string circuitDifference(Workbench expected, const Workbench& actual) {
    for (int i = 0; i < kWidgetCount; ++i) {
        const auto id = static_cast<WidgetId>(i);
        if (id != WidgetId::cirplayim && id != WidgetId::clb)
            expected.widget(id) = actual.widget(id);
    }
    expected.widget(WidgetId::cirplayim).tag = actual.widget(WidgetId::cirplayim).tag;
    for (MarkerId lead : {MarkerId::vpos, MarkerId::vneg})
        expected.marker(lead) = actual.marker(lead);
    for (MenuId id :
         {MenuId::Switch1, MenuId::ShowResistance1, MenuId::Labelloads1, MenuId::ShowBright1})
        expected.menu(id) = actual.menu(id);
    if (std::string d = firstDifference(expected, actual); !d.empty())
        return d;
    if (!sameCircuits(expected.circuits, actual.circuits))
        return "circuit list";
    return {};
}

std::string caption(const Workbench& bench, MenuId id) {
    return bench.menu(id).caption.english();
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void undoPutsBackTheCircuitOfBeforeTheStep_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < stepCases().size(); ++i)
            QTest::newRow(stepCases()[i].name) << static_cast<int>(i);
    }
    void undoPutsBackTheCircuitOfBeforeTheStep() {
        QFETCH(int, index);
        const StepCase& c = stepCases()[static_cast<std::size_t>(index)];
        FileDesk d;
        c.before(d);
        startHistoryAfresh(d.bench);
        const Workbench before = d.bench;
        c.step(d);
        const Workbench after = d.bench;
        QCOMPARE(caption(d.bench, MenuId::Undo1), std::string(c.caption));
        QVERIFY2(!circuitDifference(before, d.bench).empty(), "the step changed the circuit");

        choose(d.bench, MenuId::Undo1);
        std::string difference = circuitDifference(before, d.bench);
        QVERIFY2(difference.empty(), ("after undo: " + difference).c_str());
        QVERIFY2(!d.bench.menu(MenuId::Undo1).enabled, "one step, undone");
        QCOMPARE(caption(d.bench, MenuId::Redo1), "&Redo " + std::string(c.caption).substr(6));

        choose(d.bench, MenuId::Redo1);
        difference = circuitDifference(after, d.bench);
        QVERIFY2(difference.empty(), ("after redo: " + difference).c_str());
        QCOMPARE(caption(d.bench, MenuId::Undo1), std::string(c.caption));
        QVERIFY2(!d.bench.menu(MenuId::Redo1).enabled, "nothing left to redo");
    }

    // The meter and the view flags are no steps; a new step ends what could be redone; the
    // oldest steps go beyond a hundred.
    void stepsComeAndGoInOrder() {
        FileDesk d;
        choose(d.bench, MenuId::On1);
        choose(d.bench, MenuId::ShowResistance1);
        click(d.bench, WidgetId::brb);
        drag(d.bench, MarkerId::movesh, 30, 30);
        QVERIFY2(!d.bench.menu(MenuId::Undo1).enabled, "nothing of the circuit changed");
        QCOMPARE(caption(d.bench, MenuId::Undo1), std::string("&Undo"));

        placeBulb(d);
        choose(d.bench, MenuId::Undo1);
        QVERIFY(d.bench.menu(MenuId::Redo1).enabled);
        choose(d.bench, MenuId::N310);
        QVERIFY2(!d.bench.menu(MenuId::Redo1).enabled, "a new step clears the redo list");
        QCOMPARE(caption(d.bench, MenuId::Redo1), std::string("&Redo"));

        for (int i = 0; i < 110; ++i)
            choose(d.bench, i % 2 == 0 ? MenuId::N41 : MenuId::N110);
        QCOMPARE(d.bench.history.undoCount(), UndoHistory::kLimit);
        for (std::size_t i = 0; i < UndoHistory::kLimit; ++i)
            choose(d.bench, MenuId::Undo1);
        QVERIFY(!d.bench.menu(MenuId::Undo1).enabled);
        // Back to where the eleventh of the 111 steps left it: the steps before it are gone.
        QCOMPARE(d.bench.model.menus.cellsInSeries(), 1);
    }

    // A locked circuit lets the pupil take back a switch flipped, never its own loading.
    void aLockedCircuitIsNeverUnloaded() {
        FileDesk d;
        writeSetFile(d, true);
        placeBulb(d);
        d.loadAndAccept(kSetFile);
        QVERIFY2(!d.bench.model.menus.optionsEnabled(), "the circuit is locked");
        QVERIFY2(!d.bench.menu(MenuId::Undo1).enabled, "its loading cannot be undone");
        const Workbench loaded = d.bench;
        press(d.bench, MarkerRef::slot(109));
        choose(d.bench, MenuId::Closed3);
        QCOMPARE(caption(d.bench, MenuId::Undo1), std::string("&Undo Switch (Closed)"));
        choose(d.bench, MenuId::Undo1);
        const std::string difference = circuitDifference(loaded, d.bench);
        QVERIFY2(difference.empty(), difference.c_str());
        QVERIFY(!d.bench.menu(MenuId::Undo1).enabled);
    }
};

VOLTARO_TEST_CLASS(UndoTest)
#include "tst_undo.moc"
