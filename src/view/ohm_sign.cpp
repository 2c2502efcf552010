#include "view/ohm_sign.h"

namespace voltaro {

namespace {

SmallPicture fromRows(const char* const* rows, int width, int height) {
    SmallPicture picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.pixels.push_back(rows[y][x] == '#' ? Colour::Black : Colour::White);
    return picture;
}

} // namespace

const SmallPicture& ohmSign() {
    static const char* const rows[] = {
        "..####..", ".##..##.", "##....##", "##....##",
        "##....##", ".#....#.", ".#....#.", "###..###",
    };
    static const SmallPicture picture = fromRows(rows, 8, 8);
    return picture;
}

} // namespace voltaro
