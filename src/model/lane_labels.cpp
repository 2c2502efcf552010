#include "model/lane_labels.h"

#include "model/model_texts.h"
#include "model/slot.h"

#include <string>

namespace voltaro {

Text laneCaption(int side, int k, int count) {
    static const Phrase kAcross[] = {kTopParallel, kMiddleParallel, kBottomParallel};
    static const Phrase kRight[] = {kLeftParallel, kMiddleParallel, kRightParallel};
    if (k < 1 || k > kLanes)
        return {};
    switch (side) {
    case kTopSide:
    case kBottomSide:
        return Text(kAcross[k - 1]).arg(std::to_string(count));
    case kRightSide:
        return Text(kRight[k - 1]).arg(std::to_string(count));
    default:
        return {};
    }
}

} // namespace voltaro
