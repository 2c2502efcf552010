#pragma once

#include "model/failure.h"
#include "model/slot.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace voltaro {

// One element record of a description, as far as its five tokens were read.
struct ElementReading {
    std::uint8_t switchFlag = 0;
    std::uint8_t openFlag = 0;
    std::uint8_t wireFlag = 0;
    double resistance = 0.0;
    int kind = 0;
    int fieldsRead = 0; // 0..5, in the order switch flag, open flag, wire flag, resistance, kind
};

// The element count of one branch and its records, as far as read.
struct BranchReading {
    SlotAddress branch; // position 1 of the branch
    int count = 0;
    std::vector<ElementReading> elements;
};

// A circuit description read into plain fields, in the order of its tokens. Everything read
// before a failing token is kept; what follows it is absent.
struct DescriptionReading {
    std::optional<int> optionsFlag;    // 1 enables the Options menu
    std::vector<int> handles;          // topsh left, top, botsh left, top
    std::optional<int> sourceKind;     // 1 variable supply, anything else cells
    std::optional<double> sourceValue; // the variable supply's voltage, or the cell value
    std::optional<int> cellsInSeries;
    std::optional<int> cellsInParallel;
    std::optional<int> viewFlags;        // 1 Show Resistance, 2 Label loads, 4 Show Brightness
    std::vector<int> laneCounts;         // side 1 lanes 1..3, then sides 2, 3 and 4
    std::vector<BranchReading> branches; // in walk order
    int chunksUsed = 1;                  // chunk 1 and those the refills appended
    std::optional<Failure> error;        // why the reading stopped before the end
    std::string failedToken;             // the token it stopped at

    bool complete() const { return !error; }
};

constexpr int kHandleTokens = 4;
constexpr int kLaneTokens = kSides * kLanes;

// View flag bits.
constexpr int kShowResistanceBit = 1;
constexpr int kLabelLoadsBit = 2;
constexpr int kShowBrightnessBit = 4;

} // namespace voltaro
