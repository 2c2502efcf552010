#include "qt/scaled_canvas.h"

#include "model/numbers.h"
#include "qt/laid_out_texts.h"
#include "qt/qt_canvas.h"
#include "qt/qt_colours.h"
#include "qt/qt_picture.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

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
      m_image(scaledSide(kBoardWidth, m_factor), scaledSide(kBoardHeight, m_factor),
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
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->scale(m_factor, m_factor);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *m_painter;
}

void ScaledCanvas::finish() {
    m_painter.reset();
}

// Along an axis a line is its box of board pixels; any other way it runs from the centre of its
// first pixel to the centre of its last, smoothed.
void ScaledCanvas::line(Point from, Point to, const QColor& colour) {
    if (from == to)
        return;
    QPainter& p = painter();
    if (from.x == to.x || from.y == to.y) {
        p.fillRect(axisLinePixels(from, to, penWidth()), colour);
        return;
    }
    const double offset = penWidth() >= 2 ? 0.0 : 0.5;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, std::max(1, penWidth()), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(from.x + offset, from.y + offset), QPointF(to.x + offset, to.y + offset));
    p.setRenderHint(QPainter::Antialiasing, false);
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

void ScaledCanvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(toQColor(penColour()), std::max(1, penWidth())));
    p.setBrush(toQColor(brushColour()));
    p.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
    p.setRenderHint(QPainter::Antialiasing, false);
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
    return Picture{width, height,
                   std::vector<Rgb>(static_cast<std::size_t>(width * height), Colour::White)};
}

} // namespace voltaro
