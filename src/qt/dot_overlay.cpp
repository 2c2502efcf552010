#include "qt/dot_overlay.h"

#include "qt/qt_colours.h"
#include "view/current_flow.h"

#include <QPainter>

#include <vector>

namespace voltaro {

namespace {

constexpr Rgb kDotColour{0, 0, 139}; // dark blue

} // namespace

QRect currentDotsBounds(const CurrentFlow& flow) {
    QRect bounds;
    for (const DotPath& path : flow.paths)
        for (Point p : path.points)
            bounds |= QRect(kBoardOriginX + p.x - 2, kBoardOriginY + p.y - 2, 5, 5);
    return bounds.intersected(QRect(kBoardOriginX, kBoardOriginY, kBoardWidth, kBoardHeight));
}

void drawCurrentDots(QPainter& p, const CurrentFlow& flow) {
    if (flow.paths.empty())
        return;
    std::vector<Point> centres;
    dotCentres(flow, kBoardWidth, kBoardHeight, centres);
    std::vector<QRect> dots;
    dots.reserve(centres.size());
    for (Point c : centres)
        dots.emplace_back(kBoardOriginX + c.x - 1, kBoardOriginY + c.y - 1, 3, 3);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(kDotColour));
    p.drawRects(dots.data(), static_cast<int>(dots.size()));
    p.restore();
}

} // namespace voltaro
