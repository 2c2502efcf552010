#pragma once

namespace voltaro::bench {

// The argument that makes the benchmark program the probe of the current's dots instead.
constexpr const char* kCurrentCpuProbeFlag = "--current-cpu-probe";

// The main window on the platform of the environment (offscreen unless QT_QPA_PLATFORM says
// otherwise: xcb under a virtual display) with the fullest circuit and Show Current on, shown and
// left to animate for 10 s. Then it prints the seconds, the process's CPU seconds in them and the
// board's paints ("current <seconds> <cpu seconds> <paints>"). Returns the exit code.
int runCurrentCpuProbe(int argc, char** argv);

struct CurrentCpuFigures {
    double seconds = 0.0;
    double cpuPercent = 0.0;      // of one core
    double framesPerSecond = 0.0; // the board's paints
};

// Starts this program again as the probe and measures it; false when the probe failed or the
// board was not animated.
bool measureCurrentCpu(CurrentCpuFigures& figures);

} // namespace voltaro::bench
