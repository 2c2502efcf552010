#include "app/dispatch.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/file_panel.h"
#include "model/description_writer.h"
#include "support/compare.h"
#include "support/file_desk.h"
#include "support/test_runner.h"

#include <cmath>

using namespace voltaro;
using namespace voltaro::test;

namespace {

const std::string kFile = "/pupil/lesson.cir";
const std::string kNotProper = "This was not a proper file!";
const std::string kChoosePrompt = "Click load to choose a file!";

// The panel's steps, called as the window would call them.
struct Desk : FileDesk {
    void saveNewFile(const std::vector<std::string>& lines, const std::string& path = kFile) {
        FileDesk::saveNewFile(path, lines, false);
    }
    void loadFile(const std::string& path = kFile) { FileDesk::loadFile(path); }
};

QStringList qLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& s : lines)
        list << QString::fromStdString(s);
    return list;
}

QStringList qLines(const MemoLines& lines) {
    return qLines(lines.english());
}

// A file dialog as the user sees it, in English.
struct ShownDialog {
    std::string title;
    std::string filter;
    std::string defaultExtension;
    std::string directory;
    bool confirmReplace = false;
};

bool sameDialog(const FileDialogOptions& a, const ShownDialog& b) {
    return a.title.english() == b.title && a.filter.english() == b.filter &&
           a.defaultExtension == b.defaultExtension && a.directory == b.directory &&
           a.confirmReplace == b.confirmReplace;
}

} // namespace

class FilePanelTest : public QObject {
    Q_OBJECT

private slots:
    void newFileOpensThePanelForSaving() {
        Desk d;
        d.widget(WidgetId::Showvaluecb).visible = false;
        d.widget(WidgetId::Panel3).visible = true;
        triggerMenu(d.bench, MenuId::Newfile1);
        const Widget& panel = d.widget(WidgetId::Savepl);
        QVERIFY2(panel.visible, "the panel is shown");
        QCOMPARE(QString::fromStdString(panel.caption.english()), QString("Save the Ciruit"));
        QCOMPARE(d.bench.files.panelMode, FilePanelMode::Save);
        QCOMPARE(d.bench.menu(MenuId::SaveCircuit1).tag, 0);
        QCOMPARE(qLines(d.explanation()), QStringList{"Type in explaination here!"});
        QVERIFY2(!d.widget(WidgetId::expmem).readOnly, "the explanation can be typed");
        QVERIFY2(d.widget(WidgetId::Showvaluecb).visible &&
                     !d.widget(WidgetId::Showvaluecb).checked,
                 "the options box is shown unchecked");
        QCOMPARE(QString::fromStdString(d.widget(WidgetId::nextbt).caption.english()),
                 QString("&Save"));
        QVERIFY2(!d.widget(WidgetId::yngb).visible && !d.widget(WidgetId::Panel3).visible,
                 "neither the question nor a lesson's Ok covers the buttons");
        QVERIFY(d.bench.ui.focus == WidgetId::nextbt);
    }

    void loadCircuitOpensThePanelForLoading() {
        Desk d;
        triggerMenu(d.bench, MenuId::LoadCircuit1);
        const Widget& panel = d.widget(WidgetId::Savepl);
        QVERIFY(panel.visible);
        QCOMPARE(QString::fromStdString(panel.caption.english()), QString("Load a Circuit"));
        QCOMPARE(d.bench.files.panelMode, FilePanelMode::Load);
        QCOMPARE(qLines(d.explanation()), QStringList{QString::fromStdString(kChoosePrompt)});
        QVERIFY2(d.widget(WidgetId::expmem).readOnly, "the explanation is read-only");
        QVERIFY2(!d.widget(WidgetId::Showvaluecb).visible, "no options box when loading");
        QCOMPARE(QString::fromStdString(d.widget(WidgetId::nextbt).caption.english()),
                 QString("&Load"));
        QVERIFY(!d.widget(WidgetId::yngb).visible);
        QVERIFY(d.bench.ui.focus == WidgetId::nextbt);
    }

