#pragma once

#include "qt/laid_out_texts.h"
#include "view/canvas.h"

#include <QFont>
#include <QImage>
#include <QStaticText>

#include <memory>
#include <string>

class QPainter;

namespace voltaro {

// A picture of `layout`'s size (the board's, the step arrows') drawn for the screen at a scale:
// an image of that size times `devicePixelsPerBoardPixel`, painted through a scale transform so
// that lines, circles and text are drawn at that size, sharp, and never a board pixel blown up. It
// takes board coordinates and the same calls as the board canvas and covers the same board pixels;
// only the small pictures (the ohm sign) are pixels and grow as blocks. Text is laid out by
// `layout`, the canvas of the picture itself, so that a label's white box is the same at every
// scale.
class ScaledCanvas : public Canvas {
public:
    ScaledCanvas(double devicePixelsPerBoardPixel, const Canvas& layout);
    ~ScaledCanvas() override;

    int width() const override { return m_layout.width(); }
    int height() const override { return m_layout.height(); }
    double devicePixelsPerBoardPixel() const { return m_factor; }
    // The image; its device pixel ratio is not set.
    const QImage& image();

    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void text(Point topLeft, const std::string& text) override;
    int textWidth(const std::string& text, bool bold) const override;
    void blit(Point topLeft, const SmallPicture& picture) override;
    Picture copyRect(int left, int top, int width, int height) override;
    void finish() override;

protected:
    void drawLine(Point from, Point to) override;

private:
    QPainter& painter();
    void line(Point from, Point to, const QColor& colour);
    void plot(int x, int y, QRgb colour);
    // Device pixels fromX up to toX of row y.
    void span(int y, int fromX, int toX, QRgb colour);
    const QStaticText& laidOut(const std::string& text, bool bold);

    double m_factor;
    const Canvas& m_layout;
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    uchar* m_bits = nullptr;
    qsizetype m_bytesPerLine = 0;
    QFont m_fonts[2]; // regular, bold
    int m_textHeights[2];
    LaidOutTexts<QStaticText> m_laidOut[2]; // regular, bold
};

} // namespace voltaro
