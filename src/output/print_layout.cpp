#include "output/print_layout.h"

#include "model/numbers.h"
#include "output/output_texts.h"

#include <algorithm>

namespace voltaro {

// Printer pixels of the page width kept free beside the scaled board.
constexpr int kWidthKeptFree = 300;

int printScale(const PrintableArea& area, int boardWidth, int boardHeight) {
    if (boardWidth <= 0 || boardHeight <= 0)
        return 0;
    const double byWidth = (double(area.width) - kWidthKeptFree) / boardWidth;
    const double byHeight = (double(area.height) - kPrintedBoardTop) / boardHeight;
    return std::max(truncToInt(std::min(byWidth, byHeight)), 0);
}

PrintedPage layoutPage(const Text& title, const std::string& name, const BoardDrawing& board,
                       const PrintableArea& area) {
    PrintedPage page;
    page.title = title;
    if (!name.empty())
        page.texts.push_back({0, kNameLineTop, Text(kPrintedFor).arg(name)});
    const int scale = printScale(area, board.width, board.height);
    if (scale > 0)
        page.board = PageBoard{0, kPrintedBoardTop, truncToInt(double(board.width) * scale),
                               truncToInt(double(board.height) * scale), board};
    return page;
}

} // namespace voltaro
