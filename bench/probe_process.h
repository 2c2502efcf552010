#pragma once

#include <optional>
#include <string>
#include <vector>

namespace voltaro::bench {

// Figures a benchmark takes from a fresh process: this program started again with a probe's
// flag, its standard output read line by line.

// The lines the probe printed, or nothing when it could not start or did not end well.
std::optional<std::vector<std::string>> runProbe(const std::vector<std::string>& arguments);

// Runs a program of this program's folder to its end, its output thrown away; the seconds from
// the fork to the end, or nothing when it could not start or did not end with status 0.
std::optional<double> timeSiblingProgram(const std::string& name,
                                         const std::vector<std::string>& arguments);

// This process's resident memory now and at its peak, from /proc/self/status.
long residentKb();
long peakResidentKb();

} // namespace voltaro::bench
