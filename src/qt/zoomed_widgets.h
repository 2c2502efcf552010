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
// size at 100 % times the scale (widgets without one inherit it), and places the widgets that
// keep their own geometry at theirs times the scale.
void scaleWidgets(QWidget* root, const ViewScale& scale);

// Marks a widget the widget mirror does not place: scaleWidgets places it at its present
// geometry, taken as that at 100 %, times the scale.
void keepOwnGeometry(QWidget* widget);

} // namespace voltaro