    void theDialogsStartInTheLastFolderUsed() {
        Desk d;
        d.platform.files["/pupil/old.cir"];
        d.saveNewFile({"x"}, "/class/first.cir");
        d.platform.files["/class/first.cir"];
        d.platform.saveAnswers.push_back(std::nullopt);
        Addtofile1Click(d.bench, MenuId::Addtofile1);
        d.loadFile("/pupil/none.cir");
        QCOMPARE(d.platform.saveDialogs.size(), std::size_t(2));
        QVERIFY2(sameDialog(d.platform.saveDialogs[0],
                            {"Save circuit", "circuits(*.cir)|*.cir", "cir", "/pupil", true}),
                 "New file saves from the current folder and asks before replacing a file");
        QVERIFY2(sameDialog(d.platform.saveDialogs[1],
                            {"Save circuit", "circuits(*.cir)|*.cir", "cir", "/class", false}),
                 "Add to file starts where the last save went and asks nothing");
        QVERIFY2(sameDialog(d.platform.openDialogs.at(0),
                            {"Open Circuit", "Circuits(*.cir)|*.cir", "", "/class"}),
                 "Load opens where the last file went");
    }

    void theExplanationBoxDropsItsPromptWhenEntered_data() {
        QTest::addColumn<bool>("loading");
        QTest::addColumn<bool>("lessonInfo");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("saving") << false << false << true;
        QTest::newRow("loading") << true << false << false;
        QTest::newRow("lesson information") << false << true << false;
    }
    void theExplanationBoxDropsItsPromptWhenEntered() {
        QFETCH(bool, loading);
        QFETCH(bool, lessonInfo);
        QFETCH(bool, emptied);
        Desk d;
        if (loading)
            LoadCircuit1Click(d.bench, MenuId::LoadCircuit1);
        else
            Newfile1Click(d.bench, MenuId::Newfile1);
        d.widget(WidgetId::Panel3).visible = lessonInfo;
        expmemEnter(d.bench, WidgetId::expmem);
        QCOMPARE(d.explanation().empty(), emptied);
    }

    void newFileWritesTheExplanationThenTheCircuit() {
        Desk d;
        d.saveNewFile({"Two lines", "of text"});
        QVERIFY2(!d.widget(WidgetId::Savepl).visible, "the panel closes for the dialog");
        const std::string expected = "Two lines\r\nof text\r\nSTART CIRCUIT DATA\r\n" +
                                     describeCircuit(d.bench.model, false);
        QCOMPARE(QString::fromStdString(d.platform.files[kFile]), QString::fromStdString(expected));
        QVERIFY2(d.platform.messageCount() == 0, "a good save says nothing");
    }

    void addToFileAppendsAnEmptyLineAndTheCircuit() {
        Desk d;
        d.platform.files[kFile] = "Old\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n";
        d.explanation() = {"never written"};
        d.widget(WidgetId::Showvaluecb).checked = true;
        d.platform.saveAnswers.push_back(kFile);
        triggerMenu(d.bench, MenuId::Addtofile1);
        QVERIFY2(!d.widget(WidgetId::Savepl).visible, "Add to file shows no panel");
        QCOMPARE(d.bench.menu(MenuId::SaveCircuit1).tag, 1);
        const std::string expected =
            "Old\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n\r\n" + describeCircuit(d.bench.model, true);
        QCOMPARE(QString::fromStdString(d.platform.files[kFile]), QString::fromStdString(expected));
    }

    void addToFileAfterALoadStillSaves() {
        Desk d;
        d.platform.files[kFile] = "START CIRCUIT DATA\r\n1\r\n *\r\n";
        d.loadFile();
        QCOMPARE(d.bench.files.panelMode, FilePanelMode::Load);
        d.platform.saveAnswers.push_back(kFile);
        Addtofile1Click(d.bench, MenuId::Addtofile1);
        QCOMPARE(d.bench.files.panelMode, FilePanelMode::Save);
        QVERIFY2(d.platform.files[kFile].size() > 30, "the circuit was appended");
    }

    void aCancelledDialogChangesNothing() {
        Desk d;
        d.platform.files[kFile] = "kept";
        Newfile1Click(d.bench, MenuId::Newfile1);
        nextbtClick(d.bench, WidgetId::nextbt);
        Addtofile1Click(d.bench, MenuId::Addtofile1);
        LoadCircuit1Click(d.bench, MenuId::LoadCircuit1);
        nextbtClick(d.bench, WidgetId::nextbt);
        QCOMPARE(QString::fromStdString(d.platform.files[kFile]), QString("kept"));
        QCOMPARE(qLines(d.explanation()), QStringList{QString::fromStdString(kChoosePrompt)});
        QCOMPARE(d.platform.messageCount(), std::size_t(0));
    }

