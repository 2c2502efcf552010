#include "qt/board_panel.h"

#include "model/markers.h"
#include "qt/board_canvas.h"
#include "qt/dot_overlay.h"
#include "qt/qt_colours.h"
#include "qt/zoomed_widgets.h"
#include "view/point.h"

#include <QPaintEvent>
#include <QPainter>

namespace voltaro {

namespace {

// A lowered bevel of `width` pixels inside a one-pixel border, as the panel is drawn.
void drawLoweredBevel(QPainter& p, const QRect& outer, int width) {
    p.setPen(Qt::black);
    p.drawRect(outer.adjusted(0, 0, -1, -1));
    const QColor shadow = QColor(128, 128, 128);
    const QColor light = Qt::white;
    for (int i = 1; i <= width; ++i) {
        const QRect r = outer.adjusted(i, i, -i - 1, -i - 1);
        p.setPen(shadow);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(light);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

} // namespace

void drawMarker(QPainter& p, const Marker& m) {
    p.setBrush(toQColor(m.brush));
    // Under a scale the outline is a board pixel wide, through the middle of the edge pixels.
    const bool scaled = p.deviceTransform().m11() != 1.0 || p.device()->devicePixelRatioF() != 1.0;
    p.setPen(QPen(toQColor(m.pen), scaled ? 1 : 0));
    const double edge = scaled ? 0.5 : 0.0;
    const QRectF box(m.left + edge, m.top + edge, m.width - 1, m.height - 1);
    if (m.shape == MarkerShape::Circle)
        p.drawEllipse(box);
    else
        p.drawRect(box);
}

BoardPanel::BoardPanel(QWidget* parent)
    : QWidget(parent), m_picture(kBoardWidth, kBoardHeight, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("Panel1"));
    // The board takes the keyboard focus on a click and by Tab, so the window's shortcuts act on
    // it, not on a box.
    setFocusPolicy(Qt::StrongFocus);
    // Every paint covers what it repaints, so nothing below the panel is painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_picture.fill(Qt::white);
    m_canvas =
        std::make_unique<BoardCanvas>(m_picture, [this] { return devicePixelsPerBoardPixel(); });
}

BoardPanel::~BoardPanel() = default;

Canvas& BoardPanel::canvas() {
    return *m_canvas;
}

void BoardPanel::updateCurrentDots() {
    if (m_flow)
        update(toView(currentDotsBounds(*m_flow)));
}

ViewScale BoardPanel::viewScale() const {
    return ViewScale{m_viewScalePercent ? m_viewScalePercent() : 100};
}

double BoardPanel::devicePixelsPerBoardPixel() const {
    return viewScale().factor() * devicePixelRatioF();
}

QRect BoardPanel::toView(const QRect& board) const {
    return voltaro::toView(viewScale(), board);
}

QPoint BoardPanel::toBoard(const QPoint& view) const {
    const ViewScale scale = viewScale();
    return QPoint(scale.toBoard(view.x()), scale.toBoard(view.y()));
}

void BoardPanel::paintEvent(QPaintEvent* event) {
    m_canvas->finish();
    QPainter p(this);
    const QRect pictureBounds(kPictureLeft, kPictureTop, kBoardWidth, kBoardHeight);
    // A repaint within the picture (a frame of the current's dots) leaves the panel's frame be.
    const bool withFrame = !toView(pictureBounds).contains(event->rect());
    if (withFrame)
        p.fillRect(rect(), toQColor(Colour::PanelBrown));
    const double factor = viewScale().factor();
    p.scale(factor, factor);
    if (withFrame)
        drawLoweredBevel(p, QRect(QPoint(0, 0), toBoard(rect().bottomRight())), 3);
    const QRectF pictureBox(pictureBounds);
    if (ScaledCanvas* scaled = m_canvas->scaled())
        p.drawImage(pictureBox, scaled->image());
    else
        p.drawImage(pictureBox, m_picture);
    if (m_flow)
        drawCurrentDots(p, *m_flow);
    if (!m_markers)
        return;
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const MarkerRef& ref : markerStackBottomToTop()) {
        const Marker& m = m_markers->at(ref);
        if (m.visible)
            drawMarker(p, m);
    }
}

} // namespace voltaro
