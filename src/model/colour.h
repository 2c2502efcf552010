#pragma once

#include <cstdint>

namespace voltaro {

// A 24-bit colour.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(Rgb lhs, Rgb rhs) {
        return lhs.r == rhs.r && lhs.g == rhs.g && lhs.b == rhs.b;
    }
    friend constexpr bool operator!=(Rgb lhs, Rgb rhs) { return !(lhs == rhs); }
};

namespace Colour {
constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Green{0, 128, 0};
constexpr Rgb Gray{128, 128, 128};
constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb WindowBackground{254, 253, 199}; // the pale yellow of the main window
constexpr Rgb PanelBrown{169, 150, 109};       // the board panel and the name box
} // namespace Colour

} // namespace voltaro
