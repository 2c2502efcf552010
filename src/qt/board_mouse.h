#pragma once

#include <QObject>

#include <functional>

class QMouseEvent;
class QWidget;

namespace voltaro {

struct Workbench;

// The mouse on the board panel: each press, move and release goes to the workbench's pointer
// (src/app/board_pointer.h), which decides which marker holds it; the panel shows the cursor of
// the marker under the pointer while nothing holds it.
class BoardMouse : public QObject {
    Q_OBJECT

public:
    BoardMouse(QWidget* panel, Workbench& bench, std::function<void()> afterEvent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QPoint& point);
    void move(const QPoint& point, bool buttonHeld);
    void release(const QPoint& point);
    void showCursorAt(const QPoint& point);

    QWidget* m_panel;
    Workbench& m_bench;
    std::function<void()> m_afterEvent;
};

} // namespace voltaro
