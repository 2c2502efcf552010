#pragma once

#include <QTest>

#include <cmath>

// Compares two doubles within a stated absolute tolerance and says what was expected.
#define VOLTARO_COMPARE_NEAR(actual, expected, tolerance)                                          \
    do {                                                                                           \
        const double a_ = (actual);                                                                \
        const double e_ = (expected);                                                              \
        QVERIFY2(std::fabs(a_ - e_) <= (tolerance),                                                \
                 qPrintable(QStringLiteral("%1 is %2, expected %3 within %4")                      \
                                .arg(QStringLiteral(#actual))                                      \
                                .arg(a_, 0, 'g', 17)                                               \
                                .arg(e_, 0, 'g', 17)                                               \
                                .arg(tolerance)));                                                 \
    } while (false)
