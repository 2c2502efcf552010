#pragma once

#include "exit_status.h"
#include "sheet_options.h"

#include <QFile>
#include <QTextStream>

namespace voltaro::sheet {

// Carries out a run: the answer key to `out`, pictures and the worksheet into their files,
// messages to `err`. Every input is opened before anything is written, and nothing goes to
// `out` when one cannot be read; an answer key that cannot be written whole fails the run like
// any other output.
ExitStatus runSheet(const SheetOptions& options, QFile& out, QTextStream& err);

// Writes the bytes and flushes them; false when they did not all get out.
bool writeAll(QFile& out, const QByteArray& bytes);

} // namespace voltaro::sheet
