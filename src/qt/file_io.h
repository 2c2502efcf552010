#pragma once

#include "model/failure.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace voltaro {

// Files on the disk, checked to the end: a write is reported as done only when every byte has
// been written without buffering and synced to the disk. A failure gives the system's reason
// alone ("No space left on device"); the caller names the file.

// The whole of a file's bytes.
Outcome<std::string> readWholeFile(const QString& path);

// A failure whose reason is already worded (by the system, by Qt, by the tool): shown as it is.
Failure failureOf(const QString& reason);

// The file's contents replaced: written beside it and swapped in only when complete, so the old
// file stays whole when anything fails. A path that is a device or a pipe (/dev/full,
// /dev/stdout) is written in place.
std::optional<Failure> replaceFileContents(const QString& path, const QByteArray& bytes);

// Added at the end of a file that is there; a file that is not there is not created. A write
// that fails part of the way is cut off again, so the file stays as it was.
std::optional<Failure> appendToFile(const QString& path, const QByteArray& bytes);

} // namespace voltaro
