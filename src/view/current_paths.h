#pragma once

#include "model/model.h"
#include "solver/results.h"
#include "view/point.h"

#include <tuple>
#include <vector>

namespace voltaro {

// Which stretch of the circuit a path is: a column of the source or a piece of its rails, one of
// the four loop wires, a lane's lead (before its first block, or after a block, the last one
// with the lead-out) or a branch of a block.
enum class PathKind { SourceColumn, SourceTopRail, SourceBottomRail, LoopWire, LaneLead, Branch };

struct PathPiece {
    PathKind kind = PathKind::LoopWire;
    int side = 0;
    int lane = 0;
    int block = 0; // a lane's lead: the block it follows, 0 before the first
    int index = 0; // a column, a loop wire, a branch

    friend bool operator<(const PathPiece& a, const PathPiece& b) {
        return std::tie(a.kind, a.side, a.lane, a.block, a.index) <
               std::tie(b.kind, b.side, b.lane, b.block, b.index);
    }
    friend bool operator==(const PathPiece& a, const PathPiece& b) { return !(a < b) && !(b < a); }
};

// A stretch of the drawn circuit that carries one current: the points the paint draws through,
// in its order, and the current in the direction of the points, in amperes (negative: against
// them). Conventional current leaves the battery at the bottom and runs up the right side.
struct CurrentPath {
    PathPiece piece;
    std::vector<Point> points;
    double current = 0.0;
};

// The least current that a path shows: 1 microampere. The leakage that an open side's stand-in
// resistance lets round the loop at an ordinary voltage lies below it.
constexpr double kLeastShownCurrent = 1e-6;

// Every stretch of a painted board (the markers where the paint put them) that carries at least
// the least shown current in the solve: the columns of the source and its rails, the loop wires,
// and on each side every lane's leads and every branch, through the glyphs along their axis. None
// when a side is open: no current then flows round the loop, whatever its stand-in lets through.
std::vector<CurrentPath> currentPaths(const Model& model, const SolverResults& results);

} // namespace voltaro