    void aFailedWriteKeepsTheFileAndSaysWhy_data() {
        QTest::addColumn<bool>("adding");
        QTest::newRow("new file") << false;
        QTest::newRow("add to file") << true;
    }
    void aFailedWriteKeepsTheFileAndSaysWhy() {
        QFETCH(bool, adding);
        Desk d;
        const std::string before = "Old\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n";
        d.platform.files[kFile] = before;
        d.platform.failWrites[kFile] = "No space left on device";
        if (adding) {
            d.platform.saveAnswers.push_back(kFile);
            Addtofile1Click(d.bench, MenuId::Addtofile1);
        } else {
            d.saveNewFile({"New"});
        }
        QCOMPARE(QString::fromStdString(d.platform.files[kFile]), QString::fromStdString(before));
        QCOMPARE(d.platform.errors.size(), std::size_t(1));
        const QString error = QString::fromStdString(d.platform.errors[0]);
        QCOMPARE(error.count(QString::fromStdString(kFile)), 1); // named once
        QVERIFY2(error.contains("No space left on device"), "the error gives the reason");
        QVERIFY2(d.widget(WidgetId::Savepl).visible == !adding &&
                     (adding || qLines(d.explanation()) == QStringList{"New"}),
                 "a new file's explanation stays in the panel, to be saved elsewhere");
    }

    // Whatever the boxes take saves into a file that loads with the same value; beyond their
    // limits they refuse with a message that names the limit.
    void typedValuesSaveAndLoadBack_data() {
        QTest::addColumn<bool>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // as loaded back; NaN: refused
        const double refused = std::nan("");
        QTest::newRow("largest resistance") << false << "1e15" << 1e15;
        QTest::newRow("largest negative resistance") << false << "-1e15" << -1e15;
        QTest::newRow("resistance with three decimals") << false << "123.456" << 123.456;
        QTest::newRow("resistance beyond the limit") << false << "1.000001e15" << refused;
        QTest::newRow("resistance of 1e200") << false << "1e200" << refused;
        QTest::newRow("largest cell") << true << "1e6" << 1e6;
        QTest::newRow("largest negative cell") << true << "-1000000" << -1e6;
        QTest::newRow("cell written at length") << true << QString(40, '0') + "1.25" << 1.25;
        QTest::newRow("cell beyond the limit") << true << "1000000.5" << refused;
    }
    void typedValuesSaveAndLoadBack() {
        QFETCH(bool, cell);
        QFETCH(QString, text);
        QFETCH(double, value);
        Desk d;
        const WidgetId edit = cell ? WidgetId::batteb : WidgetId::rveb;
        if (cell) {
            markerMouseDown(d.bench, MarkerRef::named(MarkerId::battneg), 3, 3);
            triggerMenu(d.bench, MenuId::CellValue1);
        } else {
            markerMouseDown(d.bench, MarkerRef::slot(1), 3, 3);
            triggerMenu(d.bench, MenuId::Add1);
        }
        d.widget(edit).text = text.toStdString();
        widgetEvent(d.bench, edit, WidgetEvent::Enter);
        if (std::isnan(value)) {
            QCOMPARE(d.platform.errors.size(), std::size_t(1));
            QVERIFY2(
                QString::fromStdString(d.platform.errors[0])
                    .contains(cell ? "between -1e6 and 1e6 volts" : "between -1e15 and 1e15 ohms"),
                d.platform.errors[0].c_str());
            return;
        }
        d.saveNewFile({"Limits"});
        d.loadAndAccept(kFile);
        QVERIFY2(d.platform.errors.empty(), "the saved file loads");
        const double loaded =
            cell ? d.bench.model.source.cellValue : d.bench.model.tables.record(1).resistance;
        VOLTARO_COMPARE_NEAR(loaded, value, cell ? 0.0 : 0.005); // two decimals in the file
    }

    void addToAFileThatIsNotThereSaysSo() {
        Desk d;
        d.platform.saveAnswers.push_back(kFile);
        Addtofile1Click(d.bench, MenuId::Addtofile1);
        QVERIFY2(!d.platform.files.count(kFile), "no file without explanation and marker");
        QCOMPARE(d.platform.errors.size(), std::size_t(1));
        QVERIFY(
            QString::fromStdString(d.platform.errors[0]).contains(QString::fromStdString(kFile)));
        // A file that is not a circuit file is not added to.
        const std::string notes = "Notes for Monday\r\n";
        d.platform.files[kFile] = notes;
        d.platform.saveAnswers.push_back(kFile);
        Addtofile1Click(d.bench, MenuId::Addtofile1);
        QCOMPARE(d.platform.files[kFile], notes);
        QCOMPARE(d.platform.errors.back(),
                 "The circuit could not be saved to " + kFile + ": " + kNotProper);
    }

