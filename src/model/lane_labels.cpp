#include "model/lane_labels.h"

#include "model/slot.h"

namespace voltaro {

std::string laneLabel(int side, int k) {
    static const char* const kAcross[] = {"Top Parallel (", "Middle Parallel (",
                                          "Bottom Parallel ("};
    static const char* const kRight[] = {"Left Parallel (", "Middle Parallel (",
                                         "Right Parallel ("};
    if (k < 1 || k > kLanes)
        return {};
    switch (side) {
    case kTopSide:
    case kBottomSide:
        return kAcross[k - 1];
    case kRightSide:
        return kRight[k - 1];
    default:
        return {};
    }
}

} // namespace voltaro
