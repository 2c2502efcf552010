#pragma once

#include <climits>

namespace voltaro {

// a + b, held at the int range instead of overflowing.
constexpr int addClamped(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return sum > INT_MAX ? INT_MAX : (sum < INT_MIN ? INT_MIN : static_cast<int>(sum));
}

} // namespace voltaro
