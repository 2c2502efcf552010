#pragma once

#include "model/text.h"
#include "view/picture.h"

#include <optional>
#include <vector>

namespace voltaro {

// One printed page as the platform draws it, in printer pixels from the top-left corner of the
// printable area.

// A line of text in the printer's default font; (x, y) is its top-left corner.
struct PageText {
    int x = 0;
    int y = 0;
    Text text;
};

// A picture stretched onto the page, each pixel copied unchanged into a block of
// width / picture.width by height / picture.height printer pixels.
struct PageImage {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Picture picture;
};

struct PrintedPage {
    std::vector<PageText> texts;
    std::optional<PageImage> image;
};

} // namespace voltaro
