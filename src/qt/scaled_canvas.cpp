#include "qt/scaled_canvas.h"

#include "model/numbers.h"
#include "qt/board_font.h"
#include "qt/laid_out_texts.h"
#include "qt/qt_canvas.h"
#include "qt/qt_colours.h"
#include "qt/qt_picture.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace voltaro {

namespace {

// The board font drawn smooth: at a scale its edges are finer than a board pixel.
QFont smoothBoardFont(bool bold) {
    QFont font = boardFont(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

int scaledSide(int boardPixels, double factor) {
    return truncToInt(std::ceil(boardPixels * factor));
}

// The board pixels a line along an axis covers from `from` up to, not including, `to`; a line
// 2 pixels wide doubles them on the side of smaller coordinates, as the board canvas draws it.
QRect axisLinePixels(Point from, Point to, int width) {
    const int thick = width >= 2 ? 1 : 0;
    if (from.y == to.y) {
        const int left = to.x > from.x ? from.x : to.x + 1;
        const int right = to.x > from.x ? to.x : from.x + 1;
        return QRect(QPoint(left, from.y - thick), QPoint(right - 1, from.y));
    }
    const int top = to.y > from.y ? from.y : to.y + 1;
    const int bottom = to.y > from.y ? to.y : from.y + 1;
    return QRect(QPoint(from.x - thick, top), QPoint(from.x, bottom - 1));
}

} // namespace

ScaledCanvas::ScaledCanvas(double devicePixelsPerBoardPixel, const Canvas& layout)
    : m_factor(devicePixelsPerBoardPixel), m_layout(layout),
      m_image(scaledSide(layout.width(), m_factor), scaledSide(layout.height(), m_factor),
              QImage::Format_RGB32),
      m_fonts{smoothBoardFont(false), smoothBoardFont(true)},
      m_textHeights{QFontMetrics(boardFont(false)).height(),
                    QFontMetrics(boardFont(true)).height()} {
    m_image.fill(Qt::white);
}

ScaledCanvas::~ScaledCanvas() {
    finish();
}

const QImage& ScaledCanvas::image() {
    finish();
    return m_image;
}

QPainter& ScaledCanvas::painter() {
    if (!m_painter) {
        // Make the image our own before writing into its pixels directly.
        m_bits = m_image.bits();
        m_bytesPerLine = m_image.bytesPerLine();
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->scale(m_factor, m_factor);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *m_painter;
}

void ScaledCanvas::finish() {
    m_painter.reset();
    m_bits = nullptr;
}

// Along an axis a line is its box of board pixels. Any other way it runs from the centre of its
// first pixel towards the centre of its last, as many device pixels thick as the pen is wide
// (on the side of smaller coordinates for 2 pixels, as the board canvas doubles it), set pixel
// by pixel: sharp at the device's resolution, and as quick as the board canvas's own lines.
void ScaledCanvas::line(Point from, Point to, const QColor& colour) {
    if (from == to)
        return;
    QPainter& p = painter();
    if (from.x == to.x || from.y == to.y) {
        p.fillRect(axisLinePixels(from, to, penWidth()), colour);
        return;
    }
    const bool xMajor = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
    const double across = penWidth() >= 2 ? 0.0 : 0.5;
    const double startMajor = ((xMajor ? from.x : from.y) + 0.5) * m_factor;
    const double endMajor = ((xMajor ? to.x : to.y) + 0.5) * m_factor;
    const double startMinor = ((xMajor ? from.y : from.x) + across) * m_factor;
    const double endMinor = ((xMajor ? to.y : to.x) + across) * m_factor;
    const double slope = (endMinor - startMinor) / (endMajor - startMajor);
    const int thickness = std::max(1, truncToInt(std::round(std::max(1, penWidth()) * m_factor)));
    const int first = truncToInt(std::round(std::min(startMajor, endMajor)));
    const int last = truncToInt(std::round(std::max(startMajor, endMajor)));
    const QRgb rgb = colour.rgb();
    for (int major = first; major < last; ++major) {
        const double minor = startMinor + (major + 0.5 - startMajor) * slope;
        const int low = truncToInt(std::round(minor - thickness / 2.0));
        for (int k = low; k < low + thickness; ++k)
            xMajor ? plot(major, k, rgb) : plot(k, major, rgb);
    }
}

void ScaledCanvas::plot(int x, int y, QRgb colour) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    reinterpret_cast<QRgb*>(m_bits + y * m_bytesPerLine)[x] = colour;
}

void ScaledCanvas::drawLine(Point from, Point to) {
    line(from, to, toQColor(penColour()));
}

void ScaledCanvas::rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    painter().fillRect(QRect(QPoint(left + 1, top + 1), QPoint(right - 2, bottom - 2)),
                       toQColor(brushColour()));
    const QColor pen = toQColor(penColour());
    const int r = right - 1, b = bottom - 1;
    line({left, top}, {r, top}, pen);
    line({r, top}, {r, b}, pen);
    line({r, b}, {left, b}, pen);
    line({left, b}, {left, top}, pen);
    if (r == left || b == top) // a box one pixel wide or high has no outline of four sides
        painter().fillRect(QRect(r, b, 1, 1), pen);
}

// The ellipse filling the box's board pixels, row by row of device pixels: its brush inside and
// a ring as thick as the pen is wide, set directly, as quick as the board canvas's own.
void ScaledCanvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    painter();
    const double cx = (left + right) / 2.0 * m_factor;
    const double cy = (top + bottom) / 2.0 * m_factor;
    const double a = (right - left) / 2.0 * m_factor;
    const double b = (bottom - top) / 2.0 * m_factor;
    const double ring = std::max(1, penWidth()) * m_factor;
    const QRgb pen = toQColor(penColour()).rgb();
    const QRgb brush = toQColor(brushColour()).rgb();
    const auto halfWidth = [](double radiusX, double radiusY, double dy) {
        return radiusX * std::sqrt(1.0 - (dy / radiusY) * (dy / radiusY));
    };
    const int firstRow = std::max(0, truncToInt(std::floor(cy - b)));
    const int lastRow = std::min(m_image.height(), truncToInt(std::ceil(cy + b)));
    for (int row = firstRow; row < lastRow; ++row) {
        const double dy = row + 0.5 - cy;
        if (std::abs(dy) >= b)
            continue;
        const double outer = halfWidth(a, b, dy);
        const int outerLeft = truncToInt(std::round(cx - outer));
        const int outerRight = truncToInt(std::round(cx + outer));
        if (a <= ring || std::abs(dy) >= b - ring) {
            span(row, outerLeft, outerRight, pen);
            continue;
        }
        const double inner = halfWidth(a - ring, b - ring, dy);
        const int innerLeft = truncToInt(std::round(cx - inner));
        const int innerRight = truncToInt(std::round(cx + inner));
        span(row, outerLeft, innerLeft, pen);
        span(row, innerLeft, innerRight, brush);
        span(row, innerRight, outerRight, pen);
    }
}

