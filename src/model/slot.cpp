#include "model/slot.h"

namespace voltaro {

bool isValidSlot(int slot) {
    return slot >= 1 && slot <= kSlots;
}

std::optional<SlotAddress> decodeSlot(int slot) {
    if (!isValidSlot(slot))
        return std::nullopt;
    int r = slot - 1;
    SlotAddress a;
    a.side = r / 108 + 1;
    r %= 108;
    a.lane = r / 36 + 1;
    r %= 36;
    a.block = r / 12 + 1;
    r %= 12;
    a.branch = r / 4 + 1;
    a.position = r % 4 + 1;
    return a;
}

} // namespace voltaro
