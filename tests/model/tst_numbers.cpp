#include "model/numbers.h"
#include "support/test_runner.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace voltaro;

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void truncatesWithSaturation_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("positive fraction") << 99.9 << 99;
        QTest::newRow("negative fraction") << -99.9 << -99;
        QTest::newRow("above the int range") << 1e300 << INT_MAX;
        QTest::newRow("below the int range") << -1e300 << INT_MIN;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << INT_MAX;
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << INT_MIN;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void truncatesWithSaturation() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(truncToInt(value), expected);
    }

    void formatsFixedWidths_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("resistance 100") << 100.0 << 2 << 6 << "100.00";
        QTest::newRow("bulb #1") << 5.0 << 2 << 6 << "  5.00";
        QTest::newRow("twelve") << 12.0 << 2 << 6 << " 12.00";
        QTest::newRow("supply 3") << 3.0 << 2 << 4 << "3.00";
        QTest::newRow("supply 12.5") << 12.5 << 2 << 4 << "12.50";
        QTest::newRow("cell 1.5 in 6") << 1.5 << 1 << 6 << "   1.5";
        QTest::newRow("wider than the field") << 12345.5 << 2 << 6 << "12345.50";
        QTest::newRow("negative") << -3.0 << 2 << 4 << "-3.00";
    }
    void formatsFixedWidths() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(formatFixed(value, decimals, width)), expected);
    }

    void formatsShortest_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.5") << 1.5 << "1.5";
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("ten") << 10.0 << "10";
        QTest::newRow("tenth") << 0.1 << "0.1";
    }
    void formatsShortest() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(formatShortest(value)), expected);
    }

    void parsesReals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "1.5" << 1.5;
        QTest::newRow("padded like the value box") << "100.00" << 100.0;
        QTest::newRow("leading blanks") << "   5.00" << 5.0;
        QTest::newRow("trailing blanks") << "5  " << 5.0;
        QTest::newRow("integer") << "10" << 10.0;
        QTest::newRow("negative") << "-999" << -999.0;
        QTest::newRow("plus sign") << "+2" << 2.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("negative exponent") << "2.5E-1" << 0.25;
        QTest::newRow("leading point") << ".5" << 0.5;
    }
    void parsesReals() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto parsed = parseReal(text.toStdString());
        QVERIFY2(parsed.has_value(), qPrintable(text + " is a number"));
        QCOMPARE(*parsed, value);
    }

    void refusesWhatIsNotAFiniteReal_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("letters") << "abc";
        QTest::newRow("trailing letters") << "1.5x";
        QTest::newRow("comma") << "1,5";
        QTest::newRow("nan") << "nan";
        QTest::newRow("inf") << "inf";
        QTest::newRow("infinity") << "-infinity";
        QTest::newRow("overflow") << "1e400";
        QTest::newRow("two signs") << "+-1";
        QTest::newRow("inner blank") << "1 5";
        QTest::newRow("hex") << "0x10";
    }
    void refusesWhatIsNotAFiniteReal() {
        QFETCH(QString, text);
        QVERIFY2(!parseReal(text.toStdString()).has_value(),
                 qPrintable("'" + text + "' is refused"));
    }

    void parsesIntegers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("padded") << " 259 " << true << 259;
        QTest::newRow("real") << "1.5" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("star") << "*" << false << 0;
        QTest::newRow("too large") << "99999999999" << false << 0;
        QTest::newRow("largest") << "2147483647" << true << INT_MAX;
        QTest::newRow("smallest") << "-2147483648" << true << INT_MIN;
        QTest::newRow("one past the largest") << "2147483648" << false << 0;
        QTest::newRow("nine digits, leading zeros") << "000000009" << true << 9;
        QTest::newRow("minus zero") << "-0" << true << 0;
        QTest::newRow("minus alone") << "-" << false << 0;
        QTest::newRow("two minus signs") << "--1" << false << 0;
    }
    void parsesIntegers() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const auto parsed = parseInteger(text.toStdString());
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    // Every short decimal reads as the very double the standard conversion gives, to the bit:
    // the common forms take a shortcut that must never round differently.
    void readsDecimalsAsTheStandardConversion() {
        std::mt19937_64 random(7);
        const auto digits = [&](int n) {
            std::string text;
            for (int i = 0; i < n; ++i)
                text += static_cast<char>('0' + random() % 10);
            return text;
        };
        for (int i = 0; i < 200000; ++i) {
            std::string text = digits(1 + static_cast<int>(random() % 17));
            if (random() % 4 != 0)
                text.insert(random() % (text.size() + 1), ".");
            if (random() % 3 == 0)
                text.insert(0, "-");
            double expected = 0.0;
            const auto end = text.data() + text.size();
            const bool valid = std::from_chars(text.data(), end, expected).ptr == end;
            const std::optional<double> parsed = parseReal(text);
            QVERIFY2(parsed.has_value() == valid, text.c_str());
            if (valid)
                QVERIFY2(std::memcmp(&*parsed, &expected, sizeof expected) == 0, text.c_str());
        }
    }

    void namesTheRefusedText() {
        QCOMPARE(QString::fromStdString(invalidRealMessage("abc").english()),
                 QStringLiteral("'abc' is not a valid floating point value"));
        QCOMPARE(QString::fromStdString(invalidIntegerMessage("x").english()),
                 QStringLiteral("'x' is not a valid integer value"));
        // A long text is cut after 40 characters, never inside a character of several bytes.
        const std::string euros = std::string(39, 'x') + "\u20ac\u20ac";
        QCOMPARE(QString::fromStdString(invalidRealMessage(std::string(100000, '7')).english()),
                 "'" + QString(40, '7') + QChar(0x2026) + "' is not a valid floating point value");
        QCOMPARE(QString::fromStdString(quoteInMessage(euros)),
                 "'" + QString(39, 'x') + QChar(0x2026) + "'");
    }
};

VOLTARO_TEST_CLASS(NumbersTest)
#include "tst_numbers.moc"
