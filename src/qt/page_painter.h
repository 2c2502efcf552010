#pragma once

#include "bench/printed_page.h"

class QPainter;

namespace voltaro {

// Draws a page onto a painter opened on the printer (or any device): texts in the painter's
// font with their top-left corner at the given point, the board drawn again as lines, shapes and
// text (VectorCanvas), sharp at the page's resolution.
void paintPage(QPainter& painter, const PrintedPage& page);

} // namespace voltaro
