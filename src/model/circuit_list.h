#pragma once

#include "model/text.h"
#include "model/text_lines.h"

#include <array>
#include <string>
#include <vector>

namespace voltaro {

constexpr int kMaxCircuits = 100;
constexpr int kMaxChunks = 20;

// The text chunks of one circuit's description, [chunk 1..20]; index 0 unused.
using CircuitChunks = std::array<std::string, kMaxChunks + 1>;

// The circuits of the last loaded file, lesson or worksheet, each held as up to 20 text chunks
// of its description; the reader joins chunk after chunk as it needs them.
struct CircuitList {
    // [circuit 1..100][chunk 1..20]; index 0 unused.
    std::array<CircuitChunks, kMaxCircuits + 1> chunks{};
    int count = 1;          // circuits in the list; 1 hides the step arrows
    int current = 1;        // the circuit that reading the current circuit uses
    Text setName;           // shown after "Circuits: " in the window caption
    std::string sourceFile; // the file the circuits were loaded from; empty for the built-ins

    std::string& chunk(int circuit, int index) { return chunks[circuit][index]; }
    const std::string& chunk(int circuit, int index) const { return chunks[circuit][index]; }
};

// Whether two lists hold the same circuits, count, current number, set name and file.
bool sameCircuits(const CircuitList& a, const CircuitList& b);

// What loading a file's circuit lines into the list gave.
struct CircuitLoad {
    int count = 0;          // circuits closed by "*" that the list now holds
    bool truncated = false; // the file holds more circuits than the list
};

// Puts the circuit lines of a file, from `start` on, into the list: each line is appended to the
// current chunk after a space; a line ending in "*" closes the circuit and starts the next; a
// longer line that does not close its circuit moves on to the next chunk, and the last chunk
// takes every further line. Every circuit started is emptied first. Sets the count and makes
// circuit 1 current; the set name stays.
CircuitLoad loadCircuits(CircuitList& list, const LineViews& lines, std::size_t start);

// The warning for a file with more circuits than the list holds.
Text tooManyCircuitsMessage();

// A reason with where the current circuit came from on a second line: "\nin circuit 2 of
// set.cir" after it for a file's circuit; a built-in circuit's reason stays as it is.
Text inCurrentCircuit(const Text& reason, const CircuitList& list);

} // namespace voltaro
