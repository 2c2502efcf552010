#include "qt/picture_widget.h"

#include "qt/board_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace voltaro {

PictureWidget::PictureWidget(int width, int height, QWidget* parent)
    : QWidget(parent), m_picture(width, height, QImage::Format_RGB32) {
    m_picture.fill(Qt::white);
    m_canvas = std::make_unique<BoardCanvas>(m_picture, [this] {
        const int percent = m_viewScalePercent ? m_viewScalePercent() : 100;
        return percent / 100.0 * devicePixelRatioF();
    });
    setMouseTracking(true);
}

PictureWidget::~PictureWidget() = default;

Canvas& PictureWidget::canvas() {
    return *m_canvas;
}

QImage PictureWidget::picture() {
    m_canvas->finish();
    return m_picture.copy();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    m_canvas->finish();
    // At a view scale the picture fills the larger widget, drawn at that scale once it has been
    // drawn since the scale changed.
    ScaledCanvas* scaled = m_canvas->scaled();
    QPainter(this).drawImage(rect(), scaled ? scaled->image() : m_picture);
}

QPoint PictureWidget::onPicture(const QMouseEvent* event) const {
    const QPoint at = event->position().toPoint();
    if (width() <= 0 || height() <= 0)
        return at;
    return QPoint(at.x() * m_picture.width() / width(), at.y() * m_picture.height() / height());
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = onPicture(event);
    emit mouseMoved(at.x(), at.y());
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = onPicture(event);
    emit mouseMoved(at.x(), at.y());
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace voltaro
