#include "model/layout_state.h"

namespace voltaro {

void resetLaneSizes(LayoutState& layout) {
    for (int side = 1; side <= kSides; ++side) {
        layout.lanes[side][1] = {1, 1};
        layout.lanes[side][2] = {0, 0};
        layout.lanes[side][3] = {0, 0};
    }
}

} // namespace voltaro
