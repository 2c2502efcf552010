#include "qt/board_mouse.h"

#include "app/board_pointer.h"
#include "bench/workbench.h"
#include "qt/board_panel.h"

#include <QCursor>
#include <QMouseEvent>

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

BoardMouse::BoardMouse(BoardPanel* panel, Workbench& bench, std::function<void()> afterEvent)
    : QObject(panel), m_panel(panel), m_bench(bench), m_afterEvent(std::move(afterEvent)) {
    panel->setMouseTracking(true);
    panel->installEventFilter(this);
}

QPoint BoardMouse::onBoard(const QMouseEvent* event) const {
    return m_panel->toBoard(event->position().toPoint());
}

bool BoardMouse::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_panel)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        press(onBoard(static_cast<QMouseEvent*>(event)));
        return true;
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        move(onBoard(mouse), mouse->buttons() != Qt::NoButton);
        return true;
    }
    case QEvent::MouseButtonRelease:
        release(onBoard(static_cast<QMouseEvent*>(event)));
        return true;
    default:
        return false;
    }
}

void BoardMouse::press(const QPoint& point) {
    if (boardPress(m_bench, point.x(), point.y()))
        m_afterEvent();
}

void BoardMouse::move(const QPoint& point, bool buttonHeld) {
    const bool reached = boardMove(m_bench, point.x(), point.y(), buttonHeld);
    if (!m_bench.ui.captured.held)
        showCursorAt(point);
    if (reached)
        m_afterEvent();
}

void BoardMouse::release(const QPoint& point) {
    const bool reached = boardRelease(m_bench, point.x(), point.y());
    showCursorAt(point);
    if (reached)
        m_afterEvent();
}

void BoardMouse::showCursorAt(const QPoint& point) {
    const Qt::CursorShape shape = cursorShape(boardCursorAt(m_bench, point.x(), point.y()));
    if (m_panel->cursor().shape() != shape)
        m_panel->setCursor(shape);
}

} // namespace voltaro
