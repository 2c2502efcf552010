#pragma once

#include "model/failure.h"

#include <QImage>
#include <QString>

namespace voltaro::sheet {

// The path of circuit `number`'s board in the folder: FOLDER/circuit-N.png.
QString boardPngPath(const QString& folder, int number);

// Writes the board as FOLDER/circuit-N.png, making the folder when it is missing, or says why
// it could not.
std::optional<Failure> writeBoardPng(const QString& folder, int number, const QImage& board);

} // namespace voltaro::sheet
