#pragma once

#include <QRect>

class QPainter;

namespace voltaro {

struct CurrentFlow;

// The current's dots over the board picture, 3 pixels square and dark blue, drawn with `p` in
// board coordinates (the picture lies at (7, 7) in them) and within the picture. The board
// panel draws them after the picture and before the markers; the picture itself never holds
// them, so what is copied or printed has none.
void drawCurrentDots(QPainter& p, const CurrentFlow& flow);

// The rectangle round every path, within the picture, in board coordinates: what a frame that
// moved the dots repaints. Empty without paths.
QRect currentDotsBounds(const CurrentFlow& flow);

} // namespace voltaro
