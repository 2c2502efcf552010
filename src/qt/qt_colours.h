#pragma once

#include "model/colour.h"

#include <QColor>

namespace voltaro {

inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace voltaro
