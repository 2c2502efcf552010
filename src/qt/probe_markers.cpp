#include "qt/probe_markers.h"

#include "qt/board_panel.h"
#include "qt/zoomed_widgets.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace voltaro {

namespace {

constexpr MarkerId kLeads[] = {MarkerId::vpos, MarkerId::vneg, MarkerId::vpos2, MarkerId::vneg2};

} // namespace

ProbeMarker::ProbeMarker(QWidget* board, const Marker& marker, const char* name)
    : QWidget(board), m_board(board), m_marker(marker) {
    setObjectName(QString::fromLatin1(name));
    setCursor(Qt::PointingHandCursor);
}

void ProbeMarker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.scale(m_scale.factor(), m_scale.factor());
    p.translate(-m_marker.left, -m_marker.top);
    drawMarker(p, m_marker);
}

void ProbeMarker::forward(QMouseEvent* event) {
    const QPointF onBoard = mapTo(m_board, event->position().toPoint());
    QMouseEvent mapped(event->type(), onBoard, event->globalPosition(), event->button(),
                       event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(m_board, &mapped);
    event->setAccepted(mapped.isAccepted());
}

ProbeMarkers::ProbeMarkers(QWidget* board, const Markers& markers) : m_markers(markers) {
    for (std::size_t i = 0; i < m_probes.size(); ++i)
        m_probes[i] = new ProbeMarker(board, markers[kLeads[i]], markerName(kLeads[i]));
    sync(ViewScale{});
}

void ProbeMarkers::sync(const ViewScale& scale) {
    for (std::size_t i = 0; i < m_probes.size(); ++i) {
        ProbeMarker* probe = m_probes[i];
        const Marker& m = m_markers[kLeads[i]];
        const QRect box = toView(scale, QRect(m.left, m.top, m.width, m.height));
        probe->setViewScale(scale);
        if (probe->geometry() != box)
            probe->setGeometry(box);
        if (probe->isVisibleTo(probe->parentWidget()) != m.visible)
            probe->setVisible(m.visible);
        probe->update();
    }
}

} // namespace voltaro
