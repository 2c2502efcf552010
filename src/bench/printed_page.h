#pragma once

#include "model/text.h"
#include "view/board_drawing.h"

#include <optional>
#include <vector>

namespace voltaro {

// One printed page as the platform draws it, in printer pixels from the top-left corner of the
// printable area.

// The page's printable area in printer pixels, as the print dialog leaves it.
struct PrintableArea {
    int width = 0;
    int height = 0;
};

// A line of text in the printer's default font; (x, y) is its top-left corner.
struct PageText {
    int x = 0;
    int y = 0;
    Text text;
};

// The board drawn again onto the page (lines, shapes and text, sharp at any size), its pixels
// mapped onto width x height printer pixels from (x, y).
struct PageBoard {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    BoardDrawing drawing;
};

struct PrintedPage {
    Text title; // the document's name in the print queue and in a PDF
    std::vector<PageText> texts;
    std::optional<PageBoard> board;
};

} // namespace voltaro
