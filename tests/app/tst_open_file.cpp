#include "app/dispatch.h"
#include "app/open_file.h"
#include "bench/workbench.h"
#include "edit/recent_files.h"
#include "support/file_desk.h"
#include "support/test_runner.h"

using namespace voltaro;
using namespace voltaro::test;

namespace {

const std::string kGood = "/class/two-bulbs.cir";

// The circuit the pupil sees, the boxes and panels left out.
std::string boardDifference(Workbench expected, const Workbench& actual) {
    for (int i = 0; i < kWidgetCount; ++i)
        expected.widget(static_cast<WidgetId>(i)) = actual.widget(static_cast<WidgetId>(i));
    return firstDifference(expected, actual);
}

std::vector<std::string> recentCaptions(const Workbench& bench) {
    std::vector<std::string> captions;
    for (MenuId entry : menuChildren(MenuId::RecentFiles1))
        if (bench.menu(entry).visible && entry != MenuId::ClearRecent1 && !isSeparator(entry))
            captions.push_back(bench.menu(entry).caption.english());
    return captions;
}

void placeBulb(FileDesk& d, int slot) {
    markerMouseDown(d.bench, MarkerRef::slot(slot), 3, 3);
    triggerMenu(d.bench, MenuId::Bulb21);
}

void save(FileDesk& d, const std::string& path) {
    d.saveNewFile(path, {"Saved"});
}

} // namespace

class OpenFileTest : public QObject {
    Q_OBJECT

private slots:
    // The file named on the command line: loaded with its explanation over the board, or its
    // message and the board of a first start.
    void theCommandLineFileOpensOrLeavesTheDefaultBoard_data() {
        QTest::addColumn<QString>("text"); // empty: no such file
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("message");
        QTest::newRow("good") << QString() << true << QString();
        QTest::newRow("missing") << QString() << false
                                 << "The file /class/two-bulbs.cir could not be read: No such "
                                    "file or directory";
        QTest::newRow("not a circuit file") << "* a netlist\nR1 1 0 10\n"
                                            << false << "This was not a proper file!";
        QTest::newRow("malformed first circuit")
            << "Broken\r\nSTART CIRCUIT DATA\r\n1 300 80 x *\r\n"
            << false << "'x' is not a valid integer value\nin circuit 1 of two-bulbs.cir";
    }
    void theCommandLineFileOpensOrLeavesTheDefaultBoard() {
        QFETCH(QString, text);
        QFETCH(bool, opened);
        QFETCH(QString, message);
        FileDesk d;
        if (opened) {
            placeBulb(d, 109);
            d.saveNewFile(kGood, {"Two bulbs", "in series"});
        }
        const std::map<std::string, std::string> files = d.platform.files;
        FileDesk start;
        start.platform.files = files;
        if (!text.isEmpty())
            start.platform.files[kGood] = text.toStdString();
        const Workbench fresh = start.bench;

        openFileAtStartUp(start.bench, kGood);
        const std::vector<std::string>& said =
            start.platform.errors.empty() ? start.platform.warnings : start.platform.errors;
        QCOMPARE(said.empty() ? QString() : QString::fromStdString(said.back()), message);
        QVERIFY2(!start.bench.menu(MenuId::Undo1).enabled, "the run starts from what it shows");
        QCOMPARE(start.widget(WidgetId::Savepl).visible, opened);
        if (!opened) {
            const std::string difference = boardDifference(fresh, start.bench);
            QVERIFY2(difference.empty(), difference.c_str());
            return;
        }
        QVERIFY2(start.widget(WidgetId::Panel3).visible, "closed with Ok, as a lesson's text");
        QCOMPARE(start.explanation().english(),
                 (std::vector<std::string>{"Two bulbs", "in series"}));
        QCOMPARE(start.bench.circuits.sourceFile, kGood);
        QVERIFY2(!boardDifference(fresh, start.bench).empty(), "the file's bulb is on the board");
        widgetEvent(start.bench, WidgetId::okdokeybt, WidgetEvent::Click);
        QVERIFY(!start.widget(WidgetId::Savepl).visible);
        QCOMPARE(recentCaptions(start.bench), std::vector<std::string>{"&1 two-bulbs.cir"});
    }

