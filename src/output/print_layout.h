#pragma once

#include "bench/printed_page.h"

#include <string>

namespace voltaro {

// Where the board and the name line go on the printed page.
constexpr int kNameLineTop = 150;
constexpr int kPrintedBoardTop = 300;

// The whole number of printer pixels per board pixel: Trunc((printable width - 300) / board
// width); 0 when the page is narrower than the board plus 300 pixels.
int printScale(int printableWidth, int boardWidth);

// The page: "Printed for " and the name at (0, 150) unless the name is empty, then the board
// at (0, 300) scaled by printScale(); a scale of 0 leaves only the name line.
PrintedPage layoutPage(const std::string& name, const Picture& board, int printableWidth);

} // namespace voltaro
