#include "png_export.h"

#include "qt/file_io.h"

#include <QBuffer>
#include <QDir>

namespace voltaro::sheet {

QString boardPngPath(const QString& folder, int number) {
    return QDir(folder).filePath(QStringLiteral("circuit-%1.png").arg(number));
}

QString writeBoardPng(const QString& folder, int number, const QImage& board) {
    if (!QDir().mkpath(folder))
        return "cannot make the folder " + folder;
    const QString path = boardPngPath(folder, number);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (!board.save(&bytes, "PNG"))
        return "cannot make the picture " + path;
    const FileResult written = replaceFileContents(path, bytes.data());
    if (!written.ok)
        return "cannot write " + path + ": " + QString::fromStdString(written.error);
    return {};
}

} // namespace voltaro::sheet
