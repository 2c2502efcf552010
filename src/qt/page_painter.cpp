#include "qt/page_painter.h"

#include "qt/translated.h"
#include "qt/vector_canvas.h"

#include <QPainter>

namespace voltaro {

void paintPage(QPainter& painter, const PrintedPage& page) {
    painter.setPen(Qt::black);
    const int ascent = painter.fontMetrics().ascent(); // from the top of a line to its baseline
    for (const PageText& line : page.texts)
        painter.drawText(QPoint(line.x, line.y + ascent), translated(line.text));
    if (const std::optional<PageBoard>& board = page.board)
        drawBoardVectors(painter, QRectF(board->x, board->y, board->width, board->height),
                         board->drawing);
}

} // namespace voltaro
