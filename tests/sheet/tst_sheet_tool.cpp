#include "lessons/builtin_circuits.h"
#include "model/numbers.h"
#include "qt/picture_widget.h"
#include "qt/window_driver.h"
#include "solver/value_format.h"
#include "support/compare.h"
#include "support/test_runner.h"
#include "voltaro/version.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>

using namespace voltaro;

namespace {

// What one run of the tool gave.
struct Run {
    int status = -1;
    QByteArray out;
    QString err;

    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
    QJsonArray circuits() const { return json().value("circuits").toArray(); }
};

// Runs the tool without a runtime folder of the session's, as a cron job or a fresh login would.
Run runTool(const QStringList& arguments, const QString& outputFile = QString(),
            const QByteArray& input = QByteArray()) {
    QProcess tool;
    if (!outputFile.isEmpty())
        tool.setStandardOutputFile(outputFile);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    tool.setProcessEnvironment(environment);
    tool.start(QCoreApplication::applicationDirPath() + "/voltaro-sheet", arguments);
    tool.write(input);
    tool.closeWriteChannel();
    Run run;
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = tool.exitCode();
    run.out = tool.readAllStandardOutput();
    run.err = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

// A .cir file of the given circuits (each its lines), after one line of explanation.
QString writeFile(const QTemporaryDir& dir, const QString& name, const QStringList& circuits) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("A test file\r\nSTART CIRCUIT DATA\r\n");
    file.write(circuits.join("\r\n\r\n").toUtf8() + "\r\n");
    return path;
}

// Circuit 1 of "Series #1" (resistors of 3, 5 and 2 ohms on 20 V), with other values for the
// top and the right resistor.
QString seriesCircuit(const QString& top = QStringLiteral("3.00"),
                      const QString& right = QStringLiteral("5.00")) {
    return "1 220 100 220 300 2 10 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0 " + top +
           " 1 0 0\r\n1 0 0 0 " + right + " 1 0 0 1 1 0 1 1.00 0 0 0 1 0 0 0 2.00 1 0 0 *";
}

QJsonObject elementAt(const QJsonObject& circuit, int slot) {
    for (const QJsonValue& e : circuit.value("elements").toArray())
        if (e.toObject().value("slot").toInt() == slot)
            return e.toObject();
    return {};
}

// The board as the window shows it after the pupil opened the entry, pressed Ok and stepped
// on to circuit `number`.
QImage windowBoard(const char* entry, int number) {
    test::WindowDriver w;
    w.choose(entry);
    QTest::mouseClick(w.window.findChild<QPushButton*>("okdokeybt"), Qt::LeftButton);
    auto* arrows = w.window.findChild<PictureWidget*>("cirplayim");
    for (int n = 1; n < number; ++n)
        QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(60, 12)); // "next"
    return w.picture().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// voltaro-sheet run as a teacher runs it: answer keys, pictures, worksheets and its failures.
class SheetToolTest : public QObject {
    Q_OBJECT

private slots:
    void builtinAnswers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("circuit");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("voltage");
        QTest::addColumn<double>("current");
        // "Short circuit": two bulbs of 5 ohms in series on 3 V, the switch open.
        QTest::newRow("short circuit, top bulb") << "Short circuit" << 1 << 1 << "L1" << 1.5 << 0.3;
        QTest::newRow("short circuit, switch") << "Short circuit" << 1 << 109 << "S1" << 1.5 << 0.0;
        QTest::newRow("short circuit, right bulb")
            << "Short circuit" << 1 << 113 << "L2" << 1.5 << 0.3;
        QTest::newRow("series #1, circuit 3") << "Series #1" << 3 << 1 << "R1" << 4.0 << 2.0;
    }
    void builtinAnswers() {
        QFETCH(QString, name);
        QFETCH(int, circuit);
        const Run run = runTool({"--builtin", name});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.json().value("source").toString(), name);
        const QJsonObject c = run.circuits().at(circuit - 1).toObject();
        QCOMPARE(c.value("number").toInt(), circuit);
        QFETCH(int, slot);
        const QJsonObject e = elementAt(c, slot);
        QFETCH(QString, label);
        QCOMPARE(e.value("label").toString(), label);
        QFETCH(double, voltage);
        QFETCH(double, current);
        VOLTARO_COMPARE_NEAR(e.value("voltage").toDouble(), voltage, 1e-12);
        VOLTARO_COMPARE_NEAR(e.value("current").toDouble(), current, 1e-12);
        VOLTARO_COMPARE_NEAR(e.value("power").toDouble(), voltage * current, 1e-12);
    }

    void everyBuiltinReads() {
        const Run list = runTool({"--list-builtin"});
        QCOMPARE(list.status, 0);
        const QStringList names = QString::fromUtf8(list.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(names.size(), qsizetype(builtinEntries().size()));
        for (const char* name : {"One light", "Series #1", "Combo Circuit #2"})
            QVERIFY2(names.contains(name), name);
        for (const QString& name : names) {
            const Run run = runTool({"--builtin", name});
            QVERIFY2(run.status == 0, qPrintable(name + ": " + run.err));
            for (const QJsonValue& c : run.circuits())
                QVERIFY2(c.toObject().value("elements").toArray().size() >= 4, qPrintable(name));
        }
    }

    void versionIsTheProjects() {
        const Run run = runTool({"--version"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QByteArray("voltaro-sheet ") + kVoltaroVersion + "\n");
    }

    void malformedSecondCircuit() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "two.cir", {seriesCircuit(), seriesCircuit("five")});
        const Run run = runTool({path});
        QCOMPARE(run.status, 1);
        const QJsonObject first = run.circuits().at(0).toObject();
        QCOMPARE(first.value("total_current").toDouble(), 2.0);
        QCOMPARE(first.value("total_resistance").toDouble(), 10.0);
        QCOMPARE(first.value("supply_voltage").toDouble(), 20.0);
        QCOMPARE(first.value("elements").toArray().size(), 4);
        const QJsonObject second = run.circuits().at(1).toObject();
        QCOMPARE(second.keys(), QStringList({"error", "number"}));
        QCOMPARE(second.value("error").toString().toStdString(),
                 invalidRealMessage("five").english());
        QCOMPARE(run.json().value("explanation").toArray(), QJsonArray({"A test file"}));
    }

    // Quotes, backslashes and control characters of a text are escaped: the key reads back.
    void textsAreEscapedInTheKey() {
        const QString line = QStringLiteral("Say \"hi\" \\ now\tand \x01 then");
        QTemporaryDir dir;
        const QString path = dir.filePath("escapes.cir");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(line.toUtf8() + "\r\nSTART CIRCUIT DATA\r\n" + seriesCircuit().toUtf8() +
                   "\r\n");
        file.close();
        const Run run = runTool({path});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.json().value("explanation").toArray(), QJsonArray({line}));
    }

    // A full set is read in two halves at once: every circuit keeps its place in the key, and
    // the circuits that cannot be read are named in order, whichever half they are in.
    void aFullSetKeepsItsOrder() {
        QStringList circuits;
        for (int n = 1; n <= 100; ++n)
            circuits << seriesCircuit(n == 7 || n == 77 ? QStringLiteral("five")
                                                        : QString::number(n));
        QTemporaryDir dir;
        const QString path = writeFile(dir, "full.cir", circuits);
        const Run json = runTool({path});
        QCOMPARE(json.status, 1);
        QCOMPARE(json.circuits().size(), 100);
        for (int n = 1; n <= 100; ++n) {
            const QJsonObject c = json.circuits().at(n - 1).toObject();
            QCOMPARE(c.value("number").toInt(), n);
            QCOMPARE(c.contains("error"), n == 7 || n == 77);
            if (!c.contains("error"))
                QCOMPARE(elementAt(c, 1).value("resistance").toDouble(), double(n));
        }
        const Run csv = runTool({"--csv", path});
        QCOMPARE(csv.status, 1);
        QCOMPARE(csv.err.count("voltaro-sheet: circuit "), 2);
        QVERIFY2(csv.err.indexOf("circuit 7:") < csv.err.indexOf("circuit 77:"),
                 qPrintable(csv.err));
        const QStringList rows = QString::fromUtf8(csv.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 1 + 98 * 4);
        QVERIFY(rows.last().startsWith("100,"));
    }

    // Circuits beyond the list's 100 are not read: a warning and status 1, as for a bad one.
    void moreThanAHundredCircuits() {
        QTemporaryDir dir;
        const QStringList circuits(101, seriesCircuit());
        const Run run = runTool({writeFile(dir, "many.cir", circuits)});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("Only the first 100 were loaded"), qPrintable(run.err));
        QCOMPARE(run.circuits().size(), 100);
    }

    // Only extreme resistances make values that are not numbers: they are written as null.
    void valuesThatAreNotNumbersAreNull() {
        QTemporaryDir dir;
        const Run run =
            runTool({writeFile(dir, "extreme.cir", {seriesCircuit("-1e308", "-1e308")})});
        QCOMPARE(run.status, 0);
        const QJsonObject c = run.circuits().at(0).toObject();
        QVERIFY2(c.value("total_resistance").isNull(), run.out.constData());
        QCOMPARE(elementAt(c, 1).value("resistance").toDouble(), -1e308);
    }

    // Numbers are written in their shortest form: whole ones as digits while those are no longer
    // than the scientific form.
    void numbersInTheirShortestForm_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("whole") << "100" << QByteArray("100");
        QTest::newRow("seven digits") << "1234567" << QByteArray("1234567");
        QTest::newRow("six with zeros") << "120000" << QByteArray("120000");
        QTest::newRow("shorter in powers") << "100000" << QByteArray("1e+05");
        QTest::newRow("a million") << "1000000" << QByteArray("1e+06");
        QTest::newRow("negative") << "-47" << QByteArray("-47");
        QTest::newRow("a fraction") << "0.5" << QByteArray("0.5");
        QTest::newRow("beyond exact") << "1e15" << QByteArray("1e+15");
    }

    void numbersInTheirShortestForm() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        QTemporaryDir dir;
        const Run run = runTool({writeFile(dir, "values.cir", {seriesCircuit(typed)})});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("\"resistance\": " + written + ","), run.out.constData());
    }

    // The same fields as the JSON, the values as people read them.
    void csvHoldsTheJsonFields() {
        const QJsonArray elements = runTool({"--builtin", "Short circuit"})
                                        .circuits()
                                        .at(0)
                                        .toObject()["elements"]
                                        .toArray();
        const Run csv = runTool({"--csv", "--builtin", "Short circuit"});
        QCOMPARE(csv.status, 0);
        const QStringList lines = QString::fromUtf8(csv.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), elements.size() + 1);
        const QStringList header = lines[0].split(',');
        QCOMPARE(header.at(0), QStringLiteral("circuit"));
        const std::map<QString, Unit> units = {{"voltage", Unit::Volt}, {"current", Unit::Ampere}};
        for (qsizetype row = 1; row < lines.size(); ++row) {
            const QStringList cells = lines[row].split(',');
            const QJsonObject e = elements.at(row - 1).toObject();
            QCOMPARE(cells.size(), header.size());
            for (qsizetype i = 1; i < header.size(); ++i) {
                const QJsonValue value = e.value(header[i]);
                if (units.count(header[i]))
                    QCOMPARE(cells[i].toStdString(),
                             formatWithPrefix(value.toDouble(), units.at(header[i])));
                else if (header[i] != "resistance" && header[i] != "power")
                    QCOMPARE(cells[i], value.toVariant().toString());
            }
        }
    }

    // Several inputs make an array of keys, each with its source; "-" reads standard input.
    void severalFilesAndStandardInput() {
        const QString series =
            QStringLiteral(VOLTARO_SOURCE_DIR "/examples/series-fairy-lights.cir");
        const QString parallel =
            QStringLiteral(VOLTARO_SOURCE_DIR "/examples/parallel-fairy-lights.cir");
        QFile file(series);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Run run = runTool({"--json", parallel, "-"}, QString(), file.readAll());
        QCOMPARE(run.status, 0);
        const QJsonArray keys = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys[0].toObject().value("source").toString(), parallel);
        QCOMPARE(keys[1].toObject().value("source").toString(), QStringLiteral("-"));
        const Run alone = runTool({"--json", series});
        QCOMPARE(keys[1].toObject().value("circuits"), alone.json().value("circuits"));
        const Run csv = runTool({"--csv", series, series});
        QVERIFY2(csv.out.startsWith("source,circuit,slot,"), csv.out.left(40).constData());
        QCOMPARE(csv.out.count(series.toUtf8() + ",3,"),
                 2 * alone.circuits()[2].toObject()["elements"].toArray().size());
    }

    void pngIsTheBoardTheWindowShows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("circuit");
        QTest::newRow("lesson") << "Short circuit"
                                << "Shortcircuit1" << 1;
        QTest::newRow("worksheet, stepped on") << "Parallel #1"
                                               << "Parallel11" << 3;
    }
    void pngIsTheBoardTheWindowShows() {
        QFETCH(QString, name);
        QFETCH(int, circuit);
        QTemporaryDir dir;
        const Run run = runTool({"--png", dir.path(), "--builtin", name});
        QCOMPARE(run.status, 0);
        const QImage png(dir.filePath(QStringLiteral("circuit-%1.png").arg(circuit)));
        QCOMPARE(png.size(), QSize(770, 528));
        QFETCH(QString, entry);
        QVERIFY2(png.convertToFormat(QImage::Format_RGB32) ==
                     windowBoard(entry.toLatin1().constData(), circuit),
                 "the picture written differs from the board the window shows");
    }

    // The fairy lights' three circuits: the explanation once, with circuit 1 under it, each
    // circuit on a page of its own, no row alone on a page; the answer key after them.
    void worksheetPages_data() {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<int>("pages");
        QTest::newRow("pupils' pages") << false << 3;
        QTest::newRow("with the answer key") << true << 4;
    }
    void worksheetPages() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("poppler's pdftotext is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("lights.pdf");
        QFETCH(bool, answers);
        QStringList arguments = {"--pdf", pdf,
                                 VOLTARO_SOURCE_DIR "/examples/series-fairy-lights.cir"};
        if (answers)
            arguments << "--answers";
        const Run run = runTool(arguments);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable("nothing on standard error: " + run.err));
        QProcess text;
        text.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QList<QByteArray> page = text.readAllStandardOutput().split('\f');
        QFETCH(int, pages);
        QCOMPARE(page.size() - 1, pages); // a form feed ends every page
        QVERIFY2(page[0].contains("Fairy lights in series") && page[0].contains("Circuit 1 of 3"),
                 "the explanation, then circuit 1");
        QCOMPARE(page[1].count("Fairy lights in series"), 0);
        QVERIFY2(page[2].contains("Supply: 4 cells of 1.50 V in series: 6.00 V") &&
                     page[2].contains("S1"),
                 page[2].constData());
        QCOMPARE(page[pages - 1].contains("Answer key"), answers);
        QProcess images; // the boards are drawn as lines, shapes and text: no picture in the file
        images.start(QStandardPaths::findExecutable("pdfimages"), {"-list", pdf});
        QVERIFY(images.waitForFinished(30000));
        QCOMPARE(images.readAllStandardOutput().count('\n'), 2); // the list's two header lines
        QProcess info; // named as the window's caption names the set
        info.start(QStandardPaths::findExecutable("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(info.readAllStandardOutput().contains(
            "Title:           Circuits: series-fairy-lights.cir\n"));
    }

    // A full disk is a failure, not a run that seemed to work.
    void answerKeyThatCannotBeWritten() {
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full here");
        const Run run = runTool({"--builtin", "Series #1"}, "/dev/full");
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("cannot write the answer key"), qPrintable(run.err));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString usage = QStringLiteral("\nTry 'voltaro-sheet --help'.\n");
        QTest::newRow("nothing to read") << QStringList() << 64 << usage;
        QTest::newRow("unknown option") << QStringList{"--colour", "a.cir"} << 64 << usage;
        QTest::newRow("two formats") << QStringList{"--csv", "--text", "a.cir"} << 64 << usage;
        QTest::newRow("answers without pdf") << QStringList{"--answers", "a.cir"} << 64 << usage;
        QTest::newRow("circuit 0") << QStringList{"--circuit", "0", "a.cir"} << 64 << usage;
        QTest::newRow("circuit past the set")
            << QStringList{"--circuit", "5", "--builtin", "Series #1"} << 64 << "holds 4 circuits";
        QTest::newRow("file and built-in")
            << QStringList{"--builtin", "Series #1", "a.cir"} << 64 << usage;
        QTest::newRow("unknown built-in") << QStringList{"--builtin", "Series #9"} << 64 << usage;
        QTest::newRow("pictures of two files")
            << QStringList{"--png", "boards", "a.cir", "b.cir"} << 64 << usage;
        QTest::newRow("not a proper file")
            << QStringList{"improper.cir"} << 2 << "This was not a proper file!";
        QTest::newRow("missing file") << QStringList{"missing.cir"} << 2 << "missing.cir";
        QTest::newRow("pdf not writable")
            << QStringList{"--pdf", "no/such/folder/x.pdf", "--builtin", "Series #1"} << 2
            << "No such file or directory";
        QTest::newRow("pdf onto a full device")
            << QStringList{"--pdf", "/dev/full", "--builtin", "Series #1"} << 2
            << "cannot write /dev/full: No space left on device";
    }
    void refusals() {
        QTemporaryDir dir;
        QFile improper(dir.filePath("improper.cir"));
        QVERIFY(improper.open(QIODevice::WriteOnly));
        improper.write("An explanation without circuits\r\nSTART CIRCUIT DATA\r\n");
        improper.close();
        QFETCH(QStringList, arguments);
        for (QString& a : arguments)
            if (a.endsWith(".cir") || a.endsWith(".pdf"))
                a = dir.filePath(a);
        const Run run = runTool(arguments);
        QFETCH(int, status);
        QCOMPARE(run.status, status);
        QVERIFY2(run.out.isEmpty(), "nothing on standard output");
        QFETCH(QString, message);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        if (status == 64)
            QVERIFY2(run.err.count('\n') == 2, qPrintable("one line, then the hint: " + run.err));
    }
};

VOLTARO_TEST_CLASS(SheetToolTest)
#include "tst_sheet_tool.moc"
