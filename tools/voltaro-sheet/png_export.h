#pragma once

#include <QImage>
#include <QString>

namespace voltaro::sheet {

// The path of circuit `number`'s board in the folder: FOLDER/circuit-N.png.
QString boardPngPath(const QString& folder, int number);

// Writes the board as FOLDER/circuit-N.png, making the folder when it is missing. The reason
// it could not, or an empty text.
QString writeBoardPng(const QString& folder, int number, const QImage& board);

} // namespace voltaro::sheet
