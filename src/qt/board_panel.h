#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

class QPainter;

namespace voltaro {

class Canvas;
class QtCanvas;
struct CurrentFlow;
struct Marker;
struct Markers;

// A marker as a shape control draws itself: a circle or a square filling its box at its board
// position, outlined one pixel wide in its pen.
void drawMarker(QPainter& p, const Marker& m);

// The board panel `Panel1`: the brown panel with its lowered bevel, the board picture at (7, 7)
// and the visible markers over it, bottom to top. Its own coordinates are the board
// coordinates.
class BoardPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPictureLeft = 7;
    static constexpr int kPictureTop = 7;

    explicit BoardPanel(QWidget* parent = nullptr);
    ~BoardPanel() override;

    QImage& picture() { return m_picture; }
    const QImage& picture() const { return m_picture; }
    // The canvas that draws on the picture.
    Canvas& canvas();
    // The markers to draw over the picture; not owned.
    void showMarkers(const Markers* markers) { m_markers = markers; }
    // The current's dots to draw between the picture and the markers; not owned.
    void showCurrentDots(const CurrentFlow* flow) { m_flow = flow; }
    // Repaints the picture where the dots lie, after they moved.
    void updateCurrentDots();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    std::unique_ptr<QtCanvas> m_canvas;
    const Markers* m_markers = nullptr;
    const CurrentFlow* m_flow = nullptr;
};

} // namespace voltaro
