#include "qt/qt_canvas.h"

#include "model/numbers.h"
#include "qt/board_font.h"
#include "qt/laid_out_texts.h"
#include "qt/qt_colours.h"
#include "qt/qt_picture.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace voltaro {

namespace {

// The board font as the picture's pixels show it: not antialiased.
QFont pixelFont(bool bold) {
    QFont font = boardFont(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QRgb toQRgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

// A box given by two corners, right and bottom left out, as a QRect of its pixels.
QRect pixelBox(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

constexpr std::size_t kMostEllipseSprites = 256; // then the store starts afresh

} // namespace

QtCanvas::QtCanvas(QImage& picture)
    : m_picture(picture), m_regular(pixelFont(false)), m_bold(pixelFont(true)),
      m_regularMetrics(m_regular), m_boldMetrics(m_bold) {
    if (m_picture.format() != QImage::Format_RGB32)
        m_picture = m_picture.convertToFormat(QImage::Format_RGB32);
}

QtCanvas::~QtCanvas() {
    finish();
}

QPainter& QtCanvas::painter() {
    if (!m_painter) {
        // Make the picture our own before writing into its pixels directly.
        m_bits = m_picture.bits();
        m_bytesPerLine = m_picture.bytesPerLine();
        m_width = m_picture.width();
        m_height = m_picture.height();
        m_painter = std::make_unique<QPainter>(&m_picture);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *m_painter;
}

void QtCanvas::finish() {
    m_painter.reset();
    m_bits = nullptr;
}

void QtCanvas::plot(int x, int y, QRgb colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    reinterpret_cast<QRgb*>(m_bits + y * m_bytesPerLine)[x] = colour;
}

// Bresenham from `from` towards `to`, leaving out `to` itself. A 2-pixel line doubles each
// pixel on the side of smaller coordinates across the line's main direction.
void QtCanvas::rasterise(Point from, Point to, QRgb colour, int width) {
    painter();
    if (!cutToPicture(from, to, m_picture.width(), m_picture.height()))
        return;
    const int dx = std::abs(to.x - from.x);
    const int dy = std::abs(to.y - from.y);
    const int sx = to.x >= from.x ? 1 : -1;
    const int sy = to.y >= from.y ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int steps = xMajor ? dx : dy;
    const int minor = xMajor ? dy : dx;
    int error = steps / 2;
    int x = from.x;
    int y = from.y;
    for (int i = 0; i < steps; ++i) {
        plot(x, y, colour);
        if (width >= 2)
            xMajor ? plot(x, y - 1, colour) : plot(x - 1, y, colour);
        error -= minor;
        if (error < 0) {
            error += steps;
            xMajor ? (y += sy) : (x += sx);
        }
        xMajor ? (x += sx) : (y += sy);
    }
}

void QtCanvas::drawLine(Point from, Point to) {
    rasterise(from, to, toQRgb(penColour()), penWidth());
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    const int w = width(), h = height();
    const QRect inner = pixelBox(left, top, right, bottom).adjusted(1, 1, -1, -1);
    painter().fillRect(inner.intersected(QRect(0, 0, w, h)), toQColor(brushColour()));
    const QRgb pen = toQRgb(penColour());
    const int r = right - 1, b = bottom - 1;
    rasterise({left, top}, {r, top}, pen, penWidth());
    rasterise({r, top}, {r, b}, pen, penWidth());
    rasterise({r, b}, {left, b}, pen, penWidth());
    rasterise({left, b}, {left, top}, pen, penWidth());
    if (r == left || b == top) // a box one pixel wide or high has no outline of four sides
        plot(r, b, pen);
}

// An ellipse as the painter draws it, without antialiasing, on a clear picture of its own with
// room for a wide pen: the same box in the same style gives the same pixels wherever it lies.
QImage QtCanvas::ellipseSprite(const EllipseStyle& style) {
    const int margin = std::max(1, style.penWidth);
    QImage sprite(style.width + 2 * margin, style.height + 2 * margin, QImage::Format_ARGB32);
    sprite.fill(Qt::transparent);
    QPainter p(&sprite);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgb(style.pen));
    pen.setWidth(style.penWidth);
    p.setPen(pen);
    p.setBrush(QColor::fromRgb(style.brush));
    p.drawEllipse(QRect(margin, margin, style.width - 1, style.height - 1));
    return sprite;
}

// A board of bulbs draws hundreds of ellipses of a few sizes and styles: each is drawn once by
// the painter and copied from then on, which costs a tenth of drawing it.
void QtCanvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    QPainter& p = painter();
    const EllipseStyle style{right - left, bottom - top, toQRgb(penColour()),
                             penWidth() <= 1 ? 0 : penWidth(), toQRgb(brushColour())};
    if (style.width > m_width || style.height > m_height) { // no sprite larger than the picture
        p.setPen(QPen(toQColor(penColour()), style.penWidth));
        p.setBrush(toQColor(brushColour()));
        p.drawEllipse(QRect(left, top, style.width - 1, style.height - 1));
        return;
    }
    if (m_ellipses.size() >= kMostEllipseSprites)
        m_ellipses.clear();
    auto found = m_ellipses.find(style);
    if (found == m_ellipses.end())
        found = m_ellipses.emplace(style, ellipseSprite(style)).first;
    const QImage& sprite = found->second;
    const int margin = std::max(1, style.penWidth);
    for (int y = 0; y < sprite.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(sprite.constScanLine(y));
        for (int x = 0; x < sprite.width(); ++x)
            if (qAlpha(row[x]) != 0)
                plot(left - margin + x, top - margin + y, row[x] | 0xff000000u);
    }
}

const QtCanvas::LaidOutText& QtCanvas::laidOut(const std::string& text, bool bold) const {
    return m_laidOut[bold ? 1 : 0].get(text, [&](const std::string& t) {
        return LaidOutText{
            preparedText(t, QTransform(), bold ? m_bold : m_regular),
            (bold ? m_boldMetrics : m_regularMetrics).horizontalAdvance(QString::fromStdString(t))};
    });
}

void QtCanvas::text(Point topLeft, const std::string& text) {
    const LaidOutText& laid = laidOut(text, bold());
    const QFontMetrics& metrics = bold() ? m_boldMetrics : m_regularMetrics;
    QPainter& p = painter();
    const QRect box = QRect(topLeft.x, topLeft.y, laid.width, metrics.height())
                          .intersected(QRect(0, 0, m_width, m_height));
    const QRgb white = qRgb(255, 255, 255);
    for (int y = box.top(); y <= box.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(m_bits + y * m_bytesPerLine) + box.left(), box.width(),
                    white);
    p.setFont(bold() ? m_bold : m_regular);
    p.setPen(Qt::black);
    p.drawStaticText(topLeft.x, topLeft.y, laid.text);
}

int QtCanvas::textWidth(const std::string& text, bool bold) const {
    return laidOut(text, bold).width;
}

void QtCanvas::blit(Point topLeft, const SmallPicture& picture) {
    painter();
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            plot(topLeft.x + x, topLeft.y + y, toQRgb(picture.at(x, y)));
}

Picture QtCanvas::copyRect(int left, int top, int width, int height) {
    finish(); // what the painter drew is in the picture once it is closed
    return pictureOf(m_picture, QRect(left, top, width, height));
}

} // namespace voltaro
