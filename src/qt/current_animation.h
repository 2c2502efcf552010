#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace voltaro {

// The 30 frames a second of the current's dots. The timer runs only while there are dots to
// move and the window is shown and not minimised; each frame hands on the seconds since the one
// before (counted afresh whenever the timer starts, so the dots never leap).
class CurrentAnimation : public QObject {
    Q_OBJECT

public:
    using Frame = std::function<void(double seconds)>;

    CurrentAnimation(QWidget* window, Frame frame);

    // Whether there are dots to move; the window says so after every handler.
    void setWanted(bool wanted);
    bool isRunning() const { return m_timer.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startOrStop();

    QWidget* m_window;
    Frame m_frame;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_wanted = false;
};

} // namespace voltaro
