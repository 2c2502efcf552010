#include "qt/current_animation.h"

#include <QEvent>
#include <QWidget>

namespace voltaro {

namespace {

constexpr int kFrameMilliseconds = 1000 / 30;

} // namespace

CurrentAnimation::CurrentAnimation(QWidget* window, Frame frame)
    : QObject(window), m_window(window), m_frame(std::move(frame)) {
    m_timer.setInterval(kFrameMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const double seconds = static_cast<double>(m_clock.nsecsElapsed()) / 1e9;
        m_clock.restart();
        m_frame(seconds);
    });
    window->installEventFilter(this);
}

void CurrentAnimation::setWanted(bool wanted) {
    m_wanted = wanted;
    startOrStop();
}

bool CurrentAnimation::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == m_window &&
        (type == QEvent::Show || type == QEvent::Hide || type == QEvent::WindowStateChange))
        startOrStop();
    return QObject::eventFilter(watched, event);
}

void CurrentAnimation::startOrStop() {
    const bool run = m_wanted && m_window->isVisible() && !m_window->isMinimized();
    if (run && !m_timer.isActive()) {
        m_clock.start();
        m_timer.start();
    } else if (!run) {
        m_timer.stop();
    }
}

} // namespace voltaro
