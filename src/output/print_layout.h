#pragma once

#include "bench/printed_page.h"

#include <string>

namespace voltaro {

// Where the board and the name line go on the printed page.
constexpr int kNameLineTop = 150;
constexpr int kPrintedBoardTop = 300;

// The whole number of printer pixels per board pixel: Trunc((printable width - 300) / board
// width), and no more than the height below the board's top allows, Trunc((printable height -
// 300) / board height), so that the board fits the page whatever its size and orientation; 0
// when the page is narrower than the board plus 300 pixels (or lower).
int printScale(const PrintableArea& area, int boardWidth, int boardHeight);

// The page: "Printed for " and the name at (0, 150) unless the name is empty, then the board
// at (0, 300) scaled by printScale(); a scale of 0 leaves only the name line. The title is the
// window's caption.
PrintedPage layoutPage(const Text& title, const std::string& name, const BoardDrawing& board,
                       const PrintableArea& area);

} // namespace voltaro
