#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

namespace voltaro {

class Canvas;
class QtCanvas;

// An image control: a picture of its own size that the program draws on through a canvas,
// shown pixel for pixel. It reports every mouse move over it, a press as a move to the
// pressed point (so a click acts on the point clicked), and a click when the button is let go
// over it.
class PictureWidget : public QWidget {
    Q_OBJECT

public:
    PictureWidget(int width, int height, QWidget* parent = nullptr);
    ~PictureWidget() override;

    Canvas& canvas();
    // The picture as it is after the last drawing.
    QImage picture();

signals:
    void mouseMoved(int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A point of the widget as a pixel of its picture, which the widget may show larger.
    QPoint onPicture(const QMouseEvent* event) const;
    QImage m_picture;
    std::unique_ptr<QtCanvas> m_canvas;
};

} // namespace voltaro
