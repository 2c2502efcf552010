#include "view/marker_hit.h"

namespace voltaro {

std::optional<MarkerRef> markerAt(const Markers& markers, int x, int y) {
    const std::vector<MarkerRef>& stack = markerStackBottomToTop();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        const Marker& m = markers.at(*it);
        if (m.visible && x >= m.left && x < m.left + m.width && y >= m.top && y < m.top + m.height)
            return *it;
    }
    return std::nullopt;
}

} // namespace voltaro
