#pragma once

#include "view/point.h"

#include <QMetaType>
#include <QTest>

namespace voltaro {

// How QCOMPARE shows a point that differs.
inline char* toString(const Point& p) {
    return qstrdup(qPrintable(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y)));
}

} // namespace voltaro

Q_DECLARE_METATYPE(voltaro::Point)
