#include "png_export.h"

#include <QDir>

namespace voltaro::sheet {

QString boardPngPath(const QString& folder, int number) {
    return QDir(folder).filePath(QStringLiteral("circuit-%1.png").arg(number));
}

QString writeBoardPng(const QString& folder, int number, const QImage& board) {
    if (!QDir().mkpath(folder))
        return "cannot make the folder " + folder;
    const QString path = boardPngPath(folder, number);
    if (!board.save(path, "PNG"))
        return "cannot write " + path;
    return {};
}

} // namespace voltaro::sheet
