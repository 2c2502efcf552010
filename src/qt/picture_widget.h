#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

namespace voltaro {

class BoardCanvas;
class Canvas;

// An image control: a picture of its own size that the program draws on through a canvas,
// shown pixel for pixel, or drawn afresh at the view scale once a scale source is given. It reports
// every mouse move over it, a press as a move to the pressed point (so a click acts on the point
// clicked), and a click when the button is let go over it.
class PictureWidget : public QWidget {
    Q_OBJECT

public:
    PictureWidget(int width, int height, QWidget* parent = nullptr);
    ~PictureWidget() override;

    Canvas& canvas();
    // Where the view scale is read, in percent.
    void setViewScaleSource(std::function<int()> percent) {
        m_viewScalePercent = std::move(percent);
    }
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
    std::unique_ptr<BoardCanvas> m_canvas;
    std::function<int()> m_viewScalePercent;
};

} // namespace voltaro
