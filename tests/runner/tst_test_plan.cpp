#include "support/test_plan.h"
#include "support/test_runner.h"

using namespace voltaro::test;

namespace {

const std::vector<TestClassOutline> kClasses = {
    {"FirstTest", {"shared", "onlyFirst"}},
    {"SecondTest", {"shared", "onlySecond"}},
};

RunPlan plan(const QStringList& arguments) {
    std::vector<std::string> words;
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    return planClassRuns(words, kClasses);
}

// Each run as one line: the class's name, then its arguments.
QStringList runLines(const RunPlan& plan) {
    QStringList lines;
    for (const ClassRun& run : plan.runs) {
        QStringList words{QString::fromStdString(kClasses[run.index].name)};
        for (const std::string& argument : run.arguments)
            words << QString::fromStdString(argument);
        lines << words.join(' ');
    }
    return lines;
}

} // namespace

class TestPlanTest : public QObject {
    Q_OBJECT

private slots:
    void sharesOutTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("runs");
        const QStringList both{"FirstTest", "SecondTest"};
        QTest::newRow("nothing runs every class") << QStringList{} << both;
        QTest::newRow("a function runs its class alone")
            << QStringList{"onlySecond"} << QStringList{"SecondTest onlySecond"};
        QTest::newRow("a data tag stays with its function")
            << QStringList{"onlySecond:row"} << QStringList{"SecondTest onlySecond:row"};
        QTest::newRow("a function two classes have runs in both")
            << QStringList{"shared"} << QStringList{"FirstTest shared", "SecondTest shared"};
        QTest::newRow("each function goes to its own class")
            << QStringList{"onlySecond", "onlyFirst"}
            << QStringList{"FirstTest onlyFirst", "SecondTest onlySecond"};
        QTest::newRow("a class's name runs it whole")
            << QStringList{"SecondTest", "onlySecond"} << QStringList{"SecondTest"};
        QTest::newRow("options go to every class that runs")
            << QStringList{"-silent", "onlyFirst"} << QStringList{"FirstTest -silent onlyFirst"};
        QTest::newRow("an option's value is no function")
            << QStringList{"-maxwarnings", "0"}
            << QStringList{"FirstTest -maxwarnings 0", "SecondTest -maxwarnings 0"};
        QTest::newRow("each class writes its own file")
            << QStringList{"-o", "out.xml,junitxml"}
            << QStringList{"FirstTest -o out-FirstTest.xml,junitxml",
                           "SecondTest -o out-SecondTest.xml,junitxml"};
        QTest::newRow("a file without an extension, in a folder with a dot")
            << QStringList{"-o", "a.d/out", "onlyFirst"}
            << QStringList{"FirstTest -o a.d/out-FirstTest onlyFirst"};
        QTest::newRow("the standard output stays") << QStringList{"-o", "-,txt", "onlyFirst"}
                                                   << QStringList{"FirstTest -o -,txt onlyFirst"};
    }

    void sharesOutTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, runs);
        const RunPlan planned = plan(arguments);
        QVERIFY2(planned.error.empty(), planned.error.c_str());
        QCOMPARE(runLines(planned), runs);
    }

    void refusesWhatNoClassAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("unknown");
        QTest::newRow("an unknown function") << QStringList{"missing"} << "missing";
        QTest::newRow("among known ones") << QStringList{"onlyFirst", "missing"} << "missing";
        QTest::newRow("with a data tag") << QStringList{"missing:row"} << "missing:row";
    }

    void refusesWhatNoClassAnswers() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, unknown);
        const RunPlan planned = plan(arguments);
        QVERIFY2(planned.runs.empty(), "no class runs");
        QCOMPARE(QString::fromStdString(planned.error),
                 "Unknown test function or class: " + unknown + "\n");
    }
};

VOLTARO_TEST_CLASS(TestPlanTest)
#include "tst_test_plan.moc"
