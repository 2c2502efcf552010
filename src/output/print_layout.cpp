#include "output/print_layout.h"

#include "model/numbers.h"
#include "output/output_texts.h"

#include <algorithm>

namespace voltaro {

// Printer pixels of the page width kept free beside the scaled board.
constexpr int kWidthKeptFree = 300;

int printScale(int printableWidth, int boardWidth) {
    if (boardWidth <= 0)
        return 0;
    const double scale = (double(printableWidth) - kWidthKeptFree) / boardWidth;
    return std::max(truncToInt(scale), 0);
}

PrintedPage layoutPage(const std::string& name, const Picture& board, int printableWidth) {
    PrintedPage page;
    if (!name.empty())
        page.texts.push_back({0, kNameLineTop, Text(kPrintedFor).arg(name)});
    const int scale = printScale(printableWidth, board.width);
    if (scale > 0 && !board.isEmpty())
        page.image = PageImage{0, kPrintedBoardTop, truncToInt(double(board.width) * scale),
                               truncToInt(double(board.height) * scale), board};
    return page;
}

} // namespace voltaro
