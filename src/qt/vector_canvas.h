#pragma once

#include "view/board_drawing.h"
#include "view/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QRectF>

class QPainter;

namespace voltaro {

// The board canvas as lines, shapes and text on any painter (a PDF writer, a printer), with the
// board's pixels mapped onto a target rectangle. Each primitive covers the area that the
// board's own pixels cover, so the drawing matches the picture at every scale, sharp: lines
// leave out their end pixel, a 2-pixel line lies on the side of smaller coordinates, text
// stands on its white box in the board font. Nothing is drawn outside the target.
class VectorCanvas : public Canvas {
public:
    VectorCanvas(QPainter& painter, const QRectF& target, int width = kBoardWidth,
                 int height = kBoardHeight);
    ~VectorCanvas() override;

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void text(Point topLeft, const std::string& text) override;
    int textWidth(const std::string& text, bool bold) const override;
    void blit(Point topLeft, const SmallPicture& picture) override;
    // Nothing can be read back from a painter: a copy is white.
    Picture copyRect(int left, int top, int width, int height) override;

protected:
    void drawLine(Point from, Point to) override;

private:
    void fill(const QRectF& area, Rgb colour);

    QPainter& m_painter;
    int m_width;
    int m_height;
    QFont m_regular; // the outlines drawn
    QFont m_bold;
    QFontMetrics m_boardRegular; // the board's own text widths and heights
    QFontMetrics m_boardBold;
    QFontMetricsF m_outlineRegular;
    QFontMetricsF m_outlineBold;
};

// A board's recorded paint drawn as vectors into `target` on the painter.
void drawBoardVectors(QPainter& painter, const QRectF& target, const BoardDrawing& drawing);

} // namespace voltaro
