#pragma once

#include "model/failure.h"

#include <QString>

namespace voltaro::sheet {

// A failure of the tool's own, worded in English as the tool prints it.
inline Failure toolFailure(const QString& reason) {
    return {Text::verbatim(reason.toStdString())};
}

// A failure as the tool prints it: in English, the program's reasons too.
inline QString words(const Failure& failure) {
    return QString::fromStdString(failure.reason.english());
}

} // namespace voltaro::sheet
