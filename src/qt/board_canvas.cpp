#include "qt/board_canvas.h"

namespace voltaro {

namespace {

void takeDrawingState(Canvas& to, const Canvas& from) {
    to.setPenColour(from.penColour());
    to.setPenWidth(from.penWidth());
    to.setBrushColour(from.brushColour());
    to.setBold(from.bold());
}

} // namespace

BoardCanvas::BoardCanvas(QImage& picture, ScaleSource scale)
    : m_picture(picture), m_scale(std::move(scale)) {}

BoardCanvas::~BoardCanvas() = default;

void BoardCanvas::followScale() {
    if (m_drawing)
        return;
    m_drawing = true;
    const double factor = m_scale ? m_scale() : 1.0;
    if (m_scaled && m_scaled->devicePixelsPerBoardPixel() == factor)
        return;
    if (factor == 1.0)
        m_scaled.reset();
    else if (factor > 0.0)
        m_scaled = std::make_unique<ScaledCanvas>(factor, m_picture);
}

template <typename Draw> void BoardCanvas::onBoth(const Draw& draw) {
    followScale();
    takeDrawingState(m_picture, *this);
    draw(m_picture);
    if (m_scaled) {
        takeDrawingState(*m_scaled, *this);
        draw(*m_scaled);
    }
}

void BoardCanvas::drawLine(Point from, Point to) {
    onBoth([&](Canvas& c) { c.line(from, to); });
}

void BoardCanvas::rectangle(int left, int top, int right, int bottom) {
    onBoth([&](Canvas& c) { c.rectangle(left, top, right, bottom); });
}

void BoardCanvas::ellipse(int left, int top, int right, int bottom) {
    onBoth([&](Canvas& c) { c.ellipse(left, top, right, bottom); });
}

void BoardCanvas::text(Point topLeft, const std::string& text) {
    onBoth([&](Canvas& c) { c.text(topLeft, text); });
}

int BoardCanvas::textWidth(const std::string& text, bool bold) const {
    return m_picture.textWidth(text, bold);
}

void BoardCanvas::blit(Point topLeft, const SmallPicture& picture) {
    onBoth([&](Canvas& c) { c.blit(topLeft, picture); });
}

Picture BoardCanvas::copyRect(int left, int top, int width, int height) {
    return m_picture.copyRect(left, top, width, height);
}

void BoardCanvas::finish() {
    m_drawing = false;
    m_picture.finish();
    if (m_scaled)
        m_scaled->finish();
}

} // namespace voltaro