    // Newest first, each file once, at most eight; kept for the next run; a file gone is taken
    // off when chosen; "Clear list" empties it.
    void recentFilesKeepTheNewestEight() {
        FileDesk d;
        for (int i = 1; i <= 9; ++i)
            save(d, "/class/f" + std::to_string(i) + ".cir");
        d.loadAndAccept("/class/f4.cir");
        const std::vector<std::string> expected = {
            "/class/f4.cir", "/class/f9.cir", "/class/f8.cir", "/class/f7.cir",
            "/class/f6.cir", "/class/f5.cir", "/class/f3.cir", "/class/f2.cir"};
        QCOMPARE(d.bench.files.recentFiles, expected);
        QCOMPARE(d.platform.remembered.recent, expected);
        QCOMPARE(recentCaptions(d.bench).front(), std::string("&1 f4.cir"));
        QCOMPARE(recentCaptions(d.bench).back(), std::string("&8 f2.cir"));
        QCOMPARE(d.bench.menu(MenuId::RecentFile2).toolTip.english(), std::string("/class/f9.cir"));

        FileDesk next;
        next.platform.remembered = d.platform.remembered;
        next.platform.files = d.platform.files;
        next.platform.files.erase("/class/f9.cir");
        recallRecentFiles(next.bench);
        QCOMPARE(recentCaptions(next.bench), recentCaptions(d.bench));
        triggerMenu(next.bench, MenuId::RecentFile1);
        QCOMPARE(next.bench.circuits.sourceFile, std::string("/class/f4.cir"));
        triggerMenu(next.bench, MenuId::RecentFile2);
        QCOMPARE(next.platform.errors.size(), std::size_t(1));
        QVERIFY2(next.platform.errors[0].find("taken off the list") != std::string::npos,
                 next.platform.errors[0].c_str());
        QCOMPARE(next.bench.files.recentFiles.size(), std::size_t(7));
        QCOMPARE(next.bench.circuits.sourceFile, std::string("/class/f4.cir"));

        triggerMenu(next.bench, MenuId::ClearRecent1);
        QVERIFY(recentCaptions(next.bench).empty());
        QVERIFY(!next.bench.menu(MenuId::RecentFiles1).enabled);
        QVERIFY(next.platform.remembered.recent.empty());
    }

    // Where the dialogs start before any file was used, and that a list that cannot be kept
    // for the next run is said once and still serves this one.
    void theDialogsStartInTheLastFolder_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("circuitHere");
        QTest::addColumn<QString>("folder");
        QTest::newRow("first run") << QString() << false << "/usr/share/voltaro/examples";
        QTest::newRow("circuits here") << QString() << true << "/pupil";
        QTest::newRow("remembered") << "/class" << true << "/class";
    }
    void theDialogsStartInTheLastFolder() {
        QFETCH(QString, remembered);
        QFETCH(bool, circuitHere);
        QFETCH(QString, folder);
        FileDesk d;
        d.platform.remembered.folder = remembered.toStdString();
        if (circuitHere)
            d.platform.files["/pupil/old.cir"] = "";
        d.platform.rememberFailure = "read-only";
        recallRecentFiles(d.bench);
        save(d, "/elsewhere/a.cir");
        save(d, "/elsewhere/b.cir");
        QCOMPARE(QString::fromStdString(d.platform.saveDialogs.at(0).directory), folder);
        QCOMPARE(d.platform.saveDialogs.at(1).directory, std::string("/elsewhere"));
        QCOMPARE(d.platform.warnings,
                 std::vector<std::string>{
                     "The list of recent files cannot be kept for the next start: read-only"});
        QCOMPARE(d.bench.files.recentFiles.size(), std::size_t(2));
    }
};

VOLTARO_TEST_CLASS(OpenFileTest)
#include "tst_open_file.moc"
