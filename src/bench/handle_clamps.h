#pragma once

#include "model/markers.h"

namespace voltaro {

constexpr int kMinHandleGap = 200; // vertical distance kept between the two handles
constexpr int kMinLeft = 200;      // the loop's right edge stays this far from the board's left

// The clamps of every handle drag step, in this order: left beyond the board's right edge back to
// board width - 20, top at least 20, top below the board back to board height - 20, left at
// least 200. A circuit read from a file keeps its handles the same way.
void keepHandleOnBoard(Marker& handle);
// The handles at least 200 px apart vertically; the top one moves when `movingTop`, else the
// bottom one.
void keepHandlesApart(Markers& markers, bool movingTop);

} // namespace voltaro
