#include "qt/board_mouse.h"

#include "app/dispatch.h"
#include "bench/workbench.h"
#include "view/marker_hit.h"
#include "view/point.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace voltaro {

namespace {

Qt::CursorShape cursorShape(MarkerCursor cursor) {
    switch (cursor) {
    case MarkerCursor::Hand:
        return Qt::PointingHandCursor;
    case MarkerCursor::Cross:
        return Qt::CrossCursor;
    case MarkerCursor::SizeNeSw:
        return Qt::SizeBDiagCursor;
    case MarkerCursor::SizeNwSe:
        return Qt::SizeFDiagCursor;
    case MarkerCursor::SizeAll:
        return Qt::SizeAllCursor;
    case MarkerCursor::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

BoardMouse::BoardMouse(QWidget* panel, Workbench& bench, std::function<void()> afterEvent)
    : QObject(panel), m_panel(panel), m_bench(bench), m_afterEvent(std::move(afterEvent)) {
    panel->setMouseTracking(true);
    panel->installEventFilter(this);
}

bool BoardMouse::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_panel)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        press(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        move(mouse->position().toPoint(), mouse->buttons() != Qt::NoButton);
        return true;
    }
    case QEvent::MouseButtonRelease:
        release(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    default:
        return false;
    }
}

BoardMouse::Target BoardMouse::targetAt(const QPoint& point) const {
    return markerAt(m_bench.model.markers, point.x(), point.y());
}

bool BoardMouse::onPicture(const QPoint& point) const {
    return point.x() >= kBoardOriginX && point.y() >= kBoardOriginY &&
           point.x() < kBoardOriginX + kBoardWidth && point.y() < kBoardOriginY + kBoardHeight;
}

void BoardMouse::press(const QPoint& point) {
    const Target target = targetAt(point);
    m_captured.reset();
    if (target) {
        m_captured = target;
        const Marker& m = m_bench.model.markers.at(*target);
        markerMouseDown(m_bench, *target, point.x() - m.left, point.y() - m.top);
    } else if (onPicture(point)) {
        m_captured = target;
        circuitMouseDown(m_bench, point.x() - kBoardOriginX, point.y() - kBoardOriginY);
    } else {
        return;
    }
    m_afterEvent();
}

void BoardMouse::move(const QPoint& point, bool buttonHeld) {
    // A press whose release went elsewhere (a popup took the mouse) holds nothing any more.
    if (!buttonHeld)
        m_captured.reset();
    const Target target = m_captured ? *m_captured : targetAt(point);
    if (!m_captured)
        showCursorFor(target);
    if (!target && !m_captured && !onPicture(point))
        return;
    deliverMove(target, point);
    m_afterEvent();
}

void BoardMouse::deliverMove(const Target& target, const QPoint& point) {
    if (target) {
        const Marker& m = m_bench.model.markers.at(*target);
        markerMouseMove(m_bench, *target, point.x() - m.left, point.y() - m.top);
    } else {
        circuitMouseMove(m_bench, point.x() - kBoardOriginX, point.y() - kBoardOriginY);
    }
}

void BoardMouse::release(const QPoint& point) {
    if (!m_captured)
        return;
    const Target target = *m_captured;
    m_captured.reset();
    if (target) {
        const Marker& m = m_bench.model.markers.at(*target);
        markerMouseUp(m_bench, *target, point.x() - m.left, point.y() - m.top);
    } else {
        circuitMouseUp(m_bench, point.x() - kBoardOriginX, point.y() - kBoardOriginY);
    }
    showCursorFor(targetAt(point));
    m_afterEvent();
}

void BoardMouse::showCursorFor(const Target& target) {
    const Qt::CursorShape shape =
        target ? cursorShape(m_bench.model.markers.at(*target).cursor) : Qt::ArrowCursor;
    if (m_panel->cursor().shape() != shape)
        m_panel->setCursor(shape);
}

} // namespace voltaro
