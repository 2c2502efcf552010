#pragma once

#include "exit_status.h"
#include "model/circuit_list.h"
#include "model/failure.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace voltaro::sheet {

// The circuits of a .cir file or of a built-in lesson or worksheet, in the circuit list as the
// program holds them after loading, with the text shown beside them.
struct CircuitSet {
    QString source;          // the file as named on the command line, or the built-in's name
    QString title;           // the set name of a built-in, the file name of a file
    QStringList explanation; // the file's explanation, or the built-in's intro lines
    CircuitList list;
    bool truncated = false; // the file holds more circuits than the list
};

// A set, or why there is none, and the exit status that goes with it.
struct SetOpening {
    Outcome<CircuitSet> set;
    ExitStatus status = kAllRead;
};

// The name that stands for standard input in place of a file.
inline const QString kStandardInput = QStringLiteral("-");

// The circuits of a file (or of standard input for "-") as "&Load Circuit" and "&Yes" put them
// in the list. A file that cannot be read, or that is not a proper file, gives the message the
// program would show.
SetOpening openFileSet(const QString& path);

// The circuits of the lesson or worksheet whose menu caption, without "&", is `name`; another
// name is a usage error.
SetOpening openBuiltinSet(const QString& name);

// The names openBuiltinSet takes, in menu order.
QStringList builtinNames();

} // namespace voltaro::sheet
