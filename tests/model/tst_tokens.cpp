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

    void readsIntegers_data() {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << " 0" << true << 0;
        QTest::newRow("handle position") << "259 56" << true << 259;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("largest int") << "2147483647" << true << 2147483647;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("a real") << "5.00" << false << 0;
        QTest::newRow("exponent") << "1e3" << false << 0;
        QTest::newRow("word") << "x" << false << 0;
        QTest::newRow("end mark") << " *" << false << 0;
        QTest::newRow("beyond the int range") << "2147483648" << false << 0;
    }
    void readsIntegers() {
        QFETCH(QString, buffer);
        QFETCH(bool, valid);
        QFETCH(int, value);
        std::string text = buffer.toStdString();
        const Token<int> token = readIntegerToken(text);
        QCOMPARE(token.value.has_value(), valid);
        if (valid)
            QCOMPARE(*token.value, value);
    }

    void readsReals_data() {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("fixed width") << "  5.00 2" << true << 5.0;
        QTest::newRow("cell value") << "1.5" << true << 1.5;
        QTest::newRow("whole number") << "12" << true << 12.0;
        QTest::newRow("negative") << "-2.25" << true << -2.25;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("comma") << "1,5" << false << 0.0;
        QTest::newRow("overflow") << "1e999" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }
    void readsReals() {
        QFETCH(QString, buffer);
        QFETCH(bool, valid);
        QFETCH(double, value);
        std::string text = buffer.toStdString();
        const Token<double> token = readRealToken(text);
        QCOMPARE(token.value.has_value(), valid);
        if (valid)
            QCOMPARE(*token.value, value);
    }
};

VOLTARO_TEST_CLASS(TokensTest)
#include "tst_tokens.moc"
