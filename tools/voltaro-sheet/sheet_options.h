#pragma once

#include "key_writer.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace voltaro::sheet {

// What one run of voltaro-sheet is asked to do.
struct SheetOptions {
    KeyFormat format = KeyFormat::Json;
    QStringList files;          // the .cir files, "-" for standard input; none for a built-in
    QString builtin;            // the name of a lesson or worksheet, or empty for a file
    QString pngFolder;          // where the boards go as PNG files; empty for none
    QString pdfFile;            // the printable worksheet; empty for none
    bool answers = false;       // answer pages in the worksheet
    std::optional<int> circuit; // only this circuit
    bool listBuiltins = false;
};

// What the command line asks for: a run, the help, the version, or a usage error.
struct ParsedCommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    SheetOptions options;
    QString error; // for a usage error: what was wrong
};

// Reads the arguments (the program name first). Anything that does not make one clear request
// is a usage error.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The usage text that --help prints.
QString usageText();

// The line after a usage error's message.
inline constexpr const char* kTryHelp = "Try 'voltaro-sheet --help'.";

} // namespace voltaro::sheet