void ScaledCanvas::span(int y, int fromX, int toX, QRgb colour) {
    if (y < 0 || y >= m_image.height())
        return;
    fromX = std::max(fromX, 0);
    toX = std::min(toX, m_image.width());
    if (toX > fromX)
        std::fill_n(reinterpret_cast<QRgb*>(m_bits + y * m_bytesPerLine) + fromX, toX - fromX,
                    colour);
}

const QStaticText& ScaledCanvas::laidOut(const std::string& text, bool bold) {
    return m_laidOut[bold ? 1 : 0].get(text, [&](const std::string& t) {
        return preparedText(t, QTransform::fromScale(m_factor, m_factor), m_fonts[bold ? 1 : 0]);
    });
}

void ScaledCanvas::text(Point topLeft, const std::string& text) {
    QPainter& p = painter();
    const int style = bold() ? 1 : 0;
    const int width = m_layout.textWidth(text, bold());
    p.fillRect(QRect(topLeft.x, topLeft.y, width, m_textHeights[style]), Qt::white);
    p.setFont(m_fonts[style]);
    p.setPen(Qt::black);
    p.drawStaticText(topLeft.x, topLeft.y, laidOut(text, bold()));
}

int ScaledCanvas::textWidth(const std::string& text, bool bold) const {
    return m_layout.textWidth(text, bold);
}

void ScaledCanvas::blit(Point topLeft, const SmallPicture& picture) {
    if (picture.isEmpty())
        return;
    painter().drawImage(QRect(topLeft.x, topLeft.y, picture.width, picture.height),
                        toQImage(picture));
}

Picture ScaledCanvas::copyRect(int, int, int width, int height) {
    // Copies come from the board picture itself; this canvas only shows it.
    return NullCanvas().copyRect(0, 0, width, height);
}

} // namespace voltaro
