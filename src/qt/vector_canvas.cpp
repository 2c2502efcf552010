#include "qt/vector_canvas.h"

#include "qt/board_font.h"
#include "qt/qt_colours.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace voltaro {

namespace {

// The board font with its outlines as they are designed: a vector device scales them freely.
QFont outlineFont(bool bold) {
    QFont font = boardFont(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPointF centreOf(Point p) {
    return {p.x + 0.5, p.y + 0.5};
}

} // namespace

VectorCanvas::VectorCanvas(QPainter& painter, const QRectF& target, int width, int height)
    : m_painter(painter), m_width(std::max(width, 1)), m_height(std::max(height, 1)),
      m_regular(outlineFont(false)), m_bold(outlineFont(true)), m_boardRegular(boardFont(false)),
      m_boardBold(boardFont(true)), m_outlineRegular(m_regular), m_outlineBold(m_bold) {
    m_painter.save();
    m_painter.translate(target.topLeft());
    m_painter.scale(target.width() / m_width, target.height() / m_height);
    m_painter.setClipRect(QRectF(0, 0, m_width, m_height), Qt::IntersectClip);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

VectorCanvas::~VectorCanvas() {
    m_painter.restore();
}

void VectorCanvas::fill(const QRectF& area, Rgb colour) {
    m_painter.fillRect(area, toQColor(colour));
}

// The pixels a board line covers, from the start pixel up to the end pixel left out: a band
// through the pixels' centres, started and ended half a step early along its main direction.
void VectorCanvas::drawLine(Point from, Point to) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0)
        return;
    const QPointF step(double(dx) / steps, double(dy) / steps);
    QPointF start = centreOf(from) - step / 2;
    QPointF end = centreOf(to) - step / 2;
    if (penWidth() >= 2) {
        const QPointF across = std::abs(dx) >= std::abs(dy) ? QPointF(0, 0.5) : QPointF(0.5, 0);
        start -= across;
        end -= across;
    }
    QPen pen(toQColor(penColour()), std::max(penWidth(), 1), Qt::SolidLine, Qt::FlatCap,
             Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.drawLine(start, end);
}

void VectorCanvas::rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    fill(QRectF(left, top, right - left, bottom - top), brushColour());
    const int r = right - 1, b = bottom - 1;
    if (r == left || b == top) { // a box one pixel wide or high is its outline
        fill(QRectF(left, top, right - left, bottom - top), penColour());
        return;
    }
    drawLine({left, top}, {r, top});
    drawLine({r, top}, {r, b});
    drawLine({r, b}, {left, b});
    drawLine({left, b}, {left, top});
}

void VectorCanvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    m_painter.setPen(QPen(toQColor(penColour()), std::max(penWidth(), 1)));
    m_painter.setBrush(toQColor(brushColour()));
    m_painter.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

// The text on its white box as large as on the board, its outlines stretched to the width the
// board gives it, so that it ends where the board's text ends (before an ohm sign, say).
void VectorCanvas::text(Point topLeft, const std::string& text) {
    const QString s = QString::fromStdString(text);
    const QFontMetrics& board = bold() ? m_boardBold : m_boardRegular;
    const int width = board.horizontalAdvance(s);
    fill(QRectF(topLeft.x, topLeft.y, width, board.height()), Colour::White);
    const QFont& font = bold() ? m_bold : m_regular;
    const double outlineWidth = (bold() ? m_outlineBold : m_outlineRegular).horizontalAdvance(s);
    m_painter.save();
    m_painter.translate(topLeft.x, topLeft.y + board.ascent());
    if (outlineWidth > 0)
        m_painter.scale(width / outlineWidth, 1.0);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(0, 0), s);
    m_painter.restore();
}

int VectorCanvas::textWidth(const std::string& text, bool bold) const {
    return (bold ? m_boardBold : m_boardRegular).horizontalAdvance(QString::fromStdString(text));
}

// Each run of pixels of one colour in a row as one rectangle.
void VectorCanvas::blit(Point topLeft, const SmallPicture& picture) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width;) {
            const Rgb colour = picture.at(x, y);
            int end = x + 1;
            while (end < picture.width && picture.at(end, y) == colour)
                ++end;
            fill(QRectF(topLeft.x + x, topLeft.y + y, end - x, 1), colour);
            x = end;
        }
}

Picture VectorCanvas::copyRect(int, int, int width, int height) {
    return NullCanvas().copyRect(0, 0, width, height);
}

void drawBoardVectors(QPainter& painter, const QRectF& target, const BoardDrawing& drawing) {
    VectorCanvas canvas(painter, target, drawing.width, drawing.height);
    replayDrawing(drawing, canvas);
}

} // namespace voltaro
