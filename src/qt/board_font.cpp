#include "qt/board_font.h"

namespace voltaro {

namespace {

constexpr int kBoardFontPixels = 11; // 8 point at 96 dpi

} // namespace

QFont boardFont(bool bold) {
    QFont font(QStringLiteral("arial"));
    font.setPixelSize(kBoardFontPixels);
    font.setBold(bold);
    return font;
}

} // namespace voltaro
