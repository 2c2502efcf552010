#pragma once

#include "qt/laid_out_texts.h"
#include "view/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QStaticText>

#include <map>
#include <memory>
#include <string>
#include <tuple>

class QPainter;

namespace voltaro {

// The board canvas on a QImage (32-bit RGB). Lines are rasterised here, pixel for pixel: 1 or
// 2 pixels wide, the end pixel left out whichever way the line runs. Ellipses and text go
// through a QPainter with antialiasing off. The board font is Arial (Liberation Sans where
// Arial is missing) 11 pixels high, as 8 point shows at 96 dpi, whatever the image's
// resolution.
//
// A painter is opened on the first drawing call and closed by finish(); nothing may copy the
// picture in between.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QImage& picture);
    ~QtCanvas() override;

    int width() const override { return m_picture.width(); }
    int height() const override { return m_picture.height(); }

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
    // A text laid out once in one style: the board repaints the same labels again and again.
    struct LaidOutText {
        QStaticText text;
        int width = 0;
    };
    const LaidOutText& laidOut(const std::string& text, bool bold) const;

    // An ellipse's size and colours; its pen width 0 for one pixel.
    struct EllipseStyle {
        int width = 0;
        int height = 0;
        QRgb pen = 0;
        int penWidth = 0;
        QRgb brush = 0;
        bool operator<(const EllipseStyle& o) const {
            return std::tie(width, height, pen, penWidth, brush) <
                   std::tie(o.width, o.height, o.pen, o.penWidth, o.brush);
        }
    };
    static QImage ellipseSprite(const EllipseStyle& style);

    QPainter& painter();
    void plot(int x, int y, QRgb colour);
    void rasterise(Point from, Point to, QRgb colour, int width);

    QImage& m_picture;
    std::unique_ptr<QPainter> m_painter;
    std::map<EllipseStyle, QImage> m_ellipses;
    uchar* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    qsizetype m_bytesPerLine = 0;
    QFont m_regular;
    QFont m_bold;
    QFontMetrics m_regularMetrics;
    QFontMetrics m_boldMetrics;
    mutable LaidOutTexts<LaidOutText> m_laidOut[2]; // regular, bold
};

} // namespace voltaro
