#pragma once

#include <string>

namespace voltaro::bench {

// The argument that makes the benchmark program the huge-explanation probe: it takes the path
// of a .cir file after it.
constexpr const char* kExplanationProbeFlag = "--explanation-probe";

// In this process: the main window shown on the offscreen platform, the file loaded through
// "&Load Circuit", "&Load" and "&Yes" as a pupil would, then Show Resistance toggled again and
// again. Prints "loaded <resident kB before> <resident kB after> <one toggle in ns>".
int runExplanationProbe(int argc, char** argv);

struct ExplanationFigures {
    double clickSeconds = 0.0; // one menu command after the load, mirrored onto the window
    long addedKb = 0;          // resident memory the loaded file added
};

// Starts this program again as the probe over the file and measures it.
bool measureExplanation(const std::string& path, ExplanationFigures& figures);

} // namespace voltaro::bench
