#pragma once

#include <array>
#include <string>

namespace voltaro {

constexpr int kMaxCircuits = 100;
constexpr int kMaxChunks = 20;

// The circuits of the last loaded file, lesson or worksheet, each held as up to 20 text chunks
// of its description; the reader joins chunk after chunk as it needs them.
struct CircuitList {
    // [circuit 1..100][chunk 1..20]; index 0 unused.
    std::array<std::array<std::string, kMaxChunks + 1>, kMaxCircuits + 1> chunks{};
    int count = 1;       // circuits in the list; 1 hides the step arrows
    int current = 1;     // the circuit that reading the current circuit uses
    std::string setName; // shown after "Circuits: " in the window caption

    std::string& chunk(int circuit, int index) { return chunks[circuit][index]; }
    const std::string& chunk(int circuit, int index) const { return chunks[circuit][index]; }
};

} // namespace voltaro
