#pragma once

namespace voltaro::bench {

// The argument that makes the benchmark program a start-up probe instead.
constexpr const char* kStartUpProbeFlag = "--start-up-probe";

// The program's start-up in this process: the application, the main window made and shown on
// the offscreen platform, the board painted once. Then it prints "painted", and after it the
// peak memory of the process ("VmHWM <kB>"), on standard output. Returns the exit code.
int runStartUpProbe(int argc, char** argv);

struct StartUpFigures {
    double seconds = 0.0; // from starting the process to the painted board
    long peakKb = 0;      // the process's peak resident memory then
};

// Starts this program again as a probe and measures it; nothing when the probe failed.
bool measureStartUp(StartUpFigures& figures);

} // namespace voltaro::bench