    void loadShowsTheExplanationAndAsks() {
        Desk d;
        d.platform.files[kFile] = "First line\r\nSecond line\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n";
        d.loadFile();
        QCOMPARE(qLines(d.explanation()), (QStringList{"First line", "Second line"}));
        QVERIFY2(d.widget(WidgetId::yngb).visible, "\"Is this the right Circuit?\" is asked");
        QCOMPARE(QString::fromStdString(d.widget(WidgetId::yngb).caption.english()),
                 QString("Is this the right Circuit?"));
        QVERIFY(d.widget(WidgetId::expmem).readOnly);
        QVERIFY(d.widget(WidgetId::Savepl).visible);
        QCOMPARE(d.platform.messageCount(), std::size_t(0));
    }

    void refusesAFileThatIsNotProper_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no marker") << QByteArray("Some text\r\n1\r\n *\r\n");
        QTest::newRow("marker last") << QByteArray("Text\r\nSTART CIRCUIT DATA\r\n");
        QTest::newRow("no circuit after the marker")
            << QByteArray("Text\r\nSTART CIRCUIT DATA\r\n\r\n1 2 3\r\n");
    }
    void refusesAFileThatIsNotProper() {
        QFETCH(QByteArray, bytes);
        Desk d;
        d.platform.files[kFile] = bytes.toStdString();
        d.loadFile();
        QCOMPARE(qLines(d.platform.warnings), QStringList{QString::fromStdString(kNotProper)});
        QCOMPARE(qLines(d.explanation()), QStringList{QString::fromStdString(kChoosePrompt)});
        QVERIFY2(!d.widget(WidgetId::yngb).visible, "nothing to say yes to");
    }

    void anUnreadableFileIsReportedByName() {
        Desk d;
        d.platform.unreadable[kFile] = "Permission denied";
        d.loadFile();
        QCOMPARE(d.platform.errors.size(), std::size_t(1));
        const QString error = QString::fromStdString(d.platform.errors[0]);
        QVERIFY2(error.contains(QString::fromStdString(kFile)) &&
                     error.contains("Permission denied"),
                 "the error names the file and the reason");
        QCOMPARE(qLines(d.explanation()), QStringList{QString::fromStdString(kChoosePrompt)});
    }

    void anUnreadableFileWithdrawsTheFileShownBefore() {
        Desk d;
        d.platform.files[kFile] = "Text\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n";
        d.loadFile();
        d.platform.unreadable["/pupil/other.cir"] = "Permission denied";
        d.platform.openAnswers.push_back("/pupil/other.cir");
        nextbtClick(d.bench, WidgetId::nextbt);
        QVERIFY2(!d.widget(WidgetId::yngb).visible, "no Yes for the file before");
        QCOMPARE(qLines(d.explanation()), QStringList{QString::fromStdString(kChoosePrompt)});
    }

    void noGoesBackToChoosingAFile_data() {
        QTest::addColumn<bool>("clicked");
        QTest::newRow("clicked") << true;
        QTest::newRow("focused") << false;
    }
    void noGoesBackToChoosingAFile() {
        QFETCH(bool, clicked);
        Desk d;
        d.platform.files[kFile] = "Text\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n";
        d.loadFile();
        d.bench.ui.focus.reset();
        if (clicked)
            nbtClick(d.bench, WidgetId::nbt);
        else
            nbtEnter(d.bench, WidgetId::nbt);
        QCOMPARE(qLines(d.explanation()), QStringList{QString::fromStdString(kChoosePrompt)});
        QVERIFY(!d.widget(WidgetId::yngb).visible);
        QCOMPARE(d.bench.ui.focus.has_value(), clicked);
    }

    void cancelHidesThePanelAndTheQuestion() {
        Desk d;
        d.platform.files[kFile] = "Text\r\nSTART CIRCUIT DATA\r\n1\r\n *\r\n";
        d.loadFile();
        cancelsavebtClick(d.bench, WidgetId::cancelsavebt);
        QVERIFY(!d.widget(WidgetId::Savepl).visible);
        QVERIFY(!d.widget(WidgetId::yngb).visible);
    }
};

VOLTARO_TEST_CLASS(FilePanelTest)
#include "tst_file_panel.moc"
