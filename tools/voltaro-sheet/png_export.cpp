#include "png_export.h"

#include "qt/file_io.h"
#include "tool_failure.h"

#include <QBuffer>
#include <QDir>

namespace voltaro::sheet {

QString boardPngPath(const QString& folder, int number) {
    return QDir(folder).filePath(QStringLiteral("circuit-%1.png").arg(number));
}

std::optional<Failure> writeBoardPng(const QString& folder, int number, const QImage& board) {
    if (!QDir().mkpath(folder))
        return failureOf(QStringLiteral("cannot make the folder ") + folder);
    const QString path = boardPngPath(folder, number);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (!board.save(&bytes, "PNG"))
        return failureOf(QStringLiteral("cannot make the picture ") + path);
    if (const std::optional<Failure> failure = replaceFileContents(path, bytes.data()))
        return failureOf(QStringLiteral("cannot write ") + path + QStringLiteral(": ") +
                         words(*failure));
    return std::nullopt;
}

} // namespace voltaro::sheet
