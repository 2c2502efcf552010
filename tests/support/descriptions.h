#pragma once

#include "model/circuit_list.h"
#include "model/description.h"

#include <string>
#include <vector>

namespace voltaro::test {

// One built-in circuit as the circuit list holds it: a lesson's joined description in chunk 1,
// a worksheet circuit's chunks as they are.
struct NamedCircuit {
    std::string name;
    CircuitChunks chunks;
};

// Every circuit of the built-in lessons and worksheets.
std::vector<NamedCircuit> builtinCircuits();

// The chunks of a description cut at the given character offsets.
CircuitChunks chunksCutAt(const std::string& description, const std::vector<std::size_t>& cuts);

// The first difference between two readings in words, or "" when they read the same.
std::string readingDifference(const DescriptionReading& a, const DescriptionReading& b);

} // namespace voltaro::test
