#pragma once

#include "bench/view_scale.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QPainter;

namespace voltaro {

class BoardCanvas;
class Canvas;
struct CurrentFlow;
struct Marker;
struct Markers;

// A marker as a shape control draws itself: a circle or a square filling its box at its board
// position, outlined one pixel wide in its pen.
void drawMarker(QPainter& p, const Marker& m);

// The board panel `Panel1`: the brown panel with its lowered bevel, the board picture at (7, 7)
// and the visible markers over it, bottom to top. Its own coordinates are the board
// coordinates times the view scale; at a scale other than 1 (the view scale times the screen's
// device pixel ratio) it shows the board as its canvas drew it at that scale.
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
    // Where the view scale is read, in percent; 100 until it is given.
    void setViewScaleSource(std::function<int()> percent) {
        m_viewScalePercent = std::move(percent);
    }
    ViewScale viewScale() const;
    // A box of board pixels as the panel shows it, and the board point under a panel point.
    QRect toView(const QRect& board) const;
    QPoint toBoard(const QPoint& view) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double devicePixelsPerBoardPixel() const;

    QImage m_picture;
    std::unique_ptr<BoardCanvas> m_canvas;
    const Markers* m_markers = nullptr;
    const CurrentFlow* m_flow = nullptr;
    std::function<int()> m_viewScalePercent;
};

} // namespace voltaro
