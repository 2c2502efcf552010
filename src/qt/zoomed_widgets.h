#pragma once

#include "bench/view_scale.h"

#include <QRect>

class QWidget;

namespace voltaro {

// A box of board pixels as the window shows it at a view scale: from the window pixel of its
// left and top edge to that of its right and bottom edge, so that boxes side by side stay side by
// side.
QRect toView(const ViewScale& scale, const QRect& board);

// Sets the font of `root` and of every widget under it that has a font of its own to its pixel
// size at 100 % times the scale; widgets without one inherit it.
void scaleFonts(QWidget* root, const ViewScale& scale);

} // namespace voltaro
