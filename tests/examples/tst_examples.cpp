#include "app/dispatch.h"
#include "bench/operations.h"
#include "model/circuit_file.h"
#include "model/description_writer.h"
#include "support/file_desk.h"
#include "support/test_runner.h"

#include <QDir>
#include <QFile>

#include <cmath>

using namespace voltaro;
using namespace voltaro::test;

namespace {

const QString kExamplesDir = QStringLiteral(VOLTARO_SOURCE_DIR "/examples");
const QString kFormatPage = QStringLiteral(VOLTARO_SOURCE_DIR "/docs/cir-format.md");
const QString kWorkedExample = QStringLiteral("the worked example of docs/cir-format.md");

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file of the first "cir" block of the format page, with the line ends the program writes.
std::string workedExample() {
    const QString page = QString::fromUtf8(contentsOf(kFormatPage));
    const QString fence = "```cir\n";
    const qsizetype start = page.indexOf(fence);
    const qsizetype end = page.indexOf("```", start + fence.size());
    if (start < 0 || end < 0)
        return {};
    QString text = page.mid(start + fence.size(), end - start - fence.size());
    return text.replace("\n", "\r\n").toStdString();
}

std::string bytesOf(const QString& name) {
    if (name == kWorkedExample)
        return workedExample();
    return contentsOf(kExamplesDir + "/" + name).toStdString();
}

// An example file loaded as the pupil loads it: "&Load Circuit", "&Load", the file, "&Yes".
struct LoadedExample : FileDesk {
    std::string bytes;
    std::vector<std::string> explanationLines;

    explicit LoadedExample(const QString& name) : bytes(bytesOf(name)) {
        const std::string path = "/pupil/example.cir";
        platform.files[path] = bytes;
        loadFile(path);
        explanationLines = explanation().english();
        widgetEvent(bench, WidgetId::ybt, WidgetEvent::Click);
    }

    // Circuit `number` on the board, read as the step arrows read it.
    void show(int number) {
        bench.circuits.current = number;
        cirbt(bench);
    }
};

} // namespace

class ExamplesTest : public QObject {
    Q_OBJECT

private slots:
    void everyExampleLoadsAndSavesBackUnchanged_data() {
        QTest::addColumn<QString>("name");
        const QStringList names = QDir(kExamplesDir).entryList({"*.cir"}, QDir::Files);
        QVERIFY2(names.size() >= 5, "the examples folder holds the example circuits");
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name;
        QTest::newRow("worked example") << kWorkedExample;
    }

    // Every circuit of the file reads without an error, and saving the circuits again with
    // "New file" and "Add to file" gives the file byte for byte: the examples are in the
    // form the program writes.
    void everyExampleLoadsAndSavesBackUnchanged() {
        QFETCH(QString, name);
        LoadedExample e(name);
        QVERIFY2(!e.bytes.empty(), "the file can be read");
        QVERIFY2(e.platform.warnings.empty(), "no \"This was not a proper file!\"");
        QVERIFY2(e.bench.circuits.count >= 1, "the file holds circuits");
        std::string saved;
        for (int number = 1; number <= e.bench.circuits.count; ++number) {
            e.show(number);
            QVERIFY2(e.platform.errors.empty(),
                     qPrintable(QString("circuit %1 reads").arg(number)));
            const std::string description =
                describeCircuit(e.bench.model, e.bench.model.menus.optionsEnabled());
            saved += number == 1 ? newFileText(e.explanationLines, description)
                                 : addedCircuitText(description);
        }
        QCOMPARE(QString::fromStdString(saved), QString::fromStdString(e.bytes));
    }

    void theExercisesShowWhatTheyTeach_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("circuit");
        QTest::addColumn<double>("volts");
        QTest::addColumn<double>("amps");
        QTest::newRow("Ohm's law, 10 ohms at 2 V") << "ohms-law-lab.cir" << 1 << 2.0 << 0.2;
        QTest::newRow("Ohm's law, 20 ohms at 2 V") << "ohms-law-lab.cir" << 2 << 2.0 << 0.1;
        QTest::newRow("three bulbs in series") << "series-fairy-lights.cir" << 1 << 3.0 << 0.2;
        QTest::newRow("six bulbs, half the current")
            << "series-fairy-lights.cir" << 2 << 3.0 << 0.1;
        QTest::newRow("six bulbs, four cells") << "series-fairy-lights.cir" << 3 << 6.0 << 0.2;
        QTest::newRow("three bulbs in parallel") << "parallel-fairy-lights.cir" << 1 << 3.0 << 1.8;
        QTest::newRow("a broken bulb stops the current") << "fault-finding.cir" << 1 << 3.0 << 3e-6;
        QTest::newRow("one cell") << "cells-in-series-and-parallel.cir" << 1 << 1.5 << 0.3;
        QTest::newRow("two cells in parallel")
            << "cells-in-series-and-parallel.cir" << 4 << 1.5 << 0.3;
        QTest::newRow("worked example, switch open") << kWorkedExample << 1 << 3.0 << 0.0;
    }

    void theExercisesShowWhatTheyTeach() {
        QFETCH(QString, name);
        QFETCH(int, circuit);
        QFETCH(double, volts);
        QFETCH(double, amps);
        LoadedExample e(name);
        e.show(circuit);
        QCOMPARE(e.bench.model.source.supplyVoltage, volts);
        QVERIFY2(std::abs(e.bench.results.totalCurrent - amps) < 1e-6,
                 qPrintable(QString("total current %1 A").arg(e.bench.results.totalCurrent)));
    }
};

VOLTARO_TEST_CLASS(ExamplesTest)

#include "tst_examples.moc"
