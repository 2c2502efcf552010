#include "view/canvas.h"

namespace voltaro {

void Canvas::polyline(const std::vector<Point>& points) {
    if (points.empty())
        return;
    moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        lineTo(points[i]);
}

} // namespace voltaro
