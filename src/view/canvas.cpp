#include "view/canvas.h"

#include "model/numbers.h"

#include <algorithm>

namespace voltaro {

bool cutToPicture(Point& from, Point& to, int width, int height) {
    const double lo[2] = {-8.0, -8.0};
    const double hi[2] = {width + 8.0, height + 8.0};
    const double p0[2] = {double(from.x), double(from.y)};
    const double delta[2] = {double(to.x) - from.x, double(to.y) - from.y};
    bool inside = true;
    for (int axis = 0; axis < 2; ++axis)
        for (double v : {p0[axis], p0[axis] + delta[axis]})
            inside = inside && v >= lo[axis] && v <= hi[axis];
    if (inside)
        return true;
    double t0 = 0.0, t1 = 1.0;
    for (int axis = 0; axis < 2; ++axis) {
        if (delta[axis] == 0.0) {
            if (p0[axis] < lo[axis] || p0[axis] > hi[axis])
                return false;
            continue;
        }
        double ta = (lo[axis] - p0[axis]) / delta[axis];
        double tb = (hi[axis] - p0[axis]) / delta[axis];
        if (ta > tb)
            std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        if (t0 > t1)
            return false;
    }
    from = {truncToInt(p0[0] + t0 * delta[0]), truncToInt(p0[1] + t0 * delta[1])};
    to = {truncToInt(p0[0] + t1 * delta[0]), truncToInt(p0[1] + t1 * delta[1])};
    return true;
}

void Canvas::lineTo(Point p) {
    Point from = m_position;
    Point to = p;
    if (cutToPicture(from, to, width(), height()))
        drawLine(from, to);
    m_position = p;
}

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
