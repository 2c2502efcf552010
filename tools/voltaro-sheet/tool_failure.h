#pragma once

#include "model/failure.h"
#include "qt/file_io.h"

#include <QString>

namespace voltaro::sheet {

// A failure as the tool prints it: in English, the program's reasons too.
inline QString words(const Failure& failure) {
    return QString::fromStdString(failure.reason.english());
}

} // namespace voltaro::sheet
