#include "model/text.h"
#include "support/test_runner.h"

#include <map>

using namespace voltaro;

class TextTest : public QObject {
    Q_OBJECT

private slots:
    void fillsThePlaceholdersInOnePass_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("filled");
        QTest::newRow("in order") << "The file %1 could not be read: %2"
                                  << QStringList{"/x.cir", "gone"}
                                  << "The file /x.cir could not be read: gone";
        QTest::newRow("reordered") << "%2 before %1" << QStringList{"a", "b"} << "b before a";
        QTest::newRow("twice") << "%1 and the first %1" << QStringList{"100"}
                               << "100 and the first 100";
        QTest::newRow("a value holding a placeholder")
            << "%1 and %2" << QStringList{"%2", "x"} << "%2 and x";
        QTest::newRow("no value for it") << "%1 %2" << QStringList{"a"} << "a %2";
        QTest::newRow("a percent sign") << "100% sure %" << QStringList{} << "100% sure %";
    }
    void fillsThePlaceholdersInOnePass() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, values);
        QFETCH(QString, filled);
        std::vector<std::string> strings;
        for (const QString& v : values)
            strings.push_back(v.toStdString());
        QCOMPARE(QString::fromStdString(fillPlaceholders(pattern.toStdString(), strings)), filled);
    }

    // Every phrase goes through the translator, a nested one too; a value shown as it is never
    // does, even when it reads like a phrase.
    void translatesEveryPhraseBeforeFillingItIn() {
        const Text text = Text(Phrase{"T", "%1 (%2), %3"})
                              .arg(Text(Phrase{"T", "Source (%1)"}).arg(Phrase{"T", "Cells"}))
                              .arg("Cells")
                              .arg("7");
        const std::map<std::string, std::string> german = {
            {"%1 (%2), %3", "%3: %1 (%2)"}, {"Source (%1)", "Quelle (%1)"}, {"Cells", "Zellen"}};
        const std::string shown =
            text.render([&](const Phrase& phrase) { return german.at(phrase.english); });
        QCOMPARE(QString::fromStdString(shown), QStringLiteral("7: Quelle (Zellen) (Cells)"));
        QCOMPARE(QString::fromStdString(text.english()),
                 QStringLiteral("Source (Cells) (Cells), 7"));
    }

    // Copies share what they were filled with; filling one in further leaves the other as it was.
    void aCopyFilledInFurtherLeavesTheOriginal() {
        Text original = Text(Phrase{"T", "%1 and %2"}).arg("one");
        Text copy = original;
        copy.arg("two");
        original.arg("three");
        QCOMPARE(QString::fromStdString(original.english()), QStringLiteral("one and three"));
        QCOMPARE(QString::fromStdString(copy.english()), QStringLiteral("one and two"));
        QVERIFY(original != copy);
        QVERIFY(Text::verbatim("") == Text());
    }
};

VOLTARO_TEST_CLASS(TextTest)
#include "tst_text.moc"
