#pragma once

#include "bench/view_scale.h"
#include "model/markers.h"

#include <QWidget>

#include <array>

namespace voltaro {

// The four meter leads as small widgets of their own on the board panel, above the meter panel,
// so that a lead dragged over it stays in sight. Each draws its marker and hands its mouse
// events to the board panel, which hit-tests them as markers like any other.
class ProbeMarker : public QWidget {
    Q_OBJECT

public:
    ProbeMarker(QWidget* board, const Marker& marker, const char* name);
    void setViewScale(const ViewScale& scale) { m_scale = scale; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { forward(event); }
    void mouseMoveEvent(QMouseEvent* event) override { forward(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { forward(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { forward(event); }

private:
    void forward(QMouseEvent* event);

    QWidget* m_board;
    const Marker& m_marker;
    ViewScale m_scale;
};

class ProbeMarkers {
public:
    ProbeMarkers(QWidget* board, const Markers& markers);

    // Places, shows or hides each lead as its marker says, at the view scale.
    void sync(const ViewScale& scale);

private:
    const Markers& m_markers;
    std::array<ProbeMarker*, 4> m_probes{};
};

} // namespace voltaro
