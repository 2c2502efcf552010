#include "view/canvas.h"

#include <algorithm>

namespace voltaro {

void Canvas::polyline(const std::vector<Point>& points) {
    if (points.empty())
        return;
    moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        lineTo(points[i]);
}

Picture NullCanvas::copyRect(int, int, int width, int height) {
    Picture picture;
    picture.width = std::max(width, 0);
    picture.height = std::max(height, 0);
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, Colour::White);
    return picture;
}

} // namespace voltaro
