#include "solver/value_format.h"
#include "support/test_runner.h"

#include <cmath>
#include <limits>

using namespace voltaro;

// Values as a person reads them: three significant digits under the prefix of their thousand.
class ValueFormatTest : public QObject {
    Q_OBJECT

private slots:
    void threeDigitsUnderAPrefix_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("shown");
        const int V = int(Unit::Volt), A = int(Unit::Ampere), O = int(Unit::Ohm),
                  W = int(Unit::Watt);
        QTest::newRow("milliamperes") << 3.0 / 700.0 << A << "4.29 mA";
        QTest::newRow("trailing zero kept") << 1.8 << V << "1.80 V";
        QTest::newRow("two digits before the point") << 12.0 << O << "12.0 \u03A9";
        QTest::newRow("three digits before the point") << 0.36 << W << "360 mW";
        QTest::newRow("1 is no prefix") << 1.0 << V << "1.00 V";
        QTest::newRow("just below 1") << 0.999 << V << "999 mV";
        QTest::newRow("rounds up to the next prefix") << 0.9996 << A << "1.00 A";
        QTest::newRow("rounds up within its prefix") << 99.96 << O << "100 \u03A9";
        QTest::newRow("kilo-ohms") << 1500.0 << O << "1.50 k\u03A9";
        QTest::newRow("open side's stand-in") << 9999999.0 << O << "10.0 M\u03A9";
        QTest::newRow("microamperes") << 2.9999997e-7 << A << "300 nA";
        QTest::newRow("a micro") << 1e-6 << A
                                 << "1.00 \u00B5"
                                    "A";
        QTest::newRow("negative") << -0.0042857 << A << "-4.29 mA";
        QTest::newRow("negative, rounding up") << -999.7 << V << "-1.00 kV";
        QTest::newRow("zero") << 0.0 << V << "0 V";
        QTest::newRow("below the prefixes") << 1.234e-15 << A << "1.23e-15 A";
        QTest::newRow("above the prefixes") << -5e12 << W << "-5.00e+12 W";
        QTest::newRow("not a number") << std::nan("") << V << "-";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << A << "-";
    }
    void threeDigitsUnderAPrefix() {
        QFETCH(double, value);
        QFETCH(int, unit);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(formatWithPrefix(value, Unit(unit))), shown);
    }
};

VOLTARO_TEST_CLASS(ValueFormatTest)
#include "tst_value_format.moc"
