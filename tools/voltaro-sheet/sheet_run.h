#pragma once

#include "exit_status.h"
#include "sheet_options.h"

#include <QIODevice>
#include <QTextStream>

namespace voltaro::sheet {

// Carries out a run: the answer key to `out`, pictures and the worksheet into their files,
// messages to `err`. Nothing goes to `out` when the input cannot be read.
ExitStatus runSheet(const SheetOptions& options, QIODevice& out, QTextStream& err);

} // namespace voltaro::sheet
