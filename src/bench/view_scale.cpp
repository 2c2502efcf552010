#include "bench/view_scale.h"

#include <climits>

namespace voltaro {

namespace {

long long floorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

int clampToInt(long long v) {
    return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

int validPercent(int percent) {
    return percent > 0 ? percent : 100;
}

} // namespace

int ViewScale::toView(int board) const {
    // ceil(board * p / 100 - 1/2)
    const long long p = validPercent(percent);
    return clampToInt(-floorDiv(-(2LL * board * p - 100), 200));
}

int ViewScale::toBoard(int view) const {
    // floor((view + 1/2) * 100 / p)
    const long long p = validPercent(percent);
    return clampToInt(floorDiv(200LL * view + 100, 2 * p));
}

} // namespace voltaro
