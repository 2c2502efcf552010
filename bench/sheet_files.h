#pragma once

#include <string>

namespace voltaro::bench {

// A .cir file of 100 random circuits (test::randomTables) on random sources, as New file and Add
// to file write it; the same for the same seed.
std::string randomCircuitFile(unsigned seed);

// Writes the bytes to the path; false when that failed.
bool writeBenchFile(const std::string& path, const std::string& bytes);

} // namespace voltaro::bench
