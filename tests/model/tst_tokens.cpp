#include "model/tokens.h"
#include "support/test_runner.h"

using namespace voltaro;

class TokensTest : public QObject {
    Q_OBJECT

private slots:
    void takesTokensOffTheFront_data() {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("rest");
        QTest::newRow("first of several") << "1 259 56"
                                          << "1"
                                          << " 259 56";
        QTest::newRow("leading spaces skipped") << "   5.00 2"
                                                << "5.00"
                                                << " 2";
        QTest::newRow("last token read whole") << "427"
                                               << "427"
                                               << "";
        QTest::newRow("last token after spaces") << "  *"
                                                 << "*"
                                                 << "";
        QTest::newRow("exhausted buffer") << ""
                                          << ""
                                          << "";
        QTest::newRow("only spaces") << "    "
                                     << ""
                                     << "";
        QTest::newRow("tab is part of a token") << "1\t2 3"
                                                << "1\t2"
                                                << " 3";
    }
    void takesTokensOffTheFront() {
        QFETCH(QString, buffer);
        QFETCH(QString, token);
        QFETCH(QString, rest);
        std::string text = buffer.toStdString();
        QCOMPARE(QString::fromStdString(takeToken(text)), token);
        QCOMPARE(QString::fromStdString(text), rest);
    }

    void convertsTheToken_data() {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("integer before more") << "259 56" << true << true << 259.0;
        QTest::newRow("negative integer") << "-3" << true << true << -3.0;
        QTest::newRow("real where an integer belongs") << "5.00" << true << false << 0.0;
        QTest::newRow("end mark") << " *" << true << false << 0.0;
        QTest::newRow("exhausted buffer") << "" << true << false << 0.0;
        QTest::newRow("fixed-width real") << "  5.00 2" << false << true << 5.0;
        QTest::newRow("whole number as real") << "12" << false << true << 12.0;
        QTest::newRow("nan") << "nan" << false << false << 0.0;
        QTest::newRow("inf") << "inf" << false << false << 0.0;
        QTest::newRow("exhausted buffer, real") << "   " << false << false << 0.0;
    }
    void convertsTheToken() {
        QFETCH(QString, buffer);
        QFETCH(bool, integer);
        QFETCH(bool, valid);
        QFETCH(double, value);
        std::string text = buffer.toStdString();
        std::optional<double> read;
        if (integer) {
            if (const std::optional<int> v = readIntegerToken(text).value)
                read = *v;
        } else {
            read = readRealToken(text).value;
        }
        QCOMPARE(read.has_value(), valid);
        if (valid)
            QCOMPARE(*read, value);
        QVERIFY2(text.empty() || text.front() == ' ', "the buffer starts after the token");
    }
};

VOLTARO_TEST_CLASS(TokensTest)
#include "tst_tokens.moc"
